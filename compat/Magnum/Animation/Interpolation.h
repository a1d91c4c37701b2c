#ifndef Magnum_Animation_Interpolation_h
#define Magnum_Animation_Interpolation_h
/* Interpolation and extrapolation behaviour, interpolator lookup */

#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Assert.h>

#include "Magnum/Animation/Animation.h"
#include "Magnum/Math/Functions.h"
#include "Magnum/Magnum.h"

namespace Magnum { namespace Animation {

/** Interpolation behaviour */
enum class Interpolation: UnsignedByte {
    Constant,   /**< Value of the first of the two keyframes */
    Linear,     /**< Linear interpolation */
    Spline,     /**< Spline interpolation */
    Custom      /**< A custom interpolator function */
};

/** Print an interpolation behaviour */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, Interpolation value);

/** Extrapolation behaviour outside of the keyframe range */
enum class Extrapolation: UnsignedByte {
    Extrapolated,       /**< Values of the first or last two keyframes are extrapolated */
    Constant,           /**< Value of the first or last keyframe is used */
    DefaultConstructed  /**< A default-constructed value is returned */
};

/** Print an extrapolation behaviour */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, Extrapolation value);

namespace Implementation {
    template<class V> struct ResultTraits { typedef typename std::remove_const<V>::type Type; };
    /* A spline point interpolates to its underlying type */
    template<class T> struct ResultTraits<Math::CubicHermite<T>> { typedef T Type; };
    template<class T> struct ResultTraits<const Math::CubicHermite<T>> { typedef T Type; };

    template<class V, class R> struct TypeTraits;

    template<class V> struct TypeTraits<V, V> {
        typedef V(*Interpolator)(const V&, const V&, Float);
        static Interpolator interpolator(Interpolation interpolation) {
            switch(interpolation) {
                case Interpolation::Constant: return Math::select;
                case Interpolation::Linear: return Math::lerp;
                case Interpolation::Spline:
                case Interpolation::Custom: break;
            }
            CORRADE_ASSERT_UNREACHABLE("Animation::interpolatorFor(): can't deduce interpolator function for" << interpolation, {});
        }
    };

    /* Booleans have no linear interpolation */
    template<> struct TypeTraits<bool, bool> {
        typedef bool(*Interpolator)(const bool&, const bool&, Float);
        static Interpolator interpolator(Interpolation interpolation);
    };

    /* Quaternions prefer the more precise slerp */
    template<class T> struct TypeTraits<Math::Quaternion<T>, Math::Quaternion<T>> {
        typedef Math::Quaternion<T>(*Interpolator)(const Math::Quaternion<T>&, const Math::Quaternion<T>&, Float);
        static Interpolator interpolator(Interpolation interpolation);
    };

    /* Spline points: select() and lerp() use the points, splerp() the whole
       spline; defined for Float, Vector2, Vector3 and Quaternion */
    template<class T> struct TypeTraits<Math::CubicHermite<T>, T> {
        typedef T(*Interpolator)(const Math::CubicHermite<T>&, const Math::CubicHermite<T>&, Float);
        static Interpolator interpolator(Interpolation interpolation);
    };
}

/** Interpolator function for given interpolation behaviour */
template<class V, class R = ResultOf<V>> auto interpolatorFor(Interpolation interpolation) -> R(*)(const V&, const V&, Float) {
    return Implementation::TypeTraits<typename std::remove_const<V>::type, R>::interpolator(interpolation);
}

/** Interpolate a value at @p frame, @p hint is where the keyframe search starts */
template<class K, class V, class R = ResultOf<V>> R interpolate(const Corrade::Containers::StridedArrayView1D<const K>& keys, const Corrade::Containers::StridedArrayView1D<const V>& values, Extrapolation before, Extrapolation after, R(*interpolator)(const V&, const V&, Float), K frame, std::size_t& hint) {
    CORRADE_ASSERT(keys.size() == values.size(), "Animation::interpolate(): keys and values don't have the same size", {});
    if(keys.isEmpty()) return {};
    if(keys.size() == 1) {
        if((frame < keys[0] && before == Extrapolation::DefaultConstructed) ||
           (frame > keys[0] && after == Extrapolation::DefaultConstructed))
            return {};
        return interpolator(values[0], values[0], 0.0f);
    }

    if(hint >= keys.size() || frame < keys[hint]) hint = 0;
    while(hint + 2 < keys.size() && frame >= keys[hint + 1]) ++hint;

    if(frame < keys[hint]) {
        if(before == Extrapolation::DefaultConstructed) return {};
        if(before == Extrapolation::Constant) frame = keys[hint];
    } else if(frame >= keys[hint + 1]) {
        if(after == Extrapolation::DefaultConstructed) return {};
        if(after == Extrapolation::Constant) frame = keys[hint + 1];
    }

    return interpolator(values[hint], values[hint + 1], Math::lerpInverted(Float(keys[hint]), Float(keys[hint + 1]), Float(frame)));
}

}}

#endif
