#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>
#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Algorithms.h>
#include <Corrade/Utility/Assert.h>
#include <Magnum/ImageView.h>
#include <Magnum/Animation/Interpolation.h>
#include <Magnum/Animation/Track.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Trade/AnimationData.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/PixelStorage.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Implementation/EngineAttributes.h"
#include "VelmoraEngine/Tools/AnimationTools.h"
#include "VelmoraEngine/Tools/ImageTools.h"
#include "VelmoraEngine/Tools/MeshLayout.h"
#include "VelmoraEngine/Tools/MeshTools.h"

/* The image and mesh kernels against copies of their earlier, plain
   implementations, over seeded random inputs: the faster ones have to give
   the same bytes, padding and untouched pixels included */

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using namespace Magnum;

/* Random image data with the given storage, padding and skip included */
struct RandomImage {
    RandomImage(const PixelStorage& storage, const PixelFormat format, const Vector2i& size, std::mt19937& random) {
        const std::pair<Math::Vector3<std::size_t>, Math::Vector3<std::size_t>> properties = storage.dataProperties(pixelFormatSize(format), Vector3i{size, 1});
        data = Containers::Array<char>{NoInit, properties.first.sum() + properties.second.product()};
        std::uniform_int_distribution<int> byte{0, 255};
        for(char& c: data) c = char(byte(random));
        view = MutableImageView2D{storage, format, size, data};
    }

    /* The same bytes in a new buffer */
    RandomImage(const RandomImage& other): data{NoInit, other.data.size()} {
        if(!data.isEmpty()) std::memcpy(data.data(), other.data.data(), data.size());
        view = MutableImageView2D{other.view.storage(), other.view.format(), other.view.size(), data};
    }

    bool operator==(const RandomImage& other) const {
        return data.size() == other.data.size() && (data.isEmpty() || std::memcmp(data.data(), other.data.data(), data.size()) == 0);
    }

    Containers::Array<char> data;
    MutableImageView2D view{PixelFormat::R8Unorm, {}};
};

/* Storage variants the image cases run through */
enum class Storage { Tight, Padded, Windowed };

PixelStorage pixelStorage(const Storage storage, const Vector2i& size) {
    switch(storage) {
        case Storage::Tight: return PixelStorage{}.setAlignment(1);
        case Storage::Padded: return PixelStorage{};
        /* Rows longer than the image, pixels skipped on both axes */
        case Storage::Windowed: return PixelStorage{}.setAlignment(1).setRowLength(size.x() + 5).setSkip({3, 2, 0});
    }
    return PixelStorage{};
}

const char* storageName(const Storage storage) {
    switch(storage) {
        case Storage::Tight: return "Tight";
        case Storage::Padded: return "Padded";
        case Storage::Windowed: return "Windowed";
    }
    return "";
}

/* ImageTools::convert() as it was before the conversion became an integer
   multiply-shift */
namespace ConvertReference {

constexpr Float Inverse257 = 0x1.fe01fep-9f;

template<std::size_t channelCount> void convertPixels(const Containers::StridedArrayView2D<const Math::Vector<channelCount, UnsignedShort>>& src, const Containers::StridedArrayView2D<Math::Vector<channelCount, UnsignedByte>>& dst) {
    const Containers::Size2D size = src.size();
    CORRADE_INTERNAL_ASSERT(size == dst.size());

    const Containers::Stride2D srcStride = src.stride();
    const Containers::Stride2D dstStride = dst.stride();
    const char* srcRow = static_cast<const char*>(src.data());
    char* dstRow = static_cast<char*>(dst.data());

    /* Pixels adjacent in both rows: one flat run of channels per row, which
       the compiler vectorizes */
    if(srcStride[1] == std::ptrdiff_t(sizeof(Math::Vector<channelCount, UnsignedShort>)) &&
       dstStride[1] == std::ptrdiff_t(sizeof(Math::Vector<channelCount, UnsignedByte>))) {
        const std::size_t channels = size[1]*channelCount;
        for(std::size_t y = 0; y != size[0]; ++y, srcRow += srcStride[0], dstRow += dstStride[0]) {
            const UnsignedShort* from = reinterpret_cast<const UnsignedShort*>(srcRow);
            UnsignedByte* to = reinterpret_cast<UnsignedByte*>(dstRow);
            for(std::size_t i = 0; i != channels; ++i)
                to[i] = UnsignedByte(Int(Float(from[i])*Inverse257));
        }
        return;
    }

    for(std::size_t y = 0; y != size[0]; ++y, srcRow += srcStride[0], dstRow += dstStride[0]) {
        const char* from = srcRow;
        char* to = dstRow;
        for(std::size_t x = 0; x != size[1]; ++x, from += srcStride[1], to += dstStride[1]) {
            const UnsignedShort* in = reinterpret_cast<const UnsignedShort*>(from);
            UnsignedByte* out = reinterpret_cast<UnsignedByte*>(to);
            for(std::size_t c = 0; c != channelCount; ++c)
                out[c] = UnsignedByte(Int(Float(in[c])*Inverse257));
        }
    }
}

template<std::size_t channelCount> void convertPixels(const Containers::StridedArrayView3D<const char>& src, const Containers::StridedArrayView3D<char>& dst) {
    convertPixels<channelCount>(
        Containers::arrayCast<2, const Math::Vector<channelCount, UnsignedShort>>(src),
        Containers::arrayCast<2, Math::Vector<channelCount, UnsignedByte>>(dst));
}

std::size_t conversionChannelCount(const PixelFormat from, const PixelFormat to) {
    if((from == PixelFormat::R16Unorm || from == PixelFormat::R16UI) &&
       (to == PixelFormat::R8Unorm || to == PixelFormat::R8UI)) return 1;
    if((from == PixelFormat::RG16Unorm || from == PixelFormat::RG16UI) &&
       (to == PixelFormat::RG8Unorm || to == PixelFormat::RG8UI)) return 2;
    if((from == PixelFormat::RGB16Unorm || from == PixelFormat::RGB16UI) &&
       (to == PixelFormat::RGB8Unorm || to == PixelFormat::RGB8UI)) return 3;
    if((from == PixelFormat::RGBA16Unorm || from == PixelFormat::RGBA16UI) &&
       (to == PixelFormat::RGBA8Unorm || to == PixelFormat::RGBA8UI)) return 4;
    return 0;
}

bool convert(const ImageView2D& src, MutableImageView2D& dst) {
    if(src.size() != dst.size()) return false;
    if(src.format() == dst.format()) return true;

    const std::size_t channelCount = conversionChannelCount(src.format(), dst.format());
    if(!channelCount) return false;

    /* An empty image has no pixel view to cast */
    if(!src.size().x() || !src.size().y()) return true;

    switch(channelCount) {
        case 1: convertPixels<1>(src.pixels(), dst.pixels()); return true;
        case 2: convertPixels<2>(src.pixels(), dst.pixels()); return true;
        case 3: convertPixels<3>(src.pixels(), dst.pixels()); return true;
        case 4: convertPixels<4>(src.pixels(), dst.pixels()); return true;
        default: return false;
    }
}

}

