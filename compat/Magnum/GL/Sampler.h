#ifndef Magnum_GL_Sampler_h
#define Magnum_GL_Sampler_h
/* Texture sampling enums and their generic counterparts */

#include "Magnum/Magnum.h"
#include "Magnum/Math/Vector.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Texture sampler filtering */
enum class SamplerFilter: Int {
    Nearest = 0x2600,   /**< Nearest neighbor */
    Linear = 0x2601     /**< Linear interpolation */
};

/** @brief Mip level selection, combined with a filter */
enum class SamplerMipmap: Int {
    Base = 0x0000,      /**< Only the base level */
    Nearest = 0x0100,   /**< Nearest mip level */
    Linear = 0x0102     /**< Linear interpolation of the two nearest levels */
};

/** @brief Texture wrapping */
enum class SamplerWrapping: Int {
    Repeat = 0x2901,            /**< Repeat */
    MirroredRepeat = 0x8370,    /**< Mirrored repeat */
    ClampToEdge = 0x812F,       /**< Clamp to the edge texels */
    ClampToBorder = 0x812D,     /**< Clamp to the border color */
    MirrorClampToEdge = 0x8743  /**< Mirror once, then clamp to edge */
};

/** @brief GL filter for a generic one */
SamplerFilter samplerFilter(Magnum::SamplerFilter filter);

/** @brief GL mipmap selection for a generic one */
SamplerMipmap samplerMipmap(Magnum::SamplerMipmap mipmap);

/** @brief Whether a generic wrapping mode is available on this target */
bool hasSamplerWrapping(Magnum::SamplerWrapping wrapping);

/** @brief GL wrapping for a generic one */
SamplerWrapping samplerWrapping(Magnum::SamplerWrapping wrapping);

/** @brief GL wrapping for generic ones, per dimension */
template<std::size_t dimensions> Math::Vector<dimensions, SamplerWrapping> samplerWrapping(const Math::Vector<dimensions, Magnum::SamplerWrapping>& wrapping) {
    Math::Vector<dimensions, SamplerWrapping> out{NoInit};
    for(std::size_t i = 0; i != dimensions; ++i)
        out[i] = samplerWrapping(wrapping[i]);
    return out;
}

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, SamplerFilter value);

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, SamplerMipmap value);

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, SamplerWrapping value);

}}

#endif
