#ifndef Magnum_printEnum_h
#define Magnum_printEnum_h
/* Debug output shared by the generic enums: full or packed name,
   implementation-specific and unknown values. Private to the library. */

#include "Corrade/Utility/Debug.h"
#include "Magnum/Types.h"

namespace Magnum { namespace Implementation {

/* names[i] is the name of value i + 1 */
inline Corrade::Utility::Debug& printEnum(Corrade::Utility::Debug& debug, const char* const enumName, const UnsignedInt value, const char* const* const names, const UnsignedInt nameCount) {
    using Corrade::Utility::Debug;
    const bool packed = debug.immediateFlags() >= Debug::Flag::Packed;
    if(!packed) debug << enumName << Debug::nospace;

    if(value & (1u << 31))
        return debug << (packed ? "ImplementationSpecific(" : "::ImplementationSpecific(") << Debug::nospace << Debug::hex << (value & ~(1u << 31)) << Debug::nospace << ")";

    if(value - 1 < nameCount) {
        if(!packed) debug << "::" << Debug::nospace;
        return debug << names[value - 1];
    }

    if(packed) return debug << Debug::hex << value;
    return debug << "(" << Debug::nospace << Debug::hex << value << Debug::nospace << ")";
}

}}

#endif