struct ConvertCase {
    const char* name;
    PixelFormat from, to;
};

const ConvertCase ConvertCases[]{
    {"R16UnormToR8Unorm", PixelFormat::R16Unorm, PixelFormat::R8Unorm},
    {"RG16UIToRG8UI", PixelFormat::RG16UI, PixelFormat::RG8UI},
    {"RGB16UnormToRGB8UI", PixelFormat::RGB16Unorm, PixelFormat::RGB8UI},
    {"RGBA16UnormToRGBA8Unorm", PixelFormat::RGBA16Unorm, PixelFormat::RGBA8Unorm},
    {"RGBA16UIToRGBA8Unorm", PixelFormat::RGBA16UI, PixelFormat::RGBA8Unorm},
};

class KernelDifferentialConvertTest: public testing::TestWithParam<std::tuple<ConvertCase, Storage>> {};

TEST_P(KernelDifferentialConvertTest, SameBytesAsBefore) {
    const ConvertCase& data = std::get<0>(GetParam());
    const Storage storage = std::get<1>(GetParam());
    const Vector2i sizes[]{{0, 0}, {0, 3}, {5, 0}, {1, 1}, {3, 1}, {1, 7}, {7, 5}, {13, 11}, {64, 3}, {257, 9}};

    std::mt19937 random{2024};
    for(const Vector2i& size: sizes) {
        SCOPED_TRACE(testing::Message{} << "size " << size.x() << "x" << size.y());
        const RandomImage src{pixelStorage(storage, size), data.from, size, random};
        RandomImage expected{pixelStorage(storage, size), data.to, size, random};
        RandomImage actual{expected};
        EXPECT_EQ(ImageTools::convert(src.view, actual.view), ConvertReference::convert(src.view, expected.view));
        EXPECT_TRUE(actual == expected);
    }
}

/* Every 16-bit value once, in one row */
TEST(KernelDifferentialConvertValueTest, EveryValue) {
    Containers::Array<UnsignedShort> values{NoInit, 65536};
    for(std::size_t i = 0; i != values.size(); ++i) values[i] = UnsignedShort(i);
    const ImageView2D src{PixelStorage{}.setAlignment(1), PixelFormat::R16Unorm, {65536, 1}, Containers::arrayCast<const char>(Containers::arrayView(values))};
    Containers::Array<char> expectedData{ValueInit, 65536};
    Containers::Array<char> actualData{ValueInit, 65536};
    MutableImageView2D expected{PixelStorage{}.setAlignment(1), PixelFormat::R8Unorm, {65536, 1}, expectedData};
    MutableImageView2D actual{PixelStorage{}.setAlignment(1), PixelFormat::R8Unorm, {65536, 1}, actualData};
    ASSERT_TRUE(ConvertReference::convert(src, expected));
    ASSERT_TRUE(ImageTools::convert(src, actual));
    for(std::size_t i = 0; i != values.size(); ++i)
        ASSERT_EQ(UnsignedByte(actualData[i]), UnsignedByte(expectedData[i])) << "for " << i;
}

INSTANTIATE_TEST_SUITE_P(, KernelDifferentialConvertTest,
    testing::Combine(testing::ValuesIn(ConvertCases), testing::Values(Storage::Tight, Storage::Padded, Storage::Windowed)),
    [](const testing::TestParamInfo<std::tuple<ConvertCase, Storage>>& info) {
        return std::string{std::get<0>(info.param).name} + "_" + storageName(std::get<1>(info.param));
    });

/* ImageTools::tile() as it was before the rows were copied directly */
namespace TileReference {

Containers::StridedArrayView3D<const char> pixelsInRange(const ImageView2D& image, const Range2Di& range) {
    return image.pixels().slice(
        {std::size_t(range.min().y()), std::size_t(range.min().x()), 0},
        {std::size_t(range.max().y()), std::size_t(range.max().x()), image.pixelSize()});
}

Containers::StridedArrayView3D<char> pixelsInRange(const MutableImageView2D& image, const Range2Di& range) {
    return image.pixels().slice(
        {std::size_t(range.min().y()), std::size_t(range.min().x()), 0},
        {std::size_t(range.max().y()), std::size_t(range.max().x()), image.pixelSize()});
}

inline Int wrap(const Int coordinate, const Int size) {
    const Int wrapped = coordinate % size;
    return wrapped < 0 ? wrapped + size : wrapped;
}

void copyRange(const ImageView2D& src, const Range2Di& srcRange, MutableImageView2D& dst, const Range2Di& dstRange) {
    Utility::copy(pixelsInRange(src, srcRange), pixelsInRange(dst, dstRange));
}

bool tile(const ImageView2D& src, MutableImageView2D& dst, const Vector2i& tileSize, const int index, const Vector2i& border) {
    const Vector2i imageSize = src.size();
    const Int tilesPerRow = Int(std::ceil(Float(imageSize.x())/Float(tileSize.x())));

    const Vector2i tile{index % tilesPerRow, index/tilesPerRow};
    const Range2Di bordered{tile*tileSize - border, (tile + Vector2i{1})*tileSize + border};

    if(!(imageSize.x() % tileSize.x()) && !(imageSize.y() % tileSize.y())) {
        const Vector2i size = bordered.size();
        for(Int y = 0; y != size.y(); ) {
            const Int fromY = wrap(bordered.min().y() + y, imageSize.y());
            const Int height = Math::min(imageSize.y() - fromY, size.y() - y);
            for(Int x = 0; x != size.x(); ) {
                const Int fromX = wrap(bordered.min().x() + x, imageSize.x());
                const Int width = Math::min(imageSize.x() - fromX, size.x() - x);
                copyRange(src, {{fromX, fromY}, {fromX + width, fromY + height}}, dst, {{x, y}, {x + width, y + height}});
                x += width;
            }
            y += height;
        }
        return true;
    }

    const Range2Di clipped = Math::intersect(bordered, Range2Di{{}, imageSize});
    if(clipped.size().x() > 0 && clipped.size().y() > 0)
        copyRange(src, clipped, dst, clipped.translated(-bordered.min()));
    return true;
}

}

struct TileCase {
    const char* name;
    PixelFormat format;
    Vector2i imageSize, tileSize, border;
};

const TileCase TileCases[]{
    {"OnePixel", PixelFormat::RGBA8Unorm, {1, 1}, {1, 1}, {0, 0}},
    {"OnePixelBordered", PixelFormat::RGBA8Unorm, {1, 1}, {1, 1}, {2, 3}},
    {"WholeTilesNoBorder", PixelFormat::RGBA8Unorm, {12, 8}, {4, 4}, {0, 0}},
    {"WholeTilesBorder", PixelFormat::RGBA8Unorm, {12, 8}, {4, 4}, {1, 1}},
    {"WholeTilesOddWidth", PixelFormat::RGB8Unorm, {15, 6}, {5, 3}, {2, 1}},
    {"WholeTilesBorderWiderThanTile", PixelFormat::R8Unorm, {9, 6}, {3, 2}, {5, 4}},
    {"WholeTilesBorderWiderThanImage", PixelFormat::RG8Unorm, {6, 4}, {3, 2}, {8, 9}},
    {"WholeTilesOneTile", PixelFormat::RGBA16Unorm, {7, 5}, {7, 5}, {3, 2}},
    {"PartialTiles", PixelFormat::RGBA8Unorm, {13, 9}, {4, 4}, {2, 2}},
    {"PartialTilesOneAxis", PixelFormat::RGB8Unorm, {12, 9}, {4, 4}, {1, 3}},
    {"PartialTilesTileBiggerThanImage", PixelFormat::R8Unorm, {5, 3}, {8, 8}, {1, 1}},
    {"ManyTiles", PixelFormat::RGBA8Unorm, {66, 33}, {11, 11}, {2, 2}},
};

