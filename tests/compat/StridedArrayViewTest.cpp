#include <type_traits>
#include <utility>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Algorithms.h>

using namespace Corrade;

namespace {

/* 3 rows of 4 values, value = 10*row + column */
struct Grid {
    int data[12]{0, 1, 2, 3, 10, 11, 12, 13, 20, 21, 22, 23};
    Containers::StridedArrayView2D<int> view{Containers::arrayView(data), {3, 4}, {16, 4}};
};

TEST(CompatStridedArrayView, IndexesAndSlicesBothDimensions) {
    Grid grid;
    EXPECT_EQ(grid.view[2][1], 21);
    EXPECT_EQ((grid.view[{1, 3}]), 13);

    Containers::StridedArrayView2D<int> sub = grid.view.slice({1, 1}, {3, 3});
    EXPECT_EQ(sub.size(), (Containers::Size2D{2, 2}));
    EXPECT_EQ(sub[0][0], 11);
    EXPECT_EQ(sub[1][1], 22);

    EXPECT_EQ(grid.view.prefix(1).size(), (Containers::Size2D{1, 4}));
    EXPECT_EQ(grid.view.exceptPrefix(2)[0][3], 23);
    EXPECT_EQ(grid.view.exceptSuffix(1).size()[0], 2u);
    EXPECT_EQ(grid.view.sliceSize({1, 2}, {1, 2})[0][1], 13);
}

TEST(CompatStridedArrayView, TransposedFlippedAndEvery) {
    Grid grid;
    Containers::StridedArrayView2D<int> transposed = grid.view.transposed<0, 1>();
    EXPECT_EQ(transposed.size(), (Containers::Size2D{4, 3}));
    EXPECT_EQ(transposed[3][1], 13);

    Containers::StridedArrayView2D<int> flipped = grid.view.flipped<0>();
    EXPECT_EQ(flipped.stride(), (Containers::Stride2D{-16, 4}));
    EXPECT_EQ(flipped[0][0], 20);
    EXPECT_EQ(flipped[2][3], 3);

    Containers::StridedArrayView2D<int> everyOther = grid.view.every({2, -3});
    EXPECT_EQ(everyOther.size(), (Containers::Size2D{2, 2}));
    EXPECT_EQ(everyOther[0][0], 3);
    EXPECT_EQ(everyOther[0][1], 0);
    EXPECT_EQ(everyOther[1][0], 23);
    EXPECT_EQ(everyOther[1][1], 20);
}

TEST(CompatStridedArrayView, NegativeStridesIterateBackwards) {
    int data[5]{1, 2, 3, 4, 5};
    Containers::StridedArrayView1D<int> view = Containers::StridedArrayView1D<int>{data}.flipped<0>();
    EXPECT_EQ(view.stride(), -4);
    int expected = 5;
    for(int i: view) EXPECT_EQ(i, expected--);

    Containers::StridedArrayView1D<int> everySecondBackwards = Containers::StridedArrayView1D<int>{data}.every(-2);
    ASSERT_EQ(everySecondBackwards.size(), 3u);
    EXPECT_EQ(everySecondBackwards[0], 5);
    EXPECT_EQ(everySecondBackwards[1], 3);
    EXPECT_EQ(everySecondBackwards[2], 1);
    EXPECT_EQ(everySecondBackwards.slice(1, 3)[0], 3);
}

TEST(CompatStridedArrayView, ZeroStridesRepeatTheSameItem) {
    int row[3]{7, 8, 9};
    Containers::StridedArrayView2D<int> rows = Containers::StridedArrayView2D<int>{Containers::arrayView(row), {1, 3}}.broadcasted<0>(4);
    EXPECT_EQ(rows.size(), (Containers::Size2D{4, 3}));
    EXPECT_EQ(rows.stride(), (Containers::Stride2D{0, 4}));
    EXPECT_EQ(rows[3][2], 9);
    rows[2][0] = 70;
    EXPECT_EQ(rows[0][0], 70);
    EXPECT_FALSE(rows.isContiguous());
}

TEST(CompatStridedArrayView, MemberSlicesAndContiguity) {
    struct Vertex { float position; int id; };
    Vertex vertices[3]{{1.0f, 10}, {2.0f, 20}, {3.0f, 30}};
    Containers::StridedArrayView1D<Vertex> view = vertices;
    Containers::StridedArrayView1D<int> ids = view.slice(&Vertex::id);
    EXPECT_EQ(ids.stride(), std::ptrdiff_t(sizeof(Vertex)));
    EXPECT_EQ(ids[2], 30);
    EXPECT_FALSE(ids.isContiguous());
    EXPECT_TRUE(view.isContiguous());
    EXPECT_EQ(view.asContiguous().data(), vertices);

    Grid grid;
    EXPECT_TRUE(grid.view.isContiguous());
    EXPECT_FALSE(grid.view.slice({0, 0}, {3, 2}).isContiguous());
    EXPECT_TRUE(grid.view.slice({0, 0}, {3, 2}).isContiguous<1>());
}

TEST(CompatStridedArrayView, ArrayCastReinterpretsAndAddsOrRemovesDimensions) {
    struct Rgb { unsigned short r, g, b; };
    Rgb pixels[4]{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}};
    Containers::StridedArrayView1D<Rgb> view = pixels;

