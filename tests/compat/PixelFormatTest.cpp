#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include <Corrade/Utility/Debug.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Math/Vector3.h>

using namespace Magnum;

namespace VelmoraEngine { namespace Test { namespace {

template<class T> std::string debugString(T format, bool packed = false) {
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug d{Utility::Debug::Flag::NoNewlineAtTheEnd};
        if(packed) d << Utility::Debug::packed;
        d << format;
    }
    return out.str();
}

/* Every uncompressed format in enum order */
const struct {
    PixelFormat format;
    const char* name;
    UnsignedInt size;
} PixelFormatData[]{
    {PixelFormat::R8Unorm, "R8Unorm", 1},
    {PixelFormat::RG8Unorm, "RG8Unorm", 2},
    {PixelFormat::RGB8Unorm, "RGB8Unorm", 3},
    {PixelFormat::RGBA8Unorm, "RGBA8Unorm", 4},
    {PixelFormat::R8Snorm, "R8Snorm", 1},
    {PixelFormat::RG8Snorm, "RG8Snorm", 2},
    {PixelFormat::RGB8Snorm, "RGB8Snorm", 3},
    {PixelFormat::RGBA8Snorm, "RGBA8Snorm", 4},
    {PixelFormat::R8Srgb, "R8Srgb", 1},
    {PixelFormat::RG8Srgb, "RG8Srgb", 2},
    {PixelFormat::RGB8Srgb, "RGB8Srgb", 3},
    {PixelFormat::RGBA8Srgb, "RGBA8Srgb", 4},
    {PixelFormat::R8UI, "R8UI", 1},
    {PixelFormat::RG8UI, "RG8UI", 2},
    {PixelFormat::RGB8UI, "RGB8UI", 3},
    {PixelFormat::RGBA8UI, "RGBA8UI", 4},
    {PixelFormat::R8I, "R8I", 1},
    {PixelFormat::RG8I, "RG8I", 2},
    {PixelFormat::RGB8I, "RGB8I", 3},
    {PixelFormat::RGBA8I, "RGBA8I", 4},
    {PixelFormat::R16Unorm, "R16Unorm", 2},
    {PixelFormat::RG16Unorm, "RG16Unorm", 4},
    {PixelFormat::RGB16Unorm, "RGB16Unorm", 6},
    {PixelFormat::RGBA16Unorm, "RGBA16Unorm", 8},
    {PixelFormat::R16Snorm, "R16Snorm", 2},
    {PixelFormat::RG16Snorm, "RG16Snorm", 4},
    {PixelFormat::RGB16Snorm, "RGB16Snorm", 6},
    {PixelFormat::RGBA16Snorm, "RGBA16Snorm", 8},
    {PixelFormat::R16UI, "R16UI", 2},
    {PixelFormat::RG16UI, "RG16UI", 4},
    {PixelFormat::RGB16UI, "RGB16UI", 6},
    {PixelFormat::RGBA16UI, "RGBA16UI", 8},
    {PixelFormat::R16I, "R16I", 2},
    {PixelFormat::RG16I, "RG16I", 4},
    {PixelFormat::RGB16I, "RGB16I", 6},
    {PixelFormat::RGBA16I, "RGBA16I", 8},
    {PixelFormat::R32UI, "R32UI", 4},
    {PixelFormat::RG32UI, "RG32UI", 8},
    {PixelFormat::RGB32UI, "RGB32UI", 12},
    {PixelFormat::RGBA32UI, "RGBA32UI", 16},
    {PixelFormat::R32I, "R32I", 4},
    {PixelFormat::RG32I, "RG32I", 8},
    {PixelFormat::RGB32I, "RGB32I", 12},
    {PixelFormat::RGBA32I, "RGBA32I", 16},
    {PixelFormat::R16F, "R16F", 2},
    {PixelFormat::RG16F, "RG16F", 4},
    {PixelFormat::RGB16F, "RGB16F", 6},
    {PixelFormat::RGBA16F, "RGBA16F", 8},
    {PixelFormat::R32F, "R32F", 4},
    {PixelFormat::RG32F, "RG32F", 8},
    {PixelFormat::RGB32F, "RGB32F", 12},
    {PixelFormat::RGBA32F, "RGBA32F", 16},
    {PixelFormat::Depth16Unorm, "Depth16Unorm", 2},
    {PixelFormat::Depth24Unorm, "Depth24Unorm", 4},
    {PixelFormat::Depth32F, "Depth32F", 4},
    {PixelFormat::Stencil8UI, "Stencil8UI", 1},
    {PixelFormat::Depth16UnormStencil8UI, "Depth16UnormStencil8UI", 4},
    {PixelFormat::Depth24UnormStencil8UI, "Depth24UnormStencil8UI", 4},
    {PixelFormat::Depth32FStencil8UI, "Depth32FStencil8UI", 8},
};

TEST(CompatPixelFormat, ValuesNamesSizes) {
    UnsignedInt expectedValue = 1;
    for(const auto& data: PixelFormatData) {
        SCOPED_TRACE(data.name);
        EXPECT_EQ(UnsignedInt(data.format), expectedValue++);
        EXPECT_EQ(debugString(data.format, true), data.name);
        EXPECT_EQ(debugString(data.format), std::string{"PixelFormat::"} + data.name);
        EXPECT_EQ(pixelFormatSize(data.format), data.size);
        EXPECT_EQ(isPixelFormatDepthOrStencil(data.format), UnsignedInt(data.format) >= UnsignedInt(PixelFormat::Depth16Unorm));
    }
}

enum class Type { Normalized, Integral, FloatingPoint };

const struct {
    PixelFormat format;
    PixelFormat channelFormat;
    UnsignedInt channelCount;
    Type type;
    bool srgb;
} ChannelData[]{
    {PixelFormat::R8Unorm, PixelFormat::R8Unorm, 1, Type::Normalized, false},
    {PixelFormat::RG8Snorm, PixelFormat::R8Snorm, 2, Type::Normalized, false},
    {PixelFormat::RGB8Srgb, PixelFormat::R8Srgb, 3, Type::Normalized, true},
    {PixelFormat::RG8Srgb, PixelFormat::R8Srgb, 2, Type::Normalized, true},
    {PixelFormat::RGBA8UI, PixelFormat::R8UI, 4, Type::Integral, false},
    {PixelFormat::RG8I, PixelFormat::R8I, 2, Type::Integral, false},
    {PixelFormat::RG16Unorm, PixelFormat::R16Unorm, 2, Type::Normalized, false},
    {PixelFormat::RGBA16Snorm, PixelFormat::R16Snorm, 4, Type::Normalized, false},
    {PixelFormat::R16UI, PixelFormat::R16UI, 1, Type::Integral, false},
    {PixelFormat::RGBA16I, PixelFormat::R16I, 4, Type::Integral, false},
    {PixelFormat::RGB32UI, PixelFormat::R32UI, 3, Type::Integral, false},
    {PixelFormat::RG32I, PixelFormat::R32I, 2, Type::Integral, false},
    {PixelFormat::RGB16F, PixelFormat::R16F, 3, Type::FloatingPoint, false},
    {PixelFormat::RGBA32F, PixelFormat::R32F, 4, Type::FloatingPoint, false},
};

TEST(CompatPixelFormat, Channels) {
    for(const auto& data: ChannelData) {
        SCOPED_TRACE(debugString(data.format));
        EXPECT_EQ(pixelFormatChannelFormat(data.format), data.channelFormat);
        EXPECT_EQ(pixelFormatChannelCount(data.format), data.channelCount);
        /* Exactly one of the three is true; normalized formats are neither
           integral nor floating-point */
        EXPECT_EQ(isPixelFormatNormalized(data.format), data.type == Type::Normalized);
        EXPECT_EQ(isPixelFormatIntegral(data.format), data.type == Type::Integral);
        EXPECT_EQ(isPixelFormatFloatingPoint(data.format), data.type == Type::FloatingPoint);
        EXPECT_EQ(isPixelFormatSrgb(data.format), data.srgb);
        EXPECT_FALSE(isPixelFormatDepthOrStencil(data.format));
    }
}

TEST(CompatPixelFormat, Assemble) {
    EXPECT_EQ(pixelFormat(PixelFormat::RGB16F, 4, false), PixelFormat::RGBA16F);
    EXPECT_EQ(pixelFormat(PixelFormat::RGBA32UI, 2, false), PixelFormat::RG32UI);
    EXPECT_EQ(pixelFormat(PixelFormat::R8Snorm, 3, false), PixelFormat::RGB8Snorm);
    EXPECT_EQ(pixelFormat(PixelFormat::RGB32F, 1, false), PixelFormat::R32F);
    /* Adding and removing the sRGB property */
    EXPECT_EQ(pixelFormat(PixelFormat::RGB8Unorm, 3, true), PixelFormat::RGB8Srgb);
    EXPECT_EQ(pixelFormat(PixelFormat::RGBA8Srgb, 4, false), PixelFormat::RGBA8Unorm);
    EXPECT_EQ(pixelFormat(PixelFormat::R8Srgb, 2, true), PixelFormat::RG8Srgb);
}

const struct {
    PixelFormat channel;
    bool srgb;
} AssembleRoundtripData[]{
    {PixelFormat::R8Unorm, false},
    {PixelFormat::R8Snorm, false},
    {PixelFormat::R8Srgb, true},
    {PixelFormat::R8UI, false},
    {PixelFormat::R8I, false},
    {PixelFormat::R16Unorm, false},
    {PixelFormat::R16Snorm, false},
    {PixelFormat::R16UI, false},
    {PixelFormat::R16I, false},
    {PixelFormat::R32UI, false},
    {PixelFormat::R32I, false},
    {PixelFormat::R16F, false},
    {PixelFormat::R32F, false},
};

TEST(CompatPixelFormat, AssembleRoundtrip) {
    for(const auto& data: AssembleRoundtripData) for(UnsignedInt count = 1; count <= 4; ++count) {
        SCOPED_TRACE(debugString(data.channel) + " " + std::to_string(count));
        const PixelFormat result = pixelFormat(data.channel, count, data.srgb);
        EXPECT_EQ(pixelFormat(result, count, data.srgb), result);
        EXPECT_EQ(pixelFormatChannelFormat(result), data.channel);
        EXPECT_EQ(pixelFormatChannelCount(result), count);
        EXPECT_EQ(isPixelFormatSrgb(result), data.srgb);
        EXPECT_EQ(pixelFormatSize(result), count*pixelFormatSize(data.channel));
    }
}

TEST(CompatPixelFormat, ImplementationSpecific) {
    constexpr PixelFormat wrapped = pixelFormatWrap(0xdead);
    constexpr bool a = isPixelFormatImplementationSpecific(PixelFormat::RGBA8Unorm);
    constexpr bool b = isPixelFormatImplementationSpecific(wrapped);
    constexpr UnsignedInt unwrapped = pixelFormatUnwrap(wrapped);
    EXPECT_EQ(UnsignedInt(wrapped), 0x8000deadu);
    EXPECT_FALSE(a);
    EXPECT_TRUE(b);
    EXPECT_EQ(unwrapped, 0xdeadu);

    const CompressedPixelFormat compressed = compressedPixelFormatWrap(0xdead);
    EXPECT_EQ(UnsignedInt(compressed), 0x8000deadu);
    EXPECT_TRUE(isCompressedPixelFormatImplementationSpecific(compressed));
    EXPECT_FALSE(isCompressedPixelFormatImplementationSpecific(CompressedPixelFormat::Bc1RGBAUnorm));
    EXPECT_EQ(compressedPixelFormatUnwrap(compressed), 0xdeadu);
}

TEST(CompatPixelFormat, Debug) {
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug{} << PixelFormat::RG16Snorm << PixelFormat(0xdead) << PixelFormat{};
        Utility::Debug{} << pixelFormatWrap(0xdead);
        Utility::Debug{} << Utility::Debug::packed << PixelFormat::RG16Snorm << Utility::Debug::packed << PixelFormat(0xdead) << PixelFormat::RGBA8Unorm;
        Utility::Debug{} << Utility::Debug::packed << pixelFormatWrap(0xdead) << PixelFormat::RGBA8Unorm;
        Utility::Debug{} << CompressedPixelFormat::Bc3RGBAUnorm << CompressedPixelFormat(0xdead);
        Utility::Debug{} << compressedPixelFormatWrap(0xdead) << CompressedPixelFormat::Astc10x10RGBAF;
        Utility::Debug{} << Utility::Debug::packed << CompressedPixelFormat::Bc3RGBAUnorm << Utility::Debug::packed << CompressedPixelFormat(0xdead) << CompressedPixelFormat::Astc10x10RGBAF;
    }
    EXPECT_EQ(out.str(),
        "PixelFormat::RG16Snorm PixelFormat(0xdead) PixelFormat(0x0)\n"
        "PixelFormat::ImplementationSpecific(0xdead)\n"
        "RG16Snorm 0xdead PixelFormat::RGBA8Unorm\n"
        "ImplementationSpecific(0xdead) PixelFormat::RGBA8Unorm\n"
        "CompressedPixelFormat::Bc3RGBAUnorm CompressedPixelFormat(0xdead)\n"
        "CompressedPixelFormat::ImplementationSpecific(0xdead) CompressedPixelFormat::Astc10x10RGBAF\n"
        "Bc3RGBAUnorm 0xdead CompressedPixelFormat::Astc10x10RGBAF\n");
}

const struct {
    CompressedPixelFormat format;
    UnsignedInt value;
    const char* name;
    Int width, height, depth;
    UnsignedInt dataSize;
    bool floatingPoint, srgb;
} CompressedData[]{
    {CompressedPixelFormat::Bc1RGBUnorm, 1, "Bc1RGBUnorm", 4, 4, 1, 8, false, false},
    {CompressedPixelFormat::Bc1RGBAUnorm, 3, "Bc1RGBAUnorm", 4, 4, 1, 8, false, false},
    {CompressedPixelFormat::Bc3RGBASrgb, 8, "Bc3RGBASrgb", 4, 4, 1, 16, false, true},
    {CompressedPixelFormat::Bc4RSnorm, 10, "Bc4RSnorm", 4, 4, 1, 8, false, false},
    {CompressedPixelFormat::Bc6hRGBUfloat, 13, "Bc6hRGBUfloat", 4, 4, 1, 16, true, false},
    {CompressedPixelFormat::Bc7RGBASrgb, 16, "Bc7RGBASrgb", 4, 4, 1, 16, false, true},
    {CompressedPixelFormat::EacR11Unorm, 17, "EacR11Unorm", 4, 4, 1, 8, false, false},
    {CompressedPixelFormat::EacRG11Snorm, 20, "EacRG11Snorm", 4, 4, 1, 16, false, false},
    {CompressedPixelFormat::Etc2RGB8A1Srgb, 24, "Etc2RGB8A1Srgb", 4, 4, 1, 8, false, true},
    {CompressedPixelFormat::Etc2RGBA8Srgb, 26, "Etc2RGBA8Srgb", 4, 4, 1, 16, false, true},
    {CompressedPixelFormat::Astc4x4RGBAUnorm, 27, "Astc4x4RGBAUnorm", 4, 4, 1, 16, false, false},
    {CompressedPixelFormat::Astc5x4RGBAUnorm, 30, "Astc5x4RGBAUnorm", 5, 4, 1, 16, false, false},
    {CompressedPixelFormat::Astc8x5RGBAF, 44, "Astc8x5RGBAF", 8, 5, 1, 16, true, false},
    {CompressedPixelFormat::Astc12x10RGBAUnorm, 63, "Astc12x10RGBAUnorm", 12, 10, 1, 16, false, false},
    {CompressedPixelFormat::Astc12x12RGBAF, 68, "Astc12x12RGBAF", 12, 12, 1, 16, true, false},
    {CompressedPixelFormat::Astc3x3x3RGBASrgb, 70, "Astc3x3x3RGBASrgb", 3, 3, 3, 16, false, true},
    {CompressedPixelFormat::Astc5x4x4RGBAUnorm, 81, "Astc5x4x4RGBAUnorm", 5, 4, 4, 16, false, false},
    {CompressedPixelFormat::Astc6x6x6RGBAF, 98, "Astc6x6x6RGBAF", 6, 6, 6, 16, true, false},
    {CompressedPixelFormat::PvrtcRGB2bppUnorm, 99, "PvrtcRGB2bppUnorm", 8, 4, 1, 8, false, false},
    {CompressedPixelFormat::PvrtcRGBA2bppUnorm, 101, "PvrtcRGBA2bppUnorm", 8, 4, 1, 8, false, false},
    {CompressedPixelFormat::PvrtcRGB4bppSrgb, 104, "PvrtcRGB4bppSrgb", 4, 4, 1, 8, false, true},
    {CompressedPixelFormat::PvrtcRGBA4bppSrgb, 106, "PvrtcRGBA4bppSrgb", 4, 4, 1, 8, false, true},
};

TEST(CompatCompressedPixelFormat, Properties) {
    for(const auto& data: CompressedData) {
        SCOPED_TRACE(data.name);
        EXPECT_EQ(UnsignedInt(data.format), data.value);
        EXPECT_EQ(debugString(data.format, true), data.name);
        const Vector3i blockSize = compressedPixelFormatBlockSize(data.format);
        EXPECT_EQ(blockSize.x(), data.width);
        EXPECT_EQ(blockSize.y(), data.height);
        EXPECT_EQ(blockSize.z(), data.depth);
        EXPECT_EQ(compressedPixelFormatBlockDataSize(data.format), data.dataSize);
        /* Exactly one of normalized and floating-point is true */
        EXPECT_EQ(isCompressedPixelFormatNormalized(data.format), !data.floatingPoint);
        EXPECT_EQ(isCompressedPixelFormatFloatingPoint(data.format), data.floatingPoint);
        EXPECT_EQ(isCompressedPixelFormatSrgb(data.format), data.srgb);
    }
}

const struct {
    const char* name;
    void(*call)(PixelFormat);
    const char* message;
} InvalidData[]{
    {"size", [](PixelFormat f) { pixelFormatSize(f); },
        "pixelFormatSize\\(\\): invalid format PixelFormat\\(0xdead\\)"},
    {"channel format", [](PixelFormat f) { pixelFormatChannelFormat(f); },
        "pixelFormatChannelFormat\\(\\): invalid format PixelFormat\\(0xdead\\)"},
    {"channel count", [](PixelFormat f) { pixelFormatChannelCount(f); },
        "pixelFormatChannelCount\\(\\): invalid format PixelFormat\\(0xdead\\)"},
    {"normalized", [](PixelFormat f) { isPixelFormatNormalized(f); },
        "isPixelFormatNormalized\\(\\): invalid format PixelFormat\\(0xdead\\)"},
    {"integral", [](PixelFormat f) { isPixelFormatIntegral(f); },
        "isPixelFormatIntegral\\(\\): invalid format PixelFormat\\(0xdead\\)"},
    {"floating-point", [](PixelFormat f) { isPixelFormatFloatingPoint(f); },
        "isPixelFormatFloatingPoint\\(\\): invalid format PixelFormat\\(0xdead\\)"},
    {"sRGB", [](PixelFormat f) { isPixelFormatSrgb(f); },
        "isPixelFormatSrgb\\(\\): invalid format PixelFormat\\(0xdead\\)"},
    {"depth or stencil", [](PixelFormat f) { isPixelFormatDepthOrStencil(f); },
        "isPixelFormatDepthOrStencil\\(\\): invalid format PixelFormat\\(0xdead\\)"},
};

TEST(CompatPixelFormatDeathTest, Invalid) {
    for(const auto& data: InvalidData) {
        SCOPED_TRACE(data.name);
        EXPECT_DEATH(data.call(PixelFormat(0xdead)), std::string{"^"} + data.message + "\n$");
    }
    EXPECT_DEATH(pixelFormatSize(PixelFormat{}), "^pixelFormatSize\\(\\): invalid format PixelFormat\\(0x0\\)\n$");
}

const struct {
    const char* name;
    void(*call)(PixelFormat);
    const char* implementationSpecificMessage;
    const char* depthStencilMessage;
} DepthStencilImplementationSpecificData[]{
    {"size", [](PixelFormat f) { pixelFormatSize(f); },
        "pixelFormatSize\\(\\): can't determine size of an implementation-specific format 0xdead", nullptr},
    {"channel format", [](PixelFormat f) { pixelFormatChannelFormat(f); },
        "pixelFormatChannelFormat\\(\\): can't determine channel format of an implementation-specific format 0xdead",
        "pixelFormatChannelFormat\\(\\): can't determine channel format of PixelFormat::Depth16Unorm"},
    {"channel count", [](PixelFormat f) { pixelFormatChannelCount(f); },
        "pixelFormatChannelCount\\(\\): can't determine channel count of an implementation-specific format 0xdead",
        "pixelFormatChannelCount\\(\\): can't determine channel count of PixelFormat::Depth16Unorm"},
    {"normalized", [](PixelFormat f) { isPixelFormatNormalized(f); },
        "isPixelFormatNormalized\\(\\): can't determine type of an implementation-specific format 0xdead",
        "isPixelFormatNormalized\\(\\): can't determine type of PixelFormat::Depth16Unorm"},
    {"integral", [](PixelFormat f) { isPixelFormatIntegral(f); },
        "isPixelFormatIntegral\\(\\): can't determine type of an implementation-specific format 0xdead",
        "isPixelFormatIntegral\\(\\): can't determine type of PixelFormat::Depth16Unorm"},
    {"floating-point", [](PixelFormat f) { isPixelFormatFloatingPoint(f); },
        "isPixelFormatFloatingPoint\\(\\): can't determine type of an implementation-specific format 0xdead",
        "isPixelFormatFloatingPoint\\(\\): can't determine type of PixelFormat::Depth16Unorm"},
    {"sRGB", [](PixelFormat f) { isPixelFormatSrgb(f); },
        "isPixelFormatSrgb\\(\\): can't determine colorspace of an implementation-specific format 0xdead",
        "isPixelFormatSrgb\\(\\): can't determine colorspace of PixelFormat::Depth16Unorm"},
    {"depth or stencil", [](PixelFormat f) { isPixelFormatDepthOrStencil(f); },
        "isPixelFormatDepthOrStencil\\(\\): can't determine type of an implementation-specific format 0xdead", nullptr},
    {"assemble", [](PixelFormat f) { pixelFormat(f, 1, true); },
        "pixelFormat\\(\\): can't assemble a format out of an implementation-specific format 0xdead",
        "pixelFormat\\(\\): can't assemble a format out of PixelFormat::Depth16Unorm"},
};

TEST(CompatPixelFormatDeathTest, DepthStencilImplementationSpecific) {
    for(const auto& data: DepthStencilImplementationSpecificData) {
        SCOPED_TRACE(data.name);
        EXPECT_DEATH(data.call(pixelFormatWrap(0xdead)), std::string{"^"} + data.implementationSpecificMessage + "\n$");
        if(data.depthStencilMessage) {
            EXPECT_DEATH(data.call(PixelFormat::Depth16Unorm), std::string{"^"} + data.depthStencilMessage + "\n$");
        }
    }
}

TEST(CompatPixelFormatDeathTest, AssembleInvalid) {
    EXPECT_DEATH(pixelFormat(PixelFormat::R8Snorm, 1, true),
        "^pixelFormat\\(\\): PixelFormat::R8Snorm can't be made sRGB\n$");
    EXPECT_DEATH(pixelFormat(PixelFormat::RGBA16F, 3, true),
        "^pixelFormat\\(\\): PixelFormat::RGBA16F can't be made sRGB\n$");
    EXPECT_DEATH(pixelFormat(PixelFormat::RGB8Unorm, 0, false),
        "^pixelFormat\\(\\): invalid component count 0\n$");
    EXPECT_DEATH(pixelFormat(PixelFormat::RGB8Unorm, 5, false),
        "^pixelFormat\\(\\): invalid component count 5\n$");
}

TEST(CompatPixelFormatDeathTest, WrapUnwrap) {
    EXPECT_DEATH(pixelFormatWrap(0xdeadbeef),
        "^pixelFormatWrap\\(\\): implementation-specific value 0xdeadbeef already wrapped or too large\n$");
    EXPECT_DEATH(pixelFormatUnwrap(PixelFormat::R8Snorm),
        "^pixelFormatUnwrap\\(\\): PixelFormat::R8Snorm isn't a wrapped implementation-specific value\n$");
    EXPECT_DEATH(compressedPixelFormatWrap(0xdeadbeef),
        "^compressedPixelFormatWrap\\(\\): implementation-specific value 0xdeadbeef already wrapped or too large\n$");
    EXPECT_DEATH(compressedPixelFormatUnwrap(CompressedPixelFormat::EacR11Snorm),
        "^compressedPixelFormatUnwrap\\(\\): CompressedPixelFormat::EacR11Snorm isn't a wrapped implementation-specific value\n$");
}

const struct {
    const char* name;
    void(*call)(CompressedPixelFormat);
    const char* invalidMessage;
    const char* implementationSpecificMessage;
} CompressedInvalidData[]{
    {"block size", [](CompressedPixelFormat f) { compressedPixelFormatBlockSize(f); },
        "compressedPixelFormatBlockSize\\(\\): invalid format CompressedPixelFormat\\(0xdead\\)",
        "compressedPixelFormatBlockSize\\(\\): can't determine size of an implementation-specific format 0xdead"},
    {"block data size", [](CompressedPixelFormat f) { compressedPixelFormatBlockDataSize(f); },
        "compressedPixelFormatBlockDataSize\\(\\): invalid format CompressedPixelFormat\\(0xdead\\)",
        "compressedPixelFormatBlockDataSize\\(\\): can't determine size of an implementation-specific format 0xdead"},
    {"normalized", [](CompressedPixelFormat f) { isCompressedPixelFormatNormalized(f); },
        "isCompressedPixelFormatNormalized\\(\\): invalid format CompressedPixelFormat\\(0xdead\\)",
        "isCompressedPixelFormatNormalized\\(\\): can't determine type of an implementation-specific format 0xdead"},
    {"floating-point", [](CompressedPixelFormat f) { isCompressedPixelFormatFloatingPoint(f); },
        "isCompressedPixelFormatFloatingPoint\\(\\): invalid format CompressedPixelFormat\\(0xdead\\)",
        "isCompressedPixelFormatFloatingPoint\\(\\): can't determine type of an implementation-specific format 0xdead"},
    {"sRGB", [](CompressedPixelFormat f) { isCompressedPixelFormatSrgb(f); },
        "isCompressedPixelFormatSrgb\\(\\): invalid format CompressedPixelFormat\\(0xdead\\)",
        "isCompressedPixelFormatSrgb\\(\\): can't determine colorspace of an implementation-specific format 0xdead"},
};

TEST(CompatCompressedPixelFormatDeathTest, InvalidImplementationSpecific) {
    for(const auto& data: CompressedInvalidData) {
        SCOPED_TRACE(data.name);
        EXPECT_DEATH(data.call(CompressedPixelFormat(0xdead)), std::string{"^"} + data.invalidMessage + "\n$");
        EXPECT_DEATH(data.call(compressedPixelFormatWrap(0xdead)), std::string{"^"} + data.implementationSpecificMessage + "\n$");
    }
    EXPECT_DEATH(compressedPixelFormatBlockSize(CompressedPixelFormat{}),
        "^compressedPixelFormatBlockSize\\(\\): invalid format CompressedPixelFormat\\(0x0\\)\n$");
}

}}}
