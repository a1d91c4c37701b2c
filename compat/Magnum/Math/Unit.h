#ifndef Magnum_Math_Unit_h
#define Magnum_Math_Unit_h
/* Base class for strongly typed units */

#include <type_traits>

#include "Magnum/Math/Tags.h"
#include "Magnum/Math/TypeTraits.h"

namespace Magnum { namespace Math {

/** Base for unit types such as Deg and Rad */
template<template<class> class Derived, class T> class Unit {
    template<template<class> class, class> friend class Unit;

    public:
        typedef T Type;

        constexpr /*implicit*/ Unit() noexcept: _value(T(0)) {}
        constexpr explicit Unit(ZeroInitT) noexcept: _value(T(0)) {}
        explicit Unit(Magnum::NoInitT) noexcept {}
        constexpr explicit Unit(T value) noexcept: _value(value) {}
        template<class U> constexpr explicit Unit(Unit<Derived, U> value) noexcept: _value(T(value._value)) {}

        constexpr explicit operator T() const { return _value; }

        /* Fuzzy for floating-point types */
        constexpr bool operator==(Unit<Derived, T> other) const {
            return TypeTraits<T>::equals(_value, other._value);
        }
        constexpr bool operator!=(Unit<Derived, T> other) const {
            return !operator==(other);
        }
        constexpr bool operator<(Unit<Derived, T> other) const { return _value < other._value; }
        constexpr bool operator>(Unit<Derived, T> other) const { return _value > other._value; }
        constexpr bool operator<=(Unit<Derived, T> other) const { return !operator>(other); }
        constexpr bool operator>=(Unit<Derived, T> other) const { return !operator<(other); }

        constexpr Unit<Derived, T> operator+() const { return *this; }
        constexpr Unit<Derived, T> operator-() const { return Unit<Derived, T>(-_value); }

        Unit<Derived, T>& operator+=(Unit<Derived, T> other) {
            _value += other._value;
            return *this;
        }
        constexpr Unit<Derived, T> operator+(Unit<Derived, T> other) const {
            return Unit<Derived, T>(_value + other._value);
        }
        Unit<Derived, T>& operator-=(Unit<Derived, T> other) {
            _value -= other._value;
            return *this;
        }
        constexpr Unit<Derived, T> operator-(Unit<Derived, T> other) const {
            return Unit<Derived, T>(_value - other._value);
        }

        Unit<Derived, T>& operator*=(T number) {
            _value *= number;
            return *this;
        }
        constexpr Unit<Derived, T> operator*(T number) const {
            return Unit<Derived, T>(_value*number);
        }
        /* common_type keeps the scalar out of template deduction */
        constexpr friend Unit<Derived, T> operator*(typename std::common_type<T>::type number, Unit<Derived, T> value) {
            return Unit<Derived, T>{value._value*number};
        }
        template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> Unit<Derived, T>& operator*=(FloatingPoint number) {
            _value = T(_value*number);
            return *this;
        }
        template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> constexpr Unit<Derived, T> operator*(FloatingPoint number) const {
            return Unit<Derived, T>{T(_value*number)};
        }
        template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> friend constexpr Unit<Derived, T> operator*(FloatingPoint number, const Unit<Derived, T>& value) {
            return Unit<Derived, T>{T(value._value*number)};
        }

        Unit<Derived, T>& operator/=(T number) {
            _value /= number;
            return *this;
        }
        constexpr Unit<Derived, T> operator/(T number) const {
            return Unit<Derived, T>(_value/number);
        }
        template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> Unit<Derived, T>& operator/=(FloatingPoint number) {
            _value = T(_value/number);
            return *this;
        }
        template<class FloatingPoint, class Integral = T, typename std::enable_if<std::is_integral<Integral>::value && std::is_floating_point<FloatingPoint>::value, int>::type = 0> constexpr Unit<Derived, T> operator/(FloatingPoint number) const {
            return Unit<Derived, T>{T(_value/number)};
        }
        /** Ratio of two values */
        constexpr T operator/(Unit<Derived, T> other) const {
            return _value/other._value;
        }

        template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> Unit<Derived, T>& operator%=(Unit<Derived, T> other) {
            _value %= other._value;
            return *this;
        }
        template<class Integral = T, typename std::enable_if<std::is_integral<Integral>::value, int>::type = 0> constexpr Unit<Derived, T> operator%(Unit<Derived, T> other) const {
            return Unit<Derived, T>{_value%other._value};
        }

    private:
        T _value;
};

}}

#endif
