#include "VelmoraEngine/Tools/RectPacking.h"

#include <algorithm>
#include <utility>

#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Utility/Assert.h>

namespace VelmoraEngine {

namespace Containers = Corrade::Containers;
using Magnum::Int;
using Magnum::Long;
using Magnum::UnsignedLong;
using Magnum::UnsignedShort;
using Magnum::Vector2i;
typedef Magnum::Math::Vector2<UnsignedShort> Vector2us;
typedef Magnum::Math::Range2D<UnsignedShort> Range2Dus;

namespace {

/* Always 64-bit: a 16-bit width times a height is promoted to signed int and
   overflows there, and merges compare sums of such areas */
inline UnsignedLong area(const Vector2us& min, const Vector2us& max) {
    return UnsignedLong(max.x() - min.x())*UnsignedLong(max.y() - min.y());
}

inline UnsignedLong area(const Range2Dus& range) {
    return area(range.min(), range.max());
}

Vector2us checkedSize(const Vector2i& size) {
    CORRADE_ASSERT(size.x() > 0 && size.x() < 65535 && size.y() > 0 && size.y() < 65535,
        "RectPacking::RectPacking(): Invalid size for unsigned short dimensions.", {});
    return Vector2us{size};
}

}

RectPacking::RectPacking() noexcept = default;

RectPacking::RectPacking(const Vector2i& size): RectPacking{checkedSize(size)} {}

RectPacking::RectPacking(const Vector2us& size): _size{size} {
    Containers::arrayAppend(_spaces, Range2Dus{Vector2us{}, size});
}

RectPacking::RectPacking(RectPacking&& other) noexcept: _spaces{std::move(other._spaces)}, _size{other._size} {
    /* The source behaves as default-constructed, not as a full area */
    other._size = {};
}

RectPacking::~RectPacking() = default;

RectPacking& RectPacking::operator=(RectPacking&& other) noexcept {
    /* The size goes with the list, otherwise occupancy() of either side
       relates its spaces to the other's area */
    std::swap(_spaces, other._spaces);
    std::swap(_size, other._size);
    return *this;
}

void RectPacking::removeSpace(const std::size_t i) {
    Containers::arrayRemoveUnordered(_spaces, i);
}

Containers::Optional<Range2Dus> RectPacking::insert(const Vector2us& size) {
    const Int w = size.x();
    const Int h = size.y();
    const Range2Dus* const spaces = _spaces.data();
    const std::size_t count = _spaces.size();

    /* An exact fit anywhere wins; otherwise remember the first space that
       matches in one dimension, as cutting it leaves a single piece */
    std::size_t candidate = count;
    for(std::size_t i = 0; i != count; ++i) {
        const Vector2us min = spaces[i].min();
        const Vector2us max = spaces[i].max();
        const Int spaceW = max.x() - min.x();
        const Int spaceH = max.y() - min.y();
        if(spaceW == w && spaceH == h) {
            const Range2Dus result = spaces[i];
            removeSpace(i);
            return result;
        }
        if(candidate == count && ((spaceH == h && spaceW >= w) || (spaceW == w && spaceH >= h)))
            candidate = i;
    }

    /* Else the last space that holds it: right after a two-piece cut that is
       the smaller leftover, which keeps the large spaces whole for longer */
    if(candidate == count) {
        for(std::size_t i = count; i != 0; --i) {
            const Vector2us min = spaces[i - 1].min();
            const Vector2us max = spaces[i - 1].max();
            if(max.x() - min.x() >= w && max.y() - min.y() >= h) {
                candidate = i - 1;
                break;
            }
        }
        if(candidate == count) return {};
    }

    const Vector2us min = spaces[candidate].min();
    const Vector2us max = spaces[candidate].max();
    CORRADE_INTERNAL_ASSERT(max.x() - min.x() >= w && max.y() - min.y() >= h);
    const Vector2us end{UnsignedShort(min.x() + w), UnsignedShort(min.y() + h)};
    removeSpace(candidate);

    /* The full-height strip beside the result, and the strip below it only as
       wide as the result */
    const Range2Dus right{{end.x(), min.y()}, max};
    const Range2Dus below{{min.x(), end.y()}, {end.x(), max.y()}};
    const bool restX = max.x() > end.x();
    const bool restY = max.y() > end.y();
    if(restX && restY) {
        /* Larger first, so the backward walk tries the smaller one first */
        if(area(below) > area(right))
            Containers::arrayAppend(_spaces, {below, right});
        else
            Containers::arrayAppend(_spaces, {right, below});
    } else if(restX) {
        Containers::arrayAppend(_spaces, right);
    } else if(restY) {
        Containers::arrayAppend(_spaces, below);
    }

    return Range2Dus{min, end};
}

void RectPacking::remove(const Range2Dus& range) {
    CORRADE_ASSERT(range.min().x() < range.max().x() && range.min().y() < range.max().y(),
        "RectPacking::remove(): Invalid range", );

    Vector2us min = range.min();
    Vector2us max = range.max();
    UnsignedLong rangeArea = area(min, max);

    /* A space merges when the two fill their bounding range exactly, which
       for disjoint rectangles means they share a whole edge. The grown range
       may now complete a space that was passed already, so start over. */
    const Range2Dus* spaces = _spaces.data();
    std::size_t count = _spaces.size();
    for(std::size_t i = 0; i != count; ) {
        const Vector2us spaceMin = spaces[i].min();
        const Vector2us spaceMax = spaces[i].max();
        const Vector2us joinedMin{std::min(min.x(), spaceMin.x()), std::min(min.y(), spaceMin.y())};
        const Vector2us joinedMax{std::max(max.x(), spaceMax.x()), std::max(max.y(), spaceMax.y())};
        const UnsignedLong joinedArea = area(joinedMin, joinedMax);
        if(joinedArea != rangeArea + area(spaceMin, spaceMax)) {
            ++i;
            continue;
        }

        min = joinedMin;
        max = joinedMax;
        rangeArea = joinedArea;
        removeSpace(i);
        spaces = _spaces.data();
        count = _spaces.size();
        i = 0;
    }

    Containers::arrayAppend(_spaces, Range2Dus{min, max});
}

float RectPacking::occupancy() const {
    const UnsignedLong wholeArea = UnsignedLong(_size.x())*UnsignedLong(_size.y());
    /* Nothing fits into a packing without area, so it counts as full */
    if(!wholeArea) return 1.0f;

    UnsignedLong freeArea = 0;
    for(const Range2Dus& space: _spaces) freeArea += area(space);
    /* The used area is exact, so a single texel of 65534 x 65534 still
       shows; signed in case a caller gave back a range twice */
    return float(double(Long(wholeArea) - Long(freeArea))/double(wholeArea));
}

}
