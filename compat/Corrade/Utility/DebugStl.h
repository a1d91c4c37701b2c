#ifndef Corrade_Utility_DebugStl_h
#define Corrade_Utility_DebugStl_h
/* Debug output of STL strings */

#include <string>

#include "Corrade/Utility/Debug.h"

namespace Corrade { namespace Utility {

/** Print a std::string */
Debug& operator<<(Debug& debug, const std::string& value);

}}

#endif
