#ifndef Corrade_Utility_Macros_h
#define Corrade_Utility_Macros_h
/* Portability macros */

#define CORRADE_DEPRECATED(message) [[deprecated(message)]]
#define CORRADE_UNUSED [[maybe_unused]]
#define CORRADE_FALLTHROUGH [[fallthrough]];
#define CORRADE_ALWAYS_INLINE __attribute__((always_inline)) inline
#define CORRADE_NEVER_INLINE __attribute__((noinline))
#define CORRADE_LIKELY(...) (__builtin_expect((__VA_ARGS__), 1))
#define CORRADE_UNLIKELY(...) (__builtin_expect((__VA_ARGS__), 0))
#define CORRADE_PASSTHROUGH(...) __VA_ARGS__
#define CORRADE_NOOP(...)
#define CORRADE_LINE_STRING_IMPLEMENTATION(...) #__VA_ARGS__
#define CORRADE_LINE_STRING_EXPAND(...) CORRADE_LINE_STRING_IMPLEMENTATION(__VA_ARGS__)
#define CORRADE_LINE_STRING CORRADE_LINE_STRING_EXPAND(__LINE__)

/* Runs a function at load time */
#define CORRADE_AUTOMATIC_INITIALIZER(function)                             \
    namespace { struct Initializer_##function { Initializer_##function() { function(); } } Initializer_##function##Instance; }
#define CORRADE_AUTOMATIC_FINALIZER(function)                               \
    namespace { struct Finalizer_##function { ~Finalizer_##function() { function(); } } Finalizer_##function##Instance; }

#endif
