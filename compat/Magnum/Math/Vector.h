#ifndef Magnum_Math_Vector_h
#define Magnum_Math_Vector_h
/* Generic fixed-size vector, dot() and angle() */

#include <cstddef>
#include <type_traits>

#include "Corrade/Utility/StlMath.h"
#include "Corrade/Containers/Pair.h"
#include "Corrade/Containers/sequenceHelpers.h"
#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "Corrade/Utility/DebugAssert.h"
#include "Magnum/Magnum.h"
#include "Magnum/Math/Angle.h"
#include "Magnum/Math/BitVector.h"
#include "Magnum/Math/TypeTraits.h"

namespace Magnum { namespace Math {

/* Scalar variants documented in Functions.h, needed here already */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> inline bool isNan(T value) {
    return std::isnan(UnderlyingTypeOf<T>(value));
}
/* With a NaN in value, the comparison fails and value is returned */
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> constexpr T min(T value, T min) {
    return min < value ? min : value;
}
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> constexpr T max(T value, T max) {
    return value < max ? max : value;
}
template<class T, typename std::enable_if<IsScalar<T>::value, int>::type = 0> constexpr T clamp(T value, T min, T max) {
    return Math::min(Math::max(value, min), max);
}

namespace Implementation {
    template<std::size_t, class, class> struct VectorConverter;

    /* Exact at t = 0 and t = 1, unlike a + t*(b - a) */
    template<class T, class U> T lerp(const T& a, const T& b, U t) {
        return T((U(1) - t)*a + t*b);
    }

}

/** Dot product of two vectors */
template<std::size_t size, class T> inline T dot(const Vector<size, T>& a, const Vector<size, T>& b) {
    T out{};
    for(std::size_t i = 0; i != size; ++i)
        out += a[i]*b[i];
    return out;
}

/** Angle between normalized vectors, the dot product clamped to [-1, 1] */
template<std::size_t size, class FloatingPoint, typename std::enable_if<std::is_floating_point<FloatingPoint>::value, int>::type = 0> inline Rad<FloatingPoint> angle(const Vector<size, FloatingPoint>& normalizedA, const Vector<size, FloatingPoint>& normalizedB) {
    CORRADE_ASSERT(normalizedA.isNormalized() && normalizedB.isNormalized(),
        "Math::angle(): vectors" << normalizedA << "and" << normalizedB << "are not normalized", {});
    return Rad<FloatingPoint>(std::acos(clamp(dot(normalizedA, normalizedB), FloatingPoint(-1), FloatingPoint(1))));
}

#define MAGNUM_MATH_INTEGRAL_FLOAT_ template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0>
#define MAGNUM_MATH_INTEGRAL_ONLY_ template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0>
#define MAGNUM_MATH_FLOAT_ONLY_ template<class U = T, typename std::enable_if<std::is_floating_point<U>::value, int>::type = 0>

/** Vector of @p size components of type @p T */
template<std::size_t size, class T> class Vector {
    static_assert(size != 0, "Vector cannot have zero elements");

    template<std::size_t, class> friend class Vector;

    public:
        typedef T Type;

        enum: std::size_t {
            Size = size
        };

        /** Reinterpret an array as a vector, no size check is done */
        static Vector<size, T>& from(T* data) {
            return *reinterpret_cast<Vector<size, T>*>(data);
        }
        static const Vector<size, T>& from(const T* data) {
            return *reinterpret_cast<const Vector<size, T>*>(data);
        }

        /** Cut or pad a vector from the right with @p value */
        template<std::size_t otherSize> constexpr static Vector<size, T> pad(const Vector<otherSize, T>& a, T value = T()) {
            return padInternal<otherSize>(typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}, a, value);
        }

        constexpr /*implicit*/ Vector() noexcept: _data{} {}
        constexpr explicit Vector(ZeroInitT) noexcept: _data{} {}
        explicit Vector(Magnum::NoInitT) noexcept {}

        template<class ...U, typename std::enable_if<sizeof...(U) + 1 == size, int>::type = 0> constexpr /*implicit*/ Vector(T first, U... next) noexcept: _data{first, next...} {}

        template<std::size_t size_> constexpr explicit Vector(const T(&data)[size_]) noexcept: Vector{typename Corrade::Containers::Implementation::GenerateSequence<size_>::Type{}, data} {
            static_assert(size_ == size, "wrong number of initializers");
        }

