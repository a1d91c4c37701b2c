#include <cstring>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Animation/Track.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Trade/AnimationData.h>

#include "VelmoraEngine/Tools/AnimationTools.h"

using namespace Corrade;
using namespace Magnum;
using namespace VelmoraEngine;

namespace {

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

Trade::AnimationData reduceVectors(std::vector<Float> keys, std::vector<Vector3> values) {
    return AnimationTools::removeLinearlyRedundantKeyframes(AnimationBuilder{}.vectors(std::move(keys), std::move(values)).build({0.0f, 10.0f}));
}

TEST(AnimationTools, CollinearRunCollapsesToItsEnds) {
    Trade::AnimationData out = reduceVectors({0, 1, 2, 3}, {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}});
    EXPECT_EQ(keysOf(out, 0), (std::vector<Float>{0, 3}));
    const auto& track = out.track<Vector3>(0);
    EXPECT_EQ(track.values()[0], (Vector3{0, 0, 0}));
    EXPECT_EQ(track.values()[1], (Vector3{3, 3, 3}));
}

TEST(AnimationTools, KeepsAKnee) {
    EXPECT_EQ(keysOf(reduceVectors({0, 1, 2}, {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}}), 0), (std::vector<Float>{0, 1, 2}));
}

TEST(AnimationTools, UsesKeyTimesForTheInterpolationFactor) {
    /* Non-uniform keys: t is 1/4, so x = 1 lies on the line */
    EXPECT_EQ(keysOf(reduceVectors({0, 1, 4}, {{0, 0, 0}, {1, 0, 0}, {4, 0, 0}}), 0), (std::vector<Float>{0, 4}));
    EXPECT_EQ(keysOf(reduceVectors({1, 2, 3}, {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}}), 0), (std::vector<Float>{1, 3}));
    /* Same values at uniform times would not be collinear in time */
    EXPECT_EQ(keysOf(reduceVectors({0, 2, 4}, {{0, 0, 0}, {1, 0, 0}, {4, 0, 0}}), 0), (std::vector<Float>{0, 2, 4}));
}

TEST(AnimationTools, FuzzyComparisonBoundary) {
    EXPECT_EQ(keysOf(reduceVectors({0, 1, 2}, {{0, 0, 0}, {1.000005f, 1, 1}, {2, 2, 2}}), 0), (std::vector<Float>{0, 2}));
    EXPECT_EQ(keysOf(reduceVectors({0, 1, 2}, {{0, 0, 0}, {1.001f, 1, 1}, {2, 2, 2}}), 0), (std::vector<Float>{0, 1, 2}));
    /* Near zero the difference is absolute */
    EXPECT_EQ(keysOf(reduceVectors({0, 1, 2}, {{0, 0, 0}, {0.000009f, 0, 0}, {0, 0, 0}}), 0), (std::vector<Float>{0, 2}));
    EXPECT_EQ(keysOf(reduceVectors({0, 1, 2}, {{0, 0, 0}, {0.00002f, 0, 0}, {0, 0, 0}}), 0), (std::vector<Float>{0, 1, 2}));
}

TEST(AnimationTools, NaNIsNeverEqual) {
    const Float nan = Math::Constants<Float>::nan();
    EXPECT_EQ(keysOf(reduceVectors({0, 1, 2}, {{0, 0, 0}, {nan, 1, 1}, {2, 2, 2}}), 0), (std::vector<Float>{0, 1, 2}));
    EXPECT_EQ(keysOf(reduceVectors({0, 1, 2, 3}, {{nan, 0, 0}, {nan, 0, 0}, {nan, 0, 0}, {nan, 0, 0}}), 0), (std::vector<Float>{0, 1, 2, 3}));
}

TEST(AnimationTools, ShortTracksStayWhole) {
    Trade::AnimationData one = reduceVectors({5}, {{1, 2, 3}});
    EXPECT_EQ(keysOf(one, 0), (std::vector<Float>{5}));
    EXPECT_EQ(one.track<Vector3>(0).values()[0], (Vector3{1, 2, 3}));
    EXPECT_EQ(keysOf(reduceVectors({0, 1}, {{0, 0, 0}, {0, 0, 0}}), 0), (std::vector<Float>{0, 1}));
}

TEST(AnimationTools, Quaternions) {
    const Quaternion identity;
    Trade::AnimationData still = AnimationTools::removeLinearlyRedundantKeyframes(AnimationBuilder{}
        .quaternions({0, 1, 2, 3}, {identity, identity, identity, identity}).build({0, 3}));
    EXPECT_EQ(keysOf(still, 0), (std::vector<Float>{0, 3}));

    /* q and -q are the same rotation but different values */
    const Quaternion negated{{0, 0, 0}, -1.0f};
    Trade::AnimationData flipped = AnimationTools::removeLinearlyRedundantKeyframes(AnimationBuilder{}
        .quaternions({0, 1, 2}, {identity, negated, identity}).build({0, 2}));
    EXPECT_EQ(keysOf(flipped, 0), (std::vector<Float>{0, 1, 2}));

    /* A constant-speed rotation about one axis is reproduced by slerp */
    const Quaternion a = Quaternion::rotation(Math::Rad<Float>{0.0f}, Vector3::zAxis());
    const Quaternion b = Quaternion::rotation(Math::Rad<Float>{0.5f}, Vector3::zAxis());
    const Quaternion c = Quaternion::rotation(Math::Rad<Float>{1.0f}, Vector3::zAxis());
    const Quaternion off = Quaternion::rotation(Math::Rad<Float>{0.7f}, Vector3::zAxis());
    EXPECT_EQ(keysOf(AnimationTools::removeLinearlyRedundantKeyframes(AnimationBuilder{}.quaternions({0, 1, 2}, {a, b, c}).build({0, 2})), 0), (std::vector<Float>{0, 2}));
    EXPECT_EQ(keysOf(AnimationTools::removeLinearlyRedundantKeyframes(AnimationBuilder{}.quaternions({0, 1, 2}, {a, off, c}).build({0, 2})), 0), (std::vector<Float>{0, 1, 2}));
}

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
    EXPECT_DEATH(AnimationTools::removeLinearlyRedundantKeyframes(animation), "Track type not implemented: Trade::AnimationTrackType::Float");
}

}
