#include <gtest/gtest.h>

#include <Corrade/Containers/ArrayView.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Packing.h>
#include <Magnum/Math/PackingBatch.h>
#include <Magnum/Math/Vector4.h>

using namespace Magnum;

TEST(CompatMathPacking, UnpackLimits) {
    EXPECT_EQ(Math::unpack<Float>(UnsignedByte(255)), 1.0f);
    EXPECT_EQ(Math::unpack<Float>(UnsignedByte(0)), 0.0f);
    EXPECT_EQ(Math::unpack<Float>(UnsignedShort(65535)), 1.0f);
    EXPECT_EQ(Math::unpack<Float>(UnsignedShort(0)), 0.0f);
    EXPECT_EQ(Math::unpack<Float>(Short(32767)), 1.0f);
    EXPECT_EQ(Math::unpack<Float>(Short(-32767)), -1.0f);
    /* The extra negative value is clamped */
    EXPECT_EQ(Math::unpack<Float>(Short(-32768)), -1.0f);
    EXPECT_EQ(Math::unpack<Float>(Byte(-128)), -1.0f);
    EXPECT_EQ(Math::unpack<Float>(Byte(0)), 0.0f);
    EXPECT_FLOAT_EQ(Math::unpack<Float>(UnsignedByte(51)), 0.2f);
    EXPECT_DOUBLE_EQ(Math::unpack<Double>(UnsignedInt(0xffffffffu)), 1.0);
    /* Only the given bit count is used for the range */
    EXPECT_EQ((Math::unpack<Float, UnsignedShort, 10>(1023)), 1.0f);
    EXPECT_EQ((Math::unpack<Float, 10>(UnsignedShort(1023))), 1.0f);
    EXPECT_EQ((Math::unpack<Float, Short, 10>(-511)), -1.0f);
}

TEST(CompatMathPacking, PackRounding) {
    struct Case { Float value; UnsignedShort us; Short s; UnsignedByte ub; Byte b; } cases[]{
        {0.0f, 0, 0, 0, 0},
        {1.0f, 65535, 32767, 255, 127},
        /* Halfway cases round away from zero */
        {0.5f, 32768, 16384, 128, 64},
        {0.25f, 16384, 8192, 64, 32},
        {0.1f, 6554, 3277, 26, 13},
    };
    for(const Case& c: cases) {
        EXPECT_EQ(Math::pack<UnsignedShort>(c.value), c.us) << c.value;
        EXPECT_EQ(Math::pack<Short>(c.value), c.s) << c.value;
        EXPECT_EQ(Math::pack<UnsignedByte>(c.value), c.ub) << c.value;
        EXPECT_EQ(Math::pack<Byte>(c.value), c.b) << c.value;
        EXPECT_EQ(Math::pack<Short>(-c.value), -c.s) << c.value;
        EXPECT_EQ(Math::pack<Byte>(-c.value), -c.b) << c.value;
    }
    EXPECT_EQ((Math::pack<UnsignedShort, 10>(1.0f)), 1023);
    EXPECT_EQ((Math::pack<UnsignedShort, UnsignedShort(10)>(0.5f)), 512);
    EXPECT_EQ(Math::pack<UnsignedInt>(1.0), 0xffffffffu);
}

TEST(CompatMathPacking, RoundTripAllBytes) {
    for(UnsignedInt i = 0; i != 256; ++i) {
        const UnsignedByte value = UnsignedByte(i);
        EXPECT_EQ(Math::pack<UnsignedByte>(Math::unpack<Float>(value)), value);
        const Byte signedValue = Byte(Int(i) - 128);
        /* -128 unpacks to -1 and packs back to -127 */
        EXPECT_EQ(Math::pack<Byte>(Math::unpack<Float>(signedValue)), signedValue == -128 ? -127 : signedValue);
    }
}

TEST(CompatMathPacking, Vectors) {
    EXPECT_EQ(Math::pack<Vector3ub>(Vector3(0.0f, 0.5f, 1.0f)), Vector3ub(0, 128, 255));
    EXPECT_EQ(Math::unpack<Vector2>(Vector2s(-32768, 16384)), Vector2(-1.0f, 16384.0f/32767.0f));
    EXPECT_EQ((Math::pack<Vector2us, 12>(Vector2(1.0f, 0.0f))), Vector2us(4095, 0));
}

