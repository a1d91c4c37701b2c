#ifndef Magnum_GL_PixelFormat_h
#define Magnum_GL_PixelFormat_h
/* GL pixel formats and types and their mapping from generic pixel formats */

#include "Magnum/Magnum.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Format of pixel data */
enum class PixelFormat: UnsignedInt {
    Red = 0x1903,               /**< Red component */
    Green = 0x1904,             /**< Green component */
    Blue = 0x1905,              /**< Blue component */
    RG = 0x8227,                /**< Red and green */
    RGB = 0x1907,               /**< RGB */
    RGBA = 0x1908,              /**< RGBA */
    BGR = 0x80E0,               /**< BGR */
    BGRA = 0x80E1,              /**< BGRA */
    RedInteger = 0x8D94,        /**< Integral red */
    GreenInteger = 0x8D95,      /**< Integral green */
    BlueInteger = 0x8D96,       /**< Integral blue */
    RGInteger = 0x8228,         /**< Integral red and green */
    RGBInteger = 0x8D98,        /**< Integral RGB */
    RGBAInteger = 0x8D99,       /**< Integral RGBA */
    BGRInteger = 0x8D9A,        /**< Integral BGR */
    BGRAInteger = 0x8D9B,       /**< Integral BGRA */
    DepthComponent = 0x1902,    /**< Depth */
    StencilIndex = 0x1901,      /**< Stencil */
    DepthStencil = 0x84F9       /**< Depth and stencil */
};

/** @brief Type of pixel data */
enum class PixelType: UnsignedInt {
    UnsignedByte = 0x1401,          /**< Unsigned byte */
    Byte = 0x1400,                  /**< Byte */
    UnsignedShort = 0x1403,         /**< Unsigned short */
    Short = 0x1402,                 /**< Short */
    UnsignedInt = 0x1405,           /**< Unsigned int */
    Int = 0x1404,                   /**< Int */
    Half = 0x140B,                  /**< Half float */
    Float = 0x1406,                 /**< Float */
    UnsignedByte332 = 0x8032,       /**< Packed 3.3.2 */
    UnsignedByte233Rev = 0x8362,    /**< Packed reversed 2.3.3 */
    UnsignedShort565 = 0x8363,      /**< Packed 5.6.5 */
    UnsignedShort565Rev = 0x8364,   /**< Packed reversed 5.6.5 */
    UnsignedShort4444 = 0x8033,     /**< Packed 4.4.4.4 */
    UnsignedShort4444Rev = 0x8365,  /**< Packed reversed 4.4.4.4 */
    UnsignedShort5551 = 0x8034,     /**< Packed 5.5.5.1 */
    UnsignedShort1555Rev = 0x8366,  /**< Packed reversed 1.5.5.5 */
    UnsignedInt8888 = 0x8035,       /**< Packed 8.8.8.8 */
    UnsignedInt8888Rev = 0x8367,    /**< Packed reversed 8.8.8.8 */
    UnsignedInt1010102 = 0x8036,    /**< Packed 10.10.10.2 */
    UnsignedInt2101010Rev = 0x8368, /**< Packed reversed 2.10.10.10 */
    UnsignedInt10F11F11FRev = 0x8C3B, /**< Packed 10.11.11 float */
    UnsignedInt5999Rev = 0x8C3E,    /**< Packed 5.9.9.9 shared exponent */
    UnsignedInt248 = 0x84FA,        /**< Packed 24-bit depth and 8-bit stencil */
    Float32UnsignedInt248Rev = 0x8DAD /**< Float depth and 8-bit stencil */
};

/** @brief Size of a pixel of given format and type in bytes */
UnsignedInt pixelFormatSize(PixelFormat format, PixelType type);

/** @brief Whether a generic pixel format has a GL equivalent */
bool hasPixelFormat(Magnum::PixelFormat format);

/** @brief GL pixel format for a generic one, unwrapping implementation-specific values */
PixelFormat pixelFormat(Magnum::PixelFormat format);

/** @brief GL pixel type for a generic format, or @p extra for implementation-specific ones */
PixelType pixelType(Magnum::PixelFormat format, UnsignedInt extra = 0);

