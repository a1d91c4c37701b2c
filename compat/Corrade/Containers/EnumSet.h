#ifndef Corrade_Containers_EnumSet_h
#define Corrade_Containers_EnumSet_h
/* Type-safe set of enum values */

#include <type_traits>

#include "Corrade/Containers/Containers.h"
#include "Corrade/Tags.h"

namespace Corrade { namespace Containers {

/** Set of enum values */
template<class T, typename std::underlying_type<T>::type fullValue> class EnumSet {
    static_assert(std::is_enum<T>::value, "EnumSet type must be a strongly typed enum");

    public:
        typedef T Type; /**< Enum type */
        typedef typename std::underlying_type<T>::type UnderlyingType; /**< Underlying type */
        enum: UnderlyingType { FullValue = fullValue }; /**< All bits set */

        /** Empty set */
        constexpr EnumSet() noexcept: _value{} {}
        /** Set with one value */
        constexpr /*implicit*/ EnumSet(T value) noexcept: _value{static_cast<UnderlyingType>(value)} {}
        /** Uninitialized set */
        explicit EnumSet(NoInitT) noexcept {}

        constexpr bool operator==(EnumSet other) const { return _value == other._value; }
        constexpr bool operator!=(EnumSet other) const { return _value != other._value; }
        /** Whether @p other is a subset of this set */
        constexpr bool operator>=(EnumSet other) const { return (_value & other._value) == other._value; }
        /** Whether this set is a subset of @p other */
        constexpr bool operator<=(EnumSet other) const { return (_value & other._value) == _value; }

        constexpr EnumSet operator|(EnumSet other) const { return EnumSet{UnderlyingType(_value | other._value), 0}; }
        EnumSet& operator|=(EnumSet other) { _value |= other._value; return *this; }
        constexpr EnumSet operator&(EnumSet other) const { return EnumSet{UnderlyingType(_value & other._value), 0}; }
        EnumSet& operator&=(EnumSet other) { _value &= other._value; return *this; }
        constexpr EnumSet operator^(EnumSet other) const { return EnumSet{UnderlyingType(_value ^ other._value), 0}; }
        EnumSet& operator^=(EnumSet other) { _value ^= other._value; return *this; }
        constexpr EnumSet operator~() const { return EnumSet{UnderlyingType(fullValue & ~_value), 0}; }

        /** Whether the set is non-empty */
        constexpr explicit operator bool() const { return _value != 0; }
        /** Value in the underlying type */
        constexpr explicit operator UnderlyingType() const { return _value; }

    private:
        constexpr explicit EnumSet(UnderlyingType value, int) noexcept: _value{value} {}

        UnderlyingType _value;
};

/** Value of an enum set in its underlying type */
template<class T, typename std::underlying_type<T>::type fullValue> constexpr typename std::underlying_type<T>::type enumSetUnderlyingType(EnumSet<T, fullValue> value) {
    return typename std::underlying_type<T>::type(value);
}

}}

/** Operators taking the enum itself on the left side */
#define CORRADE_ENUMSET_OPERATORS(class)                                    \
    constexpr bool operator==(class::Type a, class b) {                     \
        return class(a) == b;                                               \
    }                                                                       \
    constexpr bool operator!=(class::Type a, class b) {                     \
        return class(a) != b;                                               \
    }                                                                       \
    constexpr bool operator>=(class::Type a, class b) {                     \
        return class(a) >= b;                                               \
    }                                                                       \
    constexpr bool operator<=(class::Type a, class b) {                     \
        return class(a) <= b;                                               \
    }                                                                       \
    constexpr class operator|(class::Type a, class b) {                     \
        return b | a;                                                       \
    }                                                                       \
    constexpr class operator&(class::Type a, class b) {                     \
        return b & a;                                                       \
    }                                                                       \
    constexpr class operator^(class::Type a, class b) {                     \
        return b ^ a;                                                       \
    }                                                                       \
    constexpr class operator~(class::Type a) {                              \
        return ~class(a);                                                   \
    }

/** Same as CORRADE_ENUMSET_OPERATORS() but for an enum set nested in a class */
#define CORRADE_ENUMSET_FRIEND_OPERATORS(class)                             \
    friend constexpr bool operator==(class::Type a, class b) {              \
        return class(a) == b;                                               \
    }                                                                       \
    friend constexpr bool operator!=(class::Type a, class b) {              \
        return class(a) != b;                                               \
    }                                                                       \
    friend constexpr bool operator>=(class::Type a, class b) {              \
        return class(a) >= b;                                               \
    }                                                                       \
    friend constexpr bool operator<=(class::Type a, class b) {              \
        return class(a) <= b;                                               \
    }                                                                       \
    friend constexpr class operator|(class::Type a, class b) {              \
        return b | a;                                                       \
    }                                                                       \
    friend constexpr class operator&(class::Type a, class b) {              \
        return b & a;                                                       \
    }                                                                       \
    friend constexpr class operator^(class::Type a, class b) {              \
        return b ^ a;                                                       \
    }                                                                       \
    friend constexpr class operator~(class::Type a) {                       \
        return ~class(a);                                                   \
    }

#endif
