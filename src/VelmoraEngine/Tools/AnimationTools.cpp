#include "VelmoraEngine/Tools/AnimationTools.h"

#include <cmath>
#include <cstring>
#include <utility>

#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Assert.h>
#include <Magnum/Animation/Interpolation.h>
#include <Magnum/Animation/Track.h>
#include <Magnum/Math/Functions.h>
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

/* Coefficients of the power series the slerp estimate below is made of */
constexpr std::size_t HalfAngleTerms = 7;
constexpr std::size_t SineTerms = 6;
constexpr std::size_t CosineTerms = 7;

struct SlerpSeries {
    /* phi^2 = sum of halfAngle[n]*u^(n + 1) for phi = acos(1 - u) */
    double halfAngle[HalfAngleTerms]{};
    /* sin(x)/x and cos(x) as polynomials in x^2 */
    double sine[SineTerms]{};
    double cosine[CosineTerms]{};

    constexpr SlerpSeries() {
        /* acos(1 - u)^2 = 2 sum_n (2u)^n/(n^2 C(2n, n)) */
        double binomial = 1.0, power = 2.0;
        for(std::size_t n = 1; n <= HalfAngleTerms; ++n) {
            binomial = binomial*double(2*n)*double(2*n - 1)/(double(n)*double(n));
            power *= 2.0;
            halfAngle[n - 1] = power/(double(n)*double(n)*binomial);
        }
        double factorial = 1.0, sign = 1.0;
        for(std::size_t k = 0; k != CosineTerms; ++k) {
            if(k) factorial *= double(2*k - 1)*double(2*k);
            cosine[k] = sign/factorial;
            if(k < SineTerms) sine[k] = sign/(factorial*double(2*k + 1));
            sign = -sign;
        }
    }
};

constexpr SlerpSeries Series;

/* Most keys of a quaternion track are decided without the float slerp,
   whose acos and three sines are almost all of its time. The slerp is
   estimated in double from the series above, whose weights are within
   about 1e-7 of the exact ones for the angles the shortest path has (at
   most pi/2), while the float slerp is within about 1e-6 of the exact
   value. A component whose difference lies within Margin of fuzzyEqual()'s
   threshold, and every input the estimate doesn't cover (lengths the
   interpolator may assert on, nearly equal or perpendicular inputs, t
   outside [0, 1], NaNs), goes to the interpolator itself, so the kept keys
   are always the ones it gives. */
enum class Decision: UnsignedByte { Equal, Different, Undecided };

constexpr double Margin = 4.0e-6;
constexpr double Epsilon = double(1.0e-5f);

/* Keys estimated at once: independent chains the processor overlaps */
constexpr std::size_t EstimateBatch = 8;

inline bool clearlyNormalized(const Math::Quaternion<Float>& q) {
    const double lengthSquared = double(q.vector().x())*q.vector().x() + double(q.vector().y())*q.vector().y() +
        double(q.vector().z())*q.vector().z() + double(q.scalar())*q.scalar();
    return std::abs(lengthSquared - 1.0) < 1.0e-5;
}

/* Decisions for keys first to first + count - 1. Each is interpolated
   from values[last], or with chained from the key before it, as if every
   key of the batch before it stayed. Every step runs over all lanes at
   once, so the lanes are independent chains that the compiler vectorizes
   and the processor overlaps; unused lanes compute a harmless dummy. */
