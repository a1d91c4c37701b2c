#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <ostream>
#include <random>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>
#include <Corrade/Containers/ArrayView.h>
#include <Corrade/Containers/Optional.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector2.h>

#include "VelmoraEngine/Tools/RectPacking.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using namespace Magnum;

typedef Math::Range2D<UnsignedShort> Range2Dus;

/* A range as (x0, y0, x1, y1), so that lists compare and print readably */
typedef std::array<Int, 4> Box;

Box box(const Range2Dus& range) {
    return {range.min().x(), range.min().y(), range.max().x(), range.max().y()};
}

std::vector<Box> boxes(const Containers::ArrayView<const Range2Dus> ranges) {
    std::vector<Box> out;
    for(const Range2Dus& range: ranges) out.push_back(box(range));
    return out;
}

Range2Dus range(const Int x0, const Int y0, const Int x1, const Int y1) {
    return {Vector2us{UnsignedShort(x0), UnsignedShort(y0)}, Vector2us{UnsignedShort(x1), UnsignedShort(y1)}};
}

/* Place and expect success, for setting up a state */
Range2Dus place(RectPacking& packing, const Int w, const Int h) {
    const Containers::Optional<Range2Dus> placed = packing.insert(Vector2us{UnsignedShort(w), UnsignedShort(h)});
    EXPECT_TRUE(placed) << w << "x" << h;
    return placed ? *placed : Range2Dus{};
}

template<class T> std::string caseName(const testing::TestParamInfo<T>& info) {
    return info.param.name;
}

/* Construction */

TEST(RectPacking, FreshPackingIsOneSpaceOverTheWholeArea) {
    const RectPacking packing{Vector2i{100, 50}};
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{0, 0, 100, 50}}));
    EXPECT_EQ(packing.occupancy(), 0.0f);
}

struct ValidSizeCase {
    const char* name;
    Vector2i size;
};

void PrintTo(const ValidSizeCase& data, std::ostream* out) { *out << data.name; }

const ValidSizeCase ValidSizeCases[]{
    {"Smallest", {1, 1}},
    {"Largest", {65534, 65534}},
    {"WideAndFlat", {65534, 1}},
    {"NarrowAndTall", {1, 65534}},
};

class RectPackingValidSize: public testing::TestWithParam<ValidSizeCase> {};

TEST_P(RectPackingValidSize, CoversTheAreaAndTakesItWhole) {
    const Vector2i size = GetParam().size;
    RectPacking packing{size};
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{0, 0, size.x(), size.y()}}));
    EXPECT_EQ(packing.occupancy(), 0.0f);

    const Containers::Optional<Range2Dus> whole = packing.insert(Vector2us{size});
    ASSERT_TRUE(whole);
    EXPECT_EQ(box(*whole), (Box{0, 0, size.x(), size.y()}));
    EXPECT_TRUE(packing.spaces().isEmpty());
    EXPECT_EQ(packing.occupancy(), 1.0f);
}

INSTANTIATE_TEST_SUITE_P(, RectPackingValidSize, testing::ValuesIn(ValidSizeCases), caseName<ValidSizeCase>);

TEST(RectPacking, DefaultConstructedHasNoAreaAndCountsAsFull) {
    RectPacking packing;
    EXPECT_TRUE(packing.spaces().isEmpty());
    EXPECT_FALSE(std::isnan(packing.occupancy()));
    EXPECT_EQ(packing.occupancy(), 1.0f);
    EXPECT_FALSE(packing.insert(Vector2us{1, 1}));
    EXPECT_FALSE(packing.insert(Vector2us{0, 0}));
    EXPECT_TRUE(packing.spaces().isEmpty());
}

struct InvalidSizeCase {
    const char* name;
    Vector2i size;
};

void PrintTo(const InvalidSizeCase& data, std::ostream* out) { *out << data.name; }

/* Also sizes that would look valid once cut to 16 bits */
const InvalidSizeCase InvalidSizeCases[]{
    {"ZeroWidth", {0, 10}},
    {"ZeroHeight", {10, 0}},
    {"Width65535", {65535, 10}},
    {"Height65535", {10, 65535}},
    {"Width65536", {65536, 10}},
    {"Height70000", {10, 70000}},
    {"Negative", {-1, 10}},
    {"NegativeWrappingToValid", {-65526, 10}},
};

