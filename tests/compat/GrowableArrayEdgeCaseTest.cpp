#include <utility>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/GrowableArray.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;

/* Removing from an array that isn't growable yet reallocates it, and then the
   order of the remaining items is kept even by the unordered removal */

TEST(CompatGrowableArray, RemoveUnorderedFromNonGrowableKeepsOrder) {
    Containers::Array<int> array{InPlaceInit, {0, 1, 2, 3, 4}};
    ASSERT_FALSE(Containers::arrayIsGrowable(array));
    Containers::arrayRemoveUnordered(array, 1);
    ASSERT_EQ(array.size(), 4u);
    EXPECT_TRUE(Containers::arrayIsGrowable(array));
    EXPECT_EQ(array[0], 0);
    EXPECT_EQ(array[1], 2);
    EXPECT_EQ(array[2], 3);
    EXPECT_EQ(array[3], 4);
}

TEST(CompatGrowableArray, RemoveUnorderedFromGrowableMovesTheLastItems) {
    Containers::Array<int> array;
    Containers::arrayAppend(array, {0, 1, 2, 3, 4});
    Containers::arrayRemoveUnordered(array, 1);
    ASSERT_EQ(array.size(), 4u);
    EXPECT_EQ(array[0], 0);
    EXPECT_EQ(array[1], 4);
    EXPECT_EQ(array[2], 2);
    EXPECT_EQ(array[3], 3);
}

/* A single value from the array's own memory isn't accepted, the list
   variant is */

TEST(CompatGrowableArray, AppendFromItselfThroughTheListVariant) {
    Containers::Array<int> array;
    Containers::arrayAppend(array, {7, 8});
    Containers::arrayAppend(array, array.prefix(1));
    Containers::arrayAppend(array, Containers::arrayView(array).exceptPrefix(1));
    ASSERT_EQ(array.size(), 5u);
    EXPECT_EQ(array[2], 7);
    EXPECT_EQ(array[3], 8);
    EXPECT_EQ(array[4], 7);
}

TEST(CompatGrowableArrayDeathTest, AppendAnItemOfItself) {
    Containers::Array<int> array{InPlaceInit, {1, 2, 3}};
    EXPECT_DEATH(Containers::arrayAppend(array, array[1]),
        "Containers::arrayAppend\\(\\): use the list variant to append values from within the array itself");
}

TEST(CompatGrowableArrayDeathTest, InsertAnItemOfItself) {
    Containers::Array<int> array;
    Containers::arrayAppend(array, {1, 2, 3});
    EXPECT_DEATH(Containers::arrayInsert(array, 0, array[2]),
        "Containers::arrayInsert\\(\\): use the list variant to insert values from within the array itself");
}

}}}
