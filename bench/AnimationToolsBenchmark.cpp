#include <cmath>
#include <cstring>
#include <utility>

#include <benchmark/benchmark.h>

#include <Corrade/Containers/Array.h>
#include <Magnum/Animation/Interpolation.h>
#include <Magnum/Animation/Track.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Trade/AnimationData.h>

#include "VelmoraEngine/Tools/AnimationTools.h"

using namespace Corrade;
using namespace Magnum;
using namespace VelmoraEngine;

namespace {

constexpr std::size_t KeyCount = 1000000;

/* Sampled motion: straight segments with occasional turns, like baked
   animation data, so some keys go and some stay */
template<class V> Trade::AnimationData makeAnimation(V(*sample)(Float)) {
    Containers::Array<char> data{NoInit, KeyCount*(sizeof(Float) + sizeof(V))};
    Containers::ArrayView<Float> keys = Containers::arrayCast<Float>(data.prefix(KeyCount*sizeof(Float)));
    Containers::ArrayView<V> values = Containers::arrayCast<V>(data.exceptPrefix(KeyCount*sizeof(Float)));
    for(std::size_t i = 0; i != KeyCount; ++i) {
        keys[i] = Float(i)/30.0f;
        values[i] = sample(keys[i]);
    }
    Trade::AnimationTrackData track{Trade::AnimationTrackTarget::Translation3D, 0,
        Animation::TrackView<const Float, const V>{keys, values, Animation::Interpolation::Linear}};
    return Trade::AnimationData{std::move(data), {track}};
}

Math::Vector3<Float> sampleVector(Float t) {
    const Float segment = std::floor(t/2.0f);
    return {t, std::fmod(segment, 3.0f)*t, std::sin(segment)};
}

Math::Quaternion<Float> sampleQuaternion(Float t) {
    return Math::Quaternion<Float>::rotation(Math::Rad<Float>{std::fmod(t, 3.0f)}, Math::Vector3<Float>::yAxis());
}

/* A random walk of small turns: every key stays, so each one is decided
   on its own */
Math::Quaternion<Float> sampleNoisyQuaternion(Float t) {
    const Float angle = 0.3f*std::sin(17.0f*t) + 0.2f*std::sin(29.0f*t);
    return Math::Quaternion<Float>::rotation(Math::Rad<Float>{angle}, Math::Vector3<Float>{std::sin(13.0f*t), 1.0f, std::cos(7.0f*t)}.normalized());
}

template<class V> void reduction(benchmark::State& state, V(*sample)(Float)) {
    const Trade::AnimationData animation = makeAnimation(sample);
    for(auto _: state) {
        Trade::AnimationData out = AnimationTools::removeLinearlyRedundantKeyframes(animation);
        benchmark::DoNotOptimize(out.data().data());
    }
    state.counters["keys/s"] = benchmark::Counter(Float(KeyCount)*Float(state.iterations()), benchmark::Counter::kIsRate);
}

/* The plain way as a peer: the interpolator called for every key, the
   kept indices counted */
bool fuzzyEqual(const Float a, const Float b) {
    if(a == b) return true;
    const Float difference = std::abs(a - b);
    if(a == 0.0f || b == 0.0f || difference < 1.0e-5f) return difference < 1.0e-5f;
    return difference/(std::abs(a) + std::abs(b)) < 1.0e-5f;
}

void interpolatorPerKey(benchmark::State& state, Math::Quaternion<Float>(*sample)(Float)) {
    const Trade::AnimationData animation = makeAnimation(sample);
    const auto track = animation.track<Math::Quaternion<Float>>(0);
    const auto lerp = Animation::interpolatorFor<Math::Quaternion<Float>>(Animation::Interpolation::Linear);
    for(auto _: state) {
        std::size_t kept = 2, last = 0;
        for(std::size_t i = 1; i + 1 < track.size(); ++i) {
            const Float t = (track.keys()[i] - track.keys()[last])/(track.keys()[i + 1] - track.keys()[last]);
            const Math::Quaternion<Float> r = lerp(track.values()[last], track.values()[i + 1], t);
            const Math::Quaternion<Float>& v = track.values()[i];
            if(fuzzyEqual(r.vector().x(), v.vector().x()) && fuzzyEqual(r.vector().y(), v.vector().y()) &&
               fuzzyEqual(r.vector().z(), v.vector().z()) && fuzzyEqual(r.scalar(), v.scalar())) continue;
            ++kept;
            last = i;
        }
        benchmark::DoNotOptimize(kept);
    }
    state.counters["keys/s"] = benchmark::Counter(Float(KeyCount)*Float(state.iterations()), benchmark::Counter::kIsRate);
}

/* The floor: touching every input byte once */
void memcpyBaseline(benchmark::State& state) {
    const Trade::AnimationData animation = makeAnimation(sampleVector);
    Containers::Array<char> out{NoInit, animation.data().size()};
    for(auto _: state) {
        std::memcpy(out.data(), animation.data().data(), out.size());
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["keys/s"] = benchmark::Counter(Float(KeyCount)*Float(state.iterations()), benchmark::Counter::kIsRate);
}

}

BENCHMARK_CAPTURE(reduction, vectorTrack, sampleVector)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduction, quaternionTrack, sampleQuaternion)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(interpolatorPerKey, quaternionTrack, sampleQuaternion)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(reduction, quaternionTrackNoisy, sampleNoisyQuaternion)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(interpolatorPerKey, quaternionTrackNoisy, sampleNoisyQuaternion)->Unit(benchmark::kMillisecond);
BENCHMARK(memcpyBaseline)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
