#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include <Corrade/Containers/EnumSet.h>
#include <Corrade/Utility/Debug.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using Corrade::Utility::Debug;

/* Characters and narrow integers have no printers of their own: they are
   promoted to int, so a char is a number and a negative narrow value in hex
   shows all 32 bits */

struct IntegerCase {
    const char* name;
    void(*print)(Debug&);
    const char* expected;
};

const IntegerCase IntegerCases[]{
    {"Char", [](Debug& d) { d << 'a'; }, "97"},
    {"NegativeChar", [](Debug& d) { d << char(-3); }, "-3"},
    {"SignedChar", [](Debug& d) { d << static_cast<signed char>(-5); }, "-5"},
    {"UnsignedChar", [](Debug& d) { d << static_cast<unsigned char>(200); }, "200"},
    {"Short", [](Debug& d) { d << short(-300); }, "-300"},
    {"UnsignedShort", [](Debug& d) { d << static_cast<unsigned short>(65535); }, "65535"},
    {"HexChar", [](Debug& d) { d << Debug::hex << 'a'; }, "0x61"},
    {"HexNegativeSignedChar", [](Debug& d) { d << Debug::hex << static_cast<signed char>(-1); }, "0xffffffff"},
    {"HexNegativeShort", [](Debug& d) { d << Debug::hex << short(-1); }, "0xffffffff"},
    {"HexUnsignedChar", [](Debug& d) { d << Debug::hex << static_cast<unsigned char>(255); }, "0xff"},
    {"HexUnsignedShort", [](Debug& d) { d << Debug::hex << static_cast<unsigned short>(65535); }, "0xffff"},
    {"HexFlagOnNarrowValues", [](Debug& d) { d.setFlags(d.flags()|Debug::Flag::Hex); d << short(-2) << static_cast<unsigned char>(16); }, "0xfffffffe 0x10"},
};

class CompatDebugInteger: public testing::TestWithParam<IntegerCase> {};

TEST_P(CompatDebugInteger, PrintsLikeInt) {
    std::ostringstream out;
    {
        Debug d{&out, Debug::Flag::NoNewlineAtTheEnd};
        GetParam().print(d);
    }
    EXPECT_EQ(out.str(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(CompatValues, CompatDebugInteger, testing::ValuesIn(IntegerCases),
    [](const testing::TestParamInfo<IntegerCase>& info) { return std::string{info.param.name}; });

TEST(CompatDebugFlag, Values) {
    EXPECT_EQ(unsigned(Debug::Flag::NoNewlineAtTheEnd), 1u);
    EXPECT_EQ(unsigned(Debug::Flag::DisableColors), 2u);
    EXPECT_EQ(unsigned(Debug::Flag::NoSpace), 4u);
    EXPECT_EQ(unsigned(Debug::Flag::Packed), 8u);
    EXPECT_EQ(unsigned(Debug::Flag::Color), 16u);
    EXPECT_EQ(unsigned(Debug::Flag::Hex), 128u);
}

TEST(CompatDebugFlag, Printers) {
    std::ostringstream out;
    Debug{&out} << Debug::Flag::Hex << Debug::Flag(0x40);
    Debug{&out} << (Debug::Flag::Hex|Debug::Flag::NoSpace) << Debug::Flags{};
    EXPECT_EQ(out.str(),
        "Utility::Debug::Flag::Hex Utility::Debug::Flag(0x40)\n"
        "Utility::Debug::Flag::NoSpace|Utility::Debug::Flag::Hex Utility::Debug::Flags{}\n");
}

/* With Flag::Color an unsigned char is a gray square of one of five shades */

TEST(CompatDebugColor, UnsignedCharAsShadeWithoutColors) {
    std::ostringstream out;
    Debug{&out, Debug::Flag::Color|Debug::Flag::DisableColors}
        << static_cast<unsigned char>(0) << static_cast<unsigned char>(51)
        << static_cast<unsigned char>(102) << static_cast<unsigned char>(153)
        << static_cast<unsigned char>(255);
    EXPECT_EQ(out.str(), "   \u2591\u2591 \u2592\u2592 \u2593\u2593 \u2588\u2588\n");
}

TEST(CompatDebugColor, UnsignedCharAsColoredSquare) {
    std::ostringstream out;
    Debug{&out, Debug::Flag::Color} << "gray" << static_cast<unsigned char>(120) << 7;
    EXPECT_EQ(out.str(), "gray \033[38;2;120;120;120m\033[48;2;120;120;120m\u2592\u2592\033[0m 7\n");
}

TEST(CompatDebugColor, OtherIntegersStayNumbers) {
    std::ostringstream out;
    Debug{&out, Debug::Flag::Color|Debug::Flag::DisableColors} << 120 << 'a' << static_cast<unsigned short>(120);
    EXPECT_EQ(out.str(), "120 97 120\n");
}

}}}
