#include "Magnum/Animation/Interpolation.h"

#include <Corrade/Utility/Debug.h>

#include "Magnum/Math/CubicHermite.h"
#include "Magnum/Math/Quaternion.h"

namespace Magnum { namespace Animation {

using Corrade::Utility::Debug;

Debug& operator<<(Debug& debug, const Interpolation value) {
    debug << "Animation::Interpolation" << Debug::nospace;
    switch(value) {
        #define _c(value) case Interpolation::value: return debug << "::" #value;
        _c(Constant)
        _c(Linear)
        _c(Spline)
        _c(Custom)
        #undef _c
    }
    return debug << "(" << Debug::nospace << reinterpret_cast<void*>(UnsignedByte(value)) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const Extrapolation value) {
    debug << "Animation::Extrapolation" << Debug::nospace;
    switch(value) {
        #define _c(value) case Extrapolation::value: return debug << "::" #value;
        _c(Extrapolated)
        _c(Constant)
        _c(DefaultConstructed)
        #undef _c
    }
    return debug << "(" << Debug::nospace << reinterpret_cast<void*>(UnsignedByte(value)) << Debug::nospace << ")";
}

namespace Implementation {

auto TypeTraits<bool, bool>::interpolator(const Interpolation interpolation) -> Interpolator {
    switch(interpolation) {
        case Interpolation::Constant:
        case Interpolation::Linear: return Math::select;
        case Interpolation::Spline:
        case Interpolation::Custom: break;
    }
    CORRADE_ASSERT_UNREACHABLE("Animation::interpolatorFor(): can't deduce interpolator function for" << interpolation, {});
}

template<class T> auto TypeTraits<Math::Quaternion<T>, Math::Quaternion<T>>::interpolator(const Interpolation interpolation) -> Interpolator {
    switch(interpolation) {
        case Interpolation::Constant: return Math::select;
        case Interpolation::Linear: return Math::slerpShortestPath;
        case Interpolation::Spline:
        case Interpolation::Custom: break;
    }
    CORRADE_ASSERT_UNREACHABLE("Animation::interpolatorFor(): can't deduce interpolator function for" << interpolation, {});
}

template struct TypeTraits<Math::Quaternion<Float>, Math::Quaternion<Float>>;

template<class T> auto TypeTraits<Math::CubicHermite<T>, T>::interpolator(const Interpolation interpolation) -> Interpolator {
    switch(interpolation) {
        case Interpolation::Constant: return Math::select;
        case Interpolation::Linear: return Math::lerp;
        case Interpolation::Spline: return Math::splerp;
        case Interpolation::Custom: break;
    }
    CORRADE_ASSERT_UNREACHABLE("Animation::interpolatorFor(): can't deduce interpolator function for" << interpolation, {});
}

template struct TypeTraits<Math::CubicHermite<Float>, Float>;
template struct TypeTraits<Math::CubicHermite<Math::Vector2<Float>>, Math::Vector2<Float>>;
template struct TypeTraits<Math::CubicHermite<Math::Vector3<Float>>, Math::Vector3<Float>>;
template struct TypeTraits<Math::CubicHermite<Math::Quaternion<Float>>, Math::Quaternion<Float>>;

}

}}
