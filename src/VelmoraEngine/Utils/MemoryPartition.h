#ifndef VelmoraEngine_Utils_MemoryPartition_h
#define VelmoraEngine_Utils_MemoryPartition_h
/* Bookkeeping of contiguous byte regions over one linear range */

#include <cstddef>

#include <Corrade/Containers/Array.h>
#include <Magnum/Types.h>

namespace VelmoraEngine {

/**
 * Ordered list of regions tiling [0, end) without gaps, one per stored item.
 * Owns no payload bytes. Internal to the library.
 */
class MemoryPartition {
    public:
        /** One region of the range */
        struct Region {
            Magnum::UnsignedLong offset; /**< First byte of the region */
            Magnum::UnsignedLong size;   /**< Length in bytes */
        };

        /** No slots, no regions */
        explicit MemoryPartition() noexcept;

        /** Copies all slots, used or spare */
        MemoryPartition(const MemoryPartition& other);
        MemoryPartition(MemoryPartition&& other) noexcept;
        MemoryPartition& operator=(const MemoryPartition& other);
        MemoryPartition& operator=(MemoryPartition&& other) noexcept;

        /** Appends @p count zeroed spare slots, one is needed per addRegion() */
        MemoryPartition& reserveRegions(std::size_t count);

        /** Adds a region of @p size bytes at the end, taking a spare slot. Expects that one is left. */
        MemoryPartition& addRegion(std::size_t size);

        /** Removes used regions [first, first + count), the following ones close the gap. Expects that they are in use. */
        MemoryPartition& removeRegions(std::size_t first, std::size_t count);

        /** Number of regions in use */
        std::size_t usedRegionCount() const { return std::size_t(_usedRegionCount); }

        /** Number of slots, used and spare */
        std::size_t regionSlotCount() const { return _regions.size(); }

        /** Byte end of the last region in use, 0 if none */
        std::size_t end() const { return std::size_t(_end); }

        /** Region in slot @p index */
        Region region(std::size_t index) const;

        /** Size of the region in slot @p index */
        std::size_t regionSize(std::size_t index) const;

        /** Offset plus size of the region in slot @p index */
        std::size_t regionEnd(std::size_t index) const;

    private:
        Corrade::Containers::Array<Region> _regions;
        Magnum::UnsignedLong _usedRegionCount;
        Magnum::UnsignedLong _end;
};

/**
 * Cuts the bytes of regions [first, first + count) of @p partition out of
 * @p data, moving the following bytes down and zeroing the freed tail. The
 * partition itself is left for the caller to update with removeRegions().
 */
void removeRegionData(const MemoryPartition& partition, Corrade::Containers::ArrayView<char> data, Magnum::UnsignedInt first, Magnum::UnsignedInt count);

}

#endif
