#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "VelmoraEngine/BitSet.h"

namespace VelmoraEngine { namespace Test { namespace {

constexpr std::size_t Everything = 4294967295u;

/* Which bits are set, read one bit at a time through findFirstSet() */
std::vector<std::size_t> setBits(const BitSet& set, std::size_t size) {
    std::vector<std::size_t> out;
    for(std::size_t i = 0; i != size; ++i)
        if(set.findFirstSet(i, i + 1) == i) out.push_back(i);
    return out;
}

std::vector<std::size_t> range(std::size_t begin, std::size_t end) {
    std::vector<std::size_t> out;
    for(std::size_t i = begin; i != end; ++i) out.push_back(i);
    return out;
}

TEST(BitSet, DefaultHasNoBits) {
    const BitSet set;
    EXPECT_EQ(set.findFirstSet(0, Everything), 0u);
    EXPECT_EQ(set.findFirstSet(5, 10), 0u);
}

TEST(BitSet, ResizedBitsAreClear) {
    BitSet set;
    set.resize(130);
    EXPECT_EQ(set.findFirstSet(0, Everything), 130u);
    EXPECT_TRUE(setBits(set, 130).empty());
}

TEST(BitSet, SetAndUnsetOneBit) {
    BitSet set;
    set.resize(200);
    set.set(0);
    set.set(63);
    set.set(64);
    set.set(199);
    EXPECT_EQ(setBits(set, 200), (std::vector<std::size_t>{0, 63, 64, 199}));
    /* Setting twice changes nothing */
    set.set(63);
    set.unset(63);
    set.unset(0);
    /* Clearing a clear bit changes nothing */
    set.unset(1);
    EXPECT_EQ(setBits(set, 200), (std::vector<std::size_t>{64, 199}));
}

struct SetRangeCase {
    const char* name;
    std::size_t size, begin, end;
};

void PrintTo(const SetRangeCase& data, std::ostream* out) { *out << data.name; }

const SetRangeCase SetRangeCases[]{
    {"Empty", 100, 40, 40},
    {"InsideOneWord", 100, 3, 9},
    {"WholeFirstWord", 100, 0, 64},
    {"EndingAtAWordBoundary", 200, 10, 128},
    {"StartingAtAWordBoundary", 200, 64, 70},
    {"AcrossTwoWords", 100, 60, 70},
    {"AcrossSeveralWords", 300, 5, 290},
    {"WholeSet", 130, 0, 130},
    {"LastBitOnly", 130, 129, 130},
};

class BitSetRangeTest: public testing::TestWithParam<SetRangeCase> {};

TEST_P(BitSetRangeTest, SetsExactlyTheRange) {
    const SetRangeCase& data = GetParam();
    BitSet set;
    set.resize(data.size);
    set.setRange(data.begin, data.end);
    EXPECT_EQ(setBits(set, data.size), range(data.begin, data.end));
    /* Nothing leaks past the size, where a later resize would show it */
    set.resize(data.size + 200);
    EXPECT_EQ(setBits(set, data.size + 200), range(data.begin, data.end));
}

INSTANTIATE_TEST_SUITE_P(BitSet, BitSetRangeTest, testing::ValuesIn(SetRangeCases),
    [](const testing::TestParamInfo<SetRangeCase>& info) { return std::string{info.param.name}; });

struct FindCase {
    const char* name;
    std::size_t size;
    std::initializer_list<std::size_t> set;
    std::size_t begin, end;
    std::size_t expected;
};

void PrintTo(const FindCase& data, std::ostream* out) { *out << data.name; }

const FindCase FindCases[]{
    {"NothingSet", 300, {}, 0, Everything, 300},
    {"FirstBit", 300, {0, 5}, 0, Everything, 0},
    {"LowestOfSeveral", 300, {250, 70, 130}, 0, Everything, 70},
    {"AfterWordsOfZeros", 300, {299}, 0, Everything, 299},
    {"BitsBeforeBeginIgnored", 300, {3, 66, 200}, 4, Everything, 66},
    {"BeginOnTheBit", 300, {66}, 66, Everything, 66},
    {"BeginInsideALaterWord", 300, {1, 190}, 150, Everything, 190},
    {"BitAtEndExcluded", 300, {100}, 0, 100, 300},
    {"BitJustBeforeEnd", 300, {99}, 0, 100, 99},
    {"BitPastEndInTheSameWord", 100, {70}, 65, 69, 100},
    {"EndClampedToSize", 100, {99}, 50, 1000, 99},
    {"BeginPastSize", 100, {99}, 150, Everything, 100},
    {"BeginAfterEnd", 100, {10, 20}, 30, 5, 100},
    {"EmptyRange", 100, {10}, 10, 10, 100},
    {"NoBitsAtAll", 0, {}, 0, Everything, 0},
};

class BitSetFindTest: public testing::TestWithParam<FindCase> {};

TEST_P(BitSetFindTest, FindsTheLowestSetBitInTheRange) {
    const FindCase& data = GetParam();
    BitSet set;
    set.resize(data.size);
    for(const std::size_t i: data.set) set.set(i);
    EXPECT_EQ(set.findFirstSet(data.begin, data.end), data.expected);
}

INSTANTIATE_TEST_SUITE_P(BitSet, BitSetFindTest, testing::ValuesIn(FindCases),
    [](const testing::TestParamInfo<FindCase>& info) { return std::string{info.param.name}; });

TEST(BitSet, ResizeKeepsTheBitsBelowBothSizes) {
    BitSet set;
    set.resize(100);
    set.set(5);
    set.set(70);
    set.set(99);
    set.resize(300);
    EXPECT_EQ(setBits(set, 300), (std::vector<std::size_t>{5, 70, 99}));

    /* Shrinking drops the bits past the new size for good, also inside the
       last word */
    set.resize(71);
    EXPECT_EQ(set.findFirstSet(6, Everything), 70u);
    set.resize(70);
    EXPECT_EQ(set.findFirstSet(6, Everything), 70u);
    set.resize(300);
    EXPECT_EQ(setBits(set, 300), (std::vector<std::size_t>{5}));

    set.resize(0);
    EXPECT_EQ(set.findFirstSet(0, Everything), 0u);
}

TEST(BitSet, MovingTakesTheBits) {
    BitSet set;
    set.resize(100);
    set.set(42);

    BitSet moved{std::move(set)};
    EXPECT_EQ(moved.findFirstSet(0, Everything), 42u);
    EXPECT_EQ(set.findFirstSet(0, Everything), 0u);

    BitSet assigned;
    assigned.resize(10);
    assigned.setRange(0, 10);
    assigned = std::move(moved);
    EXPECT_EQ(assigned.findFirstSet(0, Everything), 42u);
    /* The two were swapped */
    EXPECT_EQ(moved.findFirstSet(0, Everything), 0u);
    EXPECT_EQ(moved.findFirstSet(1, Everything), 1u);

    /* A moved-to set keeps working on its own words */
    assigned.unset(42);
    assigned.set(7);
    EXPECT_EQ(assigned.findFirstSet(0, Everything), 7u);
    EXPECT_EQ(moved.findFirstSet(0, Everything), 0u);
}

TEST(BitSetDeathTest, SetPastTheEnd) {
    BitSet set;
    set.resize(10);
    EXPECT_DEATH(set.set(10), "BitSetView::set\\(\\): index 10 out of range for 10 bits");
}

TEST(BitSetDeathTest, UnsetPastTheEnd) {
    BitSet set;
    set.resize(64);
    EXPECT_DEATH(set.unset(64), "BitSetView::unset\\(\\): index 64 out of range for 64 bits");
}

TEST(BitSetDeathTest, SetRangeOutOfRange) {
    BitSet set;
    set.resize(10);
    EXPECT_DEATH(set.setRange(2, 11), "BitSetView::setRange\\(\\): range from 2 to 11 out of range for 10 bits");
    /* A backwards range isn't an empty one */
    EXPECT_DEATH(set.setRange(5, 4), "BitSetView::setRange\\(\\): range from 5 to 4 out of range for 10 bits");
}

}}}
