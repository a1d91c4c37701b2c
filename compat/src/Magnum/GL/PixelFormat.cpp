#include "Magnum/GL/PixelFormat.h"
#include "Magnum/GL/TextureFormat.h"

#include <epoxy/gl.h>

#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "Magnum/PixelFormat.h"

namespace Magnum { namespace GL {

static_assert(UnsignedInt(TextureFormat::Red) == GL_RED, "");
static_assert(UnsignedInt(TextureFormat::R8) == GL_R8, "");
static_assert(UnsignedInt(TextureFormat::RG) == GL_RG, "");
static_assert(UnsignedInt(TextureFormat::RG8) == GL_RG8, "");
static_assert(UnsignedInt(TextureFormat::RGB) == GL_RGB, "");
static_assert(UnsignedInt(TextureFormat::RGB8) == GL_RGB8, "");
static_assert(UnsignedInt(TextureFormat::RGBA) == GL_RGBA, "");
static_assert(UnsignedInt(TextureFormat::RGBA8) == GL_RGBA8, "");
static_assert(UnsignedInt(TextureFormat::SR8) == GL_SR8_EXT, "");
static_assert(UnsignedInt(TextureFormat::SRGB) == GL_SRGB, "");
static_assert(UnsignedInt(TextureFormat::SRGB8) == GL_SRGB8, "");
static_assert(UnsignedInt(TextureFormat::SRGBAlpha) == GL_SRGB_ALPHA, "");
static_assert(UnsignedInt(TextureFormat::SRGB8Alpha8) == GL_SRGB8_ALPHA8, "");
static_assert(UnsignedInt(TextureFormat::R8Snorm) == GL_R8_SNORM, "");
static_assert(UnsignedInt(TextureFormat::RG8Snorm) == GL_RG8_SNORM, "");
static_assert(UnsignedInt(TextureFormat::RGB8Snorm) == GL_RGB8_SNORM, "");
static_assert(UnsignedInt(TextureFormat::RGBA8Snorm) == GL_RGBA8_SNORM, "");
static_assert(UnsignedInt(TextureFormat::R16) == GL_R16, "");
static_assert(UnsignedInt(TextureFormat::RG16) == GL_RG16, "");
static_assert(UnsignedInt(TextureFormat::RGB16) == GL_RGB16, "");
static_assert(UnsignedInt(TextureFormat::RGBA16) == GL_RGBA16, "");
static_assert(UnsignedInt(TextureFormat::R16Snorm) == GL_R16_SNORM, "");
static_assert(UnsignedInt(TextureFormat::RG16Snorm) == GL_RG16_SNORM, "");
static_assert(UnsignedInt(TextureFormat::RGB16Snorm) == GL_RGB16_SNORM, "");
static_assert(UnsignedInt(TextureFormat::RGBA16Snorm) == GL_RGBA16_SNORM, "");
static_assert(UnsignedInt(TextureFormat::R8UI) == GL_R8UI, "");
static_assert(UnsignedInt(TextureFormat::RG8UI) == GL_RG8UI, "");
static_assert(UnsignedInt(TextureFormat::RGB8UI) == GL_RGB8UI, "");
static_assert(UnsignedInt(TextureFormat::RGBA8UI) == GL_RGBA8UI, "");
static_assert(UnsignedInt(TextureFormat::R8I) == GL_R8I, "");
static_assert(UnsignedInt(TextureFormat::RG8I) == GL_RG8I, "");
static_assert(UnsignedInt(TextureFormat::RGB8I) == GL_RGB8I, "");
static_assert(UnsignedInt(TextureFormat::RGBA8I) == GL_RGBA8I, "");
static_assert(UnsignedInt(TextureFormat::R16UI) == GL_R16UI, "");
static_assert(UnsignedInt(TextureFormat::RG16UI) == GL_RG16UI, "");
static_assert(UnsignedInt(TextureFormat::RGB16UI) == GL_RGB16UI, "");
static_assert(UnsignedInt(TextureFormat::RGBA16UI) == GL_RGBA16UI, "");
static_assert(UnsignedInt(TextureFormat::R16I) == GL_R16I, "");
static_assert(UnsignedInt(TextureFormat::RG16I) == GL_RG16I, "");
static_assert(UnsignedInt(TextureFormat::RGB16I) == GL_RGB16I, "");
static_assert(UnsignedInt(TextureFormat::RGBA16I) == GL_RGBA16I, "");
static_assert(UnsignedInt(TextureFormat::R32UI) == GL_R32UI, "");
static_assert(UnsignedInt(TextureFormat::RG32UI) == GL_RG32UI, "");
static_assert(UnsignedInt(TextureFormat::RGB32UI) == GL_RGB32UI, "");
static_assert(UnsignedInt(TextureFormat::RGBA32UI) == GL_RGBA32UI, "");
static_assert(UnsignedInt(TextureFormat::R32I) == GL_R32I, "");
static_assert(UnsignedInt(TextureFormat::RG32I) == GL_RG32I, "");
static_assert(UnsignedInt(TextureFormat::RGB32I) == GL_RGB32I, "");
static_assert(UnsignedInt(TextureFormat::RGBA32I) == GL_RGBA32I, "");
static_assert(UnsignedInt(TextureFormat::R16F) == GL_R16F, "");
static_assert(UnsignedInt(TextureFormat::RG16F) == GL_RG16F, "");
static_assert(UnsignedInt(TextureFormat::RGB16F) == GL_RGB16F, "");
static_assert(UnsignedInt(TextureFormat::RGBA16F) == GL_RGBA16F, "");
static_assert(UnsignedInt(TextureFormat::R32F) == GL_R32F, "");
static_assert(UnsignedInt(TextureFormat::RG32F) == GL_RG32F, "");
static_assert(UnsignedInt(TextureFormat::RGB32F) == GL_RGB32F, "");
static_assert(UnsignedInt(TextureFormat::RGBA32F) == GL_RGBA32F, "");
static_assert(UnsignedInt(TextureFormat::R3G3B2) == GL_R3_G3_B2, "");
static_assert(UnsignedInt(TextureFormat::RGB4) == GL_RGB4, "");
static_assert(UnsignedInt(TextureFormat::RGB5) == GL_RGB5, "");
static_assert(UnsignedInt(TextureFormat::RGB565) == GL_RGB565, "");
static_assert(UnsignedInt(TextureFormat::RGB10) == GL_RGB10, "");
static_assert(UnsignedInt(TextureFormat::RGB12) == GL_RGB12, "");
static_assert(UnsignedInt(TextureFormat::R11FG11FB10F) == GL_R11F_G11F_B10F, "");
static_assert(UnsignedInt(TextureFormat::RGB9E5) == GL_RGB9_E5, "");
static_assert(UnsignedInt(TextureFormat::RGBA2) == GL_RGBA2, "");
static_assert(UnsignedInt(TextureFormat::RGBA4) == GL_RGBA4, "");
static_assert(UnsignedInt(TextureFormat::RGB5A1) == GL_RGB5_A1, "");
static_assert(UnsignedInt(TextureFormat::RGB10A2) == GL_RGB10_A2, "");
static_assert(UnsignedInt(TextureFormat::RGB10A2UI) == GL_RGB10_A2UI, "");
static_assert(UnsignedInt(TextureFormat::RGBA12) == GL_RGBA12, "");
static_assert(UnsignedInt(TextureFormat::CompressedRed) == GL_COMPRESSED_RED, "");
static_assert(UnsignedInt(TextureFormat::CompressedRG) == GL_COMPRESSED_RG, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGB) == GL_COMPRESSED_RGB, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBA) == GL_COMPRESSED_RGBA, "");
static_assert(UnsignedInt(TextureFormat::CompressedRedRgtc1) == GL_COMPRESSED_RED_RGTC1, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGRgtc2) == GL_COMPRESSED_RG_RGTC2, "");
static_assert(UnsignedInt(TextureFormat::CompressedSignedRedRgtc1) == GL_COMPRESSED_SIGNED_RED_RGTC1, "");
static_assert(UnsignedInt(TextureFormat::CompressedSignedRGRgtc2) == GL_COMPRESSED_SIGNED_RG_RGTC2, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBBptcUnsignedFloat) == GL_COMPRESSED_RGB_BPTC_UNSIGNED_FLOAT, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBBptcSignedFloat) == GL_COMPRESSED_RGB_BPTC_SIGNED_FLOAT, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBABptcUnorm) == GL_COMPRESSED_RGBA_BPTC_UNORM, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGBAlphaBptcUnorm) == GL_COMPRESSED_SRGB_ALPHA_BPTC_UNORM, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGB8Etc2) == GL_COMPRESSED_RGB8_ETC2, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Etc2) == GL_COMPRESSED_SRGB8_ETC2, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGB8PunchthroughAlpha1Etc2) == GL_COMPRESSED_RGB8_PUNCHTHROUGH_ALPHA1_ETC2, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8PunchthroughAlpha1Etc2) == GL_COMPRESSED_SRGB8_PUNCHTHROUGH_ALPHA1_ETC2, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBA8Etc2Eac) == GL_COMPRESSED_RGBA8_ETC2_EAC, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Etc2Eac) == GL_COMPRESSED_SRGB8_ALPHA8_ETC2_EAC, "");
static_assert(UnsignedInt(TextureFormat::CompressedR11Eac) == GL_COMPRESSED_R11_EAC, "");
static_assert(UnsignedInt(TextureFormat::CompressedSignedR11Eac) == GL_COMPRESSED_SIGNED_R11_EAC, "");
static_assert(UnsignedInt(TextureFormat::CompressedRG11Eac) == GL_COMPRESSED_RG11_EAC, "");
static_assert(UnsignedInt(TextureFormat::CompressedSignedRG11Eac) == GL_COMPRESSED_SIGNED_RG11_EAC, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBS3tcDxt1) == GL_COMPRESSED_RGB_S3TC_DXT1_EXT, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGBS3tcDxt1) == GL_COMPRESSED_SRGB_S3TC_DXT1_EXT, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAS3tcDxt1) == GL_COMPRESSED_RGBA_S3TC_DXT1_EXT, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGBAlphaS3tcDxt1) == GL_COMPRESSED_SRGB_ALPHA_S3TC_DXT1_EXT, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAS3tcDxt3) == GL_COMPRESSED_RGBA_S3TC_DXT3_EXT, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGBAlphaS3tcDxt3) == GL_COMPRESSED_SRGB_ALPHA_S3TC_DXT3_EXT, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAS3tcDxt5) == GL_COMPRESSED_RGBA_S3TC_DXT5_EXT, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGBAlphaS3tcDxt5) == GL_COMPRESSED_SRGB_ALPHA_S3TC_DXT5_EXT, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc4x4) == GL_COMPRESSED_RGBA_ASTC_4x4_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc4x4) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_4x4_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc5x4) == GL_COMPRESSED_RGBA_ASTC_5x4_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc5x4) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_5x4_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc5x5) == GL_COMPRESSED_RGBA_ASTC_5x5_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc5x5) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_5x5_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc6x5) == GL_COMPRESSED_RGBA_ASTC_6x5_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc6x5) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_6x5_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc6x6) == GL_COMPRESSED_RGBA_ASTC_6x6_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc6x6) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_6x6_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc8x5) == GL_COMPRESSED_RGBA_ASTC_8x5_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc8x5) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_8x5_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc8x6) == GL_COMPRESSED_RGBA_ASTC_8x6_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc8x6) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_8x6_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc8x8) == GL_COMPRESSED_RGBA_ASTC_8x8_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc8x8) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_8x8_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc10x5) == GL_COMPRESSED_RGBA_ASTC_10x5_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc10x5) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_10x5_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc10x6) == GL_COMPRESSED_RGBA_ASTC_10x6_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc10x6) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_10x6_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc10x8) == GL_COMPRESSED_RGBA_ASTC_10x8_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc10x8) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_10x8_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc10x10) == GL_COMPRESSED_RGBA_ASTC_10x10_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc10x10) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_10x10_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc12x10) == GL_COMPRESSED_RGBA_ASTC_12x10_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc12x10) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_12x10_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedRGBAAstc12x12) == GL_COMPRESSED_RGBA_ASTC_12x12_KHR, "");
static_assert(UnsignedInt(TextureFormat::CompressedSRGB8Alpha8Astc12x12) == GL_COMPRESSED_SRGB8_ALPHA8_ASTC_12x12_KHR, "");
static_assert(UnsignedInt(TextureFormat::DepthComponent) == GL_DEPTH_COMPONENT, "");
static_assert(UnsignedInt(TextureFormat::DepthComponent16) == GL_DEPTH_COMPONENT16, "");
static_assert(UnsignedInt(TextureFormat::DepthComponent24) == GL_DEPTH_COMPONENT24, "");
static_assert(UnsignedInt(TextureFormat::DepthComponent32) == GL_DEPTH_COMPONENT32, "");
static_assert(UnsignedInt(TextureFormat::DepthComponent32F) == GL_DEPTH_COMPONENT32F, "");
static_assert(UnsignedInt(TextureFormat::StencilIndex8) == GL_STENCIL_INDEX8, "");
static_assert(UnsignedInt(TextureFormat::DepthStencil) == GL_DEPTH_STENCIL, "");
static_assert(UnsignedInt(TextureFormat::Depth24Stencil8) == GL_DEPTH24_STENCIL8, "");
static_assert(UnsignedInt(TextureFormat::Depth32FStencil8) == GL_DEPTH32F_STENCIL8, "");

