#include "Magnum/PixelFormat.h"

#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "printEnum.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum {

using Corrade::Utility::Debug;

namespace {

constexpr const char* PixelFormatNames[]{
    "R8Unorm", "RG8Unorm", "RGB8Unorm", "RGBA8Unorm",
    "R8Snorm", "RG8Snorm", "RGB8Snorm", "RGBA8Snorm",
    "R8Srgb", "RG8Srgb", "RGB8Srgb", "RGBA8Srgb",
    "R8UI", "RG8UI", "RGB8UI", "RGBA8UI",
    "R8I", "RG8I", "RGB8I", "RGBA8I",
    "R16Unorm", "RG16Unorm", "RGB16Unorm", "RGBA16Unorm",
    "R16Snorm", "RG16Snorm", "RGB16Snorm", "RGBA16Snorm",
    "R16UI", "RG16UI", "RGB16UI", "RGBA16UI",
    "R16I", "RG16I", "RGB16I", "RGBA16I",
    "R32UI", "RG32UI", "RGB32UI", "RGBA32UI",
    "R32I", "RG32I", "RGB32I", "RGBA32I",
    "R16F", "RG16F", "RGB16F", "RGBA16F",
    "R32F", "RG32F", "RGB32F", "RGBA32F",
    "Depth16Unorm", "Depth24Unorm", "Depth32F", "Stencil8UI",
    "Depth16UnormStencil8UI", "Depth24UnormStencil8UI", "Depth32FStencil8UI"
};

constexpr UnsignedInt PixelFormatCount = sizeof(PixelFormatNames)/sizeof(PixelFormatNames[0]);
static_assert(UnsignedInt(PixelFormat::Depth32FStencil8UI) == PixelFormatCount, "names out of sync");

/* Color formats come in groups of one to four channels of the same type,
   depth/stencil formats follow after them */
constexpr UnsignedInt ColorFormatCount = UnsignedInt(PixelFormat::RGBA32F);
static_assert(UnsignedInt(PixelFormat::Depth16Unorm) == ColorFormatCount + 1, "unexpected layout");

enum class ChannelType: UnsignedByte { Normalized, Integral, FloatingPoint };

struct ChannelGroup {
    UnsignedByte size;
    ChannelType type;
    bool srgb;
};

constexpr ChannelGroup ChannelGroups[ColorFormatCount/4]{
    {1, ChannelType::Normalized, false},    /* 8Unorm */
    {1, ChannelType::Normalized, false},    /* 8Snorm */
    {1, ChannelType::Normalized, true},     /* 8Srgb */
    {1, ChannelType::Integral, false},      /* 8UI */
    {1, ChannelType::Integral, false},      /* 8I */
    {2, ChannelType::Normalized, false},    /* 16Unorm */
    {2, ChannelType::Normalized, false},    /* 16Snorm */
    {2, ChannelType::Integral, false},      /* 16UI */
    {2, ChannelType::Integral, false},      /* 16I */
    {4, ChannelType::Integral, false},      /* 32UI */
    {4, ChannelType::Integral, false},      /* 32I */
    {2, ChannelType::FloatingPoint, false}, /* 16F */
    {4, ChannelType::FloatingPoint, false}  /* 32F */
};

/* Pixel sizes of the depth/stencil formats, in enum order. The combined
   16-bit depth + stencil and 32-bit float depth + stencil are padded. */
constexpr UnsignedByte DepthStencilSizes[]{2, 4, 4, 1, 4, 4, 8};
static_assert(ColorFormatCount + sizeof(DepthStencilSizes) == PixelFormatCount, "depth/stencil sizes out of sync");

/* Index of the color format, or a value >= ColorFormatCount for depth/stencil
   and invalid formats */
inline UnsignedInt colorIndex(const PixelFormat format) {
    return UnsignedInt(format) - 1;
}

inline bool isDepthStencil(const PixelFormat format) {
    return UnsignedInt(format) > ColorFormatCount && UnsignedInt(format) <= PixelFormatCount;
}

/* Common implementation of the type queries */
bool isChannelType(const PixelFormat format, const ChannelType type, const char* const function) {
    /* Used only in assertion messages */
    static_cast<void>(function);
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        function << Debug::nospace << "(): can't determine type of an implementation-specific format" << Debug::hex << pixelFormatUnwrap(format), {});
    if(isDepthStencil(format))
        CORRADE_ASSERT_UNREACHABLE(function << Debug::nospace << "(): can't determine type of" << format, {});
    const UnsignedInt index = colorIndex(format);
    if(index >= ColorFormatCount)
        CORRADE_ASSERT_UNREACHABLE(function << Debug::nospace << "(): invalid format" << format, {});
    return ChannelGroups[index/4].type == type;
}

}