class RectPackingInvalidSize: public testing::TestWithParam<InvalidSizeCase> {};

TEST_P(RectPackingInvalidSize, Aborts) {
    EXPECT_DEATH(RectPacking{GetParam().size}, "RectPacking::RectPacking\\(\\): Invalid size for unsigned short dimensions\\.");
}

INSTANTIATE_TEST_SUITE_P(, RectPackingInvalidSize, testing::ValuesIn(InvalidSizeCases), caseName<InvalidSizeCase>);

/* Placement */

TEST(RectPacking, ExactFitOfTheWholeAreaLeavesNoSpace) {
    RectPacking packing{Vector2i{100, 50}};
    EXPECT_EQ(packing.occupancy(), 0.0f);
    const Containers::Optional<Range2Dus> placed = packing.insert(Vector2us{100, 50});
    ASSERT_TRUE(placed);
    EXPECT_EQ(box(*placed), (Box{0, 0, 100, 50}));
    EXPECT_TRUE(packing.spaces().isEmpty());
    EXPECT_EQ(packing.occupancy(), 1.0f);
}

struct CutCase {
    const char* name;
    Vector2i size;
    Vector2us request;
    Box result;
    std::vector<Box> spaces;
};

void PrintTo(const CutCase& data, std::ostream* out) { *out << data.name; }

const CutCase CutCases[]{
    {"FullWidth", {100, 50}, {100, 20}, {0, 0, 100, 20}, {{0, 20, 100, 50}}},
    {"FullHeight", {100, 50}, {10, 50}, {0, 0, 10, 50}, {{10, 0, 100, 50}}},
    /* Two leftovers: the larger one goes first */
    {"BesideLarger", {100, 50}, {10, 20}, {0, 0, 10, 20}, {{10, 0, 100, 50}, {0, 20, 10, 50}}},
    {"BelowLarger", {100, 50}, {90, 10}, {0, 0, 90, 10}, {{0, 10, 90, 50}, {90, 0, 100, 50}}},
    /* 25 x 60 beside, 75 x 20 below */
    {"EqualAreasBesideFirst", {100, 60}, {75, 40}, {0, 0, 75, 40}, {{75, 0, 100, 60}, {0, 40, 75, 60}}},
    /* Zero components are placed like anything else */
    {"ZeroWidth", {100, 50}, {0, 5}, {0, 0, 0, 5}, {{0, 0, 100, 50}, {0, 5, 0, 50}}},
    {"ZeroHeight", {100, 50}, {10, 0}, {0, 0, 10, 0}, {{10, 0, 100, 50}, {0, 0, 10, 50}}},
    /* Leftover areas past the signed 32-bit range: 59000 x 60000 beside,
       1000 x 1000 below, and 1000 x 60000 beside, 59000 x 59000 below */
    {"BesideAreaPastInt", {60000, 60000}, {1000, 59000}, {0, 0, 1000, 59000}, {{1000, 0, 60000, 60000}, {0, 59000, 1000, 60000}}},
    {"BelowAreaPastInt", {60000, 60000}, {59000, 1000}, {0, 0, 59000, 1000}, {{0, 1000, 59000, 60000}, {59000, 0, 60000, 60000}}},
};

class RectPackingCut: public testing::TestWithParam<CutCase> {};

TEST_P(RectPackingCut, LeavesTheRestAsSpaces) {
    const CutCase& data = GetParam();
    RectPacking packing{data.size};
    const Containers::Optional<Range2Dus> placed = packing.insert(data.request);
    ASSERT_TRUE(placed);
    EXPECT_EQ(box(*placed), data.result);
    EXPECT_EQ(boxes(packing.spaces()), data.spaces);
}

INSTANTIATE_TEST_SUITE_P(, RectPackingCut, testing::ValuesIn(CutCases), caseName<CutCase>);

/* Spaces 30 x 30 at x = 30 and 20 x 30 at x = 0, in this order, with
   (20, 0)-(30, 30) placed between them */
RectPacking twoColumns() {
    RectPacking packing{Vector2i{60, 30}};
    const Range2Dus first = place(packing, 20, 30);
    place(packing, 10, 30);
    packing.remove(first);
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{30, 0, 60, 30}, {0, 0, 20, 30}}));
    return packing;
}

