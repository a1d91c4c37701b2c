#ifndef VelmoraEngine_Tools_RectPacking_h
#define VelmoraEngine_Tools_RectPacking_h
/* Guillotine packing of rectangles into a fixed 16-bit area */

#include <cstddef>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Optional.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector2.h>

#include "VelmoraEngine/visibility.h"

namespace VelmoraEngine {

/**
 * Places rectangles into a fixed area and takes them back, keeping only the
 * list of free spaces. Placement cuts the request out of one space, removal
 * merges the range with spaces it completes to a rectangle. Nothing records
 * what is placed: the caller keeps the ranges from insert() for remove().
 * Movable, not copyable.
 */
class VELMORAENGINE_TOOLS_EXPORT RectPacking {
    public:
        /** No area and no space: every insert() fails. Only a target for move assignment. */
        explicit RectPacking() noexcept;

        /** One free space over the whole area. Expects that both components of @p size are in [1, 65534]. */
        explicit RectPacking(const Magnum::Vector2i& size);

        /** Copying is not allowed */
        RectPacking(const RectPacking&) = delete;

        /** Takes over the spaces and the size, @p other is left without area */
        RectPacking(RectPacking&& other) noexcept;

        /** Frees the spaces */
        ~RectPacking();

        /** Copying is not allowed */
        RectPacking& operator=(const RectPacking&) = delete;

        /** Swaps the spaces and the size with @p other */
        RectPacking& operator=(RectPacking&& other) noexcept;

        /** Places a rectangle of @p size in one free space and returns its range (empty for a zero component), or an empty optional with nothing changed when no space holds it. No preconditions. */
        Corrade::Containers::Optional<Magnum::Math::Range2D<Magnum::UnsignedShort>> insert(const Magnum::Math::Vector2<Magnum::UnsignedShort>& size);

        /** Gives back @p range. Expects that it is non-empty in both dimensions and was returned by insert() and not removed since (only the former is checked). */
        void remove(const Magnum::Math::Range2D<Magnum::UnsignedShort>& range);

        /** Used fraction of the area: 0 when all is free, 1 when no space is left. A packing without area (default-constructed or moved-from) reports 1, as nothing fits in it. */
        float occupancy() const;

        /** The free spaces, in the order that decides later placements */
        Corrade::Containers::ArrayView<const Magnum::Math::Range2D<Magnum::UnsignedShort>> spaces() const { return _spaces; }

    private:
        explicit RectPacking(const Magnum::Math::Vector2<Magnum::UnsignedShort>& size);

        /* Moves the last space into slot i, so removal never shifts the list */
        void removeSpace(std::size_t i);

        Corrade::Containers::Array<Magnum::Math::Range2D<Magnum::UnsignedShort>> _spaces;
        Magnum::Vector2i _size;
};

}

#endif