TEST(CompatMathPackingBatch, StridedRows) {
    /* Rows of two components with a padding float after each */
    Float src[]{
        0.0f, 1.0f, 99.0f,
        0.5f, 0.25f, 99.0f,
        -0.5f, 0.1f, 99.0f
    };
    const Containers::StridedArrayView2D<const Float> srcView =
        Containers::StridedArrayView2D<const Float>{Containers::arrayView(src), {3, 3}}.slice({0, 0}, {3, 2});
    ASSERT_FALSE(srcView.isContiguous());
    ASSERT_TRUE(srcView.isContiguous<1>());

    UnsignedShort us[3][2]{};
    Math::packInto(srcView, Containers::StridedArrayView2D<UnsignedShort>{Containers::arrayView(&us[0][0], 6), {3, 2}});
    EXPECT_EQ(us[0][0], 0);
    EXPECT_EQ(us[0][1], 65535);
    EXPECT_EQ(us[1][0], 32768);
    EXPECT_EQ(us[1][1], 16384);
    EXPECT_EQ(us[2][1], 6554);

    /* Every second destination row, the rows between stay untouched */
    Short s[6][2]{};
    for(auto& row: s) row[0] = row[1] = 7;
    Math::packInto(srcView, Containers::StridedArrayView2D<Short>{Containers::arrayView(&s[0][0], 12), {6, 2}}.every({2, 1}));
    EXPECT_EQ(s[0][0], 0);
    EXPECT_EQ(s[0][1], 32767);
    EXPECT_EQ(s[1][0], 7);
    EXPECT_EQ(s[2][0], 16384);
    EXPECT_EQ(s[4][0], -16384);
    EXPECT_EQ(s[5][1], 7);

    Float back[3][2]{};
    Math::unpackInto(Containers::StridedArrayView2D<const UnsignedShort>{Containers::arrayView(&us[0][0], 6), {3, 2}},
        Containers::StridedArrayView2D<Float>{Containers::arrayView(&back[0][0], 6), {3, 2}});
    EXPECT_EQ(back[0][1], 1.0f);
    EXPECT_FLOAT_EQ(back[1][0], 32768.0f/65535.0f);
}

TEST(CompatMathPackingBatch, UnpackSignedClamps) {
    const Byte src[]{-128, -127, 0, 127};
    Float dst[4];
    Math::unpackInto(Containers::StridedArrayView2D<const Byte>{Containers::arrayView(src), {2, 2}},
        Containers::StridedArrayView2D<Float>{Containers::arrayView(dst), {2, 2}});
    EXPECT_EQ(dst[0], -1.0f);
    EXPECT_EQ(dst[1], -1.0f);
    EXPECT_EQ(dst[2], 0.0f);
    EXPECT_EQ(dst[3], 1.0f);
}

TEST(CompatMathPackingBatch, Cast) {
    const UnsignedShort src[]{0, 135, 65535, 7};
    Float floats[4];
    Math::castInto(Containers::StridedArrayView2D<const UnsignedShort>{Containers::arrayView(src), {4, 1}},
        Containers::StridedArrayView2D<Float>{Containers::arrayView(floats), {4, 1}});
    EXPECT_EQ(floats[1], 135.0f);
    EXPECT_EQ(floats[2], 65535.0f);

    UnsignedInt wide[4];
    Math::castInto(Containers::StridedArrayView2D<const UnsignedShort>{Containers::arrayView(src), {2, 2}},
        Containers::StridedArrayView2D<UnsignedInt>{Containers::arrayView(wide), {2, 2}});
    EXPECT_EQ(wide[2], 65535u);

    const Float negative[]{-3.7f, 2.9f};
    Int ints[2];
    Math::castInto(Containers::StridedArrayView2D<const Float>{Containers::arrayView(negative), {1, 2}},
        Containers::StridedArrayView2D<Int>{Containers::arrayView(ints), {1, 2}});
    EXPECT_EQ(ints[0], -3);
    EXPECT_EQ(ints[1], 2);
}

TEST(CompatMathPackingBatchDeathTest, Assertions) {
    Float src[6]{};
    UnsignedByte dst[6];
    EXPECT_DEATH(Math::packInto(
        Containers::StridedArrayView2D<const Float>{Containers::arrayView(src), {3, 2}},
        Containers::StridedArrayView2D<UnsignedByte>{Containers::arrayView(dst), {2, 2}}),
        "Math::packInto\\(\\): wrong destination size, got \\{2, 2\\} but expected \\{3, 2\\}");
    EXPECT_DEATH(Math::packInto(
        Containers::StridedArrayView2D<const Float>{Containers::arrayView(src), {2, 3}}.every({1, 2}),
        Containers::StridedArrayView2D<UnsignedByte>{Containers::arrayView(dst), {2, 2}}),
        "Math::packInto\\(\\): second source view dimension is not contiguous");
    EXPECT_DEATH(Math::unpackInto(
        Containers::StridedArrayView2D<const UnsignedByte>{Containers::arrayView(dst), {3, 2}},
        Containers::StridedArrayView2D<Float>{Containers::arrayView(src), {2, 3}}),
        "Math::unpackInto\\(\\): wrong destination size, got \\{2, 3\\} but expected \\{3, 2\\}");
}

namespace VelmoraEngine { namespace Test { namespace {

TEST(CompatPackingDeathTest, PackIntoNonContiguousDestination) {
    Float src[4]{};
    UnsignedByte dst[8];
    EXPECT_DEATH(Math::packInto(
        Containers::StridedArrayView2D<const Float>{Containers::arrayView(src), {2, 2}},
        Containers::StridedArrayView2D<UnsignedByte>{Containers::arrayView(dst), {2, 4}}.every({1, 2})),
        "Math::packInto\\(\\): second destination view dimension is not contiguous");
}

}}}
