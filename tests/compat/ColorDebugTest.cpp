#include <sstream>

#include <gtest/gtest.h>

#include <Corrade/Containers/EnumSet.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Color.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;

/* With Debug::Flag::Color eight-bit colours are squares of their colour,
   shaded by their lightness, and vectors of bytes are gray squares */

TEST(CompatColorDebug, Color3ubAsSquare) {
    std::ostringstream out;
    Debug{&out, Debug::Flag::Color} << Color3ub{0x33, 0x66, 0x99} << 1;
    EXPECT_EQ(out.str(), "\033[38;2;51;102;153m\033[48;2;51;102;153m\u2592\u2592\033[0m 1\n");
}

TEST(CompatColorDebug, Color3ubShadesWithoutColors) {
    std::ostringstream out;
    Debug{&out, Debug::Flag::Color|Debug::Flag::DisableColors}
        << Color3ub{0x10, 0x20, 0x30} << Color3ub{0x66, 0, 0} << Color3ub{0, 0x99, 0}
        << Color3ub{0, 0, 0xcc} << Color3ub{0xcd, 0, 0};
    EXPECT_EQ(out.str(), "   \u2591\u2591 \u2592\u2592 \u2593\u2593 \u2588\u2588\n");
}

TEST(CompatColorDebug, Color4ubBackgroundOnlyWhenAlphaIsAboveLightness) {
    std::ostringstream out;
    Debug{&out, Debug::Flag::Color} << Color4ub{0xff, 0xff, 0xff, 0x80};
    Debug{&out, Debug::Flag::Color} << Color4ub{0x20, 0x20, 0x20, 0xff};
    EXPECT_EQ(out.str(),
        "\033[38;2;255;255;255m\u2592\u2592\033[0m\n"
        "\033[38;2;32;32;32m\033[48;2;32;32;32m  \033[0m\n");
}

TEST(CompatColorDebug, WithoutTheFlagAsHex) {
    std::ostringstream out;
    Debug{&out} << Color3ub{0x33, 0x66, 0x99} << Color4ub{0x33, 0x66, 0x99, 0xcc};
    EXPECT_EQ(out.str(), "#336699 #336699cc\n");
}

TEST(CompatColorDebug, ByteVectorAsGraySquares) {
    std::ostringstream out;
    Debug{&out, Debug::Flag::Color|Debug::Flag::DisableColors} << Vector3ub{0, 128, 255};
    EXPECT_EQ(out.str(), "Vector(  , \u2592\u2592, \u2588\u2588)\n");
}

}}}
