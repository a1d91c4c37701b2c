#include "VelmoraEngine/Utils/MemoryPartition.h"

#include <cstring>
#include <utility>

#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>

namespace VelmoraEngine {

namespace Containers = Corrade::Containers;

MemoryPartition::MemoryPartition() noexcept: _usedRegionCount{}, _end{} {}

MemoryPartition::MemoryPartition(const MemoryPartition& other): _usedRegionCount{other._usedRegionCount}, _end{other._end} {
    if(!other._regions.isEmpty()) {
        Containers::arrayResize<Containers::ArrayMallocAllocator>(_regions, Corrade::NoInit, other._regions.size());
        std::memcpy(_regions.data(), other._regions.data(), other._regions.size()*sizeof(Region));
    }
}

MemoryPartition::MemoryPartition(MemoryPartition&& other) noexcept: _regions{std::move(other._regions)}, _usedRegionCount{other._usedRegionCount}, _end{other._end} {}

MemoryPartition& MemoryPartition::operator=(const MemoryPartition& other) {
    if(this != &other) {
        MemoryPartition copy{other};
        *this = std::move(copy);
    }
    return *this;
}

MemoryPartition& MemoryPartition::operator=(MemoryPartition&& other) noexcept {
    std::swap(_regions, other._regions);
    _usedRegionCount = other._usedRegionCount;
    _end = other._end;
    return *this;
}

MemoryPartition& MemoryPartition::reserveRegions(const std::size_t count) {
    /* Appending grows the capacity geometrically, so reserving per append
       stays amortized O(1) */
    const Containers::ArrayView<Region> added = Containers::arrayAppend<Containers::ArrayMallocAllocator>(_regions, Corrade::NoInit, count);
    if(!added.isEmpty()) std::memset(added.data(), 0, added.size()*sizeof(Region));
    return *this;
}

MemoryPartition& MemoryPartition::addRegion(const std::size_t size) {
    CORRADE_ASSERT(_usedRegionCount < _regions.size(),
        "MemoryPartition::addRegion(): exceeded initialized region count", *this);
    _regions[_usedRegionCount] = Region{_end, size};
    ++_usedRegionCount;
    _end += size;
    return *this;
}

MemoryPartition& MemoryPartition::removeRegions(const std::size_t first, const std::size_t count) {
    if(!count) return *this;
    CORRADE_ASSERT(first + count <= _usedRegionCount,
        "MemoryPartition::removeRegions(): Can't remove more regions than size", *this);

    const std::size_t removed = regionEnd(first + count - 1) - region(first).offset;
    const std::size_t newUsedCount = std::size_t(_usedRegionCount) - count;
    if(first + count < _regions.size()) {
        std::memmove(_regions.data() + first, _regions.data() + first + count, (_regions.size() - first - count)*sizeof(Region));
        for(std::size_t i = first; i < newUsedCount; ++i)
            _regions[i].offset -= removed;
    }

    _usedRegionCount = newUsedCount;
    _end = newUsedCount ? regionEnd(newUsedCount - 1) : 0;
    return *this;
}

MemoryPartition::Region MemoryPartition::region(const std::size_t index) const {
    CORRADE_INTERNAL_ASSERT(index < _regions.size());
    return _regions[index];
}

std::size_t MemoryPartition::regionSize(const std::size_t index) const {
    CORRADE_INTERNAL_ASSERT(index < _regions.size());
    return std::size_t(_regions[index].size);
}

std::size_t MemoryPartition::regionEnd(const std::size_t index) const {
    CORRADE_INTERNAL_ASSERT(index < _regions.size());
    return std::size_t(_regions[index].offset + _regions[index].size);
}

void removeRegionData(const MemoryPartition& partition, const Containers::ArrayView<char> data, const Magnum::UnsignedInt first, const Magnum::UnsignedInt count) {
    if(!count) return;
    CORRADE_INTERNAL_ASSERT(first + count <= partition.usedRegionCount());

    const std::size_t start = std::size_t(partition.region(first).offset);
    const std::size_t end = partition.regionEnd(first + count - 1);
    /* The slices abort on ranges past the data */
    const std::size_t tail = data.exceptPrefix(end).size();
    if(tail) std::memmove(data.data() + start, data.data() + end, tail);
    const Containers::ArrayView<char> freed = data.exceptPrefix(start + tail);
    if(!freed.isEmpty()) std::memset(freed.data(), 0, freed.size());
}

}
