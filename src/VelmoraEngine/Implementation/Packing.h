#ifndef VelmoraEngine_Implementation_Packing_h
#define VelmoraEngine_Implementation_Packing_h
/* Clamping before 16-bit normalized packing, shared by the casts and the
   layout packing. Internal, not installed. */

#include <Magnum/Magnum.h>

namespace VelmoraEngine { namespace Implementation {

/* Math::packInto() doesn't clamp, and a value out of range, an infinity or
   a NaN from a file would overflow the integer conversion. This limits a
   value to [min, 1], min being -1 for signed and 0 for unsigned targets;
   NaN fails both comparisons and lands on 0. */
inline Magnum::Float clampForPacking(const Magnum::Float value, const Magnum::Float min) {
    return value >= min ? (value <= 1.0f ? value : 1.0f) : (value < min ? min : 0.0f);
}

}}

#endif
