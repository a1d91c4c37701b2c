#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
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

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using namespace Magnum;

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

/* Row layouts the tests run through: rows padded to four bytes, tightly
   packed rows, and a window with a row length and skip into a larger image */
enum class Layout { Padded, Tight, Windowed };

PixelStorage storage(const Layout layout) {
    switch(layout) {
        case Layout::Padded: return PixelStorage{};
        case Layout::Tight: return PixelStorage{}.setAlignment(1);
        /* Row length past every width used here */
        case Layout::Windowed: return PixelStorage{}.setRowLength(131).setSkip({3, 2, 0});
    }
    return PixelStorage{};
}

const char* layoutName(const Layout layout) {
    switch(layout) {
        case Layout::Padded: return "Padded";
        case Layout::Tight: return "Tight";
        case Layout::Windowed: return "Windowed";
    }
    return "";
}

/* Failures print a case by its name instead of its bytes */
template<class T> auto operator<<(std::ostream& out, const T& value) -> decltype(value.name, out) {
    return out << value.name;
}

/* Test names of a table of cases with a name field */
template<class T> std::string caseName(const ::testing::TestParamInfo<T>& info) {
    return info.param.name;
}

/* Test names of a table of cases combined with layouts */
template<class T> std::string caseLayoutName(const ::testing::TestParamInfo<std::tuple<T, Layout>>& info) {
    return std::string{std::get<0>(info.param).name} + "_" + layoutName(std::get<1>(info.param));
}

/* Regex that matches exactly one line of message on the error output */
std::string exactMessage(const char* message) {
    std::string out = "^";
    for(const char* c = message; *c; ++c) {
        if(std::strchr("\\^$.|?*+()[]{}", *c)) out += '\\';
        out += *c;
    }
    return out + "\n$";
}

/* A caller error: a call that aborts, and the message it prints */
struct DeathCase {
    const char* name;
    void(*call)();
    const char* message;
};

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

/* Every byte outside the covered ones is as it was */
void expectOnlyCoveredChanged(const TestImage& image, const std::vector<char>& before, const std::vector<bool>& covered) {
    for(std::size_t i = 0; i != before.size(); ++i)
        if(!covered[i]) { EXPECT_EQ(image.data[i], before[i]) << "byte " << i; }
}

/* allocateWithFormat(), allocateWithSameFormat() */

struct CompressedAllocationCase {
    const char* name;
    CompressedPixelFormat format;
    Vector2i size;
    std::size_t dataSize;
};

const CompressedAllocationCase CompressedAllocationCases[]{
    {"Bc1Partial", CompressedPixelFormat::Bc1RGBAUnorm, {5, 9}, 2*3*8},
    {"Bc3Partial", CompressedPixelFormat::Bc3RGBAUnorm, {5, 9}, 2*3*16},
    {"Bc1Whole", CompressedPixelFormat::Bc1RGBAUnorm, {8, 4}, 2*1*8},
    {"Bc3OnePixel", CompressedPixelFormat::Bc3RGBAUnorm, {1, 1}, 16},
};

class ImageToolsAllocateCompressed: public ::testing::TestWithParam<CompressedAllocationCase> {};

TEST_P(ImageToolsAllocateCompressed, RoundsUpToWholeBlocks) {
    const CompressedAllocationCase& data = GetParam();
    CompressedImage2D image = ImageTools::allocateWithFormat(data.format, data.size);
    EXPECT_EQ(image.format(), data.format);
    EXPECT_EQ(image.size(), data.size);
    EXPECT_EQ(image.storage(), CompressedPixelStorage{});
    ASSERT_EQ(image.data().size(), data.dataSize);
    for(char c: image.data()) EXPECT_EQ(c, 0);
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsAllocateCompressed, ::testing::ValuesIn(CompressedAllocationCases), caseName<CompressedAllocationCase>);

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
    const char* name;
    PixelStorage storage;
    PixelFormat format;
    Vector2i size;
    std::size_t dataSize;
};

const SameFormatCase SameFormatCases[]{
    /* 5 pixels in rows of 8, one row skipped: 32 + 2*32 */
    {"RowLengthAndSkip", PixelStorage{}.setRowLength(8).setSkip({2, 1, 0}), PixelFormat::RGBA8Unorm, {5, 2}, 96},
    /* Skip of three pixels without row length counts */
    {"SkipWithoutRowLength", PixelStorage{}.setAlignment(1).setSkip({3, 0, 0}), PixelFormat::RGB8Unorm, {2, 2}, 9 + 12},
    /* Skip inside the row length doesn't */
    {"SkipInsideRowLength", PixelStorage{}.setAlignment(1).setRowLength(6).setSkip({3, 0, 0}), PixelFormat::RGB8Unorm, {2, 2}, 36},
    {"DefaultStorage", PixelStorage{}, PixelFormat::RG16UI, {3, 3}, 36},
    /* A row skipped and one pixel more without a row length: the last row
       ends at 4 + 16 + 2*16 + 16 bytes */
    {"RowAndPixelSkipWithoutRowLength", PixelStorage{}.setSkip({1, 1, 0}), PixelFormat::RGBA8Unorm, {4, 3}, 68},
};

