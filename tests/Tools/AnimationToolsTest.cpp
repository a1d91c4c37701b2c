#include <cstring>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/GrowableArray.h>
#include <Magnum/Animation/Track.h>
#include <Magnum/Math/Constants.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Trade/AnimationData.h>

#include "VelmoraEngine/Tools/AnimationTools.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using namespace Magnum;

typedef Math::Vector3<Float> Vector3;
typedef Math::Quaternion<Float> Quaternion;

/* Builds an animation whose tracks are laid out in one array: for each track
   all its keys, then all its values, like the output of the reduction */
struct AnimationBuilder {
    struct Track {
        Trade::AnimationTrackType type;
        std::vector<Float> keys;
        std::vector<Vector3> vectors;
        std::vector<Quaternion> quaternions;
        Trade::AnimationTrackTarget targetName;
        UnsignedLong target;
        Animation::Interpolation interpolation;
        Animation::Extrapolation before, after;
    };
    std::vector<Track> tracks;

    AnimationBuilder& vectors(std::vector<Float> keys, std::vector<Vector3> values, Trade::AnimationTrackTarget targetName = Trade::AnimationTrackTarget::Translation3D, UnsignedLong target = 0, Animation::Interpolation interpolation = Animation::Interpolation::Linear) {
        tracks.push_back({Trade::AnimationTrackType::Vector3, std::move(keys), std::move(values), {}, targetName, target, interpolation, Animation::Extrapolation::Constant, Animation::Extrapolation::Extrapolated});
        return *this;
    }
    AnimationBuilder& quaternions(std::vector<Float> keys, std::vector<Quaternion> values, UnsignedLong target = 0) {
        tracks.push_back({Trade::AnimationTrackType::Quaternion, std::move(keys), {}, std::move(values), Trade::AnimationTrackTarget::Rotation3D, target, Animation::Interpolation::Linear, Animation::Extrapolation::DefaultConstructed, Animation::Extrapolation::Constant});
        return *this;
    }

    Trade::AnimationData build(Math::Range1D<Float> duration) const {
        std::size_t size = 0;
        for(const Track& t: tracks) size += t.keys.size()*sizeof(Float) + t.vectors.size()*sizeof(Vector3) + t.quaternions.size()*sizeof(Quaternion);
        Containers::Array<char> data{ValueInit, size};
        Containers::Array<Trade::AnimationTrackData> trackData;
        std::size_t offset = 0;
        for(const Track& t: tracks) {
            const std::size_t count = t.keys.size();
            std::memcpy(data.data() + offset, t.keys.data(), count*sizeof(Float));
            Containers::ArrayView<const Float> keys = Containers::arrayCast<const Float>(data.sliceSize(offset, count*sizeof(Float)));
            offset += count*sizeof(Float);
            if(t.type == Trade::AnimationTrackType::Vector3) {
                std::memcpy(data.data() + offset, t.vectors.data(), count*sizeof(Vector3));
                Containers::ArrayView<const Vector3> values = Containers::arrayCast<const Vector3>(data.sliceSize(offset, count*sizeof(Vector3)));
                offset += count*sizeof(Vector3);
                Containers::arrayAppend(trackData, Trade::AnimationTrackData{t.targetName, t.target, Animation::TrackView<const Float, const Vector3>{keys, values, t.interpolation, t.before, t.after}});
            } else {
                std::memcpy(data.data() + offset, t.quaternions.data(), count*sizeof(Quaternion));
                Containers::ArrayView<const Quaternion> values = Containers::arrayCast<const Quaternion>(data.sliceSize(offset, count*sizeof(Quaternion)));
                offset += count*sizeof(Quaternion);
                Containers::arrayAppend(trackData, Trade::AnimationTrackData{t.targetName, t.target, Animation::TrackView<const Float, const Quaternion>{keys, values, t.interpolation, t.before, t.after}});
            }
        }
        return Trade::AnimationData{std::move(data), std::move(trackData), duration};
    }
};

std::vector<Float> keysOf(const Trade::AnimationData& animation, UnsignedInt track) {
    std::vector<Float> out;
    for(Float k: animation.track(track).keys()) out.push_back(k);
    return out;
}

