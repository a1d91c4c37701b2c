#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include <Corrade/Containers/String.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Format.h>
#include <Corrade/Utility/FormatStl.h>

using namespace Corrade;
using namespace Corrade::Containers::Literals;

namespace {

TEST(CompatFormat, TextAndEscapes) {
    EXPECT_EQ(Utility::formatString(""), "");
    EXPECT_EQ(Utility::formatString("hello"), "hello");
    EXPECT_EQ(Utility::formatString("typedef struct {{ int a; }} Type;"),
        "typedef struct { int a; } Type;");
    EXPECT_EQ(Utility::formatString("{{}}{}{{", 3), "{}3{");
}

TEST(CompatFormat, Integers) {
    EXPECT_EQ(Utility::formatString("{}", (signed char)-15), "-15");
    /* Characters are printed as numbers */
    EXPECT_EQ(Utility::formatString("{}", 'A'), "65");
    EXPECT_EQ(Utility::formatString("{}", (unsigned char)230), "230");
    EXPECT_EQ(Utility::formatString("{}", (short)-32001), "-32001");
    EXPECT_EQ(Utility::formatString("{}", (unsigned short)62750), "62750");
    EXPECT_EQ(Utility::formatString("{}", -2000123), "-2000123");
    EXPECT_EQ(Utility::formatString("{}", 4025136u), "4025136");
    EXPECT_EQ(Utility::formatString("{}", -2000123l), "-2000123");
    EXPECT_EQ(Utility::formatString("{}", 4025136ul), "4025136");
    EXPECT_EQ(Utility::formatString("{}", -12345678901234ll), "-12345678901234");
    EXPECT_EQ(Utility::formatString("{}", 24568780984912ull), "24568780984912");
    EXPECT_EQ(Utility::formatString("{} {}", std::numeric_limits<long long>::min(), std::numeric_limits<unsigned long long>::max()),
        "-9223372036854775808 18446744073709551615");
}

TEST(CompatFormat, IntegerBases) {
    EXPECT_EQ(Utility::formatString("{:o}", 0777), "777");
    EXPECT_EQ(Utility::formatString("{:o}", 0777ull), "777");
    EXPECT_EQ(Utility::formatString("{:d}", 1234), "1234");
    EXPECT_EQ(Utility::formatString("{:d}", 1234ull), "1234");
    EXPECT_EQ(Utility::formatString("{:x}", 0xdead), "dead");
    EXPECT_EQ(Utility::formatString("{:x}", 0xdeadbeefcafebabeull), "deadbeefcafebabe");
    EXPECT_EQ(Utility::formatString("{:X}", 0xDEAD), "DEAD");
    EXPECT_EQ(Utility::formatString("{:X}", 0xDEADBEEFCAFEBABEULL), "DEADBEEFCAFEBABE");
}

TEST(CompatFormat, IntegerPrecision) {
    /* Default keeps the zero */
    EXPECT_EQ(Utility::formatString("{}!", 0), "0!");
    EXPECT_EQ(Utility::formatString("{}!", 0u), "0!");
    EXPECT_EQ(Utility::formatString("{}!", 0ll), "0!");
    EXPECT_EQ(Utility::formatString("{}!", 0ull), "0!");

    /* Zero precision and a zero value print nothing */
    EXPECT_EQ(Utility::formatString("{:.0}!", 0), "!");
    EXPECT_EQ(Utility::formatString("{:.0}!", 0u), "!");
    EXPECT_EQ(Utility::formatString("{:.0}!", 0ll), "!");
    EXPECT_EQ(Utility::formatString("{:.0}!", 0ull), "!");

    /* Smaller precision doesn't cut */
    EXPECT_EQ(Utility::formatString("{:.2}", 1536), "1536");
    EXPECT_EQ(Utility::formatString("{:.2}", 1536ull), "1536");

    /* Larger pads with zeros from the left */
    EXPECT_EQ(Utility::formatString("{:.15}", 1536), "000000000001536");
    EXPECT_EQ(Utility::formatString("{:.15}", 1536u), "000000000001536");
    EXPECT_EQ(Utility::formatString("{:.15}", 1536ll), "000000000001536");
    EXPECT_EQ(Utility::formatString("{:.15}", 1536ull), "000000000001536");
    EXPECT_EQ(Utility::formatString("{:.6x}", 0xb), "00000b");
}

TEST(CompatFormat, FloatingPointDefault) {
    EXPECT_EQ(Utility::formatString("{}", 12.34f), "12.34");
    EXPECT_EQ(Utility::formatString("{}", -1.32e+07f), "-1.32e+07");
    EXPECT_EQ(Utility::formatString("{}", 12.3404), "12.3404");
    EXPECT_EQ(Utility::formatString("{}", -1.32e+37), "-1.32e+37");
    EXPECT_EQ(Utility::formatString("{}", 12.3404l), "12.3404");
    EXPECT_EQ(Utility::formatString("{}", -1.32e+67l), "-1.32e+67");

    /* 6, 15 and 18 significant digits, the trailing float checks that the
       precision doesn't leak into the next placeholder */
    EXPECT_EQ(Utility::formatString("{} {} {} {}",
        3.1415926535897932384626f, -12345.67890123456789f, 1.234567890123456789e-12f, 3.141592653589793f),
        "3.14159 -12345.7 1.23457e-12 3.14159");
    EXPECT_EQ(Utility::formatString("{} {} {} {}",
        3.1415926535897932384626, -12345.67890123456789, 1.234567890123456789e-12, 3.141592653589793f),
        "3.14159265358979 -12345.6789012346 1.23456789012346e-12 3.14159");
    if(sizeof(long double) > sizeof(double)) {
        EXPECT_EQ(Utility::formatString("{} {} {} {}",
            3.1415926535897932384626l, -12345.67890123456789l, 1.234567890123456789e-12l, 3.141592653589793f),
            "3.14159265358979324 -12345.6789012345679 1.23456789012345679e-12 3.14159");
    }
}

TEST(CompatFormat, FloatingPointTypes) {
    const struct {
        const char* format;
        float f;
        double d;
        const char* expectedFloat;
        const char* expectedDouble;
    } data[]{
        {"{}", 1234.0e5f, 1234.0e5, "1.234e+08", "123400000"},
        {"{:g}", 1234.0e5f, 1234.0e5, "1.234e+08", "123400000"},
        {"{:G}", 1234.0e5f, 1234.0e5, "1.234E+08", "123400000"},
        {"{:.3}", 12.34567f, 12.34567, "12.3", "12.3"},
        {"{:.3g}", 1.0f, 1.0, "1", "1"},
        {"{:e}", 1234.0e5f, 1234.0e5, "1.234000e+08", "1.234000000000000e+08"},
        {"{:E}", 1234.0e5f, 1234.0e5, "1.234000E+08", "1.234000000000000E+08"},
        {"{:.3e}", 12.34567f, 12.34567, "1.235e+01", "1.235e+01"},
        {"{:.3E}", 1.0f, 1.0, "1.000E+00", "1.000E+00"},
        {"{:f}", 1234.0e5f, 1234.0e5, "123400000.000000", "123400000.000000000000000"},
        {"{:F}", 1234.0e5f, 1234.0e5, "123400000.000000", "123400000.000000000000000"},
        {"{:.3f}", 12.34567f, 12.34567, "12.346", "12.346"},
        {"{:.3F}", 1.0f, 1.0, "1.000", "1.000"},
    };
    for(const auto& i: data) {
        SCOPED_TRACE(i.format);
        EXPECT_EQ(Utility::formatString(i.format, i.f), i.expectedFloat);
        EXPECT_EQ(Utility::formatString(i.format, i.d), i.expectedDouble);
    }

    if(sizeof(long double) > sizeof(double)) {
        EXPECT_EQ(Utility::formatString("{:e}", 1234.0e5l), "1.234000000000000000e+08");
        EXPECT_EQ(Utility::formatString("{:f}", 1234.0e5l), "123400000.000000000000000000");
    }
    EXPECT_EQ(Utility::formatString("{:.3f}", 12.34567l), "12.346");

    EXPECT_EQ(Utility::formatString("{:f}", std::numeric_limits<float>::quiet_NaN()), "nan");
    EXPECT_EQ(Utility::formatString("{:F}", std::numeric_limits<float>::quiet_NaN()), "NAN");
}

TEST(CompatFormat, Strings) {
    /* Stops at the first zero byte */
    EXPECT_EQ(Utility::formatString("hello {}", "world\0, i guess?"), "hello world");
    EXPECT_EQ(Utility::formatString("hello {}", false ? "world" : "nobody"), "hello nobody");
    char mutableChars[]{'y', 'o', '\0'};
    EXPECT_EQ(Utility::formatString("{}!", static_cast<char*>(mutableChars)), "yo!");

    /* Views keep zero bytes */
    EXPECT_EQ(Utility::formatString("hello {}", "worlds"_s.exceptSuffix(1)), "hello world");
    EXPECT_EQ(Utility::formatString("hello {}", "world\0, i guess?"_s),
        (std::string{"hello world\0, i guess?", 22}));

    Containers::String string = "world";
    EXPECT_EQ(Utility::formatString("hello {}", Containers::MutableStringView{string}), "hello world");
    EXPECT_EQ(Utility::formatString("hello {}", string), "hello world");
    EXPECT_EQ(Utility::formatString("hello {}", std::string{"worlds", 5}), "hello world");
    EXPECT_EQ(Utility::formatString("hello {}", std::string{"world\0, i guess?", 16}),
        (std::string{"hello world\0, i guess?", 22}));

    /* Precision cuts */
    EXPECT_EQ(Utility::formatString("{:.4}", "hello world"), "hell");
    EXPECT_EQ(Utility::formatString("{:.4}", "hello world"_s), "hell");
    EXPECT_EQ(Utility::formatString("{:.20}", "hello world"), "hello world");
}

enum: unsigned long long { SomeValue = 12345678901234ull };
enum class Flag: unsigned char { Value = 231 };

TEST(CompatFormat, Enums) {
    EXPECT_EQ(Utility::formatString("value: {}", SomeValue), "value: 12345678901234");
}

TEST(CompatFormat, Placeholders) {
    EXPECT_EQ(Utility::formatString("so I got {} {}, {} and {} and all that for {}€!",
        2, "beers", "a goulash", "a soup", 8.70f),
        "so I got 2 beers, a goulash and a soup and all that for 8.7€!");

    /* Numbered, repeated */
    EXPECT_EQ(Utility::formatString("<{0}>HTML, <{1}>amirite</{1}>?</{0}>", "p", "strong"),
        "<p>HTML, <strong>amirite</strong>?</p>");
    EXPECT_EQ(Utility::formatString("{0:x}{1:X}{0:x}", 0xdead, 0xface), "deadFACEdead");
    EXPECT_EQ(Utility::formatString("{0:.1}{:.6}{0:.1}", 5, 0), "50000005");
    EXPECT_EQ(Utility::formatString("{0:.1X}{:.6x}{0:.1X}", 0xb, 0), "B000000B");

    /* An implicit placeholder continues after the previous one */
    EXPECT_EQ(Utility::formatString("this {1} {} {0}, {}", "wrong", "is", "certainly"),
        "this is certainly wrong, is");

    /* An empty format specifier */
    EXPECT_EQ(Utility::formatString("{0:}*9 = {:}", 6, 42), "6*9 = 42");
}

TEST(CompatFormat, PlaceholderArgumentMismatch) {
    /* Extra arguments are ignored */
    EXPECT_EQ(Utility::formatString("{}!", 42, "but this is", "not visible", 1337), "42!");
    /* Extra placeholders are copied verbatim */
    EXPECT_EQ(Utility::formatString("{} + {} = {13}!", 42, "a"), "42 + a = {13}!");
    EXPECT_EQ(Utility::formatString("{} and {}", 1), "1 and {}");
    EXPECT_EQ(Utility::formatString("{0} {1:.3x}"), "{0} {1:.3x}");
}

TEST(CompatFormat, ToString) {
    Containers::String a = Utility::format("hello, {}!", "world");
    EXPECT_EQ(a, "hello, world!"_s);
    EXPECT_EQ(a.size(), 13u);

    Containers::String b = Utility::format("hello {}", 42);
    EXPECT_EQ(b, "hello 42"_s);

    EXPECT_EQ(Utility::format(""), ""_s);
}

TEST(CompatFormat, IntoBuffer) {
    char buffer[15]{};
    buffer[13] = '?';
    /* No null terminator is written */
    EXPECT_EQ(Utility::formatInto(buffer, "hello, {}!", "world"), 13u);
    EXPECT_EQ(std::string{buffer}, "hello, world!?");

}

TEST(CompatFormat, IntoStlString) {
    /* Appending, the returned size includes the offset */
    std::string hello = "hello";
    EXPECT_EQ(Utility::formatInto(hello, hello.size(), ", {}!", "world"), 13u);
    EXPECT_EQ(hello, "hello, world!");

    /* Overwriting inside doesn't change the size */
    std::string inside = "hello, __________! Happy to see you!";
    EXPECT_EQ(Utility::formatInto(inside, 8, "Frank"), 13u);
    EXPECT_EQ(inside, "hello, _Frank____! Happy to see you!");
    EXPECT_EQ(inside.size(), 36u);
}

TEST(CompatFormat, IntoFile) {
    std::FILE* const file = std::tmpfile();
    ASSERT_TRUE(file);
    Utility::formatInto(file, "A {} {} {} {} {} {} + ({}) {}",
        "string", std::string{"file"}, -2000123, 4025136u, -12345678901234ll, 24568780984912ull, 12.3404f, 1.52);
    std::rewind(file);
    char contents[128]{};
    const std::size_t size = std::fread(contents, 1, sizeof(contents) - 1, file);
    std::fclose(file);
    EXPECT_EQ((std::string{contents, size}),
        "A string file -2000123 4025136 -12345678901234 24568780984912 + (12.3404) 1.52");
}

TEST(CompatFormat, Assertions) {
    char buffer[128];
    EXPECT_DEATH(Utility::formatInto(buffer, "{"),
        "Utility::format\\(\\): unexpected end of format string");
    EXPECT_DEATH(Utility::formatInto(buffer, "{123545"),
        "Utility::format\\(\\): unexpected end of format string");
    EXPECT_DEATH(Utility::formatInto(buffer, "}"),
        "Utility::format\\(\\): mismatched }");
    EXPECT_DEATH(Utility::formatInto(buffer, "a; } foo;"),
        "Utility::format\\(\\): mismatched }");
    EXPECT_DEATH(Utility::formatInto(buffer, "{name}"),
        "Utility::format\\(\\): unknown placeholder content: n");
    EXPECT_DEATH(Utility::formatInto(buffer, "{1:xe}"),
        "Utility::format\\(\\): unknown placeholder content: e");
    EXPECT_DEATH(Utility::formatInto(buffer, "{1:.x}"),
        "Utility::format\\(\\): invalid character in precision specifier: x");
    EXPECT_DEATH(Utility::formatInto(buffer, "{:H}"),
        "Utility::format\\(\\): invalid type specifier: H");
    EXPECT_DEATH(Utility::formatInto(buffer, "{:x}", "dead"),
        "Utility::format\\(\\): type specifier can't be used for a string value");
    EXPECT_DEATH(Utility::formatInto(buffer, "{:g}", 123456),
        "Utility::format\\(\\): floating-point type used for an integral value");
    EXPECT_DEATH(Utility::formatInto(buffer, "{:x}", 123456.0),
        "Utility::format\\(\\): integral type used for a floating-point value");

    char small[20];
    EXPECT_DEATH(Utility::formatInto(Containers::MutableStringView{small, 10}, "{}", "hello this is big"),
        "Utility::formatInto\\(\\): buffer too small, expected at least 17 but got 10");
    EXPECT_DEATH(Utility::formatInto(Containers::MutableStringView{small, 10}, "hello is {} big", "this"),
        "Utility::formatInto\\(\\): buffer too small, expected at least 13 but got 10");
}

}