static_assert(UnsignedInt(PixelFormat::BGRAInteger) == GL_BGRA_INTEGER && UnsignedInt(PixelFormat::DepthStencil) == GL_DEPTH_STENCIL && UnsignedInt(PixelFormat::StencilIndex) == GL_STENCIL_INDEX && UnsignedInt(PixelFormat::RGInteger) == GL_RG_INTEGER, "");
static_assert(UnsignedInt(PixelType::Float32UnsignedInt248Rev) == GL_FLOAT_32_UNSIGNED_INT_24_8_REV && UnsignedInt(PixelType::UnsignedInt5999Rev) == GL_UNSIGNED_INT_5_9_9_9_REV && UnsignedInt(PixelType::UnsignedShort1555Rev) == GL_UNSIGNED_SHORT_1_5_5_5_REV && UnsignedInt(PixelType::UnsignedInt248) == GL_UNSIGNED_INT_24_8, "");

namespace {

struct Mapping {
    PixelFormat format;
    PixelType type;
    /* Zero where the target has no texture format for it */
    TextureFormat textureFormat;
};

/* Returns a zero format for generic formats without a GL equivalent */
Mapping mappingFor(const Magnum::PixelFormat format) {
    switch(format) {
        case Magnum::PixelFormat::R8Unorm: return {PixelFormat::Red, PixelType::UnsignedByte, TextureFormat::R8};
        case Magnum::PixelFormat::R8Snorm: return {PixelFormat::Red, PixelType::Byte, TextureFormat::R8Snorm};
        case Magnum::PixelFormat::R8Srgb: return {PixelFormat::Red, PixelType::UnsignedByte, TextureFormat::SR8};
        case Magnum::PixelFormat::R8UI: return {PixelFormat::RedInteger, PixelType::UnsignedByte, TextureFormat::R8UI};
        case Magnum::PixelFormat::R8I: return {PixelFormat::RedInteger, PixelType::Byte, TextureFormat::R8I};
        case Magnum::PixelFormat::R16Unorm: return {PixelFormat::Red, PixelType::UnsignedShort, TextureFormat::R16};
        case Magnum::PixelFormat::R16Snorm: return {PixelFormat::Red, PixelType::Short, TextureFormat::R16Snorm};
        case Magnum::PixelFormat::R16UI: return {PixelFormat::RedInteger, PixelType::UnsignedShort, TextureFormat::R16UI};
        case Magnum::PixelFormat::R16I: return {PixelFormat::RedInteger, PixelType::Short, TextureFormat::R16I};
        case Magnum::PixelFormat::R32UI: return {PixelFormat::RedInteger, PixelType::UnsignedInt, TextureFormat::R32UI};
        case Magnum::PixelFormat::R32I: return {PixelFormat::RedInteger, PixelType::Int, TextureFormat::R32I};
        case Magnum::PixelFormat::R16F: return {PixelFormat::Red, PixelType::Half, TextureFormat::R16F};
        case Magnum::PixelFormat::R32F: return {PixelFormat::Red, PixelType::Float, TextureFormat::R32F};
        case Magnum::PixelFormat::RG8Unorm: return {PixelFormat::RG, PixelType::UnsignedByte, TextureFormat::RG8};
        case Magnum::PixelFormat::RG8Snorm: return {PixelFormat::RG, PixelType::Byte, TextureFormat::RG8Snorm};
        case Magnum::PixelFormat::RG8Srgb: return {PixelFormat::RG, PixelType::UnsignedByte, TextureFormat{}};
        case Magnum::PixelFormat::RG8UI: return {PixelFormat::RGInteger, PixelType::UnsignedByte, TextureFormat::RG8UI};
        case Magnum::PixelFormat::RG8I: return {PixelFormat::RGInteger, PixelType::Byte, TextureFormat::RG8I};
        case Magnum::PixelFormat::RG16Unorm: return {PixelFormat::RG, PixelType::UnsignedShort, TextureFormat::RG16};
        case Magnum::PixelFormat::RG16Snorm: return {PixelFormat::RG, PixelType::Short, TextureFormat::RG16Snorm};
        case Magnum::PixelFormat::RG16UI: return {PixelFormat::RGInteger, PixelType::UnsignedShort, TextureFormat::RG16UI};
        case Magnum::PixelFormat::RG16I: return {PixelFormat::RGInteger, PixelType::Short, TextureFormat::RG16I};
        case Magnum::PixelFormat::RG32UI: return {PixelFormat::RGInteger, PixelType::UnsignedInt, TextureFormat::RG32UI};
        case Magnum::PixelFormat::RG32I: return {PixelFormat::RGInteger, PixelType::Int, TextureFormat::RG32I};
        case Magnum::PixelFormat::RG16F: return {PixelFormat::RG, PixelType::Half, TextureFormat::RG16F};
        case Magnum::PixelFormat::RG32F: return {PixelFormat::RG, PixelType::Float, TextureFormat::RG32F};
        case Magnum::PixelFormat::RGB8Unorm: return {PixelFormat::RGB, PixelType::UnsignedByte, TextureFormat::RGB8};
        case Magnum::PixelFormat::RGB8Snorm: return {PixelFormat::RGB, PixelType::Byte, TextureFormat::RGB8Snorm};
        case Magnum::PixelFormat::RGB8Srgb: return {PixelFormat::RGB, PixelType::UnsignedByte, TextureFormat::SRGB8};
        case Magnum::PixelFormat::RGB8UI: return {PixelFormat::RGBInteger, PixelType::UnsignedByte, TextureFormat::RGB8UI};
        case Magnum::PixelFormat::RGB8I: return {PixelFormat::RGBInteger, PixelType::Byte, TextureFormat::RGB8I};
        case Magnum::PixelFormat::RGB16Unorm: return {PixelFormat::RGB, PixelType::UnsignedShort, TextureFormat::RGB16};
        case Magnum::PixelFormat::RGB16Snorm: return {PixelFormat::RGB, PixelType::Short, TextureFormat::RGB16Snorm};
        case Magnum::PixelFormat::RGB16UI: return {PixelFormat::RGBInteger, PixelType::UnsignedShort, TextureFormat::RGB16UI};
        case Magnum::PixelFormat::RGB16I: return {PixelFormat::RGBInteger, PixelType::Short, TextureFormat::RGB16I};
        case Magnum::PixelFormat::RGB32UI: return {PixelFormat::RGBInteger, PixelType::UnsignedInt, TextureFormat::RGB32UI};
        case Magnum::PixelFormat::RGB32I: return {PixelFormat::RGBInteger, PixelType::Int, TextureFormat::RGB32I};
        case Magnum::PixelFormat::RGB16F: return {PixelFormat::RGB, PixelType::Half, TextureFormat::RGB16F};
        case Magnum::PixelFormat::RGB32F: return {PixelFormat::RGB, PixelType::Float, TextureFormat::RGB32F};
        case Magnum::PixelFormat::RGBA8Unorm: return {PixelFormat::RGBA, PixelType::UnsignedByte, TextureFormat::RGBA8};
        case Magnum::PixelFormat::RGBA8Snorm: return {PixelFormat::RGBA, PixelType::Byte, TextureFormat::RGBA8Snorm};
        case Magnum::PixelFormat::RGBA8Srgb: return {PixelFormat::RGBA, PixelType::UnsignedByte, TextureFormat::SRGB8Alpha8};
        case Magnum::PixelFormat::RGBA8UI: return {PixelFormat::RGBAInteger, PixelType::UnsignedByte, TextureFormat::RGBA8UI};
        case Magnum::PixelFormat::RGBA8I: return {PixelFormat::RGBAInteger, PixelType::Byte, TextureFormat::RGBA8I};
        case Magnum::PixelFormat::RGBA16Unorm: return {PixelFormat::RGBA, PixelType::UnsignedShort, TextureFormat::RGBA16};
        case Magnum::PixelFormat::RGBA16Snorm: return {PixelFormat::RGBA, PixelType::Short, TextureFormat::RGBA16Snorm};
        case Magnum::PixelFormat::RGBA16UI: return {PixelFormat::RGBAInteger, PixelType::UnsignedShort, TextureFormat::RGBA16UI};
        case Magnum::PixelFormat::RGBA16I: return {PixelFormat::RGBAInteger, PixelType::Short, TextureFormat::RGBA16I};
        case Magnum::PixelFormat::RGBA32UI: return {PixelFormat::RGBAInteger, PixelType::UnsignedInt, TextureFormat::RGBA32UI};
        case Magnum::PixelFormat::RGBA32I: return {PixelFormat::RGBAInteger, PixelType::Int, TextureFormat::RGBA32I};
        case Magnum::PixelFormat::RGBA16F: return {PixelFormat::RGBA, PixelType::Half, TextureFormat::RGBA16F};
        case Magnum::PixelFormat::RGBA32F: return {PixelFormat::RGBA, PixelType::Float, TextureFormat::RGBA32F};
        case Magnum::PixelFormat::Depth16Unorm: return {PixelFormat::DepthComponent, PixelType::UnsignedShort, TextureFormat::DepthComponent16};
        case Magnum::PixelFormat::Depth24Unorm: return {PixelFormat::DepthComponent, PixelType::UnsignedInt, TextureFormat::DepthComponent24};
        case Magnum::PixelFormat::Depth32F: return {PixelFormat::DepthComponent, PixelType::Float, TextureFormat::DepthComponent32F};
        case Magnum::PixelFormat::Stencil8UI: return {PixelFormat::StencilIndex, PixelType::UnsignedByte, TextureFormat::StencilIndex8};
        case Magnum::PixelFormat::Depth24UnormStencil8UI: return {PixelFormat::DepthStencil, PixelType::UnsignedInt248, TextureFormat::Depth24Stencil8};
        case Magnum::PixelFormat::Depth32FStencil8UI: return {PixelFormat::DepthStencil, PixelType::Float32UnsignedInt248Rev, TextureFormat::Depth32FStencil8};
        case Magnum::PixelFormat::Depth16UnormStencil8UI: return {};
    }
    CORRADE_ASSERT_UNREACHABLE("GL::pixelFormat(): invalid format" << format, {});
}

}