class KernelDifferentialTileTest: public testing::TestWithParam<std::tuple<TileCase, Storage>> {};

TEST_P(KernelDifferentialTileTest, SameBytesAsBefore) {
    const TileCase& data = std::get<0>(GetParam());
    const Storage storage = std::get<1>(GetParam());

    std::mt19937 random{77};
    const RandomImage src{pixelStorage(storage, data.imageSize), data.format, data.imageSize, random};
    const Vector2i tiles = (data.imageSize + data.tileSize - Vector2i{1})/data.tileSize;
    /* A destination one pixel bigger than needed, whose extra pixels stay */
    const Vector2i dstSize = data.tileSize + 2*data.border + Vector2i{1};
    for(Int index = 0; index != tiles.product(); ++index) {
        SCOPED_TRACE(testing::Message{} << "tile " << index);
        RandomImage expected{pixelStorage(storage, dstSize), data.format, dstSize, random};
        RandomImage actual{expected};
        ASSERT_TRUE(TileReference::tile(src.view, expected.view, data.tileSize, index, data.border));
        ASSERT_TRUE(ImageTools::tile(src.view, actual.view, data.tileSize, index, data.border));
        EXPECT_TRUE(actual == expected);
    }
}

INSTANTIATE_TEST_SUITE_P(, KernelDifferentialTileTest,
    testing::Combine(testing::ValuesIn(TileCases), testing::Values(Storage::Tight, Storage::Padded, Storage::Windowed)),
    [](const testing::TestParamInfo<std::tuple<TileCase, Storage>>& info) {
        return std::string{std::get<0>(info.param).name} + "_" + storageName(std::get<1>(info.param));
    });

/* ImageTools::downscale() with a fractional ratio as it was before the
   column footprints were computed once and the channels summed in vector
   lanes. Integer ratios go the same way in both. */
namespace DownscaleReference {

struct Footprint {
    Int begin, end;
    Float first, last;
};

Footprint footprint(const Int i, const Float scale, const Int length) {
    const Float limit = Float(length);
    Float from = Float(i)*scale;
    Float to = Float(i + 1)*scale;
    if(to > limit) to = limit;
    if(from > limit) from = limit;

    Footprint out;
    out.begin = Int(std::ceil(from));
    out.end = Int(std::floor(to));
    if(out.begin > out.end) {
        out.first = to - from;
        out.last = 0.0f;
    } else {
        out.first = Float(out.begin) - from;
        out.last = to - Float(out.end);
    }
    return out;
}

template<std::size_t channelCount> void accumulate(Float(&sum)[channelCount], const char* pixel, const Float weight) {
    for(std::size_t c = 0; c != channelCount; ++c)
        sum[c] += weight*Float(UnsignedByte(pixel[c]));
}

template<std::size_t channelCount> void downscaleFootprints(const Containers::StridedArrayView3D<const char>& src, const Containers::StridedArrayView3D<char>& dst, const Vector2& scale, const Vector2i& srcSize) {
    const Containers::Size3D size = dst.size();
    const Containers::Stride3D srcStride = src.stride();
    const Containers::Stride3D dstStride = dst.stride();
    const Float area = scale.x()*scale.y();
    const char* const srcData = static_cast<const char*>(src.data());

    char* dstRow = static_cast<char*>(dst.data());
    for(std::size_t y = 0; y != size[0]; ++y, dstRow += dstStride[0]) {
        const Footprint rows = footprint(Int(y), scale.y(), srcSize.y());
        const char* const topRow = srcData + std::ptrdiff_t(rows.begin - 1)*srcStride[0];
        const char* const bottomRow = srcData + std::ptrdiff_t(rows.end)*srcStride[0];

        char* out = dstRow;
        for(std::size_t x = 0; x != size[1]; ++x, out += dstStride[1]) {
            const Footprint columns = footprint(Int(x), scale.x(), srcSize.x());
            const std::ptrdiff_t leftColumn = std::ptrdiff_t(columns.begin - 1)*srcStride[1];
            const std::ptrdiff_t rightColumn = std::ptrdiff_t(columns.end)*srcStride[1];
            const std::ptrdiff_t firstColumn = std::ptrdiff_t(columns.begin)*srcStride[1];

            Float sum[channelCount]{};

            if(rows.first && columns.first)
                accumulate(sum, topRow + leftColumn, rows.first*columns.first);
            if(rows.first && columns.last)
                accumulate(sum, topRow + rightColumn, rows.first*columns.last);
            if(rows.last && columns.first)
                accumulate(sum, bottomRow + leftColumn, rows.last*columns.first);
            if(rows.last && columns.last)
                accumulate(sum, bottomRow + rightColumn, rows.last*columns.last);

            if(rows.first) {
                const char* pixel = topRow + firstColumn;
                for(Int i = columns.begin; i < columns.end; ++i, pixel += srcStride[1])
                    accumulate(sum, pixel, rows.first);
            }
            if(rows.last) {
                const char* pixel = bottomRow + firstColumn;
                for(Int i = columns.begin; i < columns.end; ++i, pixel += srcStride[1])
                    accumulate(sum, pixel, rows.last);
            }

            if(columns.first) {
                const char* pixel = srcData + std::ptrdiff_t(rows.begin)*srcStride[0] + leftColumn;
                for(Int j = rows.begin; j < rows.end; ++j, pixel += srcStride[0])
                    accumulate(sum, pixel, columns.first);
            }
            if(columns.last) {
                const char* pixel = srcData + std::ptrdiff_t(rows.begin)*srcStride[0] + rightColumn;
                for(Int j = rows.begin; j < rows.end; ++j, pixel += srcStride[0])
                    accumulate(sum, pixel, columns.last);
            }

            const char* row = srcData + std::ptrdiff_t(rows.begin)*srcStride[0] + firstColumn;
            for(Int j = rows.begin; j < rows.end; ++j, row += srcStride[0]) {
                const char* pixel = row;
                for(Int i = columns.begin; i < columns.end; ++i, pixel += srcStride[1])
                    for(std::size_t c = 0; c != channelCount; ++c)
                        sum[c] += Float(UnsignedByte(pixel[c]));
            }

            for(std::size_t c = 0; c != channelCount; ++c)
                out[c] = char(UnsignedByte(Int(sum[c]/area)));
        }
    }
}

/* Only for fractional ratios and sources with pixels */
void downscale(const ImageView2D& src, MutableImageView2D& dst, const Vector2i& size) {
    const std::size_t channelCount = src.pixelSize();
    const Containers::StridedArrayView3D<char> out = dst.pixels().prefix({std::size_t(size.y()), std::size_t(size.x()), channelCount});
    const Vector2 ratio{Float(src.size().x())/Float(size.x()), Float(src.size().y())/Float(size.y())};
    if(channelCount == 3) downscaleFootprints<3>(src.pixels(), out, ratio, src.size());
    else downscaleFootprints<4>(src.pixels(), out, ratio, src.size());
}

}

