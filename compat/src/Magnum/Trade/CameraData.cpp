#include "Magnum/Trade/CameraData.h"

#include <Corrade/Utility/Assert.h>

#include "Magnum/Math/Functions.h"

namespace Magnum { namespace Trade {

CameraData::CameraData(const CameraType type, const Rad fov, const Float aspectRatio, const Float near, const Float far, const void* const importerState) noexcept: _type{type}, _near{near}, _far{far}, _importerState{importerState} {
    CORRADE_ASSERT(type == CameraType::Perspective3D,
        "Trade::CameraData: only perspective cameras can have FoV specified", );
    /* The near plane's width at the given distance, height from the ratio */
    const Float width = 2.0f*near*Math::tan(fov*0.5f);
    _size = Vector2{width, width/aspectRatio};
}

CameraData::CameraData(const CameraType type, const Vector2& size, const Float near, const Float far, const void* const importerState) noexcept: _type{type}, _size{size}, _near{near}, _far{far}, _importerState{importerState} {
    CORRADE_ASSERT(type != CameraType::Orthographic2D || (!near && !far),
        "Trade::CameraData: 2D cameras can't be specified with near and far clipping planes", );
}

Rad CameraData::fov() const {
    CORRADE_ASSERT(_type == CameraType::Perspective3D,
        "Trade::CameraData::fov(): the camera is not perspective", {});
    return 2.0f*Math::atan(_size.x()/(2.0f*_near));
}

Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const CameraType value) {
    debug << "Trade::CameraType" << Corrade::Utility::Debug::nospace;
    switch(value) {
        #define _c(value) case CameraType::value: return debug << "::" #value;
        _c(Orthographic2D)
        _c(Orthographic3D)
        _c(Perspective3D)
        #undef _c
    }
    return debug << "(" << Corrade::Utility::Debug::nospace << Corrade::Utility::Debug::hex << UnsignedByte(value) << Corrade::Utility::Debug::nospace << ")";
}

}}
