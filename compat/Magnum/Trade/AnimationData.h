#ifndef Magnum_Trade_AnimationData_h
#define Magnum_Trade_AnimationData_h
/* Imported animation clips */

#include <initializer_list>

#include <Corrade/Containers/Array.h>

#include "Magnum/Animation/Track.h"
#include "Magnum/Math/Range.h"
#include "Magnum/Trade/Data.h"

namespace Magnum { namespace Trade {

/** Type of animation track data */
enum class AnimationTrackType: UnsignedByte {
    Bool = 1, Float, UnsignedInt, Int,
    BitVector2, BitVector3, BitVector4,
    Vector2, Vector2ui, Vector2i,
    Vector3, Vector3ui, Vector3i,
    Vector4, Vector4ui, Vector4i,
    Complex, Quaternion, DualQuaternion,
    CubicHermite1D, CubicHermite2D, CubicHermite3D, CubicHermiteComplex, CubicHermiteQuaternion
};

/** Print an animation track type */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, AnimationTrackType value);

namespace Implementation {
    enum: UnsignedShort { AnimationTrackTargetCustom = 32768 };
}

/** Target of an animation track */
enum class AnimationTrackTarget: UnsignedShort {
    Translation2D = 1, Translation3D, Rotation2D, Rotation3D, Scaling2D, Scaling3D
};

/** Print an animation track target */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, AnimationTrackTarget value);

/** Whether a target is custom */
constexpr bool isAnimationTrackTargetCustom(AnimationTrackTarget name) {
    return UnsignedShort(name) >= Implementation::AnimationTrackTargetCustom;
}

/** Create a custom target */
constexpr AnimationTrackTarget animationTrackTargetCustom(UnsignedShort id) {
    return CORRADE_CONSTEXPR_ASSERT(id < Implementation::AnimationTrackTargetCustom,
        "Trade::animationTrackTargetCustom(): index" << id << "too large"),
        AnimationTrackTarget(Implementation::AnimationTrackTargetCustom + id);
}

/** Index of a custom target */
constexpr UnsignedShort animationTrackTargetCustom(AnimationTrackTarget name) {
    return CORRADE_CONSTEXPR_ASSERT(isAnimationTrackTargetCustom(name),
        "Trade::animationTrackTargetCustom():" << name << "is not custom"),
        UnsignedShort(UnsignedShort(name) - Implementation::AnimationTrackTargetCustom);
}

namespace Implementation {
    template<class> struct AnimationTypeFor;
    #define _c(type_, value) template<> struct AnimationTypeFor<type_> { static constexpr AnimationTrackType type() { return AnimationTrackType::value; } };
    _c(bool, Bool)
    _c(Float, Float)
    _c(UnsignedInt, UnsignedInt)
    _c(Int, Int)
    _c(Math::Vector2<Float>, Vector2)
    _c(Math::Vector3<Float>, Vector3)
    _c(Math::Vector4<Float>, Vector4)
    template<> struct AnimationTypeFor<Math::Vector<2, Float>> { static constexpr AnimationTrackType type() { return AnimationTrackType::Vector2; } };
    template<> struct AnimationTypeFor<Math::Vector<3, Float>> { static constexpr AnimationTrackType type() { return AnimationTrackType::Vector3; } };
    template<> struct AnimationTypeFor<Math::Vector<4, Float>> { static constexpr AnimationTrackType type() { return AnimationTrackType::Vector4; } };
    _c(Math::Color3<Float>, Vector3)
    _c(Math::Color4<Float>, Vector4)
    _c(Math::Vector2<UnsignedInt>, Vector2ui)
    _c(Math::Vector3<UnsignedInt>, Vector3ui)
    _c(Math::Vector4<UnsignedInt>, Vector4ui)
    _c(Math::Vector2<Int>, Vector2i)
    _c(Math::Vector3<Int>, Vector3i)
    _c(Math::Vector4<Int>, Vector4i)
    _c(Math::Quaternion<Float>, Quaternion)
    _c(Math::CubicHermite1D<Float>, CubicHermite1D)
    _c(Math::CubicHermite2D<Float>, CubicHermite2D)
    _c(Math::CubicHermite3D<Float>, CubicHermite3D)
    _c(Math::CubicHermiteComplex<Float>, CubicHermiteComplex)
    _c(Math::CubicHermiteQuaternion<Float>, CubicHermiteQuaternion)
    #undef _c
}

/** Animation track data, used to populate an AnimationData */
class AnimationTrackData {
    public:
        /** Default constructor, contents to be replaced later */
        explicit AnimationTrackData() noexcept: _type{}, _resultType{}, _targetName{}, _target{}, _view{} {}

        /** From a typed track view */
        template<class V, class R> explicit AnimationTrackData(AnimationTrackTarget targetName, UnsignedLong target, const Animation::TrackView<const Float, const V, R>& view) noexcept: _type{Implementation::AnimationTypeFor<V>::type()}, _resultType{Implementation::AnimationTypeFor<R>::type()}, _targetName{targetName}, _target{target}, _view{view} {}

    private:
        friend AnimationData;

        AnimationTrackType _type, _resultType;
        AnimationTrackTarget _targetName;
        UnsignedLong _target;
        Animation::TrackViewStorage<const Float> _view;
};