struct DownscaleCase {
    const char* name;
    PixelFormat format;
    Vector2i srcSize, size;
    /* Every pixel the same value: every exact mean is then a whole number,
       so any other order of the additions shows as a byte one lower */
    bool flat;
};

const DownscaleCase DownscaleCases[]{
    {"Rgba8ThirdAndABit", PixelFormat::RGBA8Unorm, {97, 64}, {32, 21}, false},
    {"Rgba8ThirdAndABitFlat", PixelFormat::RGBA8Unorm, {97, 64}, {32, 21}, true},
    {"Rgba8UINearlyHalf", PixelFormat::RGBA8UI, {131, 77}, {66, 39}, false},
    {"Rgba8SevenToFive", PixelFormat::RGBA8Unorm, {70, 49}, {50, 35}, false},
    {"Rgba8SevenToFiveFlat", PixelFormat::RGBA8Unorm, {70, 49}, {50, 35}, true},
    {"Rgba8WideRatio", PixelFormat::RGBA8Unorm, {203, 5}, {9, 4}, false},
    {"Rgba8BelowOne", PixelFormat::RGBA8Unorm, {13, 11}, {17, 13}, false},
    {"Rgba8OneColumn", PixelFormat::RGBA8Unorm, {3, 41}, {1, 6}, false},
    {"Rgba8EdgePastTheEnd", PixelFormat::RGBA8Unorm, {14, 14}, {13, 13}, false},
    {"Rgb8ThirdAndABit", PixelFormat::RGB8Unorm, {97, 64}, {32, 21}, false},
    {"Rgb8SevenToFiveFlat", PixelFormat::RGB8UI, {70, 49}, {50, 35}, true},
    {"Rgb8BelowOne", PixelFormat::RGB8Unorm, {13, 11}, {17, 13}, false},
};

void PrintTo(const DownscaleCase& data, std::ostream* out) {
    *out << data.name;
}

class KernelDifferentialDownscaleTest: public testing::TestWithParam<std::tuple<DownscaleCase, Storage>> {};

TEST_P(KernelDifferentialDownscaleTest, SameBytesAsBefore) {
    const DownscaleCase& data = std::get<0>(GetParam());
    const Storage storage = std::get<1>(GetParam());

    std::mt19937 random{91};
    for(const int seed: {0, 1, 2}) {
        SCOPED_TRACE(testing::Message{} << "image " << seed);
        RandomImage src{pixelStorage(storage, data.srcSize), data.format, data.srcSize, random};
        if(data.flat) {
            const Containers::StridedArrayView3D<char> pixels = src.view.pixels();
            const char value = char(std::uniform_int_distribution<int>{1, 255}(random));
            for(std::size_t y = 0; y != pixels.size()[0]; ++y)
                for(std::size_t x = 0; x != pixels.size()[1]; ++x)
                    for(std::size_t c = 0; c != pixels.size()[2]; ++c)
                        pixels[y][x][c] = value;
        }
        /* A destination one pixel bigger than the size, whose extra pixels
           stay */
        const Vector2i dstSize = data.size + Vector2i{1};
        RandomImage expected{pixelStorage(storage, dstSize), data.format, dstSize, random};
        RandomImage actual{expected};
        DownscaleReference::downscale(src.view, expected.view, data.size);
        ASSERT_TRUE(ImageTools::downscale(src.view, actual.view, data.size));
        EXPECT_TRUE(actual == expected);
    }
}

INSTANTIATE_TEST_SUITE_P(, KernelDifferentialDownscaleTest,
    testing::Combine(testing::ValuesIn(DownscaleCases), testing::Values(Storage::Tight, Storage::Padded, Storage::Windowed)),
    [](const testing::TestParamInfo<std::tuple<DownscaleCase, Storage>>& info) {
        return std::string{std::get<0>(info.param).name} + "_" + storageName(std::get<1>(info.param));
    });

/* packMesh() and unpackMesh() as they were before they computed the final
   layout up front: one cast after the other, each growing the buffer */
namespace PackReference {

typedef Trade::MeshData(*Cast)(Trade::MeshData&&, Trade::MeshAttribute, unsigned int);

struct PackStep {
    MeshDataFlag flag;
    Trade::MeshAttribute attribute;
    Cast pack;
    Cast unpack;
};

const PackStep PackSteps[]{
    {MeshDataFlag::Normal, Trade::MeshAttribute::Normal,
        MeshTools::castNormalizedAttribute<Math::Vector3<Float>, Math::Vector3<Short>>,
        MeshTools::castNormalizedAttribute<Math::Vector3<Short>, Math::Vector3<Float>>},
    {MeshDataFlag::Tangent, Trade::MeshAttribute::Tangent,
        MeshTools::castNormalizedAttribute<Math::Vector4<Float>, Math::Vector4<Short>>,
        MeshTools::castNormalizedAttribute<Math::Vector4<Short>, Math::Vector4<Float>>},
    {MeshDataFlag::Color, Trade::MeshAttribute::Color,
        MeshTools::castNormalizedAttribute<Math::Vector4<Float>, Math::Vector4<UnsignedShort>>,
        MeshTools::castNormalizedAttribute<Math::Vector4<UnsignedShort>, Math::Vector4<Float>>},
    {MeshDataFlag::Skinning0, Implementation::Weights0,
        MeshTools::castNormalizedAttribute<Math::Vector4<Float>, Math::Vector4<UnsignedShort>>,
        MeshTools::castNormalizedAttribute<Math::Vector4<UnsignedShort>, Math::Vector4<Float>>},
    {MeshDataFlag::Skinning1, Implementation::Weights1,
        MeshTools::castNormalizedAttribute<Math::Vector4<Float>, Math::Vector4<UnsignedShort>>,
        MeshTools::castNormalizedAttribute<Math::Vector4<UnsignedShort>, Math::Vector4<Float>>},
};

Trade::MeshData packMesh(const MeshDataFlags flags, Trade::MeshData&& mesh) {
    Trade::MeshData out = std::move(mesh);
    for(const PackStep& step: PackSteps)
        if((flags & step.flag) && out.attributeCount(step.attribute))
            out = step.pack(std::move(out), step.attribute, 0);
    return out;
}

Trade::MeshData unpackMesh(const MeshDataFlags flags, Trade::MeshData&& mesh) {
    Trade::MeshData out = std::move(mesh);
    for(const PackStep& step: PackSteps)
        if((flags & step.flag) && out.attributeCount(step.attribute))
            out = step.unpack(std::move(out), step.attribute, 0);
    return out;
}

}

/* One attribute of a generated mesh: where it starts, its stride */
struct MeshAttributeCase {
    Trade::MeshAttribute name;
    VertexFormat format;
};

