#ifndef Corrade_Corrade_h
#define Corrade_Corrade_h
/* Root namespace of the compatibility subset of Corrade */

#include "Corrade/configure.h"

namespace Corrade {}

#endif
