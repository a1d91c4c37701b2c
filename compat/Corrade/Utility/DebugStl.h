#ifndef Corrade_Utility_DebugStl_h
#define Corrade_Utility_DebugStl_h
/* Debug output of STL strings */

#include <string>
#include <utility>

#include "Corrade/Utility/Debug.h"

namespace Corrade { namespace Utility {

/** Print a std::string */
Debug& operator<<(Debug& debug, const std::string& value);

/** Print a std::pair as (a, b) */
template<class T, class U> Debug& operator<<(Debug& debug, const std::pair<T, U>& value) {
    return debug << "(" << Debug::nospace << value.first << Debug::nospace << "," << value.second << Debug::nospace << ")";
}

}}

#endif
