#ifndef Magnum_Math_Angle_h
#define Magnum_Math_Angle_h
/* Angles in degrees and radians */

#include "Corrade/Utility/Debug.h"
#include "Magnum/Math/Constants.h"
#include "Magnum/Math/Math.h"
#include "Magnum/Math/Unit.h"

namespace Magnum { namespace Math {

/** Angle in degrees */
template<class T> class Deg: public Unit<Deg, T> {
    public:
        constexpr /*implicit*/ Deg() noexcept: Unit<Math::Deg, T>{ZeroInit} {}
        constexpr explicit Deg(ZeroInitT) noexcept: Unit<Math::Deg, T>{ZeroInit} {}
        explicit Deg(Magnum::NoInitT) noexcept: Unit<Math::Deg, T>{Magnum::NoInit} {}
        constexpr explicit Deg(T value) noexcept: Unit<Math::Deg, T>(value) {}
        template<class U> constexpr explicit Deg(Unit<Math::Deg, U> value) noexcept: Unit<Math::Deg, T>(value) {}
        constexpr /*implicit*/ Deg(Unit<Math::Deg, T> other) noexcept: Unit<Math::Deg, T>(other) {}
        /** Conversion from radians */
        constexpr /*implicit*/ Deg(Unit<Rad, T> value);
};

/** Angle in radians */
template<class T> class Rad: public Unit<Rad, T> {
    public:
        constexpr /*implicit*/ Rad() noexcept: Unit<Math::Rad, T>{ZeroInit} {}
        constexpr explicit Rad(ZeroInitT) noexcept: Unit<Math::Rad, T>{ZeroInit} {}
        explicit Rad(Magnum::NoInitT) noexcept: Unit<Math::Rad, T>{Magnum::NoInit} {}
        constexpr explicit Rad(T value) noexcept: Unit<Math::Rad, T>(value) {}
        template<class U> constexpr explicit Rad(Unit<Math::Rad, U> value) noexcept: Unit<Math::Rad, T>(value) {}
        constexpr /*implicit*/ Rad(Unit<Math::Rad, T> value) noexcept: Unit<Math::Rad, T>(value) {}
        /** Conversion from degrees */
        constexpr /*implicit*/ Rad(Unit<Deg, T> value);
};

template<class T> constexpr Deg<T>::Deg(Unit<Rad, T> value): Unit<Math::Deg, T>(T(180)*T(value)/Math::Constants<T>::pi()) {}
template<class T> constexpr Rad<T>::Rad(Unit<Deg, T> value): Unit<Math::Rad, T>(T(value)*Math::Constants<T>::pi()/T(180)) {}

namespace Literals {
    inline namespace AngleLiterals {

/** Double-precision degrees */
constexpr Deg<Double> operator"" _deg(long double value) { return Deg<Double>(Double(value)); }
/** Single-precision degrees */
constexpr Deg<Float> operator"" _degf(long double value) { return Deg<Float>(Float(value)); }
/** Double-precision radians */
constexpr Rad<Double> operator"" _rad(long double value) { return Rad<Double>(Double(value)); }
/** Single-precision radians */
constexpr Rad<Float> operator"" _radf(long double value) { return Rad<Float>(Float(value)); }

    }
}

/** Print radians as Rad(value) */
template<class T> Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Unit<Rad, T>& value) {
    return debug << "Rad(" << Corrade::Utility::Debug::nospace << T(value) << Corrade::Utility::Debug::nospace << ")";
}

/** Print degrees as Deg(value) */
template<class T> Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Unit<Deg, T>& value) {
    return debug << "Deg(" << Corrade::Utility::Debug::nospace << T(value) << Corrade::Utility::Debug::nospace << ")";
}

}}

#endif
