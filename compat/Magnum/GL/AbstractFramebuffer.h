#ifndef Magnum_GL_AbstractFramebuffer_h
#define Magnum_GL_AbstractFramebuffer_h
/* Base of GL framebuffers */

#include "Corrade/Containers/EnumSet.h"
#include "Magnum/Magnum.h"
#include "Magnum/Math/Range.h"
#include "Magnum/GL/AbstractObject.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Framebuffer clear mask bit */
enum class FramebufferClear: UnsignedInt {
    Color = 0x4000,     /**< Color buffer */
    Depth = 0x0100,     /**< Depth buffer */
    Stencil = 0x0400    /**< Stencil buffer */
};

/** @brief Framebuffer clear mask */
typedef Containers::EnumSet<FramebufferClear> FramebufferClearMask;

CORRADE_ENUMSET_OPERATORS(FramebufferClearMask)

/** @brief Framebuffer target */
enum class FramebufferTarget: UnsignedInt {
    Read = 0x8CA8,      /**< For reading only */
    Draw = 0x8CA9       /**< For drawing only */
};

/** @brief Base for framebuffers */
class AbstractFramebuffer {
    public:
        /** @brief Bind for drawing and apply the viewport */
        void bind();

        /** @brief Viewport */
        Range2Di viewport() const { return _viewport; }

        /** @brief Set viewport, applied when the framebuffer is bound */
        AbstractFramebuffer& setViewport(const Range2Di& rectangle);

        /** @brief Clear given buffers */
        AbstractFramebuffer& clear(FramebufferClearMask mask);

        /** @brief Read a block of pixels into an image, keeping its storage and format */
        void read(const Range2Di& rectangle, Image2D& image);

        /** @overload */
        Image2D read(const Range2Di& rectangle, Image2D&& image);

    protected:
        AbstractFramebuffer() = default;
        ~AbstractFramebuffer() = default;

        UnsignedInt _id{};
        Range2Di _viewport;
};

}}

#endif
