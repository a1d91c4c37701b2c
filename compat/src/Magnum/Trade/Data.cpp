#include "Magnum/Trade/Data.h"

#include <Corrade/Containers/EnumSet.hpp>

namespace Magnum { namespace Trade {

using Corrade::Utility::Debug;

Debug& operator<<(Debug& debug, const DataFlag value) {
    debug << "Trade::DataFlag" << Debug::nospace;
    switch(value) {
        #define _c(value) case DataFlag::value: return debug << "::" #value;
        _c(Owned)
        _c(ExternallyOwned)
        _c(Global)
        _c(Mutable)
        #undef _c
    }
    return debug << "(" << Debug::nospace << reinterpret_cast<void*>(UnsignedByte(value)) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const DataFlags value) {
    return Corrade::Containers::enumSetDebugOutput(debug, value, "Trade::DataFlags{}", {
        DataFlag::Owned,
        DataFlag::ExternallyOwned,
        DataFlag::Global,
        DataFlag::Mutable});
}

}}
