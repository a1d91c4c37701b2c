#ifndef Magnum_Trade_TextureData_h
#define Magnum_Trade_TextureData_h
/* Imported texture: sampler properties and the image it uses */

#include "Magnum/Sampler.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum { namespace Trade {

/** Texture type */
enum class TextureType: UnsignedByte {
    Texture1D,          /**< One-dimensional texture */
    Texture1DArray,     /**< One-dimensional texture array */
    Texture2D,          /**< Two-dimensional texture */
    Texture2DArray,     /**< Two-dimensional texture array */
    Texture3D,          /**< Three-dimensional texture */
    CubeMap,            /**< Cube map texture */
    CubeMapArray        /**< Cube map texture array */
};

/** Print a texture type */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, TextureType value);

/** Texture data */
class TextureData {
    public:
        /** Constructor with a wrapping per coordinate */
        explicit TextureData(TextureType type, SamplerFilter minificationFilter, SamplerFilter magnificationFilter, SamplerMipmap mipmapFilter, const Math::Vector3<SamplerWrapping>& wrapping, UnsignedInt image, const void* importerState = nullptr) noexcept: _type{type}, _minificationFilter{minificationFilter}, _magnificationFilter{magnificationFilter}, _mipmapFilter{mipmapFilter}, _wrapping{wrapping}, _image{image}, _importerState{importerState} {}

        /** Constructor with the same wrapping for all coordinates */
        explicit TextureData(TextureType type, SamplerFilter minificationFilter, SamplerFilter magnificationFilter, SamplerMipmap mipmapFilter, SamplerWrapping wrapping, UnsignedInt image, const void* importerState = nullptr) noexcept: _type{type}, _minificationFilter{minificationFilter}, _magnificationFilter{magnificationFilter}, _mipmapFilter{mipmapFilter}, _wrapping{wrapping}, _image{image}, _importerState{importerState} {}

        TextureData(const TextureData&) = delete;
        TextureData(TextureData&&) noexcept = default;
        TextureData& operator=(const TextureData&) = delete;
        TextureData& operator=(TextureData&&) noexcept = default;

        /** Texture type */
        TextureType type() const { return _type; }
        /** Minification filter */
        SamplerFilter minificationFilter() const { return _minificationFilter; }
        /** Magnification filter */
        SamplerFilter magnificationFilter() const { return _magnificationFilter; }
        /** Mipmap filter */
        SamplerMipmap mipmapFilter() const { return _mipmapFilter; }
        /** Wrapping per coordinate */
        Math::Vector3<SamplerWrapping> wrapping() const { return _wrapping; }
        /** ID of the image of matching dimensionality */
        UnsignedInt image() const { return _image; }
        /** Importer-specific state */
        const void* importerState() const { return _importerState; }

    private:
        TextureType _type;
        SamplerFilter _minificationFilter, _magnificationFilter;
        SamplerMipmap _mipmapFilter;
        Math::Vector3<SamplerWrapping> _wrapping;
        UnsignedInt _image;
        const void* _importerState;
};

}}

#endif
