#ifndef Magnum_GL_TextureArray_h
#define Magnum_GL_TextureArray_h
/* One- and two-dimensional GL texture arrays */

#include "Magnum/Sampler.h"
#include "Magnum/DimensionTraits.h"
#include "Magnum/GL/AbstractTexture.h"
#include "Magnum/GL/Sampler.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum { namespace GL {

/** @brief Texture array */
template<UnsignedInt dimensions> class TextureArray: public AbstractTexture {
    public:
        /** @brief Max supported texture array size, layer count last */
        static VectorTypeFor<dimensions + 1, Int> maxSize();

        /** @brief Create a texture array */
        explicit TextureArray(): AbstractTexture{target()} {}

        /** @brief Construct without creating the GL object */
        explicit TextureArray(NoCreateT) noexcept: AbstractTexture{NoCreate, target()} {}

        /** @brief Move constructor */
        TextureArray(TextureArray<dimensions>&&) noexcept = default;

        /** @brief Move assignment */
        TextureArray<dimensions>& operator=(TextureArray<dimensions>&&) noexcept = default;

        /** @brief Set minification filter */
        TextureArray<dimensions>& setMinificationFilter(SamplerFilter filter, SamplerMipmap mipmap = SamplerMipmap::Base) {
            setMinificationFilterInternal(filter, mipmap);
            return *this;
        }

        /** @overload */
        TextureArray<dimensions>& setMinificationFilter(Magnum::SamplerFilter filter, Magnum::SamplerMipmap mipmap) {
            return setMinificationFilter(samplerFilter(filter), samplerMipmap(mipmap));
        }

        /** @overload */
        TextureArray<dimensions>& setMinificationFilter(Magnum::SamplerFilter filter) {
            return setMinificationFilter(samplerFilter(filter), SamplerMipmap::Base);
        }

        /** @brief Set magnification filter */
        TextureArray<dimensions>& setMagnificationFilter(SamplerFilter filter) {
            setMagnificationFilterInternal(filter);
            return *this;
        }

        /** @overload */
        TextureArray<dimensions>& setMagnificationFilter(Magnum::SamplerFilter filter) {
            return setMagnificationFilter(samplerFilter(filter));
        }

        /** @brief Set wrapping per dimension */
        TextureArray<dimensions>& setWrapping(const Math::Vector<dimensions, SamplerWrapping>& wrapping) {
            setWrappingInternal(dimensions, wrapping.data());
            return *this;
        }

        /** @overload */
        TextureArray<dimensions>& setWrapping(const Math::Vector<dimensions, Magnum::SamplerWrapping>& wrapping) {
            return setWrapping(samplerWrapping(wrapping));
        }

        /** @brief Set the same wrapping for all dimensions */
        TextureArray<dimensions>& setWrapping(SamplerWrapping wrapping) {
            return setWrapping(Math::Vector<dimensions, SamplerWrapping>{wrapping});
        }

        /** @overload */
        TextureArray<dimensions>& setWrapping(Magnum::SamplerWrapping wrapping) {
            return setWrapping(samplerWrapping(wrapping));
        }

        /** @brief Allocate immutable storage, layer count last */
        TextureArray<dimensions>& setStorage(Int levels, TextureFormat internalFormat, const VectorTypeFor<dimensions + 1, Int>& size);

        /** @brief Image size in given mip level, layer count last */
        VectorTypeFor<dimensions + 1, Int> imageSize(Int level);

        /** @brief Set image subdata; the last offset component is the first layer */
        TextureArray<dimensions>& setSubImage(Int level, const VectorTypeFor<dimensions + 1, Int>& offset, const BasicImageView<dimensions + 1>& image);

        /** @brief Set compressed image subdata; the last offset component is the first layer */
        TextureArray<dimensions>& setCompressedSubImage(Int level, const VectorTypeFor<dimensions + 1, Int>& offset, const BasicCompressedImageView<dimensions + 1>& image);

        /** @brief Read given mip level of all layers into an image */
        void image(Int level, Image<dimensions + 1>& image);

        /** @overload */
        Image<dimensions + 1> image(Int level, Image<dimensions + 1>&& image);

    private:
        static constexpr UnsignedInt target() {
            return dimensions == 1 ? 0x8C18 : 0x8C1A;
        }
};

}}

#endif
