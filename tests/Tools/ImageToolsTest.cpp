#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>
#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Image.h>
#include <Magnum/ImageView.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/PixelStorage.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector3.h>

#include "VelmoraEngine/Tools/ImageTools.h"

namespace {

using namespace Corrade;
using namespace Magnum;
namespace ImageTools = VelmoraEngine::ImageTools;

/* Owning image whose every byte, padding and skip included, has a known
   value, so that writes outside the expected pixels show up */
struct TestImage {
    TestImage(PixelStorage storage, PixelFormat format, const Vector2i& size, unsigned seed = 1) {
        const std::pair<Math::Vector3<std::size_t>, Math::Vector3<std::size_t>> properties = storage.dataProperties(pixelFormatSize(format), Vector3i{size, 1});
        data = Containers::Array<char>{NoInit, properties.first.sum() + properties.second.product() + 7};
        for(std::size_t i = 0; i != data.size(); ++i)
            data[i] = char(UnsignedByte((i*31 + seed*17 + (i >> 7)*13) & 0xff));
        view = MutableImageView2D{storage, format, size, data};
    }

    std::vector<char> bytes() const { return std::vector<char>(data.begin(), data.end()); }

    UnsignedByte at(Int x, Int y, std::size_t c) const {
        return UnsignedByte(view.pixels()[y][x][c]);
    }

