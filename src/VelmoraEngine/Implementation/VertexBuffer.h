#ifndef VelmoraEngine_Implementation_VertexBuffer_h
#define VelmoraEngine_Implementation_VertexBuffer_h
/* Growing a vertex buffer for new attribute blocks, shared by the attribute
   insertion and the layout packing. Internal, not installed. */

#include <cstdint>
#include <cstring>
#include <utility>
#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#endif
#include <Corrade/Containers/GrowableArray.h>
#include <Magnum/Trade/ArrayAllocator.h>

namespace VelmoraEngine { namespace Implementation {

/* For big buffers a page fault on each first write costs more than the work
   done on the page; one call maps a whole range in. A no-op for small
   ranges and where the kernel can't. */
inline void prefault(char* const data, const std::size_t size) {
    #if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    if(size < (std::size_t{1} << 20)) return;
    const std::uintptr_t page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1)/page*page;
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + size)/page*page;
    if(begin < end) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
    #else
    static_cast<void>(data);
    static_cast<void>(size);
    #endif
}

/* Appends added uninitialized bytes and returns them. Grown with the
   allocator whose deleter lives in Magnum's Trade library, so a buffer a
   caller or an importer made growable with it is grown in place across this
   library's boundary; any other is copied once into a new buffer of the
   final size, whose pages are mapped in before the copy. */
inline Corrade::Containers::ArrayView<char> growVertexBuffer(Corrade::Containers::Array<char>& buffer, const std::size_t added) {
    namespace Containers = Corrade::Containers;
    const std::size_t size = buffer.size();
    if(Containers::arrayIsGrowable<Magnum::Trade::ArrayAllocator>(buffer)) {
        Containers::arrayAppend<Magnum::Trade::ArrayAllocator>(buffer, Corrade::NoInit, added);
    } else {
        Containers::Array<char> grown;
        Containers::arrayReserve<Magnum::Trade::ArrayAllocator>(grown, size + added);
        Containers::arrayResize<Magnum::Trade::ArrayAllocator>(grown, Corrade::NoInit, size + added);
        prefault(grown.data(), size);
        if(size) std::memcpy(grown.data(), buffer.data(), size);
        buffer = std::move(grown);
    }
    prefault(buffer.data() + size, added);
    return buffer.exceptPrefix(size);
}

}}

#endif