template<bool chained> void estimateQuaternions(const Containers::StridedArrayView1D<const Float>& keys, const Containers::StridedArrayView1D<const Math::Quaternion<Float>>& values, const std::size_t last, const std::size_t first, const std::size_t count, Decision* const decisions) {
    constexpr std::size_t lanes = EstimateBatch;
    double ax[lanes], ay[lanes], az[lanes], aw[lanes], t[lanes], c[lanes], sign[lanes];
    bool valid[lanes];
    const bool lastNormalized = clearlyNormalized(values[last]);
    for(std::size_t j = 0; j != lanes; ++j) {
        ax[j] = ay[j] = az[j] = aw[j] = t[j] = 0.0;
        c[j] = 0.5;
        sign[j] = 1.0;
        valid[j] = false;
        if(j >= count) continue;

        const std::size_t i = first + j;
        const std::size_t from = chained && j ? i - 1 : last;
        const Math::Quaternion<Float>& a = values[from];
        const Math::Quaternion<Float>& b = values[i + 1];
        const Float tFloat = (keys[i] - keys[from])/(keys[i + 1] - keys[from]);
        const double d = double(a.vector().x())*b.vector().x() + double(a.vector().y())*b.vector().y() +
            double(a.vector().z())*b.vector().z() + double(a.scalar())*b.scalar();
        const double absolute = std::abs(d);
        /* The sign of a dot product this close to 0 may differ from the
           float one, nearly equal inputs take the interpolator's lerp
           branch */
        if(!(tFloat >= 0.0f && tFloat <= 1.0f && absolute > 1.0e-6 && absolute < 1.0 - 2.0e-5 &&
             (chained && j ? clearlyNormalized(a) : lastNormalized) && clearlyNormalized(b))) continue;

        ax[j] = a.vector().x();
        ay[j] = a.vector().y();
        az[j] = a.vector().z();
        aw[j] = a.scalar();
        t[j] = tFloat;
        c[j] = absolute;
        sign[j] = d < 0.0 ? -1.0 : 1.0;
        valid[j] = true;
    }

    /* The slerp weights w0 = sin((1 - t)theta)/sin(theta) and
       w1 = sin(t theta)/sin(theta) for theta = acos(c). Its square comes
       from the half angle, whose cosine is at least cos(pi/4), so that
       series converges fast; then w1 = sin(t theta) theta/sin(theta) with
       theta/sin(theta) = sqrt(theta^2/(1 - c^2)), and
       w0 = cos(t theta) - c w1. */
    double halfU[lanes], angleSquared[lanes], tAngleSquared[lanes];
    for(std::size_t j = 0; j != lanes; ++j)
        halfU[j] = 1.0 - std::sqrt(0.5*(1.0 + c[j]));
    for(std::size_t j = 0; j != lanes; ++j)
        angleSquared[j] = Series.halfAngle[HalfAngleTerms - 1];
    for(std::size_t k = HalfAngleTerms - 1; k; --k)
        for(std::size_t j = 0; j != lanes; ++j)
            angleSquared[j] = angleSquared[j]*halfU[j] + Series.halfAngle[k - 1];
    for(std::size_t j = 0; j != lanes; ++j) {
        angleSquared[j] *= 4.0*halfU[j];
        tAngleSquared[j] = t[j]*t[j]*angleSquared[j];
    }

    double tSine[lanes], tCosine[lanes];
    for(std::size_t j = 0; j != lanes; ++j) {
        tSine[j] = Series.sine[SineTerms - 1];
        tCosine[j] = Series.cosine[CosineTerms - 1];
    }
    for(std::size_t k = CosineTerms - 1; k; --k) for(std::size_t j = 0; j != lanes; ++j)
        tCosine[j] = tCosine[j]*tAngleSquared[j] + Series.cosine[k - 1];
    for(std::size_t k = SineTerms - 1; k; --k) for(std::size_t j = 0; j != lanes; ++j)
        tSine[j] = tSine[j]*tAngleSquared[j] + Series.sine[k - 1];

    double w0[lanes], w1[lanes];
    for(std::size_t j = 0; j != lanes; ++j) {
        w1[j] = t[j]*tSine[j]*std::sqrt(angleSquared[j]/((1.0 - c[j])*(1.0 + c[j])));
        w0[j] = (tCosine[j] - c[j]*w1[j])*sign[j];
    }

    /* Equal where every component is clearly within the threshold,
       different where any is clearly past it (absolute below a sum of
       magnitudes of 1, relative above). A NaN in the key in between fails
       both. */
    for(std::size_t j = 0; j != count; ++j) {
        if(!valid[j]) {
            decisions[j] = Decision::Undecided;
            continue;
        }
        const Math::Quaternion<Float>& qb = values[first + j + 1];
        const Math::Quaternion<Float>& qv = values[first + j];
        const double b[]{qb.vector().x(), qb.vector().y(), qb.vector().z(), qb.scalar()};
        const double v[]{qv.vector().x(), qv.vector().y(), qv.vector().z(), qv.scalar()};
        const double a[]{ax[j], ay[j], az[j], aw[j]};
        /* Nearly all keys of a run that goes are equal in every component */
        double estimate[4], difference[4], largest = 0.0;
        for(std::size_t k = 0; k != 4; ++k) {
            estimate[k] = w0[j]*a[k] + w1[j]*b[k];
            difference[k] = std::abs(estimate[k] - v[k]);
            largest = largest > difference[k] ? largest : difference[k];
        }
        if(largest < Epsilon - Margin) {
            decisions[j] = Decision::Equal;
            continue;
        }
        bool equal = true, different = false;
        for(std::size_t k = 0; k != 4; ++k) {
            const double magnitude = std::abs(estimate[k]) + std::abs(v[k]) + Margin;
            equal &= difference[k] < Epsilon - Margin;
            different |= difference[k] > Margin + Epsilon*(magnitude > 1.0 ? magnitude : 1.0)*(1.0 + 1.0e-6);
        }
        decisions[j] = different ? Decision::Different : equal ? Decision::Equal : Decision::Undecided;
    }
}

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

