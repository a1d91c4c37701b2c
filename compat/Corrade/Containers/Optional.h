#ifndef Corrade_Containers_Optional_h
#define Corrade_Containers_Optional_h
/* Optional value */

#include <new>
#include <type_traits>

#include "Corrade/Tags.h"
#include "Corrade/Utility/DebugAssert.h"
#include "Corrade/Utility/Debug.h"

namespace Corrade { namespace Containers {

/** Null optional tag type */
struct NullOptT { struct Init {}; constexpr explicit NullOptT(Init) {} };
/** Null optional tag */
constexpr NullOptT NullOpt{NullOptT::Init{}};

/** Optional value */
template<class T> class Optional {
    public:
        typedef T Type;

        /*implicit*/ Optional(NullOptT = NullOpt) noexcept: _set{false} {}
        /*implicit*/ Optional(const T& value) noexcept(std::is_nothrow_copy_constructible<T>::value): _set{true} { new(&_value) T{value}; }
        /*implicit*/ Optional(T&& value) noexcept(std::is_nothrow_move_constructible<T>::value): _set{true} { new(&_value) T{static_cast<T&&>(value)}; }
        template<class ...Args> explicit Optional(InPlaceInitT, Args&&... args): _set{true} { new(&_value) T{static_cast<Args&&>(args)...}; }

        Optional(const Optional<T>& other): _set{other._set} { if(_set) new(&_value) T{other._value}; }
        Optional(Optional<T>&& other) noexcept(std::is_nothrow_move_constructible<T>::value): _set{other._set} { if(_set) new(&_value) T{static_cast<T&&>(other._value)}; }
        ~Optional() { if(_set) _value.~T(); }

        Optional<T>& operator=(const Optional<T>& other) {
            if(this != &other) {
                if(_set) _value.~T();
                _set = other._set;
                if(_set) new(&_value) T{other._value};
            }
            return *this;
        }
        Optional<T>& operator=(Optional<T>&& other) noexcept(std::is_nothrow_move_constructible<T>::value) {
            if(this != &other) {
                if(_set) _value.~T();
                _set = other._set;
                if(_set) new(&_value) T{static_cast<T&&>(other._value)};
            }
            return *this;
        }
        Optional<T>& operator=(NullOptT) noexcept {
            if(_set) _value.~T();
            _set = false;
            return *this;
        }

        explicit operator bool() const { return _set; }

        bool operator==(NullOptT) const { return !_set; }
        bool operator!=(NullOptT) const { return _set; }
        bool operator==(const Optional<T>& other) const { return _set == other._set && (!_set || _value == other._value); }
        bool operator!=(const Optional<T>& other) const { return !operator==(other); }
        bool operator==(const T& other) const { return _set && _value == other; }
        bool operator!=(const T& other) const { return !operator==(other); }

        T* operator->() {
            CORRADE_DEBUG_ASSERT(_set, "Containers::Optional: the optional is empty", &_value);
            return &_value;
        }
        const T* operator->() const {
            CORRADE_DEBUG_ASSERT(_set, "Containers::Optional: the optional is empty", &_value);
            return &_value;
        }
        T& operator*() & {
            CORRADE_DEBUG_ASSERT(_set, "Containers::Optional: the optional is empty", _value);
            return _value;
        }
        const T& operator*() const & {
            CORRADE_DEBUG_ASSERT(_set, "Containers::Optional: the optional is empty", _value);
            return _value;
        }
        T operator*() && {
            CORRADE_DEBUG_ASSERT(_set, "Containers::Optional: the optional is empty", static_cast<T&&>(_value));
            return static_cast<T&&>(_value);
        }

        /** Replace the value with one constructed in place */
        template<class ...Args> T& emplace(Args&&... args) {
            if(_set) _value.~T();
            _set = false;
            new(&_value) T{static_cast<Args&&>(args)...};
            _set = true;
            return _value;
        }

    private:
        union { T _value; };
        bool _set;
};

template<class T> bool operator==(NullOptT, const Optional<T>& b) { return b == NullOpt; }
template<class T> bool operator!=(NullOptT, const Optional<T>& b) { return b != NullOpt; }

/** Make an optional */
template<class T> Optional<typename std::decay<T>::type> optional(T&& value) {
    return Optional<typename std::decay<T>::type>{static_cast<T&&>(value)};
}
template<class T, class ...Args> Optional<T> optional(Args&&... args) {
    return Optional<T>{InPlaceInit, static_cast<Args&&>(args)...};
}

}}

#endif