class ImageToolsAllocateSameFormat: public ::testing::TestWithParam<SameFormatCase> {};

TEST_P(ImageToolsAllocateSameFormat, KeepsStorageAndCoversEveryPixel) {
    const SameFormatCase& data = GetParam();
    TestImage source{data.storage, data.format, {4, 3}};
    Image2D image = ImageTools::allocateWithSameFormat(source.view, data.size);
    EXPECT_EQ(image.storage(), data.storage);
    EXPECT_EQ(image.format(), data.format);
    EXPECT_EQ(image.pixelSize(), pixelFormatSize(data.format));
    EXPECT_EQ(image.size(), data.size);
    EXPECT_EQ(image.data().size(), data.dataSize);
    for(char c: image.data()) EXPECT_EQ(c, 0);

    /* The last byte of every pixel lies inside the data */
    const Containers::StridedArrayView3D<const char> pixels = image.pixels();
    ASSERT_EQ(pixels.size()[0], std::size_t(data.size.y()));
    std::size_t end = 0;
    for(std::size_t y = 0; y != pixels.size()[0]; ++y)
        for(std::size_t x = 0; x != pixels.size()[1]; ++x)
            end = std::max(end, std::size_t(&pixels[y][x][pixels.size()[2] - 1] - image.data().data()) + 1);
    EXPECT_LE(end, image.data().size());
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsAllocateSameFormat, ::testing::ValuesIn(SameFormatCases), caseName<SameFormatCase>);

/* byteFill() */

struct ByteFillCase {
    const char* name;
    Layout layout;
    PixelFormat format;
    Vector2i size;
    Range2Di range;
};

/* An image view can't be transposed or have gaps between the bytes of a
   pixel, so rows that are adjacent or not are the layouts there are */
const ByteFillCase ByteFillCases[]{
    {"SubRectanglePaddedRows", Layout::Padded, PixelFormat::RGB8Unorm, {7, 5}, {{2, 1}, {5, 4}}},
    {"WholeImageWithoutPadding", Layout::Padded, PixelFormat::RGBA8Unorm, {4, 3}, {{0, 0}, {4, 3}}},
    {"WholeImageWithPadding", Layout::Padded, PixelFormat::RGB8Unorm, {5, 3}, {{0, 0}, {5, 3}}},
    {"RowLengthAndSkip", Layout::Windowed, PixelFormat::RGBA8UI, {9, 6}, {{1, 2}, {8, 6}}},
    {"OneColumn", Layout::Tight, PixelFormat::R8Unorm, {6, 4}, {{5, 0}, {6, 4}}},
    {"PartialWidthOfTightRows", Layout::Tight, PixelFormat::RG8Unorm, {3, 3}, {{0, 0}, {2, 3}}},
    {"EmptyWidth", Layout::Padded, PixelFormat::RGBA8Unorm, {4, 4}, {{2, 1}, {2, 3}}},
    {"EmptyHeight", Layout::Padded, PixelFormat::RGBA8Unorm, {4, 4}, {{1, 2}, {3, 2}}},
};

class ImageToolsByteFill: public ::testing::TestWithParam<ByteFillCase> {};

TEST_P(ImageToolsByteFill, TouchesOnlyTheRange) {
    const ByteFillCase& data = GetParam();
    TestImage image{storage(data.layout), data.format, data.size};
    const std::vector<char> before = image.bytes();
    const std::vector<bool> covered = coveredBytes(image, data.range);
    EXPECT_TRUE(ImageTools::byteFill(image.view, data.range, '\x5a'));
    for(std::size_t i = 0; i != before.size(); ++i)
        EXPECT_EQ(image.data[i], covered[i] ? '\x5a' : before[i]) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsByteFill, ::testing::ValuesIn(ByteFillCases), caseName<ByteFillCase>);

/* fill() with a colour */

struct ColorFillCase {
    const char* name;
    PixelFormat format;
    std::size_t written;
};

const ColorFillCase ColorFillCases[]{
    {"R8Unorm", PixelFormat::R8Unorm, 1}, {"R8UI", PixelFormat::R8UI, 1},
    {"RG8Unorm", PixelFormat::RG8Unorm, 2}, {"RG8UI", PixelFormat::RG8UI, 2},
    {"RGB8Unorm", PixelFormat::RGB8Unorm, 3}, {"RGB8UI", PixelFormat::RGB8UI, 3},
    {"RGBA8Unorm", PixelFormat::RGBA8Unorm, 4}, {"RGBA8UI", PixelFormat::RGBA8UI, 4},
};

