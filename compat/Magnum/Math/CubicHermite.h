#ifndef Magnum_Math_CubicHermite_h
#define Magnum_Math_CubicHermite_h
/* A point of a cubic Hermite spline: the point with an in- and out-tangent */

#include <type_traits>

#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>

#include "Magnum/Math/Math.h"
#include "Magnum/Math/Functions.h"
#include "Magnum/Math/Quaternion.h"
#include "Magnum/Math/Tags.h"
#include "Magnum/Math/TypeTraits.h"
#include "Magnum/Math/Vector2.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum { namespace Math {

namespace Implementation {
    /* Scalars have no ZeroInit / IdentityInit constructors */
    template<class T> constexpr typename std::enable_if<std::is_constructible<T, ZeroInitT>::value, T>::type cubicHermiteZero() { return T{ZeroInit}; }
    template<class T> constexpr typename std::enable_if<!std::is_constructible<T, ZeroInitT>::value, T>::type cubicHermiteZero() { return T(0); }
    template<class T> constexpr typename std::enable_if<std::is_constructible<T, IdentityInitT>::value, T>::type cubicHermiteIdentity() { return T{IdentityInit}; }
    template<class T> constexpr typename std::enable_if<!std::is_constructible<T, IdentityInitT>::value, T>::type cubicHermiteIdentity() { return cubicHermiteZero<T>(); }
}

/**
 * A cubic Hermite spline point: in-tangent, point and out-tangent, laid out
 * in that order. A segment between points a and b uses a's point and
 * out-tangent and b's in-tangent and point; the tangents are taken per unit
 * of the interpolation phase.
 */
template<class T> class CubicHermite {
    public:
        typedef T Type;

        /** Zero tangents and an identity point (a zero point where the type has no identity) */
        constexpr /*implicit*/ CubicHermite() noexcept: _inTangent{Implementation::cubicHermiteZero<T>()}, _point{Implementation::cubicHermiteIdentity<T>()}, _outTangent{Implementation::cubicHermiteZero<T>()} {}

        /** Zero tangents and a zero point */
        constexpr explicit CubicHermite(ZeroInitT) noexcept: _inTangent{Implementation::cubicHermiteZero<T>()}, _point{Implementation::cubicHermiteZero<T>()}, _outTangent{Implementation::cubicHermiteZero<T>()} {}

        /** Zero tangents and an identity point, only for types with an identity */
        template<class U = T, typename std::enable_if<std::is_constructible<U, IdentityInitT>::value, int>::type = 0> constexpr explicit CubicHermite(IdentityInitT) noexcept: _inTangent{Implementation::cubicHermiteZero<T>()}, _point{IdentityInit}, _outTangent{Implementation::cubicHermiteZero<T>()} {}

        /** From an in-tangent, a point and an out-tangent */
        constexpr /*implicit*/ CubicHermite(const T& inTangent, const T& point, const T& outTangent) noexcept: _inTangent{inTangent}, _point{point}, _outTangent{outTangent} {}

        /** From a spline point of another underlying type */
        template<class U> constexpr explicit CubicHermite(const CubicHermite<U>& other) noexcept: _inTangent{T(other.inTangent())}, _point{T(other.point())}, _outTangent{T(other.outTangent())} {}

        /** In-tangent, point and out-tangent as an array */
        T* data() { return &_inTangent; }
        constexpr const T* data() const { return &_inTangent; }

        bool operator==(const CubicHermite<T>& other) const {
            return TypeTraits<T>::equals(_inTangent, other._inTangent) &&
                TypeTraits<T>::equals(_point, other._point) &&
                TypeTraits<T>::equals(_outTangent, other._outTangent);
        }
        bool operator!=(const CubicHermite<T>& other) const { return !operator==(other); }

        T& inTangent() { return _inTangent; }
        constexpr const T& inTangent() const { return _inTangent; }
        T& point() { return _point; }
        constexpr const T& point() const { return _point; }
        T& outTangent() { return _outTangent; }
        constexpr const T& outTangent() const { return _outTangent; }

    private:
        T _inTangent;
        T _point;
        T _outTangent;
};

