#ifndef Corrade_Containers_Pair_h
#define Corrade_Containers_Pair_h
/* Pair of values */

#include <type_traits>

#include "Corrade/Tags.h"
#include "Corrade/Utility/Debug.h"

namespace Corrade { namespace Containers {

/** Pair of values */
template<class F, class S> class Pair {
    public:
        typedef F FirstType;
        typedef S SecondType;

        constexpr explicit Pair(DefaultInitT) noexcept {}
        constexpr explicit Pair(ValueInitT) noexcept: _first(), _second() {}
        explicit Pair(NoInitT) noexcept {}
        constexpr /*implicit*/ Pair() noexcept: _first(), _second() {}
        constexpr /*implicit*/ Pair(const F& first, const S& second): _first(first), _second(second) {}
        constexpr /*implicit*/ Pair(const F& first, S&& second): _first(first), _second(static_cast<S&&>(second)) {}
        constexpr /*implicit*/ Pair(F&& first, const S& second): _first(static_cast<F&&>(first)), _second(second) {}
        constexpr /*implicit*/ Pair(F&& first, S&& second): _first(static_cast<F&&>(first)), _second(static_cast<S&&>(second)) {}
        template<class OtherF, class OtherS, class = typename std::enable_if<std::is_constructible<F, const OtherF&>::value && std::is_constructible<S, const OtherS&>::value>::type> constexpr explicit Pair(const Pair<OtherF, OtherS>& other): _first(F(other.first())), _second(S(other.second())) {}

        bool operator==(const Pair<F, S>& other) const { return _first == other._first && _second == other._second; }
        bool operator!=(const Pair<F, S>& other) const { return !operator==(other); }

        F& first() & { return _first; }
        F first() && { return static_cast<F&&>(_first); }
        constexpr const F& first() const & { return _first; }
        S& second() & { return _second; }
        S second() && { return static_cast<S&&>(_second); }
        constexpr const S& second() const & { return _second; }

    private:
        F _first;
        S _second;
};

/** Make a pair */
template<class F, class S> constexpr Pair<typename std::decay<F>::type, typename std::decay<S>::type> pair(F&& first, S&& second) {
    return Pair<typename std::decay<F>::type, typename std::decay<S>::type>{static_cast<F&&>(first), static_cast<S&&>(second)};
}

/** Print a pair as {a, b} */
template<class F, class S> Utility::Debug& operator<<(Utility::Debug& debug, const Pair<F, S>& value) {
    return debug << "{" << Utility::Debug::nospace << value.first() << Utility::Debug::nospace << "," << value.second() << Utility::Debug::nospace << "}";
}

}}

#endif