class ImageToolsFillColor: public ::testing::TestWithParam<std::tuple<ColorFillCase, Layout>> {};

TEST_P(ImageToolsFillColor, WritesTheFormatsChannels) {
    const ColorFillCase& data = std::get<0>(GetParam());
    const Color4ub color{0x12, 0x34, 0x56, 0x78};
    const char expected[]{0x12, 0x34, 0x56, 0x78};
    TestImage image{storage(std::get<1>(GetParam())), data.format, {7, 5}};
    const Range2Di range{{1, 1}, {6, 4}};
    const std::vector<char> before = image.bytes();
    const std::vector<bool> covered = coveredBytes(image, range);
    EXPECT_TRUE(ImageTools::fill(image.view, range, color));
    for(Int y = 1; y != 4; ++y) for(Int x = 1; x != 6; ++x)
        for(std::size_t c = 0; c != data.written; ++c)
            EXPECT_EQ(image.view.pixels()[y][x][c], expected[c]);
    expectOnlyCoveredChanged(image, before, covered);
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsFillColor, ::testing::Combine(::testing::ValuesIn(ColorFillCases), ::testing::Values(Layout::Padded, Layout::Windowed)), caseLayoutName<ColorFillCase>);

struct DeclinedFormatCase {
    const char* name;
    PixelFormat format;
};

const DeclinedFormatCase ColorDeclinedCases[]{
    {"RGBA8Srgb", PixelFormat::RGBA8Srgb},
    {"RGB8Srgb", PixelFormat::RGB8Srgb},
    {"RG8Snorm", PixelFormat::RG8Snorm},
    {"R8I", PixelFormat::R8I},
    {"RGBA16Unorm", PixelFormat::RGBA16Unorm},
    {"R32F", PixelFormat::R32F},
};

class ImageToolsFillColorDeclined: public ::testing::TestWithParam<DeclinedFormatCase> {};

TEST_P(ImageToolsFillColorDeclined, WritesNothing) {
    TestImage image{storage(Layout::Padded), GetParam().format, {4, 4}};
    const std::vector<char> before = image.bytes();
    EXPECT_FALSE(ImageTools::fill(image.view, {{0, 0}, {4, 4}}, Color4ub{1, 2, 3, 4}));
    EXPECT_EQ(image.bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsFillColorDeclined, ::testing::ValuesIn(ColorDeclinedCases), caseName<DeclinedFormatCase>);

TEST(ImageToolsFill, ColorEmptyRange) {
    TestImage image{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 4}};
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
    Layout srcLayout, dstLayout;
    PixelFormat format;
    Range2Di srcRange;
    Vector2i dstOffset;
};

const SliceCase SliceCases[]{
    {"PaddedToPadded", Layout::Padded, Layout::Padded, PixelFormat::RGB8Unorm, {{1, 2}, {6, 5}}, {2, 0}},
    {"WindowToPadded", Layout::Windowed, Layout::Padded, PixelFormat::RG8UI, {{0, 1}, {5, 6}}, {0, 1}},
    {"PaddedToWindow", Layout::Padded, Layout::Windowed, PixelFormat::R8Unorm, {{3, 0}, {7, 3}}, {4, 3}},
    {"Empty", Layout::Windowed, Layout::Windowed, PixelFormat::RGBA8Unorm, {{3, 3}, {3, 5}}, {1, 1}},
};

/* The slice() overloads that take a destination rectangle or offset */
enum class SliceForm { Range, Offset };

class ImageToolsSlice: public ::testing::TestWithParam<std::tuple<SliceCase, SliceForm>> {};

TEST_P(ImageToolsSlice, CopiesTheRectangle) {
    const SliceCase& data = std::get<0>(GetParam());
    TestImage src{storage(data.srcLayout), data.format, {8, 7}, 1};
    const Vector2i size = data.srcRange.size();
    const Range2Di dstRange{data.dstOffset, data.dstOffset + size};

    TestImage dst{storage(data.dstLayout), data.format, {9, 8}, 2};
    const std::vector<char> before = dst.bytes();
    const std::vector<bool> covered = coveredBytes(dst, dstRange);
    if(std::get<1>(GetParam()) == SliceForm::Range)
        ImageTools::slice(src.view, dst.view, data.srcRange, dstRange);
    else
        ImageTools::slice(src.view, dst.view, data.srcRange, data.dstOffset);
    for(Int y = 0; y != size.y(); ++y) for(Int x = 0; x != size.x(); ++x)
        for(std::size_t c = 0; c != src.view.pixelSize(); ++c)
            EXPECT_EQ(dst.at(data.dstOffset.x() + x, data.dstOffset.y() + y, c), src.at(data.srcRange.min().x() + x, data.srcRange.min().y() + y, c));
    expectOnlyCoveredChanged(dst, before, covered);
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsSlice, ::testing::Combine(::testing::ValuesIn(SliceCases), ::testing::Values(SliceForm::Range, SliceForm::Offset)),
    [](const ::testing::TestParamInfo<std::tuple<SliceCase, SliceForm>>& info) {
        return std::string{std::get<0>(info.param).name} + (std::get<1>(info.param) == SliceForm::Range ? "_Range" : "_Offset");
    });