    Containers::StridedArrayView2D<unsigned short> channels = Containers::arrayCast<2, unsigned short>(view);
    EXPECT_EQ(channels.size(), (Containers::Size2D{4, 3}));
    EXPECT_EQ(channels.stride(), (Containers::Stride2D{6, 2}));
    EXPECT_EQ(channels[2][1], 8);

    Containers::StridedArrayView1D<Rgb> back = Containers::arrayCast<1, Rgb>(channels);
    EXPECT_EQ(back.size(), 4u);
    EXPECT_EQ(back[3].b, 12);

    Containers::StridedArrayView1D<unsigned short> greens = Containers::arrayCast<unsigned short>(view.slice(&Rgb::g));
    EXPECT_EQ(greens[3], 11);

    /* A type-erased view casts back to the type it was made from */
    Containers::StridedArrayView1D<const void> erased = view;
    EXPECT_EQ(Containers::arrayCast<const Rgb>(erased)[1].r, 4);
}

TEST(CompatStridedArrayView, ExpandedSplitsADimension) {
    Grid grid;
    Containers::StridedArrayView3D<int> rows = grid.view.expanded<1>(Containers::Size2D{2, 2});
    EXPECT_EQ(rows.size(), (Containers::Size3D{3, 2, 2}));
    EXPECT_EQ(rows.stride(), (Containers::Stride3D{16, 8, 4}));
    EXPECT_EQ(rows[2][1][0], 22);

    /* Bytes of a row reinterpreted as components */
    char bytes[16]{};
    Containers::StridedArrayView2D<char> byteRows{Containers::arrayView(bytes), {2, 8}};
    Containers::StridedArrayView2D<short> shorts = Containers::arrayCast<2, short>(byteRows.expanded<1>(Containers::Size2D{4, 2}));
    EXPECT_EQ(shorts.size(), (Containers::Size2D{2, 4}));
    EXPECT_EQ(shorts.stride(), (Containers::Stride2D{8, 2}));
    EXPECT_EQ(static_cast<void*>(&shorts[1][3]), static_cast<void*>(bytes + 14));
}

TEST(CompatStridedArrayViewDeathTest, ArrayCastChecksStrides) {
    char data[10]{};
    Containers::StridedArrayView1D<char> view{Containers::arrayView(data), 5, 2};
    EXPECT_DEATH(Containers::arrayCast<int>(view), "Containers::arrayCast\\(\\): can't fit a 4-byte type into a stride of 2\n");

    short shorts[6]{};
    Containers::StridedArrayView2D<short> grid{Containers::arrayView(shorts), {2, 3}};
    EXPECT_DEATH((Containers::arrayCast<1, int>(grid)),
        "Containers::arrayCast\\(\\): last dimension needs to have byte size equal to new type size in order to be flattened, expected 4 but got 6");
    EXPECT_DEATH((Containers::arrayCast<1, int>(grid.every({1, 2}))),
        "Containers::arrayCast\\(\\): last dimension needs to be contiguous in order to be flattened, expected stride 2 but got 4");
}

