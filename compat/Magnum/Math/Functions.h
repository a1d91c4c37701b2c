#ifndef Magnum_Math_Functions_h
#define Magnum_Math_Functions_h
/* Functions usable with scalar and vector types */

#include <cstdlib>
#include <type_traits>

#include "Corrade/Utility/StlMath.h"
#include "Corrade/Containers/Pair.h"
#include "Corrade/Utility/Move.h"
#include "Magnum/Math/Vector.h"

namespace Magnum { namespace Math {

namespace Implementation {
    template<UnsignedInt exponent> struct Pow {
        Pow() = delete;
        template<class T> constexpr static T pow(T base) {
            return base*Pow<exponent - 1>::pow(base);
        }
    };
    template<> struct Pow<0> {
        Pow() = delete;
        template<class T> constexpr static T pow(T) { return T(1); }
    };

    template<class> struct IsBitVectorOrScalar: std::false_type {};
    template<> struct IsBitVectorOrScalar<bool>: std::true_type {};
    template<std::size_t size> struct IsBitVectorOrScalar<BitVector<size>>: std::true_type {};
}

/** Integer division with remainder */
template<class Integral> inline Containers::Pair<Integral, Integral> div(Integral x, Integral y) {
    static_assert(IsIntegral<Integral>::value && IsScalar<Integral>::value,
        "scalar integral type expected");
    const auto result = std::div(x, y);
    return {Integral(result.quot), Integral(result.rem)};
}

/** Count of bits set */
inline UnsignedInt popcount(UnsignedInt number) {
    return UnsignedInt(__builtin_popcount(number));
}
inline UnsignedInt popcount(UnsignedLong number) {
    return UnsignedInt(__builtin_popcountll(number));
}

/* Taking Unit instead of Rad/Deg makes products such as 2*35.0_degf work */
template<class T> inline T sin(Unit<Rad, T> angle) { return std::sin(T(angle)); }
template<class T> inline T sin(Unit<Deg, T> angle) { return sin(Rad<T>(angle)); }
template<class T> inline T cos(Unit<Rad, T> angle) { return std::cos(T(angle)); }
template<class T> inline T cos(Unit<Deg, T> angle) { return cos(Rad<T>(angle)); }
/** Sine and cosine */
template<class T> inline Containers::Pair<T, T> sincos(Unit<Rad, T> angle) {
    return {std::sin(T(angle)), std::cos(T(angle))};
}
template<class T> inline Containers::Pair<T, T> sincos(Unit<Deg, T> angle) { return sincos(Rad<T>(angle)); }
template<class T> inline T tan(Unit<Rad, T> angle) { return std::tan(T(angle)); }
template<class T> inline T tan(Unit<Deg, T> angle) { return tan(Rad<T>(angle)); }
template<class T> inline Rad<T> asin(T value) { return Rad<T>(std::asin(value)); }
template<class T> inline Rad<T> acos(T value) { return Rad<T>(std::acos(value)); }
template<class T> inline Rad<T> atan(T value) { return Rad<T>(std::atan(value)); }

/** Whether the value is a positive or negative infinity */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline bool isInf(T value) {
    return std::isinf(UnderlyingTypeOf<T>(value));
}
template<std::size_t size, class T> inline BitVector<size> isInf(const Vector<size, T>& value) {
    BitVector<size> out;
    for(std::size_t i = 0; i != size; ++i)
        if(Math::isInf(value[i])) out.set(i);
    return out;
}

/* Scalar isNan(), min(), max() and clamp() are in Vector.h */
template<std::size_t size, class T> inline BitVector<size> isNan(const Vector<size, T>& value) {
    BitVector<size> out;
    for(std::size_t i = 0; i != size; ++i)
        if(Math::isNan(value[i])) out.set(i);
    return out;
}

template<std::size_t size, class T> inline Vector<size, T> min(const Vector<size, T>& value, const Vector<size, T>& min) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::min(value[i], min[i]);
    return out;
}
template<std::size_t size, class T> inline Vector<size, T> min(const Vector<size, T>& value, T min) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::min(value[i], min);
    return out;
}

template<std::size_t size, class T> inline Vector<size, T> max(const Vector<size, T>& value, const Vector<size, T>& max) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::max(value[i], max[i]);
    return out;
}
template<std::size_t size, class T> inline Vector<size, T> max(const Vector<size, T>& value, T max) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::max(value[i], max);
    return out;
}

