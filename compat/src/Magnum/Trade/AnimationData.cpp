#include "Magnum/Trade/AnimationData.h"

#include <utility>
#include <Corrade/Containers/GrowableArray.h>

namespace Magnum { namespace Trade {

using Corrade::Utility::Debug;
namespace Containers = Corrade::Containers;

namespace {
    Math::Range1D<Float> durationOf(const Containers::Array<AnimationTrackData>& tracks, Math::Range1D<Float> (*get)(const AnimationTrackData&)) {
        Math::Range1D<Float> out;
        bool first = true;
        for(const AnimationTrackData& track: tracks) {
            const Math::Range1D<Float> duration = get(track);
            out = first ? duration : Math::join(out, duration);
            first = false;
        }
        return out;
    }

    Containers::Array<AnimationTrackData> copyTracks(std::initializer_list<AnimationTrackData> tracks) {
        Containers::Array<AnimationTrackData> out{ValueInit, tracks.size()};
        std::size_t i = 0;
        for(const AnimationTrackData& track: tracks) out[i++] = track;
        return out;
    }
}

AnimationData::AnimationData(Containers::Array<char>&& data, Containers::Array<AnimationTrackData>&& tracks, const Math::Range1D<Float>& duration, const void* importerState) noexcept: _dataFlags{DataFlag::Owned|DataFlag::Mutable}, _duration{duration}, _data{std::move(data)}, _tracks{std::move(tracks)}, _importerState{importerState} {}

AnimationData::AnimationData(Containers::Array<char>&& data, Containers::Array<AnimationTrackData>&& tracks, const void* importerState) noexcept: AnimationData{std::move(data), std::move(tracks), {}, importerState} {
    _duration = durationOf(_tracks, [](const AnimationTrackData& track) { return track._view.duration(); });
}

AnimationData::AnimationData(Containers::Array<char>&& data, std::initializer_list<AnimationTrackData> tracks, const void* importerState): AnimationData{std::move(data), copyTracks(tracks), importerState} {}

AnimationData::AnimationData(Containers::Array<char>&& data, std::initializer_list<AnimationTrackData> tracks, const Math::Range1D<Float>& duration, const void* importerState): AnimationData{std::move(data), copyTracks(tracks), duration, importerState} {}

AnimationData::AnimationData(const DataFlags dataFlags, const Containers::ArrayView<const void> data, Containers::Array<AnimationTrackData>&& tracks, const Math::Range1D<Float>& duration, const void* importerState) noexcept: AnimationData{Containers::Array<char>{const_cast<char*>(static_cast<const char*>(data.data())), data.size(), [](char*, std::size_t) {}}, std::move(tracks), duration, importerState} {
    CORRADE_ASSERT(!(dataFlags & DataFlag::Owned),
        "Trade::AnimationData: can't construct a non-owned instance with" << dataFlags, );
    _dataFlags = dataFlags;
}

AnimationData::AnimationData(const DataFlags dataFlags, const Containers::ArrayView<const void> data, Containers::Array<AnimationTrackData>&& tracks, const void* importerState) noexcept: AnimationData{dataFlags, data, std::move(tracks), {}, importerState} {
    _duration = durationOf(_tracks, [](const AnimationTrackData& track) { return track._view.duration(); });
}

AnimationData::AnimationData(const DataFlags dataFlags, const Containers::ArrayView<const void> data, std::initializer_list<AnimationTrackData> tracks, const void* importerState): AnimationData{dataFlags, data, copyTracks(tracks), importerState} {}

AnimationData::AnimationData(const DataFlags dataFlags, const Containers::ArrayView<const void> data, std::initializer_list<AnimationTrackData> tracks, const Math::Range1D<Float>& duration, const void* importerState): AnimationData{dataFlags, data, copyTracks(tracks), duration, importerState} {}

AnimationData::~AnimationData() = default;
AnimationData::AnimationData(AnimationData&&) noexcept = default;
AnimationData& AnimationData::operator=(AnimationData&&) noexcept = default;

Containers::ArrayView<char> AnimationData::mutableData() & {
    CORRADE_ASSERT(_dataFlags & DataFlag::Mutable,
        "Trade::AnimationData::mutableData(): the animation is not mutable", {});
    return _data;
}

AnimationTrackType AnimationData::trackType(UnsignedInt id) const {
    CORRADE_ASSERT(id < _tracks.size(), "Trade::AnimationData::trackType(): index" << id << "out of range for" << _tracks.size() << "tracks", {});
    return _tracks[id]._type;
}

AnimationTrackType AnimationData::trackResultType(UnsignedInt id) const {
    CORRADE_ASSERT(id < _tracks.size(), "Trade::AnimationData::trackResultType(): index" << id << "out of range for" << _tracks.size() << "tracks", {});
    return _tracks[id]._resultType;
}

AnimationTrackTarget AnimationData::trackTargetName(UnsignedInt id) const {
    CORRADE_ASSERT(id < _tracks.size(), "Trade::AnimationData::trackTargetName(): index" << id << "out of range for" << _tracks.size() << "tracks", {});
    return _tracks[id]._targetName;
}

UnsignedLong AnimationData::trackTarget(UnsignedInt id) const {
    CORRADE_ASSERT(id < _tracks.size(), "Trade::AnimationData::trackTarget(): index" << id << "out of range for" << _tracks.size() << "tracks", {});
    return _tracks[id]._target;
}

const Animation::TrackViewStorage<const Float>& AnimationData::track(UnsignedInt id) const {
    CORRADE_ASSERT(id < _tracks.size(), "Trade::AnimationData::track(): index" << id << "out of range for" << _tracks.size() << "tracks", _tracks[0]._view);
    return _tracks[id]._view;
}

const Animation::TrackViewStorage<Float>& AnimationData::mutableTrack(UnsignedInt id) {
    CORRADE_ASSERT(_dataFlags & DataFlag::Mutable,
        "Trade::AnimationData::mutableTrack(): the animation is not mutable", reinterpret_cast<const Animation::TrackViewStorage<Float>&>(_tracks[0]._view));
    CORRADE_ASSERT(id < _tracks.size(), "Trade::AnimationData::mutableTrack(): index" << id << "out of range for" << _tracks.size() << "tracks", reinterpret_cast<const Animation::TrackViewStorage<Float>&>(_tracks[0]._view));
    /* Same layout, only the constness of the views differs */
    return reinterpret_cast<const Animation::TrackViewStorage<Float>&>(_tracks[id]._view);
}

Containers::Array<char> AnimationData::release() {
    _tracks = nullptr;
    return std::move(_data);
}

Debug& operator<<(Debug& debug, const AnimationTrackType value) {
    debug << "Trade::AnimationTrackType" << Debug::nospace;
    switch(value) {
        #define _c(value) case AnimationTrackType::value: return debug << "::" #value;
        _c(Bool)
        _c(Float)
        _c(UnsignedInt)
        _c(Int)
        _c(BitVector2)
        _c(BitVector3)
        _c(BitVector4)
        _c(Vector2)
        _c(Vector2ui)
        _c(Vector2i)
        _c(Vector3)
        _c(Vector3ui)
        _c(Vector3i)
        _c(Vector4)
        _c(Vector4ui)
        _c(Vector4i)
        _c(Complex)
        _c(Quaternion)
        _c(DualQuaternion)
        _c(CubicHermite1D)
        _c(CubicHermite2D)
        _c(CubicHermite3D)
        _c(CubicHermiteComplex)
        _c(CubicHermiteQuaternion)
        #undef _c
    }
    return debug << "(" << Debug::nospace << reinterpret_cast<void*>(UnsignedByte(value)) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const AnimationTrackTarget value) {
    debug << "Trade::AnimationTrackTarget" << Debug::nospace;
    if(isAnimationTrackTargetCustom(value))
        return debug << "::Custom(" << Debug::nospace << animationTrackTargetCustom(value) << Debug::nospace << ")";
    switch(value) {
        #define _c(value) case AnimationTrackTarget::value: return debug << "::" #value;
        _c(Translation2D)
        _c(Translation3D)
        _c(Rotation2D)
        _c(Rotation3D)
        _c(Scaling2D)
        _c(Scaling3D)
        #undef _c
    }
    return debug << "(" << Debug::nospace << reinterpret_cast<void*>(UnsignedShort(value)) << Debug::nospace << ")";
}

}}