UnsignedInt pixelFormatSize(const PixelFormat format) {
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        "pixelFormatSize(): can't determine size of an implementation-specific format" << Debug::hex << pixelFormatUnwrap(format), {});
    const UnsignedInt index = colorIndex(format);
    if(index < ColorFormatCount)
        return ChannelGroups[index/4].size*(index % 4 + 1);
    if(isDepthStencil(format))
        return DepthStencilSizes[index - ColorFormatCount];
    CORRADE_ASSERT_UNREACHABLE("pixelFormatSize(): invalid format" << format, {});
}

PixelFormat pixelFormatChannelFormat(const PixelFormat format) {
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        "pixelFormatChannelFormat(): can't determine channel format of an implementation-specific format" << Debug::hex << pixelFormatUnwrap(format), {});
    if(isDepthStencil(format))
        CORRADE_ASSERT_UNREACHABLE("pixelFormatChannelFormat(): can't determine channel format of" << format, {});
    const UnsignedInt index = colorIndex(format);
    if(index >= ColorFormatCount)
        CORRADE_ASSERT_UNREACHABLE("pixelFormatChannelFormat(): invalid format" << format, {});
    return PixelFormat(index/4*4 + 1);
}

UnsignedInt pixelFormatChannelCount(const PixelFormat format) {
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        "pixelFormatChannelCount(): can't determine channel count of an implementation-specific format" << Debug::hex << pixelFormatUnwrap(format), {});
    if(isDepthStencil(format))
        CORRADE_ASSERT_UNREACHABLE("pixelFormatChannelCount(): can't determine channel count of" << format, {});
    const UnsignedInt index = colorIndex(format);
    if(index >= ColorFormatCount)
        CORRADE_ASSERT_UNREACHABLE("pixelFormatChannelCount(): invalid format" << format, {});
    return index % 4 + 1;
}

bool isPixelFormatNormalized(const PixelFormat format) {
    return isChannelType(format, ChannelType::Normalized, "isPixelFormatNormalized");
}

bool isPixelFormatIntegral(const PixelFormat format) {
    return isChannelType(format, ChannelType::Integral, "isPixelFormatIntegral");
}

bool isPixelFormatFloatingPoint(const PixelFormat format) {
    return isChannelType(format, ChannelType::FloatingPoint, "isPixelFormatFloatingPoint");
}

bool isPixelFormatSrgb(const PixelFormat format) {
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        "isPixelFormatSrgb(): can't determine colorspace of an implementation-specific format" << Debug::hex << pixelFormatUnwrap(format), {});
    if(isDepthStencil(format))
        CORRADE_ASSERT_UNREACHABLE("isPixelFormatSrgb(): can't determine colorspace of" << format, {});
    const UnsignedInt index = colorIndex(format);
    if(index >= ColorFormatCount)
        CORRADE_ASSERT_UNREACHABLE("isPixelFormatSrgb(): invalid format" << format, {});
    return ChannelGroups[index/4].srgb;
}

bool isPixelFormatDepthOrStencil(const PixelFormat format) {
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        "isPixelFormatDepthOrStencil(): can't determine type of an implementation-specific format" << Debug::hex << pixelFormatUnwrap(format), {});
    if(isDepthStencil(format)) return true;
    if(colorIndex(format) < ColorFormatCount) return false;
    CORRADE_ASSERT_UNREACHABLE("isPixelFormatDepthOrStencil(): invalid format" << format, {});
}

PixelFormat pixelFormat(const PixelFormat format, const UnsignedInt channelCount, const bool srgb) {
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        "pixelFormat(): can't assemble a format out of an implementation-specific format" << Debug::hex << pixelFormatUnwrap(format), {});
    CORRADE_ASSERT(!isPixelFormatDepthOrStencil(format),
        "pixelFormat(): can't assemble a format out of" << format, {});

    PixelFormat channelFormat = pixelFormatChannelFormat(format);

    /* The 8-bit sRGB group has the same layout as the 8-bit Unorm one */
    constexpr UnsignedInt SrgbDistance = UnsignedInt(PixelFormat::R8Srgb) - UnsignedInt(PixelFormat::R8Unorm);
    if(srgb && channelFormat != PixelFormat::R8Srgb) {
        CORRADE_ASSERT(channelFormat == PixelFormat::R8Unorm,
            "pixelFormat():" << format << "can't be made sRGB", {});
        channelFormat = PixelFormat(UnsignedInt(channelFormat) + SrgbDistance);
    } else if(!srgb && channelFormat == PixelFormat::R8Srgb)
        channelFormat = PixelFormat(UnsignedInt(channelFormat) - SrgbDistance);

    CORRADE_ASSERT(channelCount >= 1 && channelCount <= 4,
        "pixelFormat(): invalid component count" << channelCount, {});
    return PixelFormat(UnsignedInt(channelFormat) + channelCount - 1);
}

