#ifndef Magnum_Math_Constants_h
#define Magnum_Math_Constants_h
/* Numeric constants */

#include "Corrade/Utility/StlMath.h"

#include "Magnum/Types.h"

namespace Magnum { namespace Math {

/** Numeric constants, specialized for Float and Double */
template<class T> struct Constants;

template<> struct Constants<Double> {
    Constants() = delete;

    static constexpr Double pi()        { return 3.1415926535897932; }
    static constexpr Double piHalf()    { return 1.5707963267948966; }
    static constexpr Double piQuarter() { return 0.7853981633974483; }
    static constexpr Double tau()       { return 6.2831853071795864; }
    static constexpr Double e()         { return 2.7182818284590452; }
    static constexpr Double sqrt2()     { return 1.4142135623730950; }
    static constexpr Double sqrt3()     { return 1.7320508075688773; }
    static constexpr Double sqrtHalf()  { return 0.7071067811865475; }
    static constexpr Double nan()       { return Double(NAN); }
    static constexpr Double inf()       { return HUGE_VAL; }
};

template<> struct Constants<Float> {
    Constants() = delete;

    static constexpr Float pi()         { return 3.141592654f; }
    static constexpr Float piHalf()     { return 1.570796327f; }
    static constexpr Float piQuarter()  { return 0.785398163f; }
    static constexpr Float tau()        { return 6.283185307f; }
    static constexpr Float e()          { return 2.718281828f; }
    static constexpr Float sqrt2()      { return 1.414213562f; }
    static constexpr Float sqrt3()      { return 1.732050808f; }
    static constexpr Float sqrtHalf()   { return 0.707106781f; }
    static constexpr Float nan()        { return NAN; }
    static constexpr Float inf()        { return HUGE_VALF; }
};

}}

#endif