/** Animation clip data */
class AnimationData {
    public:
        /** Owned data, duration computed from the tracks */
        explicit AnimationData(Corrade::Containers::Array<char>&& data, Corrade::Containers::Array<AnimationTrackData>&& tracks, const void* importerState = nullptr) noexcept;
        explicit AnimationData(Corrade::Containers::Array<char>&& data, std::initializer_list<AnimationTrackData> tracks, const void* importerState = nullptr);
        /** Non-owned data, duration computed from the tracks */
        explicit AnimationData(DataFlags dataFlags, Corrade::Containers::ArrayView<const void> data, Corrade::Containers::Array<AnimationTrackData>&& tracks, const void* importerState = nullptr) noexcept;
        explicit AnimationData(DataFlags dataFlags, Corrade::Containers::ArrayView<const void> data, std::initializer_list<AnimationTrackData> tracks, const void* importerState = nullptr);
        /** Owned data with an explicit duration */
        explicit AnimationData(Corrade::Containers::Array<char>&& data, Corrade::Containers::Array<AnimationTrackData>&& tracks, const Math::Range1D<Float>& duration, const void* importerState = nullptr) noexcept;
        explicit AnimationData(Corrade::Containers::Array<char>&& data, std::initializer_list<AnimationTrackData> tracks, const Math::Range1D<Float>& duration, const void* importerState = nullptr);
        /** Non-owned data with an explicit duration */
        explicit AnimationData(DataFlags dataFlags, Corrade::Containers::ArrayView<const void> data, Corrade::Containers::Array<AnimationTrackData>&& tracks, const Math::Range1D<Float>& duration, const void* importerState = nullptr) noexcept;
        explicit AnimationData(DataFlags dataFlags, Corrade::Containers::ArrayView<const void> data, std::initializer_list<AnimationTrackData> tracks, const Math::Range1D<Float>& duration, const void* importerState = nullptr);

        ~AnimationData();
        AnimationData(const AnimationData&) = delete;
        AnimationData(AnimationData&&) noexcept;
        AnimationData& operator=(const AnimationData&) = delete;
        AnimationData& operator=(AnimationData&&) noexcept;

        DataFlags dataFlags() const { return _dataFlags; }
        Corrade::Containers::ArrayView<const char> data() const & { return _data; }
        Corrade::Containers::ArrayView<const char> data() const && = delete;
        /** Mutable data, the animation has to be mutable */
        Corrade::Containers::ArrayView<char> mutableData() &;
        Corrade::Containers::ArrayView<char> mutableData() && = delete;

        Math::Range1D<Float> duration() const { return _duration; }
        UnsignedInt trackCount() const { return UnsignedInt(_tracks.size()); }
        AnimationTrackType trackType(UnsignedInt id) const;
        AnimationTrackType trackResultType(UnsignedInt id) const;
        AnimationTrackTarget trackTargetName(UnsignedInt id) const;
        UnsignedLong trackTarget(UnsignedInt id) const;

        /** Type-erased track */
        const Animation::TrackViewStorage<const Float>& track(UnsignedInt id) const;
        /** Type-erased mutable track, the animation has to be mutable */
        const Animation::TrackViewStorage<Float>& mutableTrack(UnsignedInt id);
        /** Typed track, the types have to match trackType() and trackResultType() */
        template<class V, class R = Animation::ResultOf<V>> const Animation::TrackView<const Float, const V, R>& track(UnsignedInt id) const;
        /** Typed mutable track */
        template<class V, class R = Animation::ResultOf<V>> const Animation::TrackView<Float, V, R>& mutableTrack(UnsignedInt id);

        /** Release the data, the animation then has no tracks */
        Corrade::Containers::Array<char> release();

        const void* importerState() const { return _importerState; }

    private:
        DataFlags _dataFlags;
        Math::Range1D<Float> _duration;
        Corrade::Containers::Array<char> _data;
        Corrade::Containers::Array<AnimationTrackData> _tracks;
        const void* _importerState;
};

template<class V, class R> const Animation::TrackView<const Float, const V, R>& AnimationData::track(UnsignedInt id) const {
    const Animation::TrackViewStorage<const Float>& storage = track(id);
    CORRADE_ASSERT(Implementation::AnimationTypeFor<V>::type() == _tracks[id]._type,
        "Trade::AnimationData::track(): improper type requested for" << _tracks[id]._type, (static_cast<const Animation::TrackView<const Float, const V, R>&>(storage)));
    CORRADE_ASSERT(Implementation::AnimationTypeFor<R>::type() == _tracks[id]._resultType,
        "Trade::AnimationData::track(): improper result type requested for" << _tracks[id]._resultType, (static_cast<const Animation::TrackView<const Float, const V, R>&>(storage)));
    return static_cast<const Animation::TrackView<const Float, const V, R>&>(storage);
}

template<class V, class R> const Animation::TrackView<Float, V, R>& AnimationData::mutableTrack(UnsignedInt id) {
    const Animation::TrackViewStorage<Float>& storage = mutableTrack(id);
    CORRADE_ASSERT(Implementation::AnimationTypeFor<V>::type() == _tracks[id]._type,
        "Trade::AnimationData::mutableTrack(): improper type requested for" << _tracks[id]._type, (static_cast<const Animation::TrackView<Float, V, R>&>(storage)));
    CORRADE_ASSERT(Implementation::AnimationTypeFor<R>::type() == _tracks[id]._resultType,
        "Trade::AnimationData::mutableTrack(): improper result type requested for" << _tracks[id]._resultType, (static_cast<const Animation::TrackView<Float, V, R>&>(storage)));
    return static_cast<const Animation::TrackView<Float, V, R>&>(storage);
}

}}

#endif