TEST(ImageToolsSliceSingle, OverWholeDestination) {
    TestImage src{storage(Layout::Windowed), PixelFormat::RGB8UI, {8, 7}, 1};
    TestImage dst{storage(Layout::Padded), PixelFormat::RGB8Unorm, {3, 4}, 2};
    const std::vector<char> before = dst.bytes();
    const std::vector<bool> covered = coveredBytes(dst, {{}, {3, 4}});
    ImageTools::slice(src.view, dst.view, {{4, 2}, {7, 6}});
    for(Int y = 0; y != 4; ++y) for(Int x = 0; x != 3; ++x) for(std::size_t c = 0; c != 3; ++c)
        EXPECT_EQ(dst.at(x, y, c), src.at(4 + x, 2 + y, c));
    expectOnlyCoveredChanged(dst, before, covered);
}

/* convert() */

struct ConvertCase {
    const char* name;
    PixelFormat from, to;
    std::size_t channels;
};

const ConvertCase ConvertCases[]{
    {"R16UnormToR8Unorm", PixelFormat::R16Unorm, PixelFormat::R8Unorm, 1},
    {"R16UIToR8Unorm", PixelFormat::R16UI, PixelFormat::R8Unorm, 1},
    {"R16UnormToR8UI", PixelFormat::R16Unorm, PixelFormat::R8UI, 1},
    {"R16UIToR8UI", PixelFormat::R16UI, PixelFormat::R8UI, 1},
    {"RG16UnormToRG8Unorm", PixelFormat::RG16Unorm, PixelFormat::RG8Unorm, 2},
    {"RG16UIToRG8Unorm", PixelFormat::RG16UI, PixelFormat::RG8Unorm, 2},
    {"RG16UnormToRG8UI", PixelFormat::RG16Unorm, PixelFormat::RG8UI, 2},
    {"RG16UIToRG8UI", PixelFormat::RG16UI, PixelFormat::RG8UI, 2},
    {"RGB16UnormToRGB8Unorm", PixelFormat::RGB16Unorm, PixelFormat::RGB8Unorm, 3},
    {"RGB16UIToRGB8Unorm", PixelFormat::RGB16UI, PixelFormat::RGB8Unorm, 3},
    {"RGB16UnormToRGB8UI", PixelFormat::RGB16Unorm, PixelFormat::RGB8UI, 3},
    {"RGB16UIToRGB8UI", PixelFormat::RGB16UI, PixelFormat::RGB8UI, 3},
    {"RGBA16UnormToRGBA8Unorm", PixelFormat::RGBA16Unorm, PixelFormat::RGBA8Unorm, 4},
    {"RGBA16UIToRGBA8Unorm", PixelFormat::RGBA16UI, PixelFormat::RGBA8Unorm, 4},
    {"RGBA16UnormToRGBA8UI", PixelFormat::RGBA16Unorm, PixelFormat::RGBA8UI, 4},
    {"RGBA16UIToRGBA8UI", PixelFormat::RGBA16UI, PixelFormat::RGBA8UI, 4},
};

/* The layout is the source's; the destination gets the other one */
class ImageToolsConvert: public ::testing::TestWithParam<std::tuple<ConvertCase, Layout>> {};

TEST_P(ImageToolsConvert, EveryChannelCountAndMixedPairs) {
    const ConvertCase& data = std::get<0>(GetParam());
    const bool windowedSource = std::get<1>(GetParam()) == Layout::Windowed;
    const Vector2i size{5, 4};
    TestImage src{storage(windowedSource ? Layout::Windowed : Layout::Padded), data.from, size, 3};
    TestImage dst{storage(windowedSource ? Layout::Padded : Layout::Windowed), data.to, size, 4};
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
    expectOnlyCoveredChanged(dst, before, covered);
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsConvert, ::testing::Combine(::testing::ValuesIn(ConvertCases), ::testing::Values(Layout::Padded, Layout::Windowed)), caseLayoutName<ConvertCase>);

