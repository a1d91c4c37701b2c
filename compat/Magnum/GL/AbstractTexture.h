#ifndef Magnum_GL_AbstractTexture_h
#define Magnum_GL_AbstractTexture_h
/* Base of GL texture wrappers */

#include "Magnum/Magnum.h"
#include "Magnum/Tags.h"
#include "Magnum/GL/AbstractObject.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

namespace Implementation {
    /* Byte size of pixel data of given size laid out with given storage */
    std::size_t imageDataSizeFor(const PixelStorage& storage, UnsignedInt pixelSize, const Vector3i& size);
}

/** @brief Base for textures */
class AbstractTexture: public AbstractObject {
    friend Framebuffer;

    public:
        /** @brief Unbind any texture from given texture unit */
        static void unbind(Int textureUnit);

        /** @brief Copying is not allowed */
        AbstractTexture(const AbstractTexture&) = delete;

        /** @brief Copying is not allowed */
        AbstractTexture& operator=(const AbstractTexture&) = delete;

        /** @brief OpenGL texture ID */
        UnsignedInt id() const { return _id; }

        /** @brief Bind the texture to given texture unit */
        void bind(Int textureUnit);

    protected:
        explicit AbstractTexture(UnsignedInt target);
        explicit AbstractTexture(NoCreateT, UnsignedInt target) noexcept: _target{target} {}
        AbstractTexture(AbstractTexture&& other) noexcept;
        ~AbstractTexture();
        AbstractTexture& operator=(AbstractTexture&& other) noexcept;

        /* Helpers shared by all dimension counts; sizes and offsets padded
           with zeros (offsets) or ones (sizes) to three components */
        void setMinificationFilterInternal(SamplerFilter filter, SamplerMipmap mipmap);
        void setMagnificationFilterInternal(SamplerFilter filter);
        void setWrappingInternal(UnsignedInt count, const SamplerWrapping* wrapping);
        void setStorageInternal(UnsignedInt dimensions, Int levels, TextureFormat internalFormat, const Vector3i& size);
        void setSubImageInternal(UnsignedInt dimensions, Int level, const Vector3i& offset, const Vector3i& size, const PixelStorage& storage, Magnum::PixelFormat format, UnsignedInt formatExtra, const void* data);
        void setCompressedSubImageInternal(UnsignedInt dimensions, Int level, const Vector3i& offset, const Vector3i& size, const CompressedPixelStorage& storage, Magnum::CompressedPixelFormat format, const Vector3i& blockSize, UnsignedInt blockDataSize, const void* data);
        Vector3i imageSizeInternal(Int level);
        void imageInternal(Int level, const PixelStorage& storage, Magnum::PixelFormat format, UnsignedInt formatExtra, void* data, std::size_t dataSize);
        static Int maxTextureSizeInternal();
        static Int max3DTextureSizeInternal();
        static Int maxArrayLayersInternal();

    private:
        UnsignedInt bindInternal();

        UnsignedInt _target;
        UnsignedInt _id{};
        ObjectFlags _flags;
};

}}

#endif
