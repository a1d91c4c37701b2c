#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>
#include <Corrade/Containers/Optional.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector2.h>

#include "VelmoraEngine/Tools/RectPacking.h"

#define STB_RECT_PACK_IMPLEMENTATION
#define STBRP_STATIC
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#endif
#include <stb_rect_pack.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

using namespace Corrade;
using namespace Magnum;
using VelmoraEngine::RectPacking;

typedef Math::Range2D<UnsignedShort> Range2Dus;

constexpr Int Size = 4096;
constexpr UnsignedLong WholeArea = UnsignedLong(Size)*UnsignedLong(Size);

/* Both packers get the same sequence; far more than fits, so every run ends
   at its first failure */
const std::vector<Vector2us>& rectangles() {
    static const std::vector<Vector2us> out = [] {
        std::mt19937 rng{20260801};
        std::vector<Vector2us> sizes;
        for(std::size_t i = 0; i != 8192; ++i)
            sizes.emplace_back(UnsignedShort(16 + rng()%241), UnsignedShort(16 + rng()%241));
        return sizes;
    }();
    return out;
}

UnsignedLong area(const Vector2us& size) {
    return UnsignedLong(size.x())*UnsignedLong(size.y());
}

/* Insert the sequence one by one until the first one that doesn't fit */

void fillRectPacking(benchmark::State& state) {
    const std::vector<Vector2us>& sizes = rectangles();
    std::size_t inserted = 0;
    float occupancy = 0.0f;
    for(auto _: state) {
        RectPacking packing{Vector2i{Size}};
        inserted = 0;
        for(const Vector2us& size: sizes) {
            const Containers::Optional<Range2Dus> placed = packing.insert(size);
            if(!placed) break;
            benchmark::DoNotOptimize(placed->min());
            ++inserted;
        }
        occupancy = packing.occupancy();
    }
    state.counters["placed"] = double(inserted);
    state.counters["occupancy"] = occupancy;
    state.counters["inserts/s"] = benchmark::Counter(double(inserted), benchmark::Counter::kIsIterationInvariantRate);
}

void fillStbRectPack(benchmark::State& state) {
    const std::vector<Vector2us>& sizes = rectangles();
    /* One node per column is what stb asks for to pack without losses */
    std::vector<stbrp_node> nodes(Size);
    std::size_t inserted = 0;
    UnsignedLong placedArea = 0;
    for(auto _: state) {
        stbrp_context context;
        stbrp_init_target(&context, Size, Size, nodes.data(), Int(nodes.size()));
        inserted = 0;
        placedArea = 0;
        for(const Vector2us& size: sizes) {
            stbrp_rect rect{};
            rect.w = size.x();
            rect.h = size.y();
            if(!stbrp_pack_rects(&context, &rect, 1)) break;
            benchmark::DoNotOptimize(rect.x);
            ++inserted;
            placedArea += area(size);
        }
    }
    state.counters["placed"] = double(inserted);
    state.counters["occupancy"] = double(placedArea)/double(WholeArea);
    state.counters["inserts/s"] = benchmark::Counter(double(inserted), benchmark::Counter::kIsIterationInvariantRate);
}

/* The same sequence to its end, passing over what doesn't fit, as an atlas
   does with images that go to another layer */