Debug& operator<<(Debug& debug, const PixelFormat value) {
    return Implementation::printEnum(debug, "PixelFormat", UnsignedInt(value), PixelFormatNames, PixelFormatCount);
}

namespace {

enum class CompressedType: UnsignedByte { Normalized, Srgb, FloatingPoint };

struct CompressedFormatInfo {
    const char* name;
    UnsignedByte width, height, depth;
    UnsignedByte dataSize; /* bytes per block */
    CompressedType type;
};

constexpr CompressedType N = CompressedType::Normalized;
constexpr CompressedType S = CompressedType::Srgb;
constexpr CompressedType F = CompressedType::FloatingPoint;

/* In enum order, indexed by value - 1 */
constexpr CompressedFormatInfo CompressedFormats[]{
    {"Bc1RGBUnorm", 4, 4, 1, 8, N},
    {"Bc1RGBSrgb", 4, 4, 1, 8, S},
    {"Bc1RGBAUnorm", 4, 4, 1, 8, N},
    {"Bc1RGBASrgb", 4, 4, 1, 8, S},
    {"Bc2RGBAUnorm", 4, 4, 1, 16, N},
    {"Bc2RGBASrgb", 4, 4, 1, 16, S},
    {"Bc3RGBAUnorm", 4, 4, 1, 16, N},
    {"Bc3RGBASrgb", 4, 4, 1, 16, S},
    {"Bc4RUnorm", 4, 4, 1, 8, N},
    {"Bc4RSnorm", 4, 4, 1, 8, N},
    {"Bc5RGUnorm", 4, 4, 1, 16, N},
    {"Bc5RGSnorm", 4, 4, 1, 16, N},
    {"Bc6hRGBUfloat", 4, 4, 1, 16, F},
    {"Bc6hRGBSfloat", 4, 4, 1, 16, F},
    {"Bc7RGBAUnorm", 4, 4, 1, 16, N},
    {"Bc7RGBASrgb", 4, 4, 1, 16, S},
    {"EacR11Unorm", 4, 4, 1, 8, N},
    {"EacR11Snorm", 4, 4, 1, 8, N},
    {"EacRG11Unorm", 4, 4, 1, 16, N},
    {"EacRG11Snorm", 4, 4, 1, 16, N},
    {"Etc2RGB8Unorm", 4, 4, 1, 8, N},
    {"Etc2RGB8Srgb", 4, 4, 1, 8, S},
    {"Etc2RGB8A1Unorm", 4, 4, 1, 8, N},
    {"Etc2RGB8A1Srgb", 4, 4, 1, 8, S},
    {"Etc2RGBA8Unorm", 4, 4, 1, 16, N},
    {"Etc2RGBA8Srgb", 4, 4, 1, 16, S},
    /* Every ASTC block is 128 bits */
    {"Astc4x4RGBAUnorm", 4, 4, 1, 16, N},
    {"Astc4x4RGBASrgb", 4, 4, 1, 16, S},
    {"Astc4x4RGBAF", 4, 4, 1, 16, F},
    {"Astc5x4RGBAUnorm", 5, 4, 1, 16, N},
    {"Astc5x4RGBASrgb", 5, 4, 1, 16, S},
    {"Astc5x4RGBAF", 5, 4, 1, 16, F},
    {"Astc5x5RGBAUnorm", 5, 5, 1, 16, N},
    {"Astc5x5RGBASrgb", 5, 5, 1, 16, S},
    {"Astc5x5RGBAF", 5, 5, 1, 16, F},
    {"Astc6x5RGBAUnorm", 6, 5, 1, 16, N},
    {"Astc6x5RGBASrgb", 6, 5, 1, 16, S},
    {"Astc6x5RGBAF", 6, 5, 1, 16, F},
    {"Astc6x6RGBAUnorm", 6, 6, 1, 16, N},
    {"Astc6x6RGBASrgb", 6, 6, 1, 16, S},
    {"Astc6x6RGBAF", 6, 6, 1, 16, F},
    {"Astc8x5RGBAUnorm", 8, 5, 1, 16, N},
    {"Astc8x5RGBASrgb", 8, 5, 1, 16, S},
    {"Astc8x5RGBAF", 8, 5, 1, 16, F},
    {"Astc8x6RGBAUnorm", 8, 6, 1, 16, N},
    {"Astc8x6RGBASrgb", 8, 6, 1, 16, S},
    {"Astc8x6RGBAF", 8, 6, 1, 16, F},
    {"Astc8x8RGBAUnorm", 8, 8, 1, 16, N},
    {"Astc8x8RGBASrgb", 8, 8, 1, 16, S},
    {"Astc8x8RGBAF", 8, 8, 1, 16, F},
    {"Astc10x5RGBAUnorm", 10, 5, 1, 16, N},
    {"Astc10x5RGBASrgb", 10, 5, 1, 16, S},
    {"Astc10x5RGBAF", 10, 5, 1, 16, F},
    {"Astc10x6RGBAUnorm", 10, 6, 1, 16, N},
    {"Astc10x6RGBASrgb", 10, 6, 1, 16, S},
    {"Astc10x6RGBAF", 10, 6, 1, 16, F},
    {"Astc10x8RGBAUnorm", 10, 8, 1, 16, N},
    {"Astc10x8RGBASrgb", 10, 8, 1, 16, S},
    {"Astc10x8RGBAF", 10, 8, 1, 16, F},
    {"Astc10x10RGBAUnorm", 10, 10, 1, 16, N},
    {"Astc10x10RGBASrgb", 10, 10, 1, 16, S},
    {"Astc10x10RGBAF", 10, 10, 1, 16, F},
    {"Astc12x10RGBAUnorm", 12, 10, 1, 16, N},
    {"Astc12x10RGBASrgb", 12, 10, 1, 16, S},
    {"Astc12x10RGBAF", 12, 10, 1, 16, F},
    {"Astc12x12RGBAUnorm", 12, 12, 1, 16, N},
    {"Astc12x12RGBASrgb", 12, 12, 1, 16, S},
    {"Astc12x12RGBAF", 12, 12, 1, 16, F},
    {"Astc3x3x3RGBAUnorm", 3, 3, 3, 16, N},
    {"Astc3x3x3RGBASrgb", 3, 3, 3, 16, S},
    {"Astc3x3x3RGBAF", 3, 3, 3, 16, F},
    {"Astc4x3x3RGBAUnorm", 4, 3, 3, 16, N},
    {"Astc4x3x3RGBASrgb", 4, 3, 3, 16, S},
    {"Astc4x3x3RGBAF", 4, 3, 3, 16, F},
    {"Astc4x4x3RGBAUnorm", 4, 4, 3, 16, N},
    {"Astc4x4x3RGBASrgb", 4, 4, 3, 16, S},
    {"Astc4x4x3RGBAF", 4, 4, 3, 16, F},
    {"Astc4x4x4RGBAUnorm", 4, 4, 4, 16, N},
    {"Astc4x4x4RGBASrgb", 4, 4, 4, 16, S},
    {"Astc4x4x4RGBAF", 4, 4, 4, 16, F},
    {"Astc5x4x4RGBAUnorm", 5, 4, 4, 16, N},
    {"Astc5x4x4RGBASrgb", 5, 4, 4, 16, S},
    {"Astc5x4x4RGBAF", 5, 4, 4, 16, F},
    {"Astc5x5x4RGBAUnorm", 5, 5, 4, 16, N},
    {"Astc5x5x4RGBASrgb", 5, 5, 4, 16, S},
    {"Astc5x5x4RGBAF", 5, 5, 4, 16, F},
    {"Astc5x5x5RGBAUnorm", 5, 5, 5, 16, N},
    {"Astc5x5x5RGBASrgb", 5, 5, 5, 16, S},
    {"Astc5x5x5RGBAF", 5, 5, 5, 16, F},
    {"Astc6x5x5RGBAUnorm", 6, 5, 5, 16, N},
    {"Astc6x5x5RGBASrgb", 6, 5, 5, 16, S},
    {"Astc6x5x5RGBAF", 6, 5, 5, 16, F},
    {"Astc6x6x5RGBAUnorm", 6, 6, 5, 16, N},
    {"Astc6x6x5RGBASrgb", 6, 6, 5, 16, S},
    {"Astc6x6x5RGBAF", 6, 6, 5, 16, F},
    {"Astc6x6x6RGBAUnorm", 6, 6, 6, 16, N},
    {"Astc6x6x6RGBASrgb", 6, 6, 6, 16, S},
    {"Astc6x6x6RGBAF", 6, 6, 6, 16, F},
    /* 2bpp variants pack 8x4 pixels into a 64-bit block */
    {"PvrtcRGB2bppUnorm", 8, 4, 1, 8, N},
    {"PvrtcRGB2bppSrgb", 8, 4, 1, 8, S},
    {"PvrtcRGBA2bppUnorm", 8, 4, 1, 8, N},
    {"PvrtcRGBA2bppSrgb", 8, 4, 1, 8, S},
    {"PvrtcRGB4bppUnorm", 4, 4, 1, 8, N},
    {"PvrtcRGB4bppSrgb", 4, 4, 1, 8, S},
    {"PvrtcRGBA4bppUnorm", 4, 4, 1, 8, N},
    {"PvrtcRGBA4bppSrgb", 4, 4, 1, 8, S}
};

constexpr UnsignedInt CompressedFormatCount = sizeof(CompressedFormats)/sizeof(CompressedFormats[0]);
static_assert(UnsignedInt(CompressedPixelFormat::PvrtcRGBA4bppSrgb) == CompressedFormatCount, "table out of sync");

/* Names gathered for the shared printer */
struct CompressedNames {
    const char* names[CompressedFormatCount];
};
constexpr CompressedNames compressedNames() {
    CompressedNames out{};
    for(UnsignedInt i = 0; i != CompressedFormatCount; ++i)
        out.names[i] = CompressedFormats[i].name;
    return out;
}
constexpr CompressedNames CompressedPixelFormatNames = compressedNames();

}

