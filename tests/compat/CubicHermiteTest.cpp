#include <sstream>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Magnum.h>
#include <Magnum/Animation/Interpolation.h>
#include <Magnum/Animation/Track.h>
#include <Magnum/Math/CubicHermite.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Trade/AnimationData.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using namespace Magnum;

typedef Math::Vector3<Float> Vec3;
typedef Math::Quaternion<Float> Quat;
typedef Math::CubicHermite<Vec3> Hermite3;
typedef Math::CubicHermite<Quat> HermiteQuat;

/* One segment used throughout: the first point's in-tangent and the second
   point's out-tangent don't take part */
const Hermite3 SegmentA{Vec3{9.0f, 9.0f, 9.0f}, Vec3{1.0f, 0.0f, 0.0f}, Vec3{2.0f, 0.0f, 0.0f}};
const Hermite3 SegmentB{Vec3{0.0f, 4.0f, 0.0f}, Vec3{3.0f, 2.0f, 0.0f}, Vec3{-9.0f, -9.0f, -9.0f}};

TEST(CompatCubicHermite, ConstructsAndAccesses) {
    const Hermite3 a{Vec3{1.0f, 2.0f, 3.0f}, Vec3{4.0f, 5.0f, 6.0f}, Vec3{7.0f, 8.0f, 9.0f}};
    EXPECT_EQ(a.inTangent(), (Vec3{1.0f, 2.0f, 3.0f}));
    EXPECT_EQ(a.point(), (Vec3{4.0f, 5.0f, 6.0f}));
    EXPECT_EQ(a.outTangent(), (Vec3{7.0f, 8.0f, 9.0f}));
    EXPECT_EQ(a.data()[1], (Vec3{4.0f, 5.0f, 6.0f}));
    EXPECT_EQ(sizeof(Hermite3), 3*sizeof(Vec3));

    Hermite3 b = a;
    EXPECT_TRUE(a == b);
    b.point().y() = 0.0f;
    EXPECT_TRUE(a != b);
    b.inTangent() = Vec3{};
    b.outTangent() = Vec3{1.0f};
    EXPECT_EQ(b, (Hermite3{Vec3{}, Vec3{4.0f, 0.0f, 6.0f}, Vec3{1.0f}}));

    /* Default construction gives an identity point where the type has one,
       always zero tangents */
    EXPECT_EQ(Hermite3{}, (Hermite3{Vec3{}, Vec3{}, Vec3{}}));
    EXPECT_EQ(Hermite3{Math::ZeroInit}, (Hermite3{Vec3{}, Vec3{}, Vec3{}}));
    EXPECT_EQ(HermiteQuat{}.point(), Quat{});
    EXPECT_EQ(HermiteQuat{}.inTangent(), Quat{Math::ZeroInit});
    EXPECT_EQ(HermiteQuat{}.outTangent(), Quat{Math::ZeroInit});
    EXPECT_EQ(HermiteQuat{Math::IdentityInit}.point(), Quat{});
    EXPECT_EQ(HermiteQuat{Math::ZeroInit}.point(), Quat{Math::ZeroInit});
    EXPECT_EQ(Math::CubicHermite1D<Float>{}.point(), 0.0f);

    /* Conversion between underlying types */
    const Math::CubicHermite<Math::Vector3<Double>> d{a};
    EXPECT_EQ(d.outTangent(), (Math::Vector3<Double>{7.0, 8.0, 9.0}));
}

TEST(CompatCubicHermite, TypedefsNameTheUnderlyingTypes) {
    EXPECT_TRUE((std::is_same<CubicHermite1D, Math::CubicHermite<Float>>::value));
    EXPECT_TRUE((std::is_same<CubicHermite2D, Math::CubicHermite<Math::Vector2<Float>>>::value));
    EXPECT_TRUE((std::is_same<CubicHermite3D, Math::CubicHermite<Math::Vector3<Float>>>::value));
    EXPECT_TRUE((std::is_same<CubicHermiteQuaternion, Math::CubicHermite<Math::Quaternion<Float>>>::value));
    EXPECT_TRUE((std::is_same<CubicHermite3Dd, Math::CubicHermite<Math::Vector3<Double>>>::value));
    EXPECT_TRUE((std::is_same<Math::CubicHermite3D<Float>, CubicHermite3D>::value));
    EXPECT_TRUE((std::is_same<Math::CubicHermiteQuaternion<Float>, CubicHermiteQuaternion>::value));
}

TEST(CompatCubicHermite, Prints) {
    std::ostringstream out;
    Utility::Debug{&out} << Hermite3{Vec3{1.0f, 2.0f, 3.0f}, Vec3{4.0f, 5.0f, 6.0f}, Vec3{7.0f, 8.0f, 9.0f}};
    EXPECT_EQ(out.str(), "CubicHermite(Vector(1, 2, 3), Vector(4, 5, 6), Vector(7, 8, 9))\n");
}

struct InterpolateCase {
    const char* name;
    Float t;
    Vec3 selected, linear, spline;
};

