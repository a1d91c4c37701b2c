#ifndef Magnum_Math_TypeTraits_h
#define Magnum_Math_TypeTraits_h
/* Type traits and fuzzy comparison for math types */

#include <type_traits>

#include "Corrade/Utility/StlMath.h"
#include "Magnum/Types.h"
#include "Magnum/Math/Math.h"

namespace Magnum { namespace Math {

/** Whether @p T is an arithmetic scalar type, bool excluded */
template<class T> struct IsScalar: std::false_type {};
template<> struct IsScalar<char>: std::true_type {};
template<> struct IsScalar<signed char>: std::true_type {};
template<> struct IsScalar<unsigned char>: std::true_type {};
template<> struct IsScalar<short>: std::true_type {};
template<> struct IsScalar<unsigned short>: std::true_type {};
template<> struct IsScalar<int>: std::true_type {};
template<> struct IsScalar<unsigned int>: std::true_type {};
template<> struct IsScalar<long>: std::true_type {};
template<> struct IsScalar<unsigned long>: std::true_type {};
template<> struct IsScalar<long long>: std::true_type {};
template<> struct IsScalar<unsigned long long>: std::true_type {};
template<> struct IsScalar<float>: std::true_type {};
template<> struct IsScalar<Half>: std::true_type {};
template<> struct IsScalar<double>: std::true_type {};
template<> struct IsScalar<long double>: std::true_type {};
template<template<class> class Derived, class T> struct IsScalar<Unit<Derived, T>>: std::true_type {};
template<class T> struct IsScalar<Deg<T>>: std::true_type {};
template<class T> struct IsScalar<Rad<T>>: std::true_type {};

/** Whether @p T is a math vector type */
template<class T> struct IsVector: std::false_type {};
template<std::size_t size, class T> struct IsVector<Vector<size, T>>: std::true_type {};
template<class T> struct IsVector<Vector2<T>>: std::true_type {};
template<class T> struct IsVector<Vector3<T>>: std::true_type {};
template<class T> struct IsVector<Vector4<T>>: std::true_type {};
template<class T> struct IsVector<Color3<T>>: std::true_type {};
template<class T> struct IsVector<Color4<T>>: std::true_type {};

/** Whether @p T is an integral scalar or vector type, bool excluded */
template<class T> struct IsIntegral: std::false_type {};
template<> struct IsIntegral<char>: std::true_type {};
template<> struct IsIntegral<signed char>: std::true_type {};
template<> struct IsIntegral<unsigned char>: std::true_type {};
template<> struct IsIntegral<short>: std::true_type {};
template<> struct IsIntegral<unsigned short>: std::true_type {};
template<> struct IsIntegral<int>: std::true_type {};
template<> struct IsIntegral<unsigned int>: std::true_type {};
template<> struct IsIntegral<long>: std::true_type {};
template<> struct IsIntegral<unsigned long>: std::true_type {};
template<> struct IsIntegral<long long>: std::true_type {};
template<> struct IsIntegral<unsigned long long>: std::true_type {};
template<std::size_t size, class T> struct IsIntegral<Vector<size, T>>: IsIntegral<T> {};
template<class T> struct IsIntegral<Vector2<T>>: IsIntegral<T> {};
template<class T> struct IsIntegral<Vector3<T>>: IsIntegral<T> {};
template<class T> struct IsIntegral<Vector4<T>>: IsIntegral<T> {};
template<class T> struct IsIntegral<Color3<T>>: IsIntegral<T> {};
template<class T> struct IsIntegral<Color4<T>>: IsIntegral<T> {};

/** Whether @p T is a floating-point scalar or vector type */
template<class T> struct IsFloatingPoint: std::false_type {};
template<> struct IsFloatingPoint<Float>: std::true_type {};
template<> struct IsFloatingPoint<Half>: std::true_type {};
template<> struct IsFloatingPoint<Double>: std::true_type {};
template<> struct IsFloatingPoint<long double>: std::true_type {};
template<std::size_t size, class T> struct IsFloatingPoint<Vector<size, T>>: IsFloatingPoint<T> {};
template<class T> struct IsFloatingPoint<Vector2<T>>: IsFloatingPoint<T> {};
template<class T> struct IsFloatingPoint<Vector3<T>>: IsFloatingPoint<T> {};
template<class T> struct IsFloatingPoint<Vector4<T>>: IsFloatingPoint<T> {};
template<class T> struct IsFloatingPoint<Color3<T>>: IsFloatingPoint<T> {};
template<class T> struct IsFloatingPoint<Color4<T>>: IsFloatingPoint<T> {};
template<template<class> class Derived, class T> struct IsFloatingPoint<Unit<Derived, T>>: IsFloatingPoint<T> {};
template<class T> struct IsFloatingPoint<Deg<T>>: IsFloatingPoint<T> {};
template<class T> struct IsFloatingPoint<Rad<T>>: IsFloatingPoint<T> {};

/** Whether @p T is a scalar or vector type without a unit */
template<class T> struct IsUnitless: std::integral_constant<bool, IsScalar<T>::value || IsVector<T>::value> {};
template<template<class> class Derived, class T> struct IsUnitless<Unit<Derived, T>>: std::false_type {};
template<class T> struct IsUnitless<Deg<T>>: std::false_type {};
template<class T> struct IsUnitless<Rad<T>>: std::false_type {};

namespace Implementation {
    template<class T> struct UnderlyingType {
        static_assert(IsScalar<T>::value, "type is not scalar");
        typedef T Type;
    };
    template<template<class> class Derived, class T> struct UnderlyingType<Unit<Derived, T>> { typedef T Type; };
    template<class T> struct UnderlyingType<Deg<T>> { typedef T Type; };
    template<class T> struct UnderlyingType<Rad<T>> { typedef T Type; };
    template<std::size_t size, class T> struct UnderlyingType<Vector<size, T>> { typedef T Type; };
    template<class T> struct UnderlyingType<Vector2<T>> { typedef T Type; };
    template<class T> struct UnderlyingType<Vector3<T>> { typedef T Type; };
    template<class T> struct UnderlyingType<Vector4<T>> { typedef T Type; };
    template<class T> struct UnderlyingType<Color3<T>> { typedef T Type; };
    template<class T> struct UnderlyingType<Color4<T>> { typedef T Type; };
    template<std::size_t cols, std::size_t rows, class T> struct UnderlyingType<RectangularMatrix<cols, rows, T>> { typedef T Type; };
    template<std::size_t size, class T> struct UnderlyingType<Matrix<size, T>> { typedef T Type; };
    template<class T> struct UnderlyingType<Matrix3<T>> { typedef T Type; };
    template<class T> struct UnderlyingType<Matrix4<T>> { typedef T Type; };
}

/** Underlying scalar type of a math type */
template<class T> using UnderlyingTypeOf = typename Implementation::UnderlyingType<T>::Type;

namespace Implementation {
    template<class T> struct TypeTraitsDefault {
        TypeTraitsDefault() = delete;

        constexpr static bool equals(T a, T b) { return a == b; }
        constexpr static bool equalsZero(T a, T) { return !a; }
    };

