#ifndef Corrade_Containers_EnumSet_hpp
#define Corrade_Containers_EnumSet_hpp
/* Debug output of enum sets */

#include <initializer_list>

#include "Corrade/Containers/EnumSet.h"
#include "Corrade/Utility/Debug.h"

namespace Corrade { namespace Containers {

/** Print an enum set as known values joined with |, the unknown rest last */
template<class T, typename std::underlying_type<T>::type fullValue> Utility::Debug& enumSetDebugOutput(Utility::Debug& debug, EnumSet<T, fullValue> value, const char* empty, std::initializer_list<T> enums) {
    if(!value) return debug << empty;

    bool separate = false;
    for(const T e: enums) {
        /* A zero-valued enum is only printed for an empty set, above */
        if(!typename std::underlying_type<T>::type(e) || !(value >= e)) continue;
        if(separate) debug << Utility::Debug::nospace << "|" << Utility::Debug::nospace;
        debug << e;
        separate = true;
        value &= ~EnumSet<T, fullValue>{e};
    }

    if(value) {
        if(separate) debug << Utility::Debug::nospace << "|" << Utility::Debug::nospace;
        debug << T(typename std::underlying_type<T>::type(value));
    }

    return debug;
}

}}

#endif
