#include "Corrade/Utility/Algorithms.h"

#include <cstring>

#include "Corrade/Utility/DebugAssert.h"

namespace Corrade { namespace Utility {

void copy(const Containers::ArrayView<const void>& src, const Containers::ArrayView<void>& dst) {
    CORRADE_DEBUG_ASSERT(src.size() == dst.size(),
        "Utility::copy(): sizes" << src.size() << "and" << dst.size() << "don't match", );
    if(src.size()) std::memmove(dst.data(), src.data(), src.size());
}

namespace Implementation {

namespace {
    void copyDimension(const char* src, char* dst, const std::size_t* size, const std::ptrdiff_t* srcStride, const std::ptrdiff_t* dstStride, unsigned dimensions, std::size_t typeSize) {
        if(dimensions == 1) {
            const std::size_t count = size[0];
            const std::ptrdiff_t s = srcStride[0], d = dstStride[0];
            /* Typed loops for the common element sizes let the compiler avoid
               a memcpy call per element */
            switch(typeSize) {
                #define _c(T) case sizeof(T): \
                    for(std::size_t i = 0; i != count; ++i, src += s, dst += d) \
                        std::memcpy(dst, src, sizeof(T)); \
                    return;
                _c(char)
                _c(short)
                _c(int)
                _c(long long)
                #undef _c
                default:
                    for(std::size_t i = 0; i != count; ++i, src += s, dst += d)
                        std::memcpy(dst, src, typeSize);
                    return;
            }
        }
        for(std::size_t i = 0; i != size[0]; ++i, src += srcStride[0], dst += dstStride[0])
            copyDimension(src, dst, size + 1, srcStride + 1, dstStride + 1, dimensions - 1, typeSize);
    }
}

void copy(const char* src, char* dst, const std::size_t* size, const std::ptrdiff_t* srcStride, const std::ptrdiff_t* dstStride, unsigned dimensions, std::size_t typeSize) {
    for(unsigned i = 0; i != dimensions; ++i) if(!size[i]) return;

    /* Merge trailing dimensions that are contiguous in both views, so a
       packed image row or a whole packed image becomes one memcpy */
    std::size_t mergedSize[8];
    std::ptrdiff_t mergedSrc[8], mergedDst[8];
    unsigned count = dimensions;
    for(unsigned i = 0; i != dimensions; ++i) {
        mergedSize[i] = size[i];
        mergedSrc[i] = srcStride[i];
        mergedDst[i] = dstStride[i];
    }
    std::size_t elementSize = typeSize;
    while(count && mergedSrc[count - 1] == std::ptrdiff_t(elementSize) && mergedDst[count - 1] == std::ptrdiff_t(elementSize)) {
        elementSize *= mergedSize[count - 1];
        --count;
    }
    if(!count) {
        std::memcpy(dst, src, elementSize);
        return;
    }
    if(elementSize != typeSize) {
        /* The trailing contiguous block becomes one element of a new last
           dimension of size 1 */
        mergedSize[count] = 1;
        mergedSrc[count] = mergedDst[count] = std::ptrdiff_t(elementSize);
        ++count;
    }
    copyDimension(src, dst, mergedSize, mergedSrc, mergedDst, count, elementSize);
}

}

}}