UnsignedInt pixelFormatSize(const PixelFormat format, const PixelType type) {
    UnsignedInt size = 0;
    switch(type) {
        case PixelType::UnsignedByte:
        case PixelType::Byte:
            size = 1; break;
        case PixelType::UnsignedShort:
        case PixelType::Short:
        case PixelType::Half:
            size = 2; break;
        case PixelType::UnsignedInt:
        case PixelType::Int:
        case PixelType::Float:
            size = 4; break;
        case PixelType::UnsignedByte332:
        case PixelType::UnsignedByte233Rev:
            return 1;
        case PixelType::UnsignedShort565:
        case PixelType::UnsignedShort565Rev:
        case PixelType::UnsignedShort4444:
        case PixelType::UnsignedShort4444Rev:
        case PixelType::UnsignedShort5551:
        case PixelType::UnsignedShort1555Rev:
            return 2;
        case PixelType::UnsignedInt8888:
        case PixelType::UnsignedInt8888Rev:
        case PixelType::UnsignedInt1010102:
        case PixelType::UnsignedInt2101010Rev:
        case PixelType::UnsignedInt10F11F11FRev:
        case PixelType::UnsignedInt5999Rev:
        case PixelType::UnsignedInt248:
            return 4;
        case PixelType::Float32UnsignedInt248Rev:
            return 8;
    }
    CORRADE_ASSERT(size, "GL::pixelFormatSize(): invalid type" << type, {});

    switch(format) {
        case PixelFormat::Red:
        case PixelFormat::Green:
        case PixelFormat::Blue:
        case PixelFormat::RedInteger:
        case PixelFormat::GreenInteger:
        case PixelFormat::BlueInteger:
        case PixelFormat::DepthComponent:
        case PixelFormat::StencilIndex:
            return size;
        case PixelFormat::RG:
        case PixelFormat::RGInteger:
            return 2*size;
        case PixelFormat::RGB:
        case PixelFormat::BGR:
        case PixelFormat::RGBInteger:
        case PixelFormat::BGRInteger:
            return 3*size;
        case PixelFormat::RGBA:
        case PixelFormat::BGRA:
        case PixelFormat::RGBAInteger:
        case PixelFormat::BGRAInteger:
            return 4*size;
        case PixelFormat::DepthStencil:
            CORRADE_ASSERT_UNREACHABLE("GL::pixelFormatSize(): invalid" << type << "specified for" << format, {});
    }
    CORRADE_ASSERT_UNREACHABLE("GL::pixelFormatSize(): invalid format" << format, {});
}

