#ifndef Magnum_Math_Tags_h
#define Magnum_Math_Tags_h
/* Zero and identity initialization tags for math types */

#include "Magnum/Tags.h"

namespace Magnum { namespace Math {

/** Zero initialization tag type */
struct ZeroInitT { struct Init {}; constexpr explicit ZeroInitT(Init) {} };
/** Identity initialization tag type */
struct IdentityInitT { struct Init {}; constexpr explicit IdentityInitT(Init) {} };

/** Zero initialization tag */
constexpr ZeroInitT ZeroInit{ZeroInitT::Init{}};
/** Identity initialization tag */
constexpr IdentityInitT IdentityInit{IdentityInitT::Init{}};

}}

#endif