void fillAllRectPacking(benchmark::State& state) {
    const std::vector<Vector2us>& sizes = rectangles();
    std::size_t inserted = 0;
    float occupancy = 0.0f;
    for(auto _: state) {
        RectPacking packing{Vector2i{Size}};
        inserted = 0;
        for(const Vector2us& size: sizes) {
            const Containers::Optional<Range2Dus> placed = packing.insert(size);
            if(!placed) continue;
            benchmark::DoNotOptimize(placed->min());
            ++inserted;
        }
        occupancy = packing.occupancy();
    }
    state.counters["placed"] = double(inserted);
    state.counters["occupancy"] = occupancy;
    state.counters["tries/s"] = benchmark::Counter(double(sizes.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void fillAllStbRectPack(benchmark::State& state) {
    const std::vector<Vector2us>& sizes = rectangles();
    std::vector<stbrp_node> nodes(Size);
    std::size_t inserted = 0;
    UnsignedLong placedArea = 0;
    for(auto _: state) {
        stbrp_context context;
        stbrp_init_target(&context, Size, Size, nodes.data(), Int(nodes.size()));
        inserted = 0;
        placedArea = 0;
        for(const Vector2us& size: sizes) {
            stbrp_rect rect{};
            rect.w = size.x();
            rect.h = size.y();
            if(!stbrp_pack_rects(&context, &rect, 1)) continue;
            benchmark::DoNotOptimize(rect.x);
            ++inserted;
            placedArea += area(size);
        }
    }
    state.counters["placed"] = double(inserted);
    state.counters["occupancy"] = double(placedArea)/double(WholeArea);
    state.counters["tries/s"] = benchmark::Counter(double(sizes.size()), benchmark::Counter::kIsIterationInvariantRate);
}

/* Inserts and removals at about 70% occupancy, which the skyline of stb
   can't do; the free list grows with the fragmentation */

void churnRectPacking(benchmark::State& state) {
    constexpr UnsignedLong Target = WholeArea*7/10;
    std::mt19937 rng{7};
    const auto randomSize = [&rng] {
        return Vector2us{UnsignedShort(16 + rng()%241), UnsignedShort(16 + rng()%241)};
    };

    RectPacking packing{Vector2i{Size}};
    std::vector<Range2Dus> placed;
    UnsignedLong placedArea = 0;
    const auto insert = [&](const Vector2us& size) {
        const Containers::Optional<Range2Dus> range = packing.insert(size);
        if(!range) return false;
        placed.push_back(*range);
        placedArea += area(size);
        return true;
    };
    const auto removeRandom = [&] {
        const std::size_t i = rng()%placed.size();
        packing.remove(placed[i]);
        placedArea -= area(placed[i].max() - placed[i].min());
        placed[i] = placed.back();
        placed.pop_back();
    };

    /* Fill up to the target, passing over what doesn't fit */
    for(std::size_t failures = 0; placedArea < Target && failures != 10000; )
        if(!insert(randomSize())) ++failures;

    const double startOccupancy = double(placedArea)/double(WholeArea);
    std::size_t operations = 0, failedInserts = 0, spacesMax = 0;
    double spacesSum = 0.0, occupancySum = 0.0;
    for(auto _: state) {
        if(placedArea < Target || placed.empty()) {
            if(!insert(randomSize())) ++failedInserts;
        } else removeRandom();

        ++operations;
        const std::size_t spaces = packing.spaces().size();
        spacesSum += double(spaces);
        if(spaces > spacesMax) spacesMax = spaces;
        occupancySum += double(placedArea)/double(WholeArea);
    }

    state.counters["occupancyStart"] = startOccupancy;
    state.counters["ops/s"] = benchmark::Counter(double(operations), benchmark::Counter::kIsRate);
    state.counters["spacesMean"] = spacesSum/double(operations);
    state.counters["spacesMax"] = double(spacesMax);
    state.counters["spacesEnd"] = double(packing.spaces().size());
    state.counters["occupancyMean"] = occupancySum/double(operations);
    state.counters["failedInserts"] = double(failedInserts);
}

}

BENCHMARK(fillRectPacking)->Unit(benchmark::kMicrosecond);
BENCHMARK(fillStbRectPack)->Unit(benchmark::kMicrosecond);
BENCHMARK(fillAllRectPacking)->Unit(benchmark::kMicrosecond);
BENCHMARK(fillAllStbRectPack)->Unit(benchmark::kMicrosecond);
/* Fixed operation counts from a fresh fill, so the free-list length can be
   followed over time */
BENCHMARK(churnRectPacking)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(churnRectPacking)->Iterations(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(churnRectPacking)->Iterations(100000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