bool hasPixelFormat(const Magnum::PixelFormat format) {
    if(isPixelFormatImplementationSpecific(format)) return true;
    return UnsignedInt(mappingFor(format).format);
}

PixelFormat pixelFormat(const Magnum::PixelFormat format) {
    if(isPixelFormatImplementationSpecific(format))
        return pixelFormatUnwrap<PixelFormat>(format);
    const Mapping mapping = mappingFor(format);
    CORRADE_ASSERT(UnsignedInt(mapping.format),
        "GL::pixelFormat(): format" << format << "is not supported on this target", {});
    return mapping.format;
}

PixelType pixelType(const Magnum::PixelFormat format, const UnsignedInt extra) {
    if(isPixelFormatImplementationSpecific(format)) {
        CORRADE_ASSERT(extra,
            "GL::pixelType(): format is implementation-specific, but no additional type specifier was passed", {});
        return PixelType(extra);
    }
    const Mapping mapping = mappingFor(format);
    CORRADE_ASSERT(UnsignedInt(mapping.type),
        "GL::pixelType(): format" << format << "is not supported on this target", {});
    return mapping.type;
}

bool hasTextureFormat(const Magnum::PixelFormat format) {
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        "GL::hasTextureFormat(): cannot map an implementation-specific pixel format to an OpenGL texture format", {});
    return UnsignedInt(mappingFor(format).textureFormat);
}