    template<class> struct TypeTraitsName;
    #define MAGNUM_MATH_TYPENAME_(type) template<> struct TypeTraitsName<type> { \
        constexpr static const char* name() { return #type; }               \
    };
    MAGNUM_MATH_TYPENAME_(UnsignedByte)
    MAGNUM_MATH_TYPENAME_(Byte)
    MAGNUM_MATH_TYPENAME_(UnsignedShort)
    MAGNUM_MATH_TYPENAME_(Short)
    MAGNUM_MATH_TYPENAME_(UnsignedInt)
    MAGNUM_MATH_TYPENAME_(Int)
    MAGNUM_MATH_TYPENAME_(UnsignedLong)
    MAGNUM_MATH_TYPENAME_(Long)
    MAGNUM_MATH_TYPENAME_(Float)
    MAGNUM_MATH_TYPENAME_(Half)
    MAGNUM_MATH_TYPENAME_(Double)
    MAGNUM_MATH_TYPENAME_(long double)
    #undef MAGNUM_MATH_TYPENAME_

    template<class T> struct TypeTraitsIntegral: TypeTraitsDefault<T>, TypeTraitsName<T> {
        constexpr static T epsilon() { return T(1); }
    };
}

/** Traits for builtin arithmetic types */
template<class T> struct TypeTraits: Implementation::TypeTraitsDefault<T> {};

template<> struct TypeTraits<UnsignedByte>: Implementation::TypeTraitsIntegral<UnsignedByte> {
    typedef Float FloatingPointType;
};
template<> struct TypeTraits<Byte>: Implementation::TypeTraitsIntegral<Byte> {
    typedef Float FloatingPointType;
};
template<> struct TypeTraits<UnsignedShort>: Implementation::TypeTraitsIntegral<UnsignedShort> {
    typedef Float FloatingPointType;
};
template<> struct TypeTraits<Short>: Implementation::TypeTraitsIntegral<Short> {
    typedef Float FloatingPointType;
};
template<> struct TypeTraits<UnsignedInt>: Implementation::TypeTraitsIntegral<UnsignedInt> {
    typedef Double FloatingPointType;
};
template<> struct TypeTraits<Int>: Implementation::TypeTraitsIntegral<Int> {
    typedef Double FloatingPointType;
};
template<> struct TypeTraits<UnsignedLong>: Implementation::TypeTraitsIntegral<UnsignedLong> {
    typedef long double FloatingPointType;
};
template<> struct TypeTraits<Long>: Implementation::TypeTraitsIntegral<Long> {
    typedef long double FloatingPointType;
};

namespace Implementation {

template<class T> struct TypeTraitsFloatingPoint: TypeTraitsName<T> {
    TypeTraitsFloatingPoint() = delete;

    static bool equals(T a, T b);
    static bool equalsZero(T a, T magnitude);
};

template<class T> bool TypeTraitsFloatingPoint<T>::equals(const T a, const T b) {
    /* Exact matches, including infinities, need no tolerance */
    if(a == b) return true;

    const T difference = std::abs(a - b);

    /* Relative error makes no sense close to zero, use the absolute one */
    if(a == T{} || b == T{} || difference < TypeTraits<T>::epsilon())
        return difference < TypeTraits<T>::epsilon();

    return difference/(std::abs(a) + std::abs(b)) < TypeTraits<T>::epsilon();
}

template<class T> bool TypeTraitsFloatingPoint<T>::equalsZero(const T a, const T magnitude) {
    if(a == T(0.0)) return true;

    const T absA = std::abs(a);
    if(absA < TypeTraits<T>::epsilon())
        return true;

    return absA*T(0.5)/magnitude < TypeTraits<T>::epsilon();
}

}

template<> struct TypeTraits<Float>: Implementation::TypeTraitsFloatingPoint<Float> {
    typedef Float FloatingPointType;
    constexpr static Float epsilon() { return 1.0e-5f; }
};
/* Compared exactly, but still a floating-point type for color purposes */
template<> struct TypeTraits<Half>: Implementation::TypeTraitsName<Half>, Implementation::TypeTraitsDefault<Half> {
    typedef Half FloatingPointType;
};
template<> struct TypeTraits<Double>: Implementation::TypeTraitsFloatingPoint<Double> {
    typedef Double FloatingPointType;
    constexpr static Double epsilon() { return 1.0e-14; }
};
template<> struct TypeTraits<long double>: Implementation::TypeTraitsFloatingPoint<long double> {
    typedef long double FloatingPointType;
    constexpr static long double epsilon() { return sizeof(long double) == sizeof(double) ? 1.0e-14l : 1.0e-17l; }
};

/** Equality comparison of scalar types, fuzzy for floating-point */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline bool equal(T a, T b) {
    return TypeTraits<T>::equals(a, b);
}

/** Non-equality comparison of scalar types, fuzzy for floating-point */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline bool notEqual(T a, T b) {
    return !TypeTraits<T>::equals(a, b);
}

namespace Implementation {

/* A squared length within (1 - eps)^2 .. (1 + eps)^2, the eps^2 term is
   below the precision anyway */
template<class T> inline bool isNormalizedSquared(T lengthSquared) {
    return std::abs(lengthSquared - T(1)) < T(2)*TypeTraits<T>::epsilon();
}

}

}}

#endif