enum class MeshLayoutKind { Interleaved, Blocks, PaddedInterleaved };

struct MeshCase {
    const char* name;
    MeshLayoutKind layout;
    UnsignedInt vertexCount;
    bool indexed;
    /* Bytes appended after the attributes, so new blocks need aligning */
    std::size_t trailingBytes;
    std::initializer_list<MeshAttributeCase> attributes;
};

void PrintTo(const MeshCase& data, std::ostream* out) {
    *out << data.name;
}

/* Floats with every kind of value the packing clamps: in range, out of it,
   infinities, NaN, negative zero */
Float randomFloat(std::mt19937& random) {
    std::uniform_int_distribution<int> kind{0, 15};
    std::uniform_real_distribution<Float> inRange{-1.0f, 1.0f};
    switch(kind(random)) {
        case 0: return std::numeric_limits<Float>::quiet_NaN();
        case 1: return std::numeric_limits<Float>::infinity();
        case 2: return -std::numeric_limits<Float>::infinity();
        case 3: return -0.0f;
        case 4: return inRange(random)*1000.0f;
        case 5: return 1.0f;
        case 6: return -1.0f;
        /* Halfway between two packed values */
        case 7: return (Float(std::uniform_int_distribution<int>{-32767, 32766}(random)) + 0.5f)/32767.0f;
        case 8: return (Float(std::uniform_int_distribution<int>{0, 65534}(random)) + 0.5f)/65535.0f;
    }
    return inRange(random);
}

/* An owned mesh with the attributes of data laid out as asked, every byte
   random and every float component drawn by randomFloat() */
Trade::MeshData randomMesh(const MeshCase& data, std::mt19937& random) {
    std::size_t stride = 0;
    for(const MeshAttributeCase& attribute: data.attributes) stride += vertexFormatSize(attribute.format);
    if(data.layout == MeshLayoutKind::PaddedInterleaved) stride += 4;

    const std::size_t vertexBytes = stride*data.vertexCount;
    Containers::Array<char> vertexData{NoInit, 4 + vertexBytes + data.trailingBytes};
    std::uniform_int_distribution<int> byte{0, 255};
    for(char& c: vertexData) c = char(byte(random));

    Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, data.attributes.size()};
    std::size_t offset = 4, i = 0;
    for(const MeshAttributeCase& attribute: data.attributes) {
        const std::size_t size = vertexFormatSize(attribute.format);
        const bool interleaved = data.layout != MeshLayoutKind::Blocks;
        attributes[i++] = Trade::MeshAttributeData{attribute.name, attribute.format, offset, data.vertexCount, std::ptrdiff_t(interleaved ? stride : size)};
        if(vertexFormatComponentFormat(attribute.format) == VertexFormat::Float) {
            for(UnsignedInt v = 0; v != data.vertexCount; ++v) {
                char* const at = vertexData.data() + offset + v*(interleaved ? stride : size);
                for(std::size_t c = 0; c != size/4; ++c) {
                    const Float value = randomFloat(random);
                    std::memcpy(at + 4*c, &value, 4);
                }
            }
        }
        offset += interleaved ? size : size*data.vertexCount;
    }

    if(data.indexed) {
        Containers::Array<char> indexData{NoInit, 6*sizeof(UnsignedShort)};
        const Containers::ArrayView<UnsignedShort> indices = Containers::arrayCast<UnsignedShort>(indexData);
        for(UnsignedShort& index: indices) index = UnsignedShort(data.vertexCount ? random() % data.vertexCount : 0);
        const Trade::MeshIndexData indexView{indices};
        return Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indexView, std::move(vertexData), std::move(attributes), data.vertexCount};
    }
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexData), std::move(attributes), data.vertexCount};
}

/* Every byte, attribute and index of two meshes */
void expectSameMesh(const Trade::MeshData& actual, const Trade::MeshData& expected) {
    EXPECT_EQ(actual.primitive(), expected.primitive());
    EXPECT_EQ(actual.vertexCount(), expected.vertexCount());
    ASSERT_EQ(actual.vertexData().size(), expected.vertexData().size());
    EXPECT_TRUE(actual.vertexData().isEmpty() || std::memcmp(actual.vertexData().data(), expected.vertexData().data(), actual.vertexData().size()) == 0);
    ASSERT_EQ(actual.attributeCount(), expected.attributeCount());
    for(UnsignedInt i = 0; i != actual.attributeCount(); ++i) {
        SCOPED_TRACE(testing::Message{} << "attribute " << i);
        EXPECT_EQ(actual.attributeName(i), expected.attributeName(i));
        EXPECT_EQ(actual.attributeFormat(i), expected.attributeFormat(i));
        EXPECT_EQ(actual.attributeOffset(i), expected.attributeOffset(i));
        EXPECT_EQ(actual.attributeStride(i), expected.attributeStride(i));
        EXPECT_EQ(actual.attributeArraySize(i), expected.attributeArraySize(i));
        EXPECT_EQ(actual.attributeData()[i].isOffsetOnly(), expected.attributeData()[i].isOffsetOnly());
    }
    ASSERT_EQ(actual.isIndexed(), expected.isIndexed());
    if(actual.isIndexed()) {
        EXPECT_EQ(actual.indexType(), expected.indexType());
        EXPECT_EQ(actual.indexCount(), expected.indexCount());
        EXPECT_EQ(actual.indexOffset(), expected.indexOffset());
        ASSERT_EQ(actual.indexData().size(), expected.indexData().size());
        EXPECT_TRUE(std::memcmp(actual.indexData().data(), expected.indexData().data(), actual.indexData().size()) == 0);
    }
}

const MeshAttributeCase Position{Trade::MeshAttribute::Position, VertexFormat::Vector3};
const MeshAttributeCase Normal{Trade::MeshAttribute::Normal, VertexFormat::Vector3};
const MeshAttributeCase Tangent{Trade::MeshAttribute::Tangent, VertexFormat::Vector4};
const MeshAttributeCase Color{Trade::MeshAttribute::Color, VertexFormat::Vector4};
const MeshAttributeCase TextureCoordinates{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2};
const MeshAttributeCase Joints0{Implementation::JointIds0, VertexFormat::Vector4us};
const MeshAttributeCase Weights0{Implementation::Weights0, VertexFormat::Vector4};
const MeshAttributeCase Joints1{Implementation::JointIds1, VertexFormat::Vector4us};
const MeshAttributeCase Weights1{Implementation::Weights1, VertexFormat::Vector4};
const MeshAttributeCase ObjectId{Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt};