TextureFormat textureFormat(const Magnum::PixelFormat format) {
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        "GL::textureFormat(): cannot map an implementation-specific pixel format to an OpenGL texture format", {});
    const TextureFormat out = mappingFor(format).textureFormat;
    CORRADE_ASSERT(UnsignedInt(out),
        "GL::textureFormat(): format" << format << "is not supported on this target", {});
    return out;
}

namespace {

/* Returns a zero format for generic formats without a GL equivalent */
CompressedPixelFormat compressedMappingFor(const Magnum::CompressedPixelFormat format) {
    switch(format) {
        case Magnum::CompressedPixelFormat::Bc1RGBUnorm: return CompressedPixelFormat::CompressedRGBS3tcDxt1;
        case Magnum::CompressedPixelFormat::Bc1RGBSrgb: return CompressedPixelFormat::CompressedSRGBS3tcDxt1;
        case Magnum::CompressedPixelFormat::Bc1RGBAUnorm: return CompressedPixelFormat::CompressedRGBAS3tcDxt1;
        case Magnum::CompressedPixelFormat::Bc1RGBASrgb: return CompressedPixelFormat::CompressedSRGBAlphaS3tcDxt1;
        case Magnum::CompressedPixelFormat::Bc2RGBAUnorm: return CompressedPixelFormat::CompressedRGBAS3tcDxt3;
        case Magnum::CompressedPixelFormat::Bc2RGBASrgb: return CompressedPixelFormat::CompressedSRGBAlphaS3tcDxt3;
        case Magnum::CompressedPixelFormat::Bc3RGBAUnorm: return CompressedPixelFormat::CompressedRGBAS3tcDxt5;
        case Magnum::CompressedPixelFormat::Bc3RGBASrgb: return CompressedPixelFormat::CompressedSRGBAlphaS3tcDxt5;
        case Magnum::CompressedPixelFormat::Bc4RUnorm: return CompressedPixelFormat::CompressedRedRgtc1;
        case Magnum::CompressedPixelFormat::Bc4RSnorm: return CompressedPixelFormat::CompressedSignedRedRgtc1;
        case Magnum::CompressedPixelFormat::Bc5RGUnorm: return CompressedPixelFormat::CompressedRGRgtc2;
        case Magnum::CompressedPixelFormat::Bc5RGSnorm: return CompressedPixelFormat::CompressedSignedRGRgtc2;
        case Magnum::CompressedPixelFormat::Bc6hRGBUfloat: return CompressedPixelFormat::CompressedRGBBptcUnsignedFloat;
        case Magnum::CompressedPixelFormat::Bc6hRGBSfloat: return CompressedPixelFormat::CompressedRGBBptcSignedFloat;
        case Magnum::CompressedPixelFormat::Bc7RGBAUnorm: return CompressedPixelFormat::CompressedRGBABptcUnorm;
        case Magnum::CompressedPixelFormat::Bc7RGBASrgb: return CompressedPixelFormat::CompressedSRGBAlphaBptcUnorm;
        case Magnum::CompressedPixelFormat::EacR11Unorm: return CompressedPixelFormat::CompressedR11Eac;
        case Magnum::CompressedPixelFormat::EacR11Snorm: return CompressedPixelFormat::CompressedSignedR11Eac;
        case Magnum::CompressedPixelFormat::EacRG11Unorm: return CompressedPixelFormat::CompressedRG11Eac;
        case Magnum::CompressedPixelFormat::EacRG11Snorm: return CompressedPixelFormat::CompressedSignedRG11Eac;
        case Magnum::CompressedPixelFormat::Etc2RGB8Unorm: return CompressedPixelFormat::CompressedRGB8Etc2;
        case Magnum::CompressedPixelFormat::Etc2RGB8Srgb: return CompressedPixelFormat::CompressedSRGB8Etc2;
        case Magnum::CompressedPixelFormat::Etc2RGB8A1Unorm: return CompressedPixelFormat::CompressedRGB8PunchthroughAlpha1Etc2;
        case Magnum::CompressedPixelFormat::Etc2RGB8A1Srgb: return CompressedPixelFormat::CompressedSRGB8PunchthroughAlpha1Etc2;
        case Magnum::CompressedPixelFormat::Etc2RGBA8Unorm: return CompressedPixelFormat::CompressedRGBA8Etc2Eac;
        case Magnum::CompressedPixelFormat::Etc2RGBA8Srgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Etc2Eac;
        case Magnum::CompressedPixelFormat::Astc4x4RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc4x4;
        case Magnum::CompressedPixelFormat::Astc4x4RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc4x4;
        case Magnum::CompressedPixelFormat::Astc4x4RGBAF: return CompressedPixelFormat::CompressedRGBAAstc4x4;
        case Magnum::CompressedPixelFormat::Astc5x4RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc5x4;
        case Magnum::CompressedPixelFormat::Astc5x4RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc5x4;
        case Magnum::CompressedPixelFormat::Astc5x4RGBAF: return CompressedPixelFormat::CompressedRGBAAstc5x4;
        case Magnum::CompressedPixelFormat::Astc5x5RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc5x5;
        case Magnum::CompressedPixelFormat::Astc5x5RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc5x5;
        case Magnum::CompressedPixelFormat::Astc5x5RGBAF: return CompressedPixelFormat::CompressedRGBAAstc5x5;
        case Magnum::CompressedPixelFormat::Astc6x5RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc6x5;
        case Magnum::CompressedPixelFormat::Astc6x5RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc6x5;
        case Magnum::CompressedPixelFormat::Astc6x5RGBAF: return CompressedPixelFormat::CompressedRGBAAstc6x5;
        case Magnum::CompressedPixelFormat::Astc6x6RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc6x6;
        case Magnum::CompressedPixelFormat::Astc6x6RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc6x6;
        case Magnum::CompressedPixelFormat::Astc6x6RGBAF: return CompressedPixelFormat::CompressedRGBAAstc6x6;
        case Magnum::CompressedPixelFormat::Astc8x5RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc8x5;
        case Magnum::CompressedPixelFormat::Astc8x5RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc8x5;
        case Magnum::CompressedPixelFormat::Astc8x5RGBAF: return CompressedPixelFormat::CompressedRGBAAstc8x5;
        case Magnum::CompressedPixelFormat::Astc8x6RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc8x6;
        case Magnum::CompressedPixelFormat::Astc8x6RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc8x6;
        case Magnum::CompressedPixelFormat::Astc8x6RGBAF: return CompressedPixelFormat::CompressedRGBAAstc8x6;
        case Magnum::CompressedPixelFormat::Astc8x8RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc8x8;
        case Magnum::CompressedPixelFormat::Astc8x8RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc8x8;
        case Magnum::CompressedPixelFormat::Astc8x8RGBAF: return CompressedPixelFormat::CompressedRGBAAstc8x8;
        case Magnum::CompressedPixelFormat::Astc10x5RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc10x5;
        case Magnum::CompressedPixelFormat::Astc10x5RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc10x5;
        case Magnum::CompressedPixelFormat::Astc10x5RGBAF: return CompressedPixelFormat::CompressedRGBAAstc10x5;
        case Magnum::CompressedPixelFormat::Astc10x6RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc10x6;
        case Magnum::CompressedPixelFormat::Astc10x6RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc10x6;
        case Magnum::CompressedPixelFormat::Astc10x6RGBAF: return CompressedPixelFormat::CompressedRGBAAstc10x6;
        case Magnum::CompressedPixelFormat::Astc10x8RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc10x8;
        case Magnum::CompressedPixelFormat::Astc10x8RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc10x8;
        case Magnum::CompressedPixelFormat::Astc10x8RGBAF: return CompressedPixelFormat::CompressedRGBAAstc10x8;
        case Magnum::CompressedPixelFormat::Astc10x10RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc10x10;
        case Magnum::CompressedPixelFormat::Astc10x10RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc10x10;
        case Magnum::CompressedPixelFormat::Astc10x10RGBAF: return CompressedPixelFormat::CompressedRGBAAstc10x10;
        case Magnum::CompressedPixelFormat::Astc12x10RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc12x10;
        case Magnum::CompressedPixelFormat::Astc12x10RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc12x10;
        case Magnum::CompressedPixelFormat::Astc12x10RGBAF: return CompressedPixelFormat::CompressedRGBAAstc12x10;
        case Magnum::CompressedPixelFormat::Astc12x12RGBAUnorm: return CompressedPixelFormat::CompressedRGBAAstc12x12;
        case Magnum::CompressedPixelFormat::Astc12x12RGBASrgb: return CompressedPixelFormat::CompressedSRGB8Alpha8Astc12x12;
        case Magnum::CompressedPixelFormat::Astc12x12RGBAF: return CompressedPixelFormat::CompressedRGBAAstc12x12;
        default: break;
    }
    CORRADE_ASSERT(UnsignedInt(format) && UnsignedInt(format) <= UnsignedInt(Magnum::CompressedPixelFormat::PvrtcRGBA4bppSrgb),
        "GL::compressedPixelFormat(): invalid format" << format, {});
    return {};
}

}

