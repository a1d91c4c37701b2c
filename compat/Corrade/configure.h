#ifndef Corrade_configure_h
#define Corrade_configure_h

/* Brings in the standard library's own configuration macros, which
   StlMath.h relies on */
#if __cplusplus >= 201703L && defined(__has_include)
#if __has_include(<version>)
#include <version>
#else
#include <ciso646>
#endif
#else
#include <ciso646>
#endif

#if defined(__unix__) || defined(__APPLE__)
#define CORRADE_TARGET_UNIX
#endif
#if defined(__x86_64__) || defined(_M_X64) || defined(__i386__)
#define CORRADE_TARGET_X86
#endif
#if defined(__GNUC__) && !defined(__clang__)
#define CORRADE_TARGET_GCC
#endif
#ifdef __clang__
#define CORRADE_TARGET_CLANG
#endif
#ifndef NDEBUG
#define CORRADE_IS_DEBUG_BUILD
#endif
#define CORRADE_BUILD_MULTITHREADED

#endif
