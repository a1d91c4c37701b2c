#ifndef Corrade_Utility_DebugAssert_h
#define Corrade_Utility_DebugAssert_h
/* Debug-only assertion macros */

#include "Corrade/Utility/Assert.h"

#endif