namespace VelmoraEngine { namespace Test { namespace {

TEST(CompatFormat, IntoExactlySizedBufferKeepsTheLastByteForTerminator) {
    /* The number is cut short by one digit to fit a terminating zero, the
       returned size is still the full one and nothing past the view is
       touched */
    char view[10];
    std::memset(view, '?', sizeof(view));
    EXPECT_EQ(Utility::formatInto(Containers::MutableStringView{view, 8}, "hello {}", 42), 8u);
    EXPECT_EQ((std::string{view, 9}), (std::string{"hello 4\0?", 9}));
}

TEST(CompatFormat, IntoLargerBufferTerminatesAfterNumber) {
    char buffer[12];
    std::memset(buffer, '?', sizeof(buffer));
    EXPECT_EQ(Utility::formatInto(buffer, "{}", 3.5f), 3u);
    EXPECT_EQ((std::string{buffer, 5}), (std::string{"3.5\0?", 5}));

    /* Text after the number overwrites the terminator and gets none itself */
    std::memset(buffer, '?', sizeof(buffer));
    EXPECT_EQ(Utility::formatInto(buffer, "{} apples", 7), 8u);
    EXPECT_EQ((std::string{buffer, 9}), "7 apples?");

    /* Strings don't get a terminator either */
    std::memset(buffer, '?', sizeof(buffer));
    EXPECT_EQ(Utility::formatInto(buffer, "{}", "pear"), 4u);
    EXPECT_EQ((std::string{buffer, 5}), "pear?");
}

TEST(CompatFormat, FormatFitsNumberAtTheEnd) {
    /* The String's own terminator byte takes the zero, so the number isn't
       cut short */
    EXPECT_EQ(Utility::format("{}", 123456789), "123456789"_s);
    EXPECT_EQ(Utility::format("x{}", -2.5), "x-2.5"_s);
    EXPECT_EQ(Utility::formatString("value {}", 65535u), "value 65535");
}

TEST(CompatFormat, NegativeIntegersInOctalAndHexAreTwosComplement) {
    EXPECT_EQ(Utility::format("{:x}", -1), "ffffffff"_s);
    EXPECT_EQ(Utility::format("{:X}", -2), "FFFFFFFE"_s);
    EXPECT_EQ(Utility::format("{:o}", -8), "37777777770"_s);
    EXPECT_EQ(Utility::format("{:x}", -1ll), "ffffffffffffffff"_s);
    /* Narrow types are formatted as int */
    EXPECT_EQ(Utility::format("{:x}", static_cast<signed char>(-1)), "ffffffff"_s);
    EXPECT_EQ(Utility::format("{:x}", static_cast<short>(-1)), "ffffffff"_s);
    EXPECT_EQ(Utility::format("{:.4x}", -1), "ffffffff"_s);
    EXPECT_EQ(Utility::format("{:.4x}", 10), "000a"_s);
    EXPECT_EQ(Utility::format("{}", -2147483647 - 1), "-2147483648"_s);
}

TEST(CompatFormat, CharIsANumber) {
    EXPECT_EQ(Utility::format("{}", 'a'), "97"_s);
    EXPECT_EQ(Utility::format("{:c}", 'a'), "a"_s);
    EXPECT_EQ(Utility::format("{:c}", 66u), "B"_s);
}

TEST(CompatFormat, Bool) {
    EXPECT_EQ(Utility::format("{} {}", true, false), "1 0"_s);
    EXPECT_EQ(Utility::format("{:x}", true), "1"_s);
    EXPECT_EQ(Utility::format("{:.3}", true), "001"_s);
}

TEST(CompatFormatDeathTest, BinaryIsNotAType) {
    EXPECT_DEATH(Utility::format("{:b}", 5),
        "Utility::format\\(\\): invalid type specifier: b");
}

TEST(CompatFormatDeathTest, CharacterFrom64BitValue) {
    EXPECT_DEATH(Utility::format("{:c}", 65ll),
        "Utility::format\\(\\): character type used for a 64-bit value");
}

TEST(CompatFormatDeathTest, CharacterFromBool) {
    EXPECT_DEATH(Utility::format("{:c}", true),
        "Utility::format\\(\\): character type used for a boolean value");
}

TEST(CompatFormatDeathTest, CharacterFromFloat) {
    EXPECT_DEATH(Utility::format("{:c}", 1.5f),
        "Utility::format\\(\\): character type used for a floating-point value");
}

}}}
