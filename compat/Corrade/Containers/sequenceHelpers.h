#ifndef Corrade_Containers_sequenceHelpers_h
#define Corrade_Containers_sequenceHelpers_h
/* Compile-time index sequences, so headers don't need <utility> for
   std::index_sequence */

#include "Corrade/configure.h"

namespace Corrade { namespace Containers { namespace Implementation {

template<std::size_t ...> struct Sequence {};

/* Joins two halves, shifting the second by the size of the first; halving
   keeps the template recursion depth logarithmic */
template<class, class> struct SequenceJoin;
template<std::size_t ...first, std::size_t ...second> struct SequenceJoin<Sequence<first...>, Sequence<second...>> {
    typedef Sequence<first..., sizeof...(first) + second...> Type;
};

/** @p Type is Sequence<0, 1, ..., N - 1> */
template<std::size_t N> struct GenerateSequence {
    typedef typename SequenceJoin<typename GenerateSequence<N/2>::Type, typename GenerateSequence<N - N/2>::Type>::Type Type;
};
template<> struct GenerateSequence<1> { typedef Sequence<0> Type; };
template<> struct GenerateSequence<0> { typedef Sequence<> Type; };

}}}

#endif