const MeshCase MeshCases[]{
    {"Empty", MeshLayoutKind::Interleaved, 0, false, 0, {Position, Normal, Tangent, Color}},
    {"EmptyOddBuffer", MeshLayoutKind::Interleaved, 0, false, 3, {Position, Normal, Color}},
    {"OneVertex", MeshLayoutKind::Interleaved, 1, false, 0, {Position, Normal, Tangent, Color}},
    {"OnlyPosition", MeshLayoutKind::Interleaved, 17, false, 0, {Position}},
    {"Interleaved", MeshLayoutKind::Interleaved, 301, false, 0, {Position, Normal, Tangent, Color}},
    {"InterleavedOddTail", MeshLayoutKind::Interleaved, 77, false, 1, {Position, Color, Normal, Tangent}},
    {"InterleavedPadded", MeshLayoutKind::PaddedInterleaved, 129, true, 2, {TextureCoordinates, Normal, Position, Tangent}},
    {"Blocks", MeshLayoutKind::Blocks, 300, false, 3, {Position, Normal, Tangent, Color}},
    {"BlocksIndexed", MeshLayoutKind::Blocks, 31, true, 0, {Color, Position, Normal}},
    {"Skinned", MeshLayoutKind::Interleaved, 213, false, 0, {Position, Normal, Joints0, Weights0, Joints1, Weights1}},
    {"SkinnedObjectIds", MeshLayoutKind::Interleaved, 65, true, 1, {Position, ObjectId, Weights0, Normal, Weights1}},
    {"TwoNormals", MeshLayoutKind::Interleaved, 50, false, 0, {Position, Normal, Normal, Color}},
    {"TwoNormalsBlocks", MeshLayoutKind::Blocks, 33, false, 2, {Normal, Position, Normal}},
    /* Big enough for a new buffer's pages to be mapped in up front */
    {"LargeInterleaved", MeshLayoutKind::Interleaved, 30001, false, 5, {Position, Normal, Tangent, Color}},
};

const MeshDataFlags FlagCombinations[]{
    {},
    MeshDataFlag::Normal,
    MeshDataFlag::Color|MeshDataFlag::Skinning1,
    MeshDataFlag::Tangent|MeshDataFlag::Skinning0,
    MeshDataFlag::Normal|MeshDataFlag::Tangent|MeshDataFlag::Color,
    MeshDataFlag::Normal|MeshDataFlag::Tangent|MeshDataFlag::Color|MeshDataFlag::Skinning0|MeshDataFlag::Skinning1|MeshDataFlag::Position3D|MeshDataFlag::TextureCoordinates,
};

class KernelDifferentialPackMeshTest: public testing::TestWithParam<MeshCase> {};

TEST_P(KernelDifferentialPackMeshTest, PackSameAsBefore) {
    std::mt19937 random{5};
    for(const MeshDataFlags flags: FlagCombinations) {
        SCOPED_TRACE(testing::Message{} << "flags " << UnsignedInt(flags));
        std::mt19937 copy = random;
        Trade::MeshData actual = packMesh(flags, randomMesh(GetParam(), random));
        Trade::MeshData expected = PackReference::packMesh(flags, randomMesh(GetParam(), copy));
        expectSameMesh(actual, expected);
    }
}

TEST_P(KernelDifferentialPackMeshTest, UnpackSameAsBefore) {
    std::mt19937 random{6};
    const MeshDataFlags all = MeshDataFlag::Normal|MeshDataFlag::Tangent|MeshDataFlag::Color|MeshDataFlag::Skinning0|MeshDataFlag::Skinning1;
    for(const MeshDataFlags flags: FlagCombinations) {
        SCOPED_TRACE(testing::Message{} << "flags " << UnsignedInt(flags));
        /* Packed by the reference with all flags; the packed bytes of every
           16-bit value then overwritten with random ones, most negative
           included */
        Trade::MeshData packed = PackReference::packMesh(all, randomMesh(GetParam(), random));
        Containers::Array<char> vertexData{NoInit, packed.vertexData().size()};
        std::uniform_int_distribution<int> byte{0, 255};
        for(char& c: vertexData) c = char(byte(random));
        Containers::Array<char> vertexDataCopy{NoInit, vertexData.size()};
        if(!vertexData.isEmpty()) std::memcpy(vertexDataCopy.data(), vertexData.data(), vertexData.size());

        auto attributes = [&]() {
            Containers::Array<Trade::MeshAttributeData> out{ValueInit, packed.attributeCount()};
            for(UnsignedInt i = 0; i != out.size(); ++i) out[i] = packed.attributeData()[i];
            return out;
        };
        Trade::MeshData actual = unpackMesh(flags, Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexData), attributes(), packed.vertexCount()});
        Trade::MeshData expected = PackReference::unpackMesh(flags, Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexDataCopy), attributes(), packed.vertexCount()});
        expectSameMesh(actual, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(, KernelDifferentialPackMeshTest, testing::ValuesIn(MeshCases),
    [](const testing::TestParamInfo<MeshCase>& info) { return std::string{info.param.name}; });

/* Every float bit pattern would take too long; every float that packs near
   a rounding boundary of either range, and its neighbours */
TEST(KernelDifferentialPackValueTest, RoundingBoundaries) {
    const UnsignedInt vertexCount = 65536;
    for(const MeshDataFlag flag: {MeshDataFlag::Normal, MeshDataFlag::Color}) {
        SCOPED_TRACE(testing::Message{} << "flag " << UnsignedInt(flag));
        const MeshCase data{"", MeshLayoutKind::Blocks, vertexCount, false, 0,
            {flag == MeshDataFlag::Normal ? Normal : Color}};
        std::mt19937 random{9};
        Trade::MeshData source = randomMesh(data, random);
        const Containers::ArrayView<Float> floats = Containers::arrayCast<Float>(source.mutableVertexData().exceptPrefix(4));
        const Float max = flag == MeshDataFlag::Normal ? 32767.0f : 65535.0f;
        for(std::size_t i = 0; i != floats.size(); ++i) {
            const Float boundary = (Float(Int(i % 65536) - (flag == MeshDataFlag::Normal ? 32768 : 0)) + 0.5f)/max;
            floats[i] = i % 3 == 0 ? boundary : i % 3 == 1 ? std::nextafter(boundary, 2.0f) : std::nextafter(boundary, -2.0f);
        }
        Containers::Array<char> copy{NoInit, source.vertexData().size()};
        std::memcpy(copy.data(), source.vertexData().data(), copy.size());
        Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, 1};
        attributes[0] = source.attributeData()[0];
        Trade::MeshData actual = packMesh(flag, std::move(source));
        Trade::MeshData expected = PackReference::packMesh(flag, Trade::MeshData{MeshPrimitive::Triangles, std::move(copy), std::move(attributes), vertexCount});
        expectSameMesh(actual, expected);
    }
}

/* Keyframe reduction of quaternion tracks: the earlier implementation
   called the interpolator for every key */
