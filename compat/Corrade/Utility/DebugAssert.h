#ifndef Corrade_Utility_DebugAssert_h
#define Corrade_Utility_DebugAssert_h
/* Debug-only assertions for cheap checks in views and accessors, gone in
   release builds where they would cost more than the work they guard */

#include "Corrade/configure.h"

#if defined(CORRADE_NO_ASSERT) || (defined(NDEBUG) && !defined(CORRADE_IS_DEBUG_BUILD))
#define CORRADE_NO_DEBUG_ASSERT
#endif

#ifdef CORRADE_NO_DEBUG_ASSERT
#define CORRADE_DEBUG_ASSERT(condition, message, returnValue) do {} while(false)
#define CORRADE_CONSTEXPR_DEBUG_ASSERT(condition, message) static_cast<void>(0)
#define CORRADE_DEBUG_ASSERT_OUTPUT(call, message, returnValue) static_cast<void>(call)
#define CORRADE_DEBUG_ASSERT_UNREACHABLE(message, returnValue) __builtin_unreachable()
#define CORRADE_INTERNAL_DEBUG_ASSERT(condition) do {} while(false)
#define CORRADE_INTERNAL_CONSTEXPR_DEBUG_ASSERT(condition) static_cast<void>(0)
#define CORRADE_INTERNAL_DEBUG_ASSERT_OUTPUT(call) static_cast<void>(call)
#define CORRADE_INTERNAL_DEBUG_ASSERT_EXPRESSION
#define CORRADE_INTERNAL_DEBUG_ASSERT_UNREACHABLE() __builtin_unreachable()
#else
/* Only the enabled variants need the full assertion machinery */
#include "Corrade/Utility/Assert.h"

#define CORRADE_DEBUG_ASSERT(condition, message, returnValue) CORRADE_ASSERT(condition, message, returnValue)
#define CORRADE_CONSTEXPR_DEBUG_ASSERT(condition, message) CORRADE_CONSTEXPR_ASSERT(condition, message)
#define CORRADE_DEBUG_ASSERT_OUTPUT(call, message, returnValue) CORRADE_ASSERT_OUTPUT(call, message, returnValue)
#define CORRADE_DEBUG_ASSERT_UNREACHABLE(message, returnValue) CORRADE_ASSERT_UNREACHABLE(message, returnValue)
#define CORRADE_INTERNAL_DEBUG_ASSERT(condition) CORRADE_INTERNAL_ASSERT(condition)
#define CORRADE_INTERNAL_CONSTEXPR_DEBUG_ASSERT(condition) CORRADE_INTERNAL_CONSTEXPR_ASSERT(condition)
#define CORRADE_INTERNAL_DEBUG_ASSERT_OUTPUT(call) CORRADE_INTERNAL_ASSERT_OUTPUT(call)
#define CORRADE_INTERNAL_DEBUG_ASSERT_EXPRESSION CORRADE_INTERNAL_ASSERT_EXPRESSION
#define CORRADE_INTERNAL_DEBUG_ASSERT_UNREACHABLE() CORRADE_INTERNAL_ASSERT_UNREACHABLE()
#endif

#endif
