#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Algorithms.h>
#include <Corrade/Utility/Assert.h>
#include <Magnum/ImageView.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/PixelStorage.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector3.h>

#include "VelmoraEngine/Tools/ImageTools.h"

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

}}}
