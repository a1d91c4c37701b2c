#ifndef Magnum_GL_Texture_h
#define Magnum_GL_Texture_h
/* One- to three-dimensional GL textures */

#include "Magnum/Sampler.h"
#include "Magnum/DimensionTraits.h"
#include "Magnum/GL/AbstractTexture.h"
#include "Magnum/GL/Sampler.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum { namespace GL {

/** @brief Texture */
template<UnsignedInt dimensions> class Texture: public AbstractTexture {
    public:
        /** @brief Max supported texture size */
        static VectorTypeFor<dimensions, Int> maxSize();

        /** @brief Create a texture */
        explicit Texture(): AbstractTexture{target()} {}

        /** @brief Construct without creating the GL object */
        explicit Texture(NoCreateT) noexcept: AbstractTexture{NoCreate, target()} {}

        /** @brief Move constructor */
        Texture(Texture<dimensions>&&) noexcept = default;

        /** @brief Move assignment */
        Texture<dimensions>& operator=(Texture<dimensions>&&) noexcept = default;

        /** @brief Set minification filter */
        Texture<dimensions>& setMinificationFilter(SamplerFilter filter, SamplerMipmap mipmap = SamplerMipmap::Base) {
            setMinificationFilterInternal(filter, mipmap);
            return *this;
        }

        /** @overload */
        Texture<dimensions>& setMinificationFilter(Magnum::SamplerFilter filter, Magnum::SamplerMipmap mipmap) {
            return setMinificationFilter(samplerFilter(filter), samplerMipmap(mipmap));
        }

        /** @overload */
        Texture<dimensions>& setMinificationFilter(Magnum::SamplerFilter filter) {
            return setMinificationFilter(samplerFilter(filter), SamplerMipmap::Base);
        }

        /** @brief Set magnification filter */
        Texture<dimensions>& setMagnificationFilter(SamplerFilter filter) {
            setMagnificationFilterInternal(filter);
            return *this;
        }

        /** @overload */
        Texture<dimensions>& setMagnificationFilter(Magnum::SamplerFilter filter) {
            return setMagnificationFilter(samplerFilter(filter));
        }

        /** @brief Set wrapping per dimension */
        Texture<dimensions>& setWrapping(const Math::Vector<dimensions, SamplerWrapping>& wrapping) {
            setWrappingInternal(dimensions, wrapping.data());
            return *this;
        }

        /** @overload */
        Texture<dimensions>& setWrapping(const Math::Vector<dimensions, Magnum::SamplerWrapping>& wrapping) {
            return setWrapping(samplerWrapping(wrapping));
        }

        /** @brief Set the same wrapping for all dimensions */
        Texture<dimensions>& setWrapping(SamplerWrapping wrapping) {
            return setWrapping(Math::Vector<dimensions, SamplerWrapping>{wrapping});
        }

        /** @overload */
        Texture<dimensions>& setWrapping(Magnum::SamplerWrapping wrapping) {
            return setWrapping(samplerWrapping(wrapping));
        }

        /** @brief Allocate immutable storage */
        Texture<dimensions>& setStorage(Int levels, TextureFormat internalFormat, const VectorTypeFor<dimensions, Int>& size);

        /** @brief Image size in given mip level */
        VectorTypeFor<dimensions, Int> imageSize(Int level);

        /** @brief Set image subdata */
        Texture<dimensions>& setSubImage(Int level, const VectorTypeFor<dimensions, Int>& offset, const BasicImageView<dimensions>& image);

        /** @brief Set compressed image subdata */
        Texture<dimensions>& setCompressedSubImage(Int level, const VectorTypeFor<dimensions, Int>& offset, const BasicCompressedImageView<dimensions>& image);

        /** @brief Read given mip level into an image, keeping its storage and format */
        void image(Int level, Image<dimensions>& image);

        /** @overload */
        Image<dimensions> image(Int level, Image<dimensions>&& image);

    private:
        static constexpr UnsignedInt target() {
            return dimensions == 1 ? 0x0DE0 : dimensions == 2 ? 0x0DE1 : 0x806F;
        }
};

}}

#endif