        /** One value for all components */
        template<class U, typename std::enable_if<std::is_same<T, U>::value && size != 1, int>::type = 0> constexpr explicit Vector(U value) noexcept: Vector(typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}, value) {}

        /** Conversion from a different underlying type, no rounding done */
        template<class U> constexpr explicit Vector(const Vector<size, U>& other) noexcept: Vector(typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}, other) {}

        /** Unset bits become 0, set bits 1 */
        constexpr explicit Vector(const BitVector<size>& other) noexcept: Vector{typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}, other} {}

        template<class U, class = decltype(Implementation::VectorConverter<size, T, U>::from(std::declval<U>()))> constexpr explicit Vector(const U& other) noexcept: Vector(Implementation::VectorConverter<size, T, U>::from(other)) {}

        template<class U, class = decltype(Implementation::VectorConverter<size, T, U>::to(std::declval<Vector<size, T>>()))> constexpr explicit operator U() const {
            return Implementation::VectorConverter<size, T, U>::to(*this);
        }

        auto data() -> T(&)[size] { return _data; }
        constexpr auto data() const -> const T(&)[size] { return _data; }

        T& operator[](std::size_t pos) { return _data[pos]; }
        constexpr T operator[](std::size_t pos) const { return _data[pos]; }

        /** Fuzzy for floating-point types */
        bool operator==(const Vector<size, T>& other) const {
            for(std::size_t i = 0; i != size; ++i)
                if(!TypeTraits<T>::equals(_data[i], other._data[i])) return false;
            return true;
        }
        bool operator!=(const Vector<size, T>& other) const {
            return !operator==(other);
        }

        BitVector<size> operator<(const Vector<size, T>& other) const {
            BitVector<size> out;
            for(std::size_t i = 0; i != size; ++i) out.set(i, _data[i] < other._data[i]);
            return out;
        }
        BitVector<size> operator<=(const Vector<size, T>& other) const {
            BitVector<size> out;
            for(std::size_t i = 0; i != size; ++i) out.set(i, _data[i] <= other._data[i]);
            return out;
        }
        BitVector<size> operator>=(const Vector<size, T>& other) const {
            BitVector<size> out;
            for(std::size_t i = 0; i != size; ++i) out.set(i, _data[i] >= other._data[i]);
            return out;
        }
        BitVector<size> operator>(const Vector<size, T>& other) const {
            BitVector<size> out;
            for(std::size_t i = 0; i != size; ++i) out.set(i, _data[i] > other._data[i]);
            return out;
        }

        /* Squared length compared against epsilon, not epsilon squared,
           which wouldn't be representable */
        /* Each component compared fuzzily on its own, so a tiny non-zero
           component doesn't hide behind the squared length */
        bool isZero() const {
            for(std::size_t i = 0; i != size; ++i)
                if(!TypeTraits<T>::equals(_data[i], T()))
                    return false;
            return true;
        }
        bool isNormalized() const {
            return Implementation::isNormalizedSquared(dot());
        }

        constexpr Vector<size, T> operator+() const { return *this; }
        template<class U = T, typename std::enable_if<std::is_signed<U>::value, int>::type = 0> constexpr Vector<size, T> operator-() const {
            return negateInternal(typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }

        Vector<size, T>& operator+=(const Vector<size, T>& other) {
            for(std::size_t i = 0; i != size; ++i) _data[i] += other._data[i];
            return *this;
        }
        constexpr Vector<size, T> operator+(const Vector<size, T>& other) const {
            return addInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }
        Vector<size, T>& operator-=(const Vector<size, T>& other) {
            for(std::size_t i = 0; i != size; ++i) _data[i] -= other._data[i];
            return *this;
        }
        constexpr Vector<size, T> operator-(const Vector<size, T>& other) const {
            return subtractInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }

        Vector<size, T>& operator*=(T scalar) {
            for(std::size_t i = 0; i != size; ++i) _data[i] *= scalar;
            return *this;
        }
        constexpr Vector<size, T> operator*(T scalar) const {
            return multiplyInternal(scalar, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }
        constexpr friend Vector<size, T> operator*(typename std::common_type<T>::type scalar, const Vector<size, T>& vector) {
            return vector*scalar;
        }
        /* Integral vector and a floating-point scalar, computed in
           floating-point and cast back */
        MAGNUM_MATH_INTEGRAL_FLOAT_ Vector<size, T>& operator*=(FloatingPoint scalar) {
            for(std::size_t i = 0; i != size; ++i) _data[i] = T(_data[i]*scalar);
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_FLOAT_ constexpr Vector<size, T> operator*(FloatingPoint scalar) const {
            return multiplyIntegerInternal(scalar, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }
        MAGNUM_MATH_INTEGRAL_FLOAT_ friend constexpr Vector<size, T> operator*(FloatingPoint scalar, const Vector<size, T>& vector) {
            return vector*scalar;
        }

        Vector<size, T>& operator/=(T scalar) {
            for(std::size_t i = 0; i != size; ++i) _data[i] /= scalar;
            return *this;
        }
        constexpr Vector<size, T> operator/(T scalar) const {
            return divideInternal(scalar, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }
        /** Divides the scalar by each component */
        friend constexpr Vector<size, T> operator/(typename std::common_type<T>::type scalar, const Vector<size, T>& vector) {
            return divideInternal(scalar, vector, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }
        MAGNUM_MATH_INTEGRAL_FLOAT_ Vector<size, T>& operator/=(FloatingPoint scalar) {
            for(std::size_t i = 0; i != size; ++i) _data[i] = T(_data[i]/scalar);
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_FLOAT_ constexpr Vector<size, T> operator/(FloatingPoint scalar) const {
            return divideIntegerInternal(scalar, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }

        Vector<size, T>& operator*=(const Vector<size, T>& other) {
            for(std::size_t i = 0; i != size; ++i) _data[i] *= other._data[i];
            return *this;
        }
        constexpr Vector<size, T> operator*(const Vector<size, T>& other) const {
            return multiplyInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }
        MAGNUM_MATH_INTEGRAL_FLOAT_ Vector<size, T>& operator*=(const Vector<size, FloatingPoint>& other) {
            for(std::size_t i = 0; i != size; ++i) _data[i] = T(_data[i]*other._data[i]);
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_FLOAT_ constexpr Vector<size, T> operator*(const Vector<size, FloatingPoint>& other) const {
            return multiplyIntegerInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }
        /* Floating-point vector times an integral one gives an integral one */
        template<class Integral, class FloatingPoint = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> constexpr Vector<size, Integral> operator*(const Vector<size, Integral>& other) const {
            return other**this;
        }

        Vector<size, T>& operator/=(const Vector<size, T>& other) {
            for(std::size_t i = 0; i != size; ++i) _data[i] /= other._data[i];
            return *this;
        }
        constexpr Vector<size, T> operator/(const Vector<size, T>& other) const {
            return divideInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }
        MAGNUM_MATH_INTEGRAL_FLOAT_ Vector<size, T>& operator/=(const Vector<size, FloatingPoint>& other) {
            for(std::size_t i = 0; i != size; ++i) _data[i] = T(_data[i]/other._data[i]);
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_FLOAT_ constexpr Vector<size, T> operator/(const Vector<size, FloatingPoint>& other) const {
            return divideIntegerInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }

        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T>& operator%=(T scalar) {
            for(std::size_t i = 0; i != size; ++i) _data[i] %= scalar;
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T> operator%(T scalar) const {
            return Vector<size, T>{*this} %= scalar;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T>& operator%=(const Vector<size, T>& other) {
            for(std::size_t i = 0; i != size; ++i) _data[i] %= other._data[i];
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T> operator%(const Vector<size, T>& other) const {
            return Vector<size, T>{*this} %= other;
        }

        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T> operator~() const {
            Vector<size, T> out{Magnum::NoInit};
            for(std::size_t i = 0; i != size; ++i) out._data[i] = T(~_data[i]);
            return out;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T>& operator&=(const Vector<size, T>& other) {
            for(std::size_t i = 0; i != size; ++i) _data[i] &= other._data[i];
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T> operator&(const Vector<size, T>& other) const {
            return Vector<size, T>{*this} &= other;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T>& operator|=(const Vector<size, T>& other) {
            for(std::size_t i = 0; i != size; ++i) _data[i] |= other._data[i];
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T> operator|(const Vector<size, T>& other) const {
            return Vector<size, T>{*this} |= other;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T>& operator^=(const Vector<size, T>& other) {
            for(std::size_t i = 0; i != size; ++i) _data[i] ^= other._data[i];
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T> operator^(const Vector<size, T>& other) const {
            return Vector<size, T>{*this} ^= other;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T>& operator<<=(typename std::common_type<T>::type shift) {
            for(std::size_t i = 0; i != size; ++i) _data[i] = T(_data[i] << shift);
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T> operator<<(typename std::common_type<T>::type shift) const {
            return Vector<size, T>{*this} <<= shift;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T>& operator>>=(typename std::common_type<T>::type shift) {
            for(std::size_t i = 0; i != size; ++i) _data[i] = T(_data[i] >> shift);
            return *this;
        }
        MAGNUM_MATH_INTEGRAL_ONLY_ Vector<size, T> operator>>(typename std::common_type<T>::type shift) const {
            return Vector<size, T>{*this} >>= shift;
        }

        /** Squared length */
        T dot() const { return Math::dot(*this, *this); }
        T length() const { return T(std::sqrt(dot())); }
        MAGNUM_MATH_FLOAT_ONLY_ T lengthInverted() const { return T(1)/length(); }
        MAGNUM_MATH_FLOAT_ONLY_ Vector<size, T> normalized() const { return *this*lengthInverted(); }
        MAGNUM_MATH_FLOAT_ONLY_ Vector<size, T> resized(T length) const {
            return *this*(lengthInverted()*length);
        }
        MAGNUM_MATH_FLOAT_ONLY_ Vector<size, T> projected(const Vector<size, T>& line) const {
            return line*Math::dot(*this, line)/line.dot();
        }
        MAGNUM_MATH_FLOAT_ONLY_ Vector<size, T> projectedOntoNormalized(const Vector<size, T>& line) const {
            CORRADE_ASSERT(line.isNormalized(),
                "Math::Vector::projectedOntoNormalized(): line" << line << "is not normalized", {});
            return line*Math::dot(*this, line);
        }

        /** Components in reverse order */
        constexpr Vector<size, T> flipped() const {
            return flippedInternal(typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{});
        }

        T sum() const {
            T out(_data[0]);
            for(std::size_t i = 1; i != size; ++i) out += _data[i];
            return out;
        }
        T product() const {
            T out(_data[0]);
            for(std::size_t i = 1; i != size; ++i) out *= _data[i];
            return out;
        }

        /* NaNs are skipped unless all components are NaN */
        T min() const {
            std::size_t i = firstNonNan(IsFloatingPoint<T>{});
            T out(_data[i]);
            for(++i; i != size; ++i) out = Math::min(out, _data[i]);
            return out;
        }
        T max() const {
            std::size_t i = firstNonNan(IsFloatingPoint<T>{});
            T out(_data[i]);
            for(++i; i != size; ++i) out = Math::max(out, _data[i]);
            return out;
        }
        Containers::Pair<T, T> minmax() const {
            std::size_t i = firstNonNan(IsFloatingPoint<T>{});
            T min{_data[i]}, max{_data[i]};
            for(++i; i != size; ++i) {
                if(_data[i] < min) min = _data[i];
                else if(_data[i] > max) max = _data[i];
            }
            return {min, max};
        }

    protected:
        T _data[size];

        /* Used by subclasses to return their own type from constexpr ops */
        template<std::size_t ...s> constexpr Vector<size, T> negateInternal(Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(-_data[s])...};
        }
        template<std::size_t ...s> constexpr Vector<size, T> addInternal(const Vector<size, T>& other, Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(_data[s] + other._data[s])...};
        }
        template<std::size_t ...s> constexpr Vector<size, T> subtractInternal(const Vector<size, T>& other, Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(_data[s] - other._data[s])...};
        }
        template<std::size_t ...s> constexpr Vector<size, T> multiplyInternal(T scalar, Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(_data[s]*scalar)...};
        }
        template<class FloatingPoint, std::size_t ...s> constexpr Vector<size, T> multiplyIntegerInternal(FloatingPoint scalar, Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(_data[s]*scalar)...};
        }
        template<std::size_t ...s> constexpr Vector<size, T> divideInternal(T scalar, Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(_data[s]/scalar)...};
        }
        template<class FloatingPoint, std::size_t ...s> constexpr Vector<size, T> divideIntegerInternal(FloatingPoint scalar, Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(_data[s]/scalar)...};
        }
        template<std::size_t ...s> constexpr static Vector<size, T> divideInternal(T scalar, const Vector<size, T>& vector, Corrade::Containers::Implementation::Sequence<s...>) {
            return {T(scalar/vector._data[s])...};
        }
        template<std::size_t ...s> constexpr Vector<size, T> multiplyInternal(const Vector<size, T>& other, Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(_data[s]*other._data[s])...};
        }
        template<class FloatingPoint, std::size_t ...s> constexpr Vector<size, T> multiplyIntegerInternal(const Vector<size, FloatingPoint>& other, Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(_data[s]*other._data[s])...};
        }
        template<std::size_t ...s> constexpr Vector<size, T> divideInternal(const Vector<size, T>& other, Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(_data[s]/other._data[s])...};
        }
        template<class FloatingPoint, std::size_t ...s> constexpr Vector<size, T> divideIntegerInternal(const Vector<size, FloatingPoint>& other, Corrade::Containers::Implementation::Sequence<s...>) const {
            return {T(_data[s]/other._data[s])...};
        }

    private:
        template<std::size_t ...s> constexpr explicit Vector(Corrade::Containers::Implementation::Sequence<s...>, const T(&data)[sizeof...(s)]) noexcept: _data{data[s]...} {}
        template<class U, std::size_t ...s> constexpr explicit Vector(Corrade::Containers::Implementation::Sequence<s...>, const Vector<size, U>& vector) noexcept: _data{T(vector._data[s])...} {}
        template<std::size_t ...s> constexpr explicit Vector(Corrade::Containers::Implementation::Sequence<s...>, const BitVector<size>& bits) noexcept: _data{T(bits[s])...} {}
        template<std::size_t ...s> constexpr explicit Vector(Corrade::Containers::Implementation::Sequence<s...>, T value) noexcept: _data{Implementation::repeat(value, s)...} {}

        template<std::size_t otherSize, std::size_t ...s> constexpr static Vector<size, T> padInternal(Corrade::Containers::Implementation::Sequence<s...>, const Vector<otherSize, T>& a, T value) {
            return {(s < otherSize ? a[s < otherSize ? s : 0] : value)...};
        }
        template<std::size_t ...s> constexpr Vector<size, T> flippedInternal(Corrade::Containers::Implementation::Sequence<s...>) const {
            return {_data[size - 1 - s]...};
        }


        std::size_t firstNonNan(std::false_type) const { return 0; }
        std::size_t firstNonNan(std::true_type) const {
            for(std::size_t i = 0; i != size; ++i)
                if(!isNan(_data[i])) return i;
            return size - 1;
        }
};

/** Component-wise equality comparison */
template<std::size_t size, class T> inline BitVector<size> equal(const Vector<size, T>& a, const Vector<size, T>& b) {
    BitVector<size> out;
    for(std::size_t i = 0; i != size; ++i)
        out.set(i, TypeTraits<T>::equals(a[i], b[i]));
    return out;
}

/** Component-wise non-equality comparison */
template<std::size_t size, class T> inline BitVector<size> notEqual(const Vector<size, T>& a, const Vector<size, T>& b) {
    BitVector<size> out;
    for(std::size_t i = 0; i != size; ++i)
        out.set(i, !TypeTraits<T>::equals(a[i], b[i]));
    return out;
}

/** Print as Vector(a, b, c), or {a, b, c} with Debug::packed */
template<std::size_t size, class T> Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Vector<size, T>& value) {
    using Corrade::Utility::Debug;
    /* Nested values use the same immediate flags, except the space one */
    const Debug::Flags prevFlags = debug.flags();
    debug.setFlags(prevFlags | (debug.immediateFlags() & ~Debug::Flags{Debug::Flag::NoSpace}));

    const bool packed = debug.immediateFlags() >= Debug::Flag::Packed;
    debug << (packed ? "{" : "Vector(") << Debug::nospace;
    for(std::size_t i = 0; i != size; ++i) {
        if(i != 0) debug << Debug::nospace << ",";
        debug << value[i];
    }
    debug << Debug::nospace << (packed ? "}" : ")");

    debug.setFlags(prevFlags);
    return debug;
}

namespace Implementation {

template<std::size_t size, class T> struct StrictWeakOrdering<Vector<size, T>> {
    bool operator()(const Vector<size, T>& a, const Vector<size, T>& b) const {
        for(std::size_t i = 0; i != size; ++i) {
            if(a[i] < b[i]) return true;
            if(a[i] > b[i]) return false;
        }
        return false;
    }
};

}

/* Re-declares the operators in a subclass so they return the subclass */
#define MAGNUM_VECTOR_SUBCLASS_IMPLEMENTATION(size, Type_)                  \
    static Type_<T>& from(T* data) {                                        \
        return *reinterpret_cast<Type_<T>*>(data);                          \
    }                                                                       \
    static const Type_<T>& from(const T* data) {                            \
        return *reinterpret_cast<const Type_<T>*>(data);                    \
    }                                                                       \
    template<std::size_t otherSize> constexpr static Type_<T> pad(const Math::Vector<otherSize, T>& a, T value = T()) { \
        return Math::Vector<size, T>::pad(a, value);                        \
    }                                                                       \
    constexpr Type_<T> operator+() const { return *this; }                  \
    template<class U = T, typename std::enable_if<std::is_signed<U>::value, int>::type = 0> constexpr Type_<T> operator-() const { \
        return Math::Vector<size, T>::negateInternal(typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    Type_<T>& operator+=(const Math::Vector<size, T>& other) {              \
        Math::Vector<size, T>::operator+=(other);                           \
        return *this;                                                       \
    }                                                                       \
    constexpr Type_<T> operator+(const Math::Vector<size, T>& other) const { \
        return Math::Vector<size, T>::addInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    Type_<T>& operator-=(const Math::Vector<size, T>& other) {              \
        Math::Vector<size, T>::operator-=(other);                           \
        return *this;                                                       \
    }                                                                       \
    constexpr Type_<T> operator-(const Math::Vector<size, T>& other) const { \
        return Math::Vector<size, T>::subtractInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    Type_<T>& operator*=(T scalar) {                                        \
        Math::Vector<size, T>::operator*=(scalar);                          \
        return *this;                                                       \
    }                                                                       \
    constexpr Type_<T> operator*(T scalar) const {                          \
        return Math::Vector<size, T>::multiplyInternal(scalar, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    friend constexpr Type_<T> operator*(typename std::common_type<T>::type scalar, const Type_<T>& vector) { \
        return scalar*static_cast<const Math::Vector<size, T>&>(vector);    \
    }                                                                       \
    template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> Type_<T>& operator*=(FloatingPoint scalar) { \
        Math::Vector<size, T>::operator*=(scalar);                          \
        return *this;                                                       \
    }                                                                       \
    template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> constexpr Type_<T> operator*(FloatingPoint scalar) const { \
        return Math::Vector<size, T>::multiplyIntegerInternal(scalar, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> friend constexpr Type_<T> operator*(FloatingPoint scalar, const Type_<T>& vector) { \
        return scalar*static_cast<const Math::Vector<size, T>&>(vector);    \
    }                                                                       \
    Type_<T>& operator/=(T scalar) {                                        \
        Math::Vector<size, T>::operator/=(scalar);                          \
        return *this;                                                       \
    }                                                                       \
    constexpr Type_<T> operator/(T scalar) const {                          \
        return Math::Vector<size, T>::divideInternal(scalar, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    friend constexpr Type_<T> operator/(typename std::common_type<T>::type scalar, const Type_<T>& vector) { \
        return scalar/static_cast<const Math::Vector<size, T>&>(vector);    \
    }                                                                       \
    template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> Type_<T>& operator/=(FloatingPoint scalar) { \
        Math::Vector<size, T>::operator/=(scalar);                          \
        return *this;                                                       \
    }                                                                       \
    template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> constexpr Type_<T> operator/(FloatingPoint scalar) const { \
        return Math::Vector<size, T>::divideIntegerInternal(scalar, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    Type_<T>& operator*=(const Math::Vector<size, T>& other) {              \
        Math::Vector<size, T>::operator*=(other);                           \
        return *this;                                                       \
    }                                                                       \
    constexpr Type_<T> operator*(const Math::Vector<size, T>& other) const { \
        return Math::Vector<size, T>::multiplyInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> Type_<T>& operator*=(const Math::Vector<size, FloatingPoint>& other) { \
        Math::Vector<size, T>::operator*=(other);                           \
        return *this;                                                       \
    }                                                                       \
    template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> constexpr Type_<T> operator*(const Math::Vector<size, FloatingPoint>& other) const { \
        return Math::Vector<size, T>::multiplyIntegerInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    template<class Integral, class FloatingPoint = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> constexpr Type_<Integral> operator*(const Math::Vector<size, Integral>& other) const { \
        return other**this;                                                 \
    }                                                                       \
    Type_<T>& operator/=(const Math::Vector<size, T>& other) {              \
        Math::Vector<size, T>::operator/=(other);                           \
        return *this;                                                       \
    }                                                                       \
    constexpr Type_<T> operator/(const Math::Vector<size, T>& other) const { \
        return Math::Vector<size, T>::divideInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> Type_<T>& operator/=(const Math::Vector<size, FloatingPoint>& other) { \
        Math::Vector<size, T>::operator/=(other);                           \
        return *this;                                                       \
    }                                                                       \
    template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> constexpr Type_<T> operator/(const Math::Vector<size, FloatingPoint>& other) const { \
        return Math::Vector<size, T>::divideIntegerInternal(other, typename Corrade::Containers::Implementation::GenerateSequence<size>::Type{}); \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T>& operator%=(T scalar) { \
        Math::Vector<size, T>::operator%=(scalar);                          \
        return *this;                                                       \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T> operator%(T scalar) const { \
        return Math::Vector<size, T>::operator%(scalar);                    \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T>& operator%=(const Math::Vector<size, T>& other) { \
        Math::Vector<size, T>::operator%=(other);                           \
        return *this;                                                       \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T> operator%(const Math::Vector<size, T>& other) const { \
        return Math::Vector<size, T>::operator%(other);                     \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T> operator~() const { \
        return Math::Vector<size, T>::operator~();                          \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T>& operator&=(const Math::Vector<size, T>& other) { \
        Math::Vector<size, T>::operator&=(other);                           \
        return *this;                                                       \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T> operator&(const Math::Vector<size, T>& other) const { \
        return Math::Vector<size, T>::operator&(other);                     \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T>& operator|=(const Math::Vector<size, T>& other) { \
        Math::Vector<size, T>::operator|=(other);                           \
        return *this;                                                       \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T> operator|(const Math::Vector<size, T>& other) const { \
        return Math::Vector<size, T>::operator|(other);                     \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T>& operator^=(const Math::Vector<size, T>& other) { \
        Math::Vector<size, T>::operator^=(other);                           \
        return *this;                                                       \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T> operator^(const Math::Vector<size, T>& other) const { \
        return Math::Vector<size, T>::operator^(other);                     \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T>& operator<<=(typename std::common_type<T>::type shift) { \
        Math::Vector<size, T>::operator<<=(shift);                          \
        return *this;                                                       \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T> operator<<(typename std::common_type<T>::type shift) const { \
        return Math::Vector<size, T>::operator<<(shift);                    \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T>& operator>>=(typename std::common_type<T>::type shift) { \
        Math::Vector<size, T>::operator>>=(shift);                          \
        return *this;                                                       \
    }                                                                       \
    template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Type_<T> operator>>(typename std::common_type<T>::type shift) const { \
        return Math::Vector<size, T>::operator>>(shift);                    \
    }                                                                       \
    template<class U = T, typename std::enable_if<std::is_floating_point<U>::value, int>::type = 0> Type_<T> normalized() const { \
        return Math::Vector<size, T>::normalized();                         \
    }                                                                       \
    template<class U = T, typename std::enable_if<std::is_floating_point<U>::value, int>::type = 0> Type_<T> resized(T length) const { \
        return Math::Vector<size, T>::resized(length);                      \
    }                                                                       \
    template<class U = T, typename std::enable_if<std::is_floating_point<U>::value, int>::type = 0> Type_<T> projected(const Math::Vector<size, T>& other) const { \
        return Math::Vector<size, T>::projected(other);                     \
    }                                                                       \
    template<class U = T, typename std::enable_if<std::is_floating_point<U>::value, int>::type = 0> Type_<T> projectedOntoNormalized(const Math::Vector<size, T>& other) const { \
        return Math::Vector<size, T>::projectedOntoNormalized(other);       \
    }                                                                       \
    constexpr Type_<T> flipped() const {                                    \
        return Math::Vector<size, T>::flipped();                            \
    }

#undef MAGNUM_MATH_INTEGRAL_FLOAT_
#undef MAGNUM_MATH_INTEGRAL_ONLY_
#undef MAGNUM_MATH_FLOAT_ONLY_

}}

#endif
