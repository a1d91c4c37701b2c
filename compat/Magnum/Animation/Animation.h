#ifndef Magnum_Animation_Animation_h
#define Magnum_Animation_Animation_h
/* Forward declarations for the Animation namespace */

#include "Magnum/Types.h"

namespace Magnum { namespace Animation {

enum class Interpolation: UnsignedByte;
enum class Extrapolation: UnsignedByte;

namespace Implementation {
    template<class> struct ResultTraits;
}

/** Animation result type for a value type */
template<class V> using ResultOf = typename Implementation::ResultTraits<V>::Type;

template<class K> class TrackViewStorage;
template<class K, class V, class R = ResultOf<V>> class TrackView;

}}

#endif
