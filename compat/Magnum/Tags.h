#ifndef Magnum_Tags_h
#define Magnum_Tags_h
/* Tags re-exported into the Magnum namespace */

#include "Corrade/Tags.h"

namespace Magnum {

using Corrade::DefaultInitT;
using Corrade::ValueInitT;
using Corrade::NoInitT;
using Corrade::NoCreateT;
using Corrade::DirectInitT;
using Corrade::InPlaceInitT;
using Corrade::DefaultInit;
using Corrade::ValueInit;
using Corrade::NoInit;
using Corrade::NoCreate;
using Corrade::DirectInit;
using Corrade::InPlaceInit;

/** No-allocation tag type */
struct NoAllocateT { struct Init {}; constexpr explicit NoAllocateT(Init) {} };
/** No-allocation tag */
constexpr NoAllocateT NoAllocate{NoAllocateT::Init{}};

}

#endif
