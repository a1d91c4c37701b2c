#ifndef Corrade_Utility_StlMath_h
#define Corrade_Utility_StlMath_h
/* <cmath> without the C++17 special functions, which libstdc++ pulls in
   together with <limits> and a lot more; include <cmath> before this
   header to get them */

#include "Corrade/configure.h"

/* libstdc++ decides with this macro, which configure.h has already defined
   through the standard library's configuration header */
#ifdef _GLIBCXX_USE_STD_SPEC_FUNCS
#undef _GLIBCXX_USE_STD_SPEC_FUNCS
#define _GLIBCXX_USE_STD_SPEC_FUNCS 0
#endif
#include <cmath>

#endif
