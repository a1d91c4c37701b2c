#ifndef Magnum_Trade_Data_h
#define Magnum_Trade_Data_h
/* Ownership and mutability flags of imported data */

#include <Corrade/Containers/EnumSet.h>

#include "Magnum/Magnum.h"
#include "Magnum/Trade/Trade.h"

namespace Magnum { namespace Trade {

/** Data flag */
enum class DataFlag: UnsignedByte {
    Owned = 1 << 0,             /**< The instance owns the data */
    ExternallyOwned = 1 << 3,   /**< The data is owned by someone else and outlives the instance */
    Global = 1 << 4,            /**< The data is global, for example a literal */
    Mutable = 1 << 2            /**< The data can be modified */
};

/** Data flags */
typedef Corrade::Containers::EnumSet<DataFlag> DataFlags;
CORRADE_ENUMSET_OPERATORS(DataFlags)

/** Print a data flag */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, DataFlag value);
/** Print data flags */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, DataFlags value);

}}

#endif