TEST(RectPacking, ExactFitLaterInTheListWins) {
    RectPacking packing = twoColumns();
    /* The first space matches in height only */
    const Containers::Optional<Range2Dus> placed = packing.insert(Vector2us{20, 30});
    ASSERT_TRUE(placed);
    EXPECT_EQ(box(*placed), (Box{0, 0, 20, 30}));
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{30, 0, 60, 30}}));
}

TEST(RectPacking, FirstOfTwoOneDimensionMatchesIsCut) {
    RectPacking packing = twoColumns();
    const Containers::Optional<Range2Dus> placed = packing.insert(Vector2us{10, 30});
    ASSERT_TRUE(placed);
    EXPECT_EQ(box(*placed), (Box{30, 0, 40, 30}));
    /* The last space took the cut one's slot, the leftover is appended */
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{0, 0, 20, 30}, {40, 0, 60, 30}}));
}

TEST(RectPacking, OtherwiseTheLastSpaceThatHoldsItIsCut) {
    RectPacking packing{Vector2i{100, 50}};
    place(packing, 10, 20);
    /* Both spaces hold 5 x 5, neither matches in a dimension */
    const Containers::Optional<Range2Dus> placed = packing.insert(Vector2us{5, 5});
    ASSERT_TRUE(placed);
    EXPECT_EQ(box(*placed), (Box{0, 20, 5, 25}));
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{10, 0, 100, 50}, {5, 20, 10, 50}, {0, 25, 5, 50}}));
}

TEST(RectPacking, TakingASpaceMovesTheLastIntoItsSlot) {
    RectPacking packing{Vector2i{100, 50}};
    place(packing, 10, 20);
    place(packing, 5, 5);
    const Containers::Optional<Range2Dus> placed = packing.insert(Vector2us{90, 50});
    ASSERT_TRUE(placed);
    EXPECT_EQ(box(*placed), (Box{10, 0, 100, 50}));
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{0, 25, 5, 50}, {5, 20, 10, 50}}));
}

TEST(RectPacking, FailsWhenNoSingleSpaceHoldsTheRequest) {
    RectPacking packing{Vector2i{100, 50}};
    place(packing, 10, 20);
    const std::vector<Box> before = boxes(packing.spaces());
    const Float occupancy = packing.occupancy();

    /* 4800 texels are free, but in a 90 x 50 and a 10 x 30 space */
    EXPECT_FALSE(packing.insert(Vector2us{95, 10}));
    EXPECT_FALSE(packing.insert(Vector2us{91, 50}));
    EXPECT_FALSE(packing.insert(Vector2us{10, 51}));
    EXPECT_EQ(boxes(packing.spaces()), before);
    EXPECT_EQ(packing.occupancy(), occupancy);
}

TEST(RectPacking, FullPackingFailsEveryRequest) {
    RectPacking packing{Vector2i{100, 50}};
    place(packing, 100, 50);
    EXPECT_FALSE(packing.insert(Vector2us{1, 1}));
    EXPECT_FALSE(packing.insert(Vector2us{0, 0}));
    EXPECT_TRUE(packing.spaces().isEmpty());
}

/* Removal */

TEST(RectPacking, RemovalMergesBackIntoTheWholeArea) {
    RectPacking packing{Vector2i{100, 50}};
    const Range2Dus placed = place(packing, 10, 20);
    /* Merges with the 10 x 30 space below first, then with the 90 x 50 one
       that the walk had passed already */
    packing.remove(placed);
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{0, 0, 100, 50}}));
    EXPECT_EQ(packing.occupancy(), 0.0f);
}

TEST(RectPacking, RemovalWithoutAWholeSharedEdgeAppends) {
    RectPacking packing{Vector2i{100, 50}};
    const Range2Dus first = place(packing, 10, 20);
    place(packing, 5, 5);
    /* Its bottom edge touches two spaces, but only half of each */
    packing.remove(first);
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{10, 0, 100, 50}, {5, 20, 10, 50}, {0, 25, 5, 50}, {0, 0, 10, 20}}));
}

