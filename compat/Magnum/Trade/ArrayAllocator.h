#ifndef Magnum_Trade_ArrayAllocator_h
#define Magnum_Trade_ArrayAllocator_h
/* Growable allocator whose char deleter lives in the Trade library */

#include <Corrade/Containers/GrowableArray.h>

#include "Magnum/Magnum.h"

namespace Magnum { namespace Trade {

/**
 * Same as Containers::ArrayMallocAllocator, except that for char the deleter
 * is defined once in the Trade library. Every library that grows such an
 * array then sees the same deleter and grows it in place.
 */
template<class T> struct ArrayAllocator: Containers::ArrayMallocAllocator<T> {};

template<> struct ArrayAllocator<char>: Containers::ArrayMallocAllocator<char> {
    static void deleter(char* data, std::size_t size);
};

}}

#endif
