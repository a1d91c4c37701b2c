#ifndef Corrade_Containers_Reference_h
#define Corrade_Containers_Reference_h
/* Rebindable reference */

#include <type_traits>

#include "Corrade/Containers/Containers.h"

namespace Corrade { namespace Containers {

/** Lightweight reference wrapper */
template<class T> class Reference {
    public:
        typedef T Type;

        constexpr /*implicit*/ Reference(T& reference) noexcept: _reference{&reference} {}
        Reference(T&&) = delete;
        template<class U, class = typename std::enable_if<std::is_convertible<U&, T&>::value>::type> constexpr /*implicit*/ Reference(Reference<U> other) noexcept: _reference{&other.get()} {}

        constexpr /*implicit*/ operator T&() const { return *_reference; }
        template<class U, class = typename std::enable_if<std::is_convertible<T&, U&>::value>::type> constexpr /*implicit*/ operator Reference<U>() const { return *_reference; }
        constexpr T& get() const { return *_reference; }
        constexpr T* operator->() const { return _reference; }
        constexpr T& operator*() const { return *_reference; }

    private:
        T* _reference;
};

}}

#endif