TEST(RectPacking, RemovalGrowsTheRangeThroughSeveralMerges) {
    RectPacking packing{Vector2i{100, 50}};
    const Range2Dus first = place(packing, 10, 20);
    const Range2Dus second = place(packing, 5, 5);
    ASSERT_EQ(box(second), (Box{0, 20, 5, 25}));

    /* Merges with the 5 x 25 space below, then with the 5 x 30 one beside,
       not with the 90 x 50 one */
    packing.remove(second);
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{10, 0, 100, 50}, {0, 20, 10, 50}}));

    packing.remove(first);
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{0, 0, 100, 50}}));
}

TEST(RectPacking, RemovalAbsorbsAZeroAreaSpaceOnTheRange) {
    RectPacking packing{Vector2i{100, 50}};
    const Containers::Optional<Range2Dus> empty = packing.insert(Vector2us{0, 5});
    ASSERT_TRUE(empty);
    EXPECT_EQ(box(*empty), (Box{0, 0, 0, 5}));
    const Range2Dus placed = place(packing, 10, 20);
    EXPECT_EQ(box(placed), (Box{0, 0, 10, 20}));
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{0, 5, 0, 50}, {10, 0, 100, 50}, {0, 20, 10, 50}}));

    /* The zero-width space lies on the left edge of the grown range */
    packing.remove(placed);
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{0, 0, 100, 50}}));
}

TEST(RectPacking, LargeAreasMergeAndCountExactly) {
    /* Every merge here compares areas past the signed 32-bit range */
    RectPacking packing{Vector2i{60000, 60000}};
    const Range2Dus placed = place(packing, 59000, 1000);
    EXPECT_FLOAT_EQ(packing.occupancy(), Float(59000.0*1000.0/(60000.0*60000.0)));

    packing.remove(placed);
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{0, 0, 60000, 60000}}));
    EXPECT_EQ(packing.occupancy(), 0.0f);

    const Range2Dus big = place(packing, 59999, 59999);
    /* Cut from the one-texel column, which matches in width */
    const Range2Dus corner = place(packing, 1, 1);
    EXPECT_EQ(box(corner), (Box{59999, 0, 60000, 1}));
    packing.remove(big);
    packing.remove(corner);
    EXPECT_EQ(boxes(packing.spaces()), (std::vector<Box>{{0, 0, 60000, 60000}}));
}

struct InvalidRangeCase {
    const char* name;
    Box range;
};

void PrintTo(const InvalidRangeCase& data, std::ostream* out) { *out << data.name; }

const InvalidRangeCase InvalidRangeCases[]{
    {"EmptyInX", {5, 0, 5, 10}},
    {"EmptyInY", {0, 5, 10, 5}},
    {"Empty", {0, 0, 0, 0}},
    {"ReversedX", {10, 0, 5, 10}},
    {"ReversedY", {0, 10, 10, 5}},
};

class RectPackingInvalidRange: public testing::TestWithParam<InvalidRangeCase> {};

TEST_P(RectPackingInvalidRange, Aborts) {
    const Box& r = GetParam().range;
    RectPacking packing{Vector2i{100, 50}};
    place(packing, 20, 20);
    EXPECT_DEATH(packing.remove(range(r[0], r[1], r[2], r[3])), "RectPacking::remove\\(\\): Invalid range");
}

INSTANTIATE_TEST_SUITE_P(, RectPackingInvalidRange, testing::ValuesIn(InvalidRangeCases), caseName<InvalidRangeCase>);

/* Occupancy */

TEST(RectPacking, OccupancyIsThePlacedFraction) {
    RectPacking packing{Vector2i{100, 50}};
    place(packing, 10, 20);
    EXPECT_FLOAT_EQ(packing.occupancy(), 0.04f);
    place(packing, 90, 50);
    EXPECT_FLOAT_EQ(packing.occupancy(), 0.94f);
    place(packing, 10, 30);
    EXPECT_EQ(packing.occupancy(), 1.0f);
}

TEST(RectPacking, OccupancyShowsOneTexelOfTheLargestArea) {
    RectPacking packing{Vector2i{65534, 65534}};
    place(packing, 1, 1);
    EXPECT_GT(packing.occupancy(), 0.0f);
    EXPECT_FLOAT_EQ(packing.occupancy(), Float(1.0/(65534.0*65534.0)));
}

/* Ownership */