/* Spline values by hand: with t² and t³ the basis is
   h00 = 2t³ - 3t² + 1, h10 = t³ - 2t² + t, h01 = 3t² - 2t³, h11 = t³ - t²,
   applied to A's point (1, 0, 0), A's out-tangent (2, 0, 0), B's point
   (3, 2, 0) and B's in-tangent (0, 4, 0).
   t = 0.25: h00 = 0.84375, h10 = 0.140625, h01 = 0.15625, h11 = -0.046875,
             x = 0.84375 + 0.28125 + 0.46875 = 1.59375,
             y = 0.3125 - 0.1875 = 0.125
   t = 0.5: h00 = 0.5, h10 = 0.125, h01 = 0.5, h11 = -0.125,
            x = 0.5 + 0.25 + 1.5 = 2.25, y = 1 - 0.5 = 0.5 */
const InterpolateCase InterpolateData[]{
    {"Start", 0.0f, Vec3{1.0f, 0.0f, 0.0f}, Vec3{1.0f, 0.0f, 0.0f}, Vec3{1.0f, 0.0f, 0.0f}},
    {"Quarter", 0.25f, Vec3{1.0f, 0.0f, 0.0f}, Vec3{1.5f, 0.5f, 0.0f}, Vec3{1.59375f, 0.125f, 0.0f}},
    {"Half", 0.5f, Vec3{1.0f, 0.0f, 0.0f}, Vec3{2.0f, 1.0f, 0.0f}, Vec3{2.25f, 0.5f, 0.0f}},
    {"End", 1.0f, Vec3{3.0f, 2.0f, 0.0f}, Vec3{3.0f, 2.0f, 0.0f}, Vec3{3.0f, 2.0f, 0.0f}},
};

class CompatCubicHermiteInterpolate: public testing::TestWithParam<InterpolateCase> {};

TEST_P(CompatCubicHermiteInterpolate, SelectLerpSplerp) {
    const InterpolateCase& data = GetParam();
    EXPECT_EQ(Math::select(SegmentA, SegmentB, data.t), data.selected);
    EXPECT_EQ(Math::lerp(SegmentA, SegmentB, data.t), data.linear);
    EXPECT_EQ(Math::splerp(SegmentA, SegmentB, data.t), data.spline);
}

TEST_P(CompatCubicHermiteInterpolate, InterpolatorFor) {
    const InterpolateCase& data = GetParam();
    EXPECT_EQ(Animation::interpolatorFor<Hermite3>(Animation::Interpolation::Constant)(SegmentA, SegmentB, data.t), data.selected);
    EXPECT_EQ(Animation::interpolatorFor<Hermite3>(Animation::Interpolation::Linear)(SegmentA, SegmentB, data.t), data.linear);
    EXPECT_EQ(Animation::interpolatorFor<Hermite3>(Animation::Interpolation::Spline)(SegmentA, SegmentB, data.t), data.spline);
}

INSTANTIATE_TEST_SUITE_P(CompatPhases, CompatCubicHermiteInterpolate, testing::ValuesIn(InterpolateData),
    [](const testing::TestParamInfo<InterpolateCase>& info) { return std::string{info.param.name}; });

TEST(CompatCubicHermite, ScalarSplerp) {
    const Math::CubicHermite1D<Float> a{9.0f, 1.0f, 2.0f};
    const Math::CubicHermite1D<Float> b{4.0f, 3.0f, 9.0f};
    /* 0.5*1 + 0.125*2 + 0.5*3 - 0.125*4 */
    EXPECT_EQ(Math::splerp(a, b, 0.5f), 1.75f);
    EXPECT_EQ(Animation::interpolatorFor<Math::CubicHermite1D<Float>>(Animation::Interpolation::Spline)(a, b, 0.5f), 1.75f);
}

TEST(CompatCubicHermite, QuaternionInterpolationIsNormalized) {
    const Quat rotated = Quat::rotation(Math::Rad<Float>{Math::Deg<Float>{90.0f}}, Vec3::xAxis());
    const HermiteQuat a{Quat{Math::ZeroInit}, Quat{}, Quat{Math::ZeroInit}};
    const HermiteQuat b{Quat{Math::ZeroInit}, rotated, Quat{Math::ZeroInit}};
    /* With zero tangents half-way is the normalized average, 45 degrees */
    const Quat half = Quat::rotation(Math::Rad<Float>{Math::Deg<Float>{45.0f}}, Vec3::xAxis());
    EXPECT_EQ(Math::splerp(a, b, 0.5f), half);
    EXPECT_EQ(Math::lerp(a, b, 0.5f), half);
    EXPECT_EQ(Math::select(a, b, 0.5f), Quat{});
    EXPECT_EQ(Animation::interpolatorFor<HermiteQuat>(Animation::Interpolation::Spline)(a, b, 0.5f), half);
    EXPECT_EQ(Animation::interpolatorFor<HermiteQuat>(Animation::Interpolation::Linear)(a, b, 0.5f), half);
    EXPECT_EQ(Animation::interpolatorFor<HermiteQuat>(Animation::Interpolation::Constant)(a, b, 1.0f), rotated);

    /* An out-tangent bends the curve: 0.5*1 + 0.125*(0, 0, 0.5, 0) + 0.5*1
       before normalization */
    const HermiteQuat c{Quat{Math::ZeroInit}, Quat{}, Quat{Vec3{0.0f, 0.0f, 0.5f}, 0.0f}};
    const HermiteQuat d{Quat{Math::ZeroInit}, Quat{}, Quat{Math::ZeroInit}};
    const Quat bent = Math::splerp(c, d, 0.5f);
    EXPECT_TRUE(bent.isNormalized());
    EXPECT_EQ(bent, (Quat{Vec3{0.0f, 0.0f, 0.0625f}, 1.0f}.normalized()));
}

