#include "Magnum/Trade/ArrayAllocator.h"

namespace Magnum { namespace Trade {

void ArrayAllocator<char>::deleter(char* const data, std::size_t) {
    deallocate(data);
}

}}
