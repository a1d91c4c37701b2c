#ifndef Corrade_Utility_Assert_h
#define Corrade_Utility_Assert_h
/* Assertion macros: a message on the error output, then abort */

#include <cstdlib>

#include "Corrade/configure.h"
#include "Corrade/Utility/Debug.h"
#include "Corrade/Utility/Macros.h"

#if defined(CORRADE_NO_ASSERT)
#define CORRADE_ASSERT(condition, message, returnValue) do {} while(false)
#define CORRADE_CONSTEXPR_ASSERT(condition, message) static_cast<void>(0)
#define CORRADE_ASSERT_OUTPUT(call, message, returnValue) static_cast<void>(call)
#define CORRADE_ASSERT_UNREACHABLE(message, returnValue) __builtin_unreachable()
#define CORRADE_INTERNAL_ASSERT(condition) do {} while(false)
#define CORRADE_INTERNAL_CONSTEXPR_ASSERT(condition) static_cast<void>(0)
#define CORRADE_INTERNAL_ASSERT_OUTPUT(call) static_cast<void>(call)
#define CORRADE_INTERNAL_ASSERT_EXPRESSION(...) (__VA_ARGS__)
#define CORRADE_INTERNAL_ASSERT_UNREACHABLE() __builtin_unreachable()
#else
#define CORRADE_ASSERT(condition, message, returnValue)                     \
    do {                                                                    \
        if(!(condition)) {                                                  \
            Corrade::Utility::Error{Corrade::Utility::Error::defaultOutput()} << message; \
            std::abort();                                                   \
            return returnValue;                                             \
        }                                                                   \
    } while(false)

#define CORRADE_CONSTEXPR_ASSERT(condition, message)                        \
    static_cast<void>((condition) ? 0 : ([&]() {                            \
        Corrade::Utility::Error{Corrade::Utility::Error::defaultOutput()} << message; \
        std::abort();                                                       \
    }(), 0))

#define CORRADE_ASSERT_OUTPUT(call, message, returnValue)                   \
    do {                                                                    \
        if(!(call)) {                                                       \
            Corrade::Utility::Error{Corrade::Utility::Error::defaultOutput()} << message; \
            std::abort();                                                   \
            return returnValue;                                             \
        }                                                                   \
    } while(false)

#define CORRADE_ASSERT_UNREACHABLE(message, returnValue)                    \
    do {                                                                    \
        Corrade::Utility::Error{Corrade::Utility::Error::defaultOutput()} << message; \
        std::abort();                                                       \
    } while(false)

#define CORRADE_INTERNAL_ASSERT(condition)                                  \
    do {                                                                    \
        if(!(condition)) {                                                  \
            Corrade::Utility::Error{Corrade::Utility::Error::defaultOutput()} << "Assertion " #condition " failed at " __FILE__ ":" CORRADE_LINE_STRING; \
            std::abort();                                                   \
        }                                                                   \
    } while(false)

#define CORRADE_INTERNAL_CONSTEXPR_ASSERT(condition)                        \
    static_cast<void>((condition) ? 0 : ([&]() {                            \
        Corrade::Utility::Error{Corrade::Utility::Error::defaultOutput()} << "Assertion " #condition " failed at " __FILE__ ":" CORRADE_LINE_STRING; \
        std::abort();                                                       \
    }(), 0))

#define CORRADE_INTERNAL_ASSERT_OUTPUT(call)                                \
    do {                                                                    \
        if(!(call)) {                                                       \
            Corrade::Utility::Error{Corrade::Utility::Error::defaultOutput()} << "Assertion " #call " failed at " __FILE__ ":" CORRADE_LINE_STRING; \
            std::abort();                                                   \
        }                                                                   \
    } while(false)

#define CORRADE_INTERNAL_ASSERT_EXPRESSION(...)                             \
    Corrade::Utility::Implementation::assertExpression(__VA_ARGS__, "Assertion " #__VA_ARGS__ " failed at " __FILE__ ":" CORRADE_LINE_STRING)

#define CORRADE_INTERNAL_ASSERT_UNREACHABLE()                               \
    do {                                                                    \
        Corrade::Utility::Error{Corrade::Utility::Error::defaultOutput()} << "Reached unreachable code at " __FILE__ ":" CORRADE_LINE_STRING; \
        std::abort();                                                       \
    } while(false)

namespace Corrade { namespace Utility { namespace Implementation {
    template<class T> T&& assertExpression(T&& value, const char* message) {
        if(!value) {
            Error{Error::defaultOutput()} << message;
            std::abort();
        }
        return static_cast<T&&>(value);
    }
}}}
#endif

#endif