TEST(CompatCubicHermite, TrackViewInterpolatesWithSplines) {
    const Float keys[]{1.0f, 2.0f};
    const Hermite3 values[]{SegmentA, SegmentB};
    const Animation::TrackView<const Float, const Hermite3> track{keys, values, Animation::Interpolation::Spline};
    EXPECT_EQ(track.at(1.25f), (Vec3{1.59375f, 0.125f, 0.0f}));
    EXPECT_EQ(track.at(1.5f), (Vec3{2.25f, 0.5f, 0.0f}));
    /* Constant extrapolation gives the points */
    EXPECT_EQ(track.at(0.0f), (Vec3{1.0f, 0.0f, 0.0f}));
    EXPECT_EQ(track.at(5.0f), (Vec3{3.0f, 2.0f, 0.0f}));
}

TEST(CompatCubicHermite, AnimationDataTracks) {
    Containers::Array<char> data{ValueInit, 2*sizeof(Float) + 2*sizeof(Hermite3) + 2*sizeof(HermiteQuat)};
    const Containers::ArrayView<Float> keys = Containers::arrayCast<Float>(data.prefix(2*sizeof(Float)));
    const Containers::ArrayView<Hermite3> translations = Containers::arrayCast<Hermite3>(data.slice(2*sizeof(Float), 2*sizeof(Float) + 2*sizeof(Hermite3)));
    const Containers::ArrayView<HermiteQuat> rotations = Containers::arrayCast<HermiteQuat>(data.exceptPrefix(2*sizeof(Float) + 2*sizeof(Hermite3)));
    keys[0] = 1.0f;
    keys[1] = 2.0f;
    translations[0] = SegmentA;
    translations[1] = SegmentB;
    rotations[0] = HermiteQuat{};
    rotations[1] = HermiteQuat{Quat{Math::ZeroInit}, Quat::rotation(Math::Rad<Float>{Math::Deg<Float>{90.0f}}, Vec3::xAxis()), Quat{Math::ZeroInit}};

    Trade::AnimationData animation{std::move(data), {
        Trade::AnimationTrackData{Trade::AnimationTrackTarget::Translation3D, 4,
            Animation::TrackView<const Float, const Hermite3>{keys, translations, Animation::Interpolation::Spline}},
        Trade::AnimationTrackData{Trade::AnimationTrackTarget::Rotation3D, 5,
            Animation::TrackView<const Float, const HermiteQuat>{keys, rotations, Animation::Interpolation::Spline}}
    }};
    ASSERT_EQ(animation.trackCount(), 2u);
    EXPECT_EQ(animation.duration(), (Math::Range1D<Float>{1.0f, 2.0f}));
    EXPECT_EQ(animation.trackType(0), Trade::AnimationTrackType::CubicHermite3D);
    EXPECT_EQ(animation.trackResultType(0), Trade::AnimationTrackType::Vector3);
    EXPECT_EQ(animation.trackType(1), Trade::AnimationTrackType::CubicHermiteQuaternion);
    EXPECT_EQ(animation.trackResultType(1), Trade::AnimationTrackType::Quaternion);
    EXPECT_EQ(animation.trackTarget(1), 5u);

    const auto translation = animation.track<Hermite3>(0);
    EXPECT_EQ(translation.interpolation(), Animation::Interpolation::Spline);
    ASSERT_EQ(translation.values().size(), 2u);
    EXPECT_EQ(translation.values()[1], SegmentB);
    EXPECT_EQ(translation.at(1.5f), (Vec3{2.25f, 0.5f, 0.0f}));

    const auto rotation = animation.track<HermiteQuat>(1);
    EXPECT_EQ(rotation.at(1.5f), Quat::rotation(Math::Rad<Float>{Math::Deg<Float>{45.0f}}, Vec3::xAxis()));

    std::ostringstream out;
    Utility::Debug{&out} << Trade::AnimationTrackType::CubicHermite3D << Trade::AnimationTrackType::CubicHermiteQuaternion;
    EXPECT_EQ(out.str(), "Trade::AnimationTrackType::CubicHermite3D Trade::AnimationTrackType::CubicHermiteQuaternion\n");
}

}}}
