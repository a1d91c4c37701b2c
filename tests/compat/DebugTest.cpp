#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/String.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>
#include <Corrade/Utility/DebugStl.h>

using namespace Corrade;
using namespace Corrade::Containers::Literals;

namespace VelmoraEngine { namespace Test { namespace {

TEST(CompatDebug, SeparatesValuesWithSpacesAndEndsWithNewline) {
    std::ostringstream out;
    Utility::Debug{&out} << "value" << 3 << -7L << 2.5f << true << false << "view"_s;
    EXPECT_EQ(out.str(), "value 3 -7 2.5 true false view\n");
}

TEST(CompatDebug, PrintsNumbersWithUpstreamPrecision) {
    std::ostringstream out;
    Utility::Debug{&out} << 3.14159265f << 1.0/3.0 << 1.0e-7f << 100000000.0f;
    Utility::Debug{&out} << static_cast<unsigned char>(200) << static_cast<signed char>(-5) << std::size_t{18446744073709551615ull};
    EXPECT_EQ(out.str(),
        "3.14159 0.333333333333333 1e-07 1e+08\n"
        "200 -5 18446744073709551615\n");
}

TEST(CompatDebug, Modifiers) {
    std::ostringstream out;
    Utility::Debug{&out} << "a" << Utility::Debug::nospace << "b" << "c";
    Utility::Debug{&out} << "line" << Utility::Debug::newline << "next";
    Utility::Debug{&out} << "x" << Utility::Debug::nospace << Utility::Debug::space << "y";
    Utility::Debug{&out} << Utility::Debug::hex << 255u << 255u;
    Utility::Debug{&out, Utility::Debug::Flag::NoNewlineAtTheEnd} << "no newline";
    EXPECT_EQ(out.str(), "ab c\nline\nnext\nx y\n0xff 255\nno newline");
}

TEST(CompatDebug, PrintsNothingAndNoNewlineWhenNothingWasPrinted) {
    std::ostringstream out;
    { Utility::Debug{&out}; }
    Utility::Debug{nullptr} << "silenced";
    EXPECT_EQ(out.str(), "");
}

TEST(CompatDebug, PrintsContainersStringsAndPairs) {
    std::ostringstream out;
    Containers::Array<int> array{InPlaceInit, {1, 2, 3}};
    Containers::Array<int> empty;
    Utility::Debug{&out} << array << empty << Containers::pair(4, 5.5f);
    Utility::Debug{&out} << std::string{"std"} << Containers::String{"owned"} << nullptr;
    EXPECT_EQ(out.str(), "{1, 2, 3} {} {4, 5.5}\nstd owned nullptr\n");
}

TEST(CompatDebug, RedirectionIsScopedAndSeparatePerStream) {
    std::ostringstream debugOut, warningOut, errorOut, nested;
    {
        Utility::Debug redirectDebug{&debugOut};
        Utility::Warning redirectWarning{&warningOut};
        Utility::Error redirectError{&errorOut};
        Utility::Debug{} << "debug";
        Utility::Warning{} << "warning";
        Utility::Error{} << "error";
        {
            Utility::Debug redirectNested{&nested};
            Utility::Debug{} << "inner";
        }
        Utility::Debug{} << "outer again";
        EXPECT_EQ(Utility::Debug::output(), &debugOut);
    }
    EXPECT_EQ(debugOut.str(), "debug\nouter again\n");
    EXPECT_EQ(nested.str(), "inner\n");
    EXPECT_EQ(warningOut.str(), "warning\n");
    EXPECT_EQ(errorOut.str(), "error\n");
    EXPECT_EQ(Utility::Debug::output(), Utility::Debug::defaultOutput());
    EXPECT_EQ(Utility::Error::output(), Utility::Error::defaultOutput());
}

void assertingFunction(int value) {
    CORRADE_ASSERT(value > 0, "assertingFunction(): expected a positive value, got" << value, );
}

int assertingOutputFunction(int value) {
    CORRADE_ASSERT_OUTPUT(value != 3, "assertingOutputFunction(): three is not allowed", {});
    return value;
}

TEST(CompatAssertDeathTest, PrintsTheMessageAndAborts) {
    EXPECT_DEATH(assertingFunction(-3), "^assertingFunction\\(\\): expected a positive value, got -3\n$");
    EXPECT_DEATH(assertingOutputFunction(3), "assertingOutputFunction\\(\\): three is not allowed\n");
    assertingFunction(1);
    EXPECT_EQ(assertingOutputFunction(4), 4);
}

TEST(CompatAssertDeathTest, IgnoresErrorRedirection) {
    /* An abort never disappears into a redirected stream */
    EXPECT_DEATH({
        std::ostringstream out;
        Utility::Error redirect{&out};
        assertingFunction(0);
    }, "expected a positive value, got 0");
}

TEST(CompatAssertDeathTest, InternalAssertionsNameTheExpressionAndLocation) {
    int a = 1, b = 2;
    EXPECT_DEATH(CORRADE_INTERNAL_ASSERT(a == b), "Assertion a == b failed at .*DebugTest\\.cpp:[0-9]+\n");
    EXPECT_DEATH(CORRADE_INTERNAL_ASSERT_OUTPUT(a + 1 == 3 && a == b), "Assertion a \\+ 1 == 3 && a == b failed at .*DebugTest\\.cpp:[0-9]+");
    EXPECT_DEATH(static_cast<void>(CORRADE_INTERNAL_ASSERT_EXPRESSION(a - 1)), "Assertion a - 1 failed at .*DebugTest\\.cpp:[0-9]+");
    EXPECT_DEATH(CORRADE_INTERNAL_ASSERT_UNREACHABLE(), "Reached unreachable code at .*DebugTest\\.cpp:[0-9]+");
    EXPECT_EQ(CORRADE_INTERNAL_ASSERT_EXPRESSION(a + 4), 5);
}

constexpr int checkedHalf(int value) {
    return CORRADE_CONSTEXPR_ASSERT(value % 2 == 0, "checkedHalf(): odd value" << value), value/2;
}

TEST(CompatAssertDeathTest, ConstexprAssertWorksAtCompileAndRunTime) {
    constexpr int half = checkedHalf(8);
    EXPECT_EQ(half, 4);
    volatile int odd = 7;
    EXPECT_DEATH(checkedHalf(odd), "checkedHalf\\(\\): odd value 7");
}

}}}
