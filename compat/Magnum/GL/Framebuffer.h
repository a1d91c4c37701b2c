#ifndef Magnum_GL_Framebuffer_h
#define Magnum_GL_Framebuffer_h
/* GL framebuffer object */

#include <initializer_list>

#include "Magnum/Tags.h"
#include "Magnum/GL/AbstractFramebuffer.h"
#include "Magnum/GL/AbstractObject.h"

namespace Magnum { namespace GL {

/** @brief Framebuffer */
class Framebuffer: public AbstractFramebuffer, public AbstractObject {
    public:
        /** @brief Color attachment */
        class ColorAttachment {
            public:
                /** @brief Color attachment with given ID */
                constexpr explicit ColorAttachment(UnsignedInt id): _attachment{0x8CE0 + id} {}

                /** @brief GL attachment enum */
                constexpr explicit operator UnsignedInt() const { return _attachment; }

            private:
                UnsignedInt _attachment;
        };

        /** @brief Draw attachment */
        class DrawAttachment {
            public:
                /** @brief No attachment */
                static const DrawAttachment None;

                /** @brief Color attachment */
                constexpr /*implicit*/ DrawAttachment(ColorAttachment attachment): _attachment{UnsignedInt(attachment)} {}

                /** @brief GL attachment enum */
                constexpr explicit operator UnsignedInt() const { return _attachment; }

            private:
                constexpr explicit DrawAttachment(UnsignedInt attachment): _attachment{attachment} {}

                UnsignedInt _attachment;
        };

        /** @brief Buffer attachment */
        class BufferAttachment {
            public:
                /** @brief Depth buffer */
                static const BufferAttachment Depth;

                /** @brief Stencil buffer */
                static const BufferAttachment Stencil;

                /** @brief Both depth and stencil buffer */
                static const BufferAttachment DepthStencil;

                /** @brief Color buffer */
                constexpr /*implicit*/ BufferAttachment(ColorAttachment attachment): _attachment{UnsignedInt(attachment)} {}

                /** @brief GL attachment enum */
                constexpr explicit operator UnsignedInt() const { return _attachment; }

            private:
                constexpr explicit BufferAttachment(UnsignedInt attachment): _attachment{attachment} {}

                UnsignedInt _attachment;
        };

        /** @brief Framebuffer status */
        enum class Status: UnsignedInt {
            Complete = 0x8CD5,                      /**< Complete */
            IncompleteAttachment = 0x8CD6,          /**< An attachment is incomplete */
            IncompleteMissingAttachment = 0x8CD7,   /**< No image attached */
            IncompleteDrawBuffer = 0x8CDB,          /**< A draw buffer has no image */
            IncompleteReadBuffer = 0x8CDC,          /**< The read buffer has no image */
            Unsupported = 0x8CDD,                   /**< Unsupported combination of formats */
            IncompleteMultisample = 0x8D56,         /**< Mismatched sample counts */
            IncompleteLayerTargets = 0x8DA8         /**< Mismatched layered attachments */
        };

        /** @brief Create a framebuffer with given viewport */
        explicit Framebuffer(const Range2Di& viewport);

        /** @brief Construct without creating the GL object */
        explicit Framebuffer(NoCreateT) noexcept {}

        /** @brief Copying is not allowed */
        Framebuffer(const Framebuffer&) = delete;

        /** @brief Move constructor */
        Framebuffer(Framebuffer&& other) noexcept;

        /** @brief Deletes the GL object */
        ~Framebuffer();

        /** @brief Copying is not allowed */
        Framebuffer& operator=(const Framebuffer&) = delete;

        /** @brief Move assignment */
        Framebuffer& operator=(Framebuffer&& other) noexcept;

        /** @brief OpenGL framebuffer ID */
        UnsignedInt id() const { return _id; }

        /** @brief Check framebuffer status */
        Status checkStatus(FramebufferTarget target);

        /** @brief Map one color attachment for drawing */
        Framebuffer& mapForDraw(DrawAttachment attachment);

        /** @brief Map shader outputs to attachments, outputs not listed draw nowhere */
        Framebuffer& mapForDraw(Containers::ArrayView<const Containers::Pair<UnsignedInt, DrawAttachment>> attachments);

        /** @overload */
        Framebuffer& mapForDraw(std::initializer_list<Containers::Pair<UnsignedInt, DrawAttachment>> attachments);

        /** @brief Map a color attachment for reading */
        Framebuffer& mapForRead(ColorAttachment attachment);

        /** @brief Attach a renderbuffer */
        Framebuffer& attachRenderbuffer(BufferAttachment attachment, Renderbuffer& renderbuffer);

        /** @brief Attach a level of a 2D texture */
        Framebuffer& attachTexture(BufferAttachment attachment, Texture2D& texture, Int level);

        /** @brief Attach a layer of a level of a 2D texture array */
        Framebuffer& attachTextureLayer(BufferAttachment attachment, Texture2DArray& texture, Int level, Int layer);

        /** @brief Set viewport */
        Framebuffer& setViewport(const Range2Di& rectangle) {
            AbstractFramebuffer::setViewport(rectangle);
            return *this;
        }

        /** @brief Clear given buffers */
        Framebuffer& clear(FramebufferClearMask mask) {
            AbstractFramebuffer::clear(mask);
            return *this;
        }

    private:
        ObjectFlags _flags;
};

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, Framebuffer::Status value);

}}

#endif