static_assert(!std::is_copy_constructible<RectPacking>::value, "a packing is not copyable");
static_assert(!std::is_copy_assignable<RectPacking>::value, "a packing is not copyable");
static_assert(std::is_nothrow_move_constructible<RectPacking>::value, "a packing moves without throwing");
static_assert(std::is_nothrow_move_assignable<RectPacking>::value, "a packing moves without throwing");

TEST(RectPacking, MoveConstructionTakesTheSpacesAndTheSize) {
    RectPacking source{Vector2i{100, 50}};
    place(source, 10, 20);

    RectPacking moved{std::move(source)};
    EXPECT_EQ(boxes(moved.spaces()), (std::vector<Box>{{10, 0, 100, 50}, {0, 20, 10, 50}}));
    EXPECT_FLOAT_EQ(moved.occupancy(), 0.04f);

    /* The source is left like a default-constructed one */
    EXPECT_TRUE(source.spaces().isEmpty());
    EXPECT_EQ(source.occupancy(), 1.0f);
    EXPECT_FALSE(source.insert(Vector2us{1, 1}));
}

TEST(RectPacking, MoveAssignmentSwapsTheSpacesAndTheSize) {
    RectPacking a{Vector2i{100, 50}};
    place(a, 10, 20);
    RectPacking b{Vector2i{30, 30}};

    a = std::move(b);
    EXPECT_EQ(boxes(a.spaces()), (std::vector<Box>{{0, 0, 30, 30}}));
    EXPECT_EQ(a.occupancy(), 0.0f);
    /* The other side keeps an occupancy that matches its spaces */
    EXPECT_EQ(boxes(b.spaces()), (std::vector<Box>{{10, 0, 100, 50}, {0, 20, 10, 50}}));
    EXPECT_FLOAT_EQ(b.occupancy(), 0.04f);
}

TEST(RectPacking, MoveAssignmentIntoDefaultConstructed) {
    RectPacking packing;
    packing = RectPacking{Vector2i{64, 32}};
    EXPECT_EQ(packing.occupancy(), 0.0f);
    const Containers::Optional<Range2Dus> placed = packing.insert(Vector2us{64, 32});
    ASSERT_TRUE(placed);
    EXPECT_EQ(box(*placed), (Box{0, 0, 64, 32}));
}

/* Random inserts and removals checked against the placed ranges that the
   test keeps */

struct ModelCase {
    const char* name;
    Vector2i size;
    Vector2i maxSide;
    /* Out of 100 requests, how many get a zero component */
    UnsignedInt zeroPercent;
    UnsignedInt seed;
    Int steps;
};

void PrintTo(const ModelCase& data, std::ostream* out) { *out << data.name; }

const ModelCase ModelCases[]{
    {"SmallRectangles", {64, 48}, {12, 12}, 0, 0x5eed, 5000},
    {"LargeRectangles", {97, 61}, {40, 40}, 0, 1234567, 4000},
    {"FlatArea", {250, 7}, {24, 5}, 0, 42, 3000},
    {"WithZeroComponents", {80, 80}, {16, 16}, 10, 7, 4000},
};

bool holds(const Range2Dus& space, const Vector2us& size) {
    return space.max().x() - space.min().x() >= size.x() &&
           space.max().y() - space.min().y() >= size.y();
}

UnsignedLong area(const Range2Dus& range) {
    return UnsignedLong(range.max().x() - range.min().x())*UnsignedLong(range.max().y() - range.min().y());
}

