#ifndef Corrade_Utility_Utility_h
#define Corrade_Utility_Utility_h
/* Forward declarations for the Utility namespace */

#include <cstddef>

namespace Corrade { namespace Utility {

class Debug;
class Warning;
class Error;
class Resource;
template<std::size_t> class HashDigest;
class MurmurHash2;

}}

#endif
