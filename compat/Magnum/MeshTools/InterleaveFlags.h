#ifndef Magnum_MeshTools_InterleaveFlags_h
#define Magnum_MeshTools_InterleaveFlags_h
/* Flags controlling how mesh data get interleaved */

#include "Corrade/Containers/EnumSet.h"
#include "Magnum/Magnum.h"

namespace Magnum { namespace MeshTools {

/** @brief Interleaving behavior flag */
enum class InterleaveFlag: UnsignedInt {
    /** Keep the layout, padding and stride of an already interleaved mesh */
    PreserveInterleavedAttributes = 1 << 0,
    /** Pass a strided or implementation-specific index buffer through unchanged in interleave() */
    PreserveStridedIndices = 1 << 1
};

/** @brief Interleaving behavior flags */
typedef Containers::EnumSet<InterleaveFlag> InterleaveFlags;

CORRADE_ENUMSET_OPERATORS(InterleaveFlags)

}}

#endif