/* The same keys as reduce() with QuaternionLerp. A batch of estimates
   assumes either that every key in it goes, so all interpolate from the
   last kept key, or that every key stays, so each interpolates from the one
   before; the first key that proves the assumption wrong ends the batch.
   Where batches keep ending early, the interpolator takes a few keys
   directly before estimates are tried again, so tracks that alternate cost
   little more than interpolating every key. */
void reduceQuaternions(const Containers::StridedArrayView1D<const Float>& keys, const Containers::StridedArrayView1D<const Math::Quaternion<Float>>& values, Containers::Array<UnsignedInt>& kept) {
    Containers::arrayResize(kept, 0);
    const std::size_t count = keys.size();
    if(!count) return;

    Containers::arrayAppend(kept, 0u);
    if(count == 1) return;

    const QuaternionLerp lerp;
    const auto exact = [&](const std::size_t last, const std::size_t index) {
        const Float lastKey = keys[last];
        const Float t = (keys[index] - lastKey)/(keys[index + 1] - lastKey);
        return fuzzyEqual(lerp(values[last], values[index + 1], t), values[index]) ?
            Decision::Equal : Decision::Different;
    };

    Decision decisions[EstimateBatch];
    std::size_t last = 0;
    /* Kept keys in a row; keys to decide directly; batches in a row whose
       estimates decided less than it takes to pay for them, and how many
       keys to decide directly after the next one */
    std::size_t streak = 0, direct = 0, poorBatches = 0, backoff = EstimateBatch;
    const auto decided = [&](const std::size_t index, const bool keep) {
        if(keep) {
            Containers::arrayAppend(kept, UnsignedInt(index));
            last = index;
            ++streak;
        } else streak = 0;
    };
    for(std::size_t i = 1; i + 1 < count; ) {
        if(direct) {
            decided(i, exact(last, i) == Decision::Different);
            --direct;
            ++i;
            continue;
        }

        /* A kept key mostly starts a new run of keys that go; only a few
           kept in a row suggest that the following stay too */
        const bool chained = streak >= 3;
        const std::size_t size = Math::min(EstimateBatch, count - 1 - i);
        if(chained) estimateQuaternions<true>(keys, values, last, i, size, decisions);
        else estimateQuaternions<false>(keys, values, last, i, size, decisions);
        std::size_t j = 0, estimated = 0;
        bool broken = false;
        while(j != size) {
            const std::size_t index = i + j++;
            Decision decision = decisions[j - 1];
            if(decision == Decision::Undecided) decision = exact(last, index);
            else ++estimated;
            const bool keep = decision == Decision::Different;
            decided(index, keep);
            if(keep != chained) {
                broken = true;
                break;
            }
        }
        i += j;

        /* The key after a kept one is decided directly: whether the next
           batch should chain depends on it */
        if(broken && !chained) direct = 1;

        /* A batch costs about as much as three or four keys given to the
           interpolator */
        if(estimated < 4 && size == EstimateBatch) {
            if(++poorBatches >= 2) {
                direct = backoff;
                backoff = Math::min(2*backoff, std::size_t{512});
            }
        } else {
            poorBatches = 0;
            backoff = EstimateBatch;
        }
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
            reduceQuaternions(track.keys(), track.values(), kept);
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
