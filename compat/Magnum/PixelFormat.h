#ifndef Magnum_PixelFormat_h
#define Magnum_PixelFormat_h
/* Generic pixel formats, compressed pixel formats and queries on them */

#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "Magnum/Magnum.h"

namespace Magnum {

/**
 * @brief Uncompressed pixel format
 *
 * Zero is reserved for an invalid value. Values with the highest bit set wrap
 * an implementation-specific format, see @ref pixelFormatWrap().
 */
enum class PixelFormat: UnsignedInt {
    R8Unorm = 1,        /**< Red, normalized unsigned byte */
    RG8Unorm,           /**< Red and green, normalized unsigned byte */
    RGB8Unorm,          /**< RGB, normalized unsigned byte */
    RGBA8Unorm,         /**< RGBA, normalized unsigned byte */
    R8Snorm,            /**< Red, normalized signed byte */
    RG8Snorm,           /**< Red and green, normalized signed byte */
    RGB8Snorm,          /**< RGB, normalized signed byte */
    RGBA8Snorm,         /**< RGBA, normalized signed byte */
    R8Srgb,             /**< sRGB-encoded red, normalized unsigned byte */
    RG8Srgb,            /**< sRGB-encoded red and green, normalized unsigned byte */
    RGB8Srgb,           /**< sRGB, normalized unsigned byte */
    RGBA8Srgb,          /**< sRGB + linear alpha, normalized unsigned byte */
    R8UI,               /**< Red, integral unsigned byte */
    RG8UI,              /**< Red and green, integral unsigned byte */
    RGB8UI,             /**< RGB, integral unsigned byte */
    RGBA8UI,            /**< RGBA, integral unsigned byte */
    R8I,                /**< Red, integral signed byte */
    RG8I,               /**< Red and green, integral signed byte */
    RGB8I,              /**< RGB, integral signed byte */
    RGBA8I,             /**< RGBA, integral signed byte */
    R16Unorm,           /**< Red, normalized unsigned short */
    RG16Unorm,          /**< Red and green, normalized unsigned short */
    RGB16Unorm,         /**< RGB, normalized unsigned short */
    RGBA16Unorm,        /**< RGBA, normalized unsigned short */
    R16Snorm,           /**< Red, normalized signed short */
    RG16Snorm,          /**< Red and green, normalized signed short */
    RGB16Snorm,         /**< RGB, normalized signed short */
    RGBA16Snorm,        /**< RGBA, normalized signed short */
    R16UI,              /**< Red, integral unsigned short */
    RG16UI,             /**< Red and green, integral unsigned short */
    RGB16UI,            /**< RGB, integral unsigned short */
    RGBA16UI,           /**< RGBA, integral unsigned short */
    R16I,               /**< Red, integral signed short */
    RG16I,              /**< Red and green, integral signed short */
    RGB16I,             /**< RGB, integral signed short */
    RGBA16I,            /**< RGBA, integral signed short */
    R32UI,              /**< Red, integral unsigned int */
    RG32UI,             /**< Red and green, integral unsigned int */
    RGB32UI,            /**< RGB, integral unsigned int */
    RGBA32UI,           /**< RGBA, integral unsigned int */
    R32I,               /**< Red, integral signed int */
    RG32I,              /**< Red and green, integral signed int */
    RGB32I,             /**< RGB, integral signed int */
    RGBA32I,            /**< RGBA, integral signed int */
    R16F,               /**< Red, half-float */
    RG16F,              /**< Red and green, half-float */
    RGB16F,             /**< RGB, half-float */
    RGBA16F,            /**< RGBA, half-float */
    R32F,               /**< Red, float */
    RG32F,              /**< Red and green, float */
    RGB32F,             /**< RGB, float */
    RGBA32F,            /**< RGBA, float */
    Depth16Unorm,       /**< 16-bit normalized unsigned depth */
    Depth24Unorm,       /**< 24-bit normalized unsigned depth in four bytes */
    Depth32F,           /**< 32-bit float depth */
    Stencil8UI,         /**< 8-bit integral unsigned stencil */
    Depth16UnormStencil8UI, /**< 16-bit depth + 8-bit stencil, padded to four bytes */
    Depth24UnormStencil8UI, /**< 24-bit depth + 8-bit stencil */
    Depth32FStencil8UI  /**< 32-bit float depth + 8-bit stencil, padded to eight bytes */
};

/** @brief Debug output operator */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, PixelFormat value);