TEST(ImageToolsConvertSingle, EverySixteenBitValue) {
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

struct ConvertDeclinedCase {
    const char* name;
    PixelFormat from, to;
    Vector2i fromSize, toSize;
    bool result;
};

const ConvertDeclinedCase ConvertDeclinedCases[]{
    {"ChannelCountGrows", PixelFormat::RGB16Unorm, PixelFormat::RGBA8Unorm, {2, 2}, {2, 2}, false},
    {"ChannelCountShrinks", PixelFormat::RGBA16Unorm, PixelFormat::RGB8Unorm, {2, 2}, {2, 2}, false},
    {"SignedSource", PixelFormat::RGBA16Snorm, PixelFormat::RGBA8Unorm, {2, 2}, {2, 2}, false},
    {"FloatSource", PixelFormat::RGBA16F, PixelFormat::RGBA8Unorm, {2, 2}, {2, 2}, false},
    {"SrgbDestination", PixelFormat::RGBA16Unorm, PixelFormat::RGBA8Srgb, {2, 2}, {2, 2}, false},
    {"DifferentSizes", PixelFormat::RGBA16Unorm, PixelFormat::RGBA8Unorm, {2, 3}, {3, 2}, false},
    {"SameFormatDifferentSizes", PixelFormat::RGBA8Unorm, PixelFormat::RGBA8Unorm, {2, 3}, {3, 2}, false},
    {"SameFormat", PixelFormat::RGBA8Unorm, PixelFormat::RGBA8Unorm, {2, 2}, {2, 2}, true},
    {"EmptySupportedPair", PixelFormat::R16UI, PixelFormat::R8UI, {0, 0}, {0, 0}, true},
};

class ImageToolsConvertDeclined: public ::testing::TestWithParam<ConvertDeclinedCase> {};

TEST_P(ImageToolsConvertDeclined, WritesNothing) {
    const ConvertDeclinedCase& data = GetParam();
    TestImage src{storage(Layout::Padded), data.from, data.fromSize, 5};
    TestImage dst{storage(Layout::Padded), data.to, data.toSize, 6};
    const std::vector<char> before = dst.bytes();
    EXPECT_EQ(ImageTools::convert(src.view, dst.view), data.result);
    EXPECT_EQ(dst.bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsConvertDeclined, ::testing::ValuesIn(ConvertDeclinedCases), caseName<ConvertDeclinedCase>);

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
    {"RGBA8x8To4x4", PixelFormat::RGBA8Unorm, {8, 8}, {4, 4}, true},
    {"RGB12x9To4x3", PixelFormat::RGB8UI, {12, 9}, {4, 3}, true},
    {"RGBA15x8To5x2DifferentFactors", PixelFormat::RGBA8UI, {15, 8}, {5, 2}, true},
    {"RGB6x5To6x5ACopy", PixelFormat::RGB8Unorm, {6, 5}, {6, 5}, true},
    {"RGB10x7To4x3", PixelFormat::RGB8Unorm, {10, 7}, {4, 3}, false},
    {"RGBA17x13To5x4", PixelFormat::RGBA8Unorm, {17, 13}, {5, 4}, false},
    {"RGBA100x61To33x20", PixelFormat::RGBA8UI, {100, 61}, {33, 20}, false},
    {"RGB9x8To4x8IntegerInYOnly", PixelFormat::RGB8UI, {9, 8}, {4, 8}, false},
};

/* The layout is the source's; the destination is windowed for a padded
   source and padded otherwise */
class ImageToolsDownscale: public ::testing::TestWithParam<std::tuple<DownscaleCase, Layout>> {};

TEST_P(ImageToolsDownscale, BothPathsMatchTheReference) {
    const DownscaleCase& data = std::get<0>(GetParam());
    const Layout srcLayout = std::get<1>(GetParam());
    TestImage src{storage(srcLayout), data.format, data.srcSize, 7};
    TestImage dst{storage(srcLayout == Layout::Padded ? Layout::Windowed : Layout::Padded), data.format, data.size + Vector2i{2, 1}, 8};
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
    expectOnlyCoveredChanged(dst, before, covered);
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsDownscale, ::testing::Combine(::testing::ValuesIn(DownscaleCases), ::testing::Values(Layout::Padded, Layout::Windowed, Layout::Tight)), caseLayoutName<DownscaleCase>);

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

TEST(ImageToolsDownscaleSingle, StatedExamples) {
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

const DeclinedFormatCase DownscaleDeclinedCases[]{
    {"RGBA8Srgb", PixelFormat::RGBA8Srgb},
    {"R8Unorm", PixelFormat::R8Unorm},
    {"RG8UI", PixelFormat::RG8UI},
    {"RGBA16Unorm", PixelFormat::RGBA16Unorm},
};

class ImageToolsDownscaleDeclined: public ::testing::TestWithParam<DeclinedFormatCase> {};

TEST_P(ImageToolsDownscaleDeclined, WritesNothing) {
    TestImage src{storage(Layout::Padded), GetParam().format, {4, 4}, 1};
    TestImage dst{storage(Layout::Padded), GetParam().format, {2, 2}, 2};
    const std::vector<char> before = dst.bytes();
    EXPECT_FALSE(ImageTools::downscale(src.view, dst.view, {2, 2}));
    EXPECT_EQ(dst.bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsDownscaleDeclined, ::testing::ValuesIn(DownscaleDeclinedCases), caseName<DeclinedFormatCase>);

struct DownscaleFormatCase {
    const char* name;
    PixelFormat format;
};

const DownscaleFormatCase DownscaleFormatCases[]{
    {"RGB8Unorm", PixelFormat::RGB8Unorm},
    {"RGBA8Unorm", PixelFormat::RGBA8Unorm},
};

class ImageToolsDownscaleEdge: public ::testing::TestWithParam<DownscaleFormatCase> {};

/* 14/13 in single precision times 13 is 14.000001: the last footprint ends
   a hair past the last column and row. With rows packed tightly, reading the
   partial pixel there would go past the end of the data. */
TEST_P(ImageToolsDownscaleEdge, FootprintPastTheEdgeStaysInside) {
    ASSERT_GT(Float(13)*(Float(14)/Float(13)), 14.0f);
    const PixelFormat format = GetParam().format;
    const UnsignedInt pixelSize = pixelFormatSize(format);
    Containers::Array<char> data{NoInit, 14*14*pixelSize};
    for(std::size_t i = 0; i != data.size(); ++i) data[i] = char(200);
    const ImageView2D src{storage(Layout::Tight), format, {14, 14}, data};
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

INSTANTIATE_TEST_SUITE_P(, ImageToolsDownscaleEdge, ::testing::ValuesIn(DownscaleFormatCases), caseName<DownscaleFormatCase>);

struct UpscaleCase {
    const char* name;
    Vector2i size;
};

const UpscaleCase UpscaleCases[]{
    {"Double", {4, 4}},
    {"OddRatios", {3, 5}},
    {"WideAndFlat", {7, 2}},
};

class ImageToolsDownscaleUpscale: public ::testing::TestWithParam<UpscaleCase> {};

/* Upscaling: each output pixel is made of the source pixel under it, up to
   the truncation, instead of the stated formula's double-counted weights */
TEST_P(ImageToolsDownscaleUpscale, RatioBelowOne) {
    Image2D src = solidImage(PixelFormat::RGBA8Unorm, {2, 2}, {
        10, 20, 30, 40, 250, 240, 230, 220,
        100, 0, 255, 1, 60, 70, 80, 90});
    const Vector2i size = GetParam().size;
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

INSTANTIATE_TEST_SUITE_P(, ImageToolsDownscaleUpscale, ::testing::ValuesIn(UpscaleCases), caseName<UpscaleCase>);

/* Empty images, as allocateWithFormat() gives them for a zero size: no data
   at all, every operation on them is a no-op that succeeds */

struct EmptyCase {
    const char* name;
    Vector2i size;
};

const EmptyCase EmptyCases[]{
    {"ZeroByZero", {0, 0}},
    {"ZeroByFive", {0, 5}},
    {"FiveByZero", {5, 0}},
};

class ImageToolsEmpty: public ::testing::TestWithParam<EmptyCase> {};

TEST_P(ImageToolsEmpty, Convert) {
    Image2D src = ImageTools::allocateWithFormat(PixelFormat::RGBA16Unorm, GetParam().size);
    Image2D dst = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, GetParam().size);
    MutableImageView2D dstView = dst;
    EXPECT_TRUE(ImageTools::convert(src, dstView));
    /* Declined pairs stay declined */
    Image2D rgb = ImageTools::allocateWithFormat(PixelFormat::RGB8Unorm, GetParam().size);
    MutableImageView2D rgbView = rgb;
    EXPECT_FALSE(ImageTools::convert(src, rgbView));
}

TEST_P(ImageToolsEmpty, ByteFill) {
    Image2D image = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, GetParam().size);
    MutableImageView2D view = image;
    EXPECT_TRUE(ImageTools::byteFill(view, {{}, GetParam().size}, '\x5a'));
}

TEST_P(ImageToolsEmpty, Fill) {
    Image2D image = ImageTools::allocateWithFormat(PixelFormat::RGB8UI, GetParam().size);
    MutableImageView2D view = image;
    EXPECT_TRUE(ImageTools::fill(view, {{}, GetParam().size}, Color4ub{1, 2, 3, 4}));
    /* Declined formats stay declined */
    Image2D srgb = ImageTools::allocateWithFormat(PixelFormat::RGB8Srgb, GetParam().size);
    MutableImageView2D srgbView = srgb;
    EXPECT_FALSE(ImageTools::fill(srgbView, {{}, GetParam().size}, Color4ub{1, 2, 3, 4}));
}

TEST_P(ImageToolsEmpty, Slice) {
    const Vector2i size = GetParam().size;
    Image2D empty = ImageTools::allocateWithFormat(PixelFormat::RG8Unorm, size);
    MutableImageView2D emptyView = empty;
    TestImage image{storage(Layout::Padded), PixelFormat::RG8Unorm, {6, 6}};
    const std::vector<char> before = image.bytes();

    /* Between two empty images, and an empty range of a larger image in and
       out of an empty one */
    ImageTools::slice(empty, emptyView, {{}, size}, {{}, size});
    ImageTools::slice(empty, emptyView, {{}, size});
    ImageTools::slice(empty, emptyView, {{}, size}, Vector2i{});
    ImageTools::slice(image.view, emptyView, {{1, 1}, Vector2i{1} + size});
    ImageTools::slice(empty, image.view, {{}, size}, Vector2i{1});
    EXPECT_EQ(image.bytes(), before);
}

TEST_P(ImageToolsEmpty, Downscale) {
    Image2D src = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, GetParam().size);
    TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {2, 2}};
    const std::vector<char> before = dst.bytes();
    /* Nothing to average, so nothing is written */
    EXPECT_TRUE(ImageTools::downscale(src, dst.view, {2, 2}));
    EXPECT_EQ(dst.bytes(), before);
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsEmpty, ::testing::ValuesIn(EmptyCases), caseName<EmptyCase>);

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

const TileCase TileCases[]{
    {"Border1", {8, 8}, {4, 4}, {1, 1}},
    {"NonSquareBorder", {12, 6}, {4, 2}, {2, 1}},
    {"BorderAsWideAsTheTile", {9, 9}, {3, 3}, {3, 3}},
    {"OneTile", {4, 4}, {4, 4}, {2, 2}},
    {"NoBorder", {8, 4}, {2, 2}, {0, 0}},
    /* Inner tiles overhang the image edge too */
    {"BorderWiderThanTheTile", {4, 4}, {2, 2}, {3, 3}},
    {"BorderWiderThanTheImage", {4, 2}, {2, 2}, {5, 3}},
};

class ImageToolsTile: public ::testing::TestWithParam<TileCase> {};

TEST_P(ImageToolsTile, EveryTileWrapsAround) {
    const TileCase& data = GetParam();
    TestImage src{storage(Layout::Windowed), PixelFormat::RGB8Unorm, data.imageSize, 1};
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

INSTANTIATE_TEST_SUITE_P(, ImageToolsTile, ::testing::ValuesIn(TileCases), caseName<TileCase>);

TEST(ImageToolsTileSingle, TopLeftCorner) {
    TestImage src{storage(Layout::Padded), PixelFormat::R8UI, {8, 8}, 3};
    TestImage dst{storage(Layout::Padded), PixelFormat::R8UI, {6, 6}, 4};
    EXPECT_TRUE(ImageTools::tile(src.view, dst.view, {4, 4}, 0, {1, 1}));
    EXPECT_EQ(dst.at(0, 0, 0), src.at(7, 7, 0));
    for(Int i = 0; i != 4; ++i) {
        EXPECT_EQ(dst.at(i + 1, 0, 0), src.at(i, 7, 0));
        EXPECT_EQ(dst.at(0, i + 1, 0), src.at(7, i, 0));
        EXPECT_EQ(dst.at(5, i + 1, 0), src.at(4, i, 0));
        EXPECT_EQ(dst.at(i + 1, 5, 0), src.at(i, 4, 0));
    }
    EXPECT_EQ(dst.at(5, 5, 0), src.at(4, 4, 0));

    TestImage last{storage(Layout::Padded), PixelFormat::R8UI, {6, 6}, 4};
    EXPECT_TRUE(ImageTools::tile(src.view, last.view, {4, 4}, 3, {1, 1}));
    EXPECT_EQ(last.at(5, 5, 0), src.at(0, 0, 0));
    EXPECT_EQ(last.at(5, 2, 0), src.at(0, 5, 0));
    EXPECT_EQ(last.at(2, 5, 0), src.at(5, 0, 0));
}

TEST(ImageToolsTileSingle, PartialTileDoesNotWrap) {
    TestImage src{storage(Layout::Windowed), PixelFormat::RGBA8Unorm, {10, 8}, 5};
    TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {6, 6}, 6};
    const std::vector<char> before = dst.bytes();
    const std::vector<bool> covered = coveredBytes(dst, {{0, 1}, {3, 6}});
    EXPECT_TRUE(ImageTools::tile(src.view, dst.view, {4, 4}, 2, {1, 1}));
    for(Int y = 0; y != 5; ++y) for(Int x = 0; x != 3; ++x) for(std::size_t c = 0; c != 4; ++c)
        EXPECT_EQ(dst.at(x, y + 1, c), src.at(7 + x, y, c));
    expectOnlyCoveredChanged(dst, before, covered);

    /* Neither does the border of the first tile that falls outside the image */
    TestImage first{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {6, 6}, 6};
    const std::vector<bool> firstCovered = coveredBytes(first, {{1, 1}, {6, 6}});
    EXPECT_TRUE(ImageTools::tile(src.view, first.view, {4, 4}, 0, {1, 1}));
    expectOnlyCoveredChanged(first, before, firstCovered);
}

/* Caller errors, one death test per message */

const DeathCase DeathCases[]{
    {"ByteFillRangeOutOfBounds", [] {
        TestImage image{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 3}};
        ImageTools::byteFill(image.view, {{0, 0}, {5, 3}}, '\x5a');
    }, "ImageTools::byteFill(): range Range({0, 0}, {5, 3}) out of bounds for an image of size Vector(4, 3)"},
    {"FillRangeOutOfBounds", [] {
        TestImage image{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 3}};
        ImageTools::fill(image.view, {{-1, 0}, {2, 2}}, Color4ub{1, 2, 3, 4});
    }, "ImageTools::fill(): range Range({-1, 0}, {2, 2}) out of bounds for an image of size Vector(4, 3)"},
    {"SlicePixelSizeMismatch", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGB8Unorm, {4, 4}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 4}};
        ImageTools::slice(src.view, dst.view, {{0, 0}, {2, 2}}, {{0, 0}, {2, 2}});
    }, "ImageTools::slice(): pixel sizes 3 and 4 don't match"},
    {"SliceSourceOutOfBounds", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 4}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 4}};
        ImageTools::slice(src.view, dst.view, {{2, 2}, {5, 4}}, {{0, 0}, {3, 2}});
    }, "ImageTools::slice(): source range Range({2, 2}, {5, 4}) out of bounds for an image of size Vector(4, 4)"},
    {"SliceDestinationOutOfBounds", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 4}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 4}};
        ImageTools::slice(src.view, dst.view, {{0, 0}, {2, 2}}, Vector2i{3, 3});
    }, "ImageTools::slice(): destination range Range({3, 3}, {5, 5}) out of bounds for an image of size Vector(4, 4)"},
    {"SliceSizeMismatch", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 4}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {3, 2}};
        ImageTools::slice(src.view, dst.view, {{0, 0}, {2, 2}});
    }, "ImageTools::slice(): source range size Vector(2, 2) doesn't match destination range size Vector(3, 2)"},
    {"DownscaleZeroSize", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 4}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {2, 2}};
        ImageTools::downscale(src.view, dst.view, {0, 2});
    }, "ImageTools::downscale(): expected a positive size but got Vector(0, 2)"},
    {"DownscaleDestinationTooSmall", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {4, 4}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {2, 2}};
        ImageTools::downscale(src.view, dst.view, {3, 2});
    }, "ImageTools::downscale(): size Vector(3, 2) doesn't fit a destination of size Vector(2, 2)"},
    {"DownscalePixelSizeMismatch", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGB8Unorm, {4, 4}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {2, 2}};
        ImageTools::downscale(src.view, dst.view, {2, 2});
    }, "ImageTools::downscale(): expected a destination pixel size of 3 but got 4"},
    {"TileZeroSize", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {8, 8}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {6, 6}};
        ImageTools::tile(src.view, dst.view, {0, 4}, 0, {1, 1});
    }, "ImageTools::tile(): expected a positive tile size but got Vector(0, 4)"},
    {"TileNegativeBorder", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {8, 8}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {6, 6}};
        ImageTools::tile(src.view, dst.view, {4, 4}, 0, {-1, 0});
    }, "ImageTools::tile(): expected a non-negative border but got Vector(-1, 0)"},
    {"TileIndexOutOfRange", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {8, 7}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {6, 6}};
        ImageTools::tile(src.view, dst.view, {4, 4}, 4, {1, 1});
    }, "ImageTools::tile(): index 4 out of range for 4 tiles"},
    {"TileDestinationTooSmall", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {8, 8}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {5, 6}};
        ImageTools::tile(src.view, dst.view, {4, 4}, 0, {1, 1});
    }, "ImageTools::tile(): expected a destination of at least Vector(6, 6) pixels but got Vector(5, 6)"},
    {"TilePixelSizeMismatch", [] {
        TestImage src{storage(Layout::Padded), PixelFormat::RGBA8Unorm, {8, 8}};
        TestImage dst{storage(Layout::Padded), PixelFormat::RGB8Unorm, {6, 6}};
        ImageTools::tile(src.view, dst.view, {4, 4}, 0, {1, 1});
    }, "ImageTools::tile(): expected a destination pixel size of 4 but got 3"},
};

class ImageToolsDeathTest: public ::testing::TestWithParam<DeathCase> {};

TEST_P(ImageToolsDeathTest, AbortsWithTheMessage) {
    EXPECT_DEATH(GetParam().call(), exactMessage(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(, ImageToolsDeathTest, ::testing::ValuesIn(DeathCases), caseName<DeathCase>);

}}}