bool hasCompressedPixelFormat(const Magnum::CompressedPixelFormat format) {
    if(isCompressedPixelFormatImplementationSpecific(format)) return true;
    return UnsignedInt(compressedMappingFor(format));
}

CompressedPixelFormat compressedPixelFormat(const Magnum::CompressedPixelFormat format) {
    if(isCompressedPixelFormatImplementationSpecific(format))
        return compressedPixelFormatUnwrap<CompressedPixelFormat>(format);
    const CompressedPixelFormat out = compressedMappingFor(format);
    CORRADE_ASSERT(UnsignedInt(out),
        "GL::compressedPixelFormat(): format" << format << "is not supported on this target", {});
    return out;
}

bool hasTextureFormat(const Magnum::CompressedPixelFormat format) {
    CORRADE_ASSERT(!isCompressedPixelFormatImplementationSpecific(format),
        "GL::hasTextureFormat(): cannot map an implementation-specific pixel format to an OpenGL texture format", {});
    return UnsignedInt(compressedMappingFor(format));
}

TextureFormat textureFormat(const Magnum::CompressedPixelFormat format) {
    CORRADE_ASSERT(!isCompressedPixelFormatImplementationSpecific(format),
        "GL::textureFormat(): cannot map an implementation-specific pixel format to an OpenGL texture format", {});
    const CompressedPixelFormat out = compressedMappingFor(format);
    CORRADE_ASSERT(UnsignedInt(out),
        "GL::textureFormat(): format" << format << "is not supported on this target", {});
    return TextureFormat(UnsignedInt(out));
}