/** @brief Size of a pixel of given format in bytes */
UnsignedInt pixelFormatSize(PixelFormat format);

/** @brief Single-channel variant of given pixel format */
PixelFormat pixelFormatChannelFormat(PixelFormat format);

/** @brief Channel count of given pixel format */
UnsignedInt pixelFormatChannelCount(PixelFormat format);

/** @brief Whether given pixel format is normalized */
bool isPixelFormatNormalized(PixelFormat format);

/** @brief Whether given pixel format is integral */
bool isPixelFormatIntegral(PixelFormat format);

/** @brief Whether given pixel format is floating-point */
bool isPixelFormatFloatingPoint(PixelFormat format);

/** @brief Whether given pixel format is sRGB */
bool isPixelFormatSrgb(PixelFormat format);

/** @brief Whether given pixel format is a depth and/or stencil format */
bool isPixelFormatDepthOrStencil(PixelFormat format);

/** @brief Assemble a pixel format from a channel format, channel count and sRGB property */
PixelFormat pixelFormat(PixelFormat format, UnsignedInt channelCount, bool srgb);

/** @brief Whether a @ref PixelFormat value wraps an implementation-specific identifier */
constexpr bool isPixelFormatImplementationSpecific(PixelFormat format) {
    return UnsignedInt(format) & (1u << 31);
}

/** @brief Wrap an implementation-specific identifier in @ref PixelFormat */
template<class T> constexpr PixelFormat pixelFormatWrap(T implementationSpecific) {
    static_assert(sizeof(T) <= 4, "format types larger than 32bits are not supported");
    return CORRADE_CONSTEXPR_ASSERT(!(UnsignedInt(implementationSpecific) & (1u << 31)),
        "pixelFormatWrap(): implementation-specific value" << Corrade::Utility::Debug::hex << UnsignedInt(implementationSpecific) << "already wrapped or too large"),
        PixelFormat((1u << 31)|UnsignedInt(implementationSpecific));
}

/** @brief Unwrap an implementation-specific identifier from @ref PixelFormat */
template<class T = UnsignedInt> constexpr T pixelFormatUnwrap(PixelFormat format) {
    return CORRADE_CONSTEXPR_ASSERT(UnsignedInt(format) & (1u << 31),
        "pixelFormatUnwrap():" << format << "isn't a wrapped implementation-specific value"),
        T(UnsignedInt(format) & ~(1u << 31));
}

/**
 * @brief Compressed pixel format
 *
 * Zero is reserved for an invalid value. Values with the highest bit set wrap
 * an implementation-specific format, see @ref compressedPixelFormatWrap().
 */
