#ifndef Magnum_GL_Renderbuffer_h
#define Magnum_GL_Renderbuffer_h
/* GL renderbuffer object */

#include "Magnum/Tags.h"
#include "Magnum/GL/AbstractObject.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Renderbuffer */
class Renderbuffer: public AbstractObject {
    public:
        /** @brief Max supported renderbuffer size */
        static Int maxSize();

        /** @brief Create a renderbuffer */
        explicit Renderbuffer();

        /** @brief Construct without creating the GL object */
        explicit Renderbuffer(NoCreateT) noexcept {}

        /** @brief Copying is not allowed */
        Renderbuffer(const Renderbuffer&) = delete;

        /** @brief Move constructor */
        Renderbuffer(Renderbuffer&& other) noexcept;

        /** @brief Deletes the GL object */
        ~Renderbuffer();

        /** @brief Copying is not allowed */
        Renderbuffer& operator=(const Renderbuffer&) = delete;

        /** @brief Move assignment */
        Renderbuffer& operator=(Renderbuffer&& other) noexcept;

        /** @brief OpenGL renderbuffer ID */
        UnsignedInt id() const { return _id; }

        /** @brief Set renderbuffer storage */
        void setStorage(RenderbufferFormat internalFormat, const Vector2i& size);

    private:
        UnsignedInt _id{};
        ObjectFlags _flags;
};

}}

#endif