/* Spaces and placed ranges together tile the area exactly once */
testing::AssertionResult tilesTheArea(const RectPacking& packing, const std::vector<Range2Dus>& placed, const Vector2i& size) {
    std::vector<UnsignedByte> covered(std::size_t(size.product()), 0);
    UnsignedLong freeArea = 0, placedArea = 0;
    const auto cover = [&](const Range2Dus& r, const char* what) -> testing::AssertionResult {
        if(r.min().x() > r.max().x() || r.min().y() > r.max().y() || r.max().x() > size.x() || r.max().y() > size.y()) {
            const Box b = box(r);
            return testing::AssertionFailure() << what << " (" << b[0] << ", " << b[1] << ")-(" << b[2] << ", " << b[3] << ") is not inside";
        }
        for(Int y = r.min().y(); y != r.max().y(); ++y) for(Int x = r.min().x(); x != r.max().x(); ++x) {
            if(++covered[std::size_t(y*size.x() + x)] > 1)
                return testing::AssertionFailure() << what << " overlaps another rectangle at (" << x << ", " << y << ")";
        }
        return testing::AssertionSuccess();
    };
    for(const Range2Dus& space: packing.spaces()) {
        const testing::AssertionResult result = cover(space, "space");
        if(!result) return result;
        freeArea += area(space);
    }
    for(const Range2Dus& r: placed) {
        const testing::AssertionResult result = cover(r, "placed range");
        if(!result) return result;
        placedArea += area(r);
    }
    const UnsignedLong wholeArea = UnsignedLong(size.product());
    if(freeArea + placedArea != wholeArea)
        return testing::AssertionFailure() << "free " << freeArea << " and placed " << placedArea << " don't add up to " << wholeArea;
    const Float expected = Float(Double(placedArea)/Double(wholeArea));
    if(std::abs(packing.occupancy() - expected) > 1.0e-6f)
        return testing::AssertionFailure() << "occupancy " << packing.occupancy() << " instead of " << expected;
    return testing::AssertionSuccess();
}

class RectPackingModel: public testing::TestWithParam<ModelCase> {};

TEST_P(RectPackingModel, RandomInsertsAndRemovals) {
    const ModelCase& data = GetParam();
    std::mt19937 rng{data.seed};
    RectPacking packing{data.size};
    std::vector<Range2Dus> placed;
    std::size_t inserted = 0, failed = 0, removed = 0, zeroArea = 0, mostSpaces = 0;

    for(Int step = 0; step != data.steps; ++step) {
        SCOPED_TRACE(step);
        if(placed.empty() || rng()%100 < 60) {
            Vector2us request{UnsignedShort(1 + rng()%data.maxSide.x()), UnsignedShort(1 + rng()%data.maxSide.y())};
            if(rng()%100 < data.zeroPercent) request[rng()%2] = 0;
            const std::vector<Box> before = boxes(packing.spaces());
            const std::vector<Range2Dus> spacesBefore(packing.spaces().begin(), packing.spaces().end());

            const Containers::Optional<Range2Dus> result = packing.insert(request);
            if(!result) {
                ++failed;
                for(const Range2Dus& space: spacesBefore)
                    ASSERT_FALSE(holds(space, request)) << "failed although a space holds it";
                ASSERT_EQ(boxes(packing.spaces()), before) << "a failed insert changed the spaces";
            } else {
                ASSERT_EQ(Int(result->max().x() - result->min().x()), Int(request.x()));
                ASSERT_EQ(Int(result->max().y() - result->min().y()), Int(request.y()));
                /* Taken from the corner of a space that held it */
                bool fromASpace = false;
                for(const Range2Dus& space: spacesBefore)
                    if(space.min() == result->min() && holds(space, request)) fromASpace = true;
                ASSERT_TRUE(fromASpace);
                if(area(*result)) {
                    placed.push_back(*result);
                    ++inserted;
                } else ++zeroArea;
            }
        } else {
            const std::size_t i = rng()%placed.size();
            packing.remove(placed[i]);
            placed[i] = placed.back();
            placed.pop_back();
            ++removed;
        }

        mostSpaces = std::max(mostSpaces, packing.spaces().size());
        ASSERT_TRUE(tilesTheArea(packing, placed, data.size));
    }

    /* Everything given back: all free again, though not always in one
       space, as spaces never merge among themselves */
    while(!placed.empty()) {
        packing.remove(placed.back());
        placed.pop_back();
        ASSERT_TRUE(tilesTheArea(packing, placed, data.size));
    }
    EXPECT_EQ(packing.occupancy(), 0.0f);

    /* The run has to have gone through fills, failures and fragmentation */
    EXPECT_GT(inserted, std::size_t(data.steps/4));
    EXPECT_GT(failed, 0u);
    EXPECT_GT(removed, std::size_t(data.steps/4));
    EXPECT_GT(mostSpaces, 8u);
    if(data.zeroPercent) {
        EXPECT_GT(zeroArea, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(, RectPackingModel, testing::ValuesIn(ModelCases), caseName<ModelCase>);

}}}
