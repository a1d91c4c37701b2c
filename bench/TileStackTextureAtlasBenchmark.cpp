#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>
#include <random>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <Corrade/Containers/ArrayView.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/StringStl.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Debug.h>
#include <Corrade/Utility/MurmurHash2.h>
#include <Magnum/GL/Texture.h>
#include <Magnum/GL/TextureArray.h>
#include <Magnum/GL/TextureFormat.h>
#include <Magnum/ImageView.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector2.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/PixelStorage.h>

#include "GLTestContext.h"
#include "VelmoraEngine/Tools/RectPacking.h"
#include "VelmoraEngine/Tools/TileStackTextureAtlas.h"

/* Reservation and removal churn of 10000 images of 1 to 16 tiles, a third of
   their tile hashes shared. The whole atlas runs it, and beside it each part
   of its work alone on the same operations: hashing the tile hashes, placing
   the grids in a packing, writing the indirection texels, and a hash map of
   the hashes with reference counts as a peer of the atlas's own. What the
   atlas takes beyond hashing, packing and the texel writes is its map and
   bookkeeping. */

namespace {

using namespace Corrade;
using namespace Magnum;
using VelmoraEngine::RectPacking;
using VelmoraEngine::TileStackTextureAtlas;

constexpr std::size_t ImageCount = 10000;
constexpr std::size_t MaxLiveImages = 240;
constexpr Int TileSize = 4;

struct Image {
    Vector2i grid;
    std::vector<std::string> hashes;
    std::vector<Containers::StringView> views;
};

/* What the churn did, in order */
struct Operation {
    bool reserve;
    /* Image index for a reservation, the reservation's operation index for a
       removal */
    std::size_t index;
    /* Where a successful reservation went, in tiles; empty when refused */
    Containers::Optional<Math::Range2D<UnsignedShort>> range;
};

struct Churn {
    Vector2i virtualSizeInTiles;
    std::vector<Image> images;
    std::vector<Operation> operations;
    std::size_t reservations = 0, removals = 0, sharedTiles = 0, tiles = 0;
};

std::string contentHash(std::mt19937_64& random) {
    char out[41];
    std::snprintf(out, sizeof(out), "%016llx%016llx%08llx",
        static_cast<unsigned long long>(random()), static_cast<unsigned long long>(random()),
        static_cast<unsigned long long>(random() & 0xffffffffull));
    return out;
}

/* Runs the churn once on a real atlas to record what succeeded where; every
   benchmark replays exactly that */
const Churn& churn() {
    static const Churn out = [] {
        Churn churn;
        /* As many layers as GL gives, up to 64x32 */
        const Int rows = Math::min(32, GL::Texture2DArray::maxSize().z()/64);
        churn.virtualSizeInTiles = {64, rows};

        std::mt19937_64 random{20260806};
        std::vector<std::string> shared;
        for(std::size_t i = 0; i != 512; ++i) shared.push_back(contentHash(random));
        churn.images.resize(ImageCount);
        for(Image& image: churn.images) {
            image.grid = {Int(1 + random() % 4), Int(1 + random() % 4)};
            for(Int i = 0; i != image.grid.product(); ++i) {
                const bool isShared = random() % 3 == 0;
                image.hashes.push_back(isShared ? shared[random() % shared.size()] : contentHash(random));
                churn.sharedTiles += isShared;
            }
            churn.tiles += image.hashes.size();
            for(const std::string& hash: image.hashes) image.views.emplace_back(hash);
        }

        Utility::Debug silenceDebug{nullptr};
        Utility::Warning silenceWarning{nullptr};
        TileStackTextureAtlas atlas{PixelFormat::RGBA8Unorm, Vector2i{TileSize}, churn.virtualSizeInTiles*TileSize, false};
        /* Live reservations: atlas id and operation index */
        std::vector<std::pair<int, std::size_t>> live;
        const auto removeOne = [&] {
            const std::size_t which = std::size_t(random() % live.size());
            atlas.removeImage(live[which].first);
            churn.operations.push_back({false, live[which].second, {}});
            live[which] = live.back();
            live.pop_back();
        };
        const auto reserve = [&](std::size_t i) {
            const Image& image = churn.images[i];
            const int id = atlas.reserveImage(image.grid*TileSize, Containers::arrayView(image.views.data(), image.views.size()), 0);
            Operation operation{true, i, {}};
            if(id != -1) {
                const Math::Vector4<UnsignedShort> bounds = atlas.textureBounds()[id];
                const Math::Vector2<UnsignedShort> min{UnsignedShort(bounds.x()/TileSize), UnsignedShort(bounds.y()/TileSize)};
                operation.range = Math::Range2D<UnsignedShort>{min, min + Math::Vector2<UnsignedShort>{image.grid}};
                live.emplace_back(id, churn.operations.size());
            }
            churn.operations.push_back(operation);
            return id != -1;
        };
        for(std::size_t i = 0; i != ImageCount; ++i) {
            if(live.size() >= MaxLiveImages) removeOne();
            if(!reserve(i) && !live.empty()) {
                removeOne();
                reserve(i);
            }
        }
        for(const Operation& operation: churn.operations)
            (operation.reserve ? churn.reservations : churn.removals) += 1;
        return churn;
    }();
    return out;
}

bool requireContext(benchmark::State& state) {
    if(VelmoraEngine::Test::hasGLContext()) return true;
    state.SkipWithError("no GL context could be created");
    return false;
}

void setCounters(benchmark::State& state) {
    const Churn& data = churn();
    state.counters["operations/s"] = benchmark::Counter(double(data.reservations + data.removals), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["reservations"] = double(data.reservations);
    state.counters["removals"] = double(data.removals);
}

/* The whole atlas */
void churnAtlas(benchmark::State& state) {
    if(!requireContext(state)) return;
    const Churn& data = churn();
    Utility::Debug silenceDebug{nullptr};
    Utility::Warning silenceWarning{nullptr};
    std::size_t refused = 0;
    for(auto _: state) {
        state.PauseTiming();
        {
            TileStackTextureAtlas atlas{PixelFormat::RGBA8Unorm, Vector2i{TileSize}, data.virtualSizeInTiles*TileSize, false};
            std::vector<int> ids(data.operations.size(), -1);
            state.ResumeTiming();
            refused = 0;
            for(std::size_t i = 0; i != data.operations.size(); ++i) {
                const Operation& operation = data.operations[i];
                if(operation.reserve) {
                    const Image& image = data.images[operation.index];
                    ids[i] = atlas.reserveImage(image.grid*TileSize, Containers::arrayView(image.views.data(), image.views.size()), 0);
                    refused += ids[i] == -1;
                } else atlas.removeImage(ids[operation.index]);
            }
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    setCounters(state);
    state.counters["refused"] = double(refused);
    state.counters["shared tiles"] = double(data.sharedTiles)/double(data.tiles);
}

/* Hashing alone: one digest per tile of every reservation */
void churnHashing(benchmark::State& state) {
    if(!requireContext(state)) return;
    const Churn& data = churn();
    for(auto _: state) {
        for(const Operation& operation: data.operations) {
            /* A refused reservation is refused before any hashing */
            if(!operation.reserve || !operation.range) continue;
            for(const Containers::StringView hash: data.images[operation.index].views)
                benchmark::DoNotOptimize(Utility::MurmurHash2{}(hash.data(), hash.size()));
        }
    }
    setCounters(state);
}

/* Packing alone: the same grids into and out of a packing of the same size;
   a refused reservation is a failed insert */
void churnPacking(benchmark::State& state) {
    if(!requireContext(state)) return;
    const Churn& data = churn();
    for(auto _: state) {
        RectPacking packing{data.virtualSizeInTiles};
        for(const Operation& operation: data.operations) {
            if(operation.reserve) {
                benchmark::DoNotOptimize(packing.insert(Math::Vector2<UnsignedShort>{data.images[operation.index].grid}));
            } else packing.remove(*data.operations[operation.index].range);
        }
    }
    setCounters(state);
}

/* The indirection texels of every successful reservation, written alone */
void churnIndirectionWrites(benchmark::State& state) {
    if(!requireContext(state)) return;
    const Churn& data = churn();
    GL::Texture2D texture;
    texture.setStorage(1, GL::TextureFormat::R16UI, data.virtualSizeInTiles);
    std::vector<UnsignedShort> run(16);
    for(auto _: state) {
        for(const Operation& operation: data.operations) {
            if(!operation.reserve || !operation.range) continue;
            const Vector2i grid = data.images[operation.index].grid;
            texture.setSubImage(0, Vector2i{operation.range->min()},
                ImageView2D{PixelStorage{}.setAlignment(1), PixelFormat::R16UI, grid, Containers::arrayView(run.data(), std::size_t(grid.product()))});
        }
    }
    setCounters(state);
}

/* A peer for the map: std::unordered_map of owned strings to layers, with a
   reference count per layer, doing the lookups, inserts and erases the
   atlas does */
void churnMapPeer(benchmark::State& state) {
    if(!requireContext(state)) return;
    const Churn& data = churn();
    for(auto _: state) {
        std::unordered_map<std::string, UnsignedInt> map;
        std::vector<UnsignedInt> counts(std::size_t(data.virtualSizeInTiles.product()), 0);
        std::vector<UnsignedInt> freeLayers;
        for(UnsignedInt i = UnsignedInt(counts.size()); i != 0; --i) freeLayers.push_back(i - 1);
        std::vector<std::vector<UnsignedInt>> layersOf(data.operations.size());
        for(std::size_t i = 0; i != data.operations.size(); ++i) {
            const Operation& operation = data.operations[i];
            if(operation.reserve) {
                if(!operation.range) continue;
                for(const std::string& hash: data.images[operation.index].hashes) {
                    auto found = map.find(hash);
                    if(found == map.end()) {
                        found = map.emplace(hash, freeLayers.back()).first;
                        freeLayers.pop_back();
                    }
                    ++counts[found->second];
                    layersOf[i].push_back(found->second);
                }
            } else {
                const std::vector<std::string>& hashes = data.images[data.operations[operation.index].index].hashes;
                const std::vector<UnsignedInt>& layers = layersOf[operation.index];
                for(std::size_t j = 0; j != layers.size(); ++j) {
                    if(--counts[layers[j]]) continue;
                    map.erase(hashes[j]);
                    freeLayers.push_back(layers[j]);
                }
            }
        }
        benchmark::DoNotOptimize(map.size());
    }
    setCounters(state);
}

BENCHMARK(churnAtlas)->Unit(benchmark::kMillisecond);
BENCHMARK(churnHashing)->Unit(benchmark::kMillisecond);
BENCHMARK(churnPacking)->Unit(benchmark::kMillisecond);
BENCHMARK(churnIndirectionWrites)->Unit(benchmark::kMillisecond);
BENCHMARK(churnMapPeer)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