/* Failures print a case by its name instead of its bytes */
template<class T> auto operator<<(std::ostream& out, const T& value) -> decltype(value.name, out) {
    return out << value.name;
}

/* Test names of a table of cases with a name field */
template<class T> std::string caseName(const ::testing::TestParamInfo<T>& info) {
    return info.param.name;
}

/* Regex that matches exactly one line of message on the error output */
std::string exactMessage(const char* message) {
    std::string out = "^";
    for(const char* c = message; *c; ++c) {
        if(std::strchr("\\^$.|?*+()[]{}", *c)) out += '\\';
        out += *c;
    }
    return out + "\n$";
}

/* A vector track and the keys that stay of it */
struct VectorCase {
    const char* name;
    std::vector<Float> keys;
    std::vector<Vector3> values;
    std::vector<Float> kept;
};

const Float NaN = Math::Constants<Float>::nan();

const VectorCase VectorCases[]{
    {"OneKeyframe", {5}, {{1, 2, 3}}, {5}},
    {"TwoKeyframes", {0, 1}, {{0, 0, 0}, {0, 0, 0}}, {0, 1}},
    {"CollinearRunCollapsesToItsEnds", {0, 1, 2, 3}, {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}}, {0, 3}},
    {"Knee", {0, 1, 2}, {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}}, {0, 1, 2}},
    /* t is 1/4, so x = 1 lies on the line */
    {"NonUniformKeys", {0, 1, 4}, {{0, 0, 0}, {1, 0, 0}, {4, 0, 0}}, {0, 4}},
    {"KeysNotFromZero", {1, 2, 3}, {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}}, {1, 3}},
    /* The same values at uniform times aren't on the line */
    {"CollinearInValueNotInTime", {0, 2, 4}, {{0, 0, 0}, {1, 0, 0}, {4, 0, 0}}, {0, 2, 4}},
    {"RelativeDifferenceWithinEpsilon", {0, 1, 2}, {{0, 0, 0}, {1.000005f, 1, 1}, {2, 2, 2}}, {0, 2}},
    {"RelativeDifferenceBeyondEpsilon", {0, 1, 2}, {{0, 0, 0}, {1.001f, 1, 1}, {2, 2, 2}}, {0, 1, 2}},
    /* Near zero the difference is absolute */
    {"AbsoluteDifferenceWithinEpsilon", {0, 1, 2}, {{0, 0, 0}, {0.000009f, 0, 0}, {0, 0, 0}}, {0, 2}},
    {"AbsoluteDifferenceBeyondEpsilon", {0, 1, 2}, {{0, 0, 0}, {0.00002f, 0, 0}, {0, 0, 0}}, {0, 1, 2}},
    /* Large magnitudes compare relative to their size: 10 in a million is
       within, 30 isn't */
    {"LargeMagnitudeWithinEpsilon", {0, 1, 2}, {{0, 0, 0}, {1000010.0f, 0, 0}, {2000000.0f, 0, 0}}, {0, 2}},
    {"LargeMagnitudeBeyondEpsilon", {0, 1, 2}, {{0, 0, 0}, {1000030.0f, 0, 0}, {2000000.0f, 0, 0}}, {0, 1, 2}},
    {"LargeNegativeMagnitudeWithinEpsilon", {0, 1, 2}, {{0, 0, 0}, {0, -1000010.0f, 0}, {0, -2000000.0f, 0}}, {0, 2}},
    {"NaNIsNeverEqual", {0, 1, 2}, {{0, 0, 0}, {NaN, 1, 1}, {2, 2, 2}}, {0, 1, 2}},
    {"NaNIsNotEqualToNaN", {0, 1, 2, 3}, {{NaN, 0, 0}, {NaN, 0, 0}, {NaN, 0, 0}, {NaN, 0, 0}}, {0, 1, 2, 3}},
};

class AnimationToolsVectors: public ::testing::TestWithParam<VectorCase> {};

