#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/ArrayView.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Containers/String.h>
#include <Corrade/Containers/StringIterable.h>
#include <Corrade/Containers/StringView.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using namespace Corrade::Containers::Literals;

/* Takes what an API taking strings would */
std::size_t countAndCheck(const Containers::StringIterable strings, Containers::StringView first, Containers::StringView last) {
    EXPECT_EQ(strings.front(), first);
    EXPECT_EQ(strings.back(), last);
    return strings.size();
}

TEST(CompatStringIterable, EmptyByDefaultAndFromNull) {
    const Containers::StringIterable a;
    EXPECT_TRUE(a.isEmpty());
    EXPECT_FALSE(a);
    EXPECT_EQ(a.size(), 0u);
    EXPECT_EQ(a.data(), nullptr);
    EXPECT_TRUE(a.begin() == a.end());

    const Containers::StringIterable b = nullptr;
    EXPECT_TRUE(b.isEmpty());
}

TEST(CompatStringIterable, FromArrayOfStrings) {
    Containers::Array<Containers::String> strings{ValueInit, 3};
    strings[0] = "hello"_s;
    strings[1] = "a string long enough not to fit into the small buffer"_s;
    strings[2] = ""_s;
    EXPECT_EQ(countAndCheck(strings, "hello", ""), 3u);

    const Containers::StringIterable iterable = strings;
    EXPECT_TRUE(iterable);
    EXPECT_EQ(iterable.data(), strings.data());
    EXPECT_EQ(iterable.stride(), std::ptrdiff_t(sizeof(Containers::String)));
    /* The views point into the strings themselves */
    EXPECT_EQ(iterable[1].data(), strings[1].data());
}

TEST(CompatStringIterable, FromViewsAndCStrings) {
    const Containers::StringView views[]{"a"_s, "bc"_s};
    EXPECT_EQ(countAndCheck(views, "a", "bc"), 2u);

    const char* const cstrings[]{"x", "yz", "w"};
    EXPECT_EQ(countAndCheck(cstrings, "x", "w"), 3u);

    EXPECT_EQ(countAndCheck({"first"_s, "second"_s}, "first", "second"), 2u);
}

TEST(CompatStringIterable, FromStridedView) {
    struct Entry {
        int id;
        Containers::StringView name;
    } entries[]{{1, "one"_s}, {2, "two"_s}, {3, "three"_s}};
    const Containers::StridedArrayView1D<const Containers::StringView> names = Containers::stridedArrayView(entries).slice(&Entry::name);
    const Containers::StringIterable iterable = names;
    EXPECT_EQ(iterable.size(), 3u);
    EXPECT_EQ(iterable.stride(), std::ptrdiff_t(sizeof(Entry)));
    EXPECT_EQ(iterable[1], "two");
    EXPECT_EQ(iterable.back(), "three");
}

TEST(CompatStringIterable, Iterators) {
    const Containers::StringView views[]{"a"_s, "b"_s, "c"_s, "d"_s};
    const Containers::StringIterable iterable = views;
    Containers::StringIterableIterator it = iterable.begin();
    EXPECT_EQ(*it, "a");
    EXPECT_EQ(*(it + 2), "c");
    EXPECT_EQ(*(2 + it), "c");
    it += 3;
    EXPECT_EQ(*it, "d");
    EXPECT_EQ(*(it - 1), "c");
    it -= 2;
    EXPECT_EQ(*it, "b");
    EXPECT_EQ(*++it, "c");
    EXPECT_EQ(*--it, "b");
    EXPECT_EQ(iterable.end() - it, 3);
    EXPECT_TRUE(it < iterable.end());
    EXPECT_TRUE(it <= it);
    EXPECT_TRUE(iterable.end() > it);
    EXPECT_TRUE(it >= iterable.begin());
    EXPECT_TRUE(iterable.cbegin() == iterable.begin());
    EXPECT_TRUE(iterable.cend() != iterable.begin());

    /* Iterators of another iterable are neither equal nor ordered */
    const Containers::StringView others[]{"a"_s};
    const Containers::StringIterable other = others;
    EXPECT_FALSE(other.begin() == iterable.begin());
    EXPECT_FALSE(other.begin() < iterable.end());
    EXPECT_FALSE(other.begin() >= iterable.begin());

    Containers::String joined;
    for(const Containers::StringView view: iterable) joined = joined + view;
    EXPECT_EQ(joined, "abcd");
}

}}}
