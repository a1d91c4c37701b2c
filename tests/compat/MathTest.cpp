#include <sstream>

#include <gtest/gtest.h>

#include <Corrade/Utility/Debug.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/Matrix3.h>
#include <Magnum/Math/Matrix4.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/TypeTraits.h>

using namespace Magnum;
using namespace Magnum::Math::Literals;

namespace {

template<class T> std::string print(const T& value) {
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug{} << value;
    }
    return out.str();
}

}

TEST(CompatMathTypeTraits, FuzzyFloatAtEpsilonBoundary) {
    struct Case { Float a, b; bool equal; } cases[]{
        {1.0f, 1.000005f, true},        /* absolute difference below 1e-5 */
        {1.0f, 1.001f, false},
        {0.0f, 0.000001f, true},
        {0.0f, 0.00002f, false},
        {100000.0f, 100001.0f, true},   /* relative difference 5e-6 */
        {100000.0f, 100003.0f, false},  /* relative difference 1.5e-5 */
        {-1.0f, 1.0f, false},
        {Math::Constants<Float>::inf(), Math::Constants<Float>::inf(), true},
    };
    for(const Case& c: cases) {
        EXPECT_EQ(Math::TypeTraits<Float>::equals(c.a, c.b), c.equal) << c.a << " " << c.b;
        EXPECT_EQ(Math::equal(c.a, c.b), c.equal);
    }
    EXPECT_FLOAT_EQ(Math::TypeTraits<Float>::epsilon(), 1.0e-5f);
    EXPECT_DOUBLE_EQ(Math::TypeTraits<Double>::epsilon(), 1.0e-14);
    EXPECT_TRUE(Math::TypeTraits<Double>::equals(1.0, 1.0 + 1.0e-15));
    EXPECT_FALSE(Math::TypeTraits<Double>::equals(1.0, 1.0 + 1.0e-13));
    EXPECT_FALSE(Math::TypeTraits<Int>::equals(1, 2));
    EXPECT_STREQ(Math::TypeTraits<UnsignedShort>::name(), "UnsignedShort");
    /* Vector and unit comparisons go through the same fuzzy compare */
    EXPECT_EQ(Vector2(1.0f, 2.0f), Vector2(1.000005f, 2.0f));
    EXPECT_NE(Vector2(1.0f, 2.0f), Vector2(1.001f, 2.0f));
    EXPECT_EQ(Deg(90.0f), Deg(90.0001f));
}