/** Minimum and maximum of two values */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline Containers::Pair<T, T> minmax(T a, T b) {
    return a < b ? Containers::pair(a, b) : Containers::pair(b, a);
}
template<std::size_t size, class T> inline Containers::Pair<Vector<size, T>, Vector<size, T>> minmax(const Vector<size, T>& a, const Vector<size, T>& b) {
    Containers::Pair<Vector<size, T>, Vector<size, T>> out{a, b};
    for(std::size_t i = 0; i != size; ++i)
        if(out.first()[i] > out.second()[i]) Utility::swap(out.first()[i], out.second()[i]);
    return out;
}

template<std::size_t size, class T> inline Vector<size, T> clamp(const Vector<size, T>& value, const Vector<size, T>& min, const Vector<size, T>& max) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::clamp(value[i], min[i], max[i]);
    return out;
}
template<std::size_t size, class T> inline Vector<size, T> clamp(const Vector<size, T>& value, T min, T max) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::clamp(value[i], min, max);
    return out;
}

/** Sign, one of -1, 0 and 1 */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline UnderlyingTypeOf<T> sign(T scalar) {
    if(scalar > T(0)) return UnderlyingTypeOf<T>(1);
    if(scalar < T(0)) return UnderlyingTypeOf<T>(-1);
    return UnderlyingTypeOf<T>(0);
}
template<std::size_t size, class T> inline Vector<size, UnderlyingTypeOf<T>> sign(const Vector<size, T>& a) {
    Vector<size, UnderlyingTypeOf<T>> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::sign(a[i]);
    return out;
}

#define MAGNUM_MATH_UNARY_FUNCTION_(name, stdname)                          \
    template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline T name(T a) { \
        return T(stdname(UnderlyingTypeOf<T>(a)));                          \
    }                                                                       \
    template<std::size_t size, class T> inline Vector<size, T> name(const Vector<size, T>& a) { \
        Vector<size, T> out{Magnum::NoInit};                                \
        for(std::size_t i = 0; i != size; ++i)                              \
            out[i] = Math::name(a[i]);                                      \
        return out;                                                         \
    }
/** Absolute value */
MAGNUM_MATH_UNARY_FUNCTION_(abs, std::abs)
/** Nearest not larger integer */
MAGNUM_MATH_UNARY_FUNCTION_(floor, std::floor)
/** Nearest integer, halfway cases away from zero */
MAGNUM_MATH_UNARY_FUNCTION_(round, std::round)
/** Nearest not smaller integer */
MAGNUM_MATH_UNARY_FUNCTION_(ceil, std::ceil)
#undef MAGNUM_MATH_UNARY_FUNCTION_

/** Floating-point remainder with the sign of the numerator */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline T fmod(T a, T b) {
    return T(std::fmod(UnderlyingTypeOf<T>(a), UnderlyingTypeOf<T>(b)));
}
template<std::size_t size, class T> inline Vector<size, T> fmod(const Vector<size, T>& a, const Vector<size, T>& b) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::fmod(a[i], b[i]);
    return out;
}
template<std::size_t size, class T> inline Vector<size, T> fmod(const Vector<size, T>& a, T b) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::fmod(a[i], b);
    return out;
}

/** Linear interpolation, (1 - t)*a + t*b */
template<class T, class U, typename std::enable_if<(IsVector<T>::value || IsScalar<T>::value) && !Implementation::IsBitVectorOrScalar<U>::value, int>::type = 0> inline T lerp(const T& a, const T& b, U t) {
    return Implementation::lerp(a, b, t);
}
/** Picks @p b if @p t is true, @p a otherwise */
template<class T> inline T lerp(const T& a, const T& b, bool t) {
    return t ? b : a;
}
/** Component-wise selection */
template<std::size_t size, class T> inline Vector<size, T> lerp(const Vector<size, T>& a, const Vector<size, T>& b, const BitVector<size>& t) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = t[i] ? b[i] : a[i];
    return out;
}
template<std::size_t size> inline BitVector<size> lerp(const BitVector<size>& a, const BitVector<size>& b, const BitVector<size>& t) {
    BitVector<size> out;
    for(std::size_t i = 0; i != size; ++i)
        out.set(i, t[i] ? b[i] : a[i]);
    return out;
}

