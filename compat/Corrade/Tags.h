#ifndef Corrade_Tags_h
#define Corrade_Tags_h
/* Tag types selecting construction behaviour */

namespace Corrade {

/** Default-initialization tag type */
struct DefaultInitT { struct Init {}; constexpr explicit DefaultInitT(Init) {} };
/** Value-initialization tag type */
struct ValueInitT { struct Init {}; constexpr explicit ValueInitT(Init) {} };
/** No-initialization tag type */
struct NoInitT { struct Init {}; constexpr explicit NoInitT(Init) {} };
/** No-creation tag type */
struct NoCreateT { struct Init {}; constexpr explicit NoCreateT(Init) {} };
/** Direct-initialization tag type */
struct DirectInitT { struct Init {}; constexpr explicit DirectInitT(Init) {} };
/** In-place-initialization tag type */
struct InPlaceInitT { struct Init {}; constexpr explicit InPlaceInitT(Init) {} };

/** Default-initialization tag */
constexpr DefaultInitT DefaultInit{DefaultInitT::Init{}};
/** Value-initialization tag */
constexpr ValueInitT ValueInit{ValueInitT::Init{}};
/** No-initialization tag */
constexpr NoInitT NoInit{NoInitT::Init{}};
/** No-creation tag */
constexpr NoCreateT NoCreate{NoCreateT::Init{}};
/** Direct-initialization tag */
constexpr DirectInitT DirectInit{DirectInitT::Init{}};
/** In-place-initialization tag */
constexpr InPlaceInitT InPlaceInit{InPlaceInitT::Init{}};

}

#endif
