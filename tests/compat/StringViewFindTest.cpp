#include <string>

#include <gtest/gtest.h>

#include <Corrade/Containers/EnumSet.h>
#include <Corrade/Containers/StringView.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using namespace Corrade::Containers::Literals;

/* What find() and findLast() give: a match is a slice of the view with the
   flags a slice has, no match is a view without data and without flags, not
   even the global one a default-constructed view has */

struct FindCase {
    const char* name;
    Containers::StringView(*find)();
    bool found;
    std::size_t offset, size;
    bool global, nullTerminated;
};

const char Hello[]{"hello"};

const FindCase FindCases[]{
    {"CharacterMissing", [] { return "hello"_s.find('x'); }, false, 0, 0, false, false},
    {"SubstringMissing", [] { return "hello"_s.find("xy"); }, false, 0, 0, false, false},
    {"LastCharacterMissing", [] { return "hello"_s.findLast('x'); }, false, 0, 0, false, false},
    {"LastSubstringMissing", [] { return "hello"_s.findLast("xy"); }, false, 0, 0, false, false},
    {"MissingInLocalView", [] { return Containers::StringView{Hello}.find("xy"); }, false, 0, 0, false, false},
    {"EmptyInDefaultView", [] { return Containers::StringView{}.find(""); }, false, 0, 0, false, false},
    {"CharacterInGlobalView", [] { return "hello"_s.find('l'); }, true, 2, 1, true, false},
    {"CharacterInLocalView", [] { return Containers::StringView{Hello}.find('l'); }, true, 2, 1, false, false},
    {"EmptyAtTheStart", [] { return "hello"_s.find(""); }, true, 0, 0, true, false},
    {"LastEmptyAtTheEnd", [] { return "hello"_s.findLast(""); }, true, 5, 0, true, true},
    {"LastSubstringAtTheEnd", [] { return "hello"_s.findLast("lo"); }, true, 3, 2, true, true},
};

class CompatStringViewFind: public testing::TestWithParam<FindCase> {};

TEST_P(CompatStringViewFind, ResultAndFlags) {
    const FindCase& data = GetParam();
    const Containers::StringView result = data.find();
    EXPECT_EQ(bool(result.flags() & Containers::StringViewFlag::Global), data.global);
    EXPECT_EQ(bool(result.flags() & Containers::StringViewFlag::NullTerminated), data.nullTerminated);
    EXPECT_EQ(result.size(), data.size);
    if(data.found) {
        ASSERT_NE(result.data(), nullptr);
        /* The match points into the searched string, whichever copy of the
           literal the compiler used */
        EXPECT_EQ(std::string(result.data() - data.offset, 5), "hello");
    } else EXPECT_EQ(result.data(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(CompatCases, CompatStringViewFind, testing::ValuesIn(FindCases),
    [](const testing::TestParamInfo<FindCase>& info) { return std::string{info.param.name}; });

TEST(CompatStringViewFind, DefaultConstructedViewIsGlobal) {
    EXPECT_EQ(Containers::StringView{}.flags(), Containers::StringViewFlag::Global);
}

}}}
