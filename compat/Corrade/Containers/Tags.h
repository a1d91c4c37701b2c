#ifndef Corrade_Containers_Tags_h
#define Corrade_Containers_Tags_h
/* Tags re-exported into the Containers namespace */

#include "Corrade/Tags.h"

namespace Corrade { namespace Containers {

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

/** Null optional tag type */
struct NullOptT { struct Init {}; constexpr explicit NullOptT(Init) {} };
/** Null optional tag */
constexpr NullOptT NullOpt{NullOptT::Init{}};

}}

#endif