/** @brief Compressed pixel format */
enum class CompressedPixelFormat: UnsignedInt {
    CompressedRedRgtc1 = 0x8DBB,
    CompressedRGRgtc2 = 0x8DBD,
    CompressedSignedRedRgtc1 = 0x8DBC,
    CompressedSignedRGRgtc2 = 0x8DBE,
    CompressedRGBBptcUnsignedFloat = 0x8E8F,
    CompressedRGBBptcSignedFloat = 0x8E8E,
    CompressedRGBABptcUnorm = 0x8E8C,
    CompressedSRGBAlphaBptcUnorm = 0x8E8D,
    CompressedRGB8Etc2 = 0x9274,
    CompressedSRGB8Etc2 = 0x9275,
    CompressedRGB8PunchthroughAlpha1Etc2 = 0x9276,
    CompressedSRGB8PunchthroughAlpha1Etc2 = 0x9277,
    CompressedRGBA8Etc2Eac = 0x9278,
    CompressedSRGB8Alpha8Etc2Eac = 0x9279,
    CompressedR11Eac = 0x9270,
    CompressedSignedR11Eac = 0x9271,
    CompressedRG11Eac = 0x9272,
    CompressedSignedRG11Eac = 0x9273,
    CompressedRGBS3tcDxt1 = 0x83F0,
    CompressedSRGBS3tcDxt1 = 0x8C4C,
    CompressedRGBAS3tcDxt1 = 0x83F1,
    CompressedSRGBAlphaS3tcDxt1 = 0x8C4D,
    CompressedRGBAS3tcDxt3 = 0x83F2,
    CompressedSRGBAlphaS3tcDxt3 = 0x8C4E,
    CompressedRGBAS3tcDxt5 = 0x83F3,
    CompressedSRGBAlphaS3tcDxt5 = 0x8C4F,
    CompressedRGBAAstc4x4 = 0x93B0,
    CompressedSRGB8Alpha8Astc4x4 = 0x93D0,
    CompressedRGBAAstc5x4 = 0x93B1,
    CompressedSRGB8Alpha8Astc5x4 = 0x93D1,
    CompressedRGBAAstc5x5 = 0x93B2,
    CompressedSRGB8Alpha8Astc5x5 = 0x93D2,
    CompressedRGBAAstc6x5 = 0x93B3,
    CompressedSRGB8Alpha8Astc6x5 = 0x93D3,
    CompressedRGBAAstc6x6 = 0x93B4,
    CompressedSRGB8Alpha8Astc6x6 = 0x93D4,
    CompressedRGBAAstc8x5 = 0x93B5,
    CompressedSRGB8Alpha8Astc8x5 = 0x93D5,
    CompressedRGBAAstc8x6 = 0x93B6,
    CompressedSRGB8Alpha8Astc8x6 = 0x93D6,
    CompressedRGBAAstc8x8 = 0x93B7,
    CompressedSRGB8Alpha8Astc8x8 = 0x93D7,
    CompressedRGBAAstc10x5 = 0x93B8,
    CompressedSRGB8Alpha8Astc10x5 = 0x93D8,
    CompressedRGBAAstc10x6 = 0x93B9,
    CompressedSRGB8Alpha8Astc10x6 = 0x93D9,
    CompressedRGBAAstc10x8 = 0x93BA,
    CompressedSRGB8Alpha8Astc10x8 = 0x93DA,
    CompressedRGBAAstc10x10 = 0x93BB,
    CompressedSRGB8Alpha8Astc10x10 = 0x93DB,
    CompressedRGBAAstc12x10 = 0x93BC,
    CompressedSRGB8Alpha8Astc12x10 = 0x93DC,
    CompressedRGBAAstc12x12 = 0x93BD,
    CompressedSRGB8Alpha8Astc12x12 = 0x93DD
};

/** @brief Whether a generic compressed format has a GL equivalent */
bool hasCompressedPixelFormat(Magnum::CompressedPixelFormat format);

/** @brief GL compressed format for a generic one, unwrapping implementation-specific values */
CompressedPixelFormat compressedPixelFormat(Magnum::CompressedPixelFormat format);

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, PixelFormat value);

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, PixelType value);

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, CompressedPixelFormat value);

}}

#endif
