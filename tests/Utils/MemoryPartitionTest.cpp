#include <utility>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>

#include "VelmoraEngine/Utils/MemoryPartition.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;

void expectRegions(const MemoryPartition& partition, std::initializer_list<std::pair<std::size_t, std::size_t>> expected) {
    ASSERT_EQ(partition.usedRegionCount(), expected.size());
    std::size_t i = 0;
    for(const auto& region: expected) {
        EXPECT_EQ(partition.region(i).offset, region.first) << "region " << i;
        EXPECT_EQ(partition.region(i).size, region.second) << "region " << i;
        EXPECT_EQ(partition.regionSize(i), region.second);
        EXPECT_EQ(partition.regionEnd(i), region.first + region.second);
        ++i;
    }
}

MemoryPartition threeRegions() {
    MemoryPartition partition;
    partition.reserveRegions(3);
    partition.addRegion(12).addRegion(20).addRegion(8);
    return partition;
}

TEST(MemoryPartition, RegionsTileTheRangeInInsertionOrder) {
    MemoryPartition partition = threeRegions();
    expectRegions(partition, {{0, 12}, {12, 20}, {32, 8}});
    EXPECT_EQ(partition.end(), 40u);
    EXPECT_EQ(partition.regionSlotCount(), 3u);
}

TEST(MemoryPartition, RemovalClosesTheGapAndKeepsSlots) {
    MemoryPartition partition = threeRegions();
    partition.removeRegions(1, 1);
    expectRegions(partition, {{0, 12}, {12, 8}});
    EXPECT_EQ(partition.end(), 20u);
    EXPECT_EQ(partition.regionSlotCount(), 3u);

    /* The freed slot is reused by the next region */
    partition.addRegion(5);
    expectRegions(partition, {{0, 12}, {12, 8}, {20, 5}});
    EXPECT_EQ(partition.end(), 25u);
}

TEST(MemoryPartition, RemovingFirstLastAndAll) {
    MemoryPartition first = threeRegions();
    first.removeRegions(0, 2);
    expectRegions(first, {{0, 8}});
    EXPECT_EQ(first.end(), 8u);

    MemoryPartition last = threeRegions();
    last.removeRegions(1, 2);
    expectRegions(last, {{0, 12}});
    EXPECT_EQ(last.end(), 12u);

    MemoryPartition all = threeRegions();
    all.removeRegions(0, 3);
    EXPECT_EQ(all.usedRegionCount(), 0u);
    EXPECT_EQ(all.end(), 0u);
    all.addRegion(7);
    expectRegions(all, {{0, 7}});

    /* Removing nothing changes nothing, wherever */
    MemoryPartition none = threeRegions();
    none.removeRegions(17, 0);
    expectRegions(none, {{0, 12}, {12, 20}, {32, 8}});
}

TEST(MemoryPartition, RemovalWithSpareSlotsAfterTheLastRegion) {
    MemoryPartition partition;
    partition.reserveRegions(5);
    partition.addRegion(4).addRegion(6).addRegion(10);
    partition.removeRegions(2, 1);
    expectRegions(partition, {{0, 4}, {4, 6}});
    EXPECT_EQ(partition.end(), 10u);
    partition.removeRegions(0, 1);
    expectRegions(partition, {{0, 6}});
    partition.addRegion(3).addRegion(3);
    expectRegions(partition, {{0, 6}, {6, 3}, {9, 3}});
}

TEST(MemoryPartition, CopyIsIndependentMoveTakesTheSlots) {
    MemoryPartition original = threeRegions();
    MemoryPartition copy{original};
    copy.removeRegions(0, 1);
    expectRegions(original, {{0, 12}, {12, 20}, {32, 8}});
    expectRegions(copy, {{0, 20}, {20, 8}});
    /* The copy grows on its own */
    copy.reserveRegions(1).addRegion(1);
    expectRegions(copy, {{0, 20}, {20, 8}, {28, 1}});

    MemoryPartition moved{std::move(original)};
    expectRegions(moved, {{0, 12}, {12, 20}, {32, 8}});
}

TEST(MemoryPartition, RemoveRegionData) {
    MemoryPartition partition = threeRegions();
    char data[40];
    for(int i = 0; i != 40; ++i) data[i] = char(i + 1);
    removeRegionData(partition, data, 1, 1);
    for(int i = 0; i != 12; ++i) EXPECT_EQ(data[i], char(i + 1)) << i;
    for(int i = 12; i != 20; ++i) EXPECT_EQ(data[i], char(i + 20 + 1)) << i;
    for(int i = 20; i != 40; ++i) EXPECT_EQ(data[i], 0) << i;
    /* The partition is not touched */
    expectRegions(partition, {{0, 12}, {12, 20}, {32, 8}});

    char unchanged[40]{};
    unchanged[5] = 3;
    removeRegionData(partition, unchanged, 2, 0);
    EXPECT_EQ(unchanged[5], 3);

    /* Last region: nothing moves, its bytes are zeroed */
    char tail[40];
    for(int i = 0; i != 40; ++i) tail[i] = 1;
    removeRegionData(partition, tail, 2, 1);
    EXPECT_EQ(tail[31], 1);
    EXPECT_EQ(tail[32], 0);
    EXPECT_EQ(tail[39], 0);
}

TEST(MemoryPartitionDeathTest, AddingPastTheSlots) {
    MemoryPartition fresh;
    EXPECT_EQ(fresh.usedRegionCount(), 0u);
    EXPECT_DEATH(fresh.addRegion(4), "MemoryPartition::addRegion\\(\\): exceeded initialized region count");
    MemoryPartition partition = threeRegions();
    EXPECT_DEATH(partition.addRegion(1), "MemoryPartition::addRegion\\(\\): exceeded initialized region count");
}

TEST(MemoryPartitionDeathTest, RemovingMoreThanThereIs) {
    MemoryPartition partition = threeRegions();
    EXPECT_DEATH(partition.removeRegions(2, 2), "MemoryPartition::removeRegions\\(\\): Can't remove more regions than size");
}

TEST(MemoryPartitionDeathTest, RegionPastTheSlots) {
    MemoryPartition partition = threeRegions();
    EXPECT_DEATH(partition.region(3), "Assertion index < _regions.size\\(\\) failed at VelmoraEngine/Utils/MemoryPartition.cpp:[0-9]+");
}

TEST(MemoryPartitionDeathTest, RemovingDataOfMissingRegions) {
    MemoryPartition partition = threeRegions();
    char data[40]{};
    EXPECT_DEATH(removeRegionData(partition, data, 2, 2), "Assertion first \\+ count <= partition.usedRegionCount\\(\\) failed at VelmoraEngine/Utils/MemoryPartition.cpp:[0-9]+");
}

}}}