enum class CompressedPixelFormat: UnsignedInt {
    Bc1RGBUnorm = 1,    /**< S3TC BC1, RGB, normalized */
    Bc1RGBSrgb,         /**< S3TC BC1, sRGB */
    Bc1RGBAUnorm,       /**< S3TC BC1, RGBA with 1-bit alpha, normalized */
    Bc1RGBASrgb,        /**< S3TC BC1, sRGB + 1-bit alpha */
    Bc2RGBAUnorm,       /**< S3TC BC2, RGBA, normalized */
    Bc2RGBASrgb,        /**< S3TC BC2, sRGB + linear alpha */
    Bc3RGBAUnorm,       /**< S3TC BC3, RGBA, normalized */
    Bc3RGBASrgb,        /**< S3TC BC3, sRGB + linear alpha */
    Bc4RUnorm,          /**< RGTC BC4, red, normalized unsigned */
    Bc4RSnorm,          /**< RGTC BC4, red, normalized signed */
    Bc5RGUnorm,         /**< RGTC BC5, red and green, normalized unsigned */
    Bc5RGSnorm,         /**< RGTC BC5, red and green, normalized signed */
    Bc6hRGBUfloat,      /**< BPTC BC6H, RGB, unsigned float */
    Bc6hRGBSfloat,      /**< BPTC BC6H, RGB, signed float */
    Bc7RGBAUnorm,       /**< BPTC BC7, RGBA, normalized */
    Bc7RGBASrgb,        /**< BPTC BC7, sRGB + linear alpha */
    EacR11Unorm,        /**< EAC, red, normalized unsigned */
    EacR11Snorm,        /**< EAC, red, normalized signed */
    EacRG11Unorm,       /**< EAC, red and green, normalized unsigned */
    EacRG11Snorm,       /**< EAC, red and green, normalized signed */
    Etc2RGB8Unorm,      /**< ETC2, RGB, normalized */
    Etc2RGB8Srgb,       /**< ETC2, sRGB */
    Etc2RGB8A1Unorm,    /**< ETC2, RGB with punchthrough alpha, normalized */
    Etc2RGB8A1Srgb,     /**< ETC2, sRGB with punchthrough alpha */
    Etc2RGBA8Unorm,     /**< ETC2, RGBA, normalized */
    Etc2RGBA8Srgb,      /**< ETC2, sRGB + linear alpha */
    Astc4x4RGBAUnorm,   /**< 2D ASTC, 4x4 blocks, RGBA, normalized */
    Astc4x4RGBASrgb,    /**< 2D ASTC, 4x4 blocks, sRGB + linear alpha */
    Astc4x4RGBAF,       /**< 2D ASTC, 4x4 blocks, RGBA, float */
    Astc5x4RGBAUnorm,   /**< 2D ASTC, 5x4 blocks, RGBA, normalized */
    Astc5x4RGBASrgb,    /**< 2D ASTC, 5x4 blocks, sRGB + linear alpha */
    Astc5x4RGBAF,       /**< 2D ASTC, 5x4 blocks, RGBA, float */
    Astc5x5RGBAUnorm,   /**< 2D ASTC, 5x5 blocks, RGBA, normalized */
    Astc5x5RGBASrgb,    /**< 2D ASTC, 5x5 blocks, sRGB + linear alpha */
    Astc5x5RGBAF,       /**< 2D ASTC, 5x5 blocks, RGBA, float */
    Astc6x5RGBAUnorm,   /**< 2D ASTC, 6x5 blocks, RGBA, normalized */
    Astc6x5RGBASrgb,    /**< 2D ASTC, 6x5 blocks, sRGB + linear alpha */
    Astc6x5RGBAF,       /**< 2D ASTC, 6x5 blocks, RGBA, float */
    Astc6x6RGBAUnorm,   /**< 2D ASTC, 6x6 blocks, RGBA, normalized */
    Astc6x6RGBASrgb,    /**< 2D ASTC, 6x6 blocks, sRGB + linear alpha */
    Astc6x6RGBAF,       /**< 2D ASTC, 6x6 blocks, RGBA, float */
    Astc8x5RGBAUnorm,   /**< 2D ASTC, 8x5 blocks, RGBA, normalized */
    Astc8x5RGBASrgb,    /**< 2D ASTC, 8x5 blocks, sRGB + linear alpha */
    Astc8x5RGBAF,       /**< 2D ASTC, 8x5 blocks, RGBA, float */
    Astc8x6RGBAUnorm,   /**< 2D ASTC, 8x6 blocks, RGBA, normalized */
    Astc8x6RGBASrgb,    /**< 2D ASTC, 8x6 blocks, sRGB + linear alpha */
    Astc8x6RGBAF,       /**< 2D ASTC, 8x6 blocks, RGBA, float */
    Astc8x8RGBAUnorm,   /**< 2D ASTC, 8x8 blocks, RGBA, normalized */
    Astc8x8RGBASrgb,    /**< 2D ASTC, 8x8 blocks, sRGB + linear alpha */
    Astc8x8RGBAF,       /**< 2D ASTC, 8x8 blocks, RGBA, float */
    Astc10x5RGBAUnorm,  /**< 2D ASTC, 10x5 blocks, RGBA, normalized */
    Astc10x5RGBASrgb,   /**< 2D ASTC, 10x5 blocks, sRGB + linear alpha */
    Astc10x5RGBAF,      /**< 2D ASTC, 10x5 blocks, RGBA, float */
    Astc10x6RGBAUnorm,  /**< 2D ASTC, 10x6 blocks, RGBA, normalized */
    Astc10x6RGBASrgb,   /**< 2D ASTC, 10x6 blocks, sRGB + linear alpha */
    Astc10x6RGBAF,      /**< 2D ASTC, 10x6 blocks, RGBA, float */
    Astc10x8RGBAUnorm,  /**< 2D ASTC, 10x8 blocks, RGBA, normalized */
    Astc10x8RGBASrgb,   /**< 2D ASTC, 10x8 blocks, sRGB + linear alpha */
    Astc10x8RGBAF,      /**< 2D ASTC, 10x8 blocks, RGBA, float */
    Astc10x10RGBAUnorm, /**< 2D ASTC, 10x10 blocks, RGBA, normalized */
    Astc10x10RGBASrgb,  /**< 2D ASTC, 10x10 blocks, sRGB + linear alpha */
    Astc10x10RGBAF,     /**< 2D ASTC, 10x10 blocks, RGBA, float */
    Astc12x10RGBAUnorm, /**< 2D ASTC, 12x10 blocks, RGBA, normalized */
    Astc12x10RGBASrgb,  /**< 2D ASTC, 12x10 blocks, sRGB + linear alpha */
    Astc12x10RGBAF,     /**< 2D ASTC, 12x10 blocks, RGBA, float */
    Astc12x12RGBAUnorm, /**< 2D ASTC, 12x12 blocks, RGBA, normalized */
    Astc12x12RGBASrgb,  /**< 2D ASTC, 12x12 blocks, sRGB + linear alpha */
    Astc12x12RGBAF,     /**< 2D ASTC, 12x12 blocks, RGBA, float */
    Astc3x3x3RGBAUnorm, /**< 3D ASTC, 3x3x3 blocks, RGBA, normalized */
    Astc3x3x3RGBASrgb,  /**< 3D ASTC, 3x3x3 blocks, sRGB + linear alpha */
    Astc3x3x3RGBAF,     /**< 3D ASTC, 3x3x3 blocks, RGBA, float */
    Astc4x3x3RGBAUnorm, /**< 3D ASTC, 4x3x3 blocks, RGBA, normalized */
    Astc4x3x3RGBASrgb,  /**< 3D ASTC, 4x3x3 blocks, sRGB + linear alpha */
    Astc4x3x3RGBAF,     /**< 3D ASTC, 4x3x3 blocks, RGBA, float */
    Astc4x4x3RGBAUnorm, /**< 3D ASTC, 4x4x3 blocks, RGBA, normalized */
    Astc4x4x3RGBASrgb,  /**< 3D ASTC, 4x4x3 blocks, sRGB + linear alpha */
    Astc4x4x3RGBAF,     /**< 3D ASTC, 4x4x3 blocks, RGBA, float */
    Astc4x4x4RGBAUnorm, /**< 3D ASTC, 4x4x4 blocks, RGBA, normalized */
    Astc4x4x4RGBASrgb,  /**< 3D ASTC, 4x4x4 blocks, sRGB + linear alpha */
    Astc4x4x4RGBAF,     /**< 3D ASTC, 4x4x4 blocks, RGBA, float */
    Astc5x4x4RGBAUnorm, /**< 3D ASTC, 5x4x4 blocks, RGBA, normalized */
    Astc5x4x4RGBASrgb,  /**< 3D ASTC, 5x4x4 blocks, sRGB + linear alpha */
    Astc5x4x4RGBAF,     /**< 3D ASTC, 5x4x4 blocks, RGBA, float */
    Astc5x5x4RGBAUnorm, /**< 3D ASTC, 5x5x4 blocks, RGBA, normalized */
    Astc5x5x4RGBASrgb,  /**< 3D ASTC, 5x5x4 blocks, sRGB + linear alpha */
    Astc5x5x4RGBAF,     /**< 3D ASTC, 5x5x4 blocks, RGBA, float */
    Astc5x5x5RGBAUnorm, /**< 3D ASTC, 5x5x5 blocks, RGBA, normalized */
    Astc5x5x5RGBASrgb,  /**< 3D ASTC, 5x5x5 blocks, sRGB + linear alpha */
    Astc5x5x5RGBAF,     /**< 3D ASTC, 5x5x5 blocks, RGBA, float */
    Astc6x5x5RGBAUnorm, /**< 3D ASTC, 6x5x5 blocks, RGBA, normalized */
    Astc6x5x5RGBASrgb,  /**< 3D ASTC, 6x5x5 blocks, sRGB + linear alpha */
    Astc6x5x5RGBAF,     /**< 3D ASTC, 6x5x5 blocks, RGBA, float */
    Astc6x6x5RGBAUnorm, /**< 3D ASTC, 6x6x5 blocks, RGBA, normalized */
    Astc6x6x5RGBASrgb,  /**< 3D ASTC, 6x6x5 blocks, sRGB + linear alpha */
    Astc6x6x5RGBAF,     /**< 3D ASTC, 6x6x5 blocks, RGBA, float */
    Astc6x6x6RGBAUnorm, /**< 3D ASTC, 6x6x6 blocks, RGBA, normalized */
    Astc6x6x6RGBASrgb,  /**< 3D ASTC, 6x6x6 blocks, sRGB + linear alpha */
    Astc6x6x6RGBAF,     /**< 3D ASTC, 6x6x6 blocks, RGBA, float */
    PvrtcRGB2bppUnorm,  /**< PVRTC, RGB, 2 bits per pixel, normalized */
    PvrtcRGB2bppSrgb,   /**< PVRTC, sRGB, 2 bits per pixel */
    PvrtcRGBA2bppUnorm, /**< PVRTC, RGBA, 2 bits per pixel, normalized */
    PvrtcRGBA2bppSrgb,  /**< PVRTC, sRGB + linear alpha, 2 bits per pixel */
    PvrtcRGB4bppUnorm,  /**< PVRTC, RGB, 4 bits per pixel, normalized */
    PvrtcRGB4bppSrgb,   /**< PVRTC, sRGB, 4 bits per pixel */
    PvrtcRGBA4bppUnorm, /**< PVRTC, RGBA, 4 bits per pixel, normalized */
    PvrtcRGBA4bppSrgb   /**< PVRTC, sRGB + linear alpha, 4 bits per pixel */
};