TEST_P(AnimationToolsVectors, KeepsWhatTheLineDoesntReproduce) {
    const VectorCase& data = GetParam();
    Trade::AnimationData out = AnimationTools::removeLinearlyRedundantKeyframes(AnimationBuilder{}.vectors(data.keys, data.values).build({0.0f, 10.0f}));
    EXPECT_EQ(keysOf(out, 0), data.kept);
    /* Each kept keyframe with its own value */
    const auto& track = out.track<Vector3>(0);
    ASSERT_EQ(track.size(), data.kept.size());
    for(std::size_t i = 0, j = 0; i != data.kept.size(); ++i) {
        while(data.keys[j] != data.kept[i]) ++j;
        const Vector3 value = track.values()[i];
        /* NaN isn't equal to itself, compare the bits */
        EXPECT_EQ(std::memcmp(&value, &data.values[j], sizeof(Vector3)), 0) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(, AnimationToolsVectors, ::testing::ValuesIn(VectorCases), caseName<VectorCase>);

/* A quaternion track and the keys that stay of it */
struct QuaternionCase {
    const char* name;
    std::vector<Float> keys;
    std::vector<Quaternion> values;
    std::vector<Float> kept;
};

Quaternion rotationZ(Float angle) {
    return Quaternion::rotation(Math::Rad<Float>{angle}, Vector3::zAxis());
}

const QuaternionCase QuaternionCases[]{
    {"IdentityCollapses", {0, 1, 2, 3}, {Quaternion{}, Quaternion{}, Quaternion{}, Quaternion{}}, {0, 3}},
    /* q and -q are the same rotation but different values */
    {"NegatedIsDifferent", {0, 1, 2}, {Quaternion{}, Quaternion{{0, 0, 0}, -1.0f}, Quaternion{}}, {0, 1, 2}},
    /* A constant-speed rotation about one axis is what slerp reproduces */
    {"ConstantSpeedRotation", {0, 1, 2}, {rotationZ(0.0f), rotationZ(0.5f), rotationZ(1.0f)}, {0, 2}},
    {"OffTheRotation", {0, 1, 2}, {rotationZ(0.0f), rotationZ(0.7f), rotationZ(1.0f)}, {0, 1, 2}},
    /* Away from the middle, where slerp and normalized lerp differ, and over
       a large angle, so they differ by far more than the epsilon: a quarter
       of the way is a quarter of the angle for slerp only */
    {"SlerpAQuarterOfTheWay", {0, 1, 4}, {rotationZ(0.0f), rotationZ(0.5f), rotationZ(2.0f)}, {0, 4}},
    {"NlerpAQuarterOfTheWay", {0, 1, 4}, {rotationZ(0.0f), Math::lerp(rotationZ(0.0f), rotationZ(2.0f), 0.25f).normalized(), rotationZ(2.0f)}, {0, 1, 4}},
    /* The end is more than half a turn away as values, so the shortest path
       goes to the negated first quaternion instead, and a quarter of the way
       is the negated quarter rotation */
    {"ShortestPath", {0, 1, 4}, {Quaternion{}, -rotationZ(0.25f), -rotationZ(1.0f)}, {0, 4}},
    /* Where slerp without the shortest path would be a quarter of the way */
    {"NotTheLongWayAround", {0, 1, 4}, {Quaternion{}, rotationZ(-(Math::Constants<Float>::pi() - 0.5f)/2.0f), -rotationZ(1.0f)}, {0, 1, 4}},
};

class AnimationToolsQuaternions: public ::testing::TestWithParam<QuaternionCase> {};

TEST_P(AnimationToolsQuaternions, KeepsWhatSlerpDoesntReproduce) {
    const QuaternionCase& data = GetParam();
    Trade::AnimationData out = AnimationTools::removeLinearlyRedundantKeyframes(AnimationBuilder{}.quaternions(data.keys, data.values).build({0.0f, 4.0f}));
    EXPECT_EQ(keysOf(out, 0), data.kept);
}

INSTANTIATE_TEST_SUITE_P(, AnimationToolsQuaternions, ::testing::ValuesIn(QuaternionCases), caseName<QuaternionCase>);

TEST(AnimationTools, KeepsTrackPropertiesOrderAndPacksTheData) {
    Trade::AnimationData input = AnimationBuilder{}
        .vectors({0, 1, 2}, {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}}, Trade::AnimationTrackTarget::Scaling3D, 7, Animation::Interpolation::Constant)
        .quaternions({0, 1}, {Quaternion{}, Quaternion{{1, 0, 0}, 0}}, 3)
        .vectors({0, 1, 2}, {{0, 0, 0}, {5, 0, 0}, {0, 0, 0}}, Trade::animationTrackTargetCustom(4), 12)
        .build({-1.0f, 20.0f});
    Trade::AnimationData out = AnimationTools::removeLinearlyRedundantKeyframes(input);

    EXPECT_EQ(out.duration(), (Math::Range1D<Float>{-1.0f, 20.0f}));
    EXPECT_EQ(out.importerState(), nullptr);
    EXPECT_TRUE(out.dataFlags() & Trade::DataFlag::Owned);
    ASSERT_EQ(out.trackCount(), 3u);
    const Trade::AnimationTrackType types[]{Trade::AnimationTrackType::Vector3, Trade::AnimationTrackType::Quaternion, Trade::AnimationTrackType::Vector3};
    for(UnsignedInt i = 0; i != 3; ++i) {
        EXPECT_EQ(out.trackType(i), types[i]);
        EXPECT_EQ(out.trackResultType(i), types[i]);
        EXPECT_EQ(out.trackTargetName(i), input.trackTargetName(i));
        EXPECT_EQ(out.trackTarget(i), input.trackTarget(i));
        EXPECT_EQ(out.track(i).interpolation(), input.track(i).interpolation());
        EXPECT_EQ(out.track(i).before(), input.track(i).before());
        EXPECT_EQ(out.track(i).after(), input.track(i).after());
    }
    /* A track declared Constant is still reduced with the linear rule */
    EXPECT_EQ(keysOf(out, 0), (std::vector<Float>{0, 2}));
    EXPECT_EQ(keysOf(out, 2), (std::vector<Float>{0, 1, 2}));

    /* Keys then values per track, no padding: 2*4 + 2*12, 2*4 + 2*16, 3*4 + 3*12 */
    ASSERT_EQ(out.data().size(), 32u + 40u + 48u);
    const char* base = out.data().data();
    EXPECT_EQ(out.track(0).keys().data(), base);
    EXPECT_EQ(out.track(0).values().data(), base + 8);
    EXPECT_EQ(out.track(1).keys().data(), base + 32);
    EXPECT_EQ(out.track(1).values().data(), base + 40);
    EXPECT_EQ(out.track(2).keys().data(), base + 72);
    EXPECT_EQ(out.track(2).values().data(), base + 84);
    EXPECT_EQ(out.track(2).keys().stride(), 4);
    EXPECT_EQ(out.track(2).values().stride(), 12);
    EXPECT_EQ(out.track(1).values().stride(), 16);
    Float key;
    std::memcpy(&key, base + 76, 4);
    EXPECT_EQ(key, 1.0f);
    Vector3 value;
    std::memcpy(&value, base + 84 + 12, 12);
    EXPECT_EQ(value, (Vector3{5, 0, 0}));
}

TEST(AnimationToolsDeathTest, RejectsOtherTrackTypes) {
    Containers::Array<char> data{ValueInit, 16};
    Containers::ArrayView<const Float> keys = Containers::arrayCast<const Float>(data.prefix(8));
    Containers::ArrayView<const Float> values = Containers::arrayCast<const Float>(data.exceptPrefix(8));
    Trade::AnimationData animation{std::move(data), {
        Trade::AnimationTrackData{Trade::animationTrackTargetCustom(0), 0, Animation::TrackView<const Float, const Float>{keys, values, Animation::Interpolation::Linear}}
    }};
    EXPECT_DEATH(AnimationTools::removeLinearlyRedundantKeyframes(animation),
        exactMessage("AnimationTools::removeLinearlyRedundantKeyframes(): track type not implemented: Trade::AnimationTrackType::Float"));
}

}}}