    Containers::Array<char> data;
    MutableImageView2D view{PixelFormat::R8Unorm, {}};
};

PixelStorage padded() { return PixelStorage{}; }
PixelStorage tight() { return PixelStorage{}.setAlignment(1); }
/* Row length past every width used here */
PixelStorage windowed() { return PixelStorage{}.setRowLength(131).setSkip({3, 2, 0}); }

/* Byte offsets that a view's pixels cover, to tell them from padding */
std::vector<bool> coveredBytes(const TestImage& image, const Range2Di& range) {
    std::vector<bool> out(image.data.size(), false);
    const Containers::StridedArrayView3D<char> pixels = image.view.pixels();
    for(Int y = range.min().y(); y != range.max().y(); ++y)
        for(Int x = range.min().x(); x != range.max().x(); ++x)
            for(std::size_t c = 0; c != image.view.pixelSize(); ++c)
                out[&pixels[y][x][c] - image.data.data()] = true;
    return out;
}

/* allocateWithFormat(), allocateWithSameFormat() */

struct CompressedAllocationCase {
    CompressedPixelFormat format;
    Vector2i size;
    std::size_t dataSize;
};

TEST(ImageToolsAllocate, CompressedRoundsUpToWholeBlocks) {
    const CompressedAllocationCase cases[]{
        {CompressedPixelFormat::Bc1RGBAUnorm, {5, 9}, 2*3*8},
        {CompressedPixelFormat::Bc3RGBAUnorm, {5, 9}, 2*3*16},
        {CompressedPixelFormat::Bc1RGBAUnorm, {8, 4}, 2*1*8},
        {CompressedPixelFormat::Bc3RGBAUnorm, {1, 1}, 16},
    };
    for(const CompressedAllocationCase& data: cases) {
        CompressedImage2D image = ImageTools::allocateWithFormat(data.format, data.size);
        EXPECT_EQ(image.format(), data.format);
        EXPECT_EQ(image.size(), data.size);
        EXPECT_EQ(image.storage(), CompressedPixelStorage{});
        ASSERT_EQ(image.data().size(), data.dataSize);
        for(char c: image.data()) EXPECT_EQ(c, 0);
    }
}

TEST(ImageToolsAllocate, RowsPaddedToFour) {
    Image2D image = ImageTools::allocateWithFormat(PixelFormat::RGB8Unorm, {3, 2});
    EXPECT_EQ(image.format(), PixelFormat::RGB8Unorm);
    EXPECT_EQ(image.size(), (Vector2i{3, 2}));
    EXPECT_EQ(image.storage().alignment(), 4);
    ASSERT_EQ(image.data().size(), 24u);
    for(char c: image.data()) EXPECT_EQ(c, 0);

    Image2D rgba16 = ImageTools::allocateWithFormat(PixelFormat::RGBA16Unorm, {5, 3});
    EXPECT_EQ(rgba16.data().size(), 5u*8u*3u);
    EXPECT_EQ(ImageTools::allocateWithFormat(PixelFormat::R8Unorm, {0, 7}).data().size(), 0u);
}

struct SameFormatCase {
    PixelStorage storage;
    PixelFormat format;
    Vector2i size;
    std::size_t dataSize;
};

TEST(ImageToolsAllocate, SameFormatKeepsStorage) {
    const SameFormatCase cases[]{
        /* 5 pixels in rows of 8, one row skipped: 32 + 2*32 */
        {PixelStorage{}.setRowLength(8).setSkip({2, 1, 0}), PixelFormat::RGBA8Unorm, {5, 2}, 96},
        /* Skip of three pixels without row length counts */
        {PixelStorage{}.setAlignment(1).setSkip({3, 0, 0}), PixelFormat::RGB8Unorm, {2, 2}, 9 + 12},
        /* Skip inside the row length doesn't */
        {PixelStorage{}.setAlignment(1).setRowLength(6).setSkip({3, 0, 0}), PixelFormat::RGB8Unorm, {2, 2}, 36},
        {PixelStorage{}, PixelFormat::RG16UI, {3, 3}, 36},
    };
    for(const SameFormatCase& data: cases) {
        TestImage source{data.storage, data.format, {4, 3}};
        Image2D image = ImageTools::allocateWithSameFormat(source.view, data.size);
        EXPECT_EQ(image.storage(), data.storage);
        EXPECT_EQ(image.format(), data.format);
        EXPECT_EQ(image.pixelSize(), pixelFormatSize(data.format));
        EXPECT_EQ(image.size(), data.size);
        EXPECT_EQ(image.data().size(), data.dataSize);
        for(char c: image.data()) EXPECT_EQ(c, 0);
        /* The whole pixel view lies inside the data */
        const Containers::StridedArrayView3D<const char> pixels = Image2D{std::move(image)}.pixels();
        EXPECT_EQ(pixels.size()[0], std::size_t(data.size.y()));
    }
}

/* byteFill() */

struct FillCase {
    const char* name;
    PixelStorage storage;
    PixelFormat format;
    Vector2i size;
    Range2Di range;
};

const FillCase FillCases[]{
    {"sub-rectangle, padded rows", padded(), PixelFormat::RGB8Unorm, {7, 5}, {{2, 1}, {5, 4}}},
    {"whole image without padding", padded(), PixelFormat::RGBA8Unorm, {4, 3}, {{0, 0}, {4, 3}}},
    {"whole image with padding", padded(), PixelFormat::RGB8Unorm, {5, 3}, {{0, 0}, {5, 3}}},
    {"row length and skip", windowed(), PixelFormat::RGBA8UI, {9, 6}, {{1, 2}, {8, 6}}},
    {"one column", tight(), PixelFormat::R8Unorm, {6, 4}, {{5, 0}, {6, 4}}},
    {"empty width", padded(), PixelFormat::RGBA8Unorm, {4, 4}, {{2, 1}, {2, 3}}},
    {"empty height", padded(), PixelFormat::RGBA8Unorm, {4, 4}, {{1, 2}, {3, 2}}},
};

TEST(ImageToolsByteFill, TouchesOnlyTheRange) {
    for(const FillCase& data: FillCases) {
        SCOPED_TRACE(data.name);
        TestImage image{data.storage, data.format, data.size};
        const std::vector<char> before = image.bytes();
        const std::vector<bool> covered = coveredBytes(image, data.range);
        EXPECT_TRUE(ImageTools::byteFill(image.view, data.range, '\x5a'));
        for(std::size_t i = 0; i != before.size(); ++i)
            EXPECT_EQ(image.data[i], covered[i] ? '\x5a' : before[i]) << "byte " << i;
    }
}

TEST(ImageToolsByteFill, TransposedView) {
    /* A view whose pixel bytes aren't adjacent takes the byte-by-byte path */
    TestImage image{tight(), PixelFormat::RG8Unorm, {3, 3}};
    const std::vector<char> before = image.bytes();
    const std::vector<bool> covered = coveredBytes(image, {{0, 0}, {2, 3}});
    EXPECT_TRUE(ImageTools::byteFill(image.view, {{0, 0}, {2, 3}}, '\x11'));
    for(std::size_t i = 0; i != before.size(); ++i)
        EXPECT_EQ(image.data[i], covered[i] ? '\x11' : before[i]);
}

/* fill() with a colour */

struct ColorFillCase {
    PixelFormat format;
    std::size_t written;
};

TEST(ImageToolsFill, ColorWritesTheFormatsChannels) {
    const ColorFillCase cases[]{
        {PixelFormat::R8Unorm, 1}, {PixelFormat::R8UI, 1},
        {PixelFormat::RG8Unorm, 2}, {PixelFormat::RG8UI, 2},
        {PixelFormat::RGB8Unorm, 3}, {PixelFormat::RGB8UI, 3},
        {PixelFormat::RGBA8Unorm, 4}, {PixelFormat::RGBA8UI, 4},
    };
    const Color4ub color{0x12, 0x34, 0x56, 0x78};
    const char expected[]{0x12, 0x34, 0x56, 0x78};
    for(const ColorFillCase& data: cases) {
        for(const PixelStorage& storage: {padded(), windowed()}) {
            TestImage image{storage, data.format, {7, 5}};
            const Range2Di range{{1, 1}, {6, 4}};
            const std::vector<char> before = image.bytes();
            const std::vector<bool> covered = coveredBytes(image, range);
            EXPECT_TRUE(ImageTools::fill(image.view, range, color));
            for(Int y = 1; y != 4; ++y) for(Int x = 1; x != 6; ++x)
                for(std::size_t c = 0; c != data.written; ++c)
                    EXPECT_EQ(image.view.pixels()[y][x][c], expected[c]);
            for(std::size_t i = 0; i != before.size(); ++i)
                if(!covered[i]) { EXPECT_EQ(image.data[i], before[i]); }
        }
    }
}

TEST(ImageToolsFill, ColorDeclinesOtherFormats) {
    for(const PixelFormat format: {PixelFormat::RGBA8Srgb, PixelFormat::RGB8Srgb, PixelFormat::RG8Snorm, PixelFormat::R8I, PixelFormat::RGBA16Unorm, PixelFormat::R32F}) {
        TestImage image{padded(), format, {4, 4}};
        const std::vector<char> before = image.bytes();
        EXPECT_FALSE(ImageTools::fill(image.view, {{0, 0}, {4, 4}}, Color4ub{1, 2, 3, 4}));
        EXPECT_EQ(image.bytes(), before);
    }
}

TEST(ImageToolsFill, ColorEmptyRange) {
    TestImage image{padded(), PixelFormat::RGBA8Unorm, {4, 4}};
    const std::vector<char> before = image.bytes();
    EXPECT_TRUE(ImageTools::fill(image.view, {{2, 0}, {2, 4}}, Color4ub{1, 2, 3, 4}));
    EXPECT_EQ(image.bytes(), before);
}

/* fill() with a compressed block */

TEST(ImageToolsFill, CompressedBlockRepeats) {
    CompressedImage2D image = ImageTools::allocateWithFormat(CompressedPixelFormat::Bc1RGBAUnorm, {13, 9});
    MutableCompressedImageView2D view = image;
    const char block[8]{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_TRUE(ImageTools::fill(view, block));
    ASSERT_EQ(image.data().size(), 4u*3u*8u);
    for(std::size_t i = 0; i != image.data().size(); ++i)
        EXPECT_EQ(image.data()[i], block[i%8]) << i;
}

TEST(ImageToolsFill, CompressedBlockOfWrongSize) {
    CompressedImage2D image = ImageTools::allocateWithFormat(CompressedPixelFormat::Bc3RGBAUnorm, {8, 8});
    MutableCompressedImageView2D view = image;
    const char block[17]{};
    const char filled[16]{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_FALSE(ImageTools::fill(view, Containers::ArrayView<const char>{filled, 15}));
    EXPECT_FALSE(ImageTools::fill(view, block));
    for(char c: image.data()) EXPECT_EQ(c, 0);

    CompressedImage2D empty = ImageTools::allocateWithFormat(CompressedPixelFormat::Bc3RGBAUnorm, {0, 0});
    MutableCompressedImageView2D emptyView = empty;
    EXPECT_TRUE(ImageTools::fill(emptyView, filled));
}

TEST(ImageToolsFillDeathTest, CompressedPartialBlock) {
    char data[12]{};
    MutableCompressedImageView2D view{CompressedPixelFormat::Bc1RGBAUnorm, {4, 4}, data};
    const char block[8]{};
    EXPECT_DEATH(ImageTools::fill(view, block), "Assertion blocks.size\\(\\)%blockSize == 0 failed at VelmoraEngine/Tools/ImageTools.cpp:[0-9]+");
}

/* slice() */

struct SliceCase {
    const char* name;
    PixelStorage srcStorage, dstStorage;
    PixelFormat format;
    Range2Di srcRange;
    Vector2i dstOffset;
};

TEST(ImageToolsSlice, CopiesTheRectangle) {
    const SliceCase cases[]{
        {"padded to padded", padded(), padded(), PixelFormat::RGB8Unorm, {{1, 2}, {6, 5}}, {2, 0}},
        {"window to padded", windowed(), padded(), PixelFormat::RG8UI, {{0, 1}, {5, 6}}, {0, 1}},
        {"padded to window", padded(), windowed(), PixelFormat::R8Unorm, {{3, 0}, {7, 3}}, {4, 3}},
        {"empty", windowed(), windowed(), PixelFormat::RGBA8Unorm, {{3, 3}, {3, 5}}, {1, 1}},
    };
    for(const SliceCase& data: cases) {
        SCOPED_TRACE(data.name);
        TestImage src{data.srcStorage, data.format, {8, 7}, 1};
        const Vector2i size = data.srcRange.size();
        const Range2Di dstRange{data.dstOffset, data.dstOffset + size};

        for(int form = 0; form != 2; ++form) {
            TestImage dst{data.dstStorage, data.format, {9, 8}, 2};
            const std::vector<char> before = dst.bytes();
            const std::vector<bool> covered = coveredBytes(dst, dstRange);
            if(form == 0) ImageTools::slice(src.view, dst.view, data.srcRange, dstRange);
            else ImageTools::slice(src.view, dst.view, data.srcRange, data.dstOffset);
            for(Int y = 0; y != size.y(); ++y) for(Int x = 0; x != size.x(); ++x)
                for(std::size_t c = 0; c != src.view.pixelSize(); ++c)
                    EXPECT_EQ(dst.at(data.dstOffset.x() + x, data.dstOffset.y() + y, c), src.at(data.srcRange.min().x() + x, data.srcRange.min().y() + y, c));
            for(std::size_t i = 0; i != before.size(); ++i)
                if(!covered[i]) { EXPECT_EQ(dst.data[i], before[i]); }
        }
    }
}

TEST(ImageToolsSlice, OverWholeDestination) {
    TestImage src{windowed(), PixelFormat::RGB8UI, {8, 7}, 1};
    TestImage dst{padded(), PixelFormat::RGB8Unorm, {3, 4}, 2};
    const std::vector<char> before = dst.bytes();
    const std::vector<bool> covered = coveredBytes(dst, {{}, {3, 4}});
    ImageTools::slice(src.view, dst.view, {{4, 2}, {7, 6}});
    for(Int y = 0; y != 4; ++y) for(Int x = 0; x != 3; ++x) for(std::size_t c = 0; c != 3; ++c)
        EXPECT_EQ(dst.at(x, y, c), src.at(4 + x, 2 + y, c));
    for(std::size_t i = 0; i != before.size(); ++i)
        if(!covered[i]) { EXPECT_EQ(dst.data[i], before[i]); }
}

/* convert() */

struct ConvertCase {
    PixelFormat from, to;
    std::size_t channels;
};

TEST(ImageToolsConvert, EveryChannelCountAndMixedPairs) {
    const ConvertCase cases[]{
        {PixelFormat::R16Unorm, PixelFormat::R8Unorm, 1}, {PixelFormat::R16UI, PixelFormat::R8Unorm, 1},
        {PixelFormat::R16Unorm, PixelFormat::R8UI, 1}, {PixelFormat::R16UI, PixelFormat::R8UI, 1},
        {PixelFormat::RG16Unorm, PixelFormat::RG8Unorm, 2}, {PixelFormat::RG16UI, PixelFormat::RG8Unorm, 2},
        {PixelFormat::RG16Unorm, PixelFormat::RG8UI, 2}, {PixelFormat::RG16UI, PixelFormat::RG8UI, 2},
        {PixelFormat::RGB16Unorm, PixelFormat::RGB8Unorm, 3}, {PixelFormat::RGB16UI, PixelFormat::RGB8Unorm, 3},
        {PixelFormat::RGB16Unorm, PixelFormat::RGB8UI, 3}, {PixelFormat::RGB16UI, PixelFormat::RGB8UI, 3},
        {PixelFormat::RGBA16Unorm, PixelFormat::RGBA8Unorm, 4}, {PixelFormat::RGBA16UI, PixelFormat::RGBA8Unorm, 4},
        {PixelFormat::RGBA16Unorm, PixelFormat::RGBA8UI, 4}, {PixelFormat::RGBA16UI, PixelFormat::RGBA8UI, 4},
    };
    const Vector2i size{5, 4};
    for(const ConvertCase& data: cases) {
        for(int layout = 0; layout != 2; ++layout) {
            TestImage src{layout ? windowed() : padded(), data.from, size, 3};
            TestImage dst{layout ? padded() : windowed(), data.to, size, 4};
            /* Channel values around multiples of 257 */
            for(Int y = 0; y != size.y(); ++y) for(Int x = 0; x != size.x(); ++x)
                for(std::size_t c = 0; c != data.channels; ++c) {
                    const UnsignedShort n = UnsignedShort((x*7 + y*11 + c*5) % 256);
                    UnsignedShort value = UnsignedShort(n*257);
                    if((x + c) % 3 == 1 && n) value -= 1;
                    if((x + c) % 3 == 2 && n < 255) value += 256;
                    std::memcpy(&src.view.pixels()[y][x][2*c], &value, 2);
                }
            const std::vector<char> before = dst.bytes();
            const std::vector<bool> covered = coveredBytes(dst, {{}, size});
            EXPECT_TRUE(ImageTools::convert(src.view, dst.view));
            for(Int y = 0; y != size.y(); ++y) for(Int x = 0; x != size.x(); ++x)
                for(std::size_t c = 0; c != data.channels; ++c) {
                    UnsignedShort value;
                    std::memcpy(&value, &src.view.pixels()[y][x][2*c], 2);
                    EXPECT_EQ(dst.at(x, y, c), value/257) << value;
                }
            for(std::size_t i = 0; i != before.size(); ++i)
                if(!covered[i]) { EXPECT_EQ(dst.data[i], before[i]); }
        }
    }
}

TEST(ImageToolsConvert, EverySixteenBitValue) {
    Image2D src{PixelFormat::R16UI, {256, 256}, Containers::Array<char>{NoInit, 256*256*2}};
    for(UnsignedInt i = 0; i != 65536; ++i) {
        const UnsignedShort value = UnsignedShort(i);
        std::memcpy(src.data().data() + 2*i, &value, 2);
    }
    Image2D dst = ImageTools::allocateWithFormat(PixelFormat::R8Unorm, {256, 256});
    MutableImageView2D dstView = dst;
    EXPECT_TRUE(ImageTools::convert(src, dstView));
    for(UnsignedInt i = 0; i != 65536; ++i)
        ASSERT_EQ(UnsignedByte(dst.data()[i]), i/257) << i;
    EXPECT_EQ(UnsignedByte(dst.data()[256]), 0);
    EXPECT_EQ(UnsignedByte(dst.data()[257]), 1);
    EXPECT_EQ(UnsignedByte(dst.data()[32896]), 128);
    EXPECT_EQ(UnsignedByte(dst.data()[65535]), 255);
}

TEST(ImageToolsConvert, Declined) {
    struct {
        PixelFormat from, to;
        Vector2i fromSize, toSize;
        bool result;
    } cases[]{
        {PixelFormat::RGB16Unorm, PixelFormat::RGBA8Unorm, {2, 2}, {2, 2}, false},
        {PixelFormat::RGBA16Unorm, PixelFormat::RGB8Unorm, {2, 2}, {2, 2}, false},
        {PixelFormat::RGBA16Snorm, PixelFormat::RGBA8Unorm, {2, 2}, {2, 2}, false},
        {PixelFormat::RGBA16F, PixelFormat::RGBA8Unorm, {2, 2}, {2, 2}, false},
        {PixelFormat::RGBA16Unorm, PixelFormat::RGBA8Srgb, {2, 2}, {2, 2}, false},
        {PixelFormat::RGBA16Unorm, PixelFormat::RGBA8Unorm, {2, 3}, {3, 2}, false},
        {PixelFormat::RGBA8Unorm, PixelFormat::RGBA8Unorm, {2, 3}, {3, 2}, false},
        {PixelFormat::RGBA8Unorm, PixelFormat::RGBA8Unorm, {2, 2}, {2, 2}, true},
        {PixelFormat::R16UI, PixelFormat::R8UI, {0, 0}, {0, 0}, true},
    };
    for(const auto& data: cases) {
        TestImage src{padded(), data.from, data.fromSize, 5};
        TestImage dst{padded(), data.to, data.toSize, 6};
        const std::vector<char> before = dst.bytes();
        EXPECT_EQ(ImageTools::convert(src.view, dst.view), data.result);
        EXPECT_EQ(dst.bytes(), before);
    }
}

/* downscale() */

/* Integer ratio, summing in the stated order */
UnsignedByte referenceBlock(const TestImage& src, Int x, Int y, std::size_t c, const Vector2i& f) {
    Float sum = 0.0f;
    for(Int j = y*f.y(); j != (y + 1)*f.y(); ++j)
        for(Int i = x*f.x(); i != (x + 1)*f.x(); ++i)
            sum += Float(src.at(i, j, c));
    return UnsignedByte(Int(sum/Float(f.x()*f.y())));
}

/* Fractional ratio as stated: corners, top and bottom edge, left and right
   edge, whole pixels. Meant for footprints that stay inside the source. */
UnsignedByte referenceFootprint(const TestImage& src, Int x, Int y, std::size_t c, Float sx, Float sy) {
    const Float x0 = Float(x)*sx, x1 = Float(x + 1)*sx, y0 = Float(y)*sy, y1 = Float(y + 1)*sy;
    const Int cx0 = Int(std::ceil(x0)), fx1 = Int(std::floor(x1));
    const Int cy0 = Int(std::ceil(y0)), fy1 = Int(std::floor(y1));
    const Float wl = Float(cx0) - x0, wr = x1 - Float(fx1), wt = Float(cy0) - y0, wb = y1 - Float(fy1);
    const auto p = [&](Int i, Int j) { return Float(src.at(i, j, c)); };
    Float sum = 0.0f;
    if(wt*wl != 0.0f) sum += wt*wl*p(cx0 - 1, cy0 - 1);
    if(wt*wr != 0.0f) sum += wt*wr*p(fx1, cy0 - 1);
    if(wb*wl != 0.0f) sum += wb*wl*p(cx0 - 1, fy1);
    if(wb*wr != 0.0f) sum += wb*wr*p(fx1, fy1);
    if(wt != 0.0f) for(Int i = cx0; i < fx1; ++i) sum += wt*p(i, cy0 - 1);
    if(wb != 0.0f) for(Int i = cx0; i < fx1; ++i) sum += wb*p(i, fy1);
    if(wl != 0.0f) for(Int j = cy0; j < fy1; ++j) sum += wl*p(cx0 - 1, j);
    if(wr != 0.0f) for(Int j = cy0; j < fy1; ++j) sum += wr*p(fx1, j);
    for(Int j = cy0; j < fy1; ++j) for(Int i = cx0; i < fx1; ++i) sum += p(i, j);
    return UnsignedByte(Int(sum/(sx*sy)));
}

struct DownscaleCase {
    const char* name;
    PixelFormat format;
    Vector2i srcSize, size;
    bool integer;
};

const DownscaleCase DownscaleCases[]{
    {"RGBA 8x8 to 4x4", PixelFormat::RGBA8Unorm, {8, 8}, {4, 4}, true},
    {"RGB 12x9 to 4x3", PixelFormat::RGB8UI, {12, 9}, {4, 3}, true},
    {"RGBA 15x8 to 5x2, different factors", PixelFormat::RGBA8UI, {15, 8}, {5, 2}, true},
    {"RGB 6x5 to 6x5, a copy", PixelFormat::RGB8Unorm, {6, 5}, {6, 5}, true},
    {"RGB 10x7 to 4x3", PixelFormat::RGB8Unorm, {10, 7}, {4, 3}, false},
    {"RGBA 17x13 to 5x4", PixelFormat::RGBA8Unorm, {17, 13}, {5, 4}, false},
    {"RGBA 100x61 to 33x20", PixelFormat::RGBA8UI, {100, 61}, {33, 20}, false},
    {"RGB 9x8 to 4x8, integer in y only", PixelFormat::RGB8UI, {9, 8}, {4, 8}, false},
};

TEST(ImageToolsDownscale, BothPathsMatchTheReference) {
    for(const DownscaleCase& data: DownscaleCases) {
        SCOPED_TRACE(data.name);
        for(int layout = 0; layout != 3; ++layout) {
            const PixelStorage srcStorage = layout == 0 ? padded() : layout == 1 ? windowed() : tight();
            const PixelStorage dstStorage = layout == 0 ? windowed() : padded();
            TestImage src{srcStorage, data.format, data.srcSize, 7};
            TestImage dst{dstStorage, data.format, data.size + Vector2i{2, 1}, 8};
            const std::vector<char> before = dst.bytes();
            const std::vector<bool> covered = coveredBytes(dst, {{}, data.size});
            EXPECT_TRUE(ImageTools::downscale(src.view, dst.view, data.size));

            const Vector2 ratio{Float(data.srcSize.x())/Float(data.size.x()), Float(data.srcSize.y())/Float(data.size.y())};
            for(Int y = 0; y != data.size.y(); ++y) for(Int x = 0; x != data.size.x(); ++x)
                for(std::size_t c = 0; c != src.view.pixelSize(); ++c) {
                    const UnsignedByte expected = data.integer ?
                        referenceBlock(src, x, y, c, data.srcSize/data.size) :
                        referenceFootprint(src, x, y, c, ratio.x(), ratio.y());
                    ASSERT_EQ(dst.at(x, y, c), expected) << x << " " << y << " " << c;
                }
            for(std::size_t i = 0; i != before.size(); ++i)
                if(!covered[i]) { EXPECT_EQ(dst.data[i], before[i]); }
        }
    }
}

Image2D solidImage(PixelFormat format, const Vector2i& size, std::initializer_list<UnsignedByte> values) {
    Image2D image = ImageTools::allocateWithFormat(format, size);
    const Containers::StridedArrayView3D<char> pixels = image.pixels();
    std::size_t i = 0;
    for(const UnsignedByte value: values) {
        const std::size_t pixel = i/pixels.size()[2], c = i%pixels.size()[2];
        pixels[pixel/size.x()][pixel%size.x()][c] = char(value);
        ++i;
    }
    return image;
}

TEST(ImageToolsDownscale, StatedExamples) {
    /* Red 0, 1, 1, 1 in the top left block: 0.75 truncates to 0 */
    Image2D src = solidImage(PixelFormat::RGBA8Unorm, {4, 4}, {
        0, 0, 0, 0, 1, 0, 0, 0, 9, 0, 0, 0, 9, 0, 0, 0,
        1, 0, 0, 0, 1, 0, 0, 0, 9, 0, 0, 0, 8, 0, 0, 0});
    Image2D dst = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, {2, 2});
    MutableImageView2D dstView = dst;
    EXPECT_TRUE(ImageTools::downscale(src, dstView, {2, 2}));
    EXPECT_EQ(UnsignedByte(dst.pixels()[0][0][0]), 0);
    EXPECT_EQ(UnsignedByte(dst.pixels()[0][1][0]), 8);

    /* 1.5 ratio: 0, 90, 180 to 30, 150 */
    Image2D rgb = solidImage(PixelFormat::RGB8Unorm, {3, 1}, {0, 1, 2, 90, 91, 92, 180, 181, 182});
    Image2D half = ImageTools::allocateWithFormat(PixelFormat::RGB8Unorm, {2, 1});
    MutableImageView2D halfView = half;
    EXPECT_TRUE(ImageTools::downscale(rgb, halfView, {2, 1}));
    EXPECT_EQ(UnsignedByte(half.pixels()[0][0][0]), 30);
    EXPECT_EQ(UnsignedByte(half.pixels()[0][1][0]), 150);
    EXPECT_EQ(UnsignedByte(half.pixels()[0][1][2]), 152);
}

TEST(ImageToolsDownscale, UnsupportedFormats) {
    for(const PixelFormat format: {PixelFormat::RGBA8Srgb, PixelFormat::R8Unorm, PixelFormat::RG8UI, PixelFormat::RGBA16Unorm}) {
        TestImage src{padded(), format, {4, 4}, 1};
        TestImage dst{padded(), format, {2, 2}, 2};
        const std::vector<char> before = dst.bytes();
        EXPECT_FALSE(ImageTools::downscale(src.view, dst.view, {2, 2}));
        EXPECT_EQ(dst.bytes(), before);
    }
}

/* 14/13 in single precision times 13 is 14.000001: the last footprint ends
   a hair past the last column and row. With rows packed tightly, reading the
   partial pixel there would go past the end of the data. */
TEST(ImageToolsDownscale, FootprintPastTheEdgeStaysInside) {
    ASSERT_GT(Float(13)*(Float(14)/Float(13)), 14.0f);
    for(const PixelFormat format: {PixelFormat::RGB8Unorm, PixelFormat::RGBA8Unorm}) {
        const UnsignedInt pixelSize = pixelFormatSize(format);
        Containers::Array<char> data{NoInit, 14*14*pixelSize};
        for(std::size_t i = 0; i != data.size(); ++i) data[i] = char(200);
        const ImageView2D src{tight(), format, {14, 14}, data};
        Image2D dst = ImageTools::allocateWithFormat(format, {13, 13});
        MutableImageView2D dstView = dst;
        EXPECT_TRUE(ImageTools::downscale(src, dstView, {13, 13}));
        /* A uniform source stays uniform up to the truncation */
        for(Int y = 0; y != 13; ++y) for(Int x = 0; x != 13; ++x)
            for(std::size_t c = 0; c != pixelSize; ++c) {
                const Int value = UnsignedByte(dst.pixels()[y][x][c]);
                EXPECT_TRUE(value == 200 || value == 199) << x << " " << y << " " << value;
            }
    }
}

/* Upscaling: each output pixel is made of the source pixel under it, up to
   the truncation, instead of the stated formula's double-counted weights */
TEST(ImageToolsDownscale, RatioBelowOne) {
    Image2D src = solidImage(PixelFormat::RGBA8Unorm, {2, 2}, {
        10, 20, 30, 40, 250, 240, 230, 220,
        100, 0, 255, 1, 60, 70, 80, 90});
    for(const Vector2i size: {Vector2i{4, 4}, Vector2i{3, 5}, Vector2i{7, 2}}) {
        Image2D dst = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, size);
        MutableImageView2D dstView = dst;
        EXPECT_TRUE(ImageTools::downscale(src, dstView, size));
        for(Int y = 0; y != size.y(); ++y) for(Int x = 0; x != size.x(); ++x) {
            const Vector2 from{Float(x)*2.0f/Float(size.x()), Float(y)*2.0f/Float(size.y())};
            const Vector2 to{Float(x + 1)*2.0f/Float(size.x()), Float(y + 1)*2.0f/Float(size.y())};
            /* Area-weighted mean in double precision */
            for(std::size_t c = 0; c != 4; ++c) {
                double sum = 0.0;
                for(Int j = 0; j != 2; ++j) for(Int i = 0; i != 2; ++i) {
                    const double wx = std::max(0.0, std::min<double>(to.x(), i + 1) - std::max<double>(from.x(), i));
                    const double wy = std::max(0.0, std::min<double>(to.y(), j + 1) - std::max<double>(from.y(), j));
                    sum += wx*wy*UnsignedByte(src.pixels()[j][i][c]);
                }
                const double expected = sum/((to.x() - from.x())*(to.y() - from.y()));
                const double value = UnsignedByte(dst.pixels()[y][x][c]);
                EXPECT_LE(value, expected + 0.01) << x << " " << y << " " << c;
                EXPECT_GE(value, expected - 1.01) << x << " " << y << " " << c;
            }
        }
    }
}

/* tile() */

/* The image repeated endlessly in both directions */
UnsignedByte wrapped(const TestImage& src, Int x, Int y, std::size_t c) {
    const Vector2i size = src.view.size();
    return src.at(((x % size.x()) + size.x()) % size.x(), ((y % size.y()) + size.y()) % size.y(), c);
}

struct TileCase {
    const char* name;
    Vector2i imageSize, tileSize, border;
};

TEST(ImageToolsTile, WrapsAroundOnEverySide) {
    const TileCase cases[]{
        {"8x8, 4x4 tiles, border 1", {8, 8}, {4, 4}, {1, 1}},
        {"12x6, 4x2 tiles, border 2x1", {12, 6}, {4, 2}, {2, 1}},
        {"9x9, 3x3 tiles, border 3", {9, 9}, {3, 3}, {3, 3}},
        {"4x4, one tile, border 2", {4, 4}, {4, 4}, {2, 2}},
        {"8x4, border 0", {8, 4}, {2, 2}, {0, 0}},
    };
    for(const TileCase& data: cases) {
        SCOPED_TRACE(data.name);
        TestImage src{windowed(), PixelFormat::RGB8Unorm, data.imageSize, 1};
        const Vector2i tiles = data.imageSize/data.tileSize;
        const Vector2i padded = data.tileSize + 2*data.border;
        for(Int index = 0; index != tiles.product(); ++index) {
            TestImage dst{PixelStorage{}, PixelFormat::RGB8Unorm, padded, 2};
            EXPECT_TRUE(ImageTools::tile(src.view, dst.view, data.tileSize, index, data.border));
            const Vector2i origin = Vector2i{index % tiles.x(), index/tiles.x()}*data.tileSize - data.border;
            for(Int y = 0; y != padded.y(); ++y) for(Int x = 0; x != padded.x(); ++x)
                for(std::size_t c = 0; c != 3; ++c)
                    ASSERT_EQ(dst.at(x, y, c), wrapped(src, origin.x() + x, origin.y() + y, c)) << index << ": " << x << " " << y;
        }
    }
}

TEST(ImageToolsTile, TopLeftCorner) {
    TestImage src{padded(), PixelFormat::R8UI, {8, 8}, 3};
    TestImage dst{padded(), PixelFormat::R8UI, {6, 6}, 4};
    EXPECT_TRUE(ImageTools::tile(src.view, dst.view, {4, 4}, 0, {1, 1}));
    EXPECT_EQ(dst.at(0, 0, 0), src.at(7, 7, 0));
    for(Int i = 0; i != 4; ++i) {
        EXPECT_EQ(dst.at(i + 1, 0, 0), src.at(i, 7, 0));
        EXPECT_EQ(dst.at(0, i + 1, 0), src.at(7, i, 0));
        EXPECT_EQ(dst.at(5, i + 1, 0), src.at(4, i, 0));
        EXPECT_EQ(dst.at(i + 1, 5, 0), src.at(i, 4, 0));
    }
    EXPECT_EQ(dst.at(5, 5, 0), src.at(4, 4, 0));

    TestImage last{padded(), PixelFormat::R8UI, {6, 6}, 4};
    EXPECT_TRUE(ImageTools::tile(src.view, last.view, {4, 4}, 3, {1, 1}));
    EXPECT_EQ(last.at(5, 5, 0), src.at(0, 0, 0));
    EXPECT_EQ(last.at(5, 2, 0), src.at(0, 5, 0));
    EXPECT_EQ(last.at(2, 5, 0), src.at(5, 0, 0));
}

TEST(ImageToolsTile, PartialTileDoesNotWrap) {
    TestImage src{windowed(), PixelFormat::RGBA8Unorm, {10, 8}, 5};
    TestImage dst{padded(), PixelFormat::RGBA8Unorm, {6, 6}, 6};
    const std::vector<char> before = dst.bytes();
    const std::vector<bool> covered = coveredBytes(dst, {{0, 1}, {3, 6}});
    EXPECT_TRUE(ImageTools::tile(src.view, dst.view, {4, 4}, 2, {1, 1}));
    for(Int y = 0; y != 5; ++y) for(Int x = 0; x != 3; ++x) for(std::size_t c = 0; c != 4; ++c)
        EXPECT_EQ(dst.at(x, y + 1, c), src.at(7 + x, y, c));
    for(std::size_t i = 0; i != before.size(); ++i)
        if(!covered[i]) { EXPECT_EQ(dst.data[i], before[i]) << i; }

    /* Neither does the border of the first tile that falls outside the image */
    TestImage first{padded(), PixelFormat::RGBA8Unorm, {6, 6}, 6};
    const std::vector<bool> firstCovered = coveredBytes(first, {{1, 1}, {6, 6}});
    EXPECT_TRUE(ImageTools::tile(src.view, first.view, {4, 4}, 0, {1, 1}));
    for(std::size_t i = 0; i != before.size(); ++i)
        if(!firstCovered[i]) { EXPECT_EQ(first.data[i], before[i]) << i; }
}

}