TEST(CompatStridedArrayViewDeathTest, ConstructionChecksTheDataSize) {
    struct { int value; int other; } a[10]{};
    EXPECT_DEATH((Containers::StridedArrayView1D<int>{Containers::arrayView(a), &a[0].value, 10, 9}),
        "Containers::StridedArrayView: data size 80 is not enough for \\{10\\} elements of stride \\{9\\}");
}

TEST(CompatCopy, BetweenDifferentlyStridedViews) {
    Grid grid;
    int destination[12]{};
    /* Transposed destination: each row of the source becomes a column */
    Containers::StridedArrayView2D<int> target{Containers::arrayView(destination), {4, 3}};
    Utility::copy(grid.view, target.transposed<0, 1>());
    const int expected[12]{0, 10, 20, 1, 11, 21, 2, 12, 22, 3, 13, 23};
    for(std::size_t i = 0; i != 12; ++i) EXPECT_EQ(destination[i], expected[i]) << i;

    /* Flipped and every-other source into a contiguous destination */
    int flippedOut[6]{};
    Utility::copy(Containers::StridedArrayView2D<const int>{grid.view.flipped<1>().every({2, 2})},
        Containers::StridedArrayView2D<int>{Containers::arrayView(flippedOut), {2, 2}});
    EXPECT_EQ(flippedOut[0], 3);
    EXPECT_EQ(flippedOut[1], 1);
    EXPECT_EQ(flippedOut[2], 23);
    EXPECT_EQ(flippedOut[3], 21);
    EXPECT_EQ(flippedOut[4], 0);

    /* Broadcast source fills every row */
    int row[4]{5, 6, 7, 8};
    Utility::copy(Containers::StridedArrayView2D<const int>{Containers::arrayView(row), {1, 4}}.broadcasted<0>(3), grid.view);
    EXPECT_EQ(grid.data[0], 5);
    EXPECT_EQ(grid.data[11], 8);

    /* Contiguous views as a whole */
    int a[3]{1, 2, 3}, b[3]{};
    Utility::copy(Containers::arrayView(a), Containers::arrayView(b));
    EXPECT_EQ(b[2], 3);
}

TEST(CompatCopyDeathTest, SizesHaveToMatch) {
    Grid grid;
    int small[4]{};
    EXPECT_DEATH(Utility::copy(grid.view, Containers::StridedArrayView2D<int>{Containers::arrayView(small), {2, 2}}),
        "Utility::copy\\(\\): sizes \\{3, 4, 4\\} and \\{2, 2, 4\\} don't match");
}

}

namespace VelmoraEngine { namespace Test { namespace {

/* suffix(std::size_t) is deprecated with the meaning of exceptPrefix() and
   yet to come back as the last N items, so none exists */
template<class T, class = void> struct HasSizeSuffix: std::false_type {};
template<class T> struct HasSizeSuffix<T, decltype(void(std::declval<T&>().suffix(std::declval<std::size_t>())))>: std::true_type {};

TEST(CompatStridedArrayView, NoSuffixTakingASize) {
    EXPECT_FALSE(HasSizeSuffix<Containers::ArrayView<int>>::value);
    EXPECT_FALSE(HasSizeSuffix<Containers::Array<int>>::value);
    EXPECT_FALSE(HasSizeSuffix<Containers::StridedArrayView1D<int>>::value);
    EXPECT_FALSE(HasSizeSuffix<Containers::StridedArrayView2D<int>>::value);
    /* The pointer overload is there */
    int data[5]{0, 1, 2, 3, 4};
    const Containers::ArrayView<int> view = data;
    EXPECT_EQ(view.suffix(data + 3).size(), 2u);
    EXPECT_EQ(view.suffix(data + 3)[0], 3);
}

TEST(CompatStridedArrayViewDeathTest, ExceptPrefixReportsTheSlice) {
    int data[4]{};
    const Containers::StridedArrayView1D<int> view{data};
    EXPECT_DEATH(view.exceptPrefix(5),
        "Containers::StridedArrayView::slice\\(\\): slice \\[5:4\\] out of range for 4 elements");
}

TEST(CompatArrayViewDeathTest, ExceptPrefixReportsTheSlice) {
    int data[4]{};
    const Containers::ArrayView<int> view{data};
    EXPECT_DEATH(view.exceptPrefix(5),
        "Containers::ArrayView::slice\\(\\): slice \\[5:4\\] out of range for 4 elements");
}

}}}
