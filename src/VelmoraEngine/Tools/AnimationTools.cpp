#include "VelmoraEngine/Tools/AnimationTools.h"

#include <cmath>
#include <cstring>
#include <utility>

#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Assert.h>
#include <Magnum/Animation/Interpolation.h>
#include <Magnum/Animation/Track.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Trade/AnimationData.h>

namespace VelmoraEngine { namespace AnimationTools {

using namespace Magnum;
namespace Containers = Corrade::Containers;

namespace {

/* Relative comparison for large magnitudes, absolute near zero; a NaN never
   compares equal */
inline bool fuzzyEqual(const Float a, const Float b) {
    if(a == b) return true;
    constexpr Float epsilon = 1.0e-5f;
    const Float difference = std::abs(a - b);
    if(a == 0.0f || b == 0.0f || difference < epsilon)
        return difference < epsilon;
    return difference/(std::abs(a) + std::abs(b)) < epsilon;
}

inline bool fuzzyEqual(const Math::Vector3<Float>& a, const Math::Vector3<Float>& b) {
    return fuzzyEqual(a.x(), b.x()) && fuzzyEqual(a.y(), b.y()) && fuzzyEqual(a.z(), b.z());
}

/* Component-wise, so q and -q are different */
inline bool fuzzyEqual(const Math::Quaternion<Float>& a, const Math::Quaternion<Float>& b) {
    return fuzzyEqual(a.vector(), b.vector()) && fuzzyEqual(a.scalar(), b.scalar());
}

struct VectorLerp {
    Math::Vector3<Float> operator()(const Math::Vector3<Float>& a, const Math::Vector3<Float>& b, const Float t) const {
        const Float s = 1.0f - t;
        return {a.x()*s + b.x()*t, a.y()*s + b.y()*t, a.z()*s + b.z()*t};
    }
};

struct QuaternionLerp {
    Math::Quaternion<Float>(*interpolator)(const Math::Quaternion<Float>&, const Math::Quaternion<Float>&, Float) =
        Animation::interpolatorFor<Math::Quaternion<Float>>(Animation::Interpolation::Linear);
    Math::Quaternion<Float> operator()(const Math::Quaternion<Float>& a, const Math::Quaternion<Float>& b, const Float t) const {
        return interpolator(a, b, t);
    }
};

/* Fills @p kept with the indices of the keyframes that stay */
template<class V, class Lerp> void reduce(const Containers::StridedArrayView1D<const Float>& keys, const Containers::StridedArrayView1D<const V>& values, const Lerp& lerp, Containers::Array<UnsignedInt>& kept) {
    Containers::arrayResize(kept, 0);
    const std::size_t count = keys.size();
    if(!count) return;

    Containers::arrayAppend(kept, 0u);
    if(count == 1) return;

    std::size_t last = 0;
    for(std::size_t i = 1; i + 1 < count; ++i) {
        const Float lastKey = keys[last];
        const Float t = (keys[i] - lastKey)/(keys[i + 1] - lastKey);
        if(fuzzyEqual(lerp(values[last], values[i + 1], t), values[i])) continue;
        Containers::arrayAppend(kept, UnsignedInt(i));
        last = i;
    }

    Containers::arrayAppend(kept, UnsignedInt(count - 1));
}

/* Where one output track's keys and values ended up in the data array */
struct TrackRange {
    std::size_t keyOffset;
    std::size_t valueOffset;
    std::size_t count;
};

template<class V> void append(Containers::Array<char>& data, const Containers::StridedArrayView1D<const Float>& keys, const Containers::StridedArrayView1D<const V>& values, const Containers::ArrayView<const UnsignedInt> kept, TrackRange& range) {
    range.count = kept.size();

    range.keyOffset = data.size();
    char* out = Containers::arrayAppend(data, NoInit, kept.size()*sizeof(Float)).data();
    for(const UnsignedInt i: kept) {
        std::memcpy(out, &keys[i], sizeof(Float));
        out += sizeof(Float);
    }

    range.valueOffset = data.size();
    out = Containers::arrayAppend(data, NoInit, kept.size()*sizeof(V)).data();
    for(const UnsignedInt i: kept) {
        std::memcpy(out, &values[i], sizeof(V));
        out += sizeof(V);
    }
}

template<class V> Trade::AnimationTrackData makeTrack(const Trade::AnimationData& animation, const UnsignedInt id, const Containers::ArrayView<const char> data, const TrackRange& range) {
    const Animation::TrackViewStorage<const Float>& input = animation.track(id);
    const Containers::StridedArrayView1D<const Float> keys = Containers::arrayCast<const Float>(data.sliceSize(range.keyOffset, range.count*sizeof(Float)));
    const Containers::StridedArrayView1D<const V> values = Containers::arrayCast<const V>(data.sliceSize(range.valueOffset, range.count*sizeof(V)));
    return Trade::AnimationTrackData{animation.trackTargetName(id), animation.trackTarget(id),
        Animation::TrackView<const Float, const V>{keys, values, input.interpolation(), input.before(), input.after()}};
}

}

Trade::AnimationData removeLinearlyRedundantKeyframes(const Trade::AnimationData& animation) {
    const UnsignedInt trackCount = animation.trackCount();

    /* Every track type is checked before anything is done. One allocation
       for the worst case where everything stays. */
    std::size_t capacity = 0;
    for(UnsignedInt i = 0; i != trackCount; ++i) {
        const Trade::AnimationTrackType type = animation.trackType(i);
        CORRADE_ASSERT(type == Trade::AnimationTrackType::Vector3 || type == Trade::AnimationTrackType::Quaternion,
            "AnimationTools::removeLinearlyRedundantKeyframes(): track type not implemented:" << type,
            (Trade::AnimationData{Containers::Array<char>{}, Containers::Array<Trade::AnimationTrackData>{}}));
        const std::size_t valueSize = type == Trade::AnimationTrackType::Vector3 ?
            sizeof(Math::Vector3<Float>) : sizeof(Math::Quaternion<Float>);
        capacity += animation.track(i).size()*(sizeof(Float) + valueSize);
    }
    Containers::Array<char> data;
    Containers::arrayReserve(data, capacity);

    Containers::Array<TrackRange> ranges{NoInit, trackCount};
    Containers::Array<UnsignedInt> kept;
    for(UnsignedInt i = 0; i != trackCount; ++i) {
        const Trade::AnimationTrackType type = animation.trackType(i);
        if(type == Trade::AnimationTrackType::Vector3) {
            const auto& track = animation.track<Math::Vector3<Float>>(i);
            reduce(track.keys(), track.values(), VectorLerp{}, kept);
            append(data, track.keys(), track.values(), kept, ranges[i]);
        } else {
            const auto& track = animation.track<Math::Quaternion<Float>>(i);
            reduce(track.keys(), track.values(), QuaternionLerp{}, kept);
            append(data, track.keys(), track.values(), kept, ranges[i]);
        }
    }

    /* Views only now, the array doesn't move anymore */
    Containers::Array<Trade::AnimationTrackData> tracks{ValueInit, trackCount};
    for(UnsignedInt i = 0; i != trackCount; ++i) {
        if(animation.trackType(i) == Trade::AnimationTrackType::Vector3)
            tracks[i] = makeTrack<Math::Vector3<Float>>(animation, i, data, ranges[i]);
        else
            tracks[i] = makeTrack<Math::Quaternion<Float>>(animation, i, data, ranges[i]);
    }

    return Trade::AnimationData{std::move(data), std::move(tracks), animation.duration()};
}

}}
