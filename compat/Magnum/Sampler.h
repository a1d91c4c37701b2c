#ifndef Magnum_Sampler_h
#define Magnum_Sampler_h
/* Generic texture sampler filtering, mip selection and wrapping */

#include "Magnum/Magnum.h"

namespace Magnum {

/** @brief Texture sampler filtering */
enum class SamplerFilter: UnsignedInt {
    Nearest = 0,    /**< Nearest texel */
    Linear          /**< Linear interpolation of the nearest texels */
};

/** @brief Texture sampler mip level selection */
enum class SamplerMipmap: UnsignedInt {
    Base = 0,       /**< Only the base level */
    Nearest,        /**< The nearest level */
    Linear          /**< Linear interpolation of the nearest levels */
};

/** @brief Texture sampler wrapping */
enum class SamplerWrapping: UnsignedInt {
    Repeat = 0,         /**< Repeat the texture */
    MirroredRepeat,     /**< Repeat a mirrored texture */
    ClampToEdge,        /**< Clamp to the edge texels */
    ClampToBorder,      /**< Clamp to the border color */
    MirrorClampToEdge   /**< Mirror once, then clamp to the edge */
};

/** @debugoperatorenum{SamplerFilter} */
Debug& operator<<(Debug& debug, SamplerFilter value);

/** @debugoperatorenum{SamplerMipmap} */
Debug& operator<<(Debug& debug, SamplerMipmap value);

/** @debugoperatorenum{SamplerWrapping} */
Debug& operator<<(Debug& debug, SamplerWrapping value);

}

#endif