/** Interpolation phase of @p lerp between @p a and @p b */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline UnderlyingTypeOf<T> lerpInverted(T a, T b, T lerp) {
    return (lerp - a)/(b - a);
}
template<std::size_t size, class T> inline Vector<size, UnderlyingTypeOf<T>> lerpInverted(const Vector<size, T>& a, const Vector<size, T>& b, const Vector<size, T>& lerp) {
    return (lerp - a)/(b - a);
}

/** Constant interpolation, @p b for @p t at least 1 */
template<class T, class U> constexpr T select(const T& a, const T& b, U t) {
    static_assert(IsUnitless<U>::value, "expecting a unitless type for the interpolation phase");
    return lerp(a, b, t >= U(1));
}

/** Fused multiply-add */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline T fma(T a, T b, T c) {
    static_assert(IsUnitless<T>::value, "expecting a unitless type");
    return std::fma(a, b, c);
}
template<std::size_t size, class T> inline Vector<size, T> fma(const Vector<size, T>& a, const Vector<size, T>& b, const Vector<size, T>& c) {
    static_assert(IsUnitless<T>::value, "expecting a unitless type");
    return a*b + c;
}

/** Integral logarithm, rounded down */
UnsignedInt log(UnsignedInt base, UnsignedInt number);
/** Base-2 integral logarithm, rounded down */
UnsignedInt log2(UnsignedInt number);

/** Natural logarithm */
template<class T> inline T log(T number) { return std::log(number); }
/** Natural exponential */
template<class T> inline T exp(T exponent) { return std::exp(exponent); }

/** Integral power */
template<UnsignedInt exponent, class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> constexpr T pow(T base) {
    static_assert(IsUnitless<T>::value, "expected a unitless type");
    return Implementation::Pow<exponent>::pow(base);
}
template<UnsignedInt exponent, std::size_t size, class T> inline Vector<size, T> pow(const Vector<size, T>& base) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::pow<exponent>(base[i]);
    return out;
}

/** Power */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline T pow(T base, T exponent) {
    static_assert(IsUnitless<T>::value, "expected a unitless type");
    return std::pow(base, exponent);
}
template<std::size_t size, class T> inline Vector<size, T> pow(const Vector<size, T>& base, T exponent) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::pow(base[i], exponent);
    return out;
}

/** Square root */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline T sqrt(T a) {
    static_assert(IsUnitless<T>::value, "expecting a unitless type");
    return std::sqrt(a);
}
template<std::size_t size, class T> inline Vector<size, T> sqrt(const Vector<size, T>& a) {
    Vector<size, T> out{Magnum::NoInit};
    for(std::size_t i = 0; i != size; ++i)
        out[i] = Math::sqrt(a[i]);
    return out;
}

/** Inverse square root */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline T sqrtInverted(T a) {
    static_assert(IsUnitless<T>::value, "expecting a unitless type");
    return T(1)/std::sqrt(a);
}
template<std::size_t size, class T> inline Vector<size, T> sqrtInverted(const Vector<size, T>& a) {
    return Vector<size, T>(T(1))/Math::sqrt(a);
}

/** Reflect a vector off a surface with a normalized normal */
template<std::size_t size, class T> inline Vector<size, T> reflect(const Vector<size, T>& vector, const Vector<size, T>& normal) {
    CORRADE_ASSERT(normal.isNormalized(),
        "Math::reflect(): normal" << normal << "is not normalized", {});
    return vector - T(2.0)*dot(vector, normal)*normal;
}

/** Refract a normalized vector through a surface */
template<std::size_t size, class T> inline Vector<size, T> refract(const Vector<size, T>& vector, const Vector<size, T>& normal, T eta) {
    CORRADE_ASSERT(vector.isNormalized() && normal.isNormalized(),
        "Math::refract(): vectors" << vector << "and" << normal << "are not normalized", {});
    const T dot = Math::dot(vector, normal);
    const T k = T(1.0) - eta*eta*(T(1.0) - dot*dot);
    if(k < T(0.0)) return {};
    return eta*vector - (eta*dot + std::sqrt(k))*normal;
}

}}

#endif
