#ifndef Magnum_GL_Renderer_h
#define Magnum_GL_Renderer_h
/* Global renderer state and error queries */

#include "Magnum/Magnum.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Global renderer configuration */
class Renderer {
    public:
        Renderer() = delete;

        /** @brief Renderer feature */
        enum class Feature: UnsignedInt {
            Blending = 0x0BE2,              /**< Blending */
            DepthClamp = 0x864F,            /**< Depth clamping */
            DepthTest = 0x0B71,             /**< Depth test */
            Dithering = 0x0BD0,             /**< Dithering */
            FaceCulling = 0x0B44,           /**< Back face culling */
            FramebufferSrgb = 0x8DB9,       /**< sRGB encoding of framebuffer writes */
            Multisampling = 0x809D,         /**< Multisampling */
            PolygonOffsetFill = 0x8037,     /**< Polygon offset for filled polygons */
            ProgramPointSize = 0x8642,      /**< Point size from the shader */
            RasterizerDiscard = 0x8C89,     /**< Discard primitives before rasterization */
            ScissorTest = 0x0C11,           /**< Scissor test */
            SeamlessCubeMapTexture = 0x884F, /**< Seamless cube map filtering */
            StencilTest = 0x0B90            /**< Stencil test */
        };

        /** @brief Enable a feature */
        static void enable(Feature feature);

        /** @brief Disable a feature */
        static void disable(Feature feature);

        /** @brief Enable or disable a feature */
        static void setFeature(Feature feature, bool enabled);

        /** @brief Set clear color */
        static void setClearColor(const Color4& color);

        /** @brief Set clear depth */
        static void setClearDepth(Float depth);

        /** @brief Flush the command queue */
        static void flush();

        /** @brief Wait for all commands to finish */
        static void finish();

        /** @brief Error status */
        enum class Error: UnsignedInt {
            NoError = 0,                            /**< No error */
            InvalidEnum = 0x0500,                   /**< Enumeration out of range */
            InvalidValue = 0x0501,                  /**< Numeric argument out of range */
            InvalidOperation = 0x0502,              /**< Operation not allowed in this state */
            InvalidFramebufferOperation = 0x0506,   /**< Framebuffer incomplete */
            OutOfMemory = 0x0505,                   /**< Not enough memory */
            StackUnderflow = 0x0504,                /**< Stack underflow */
            StackOverflow = 0x0503                  /**< Stack overflow */
        };

        /** @brief Take one error from the error queue */
        static Error error();
};

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, Renderer::Error value);

}}

#endif