Vector3i compressedPixelFormatBlockSize(const CompressedPixelFormat format) {
    CORRADE_ASSERT(!isCompressedPixelFormatImplementationSpecific(format),
        "compressedPixelFormatBlockSize(): can't determine size of an implementation-specific format" << Debug::hex << compressedPixelFormatUnwrap(format), {});
    CORRADE_ASSERT(UnsignedInt(format) - 1 < CompressedFormatCount,
        "compressedPixelFormatBlockSize(): invalid format" << format, {});
    const CompressedFormatInfo& info = CompressedFormats[UnsignedInt(format) - 1];
    return Vector3i{info.width, info.height, info.depth};
}

UnsignedInt compressedPixelFormatBlockDataSize(const CompressedPixelFormat format) {
    CORRADE_ASSERT(!isCompressedPixelFormatImplementationSpecific(format),
        "compressedPixelFormatBlockDataSize(): can't determine size of an implementation-specific format" << Debug::hex << compressedPixelFormatUnwrap(format), {});
    CORRADE_ASSERT(UnsignedInt(format) - 1 < CompressedFormatCount,
        "compressedPixelFormatBlockDataSize(): invalid format" << format, {});
    return CompressedFormats[UnsignedInt(format) - 1].dataSize;
}

bool isCompressedPixelFormatNormalized(const CompressedPixelFormat format) {
    CORRADE_ASSERT(!isCompressedPixelFormatImplementationSpecific(format),
        "isCompressedPixelFormatNormalized(): can't determine type of an implementation-specific format" << Debug::hex << compressedPixelFormatUnwrap(format), {});
    CORRADE_ASSERT(UnsignedInt(format) - 1 < CompressedFormatCount,
        "isCompressedPixelFormatNormalized(): invalid format" << format, {});
    return CompressedFormats[UnsignedInt(format) - 1].type != CompressedType::FloatingPoint;
}

