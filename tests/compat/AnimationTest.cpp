#include <sstream>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Animation/Interpolation.h>
#include <Magnum/Animation/Track.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Trade/AnimationData.h>

using namespace Corrade;
using namespace Magnum;

namespace VelmoraEngine { namespace Test { namespace {

typedef Math::Vector3<Float> Vector3;
typedef Math::Quaternion<Float> Quaternion;

TEST(CompatAnimation, InterpolatorForPicksUpstreamFunctions) {
    auto vectorLinear = Animation::interpolatorFor<Vector3>(Animation::Interpolation::Linear);
    auto vectorConstant = Animation::interpolatorFor<Vector3>(Animation::Interpolation::Constant);
    EXPECT_EQ(vectorLinear(Vector3{0.0f}, Vector3{2.0f}, 0.25f), Vector3{0.5f});
    EXPECT_EQ(vectorConstant(Vector3{0.0f}, Vector3{2.0f}, 0.75f), Vector3{0.0f});
    EXPECT_EQ(vectorConstant(Vector3{0.0f}, Vector3{2.0f}, 1.0f), Vector3{2.0f});

    /* Quaternions take the shortest path, flipping the first one */
    auto quaternionLinear = Animation::interpolatorFor<Quaternion>(Animation::Interpolation::Linear);
    const Quaternion a = Quaternion::rotation(Math::Rad<Float>{0.2f}, Vector3::xAxis());
    const Quaternion b = Quaternion::rotation(Math::Rad<Float>{0.6f}, Vector3::xAxis());
    EXPECT_EQ(quaternionLinear(a, -b, 0.5f), Math::slerpShortestPath(a, -b, 0.5f));
    EXPECT_EQ(quaternionLinear(a, -b, 0.5f), -Quaternion::rotation(Math::Rad<Float>{0.4f}, Vector3::xAxis()));
}

TEST(CompatAnimationDeathTest, InterpolatorForRejectsSplineVectors) {
    EXPECT_DEATH(Animation::interpolatorFor<Vector3>(Animation::Interpolation::Spline),
        "Animation::interpolatorFor\\(\\): can't deduce interpolator function for Animation::Interpolation::Spline");
}

TEST(CompatAnimation, TrackViewInterpolatesAndExtrapolates) {
    const Float keys[]{1.0f, 2.0f, 4.0f};
    const Vector3 values[]{Vector3{0.0f}, Vector3{1.0f}, Vector3{5.0f}};
    Animation::TrackView<const Float, const Vector3> track{keys, values, Animation::Interpolation::Linear, Animation::Extrapolation::Constant, Animation::Extrapolation::DefaultConstructed};
    EXPECT_EQ(track.at(1.5f), Vector3{0.5f});
    EXPECT_EQ(track.at(3.0f), Vector3{3.0f});
    EXPECT_EQ(track.at(0.0f), Vector3{0.0f});
    EXPECT_EQ(track.at(5.0f), Vector3{});
    EXPECT_EQ(track.duration(), (Math::Range1D<Float>{1.0f, 4.0f}));
    EXPECT_EQ(track.interpolation(), Animation::Interpolation::Linear);
}

TEST(CompatAnimation, AnimationDataKeepsTracksAndPrintsEnums) {
    Containers::Array<char> data{ValueInit, 3*4 + 3*12};
    Containers::ArrayView<Float> keys = Containers::arrayCast<Float>(data.prefix(12));
    Containers::ArrayView<Vector3> values = Containers::arrayCast<Vector3>(data.exceptPrefix(12));
    keys[0] = 0.5f; keys[1] = 1.0f; keys[2] = 3.0f;
    values[2] = Vector3{7.0f};
    const char* pointer = data.data();
    Trade::AnimationData animation{std::move(data), {
        Trade::AnimationTrackData{Trade::animationTrackTargetCustom(3), 42, Animation::TrackView<const Float, const Vector3>{keys, values, Animation::Interpolation::Constant}}
    }};
    EXPECT_EQ(animation.data().data(), pointer);
    EXPECT_EQ(animation.dataFlags(), Trade::DataFlag::Owned|Trade::DataFlag::Mutable);
    EXPECT_EQ(animation.duration(), (Math::Range1D<Float>{0.5f, 3.0f}));
    ASSERT_EQ(animation.trackCount(), 1u);
    EXPECT_EQ(animation.trackType(0), Trade::AnimationTrackType::Vector3);
    EXPECT_EQ(animation.trackTarget(0), 42u);
    EXPECT_EQ(animation.track<Vector3>(0).values()[2], Vector3{7.0f});

    std::ostringstream out;
    Utility::Debug{&out} << animation.trackTargetName(0) << Trade::AnimationTrackTarget::Rotation3D << Trade::AnimationTrackType::Quaternion << animation.track(0).interpolation() << Trade::DataFlags{};
    EXPECT_EQ(out.str(), "Trade::AnimationTrackTarget::Custom(3) Trade::AnimationTrackTarget::Rotation3D Trade::AnimationTrackType::Quaternion Animation::Interpolation::Constant Trade::DataFlags{}\n");
}

TEST(CompatAnimationDeathTest, TypedTrackAccessChecksTheType) {
    Containers::Array<char> data{ValueInit, 8};
    Containers::ArrayView<const Float> keys = Containers::arrayCast<const Float>(data.prefix(4));
    Containers::ArrayView<const Float> values = Containers::arrayCast<const Float>(data.exceptPrefix(4));
    Trade::AnimationData animation{std::move(data), {
        Trade::AnimationTrackData{Trade::AnimationTrackTarget::Scaling3D, 0, Animation::TrackView<const Float, const Float>{keys, values, Animation::Interpolation::Linear}}
    }};
    EXPECT_DEATH(animation.track<Vector3>(0), "Trade::AnimationData::track\\(\\): improper type requested for Trade::AnimationTrackType::Float");
}

}}}