/** @brief Debug output operator */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, CompressedPixelFormat value);

/** @brief Block size of given compressed pixel format, in pixels */
Vector3i compressedPixelFormatBlockSize(CompressedPixelFormat format);

/** @brief Size of a block of given compressed pixel format, in bytes */
UnsignedInt compressedPixelFormatBlockDataSize(CompressedPixelFormat format);

/** @brief Whether given compressed pixel format is normalized */
bool isCompressedPixelFormatNormalized(CompressedPixelFormat format);

/** @brief Whether given compressed pixel format is floating-point */
bool isCompressedPixelFormatFloatingPoint(CompressedPixelFormat format);

/** @brief Whether given compressed pixel format is sRGB */
bool isCompressedPixelFormatSrgb(CompressedPixelFormat format);

/** @brief Whether a @ref CompressedPixelFormat value wraps an implementation-specific identifier */
constexpr bool isCompressedPixelFormatImplementationSpecific(CompressedPixelFormat format) {
    return UnsignedInt(format) & (1u << 31);
}

/** @brief Wrap an implementation-specific identifier in @ref CompressedPixelFormat */
template<class T> constexpr CompressedPixelFormat compressedPixelFormatWrap(T implementationSpecific) {
    static_assert(sizeof(T) <= 4, "format types larger than 32bits are not supported");
    return CORRADE_CONSTEXPR_ASSERT(!(UnsignedInt(implementationSpecific) & (1u << 31)),
        "compressedPixelFormatWrap(): implementation-specific value" << Corrade::Utility::Debug::hex << UnsignedInt(implementationSpecific) << "already wrapped or too large"),
        CompressedPixelFormat((1u << 31)|UnsignedInt(implementationSpecific));
}

/** @brief Unwrap an implementation-specific identifier from @ref CompressedPixelFormat */
template<class T = UnsignedInt> constexpr T compressedPixelFormatUnwrap(CompressedPixelFormat format) {
    return CORRADE_CONSTEXPR_ASSERT(UnsignedInt(format) & (1u << 31),
        "compressedPixelFormatUnwrap():" << format << "isn't a wrapped implementation-specific value"),
        T(UnsignedInt(format) & ~(1u << 31));
}

}

#endif
