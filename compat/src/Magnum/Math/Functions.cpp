#include "Magnum/Math/Functions.h"

namespace Magnum { namespace Math {

UnsignedInt log(UnsignedInt base, UnsignedInt number) {
    UnsignedInt out = 0;
    for(number /= base; number; number /= base) ++out;
    return out;
}

UnsignedInt log2(UnsignedInt number) {
    UnsignedInt out = 0;
    for(number >>= 1; number; number >>= 1) ++out;
    return out;
}

}}