namespace KeyframeReference {

bool fuzzyEqual(const Float a, const Float b) {
    if(a == b) return true;
    constexpr Float epsilon = 1.0e-5f;
    const Float difference = std::abs(a - b);
    if(a == 0.0f || b == 0.0f || difference < epsilon)
        return difference < epsilon;
    return difference/(std::abs(a) + std::abs(b)) < epsilon;
}

bool fuzzyEqual(const Math::Quaternion<Float>& a, const Math::Quaternion<Float>& b) {
    return fuzzyEqual(a.vector().x(), b.vector().x()) && fuzzyEqual(a.vector().y(), b.vector().y()) &&
        fuzzyEqual(a.vector().z(), b.vector().z()) && fuzzyEqual(a.scalar(), b.scalar());
}

std::vector<UnsignedInt> kept(const Containers::StridedArrayView1D<const Float>& keys, const Containers::StridedArrayView1D<const Math::Quaternion<Float>>& values) {
    const auto lerp = Animation::interpolatorFor<Math::Quaternion<Float>>(Animation::Interpolation::Linear);
    std::vector<UnsignedInt> out;
    const std::size_t count = keys.size();
    if(!count) return out;
    out.push_back(0);
    if(count == 1) return out;
    std::size_t last = 0;
    for(std::size_t i = 1; i + 1 < count; ++i) {
        const Float lastKey = keys[last];
        const Float t = (keys[i] - lastKey)/(keys[i + 1] - lastKey);
        if(fuzzyEqual(lerp(values[last], values[i + 1], t), values[i])) continue;
        out.push_back(UnsignedInt(i));
        last = i;
    }
    out.push_back(UnsignedInt(count - 1));
    return out;
}

}

/* Tracks of quaternions and their keys, built into one animation */
struct QuaternionTracks {
    void add(std::vector<Float> keys, std::vector<Math::Quaternion<Float>> values) {
        trackKeys.push_back(std::move(keys));
        trackValues.push_back(std::move(values));
    }

    Trade::AnimationData build() const {
        std::size_t size = 0;
        for(const std::vector<Float>& keys: trackKeys) size += keys.size()*(sizeof(Float) + sizeof(Math::Quaternion<Float>));
        Containers::Array<char> data{ValueInit, size};
        Containers::Array<Trade::AnimationTrackData> tracks{ValueInit, trackKeys.size()};
        std::size_t offset = 0;
        for(std::size_t i = 0; i != trackKeys.size(); ++i) {
            const std::size_t count = trackKeys[i].size();
            const Containers::ArrayView<Float> keys = Containers::arrayCast<Float>(data.sliceSize(offset, count*sizeof(Float)));
            offset += count*sizeof(Float);
            const Containers::ArrayView<Math::Quaternion<Float>> values = Containers::arrayCast<Math::Quaternion<Float>>(data.sliceSize(offset, count*sizeof(Math::Quaternion<Float>)));
            offset += count*sizeof(Math::Quaternion<Float>);
            for(std::size_t j = 0; j != count; ++j) {
                keys[j] = trackKeys[i][j];
                values[j] = trackValues[i][j];
            }
            tracks[i] = Trade::AnimationTrackData{Trade::AnimationTrackTarget::Rotation3D, i,
                Animation::TrackView<const Float, const Math::Quaternion<Float>>{keys, values, Animation::Interpolation::Linear}};
        }
        return Trade::AnimationData{std::move(data), std::move(tracks)};
    }

    std::vector<std::vector<Float>> trackKeys;
    std::vector<std::vector<Math::Quaternion<Float>>> trackValues;
};

/* Every track keeps the keys the earlier implementation kept, bit for bit */
void expectSameKeyframes(const QuaternionTracks& tracks) {
    const Trade::AnimationData input = tracks.build();
    const Trade::AnimationData output = AnimationTools::removeLinearlyRedundantKeyframes(input);
    ASSERT_EQ(output.trackCount(), input.trackCount());
    std::size_t differentTracks = 0;
    for(UnsignedInt i = 0; i != input.trackCount(); ++i) {
        const auto in = input.track<Math::Quaternion<Float>>(i);
        const auto out = output.track<Math::Quaternion<Float>>(i);
        const std::vector<UnsignedInt> kept = KeyframeReference::kept(in.keys(), in.values());
        bool same = out.size() == kept.size();
        for(std::size_t j = 0; same && j != kept.size(); ++j)
            same = std::memcmp(&out.keys()[j], &in.keys()[kept[j]], sizeof(Float)) == 0 &&
                std::memcmp(&out.values()[j], &in.values()[kept[j]], sizeof(Math::Quaternion<Float>)) == 0;
        if(!same && ++differentTracks <= 3)
            ADD_FAILURE() << "track " << i << " keeps " << out.size() << " keys instead of " << kept.size();
    }
    EXPECT_EQ(differentTracks, 0u);
}

Math::Quaternion<Float> randomRotation(std::mt19937& random, const Float maxAngle) {
    std::normal_distribution<Float> normal;
    std::uniform_real_distribution<Float> angle{-maxAngle, maxAngle};
    Math::Vector3<Float> axis{normal(random), normal(random), normal(random)};
    axis = axis.length() > 1.0e-3f ? axis.normalized() : Math::Vector3<Float>::xAxis();
    return Math::Quaternion<Float>::rotation(Math::Rad<Float>{angle(random)}, axis);
}

enum class KeyframeTrackKind {
    /* A rotation about a fixed axis at a speed that changes now and then,
       as baked animation data has it */
    Ramps,
    /* Composed random small turns: almost every key stays */
    RandomWalk,
    /* Keys sampled from a slow spin about a moving axis with jittered
       times, signs of whole keys flipped now and then */
    Spin,
    /* Short runs of steady turns broken by jumps, some held poses: keys
       that stay and go in every pattern */
    MixedRuns,
    /* Held poses, duplicate times, opposite signs, nearly perpendicular
       neighbours, lengths at the edge of what counts as normalized */
    Edges
};

struct KeyframeCase {
    const char* name;
    KeyframeTrackKind kind;
    std::size_t trackCount, keyCount;
};

void PrintTo(const KeyframeCase& data, std::ostream* out) {
    *out << data.name;
}

const KeyframeCase KeyframeCases[]{
    {"Ramps", KeyframeTrackKind::Ramps, 8, 3000},
    {"RandomWalk", KeyframeTrackKind::RandomWalk, 8, 3000},
    {"Spin", KeyframeTrackKind::Spin, 8, 3000},
    {"MixedRuns", KeyframeTrackKind::MixedRuns, 8, 3000},
    {"Edges", KeyframeTrackKind::Edges, 64, 200},
};

class KernelDifferentialKeyframeTest: public testing::TestWithParam<KeyframeCase> {};

