#ifndef Magnum_GL_RenderbufferFormat_h
#define Magnum_GL_RenderbufferFormat_h
/* Internal renderbuffer formats */

#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Internal renderbuffer format */
enum class RenderbufferFormat: UnsignedInt {
    R8 = 0x8229,                /**< Red, normalized unsigned byte */
    RG8 = 0x822B,               /**< Red and green, normalized unsigned byte */
    RGB8 = 0x8051,              /**< RGB, normalized unsigned byte */
    RGBA8 = 0x8058,             /**< RGBA, normalized unsigned byte */
    SRGB8Alpha8 = 0x8C43,       /**< sRGB + linear alpha */
    R16 = 0x822A,               /**< Red, normalized unsigned short */
    RGBA16 = 0x805B,            /**< RGBA, normalized unsigned short */
    R8UI = 0x8232,              /**< Red, integral unsigned byte */
    RGBA8UI = 0x8D7C,           /**< RGBA, integral unsigned byte */
    R16UI = 0x8234,             /**< Red, integral unsigned short */
    R32UI = 0x8236,             /**< Red, integral unsigned int */
    R32I = 0x8235,              /**< Red, integral signed int */
    R16F = 0x822D,              /**< Red, half float */
    RGBA16F = 0x881A,           /**< RGBA, half float */
    R32F = 0x822E,              /**< Red, float */
    RGBA32F = 0x8814,           /**< RGBA, float */
    DepthComponent16 = 0x81A5,  /**< 16-bit depth */
    DepthComponent24 = 0x81A6,  /**< 24-bit depth */
    DepthComponent32F = 0x8CAC, /**< Float depth */
    StencilIndex8 = 0x8D48,     /**< 8-bit stencil */
    Depth24Stencil8 = 0x88F0,   /**< 24-bit depth and 8-bit stencil */
    Depth32FStencil8 = 0x8CAD   /**< Float depth and 8-bit stencil */
};

}}

#endif
