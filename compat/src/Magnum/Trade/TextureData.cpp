#include "Magnum/Trade/TextureData.h"

#include <Corrade/Utility/Debug.h>

namespace Magnum { namespace Trade {

Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const TextureType value) {
    debug << "Trade::TextureType" << Corrade::Utility::Debug::nospace;
    switch(value) {
        #define _c(value) case TextureType::value: return debug << "::" #value;
        _c(Texture1D)
        _c(Texture1DArray)
        _c(Texture2D)
        _c(Texture2DArray)
        _c(Texture3D)
        _c(CubeMap)
        _c(CubeMapArray)
        #undef _c
    }
    return debug << "(" << Corrade::Utility::Debug::nospace << Corrade::Utility::Debug::hex << UnsignedByte(value) << Corrade::Utility::Debug::nospace << ")";
}

}}