TEST(CompatMathVector, ConstructAndAccess) {
    Vector3 a;
    EXPECT_EQ(a, Vector3(0.0f, 0.0f, 0.0f));
    Vector4 b{Vector3{1.0f, 2.0f, 3.0f}, 4.0f};
    EXPECT_EQ(b.xyz(), Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(b.w(), 4.0f);
    EXPECT_EQ(b.rgb().g(), 2.0f);
    b.xy() = {7.0f, 8.0f};
    EXPECT_EQ(b, Vector4(7.0f, 8.0f, 3.0f, 4.0f));
    EXPECT_EQ(Vector3i(Vector3{1.7f, -2.7f, 3.2f}), Vector3i(1, -2, 3));
    EXPECT_EQ((Math::Vector<5, Int>::pad(Vector2i{1, 2}, 9)), (Math::Vector<5, Int>{1, 2, 9, 9, 9}));
    EXPECT_EQ(Vector4i::pad(Vector2i{1, 2}, 0, 1), Vector4i(1, 2, 0, 1));
    Float data[]{1.0f, 2.0f};
    Vector2::from(data).y() = 5.0f;
    EXPECT_EQ(data[1], 5.0f);
    EXPECT_EQ(Vector3::yAxis(2.0f), Vector3(0.0f, 2.0f, 0.0f));
}

TEST(CompatMathVector, Arithmetic) {
    const Vector3 a{1.0f, 2.0f, 3.0f};
    EXPECT_EQ(a + a, Vector3(2.0f, 4.0f, 6.0f));
    EXPECT_EQ(2.0f*a - a/2.0f, Vector3(1.5f, 3.0f, 4.5f));
    EXPECT_EQ(6.0f/a, Vector3(6.0f, 3.0f, 2.0f));
    EXPECT_EQ(a*Vector3(2.0f, 0.5f, 1.0f), Vector3(2.0f, 1.0f, 3.0f));
    EXPECT_EQ(-a, Vector3(-1.0f, -2.0f, -3.0f));
    /* Integral vectors scaled by floats are computed in floating-point */
    EXPECT_EQ(Vector2i(3, 5)*1.5f, Vector2i(4, 7));
    EXPECT_EQ(0.5f*Vector2i(3, 5), Vector2i(1, 2));
    EXPECT_EQ(Vector2i(7, 9) % 4, Vector2i(3, 1));
    Vector2 c{1.0f, 2.0f};
    c *= 3.0f;
    c += Vector2{1.0f, 1.0f};
    EXPECT_EQ(c, Vector2(4.0f, 7.0f));

    EXPECT_FLOAT_EQ(Math::dot(a, Vector3(1.0f, 1.0f, 1.0f)), 6.0f);
    EXPECT_FLOAT_EQ(a.dot(), 14.0f);
    EXPECT_FLOAT_EQ(Vector2(3.0f, 4.0f).length(), 5.0f);
    EXPECT_EQ(Vector2(3.0f, 4.0f).normalized(), Vector2(0.6f, 0.8f));
    EXPECT_TRUE(Vector2(1.0f, 0.001f).isNormalized());
    EXPECT_FALSE(Vector2(1.0f, 0.01f).isNormalized());
    EXPECT_TRUE(Vector3(1.0e-6f, 0.0f, 0.0f).isZero());
    EXPECT_FALSE(Vector3(0.01f, 0.0f, 0.0f).isZero());
    EXPECT_EQ(a.sum(), 6.0f);
    EXPECT_EQ(a.product(), 6.0f);
    EXPECT_EQ(Vector3(2.0f, Math::Constants<Float>::nan(), -1.0f).min(), -1.0f);
    EXPECT_EQ(Vector3(Math::Constants<Float>::nan(), 5.0f, -1.0f).max(), 5.0f);
    const Containers::Pair<Int, Int> minmax = Vector3i(3, -2, 7).minmax();
    EXPECT_EQ(minmax.first(), -2);
    EXPECT_EQ(minmax.second(), 7);

    EXPECT_EQ(Math::cross(Vector3::xAxis(), Vector3::yAxis()), Vector3::zAxis());
    EXPECT_EQ(Math::cross(Vector2(1.0f, 0.0f), Vector2(0.0f, 2.0f)), 2.0f);
    EXPECT_EQ(Vector2i(1, 2).perpendicular(), Vector2i(-2, 1));
    EXPECT_FLOAT_EQ(Vector2(4.0f, 2.0f).aspectRatio(), 2.0f);
}

TEST(CompatMathVector, ComponentWiseComparison) {
    const BitVector3 less = Vector3(1.0f, 5.0f, 3.0f) < Vector3(2.0f, 2.0f, 4.0f);
    EXPECT_TRUE(less[0]);
    EXPECT_FALSE(less[1]);
    EXPECT_TRUE(less[2]);
    EXPECT_TRUE(less.any());
    EXPECT_FALSE(less.all());
    EXPECT_FALSE(less.none());
    EXPECT_TRUE((Vector2i(1, 2) <= Vector2i(1, 2)).all());
    EXPECT_TRUE((Vector2i(1, 2) > Vector2i(1, 2)).none());
    EXPECT_EQ(print(less), "BitVector(0b101)\n");
}

TEST(CompatMathVector, DebugOutput) {
    EXPECT_EQ(print(Vector3(1.0f, 2.5f, -3.0f)), "Vector(1, 2.5, -3)\n");
    /* Bytes are printed as numbers, not characters */
    EXPECT_EQ(print(Vector3ub(1, 65, 255)), "Vector(1, 65, 255)\n");
    EXPECT_EQ(print(Vector2i(-1, 2)), "Vector(-1, 2)\n");
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug{} << Utility::Debug::packed << Vector2(1.0f, 2.0f) << Vector2(3.0f, 4.0f);
    }
    EXPECT_EQ(out.str(), "{1, 2} Vector(3, 4)\n");
}