template<class T> using CubicHermite1D = CubicHermite<T>;
template<class T> using CubicHermite2D = CubicHermite<Vector2<T>>;
template<class T> using CubicHermite3D = CubicHermite<Vector3<T>>;
template<class T> using CubicHermiteComplex = CubicHermite<Complex<T>>;
template<class T> using CubicHermiteQuaternion = CubicHermite<Quaternion<T>>;

/** Print a spline point */
template<class T> Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const CubicHermite<T>& value) {
    using Corrade::Utility::Debug;
    return debug << "CubicHermite(" << Debug::nospace << value.inTangent()
        << Debug::nospace << "," << value.point()
        << Debug::nospace << "," << value.outTangent() << Debug::nospace << ")";
}

/** The point of @p a for @p t below one, the point of @p b otherwise; tangents are ignored */
template<class T, class U> T select(const CubicHermite<T>& a, const CubicHermite<T>& b, U t) {
    return t >= U(1) ? b.point() : a.point();
}

/** Linear interpolation of the points; tangents are ignored */
template<class T, class U> T lerp(const CubicHermite<T>& a, const CubicHermite<T>& b, U t) {
    return a.point()*(U(1) - t) + b.point()*t;
}

/** Normalized linear interpolation of the quaternion points; tangents are ignored */
template<class T> Quaternion<T> lerp(const CubicHermiteQuaternion<T>& a, const CubicHermiteQuaternion<T>& b, T t) {
    return lerp(a.point(), b.point(), t);
}

/** Shortest-path normalized linear interpolation of the quaternion points */
template<class T> Quaternion<T> lerpShortestPath(const CubicHermiteQuaternion<T>& a, const CubicHermiteQuaternion<T>& b, T t) {
    return lerpShortestPath(a.point(), b.point(), t);
}

/** Spherical linear interpolation of the quaternion points */
template<class T> Quaternion<T> slerp(const CubicHermiteQuaternion<T>& a, const CubicHermiteQuaternion<T>& b, T t) {
    return slerp(a.point(), b.point(), t);
}

/** Shortest-path spherical linear interpolation of the quaternion points */
template<class T> Quaternion<T> slerpShortestPath(const CubicHermiteQuaternion<T>& a, const CubicHermiteQuaternion<T>& b, T t) {
    return slerpShortestPath(a.point(), b.point(), t);
}

namespace Implementation {
    /* The cubic Hermite basis applied to a's point and out-tangent and b's
       in-tangent and point at phase t */
    template<class T, class U> T cubicHermite(const CubicHermite<T>& a, const CubicHermite<T>& b, U t) {
        const U t2 = t*t;
        const U t3 = t2*t;
        const U h00 = U(2)*t3 - U(3)*t2 + U(1);
        const U h10 = t3 - U(2)*t2 + t;
        const U h01 = U(3)*t2 - U(2)*t3;
        const U h11 = t3 - t2;
        return a.point()*h00 + a.outTangent()*h10 + b.point()*h01 + b.inTangent()*h11;
    }
}

/** Cubic Hermite spline interpolation between @p a and @p b at phase @p t */
template<class T, class U> T splerp(const CubicHermite<T>& a, const CubicHermite<T>& b, U t) {
    return Implementation::cubicHermite(a, b, t);
}

/** Cubic Hermite spline interpolation of unit quaternion points, normalized */
template<class T> Quaternion<T> splerp(const CubicHermiteQuaternion<T>& a, const CubicHermiteQuaternion<T>& b, T t) {
    CORRADE_DEBUG_ASSERT(a.point().isNormalized() && b.point().isNormalized(),
        "Math::splerp(): quaternion spline points" << a.point() << "and" << b.point() << "are not normalized", {});
    return Implementation::cubicHermite(a, b, t).normalized();
}

}}

#endif
