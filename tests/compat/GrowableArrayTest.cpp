#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/String.h>

using namespace Corrade;

namespace VelmoraEngine { namespace Test { namespace {

int deleterCalls;
const void* deletedData;
std::size_t deletedSize;

void countingDeleter(int* data, std::size_t size) {
    ++deleterCalls;
    deletedData = data;
    deletedSize = size;
    delete[] data;
}

struct CompatGrowableArray: testing::Test {
    void SetUp() override {
        deleterCalls = 0;
        deletedData = nullptr;
        deletedSize = 0;
    }
};

TEST_F(CompatGrowableArray, ForeignArrayIsCopiedAndItsDeleterCalledOnce) {
    int* const data = new int[3]{10, 20, 30};
    Containers::Array<int> array{data, 3, countingDeleter};
    EXPECT_FALSE(Containers::arrayIsGrowable(array));
    EXPECT_EQ(Containers::arrayCapacity(array), 3u);

    Containers::arrayAppend(array, 40);
    EXPECT_EQ(deleterCalls, 1);
    EXPECT_EQ(deletedData, data);
    EXPECT_EQ(deletedSize, 3u);
    EXPECT_TRUE(Containers::arrayIsGrowable(array));
    EXPECT_NE(array.data(), data);
    ASSERT_EQ(array.size(), 4u);
    EXPECT_EQ(array[0], 10);
    EXPECT_EQ(array[2], 30);
    EXPECT_EQ(array[3], 40);

    /* Later growth goes through the growable allocator only */
    for(int i = 0; i != 100; ++i) Containers::arrayAppend(array, i);
    EXPECT_EQ(deleterCalls, 1);
    EXPECT_EQ(array[103], 99);
}

TEST_F(CompatGrowableArray, ReservedCapacityIsReusedWithoutReallocation) {
    Containers::Array<int> array;
    EXPECT_EQ(Containers::arrayReserve(array, 100), 100u);
    EXPECT_EQ(Containers::arrayCapacity(array), 100u);
    EXPECT_TRUE(array.isEmpty());
    const int* const data = array.data();

    for(int i = 0; i != 100; ++i) Containers::arrayAppend(array, i);
    EXPECT_EQ(array.data(), data);
    EXPECT_EQ(array.size(), 100u);

    /* Reserving less than there is changes nothing */
    EXPECT_EQ(Containers::arrayReserve(array, 50), 100u);
    EXPECT_EQ(array.data(), data);

    /* Shrinking the size keeps the allocation and the capacity */
    Containers::arrayRemoveSuffix(array, 40);
    Containers::arrayResize(array, 30);
    EXPECT_EQ(array.data(), data);
    EXPECT_EQ(Containers::arrayCapacity(array), 100u);
    Containers::arrayResize(array, 90);
    EXPECT_EQ(array.data(), data);
    EXPECT_EQ(array[29], 29);
    EXPECT_EQ(array[30], 0);
    EXPECT_EQ(array[89], 0);
}

TEST_F(CompatGrowableArray, AppendVariants) {
    Containers::Array<int> array;
    int& appended = Containers::arrayAppend(array, 5);
    EXPECT_EQ(&appended, array.data());

    const int more[]{6, 7, 8};
    Containers::ArrayView<int> view = Containers::arrayAppend(array, Containers::arrayView(more));
    EXPECT_EQ(view.data(), array.data() + 1);
    EXPECT_EQ(view.size(), 3u);

    Containers::ArrayView<int> uninitialized = Containers::arrayAppend(array, NoInit, 2);
    uninitialized[0] = 9;
    uninitialized[1] = 10;
    Containers::arrayAppend(array, InPlaceInit, 11);
    Containers::arrayAppend(array, {12, 13});

    const int expected[]{5, 6, 7, 8, 9, 10, 11, 12, 13};
    ASSERT_EQ(array.size(), 9u);
    for(std::size_t i = 0; i != 9; ++i) EXPECT_EQ(array[i], expected[i]) << i;

    /* Appending a slice of itself survives the reallocation */
    Containers::arrayShrink(array);
    Containers::arrayAppend(array, Containers::arrayView(array).prefix(3));
    ASSERT_EQ(array.size(), 12u);
    EXPECT_EQ(array[9], 5);
    EXPECT_EQ(array[11], 7);
}

TEST_F(CompatGrowableArray, RemoveKeepsOrderAndNonTrivialTypes) {
    Containers::Array<Containers::String> array;
    for(const char* s: {"first", "second and a longer string that does not fit in place", "third", "fourth"})
        Containers::arrayAppend(array, Containers::String{s});

    Containers::arrayRemove(array, 1);
    ASSERT_EQ(array.size(), 3u);
    EXPECT_EQ(array[0], "first");
    EXPECT_EQ(array[1], "third");
    EXPECT_EQ(array[2], "fourth");

    Containers::arrayRemove(array, 0, 2);
    ASSERT_EQ(array.size(), 1u);
    EXPECT_EQ(array[0], "fourth");

    Containers::arrayInsert(array, 0, Containers::String{"zeroth"});
    ASSERT_EQ(array.size(), 2u);
    EXPECT_EQ(array[0], "zeroth");
    EXPECT_EQ(array[1], "fourth");
}

TEST_F(CompatGrowableArray, RemovingFromAForeignArrayConvertsIt) {
    int* const data = new int[4]{1, 2, 3, 4};
    Containers::Array<int> array{data, 4, countingDeleter};
    Containers::arrayRemove(array, 1);
    EXPECT_EQ(deleterCalls, 1);
    EXPECT_TRUE(Containers::arrayIsGrowable(array));
    ASSERT_EQ(array.size(), 3u);
    EXPECT_EQ(array[0], 1);
    EXPECT_EQ(array[1], 3);
    EXPECT_EQ(array[2], 4);
}

TEST_F(CompatGrowableArray, ShrinkMakesAPlainArrayOfTheExactSize) {
    Containers::Array<int> array;
    Containers::arrayAppend(array, {1, 2, 3});
    EXPECT_GE(Containers::arrayCapacity(array), 3u);
    Containers::arrayShrink(array);
    EXPECT_FALSE(Containers::arrayIsGrowable(array));
    EXPECT_EQ(Containers::arrayCapacity(array), 3u);
    ASSERT_EQ(array.size(), 3u);
    EXPECT_EQ(array[2], 3);
}

TEST_F(CompatGrowableArray, ExplicitAllocatorIsRecognizedByItsDeleter) {
    Containers::Array<int> array;
    Containers::arrayAppend<Containers::ArrayNewAllocator>(array, 1);
    EXPECT_TRUE(Containers::arrayIsGrowable<Containers::ArrayNewAllocator>(array));
    EXPECT_FALSE(Containers::arrayIsGrowable<Containers::ArrayMallocAllocator>(array));

    /* Growing with the other allocator moves the data over */
    Containers::arrayAppend<Containers::ArrayMallocAllocator>(array, 2);
    EXPECT_TRUE(Containers::arrayIsGrowable<Containers::ArrayMallocAllocator>(array));
    ASSERT_EQ(array.size(), 2u);
    EXPECT_EQ(array[0], 1);
    EXPECT_EQ(array[1], 2);
}

TEST(CompatArray, ReleaseGivesUpOwnership) {
    Containers::Array<int> array{InPlaceInit, {1, 2}};
    int* const data = array.data();
    int* const released = array.release();
    EXPECT_EQ(released, data);
    EXPECT_EQ(array.data(), nullptr);
    EXPECT_EQ(array.size(), 0u);
    EXPECT_EQ(released[1], 2);
    delete[] released;
}

TEST(CompatArray, CustomDeleterRunsOnDestructionAndNotAfterMove) {
    deleterCalls = 0;
    {
        Containers::Array<int> a{new int[2]{}, 2, countingDeleter};
        Containers::Array<int> b = std::move(a);
        EXPECT_EQ(deleterCalls, 0);
        EXPECT_EQ(a.deleter(), nullptr);
        EXPECT_EQ(b.deleter(), countingDeleter);
    }
    EXPECT_EQ(deleterCalls, 1);
}

TEST(CompatArrayDeathTest, ArrayCastChecksTheSize) {
    int data[3]{};
    Containers::ArrayView<int> view = data;
    EXPECT_DEATH(Containers::arrayCast<long long>(view), "Containers::arrayCast\\(\\): can't reinterpret 3 4-byte items into a 8-byte type");
    EXPECT_EQ(Containers::arrayCast<char>(view).size(), 12u);
}

}}}