TEST(CompatMathColor, ConstructAndLiterals) {
    EXPECT_EQ(Color4(Color3(0.1f, 0.2f, 0.3f)), Color4(0.1f, 0.2f, 0.3f, 1.0f));
    EXPECT_EQ(Color4ub(Color3ub(1, 2, 3)), Color4ub(1, 2, 3, 255));
    EXPECT_EQ(Color4us(1, 2, 3).a(), 65535);
    EXPECT_EQ(Color4ub(0x10, 0x20).a(), 0x20);
    EXPECT_EQ(0xff3366_rgb, Color3ub(0xff, 0x33, 0x66));
    EXPECT_EQ(0xff3366aa_rgba, Color4ub(0xff, 0x33, 0x66, 0xaa));
    EXPECT_EQ(0x336600_rgbf, Color3(0.2f, 0.4f, 0.0f));
    EXPECT_EQ(0x3366ff00_rgbaf, Color4(0.2f, 0.4f, 1.0f, 0.0f));
    EXPECT_EQ(Color4(0.1f, 0.2f, 0.3f, 0.4f).rgb(), Color3(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(Color3::fromLinearRgbInt(0x33ff00).toLinearRgbInt(), 0x33ff00u);
}

TEST(CompatMathColor, DebugOutput) {
    EXPECT_EQ(print(0xff3366_rgb), "#ff3366\n");
    EXPECT_EQ(print(0x0a3366ff_rgba), "#0a3366ff\n");
    EXPECT_EQ(print(Color3(0.5f, 1.0f, 0.0f)), "Vector(0.5, 1, 0)\n");
}

TEST(CompatMathAngle, ConversionAndDebug) {
    EXPECT_FLOAT_EQ(Float(Rad(90.0_degf)), 1.5707964f);
    EXPECT_FLOAT_EQ(Float(Deg(Rad(Math::Constants<Float>::pi()))), 180.0f);
    EXPECT_DOUBLE_EQ(Double(Math::Deg<Double>(1.0_rad)), 57.295779513082323);
    EXPECT_EQ(2.0f*Deg(30.0f), Deg(60.0f));
    EXPECT_FLOAT_EQ(Deg(90.0f)/Deg(45.0f), 2.0f);
    EXPECT_EQ(print(Deg(90.0f)), "Deg(90)\n");
    EXPECT_EQ(print(Rad(1.5f)), "Rad(1.5)\n");
    EXPECT_FLOAT_EQ(Math::Constants<Float>::tau(), 2.0f*Math::Constants<Float>::pi());
    EXPECT_TRUE(Math::isNan(Math::Constants<Float>::nan()));
    EXPECT_TRUE(Math::isInf(-Math::Constants<Double>::inf()));
}

TEST(CompatMathFunctions, ScalarAndVector) {
    EXPECT_EQ(Math::log2(1u), 0u);
    EXPECT_EQ(Math::log2(2u), 1u);
    EXPECT_EQ(Math::log2(1023u), 9u);
    EXPECT_EQ(Math::log2(1024u), 10u);
    EXPECT_EQ(Math::log(10u, 999u), 2u);
    EXPECT_EQ(Math::round(2.5f), 3.0f);
    EXPECT_EQ(Math::round(-2.5f), -3.0f);
    EXPECT_EQ(Math::floor(Vector2(1.5f, -1.5f)), Vector2(1.0f, -2.0f));
    EXPECT_EQ(Math::ceil(Vector2(1.5f, -1.5f)), Vector2(2.0f, -1.0f));
    EXPECT_EQ(Math::fmod(-5.5f, 2.0f), -1.5f);
    EXPECT_EQ(Math::sign(-3), -1);
    EXPECT_EQ(Math::sign(Vector3(-2.0f, 0.0f, 0.5f)), Vector3(-1.0f, 0.0f, 1.0f));
    EXPECT_EQ(Math::abs(Vector2i(-3, 4)), Vector2i(3, 4));
    EXPECT_EQ(Math::min(Vector2i(1, 5), 3), Vector2i(1, 3));
    EXPECT_EQ(Math::max(Vector2i(1, 5), Vector2i(2, 4)), Vector2i(2, 5));
    EXPECT_EQ(Math::clamp(Vector2(-1.0f, 5.0f), 0.0f, 1.0f), Vector2(0.0f, 1.0f));
    EXPECT_EQ(Math::clamp(7, 0, 5), 5);
    const auto mm = Math::minmax(Vector2i(3, 1), Vector2i(2, 2));
    EXPECT_EQ(mm.first(), Vector2i(2, 1));
    EXPECT_EQ(mm.second(), Vector2i(3, 2));
    EXPECT_EQ(Math::sqrt(16.0f), 4.0f);
    EXPECT_EQ(Math::pow<3>(2), 8);
    EXPECT_EQ(Math::pow(Vector2(2.0f, 3.0f), 2.0f), Vector2(4.0f, 9.0f));
    const Containers::Pair<Int, Int> d = Math::div(57, 6);
    EXPECT_EQ(d.first(), 9);
    EXPECT_EQ(d.second(), 3);
}

TEST(CompatMathFunctions, Interpolation) {
    /* Exact at the ends, which (b - a)*t + a isn't for every input */
    EXPECT_EQ(Math::lerp(0.1f, 7.3f, 1.0f), 7.3f);
    EXPECT_EQ(Math::lerp(0.1f, 7.3f, 0.0f), 0.1f);
    EXPECT_EQ(Math::lerp(Vector2(0.0f, 1.0f), Vector2(2.0f, 3.0f), 0.25f), Vector2(0.5f, 1.5f));
    EXPECT_EQ(Math::lerp(Vector2i(0, 10), Vector2i(10, 20), 0.5f), Vector2i(5, 15));
    EXPECT_EQ(Math::lerp(Vector3i(1, 2, 3), Vector3i(4, 5, 6), BitVector3{0x5}), Vector3i(4, 2, 6));
    EXPECT_EQ(Math::lerp(1, 2, true), 2);
    EXPECT_FLOAT_EQ(Math::lerpInverted(2.0f, 6.0f, 3.0f), 0.25f);
    EXPECT_EQ(Math::select(1.0f, 2.0f, 0.99f), 1.0f);
    EXPECT_EQ(Math::select(1.0f, 2.0f, 1.0f), 2.0f);
}

TEST(CompatMathRange, Queries) {
    const Range2Di a{{0, 0}, {2, 2}};
    /* Minimum inclusive, maximum exclusive */
    EXPECT_TRUE(a.contains({0, 0}));
    EXPECT_TRUE(a.contains({1, 1}));
    EXPECT_FALSE(a.contains({2, 1}));
    EXPECT_FALSE(a.contains({-1, 1}));
    EXPECT_TRUE(a.contains(Range2Di{{0, 0}, {2, 2}}));
    EXPECT_FALSE(a.contains(Range2Di{{1, 1}, {3, 2}}));
    EXPECT_EQ(a.size(), Vector2i(2, 2));
    EXPECT_EQ(a.center(), Vector2i(1, 1));
    EXPECT_EQ(a.sizeX(), 2);
    EXPECT_EQ(a.topLeft(), Vector2i(0, 2));
    EXPECT_EQ(a.bottomRight(), Vector2i(2, 0));
    EXPECT_EQ(a.translated({1, 2}), Range2Di({1, 2}, {3, 4}));
    EXPECT_EQ(a.padded({1, 1}), Range2Di({-1, -1}, {3, 3}));
    EXPECT_EQ(a.scaled({2, 3}), Range2Di({0, 0}, {4, 6}));
    EXPECT_EQ(Range2D::fromSize({1.0f, 2.0f}, {3.0f, 4.0f}), Range2D({1.0f, 2.0f}, {4.0f, 6.0f}));
    EXPECT_EQ(Range2D::fromCenter({1.0f, 2.0f}, {3.0f, 4.0f}), Range2D({-2.0f, -2.0f}, {4.0f, 6.0f}));
    const Math::Range2D<UnsignedShort> b{{1, 2}, {5, 9}};
    EXPECT_EQ(b.sizeY(), 7);
    const Range3D c{{0.0f, 0.0f, 0.0f}, {1.0f, 2.0f, 3.0f}};
    EXPECT_EQ(c.sizeZ(), 3.0f);
    EXPECT_EQ(c.xy(), Range2D({0.0f, 0.0f}, {1.0f, 2.0f}));
}

TEST(CompatMathRange, JoinIntersect) {
    const Range2Di a{{0, 0}, {2, 2}};
    /* Touching edges don't intersect */
    const Range2Di touching{{2, 0}, {4, 2}};
    EXPECT_FALSE(Math::intersects(a, touching));
    EXPECT_EQ(Math::intersect(a, touching), Range2Di{});
    const Range2Di overlapping{{1, -1}, {5, 1}};
    EXPECT_TRUE(Math::intersects(a, overlapping));
    EXPECT_EQ(Math::intersect(a, overlapping), Range2Di({1, 0}, {2, 1}));
    EXPECT_EQ(Math::join(a, overlapping), Range2Di({0, -1}, {5, 2}));
    /* An empty range is ignored, even if positioned elsewhere */
    EXPECT_EQ(Math::join(a, Range2Di{{10, 10}, {10, 10}}), a);
    EXPECT_EQ(Math::join(Range2Di{{10, 10}, {10, 10}}, a), a);
    EXPECT_EQ(Math::join(Range1D{1.0f, 2.0f}, Range1D{3.0f, 4.0f}), Range1D(1.0f, 4.0f));
    EXPECT_FALSE(Math::intersects(Range1Di{0, 1}, Range1Di{1, 2}));
}

TEST(CompatMathRange, DebugOutput) {
    EXPECT_EQ(print(Range2Di({1, 2}, {3, 4})), "Range({1, 2}, {3, 4})\n");
    EXPECT_EQ(print(Range1D(1.5f, 2.0f)), "Range({1.5}, {2})\n");
    EXPECT_EQ(print(Range3D({1.0f, 2.0f, 3.0f}, {4.0f, 5.0f, 6.0f})), "Range({1, 2, 3}, {4, 5, 6})\n");
}

TEST(CompatMathQuaternion, Operations) {
    const Quaternion q = Quaternion::rotation(90.0_degf, Vector3::zAxis());
    EXPECT_EQ(q, Quaternion({0.0f, 0.0f, 0.707107f}, 0.707107f));
    EXPECT_TRUE(q.isNormalized());
    EXPECT_EQ(q.angle(), Rad(90.0_degf));
    EXPECT_EQ(q.axis(), Vector3::zAxis());
    EXPECT_EQ(q.transformVector(Vector3::xAxis()), Vector3::yAxis());
    EXPECT_EQ(q.transformVectorNormalized(Vector3::xAxis()), Vector3::yAxis());
    EXPECT_EQ(q*q, Quaternion::rotation(180.0_degf, Vector3::zAxis()));
    EXPECT_EQ(q*q.invertedNormalized(), Quaternion{});
    EXPECT_EQ(Quaternion({1.0f, 2.0f, 3.0f}, 4.0f).conjugated(), Quaternion({-1.0f, -2.0f, -3.0f}, 4.0f));
    EXPECT_EQ(Quaternion({0.0f, 0.0f, 0.0f}, 2.0f).inverted(), Quaternion({0.0f, 0.0f, 0.0f}, 0.5f));
    EXPECT_FLOAT_EQ(Math::dot(Quaternion({1.0f, 2.0f, 3.0f}, 4.0f), Quaternion({1.0f, 1.0f, 1.0f}, 1.0f)), 10.0f);
    EXPECT_EQ(Quaternion::fromMatrix(q.toMatrix()), q);
    EXPECT_EQ(q.toMatrix(), Matrix4::rotationZ(90.0_degf).rotationScaling());
    EXPECT_EQ(Math::halfAngle(Quaternion{}, q), Rad(45.0_degf));
    EXPECT_EQ(print(Quaternion({1.0f, 2.0f, 3.0f}, 4.0f)), "Quaternion({1, 2, 3}, 4)\n");
}

TEST(CompatMathQuaternion, Interpolation) {
    const Quaternion a;
    const Quaternion b = Quaternion::rotation(90.0_degf, Vector3::zAxis());
    const Quaternion half{{0.0f, 0.0f, 0.382683f}, 0.923880f};
    EXPECT_EQ(Math::slerp(a, b, 0.5f), half);
    EXPECT_EQ(Math::lerp(a, b, 0.5f), half);
    EXPECT_EQ(Math::slerp(a, b, 0.0f), a);
    EXPECT_EQ(Math::slerp(a, b, 1.0f), b);
    /* Long path: 135 degrees between a and -b, not the short 45 */
    EXPECT_EQ(Math::slerp(a, -b, 0.5f), Quaternion({0.0f, 0.0f, -0.923880f}, 0.382683f));
    EXPECT_EQ(Math::slerpShortestPath(a, -b, 0.5f), -half);
    EXPECT_EQ(Math::lerpShortestPath(a, -b, 0.5f), -half);
    /* Opposite inputs fall back to a linear interpolation instead of NaNs */
    EXPECT_EQ(Math::slerp(b, -b, 0.3f), -b);
    EXPECT_EQ(Math::slerp(b, b, 0.3f), b);
}

TEST(CompatMathMatrix, TransformAndInvert) {
    EXPECT_EQ(Matrix4{}, Matrix4::scaling({1.0f, 1.0f, 1.0f}));
    EXPECT_EQ(Matrix3x3(Math::IdentityInit, 2.0f).diagonal(), Vector3(2.0f));
    const Matrix4 t = Matrix4::translation({1.0f, 2.0f, 3.0f});
    EXPECT_EQ(t.transformPoint({1.0f, 1.0f, 1.0f}), Vector3(2.0f, 3.0f, 4.0f));
    EXPECT_EQ(t.transformVector({1.0f, 1.0f, 1.0f}), Vector3(1.0f, 1.0f, 1.0f));
    EXPECT_EQ(t[3], Vector4(1.0f, 2.0f, 3.0f, 1.0f));
    EXPECT_EQ(t.translation(), Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(Matrix4::rotationZ(90.0_degf).transformVector(Vector3::xAxis()), Vector3::yAxis());
    EXPECT_EQ(Matrix4::rotation(90.0_degf, Vector3::xAxis()), Matrix4::rotationX(90.0_degf));
    const Matrix4 m = t*Matrix4::rotationY(30.0_degf)*Matrix4::scaling({2.0f, 3.0f, 4.0f});
    EXPECT_EQ(m.inverted()*m, Matrix4{});
    EXPECT_EQ(m.scaling(), Vector3(2.0f, 3.0f, 4.0f));
    EXPECT_FLOAT_EQ(m.determinant(), 24.0f);
    EXPECT_EQ(m.normalMatrix()*Vector3::xAxis(), Vector3(0.5f*0.866025f, 0.0f, -0.5f*0.5f));
    const Matrix4 rigid = t*Matrix4::rotationX(40.0_degf);
    EXPECT_EQ(rigid.invertedRigid(), rigid.inverted());
    EXPECT_EQ(Matrix4::from(rigid.rotationScaling(), rigid.translation()), rigid);
    EXPECT_EQ(Matrix2x2(Vector2(1.0f, 2.0f), Vector2(3.0f, 4.0f)).transposed(), Matrix2x2(Vector2(1.0f, 3.0f), Vector2(2.0f, 4.0f)));
    EXPECT_FLOAT_EQ(Matrix3x3(Vector3(2.0f, 0.0f, 0.0f), Vector3(0.0f, 3.0f, 0.0f), Vector3(1.0f, 1.0f, 4.0f)).determinant(), 24.0f);

    const Matrix3 m3 = Matrix3::translation({1.0f, 2.0f})*Matrix3::rotation(90.0_degf);
    EXPECT_EQ(m3.transformPoint({1.0f, 0.0f}), Vector2(1.0f, 3.0f));
    EXPECT_EQ(m3.invertedRigid()*m3, Matrix3{});
    EXPECT_EQ(Matrix3::scaling({2.0f, 3.0f}).scaling(), Vector2(2.0f, 3.0f));
}

TEST(CompatMathMatrix, DebugOutput) {
    EXPECT_EQ(print(Matrix2x2(Vector2(1.0f, 2.0f), Vector2(3.0f, 4.0f))),
        "Matrix(1, 3,\n       2, 4)\n");
    EXPECT_EQ(print(Matrix3{}),
        "Matrix(1, 0, 0,\n       0, 1, 0,\n       0, 0, 1)\n");
}

namespace VelmoraEngine { namespace Test { namespace {

TEST(CompatMathVector, IsZeroComparesEachComponentFuzzily) {
    /* Its squared length is below the epsilon, the component itself isn't */
    EXPECT_FALSE(Vector3(0.001f, 0.0f, 0.0f).isZero());
    EXPECT_FALSE(Vector2(0.0f, -0.002f).isZero());
    EXPECT_TRUE(Vector3(1.0e-6f, -1.0e-6f, 0.0f).isZero());
    EXPECT_TRUE(Vector4{}.isZero());
    EXPECT_FALSE(Vector3i(0, 0, 1).isZero());
    EXPECT_TRUE(Vector3i(0, 0, 0).isZero());
}

TEST(CompatMathMatrix, NormalMatrixIsInverseTranspose) {
    /* The cofactor matrix would be the same up to the determinant, 64 here */
    const Matrix3x3 normal = Matrix4::scaling({2.0f, 4.0f, 8.0f}).normalMatrix();
    EXPECT_EQ(normal, (Matrix3x3{Vector3(0.5f, 0.0f, 0.0f), Vector3(0.0f, 0.25f, 0.0f), Vector3(0.0f, 0.0f, 0.125f)}));

    /* A shear moves the plane x = 0 to x = 2y, with the normal following */
    const Matrix4 shear{Vector4(1.0f, 0.0f, 0.0f, 0.0f), Vector4(2.0f, 1.0f, 0.0f, 0.0f), Vector4(0.0f, 0.0f, 1.0f, 0.0f), Vector4(0.0f, 0.0f, 0.0f, 1.0f)};
    EXPECT_EQ(shear.normalMatrix()*Vector3::xAxis(), Vector3(1.0f, -2.0f, 0.0f));
    EXPECT_EQ(Matrix4::translation({1.0f, 2.0f, 3.0f}).normalMatrix(), Matrix3x3{});
}

TEST(CompatMathMatrix, IsOrthogonalTakesAbsoluteDotProduct) {
    /* Unit columns with a negative dot product aren't orthogonal */
    EXPECT_FALSE((Matrix2x2{Vector2(1.0f, 0.0f), Vector2(-0.6f, 0.8f)}.isOrthogonal()));
    EXPECT_FALSE((Matrix2x2{Vector2(1.0f, 0.0f), Vector2(0.6f, 0.8f)}.isOrthogonal()));
    EXPECT_TRUE((Matrix2x2{Vector2(0.0f, 1.0f), Vector2(-1.0f, 0.0f)}.isOrthogonal()));
}

TEST(CompatMathMatrixDeathTest, InvertedOrthogonalOfNegativelySkewedMatrix) {
    EXPECT_DEATH((Matrix2x2{Vector2(1.0f, 0.0f), Vector2(-0.6f, 0.8f)}.invertedOrthogonal()),
        "Math::Matrix::invertedOrthogonal\\(\\): the matrix is not orthogonal:");
}

TEST(CompatMathMatrix, PerspectiveProjectionMultipliesByAspectReciprocal) {
    /* Dividing by the aspect ratio instead differs in the last bit here */
    const Matrix4 m = Matrix4::perspectiveProjection(Rad(1.1f), 0.383700013f, 0.5f, 100.0f);
    EXPECT_EQ(m[1][1], 0x1.406cep-1f);
    EXPECT_EQ(m[2][3], -1.0f);
    EXPECT_EQ(m[3][3], 0.0f);
}

TEST(CompatMathColorDeathTest, FromHsvWithNanHue) {
    EXPECT_DEATH(Color3::fromHsv({Deg(Math::Constants<Float>::nan()), 1.0f, 1.0f}),
        "Reached unreachable code at ");
}

}}}