bool isCompressedPixelFormatFloatingPoint(const CompressedPixelFormat format) {
    CORRADE_ASSERT(!isCompressedPixelFormatImplementationSpecific(format),
        "isCompressedPixelFormatFloatingPoint(): can't determine type of an implementation-specific format" << Debug::hex << compressedPixelFormatUnwrap(format), {});
    CORRADE_ASSERT(UnsignedInt(format) - 1 < CompressedFormatCount,
        "isCompressedPixelFormatFloatingPoint(): invalid format" << format, {});
    return CompressedFormats[UnsignedInt(format) - 1].type == CompressedType::FloatingPoint;
}

bool isCompressedPixelFormatSrgb(const CompressedPixelFormat format) {
    CORRADE_ASSERT(!isCompressedPixelFormatImplementationSpecific(format),
        "isCompressedPixelFormatSrgb(): can't determine colorspace of an implementation-specific format" << Debug::hex << compressedPixelFormatUnwrap(format), {});
    CORRADE_ASSERT(UnsignedInt(format) - 1 < CompressedFormatCount,
        "isCompressedPixelFormatSrgb(): invalid format" << format, {});
    return CompressedFormats[UnsignedInt(format) - 1].type == CompressedType::Srgb;
}

Debug& operator<<(Debug& debug, const CompressedPixelFormat value) {
    return Implementation::printEnum(debug, "CompressedPixelFormat", UnsignedInt(value), CompressedPixelFormatNames.names, CompressedFormatCount);
}

}