Debug& operator<<(Debug& debug, const TextureFormat value) {
    debug << "GL::TextureFormat" << Debug::nospace;
    switch(value) {
        #define _c(value) case TextureFormat::value: return debug << "::" #value;
        _c(Red)
        _c(R8)
        _c(RG)
        _c(RG8)
        _c(RGB)
        _c(RGB8)
        _c(RGBA)
        _c(RGBA8)
        _c(SR8)
        _c(SRGB)
        _c(SRGB8)
        _c(SRGBAlpha)
        _c(SRGB8Alpha8)
        _c(R8Snorm)
        _c(RG8Snorm)
        _c(RGB8Snorm)
        _c(RGBA8Snorm)
        _c(R16)
        _c(RG16)
        _c(RGB16)
        _c(RGBA16)
        _c(R16Snorm)
        _c(RG16Snorm)
        _c(RGB16Snorm)
        _c(RGBA16Snorm)
        _c(R8UI)
        _c(RG8UI)
        _c(RGB8UI)
        _c(RGBA8UI)
        _c(R8I)
        _c(RG8I)
        _c(RGB8I)
        _c(RGBA8I)
        _c(R16UI)
        _c(RG16UI)
        _c(RGB16UI)
        _c(RGBA16UI)
        _c(R16I)
        _c(RG16I)
        _c(RGB16I)
        _c(RGBA16I)
        _c(R32UI)
        _c(RG32UI)
        _c(RGB32UI)
        _c(RGBA32UI)
        _c(R32I)
        _c(RG32I)
        _c(RGB32I)
        _c(RGBA32I)
        _c(R16F)
        _c(RG16F)
        _c(RGB16F)
        _c(RGBA16F)
        _c(R32F)
        _c(RG32F)
        _c(RGB32F)
        _c(RGBA32F)
        _c(R3G3B2)
        _c(RGB4)
        _c(RGB5)
        _c(RGB565)
        _c(RGB10)
        _c(RGB12)
        _c(R11FG11FB10F)
        _c(RGB9E5)
        _c(RGBA2)
        _c(RGBA4)
        _c(RGB5A1)
        _c(RGB10A2)
        _c(RGB10A2UI)
        _c(RGBA12)
        _c(CompressedRed)
        _c(CompressedRG)
        _c(CompressedRGB)
        _c(CompressedRGBA)
        _c(CompressedRedRgtc1)
        _c(CompressedRGRgtc2)
        _c(CompressedSignedRedRgtc1)
        _c(CompressedSignedRGRgtc2)
        _c(CompressedRGBBptcUnsignedFloat)
        _c(CompressedRGBBptcSignedFloat)
        _c(CompressedRGBABptcUnorm)
        _c(CompressedSRGBAlphaBptcUnorm)
        _c(CompressedRGB8Etc2)
        _c(CompressedSRGB8Etc2)
        _c(CompressedRGB8PunchthroughAlpha1Etc2)
        _c(CompressedSRGB8PunchthroughAlpha1Etc2)
        _c(CompressedRGBA8Etc2Eac)
        _c(CompressedSRGB8Alpha8Etc2Eac)
        _c(CompressedR11Eac)
        _c(CompressedSignedR11Eac)
        _c(CompressedRG11Eac)
        _c(CompressedSignedRG11Eac)
        _c(CompressedRGBS3tcDxt1)
        _c(CompressedSRGBS3tcDxt1)
        _c(CompressedRGBAS3tcDxt1)
        _c(CompressedSRGBAlphaS3tcDxt1)
        _c(CompressedRGBAS3tcDxt3)
        _c(CompressedSRGBAlphaS3tcDxt3)
        _c(CompressedRGBAS3tcDxt5)
        _c(CompressedSRGBAlphaS3tcDxt5)
        _c(CompressedRGBAAstc4x4)
        _c(CompressedSRGB8Alpha8Astc4x4)
        _c(CompressedRGBAAstc5x4)
        _c(CompressedSRGB8Alpha8Astc5x4)
        _c(CompressedRGBAAstc5x5)
        _c(CompressedSRGB8Alpha8Astc5x5)
        _c(CompressedRGBAAstc6x5)
        _c(CompressedSRGB8Alpha8Astc6x5)
        _c(CompressedRGBAAstc6x6)
        _c(CompressedSRGB8Alpha8Astc6x6)
        _c(CompressedRGBAAstc8x5)
        _c(CompressedSRGB8Alpha8Astc8x5)
        _c(CompressedRGBAAstc8x6)
        _c(CompressedSRGB8Alpha8Astc8x6)
        _c(CompressedRGBAAstc8x8)
        _c(CompressedSRGB8Alpha8Astc8x8)
        _c(CompressedRGBAAstc10x5)
        _c(CompressedSRGB8Alpha8Astc10x5)
        _c(CompressedRGBAAstc10x6)
        _c(CompressedSRGB8Alpha8Astc10x6)
        _c(CompressedRGBAAstc10x8)
        _c(CompressedSRGB8Alpha8Astc10x8)
        _c(CompressedRGBAAstc10x10)
        _c(CompressedSRGB8Alpha8Astc10x10)
        _c(CompressedRGBAAstc12x10)
        _c(CompressedSRGB8Alpha8Astc12x10)
        _c(CompressedRGBAAstc12x12)
        _c(CompressedSRGB8Alpha8Astc12x12)
        _c(DepthComponent)
        _c(DepthComponent16)
        _c(DepthComponent24)
        _c(DepthComponent32)
        _c(DepthComponent32F)
        _c(StencilIndex8)
        _c(DepthStencil)
        _c(Depth24Stencil8)
        _c(Depth32FStencil8)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const CompressedPixelFormat value) {
    debug << "GL::CompressedPixelFormat" << Debug::nospace;
    switch(value) {
        #define _c(value) case CompressedPixelFormat::value: return debug << "::" #value;
        _c(CompressedRedRgtc1)
        _c(CompressedRGRgtc2)
        _c(CompressedSignedRedRgtc1)
        _c(CompressedSignedRGRgtc2)
        _c(CompressedRGBBptcUnsignedFloat)
        _c(CompressedRGBBptcSignedFloat)
        _c(CompressedRGBABptcUnorm)
        _c(CompressedSRGBAlphaBptcUnorm)
        _c(CompressedRGB8Etc2)
        _c(CompressedSRGB8Etc2)
        _c(CompressedRGB8PunchthroughAlpha1Etc2)
        _c(CompressedSRGB8PunchthroughAlpha1Etc2)
        _c(CompressedRGBA8Etc2Eac)
        _c(CompressedSRGB8Alpha8Etc2Eac)
        _c(CompressedR11Eac)
        _c(CompressedSignedR11Eac)
        _c(CompressedRG11Eac)
        _c(CompressedSignedRG11Eac)
        _c(CompressedRGBS3tcDxt1)
        _c(CompressedSRGBS3tcDxt1)
        _c(CompressedRGBAS3tcDxt1)
        _c(CompressedSRGBAlphaS3tcDxt1)
        _c(CompressedRGBAS3tcDxt3)
        _c(CompressedSRGBAlphaS3tcDxt3)
        _c(CompressedRGBAS3tcDxt5)
        _c(CompressedSRGBAlphaS3tcDxt5)
        _c(CompressedRGBAAstc4x4)
        _c(CompressedSRGB8Alpha8Astc4x4)
        _c(CompressedRGBAAstc5x4)
        _c(CompressedSRGB8Alpha8Astc5x4)
        _c(CompressedRGBAAstc5x5)
        _c(CompressedSRGB8Alpha8Astc5x5)
        _c(CompressedRGBAAstc6x5)
        _c(CompressedSRGB8Alpha8Astc6x5)
        _c(CompressedRGBAAstc6x6)
        _c(CompressedSRGB8Alpha8Astc6x6)
        _c(CompressedRGBAAstc8x5)
        _c(CompressedSRGB8Alpha8Astc8x5)
        _c(CompressedRGBAAstc8x6)
        _c(CompressedSRGB8Alpha8Astc8x6)
        _c(CompressedRGBAAstc8x8)
        _c(CompressedSRGB8Alpha8Astc8x8)
        _c(CompressedRGBAAstc10x5)
        _c(CompressedSRGB8Alpha8Astc10x5)
        _c(CompressedRGBAAstc10x6)
        _c(CompressedSRGB8Alpha8Astc10x6)
        _c(CompressedRGBAAstc10x8)
        _c(CompressedSRGB8Alpha8Astc10x8)
        _c(CompressedRGBAAstc10x10)
        _c(CompressedSRGB8Alpha8Astc10x10)
        _c(CompressedRGBAAstc12x10)
        _c(CompressedSRGB8Alpha8Astc12x10)
        _c(CompressedRGBAAstc12x12)
        _c(CompressedSRGB8Alpha8Astc12x12)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const PixelFormat value) {
    debug << "GL::PixelFormat" << Debug::nospace;
    switch(value) {
        #define _c(value) case PixelFormat::value: return debug << "::" #value;
        _c(Red)
        _c(Green)
        _c(Blue)
        _c(RG)
        _c(RGB)
        _c(RGBA)
        _c(BGR)
        _c(BGRA)
        _c(RedInteger)
        _c(GreenInteger)
        _c(BlueInteger)
        _c(RGInteger)
        _c(RGBInteger)
        _c(RGBAInteger)
        _c(BGRInteger)
        _c(BGRAInteger)
        _c(DepthComponent)
        _c(StencilIndex)
        _c(DepthStencil)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const PixelType value) {
    debug << "GL::PixelType" << Debug::nospace;
    switch(value) {
        #define _c(value) case PixelType::value: return debug << "::" #value;
        _c(UnsignedByte)
        _c(Byte)
        _c(UnsignedShort)
        _c(Short)
        _c(UnsignedInt)
        _c(Int)
        _c(Half)
        _c(Float)
        _c(UnsignedByte332)
        _c(UnsignedByte233Rev)
        _c(UnsignedShort565)
        _c(UnsignedShort565Rev)
        _c(UnsignedShort4444)
        _c(UnsignedShort4444Rev)
        _c(UnsignedShort5551)
        _c(UnsignedShort1555Rev)
        _c(UnsignedInt8888)
        _c(UnsignedInt8888Rev)
        _c(UnsignedInt1010102)
        _c(UnsignedInt2101010Rev)
        _c(UnsignedInt10F11F11FRev)
        _c(UnsignedInt5999Rev)
        _c(UnsignedInt248)
        _c(Float32UnsignedInt248Rev)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

}}
