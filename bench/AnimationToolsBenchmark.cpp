#include <cmath>
#include <cstring>
#include <utility>

#include <benchmark/benchmark.h>

#include <Corrade/Containers/Array.h>
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

void vectorTrack(benchmark::State& state) {
    const Trade::AnimationData animation = makeAnimation(sampleVector);
    for(auto _: state) {
        Trade::AnimationData out = AnimationTools::removeLinearlyRedundantKeyframes(animation);
        benchmark::DoNotOptimize(out.data().data());
    }
    state.counters["keys/s"] = benchmark::Counter(Float(KeyCount)*Float(state.iterations()), benchmark::Counter::kIsRate);
}

void quaternionTrack(benchmark::State& state) {
    const Trade::AnimationData animation = makeAnimation(sampleQuaternion);
    for(auto _: state) {
        Trade::AnimationData out = AnimationTools::removeLinearlyRedundantKeyframes(animation);
        benchmark::DoNotOptimize(out.data().data());
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

BENCHMARK(vectorTrack)->Unit(benchmark::kMillisecond);
BENCHMARK(quaternionTrack)->Unit(benchmark::kMillisecond);
BENCHMARK(memcpyBaseline)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