TEST_P(KernelDifferentialKeyframeTest, SameKeysAsBefore) {
    const KeyframeCase& data = GetParam();
    std::mt19937 random{23};
    std::uniform_real_distribution<Float> unit;
    QuaternionTracks tracks;
    for(std::size_t track = 0; track != data.trackCount; ++track) {
        std::vector<Float> keys(data.keyCount);
        std::vector<Math::Quaternion<Float>> values(data.keyCount);
        Float time = 0.0f;
        switch(data.kind) {
            case KeyframeTrackKind::Ramps: {
                const Math::Vector3<Float> axis = randomRotation(random, 3.0f).vector().length() > 1.0e-3f ?
                    randomRotation(random, 3.0f).vector().normalized() : Math::Vector3<Float>::yAxis();
                Float angle = 0.0f, speed = 0.5f;
                for(std::size_t i = 0; i != data.keyCount; ++i) {
                    keys[i] = time;
                    values[i] = Math::Quaternion<Float>::rotation(Math::Rad<Float>{std::fmod(angle, 6.0f) - 3.0f}, axis);
                    const Float step = 1.0f/30.0f;
                    time += step;
                    angle += speed*step;
                    if(unit(random) < 0.02f) speed = 8.0f*unit(random) - 4.0f;
                }
            } break;
            case KeyframeTrackKind::RandomWalk: {
                Math::Quaternion<Float> q;
                for(std::size_t i = 0; i != data.keyCount; ++i) {
                    keys[i] = time;
                    values[i] = q;
                    time += 0.01f + unit(random);
                    q = (randomRotation(random, 0.3f)*q).normalized();
                }
            } break;
            case KeyframeTrackKind::Spin: {
                for(std::size_t i = 0; i != data.keyCount; ++i) {
                    keys[i] = time;
                    const Math::Vector3<Float> axis = Math::Vector3<Float>{std::sin(0.01f*time), 1.0f, std::cos(0.013f*time)}.normalized();
                    values[i] = Math::Quaternion<Float>::rotation(Math::Rad<Float>{0.7f*time}, axis);
                    if(unit(random) < 0.05f) values[i] = -values[i];
                    time += 0.02f + 0.02f*unit(random);
                }
            } break;
            case KeyframeTrackKind::MixedRuns: {
                Math::Quaternion<Float> q = randomRotation(random, 3.0f);
                Math::Quaternion<Float> step = randomRotation(random, 0.1f);
                std::size_t runLeft = 0;
                for(std::size_t i = 0; i != data.keyCount; ++i) {
                    keys[i] = time;
                    values[i] = q;
                    time += 0.1f;
                    if(!runLeft) {
                        runLeft = 1 + std::size_t(7.0f*unit(random));
                        const Float what = unit(random);
                        step = what < 0.2f ? Math::Quaternion<Float>{} : randomRotation(random, what < 0.6f ? 0.1f : 1.0f);
                        q = (randomRotation(random, 0.5f)*q).normalized();
                    } else {
                        --runLeft;
                        q = (step*q).normalized();
                    }
                }
            } break;
            case KeyframeTrackKind::Edges: {
                Math::Quaternion<Float> q = randomRotation(random, 3.0f);
                for(std::size_t i = 0; i != data.keyCount; ++i) {
                    keys[i] = time;
                    values[i] = q;
                    const Float what = unit(random);
                    /* A held pose, or the same time again */
                    if(what < 0.2f) continue;
                    if(what < 0.3f) {
                        if(i) values[i] = values[i - 1];
                        time += 0.5f;
                        continue;
                    }
                    time += 0.1f + unit(random);
                    if(what < 0.4f) q = -q;
                    else if(what < 0.5f) {
                        /* A quarter turn away: a dot product close to 0 */
                        q = (q*Math::Quaternion<Float>::rotation(Math::Rad<Float>{3.14159f + 0.002f*unit(random) - 0.001f}, Math::Vector3<Float>::zAxis())).normalized();
                    } else if(what < 0.6f) {
                        /* Lengths within the normalization tolerance */
                        const Float scale = std::sqrt(1.0f + (unit(random)*3.8e-5f - 1.9e-5f));
                        const Math::Quaternion<Float> normalized = q.normalized();
                        q = Math::Quaternion<Float>{normalized.vector()*scale, normalized.scalar()*scale};
                    } else if(what < 0.8f) q = (randomRotation(random, 0.05f)*q).normalized();
                    else q = (randomRotation(random, 1.0e-3f)*q).normalized();
                }
            } break;
        }
        tracks.add(std::move(keys), std::move(values));
    }
    expectSameKeyframes(tracks);
}

INSTANTIATE_TEST_SUITE_P(, KernelDifferentialKeyframeTest, testing::ValuesIn(KeyframeCases),
    [](const testing::TestParamInfo<KeyframeCase>& info) { return std::string{info.param.name}; });

/* Three-key tracks whose middle key differs from the interpolated value in
   one component by the comparison's threshold, give or take 0.2 %: keys
   that an estimate of the interpolation would decide wrongly without a
   margin of safety */
TEST(KernelDifferentialKeyframeThresholdTest, SameKeysAsBefore) {
    std::mt19937 random{29};
    std::uniform_real_distribution<Float> unit;
    const auto lerp = Animation::interpolatorFor<Math::Quaternion<Float>>(Animation::Interpolation::Linear);
    QuaternionTracks tracks;
    for(std::size_t i = 0; i != 6000; ++i) {
        const Math::Quaternion<Float> a = randomRotation(random, 3.0f);
        const Math::Quaternion<Float> b = (randomRotation(random, 0.2f + 2.5f*unit(random))*a).normalized();
        const Float t = 0.05f + 0.9f*unit(random);
        Math::Quaternion<Float> middle = lerp(a, b, t);
        Float* const component = (i % 4 == 3 ? &middle.scalar() : &middle.vector()[i % 4]);
        /* Absolute below a sum of magnitudes of 1, relative above */
        const Float magnitude = 2.0f*std::abs(*component);
        const Float threshold = 1.0e-5f*(magnitude > 1.0f ? magnitude : 1.0f);
        *component += (i % 8 < 4 ? 1.0f : -1.0f)*threshold*(1.0f + 0.004f*unit(random) - 0.002f);
        tracks.add({0.0f, t, 1.0f}, {a, middle, b});
    }
    expectSameKeyframes(tracks);
}

/* The keyframe reduction decides most keys from an estimate and trusts the
   float interpolator to be within 1e-6 of the exact slerp; this holds the
   interpolator that this build links to it */
TEST(KernelDifferentialKeyframeThresholdTest, InterpolatorWithinMargin) {
    std::mt19937 random{31};
    std::uniform_real_distribution<Float> unit;
    const auto lerp = Animation::interpolatorFor<Math::Quaternion<Float>>(Animation::Interpolation::Linear);
    double worst = 0.0;
    for(std::size_t i = 0; i != 100000; ++i) {
        const Math::Quaternion<Float> a = randomRotation(random, 3.1f);
        const Math::Quaternion<Float> b = (i % 2 ? randomRotation(random, 3.1f) : randomRotation(random, 0.01f)*a).normalized();
        const Float t = unit(random);
        const Math::Quaternion<Float> r = lerp(a, b, t);

        double d = 0.0;
        for(std::size_t c = 0; c != 3; ++c) d += double(a.vector()[c])*b.vector()[c];
        d += double(a.scalar())*b.scalar();
        if(std::abs(d) >= 1.0 - 2.0e-5) continue;
        const double sign = d < 0.0 ? -1.0 : 1.0;
        const double theta = std::acos(std::abs(d));
        const double w0 = std::sin((1.0 - t)*theta)/std::sin(theta)*sign;
        const double w1 = std::sin(t*theta)/std::sin(theta);
        for(std::size_t c = 0; c != 4; ++c) {
            const double exact = c == 3 ? w0*a.scalar() + w1*b.scalar() : w0*a.vector()[c] + w1*b.vector()[c];
            const double actual = c == 3 ? r.scalar() : r.vector()[c];
            worst = Math::max(worst, std::abs(exact - actual));
        }
    }
    EXPECT_LT(worst, 1.0e-6);
}

}}}
