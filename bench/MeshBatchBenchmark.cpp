#include <chrono>
#include <cstring>
#include <utility>
#include <vector>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Reference.h>
#include <Magnum/GL/Buffer.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Mesh.h>
#include <Magnum/MeshTools/Concatenate.h>
#include "GLTestContext.h"
#include <Magnum/Trade/MeshData.h>

#include "VelmoraEngine/Tools/MeshBatch.h"

using namespace Corrade;
using namespace Magnum;
using namespace VelmoraEngine;

namespace {

constexpr std::size_t MeshCount = 10000;

/* A small packed mesh in the default batch layout: a box of 24 vertices and
   36 indices */
Trade::MeshData smallMesh() {
    Containers::Array<Trade::MeshAttributeData> layout = getLayout(MeshDataFlag::Packed|MeshDataFlag::Position3D|MeshDataFlag::TextureCoordinates|MeshDataFlag::ObjectId|MeshDataFlag::Normal, 24);
    Containers::Array<char> vertexData{ValueInit, 24*32};
    Containers::Array<char> indexData{NoInit, 36*4};
    const Containers::ArrayView<UnsignedInt> indices = Containers::arrayCast<UnsignedInt>(indexData);
    for(UnsignedInt face = 0; face != 6; ++face) {
        const UnsignedInt q[]{0, 1, 2, 0, 2, 3};
        for(UnsignedInt i = 0; i != 6; ++i) indices[face*6 + i] = face*4 + q[i];
    }
    const Trade::MeshIndexData indexView{indices};
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indexView, std::move(vertexData), std::move(layout)};
}

long peakRssKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void report(benchmark::State& state, const std::vector<double>& times, double total) {
    double first = 0.0, last = 0.0;
    for(std::size_t i = 0; i != 1000; ++i) {
        first += times[i];
        last += times[times.size() - 1000 + i];
    }
    state.counters["first 1000 ms"] = first*1000.0;
    state.counters["last 1000 ms"] = last*1000.0;
    state.counters["last/first"] = last/first;
    state.counters["total s"] = total;
}

/* One append and one update per mesh, as an editor streaming meshes in */
void batchAppend(benchmark::State& state) {
    if(!VelmoraEngine::Test::hasGLContext()) {
        state.SkipWithError("no GL context");
        return;
    }
    const Trade::MeshData mesh = smallMesh();
    for(auto _: state) {
        const long rssBefore = peakRssKilobytes();
        MeshBatch batch;
        /* Room for growth, so appends don't reallocate the GL buffers */
        batch.reserveSlack(UnsignedInt(MeshCount*36), UnsignedInt(MeshCount*24));
        std::vector<double> times;
        times.reserve(MeshCount);
        const auto begin = std::chrono::steady_clock::now();
        for(std::size_t i = 0; i != MeshCount; ++i) {
            const auto start = std::chrono::steady_clock::now();
            batch.addMesh(mesh);
            batch.updateMesh();
            times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        const double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        state.SetIterationTime(total);
        report(state, times, total);
        state.counters["batch MB"] = Double(batch.meshData().vertexData().size() + batch.meshData().indexData().size())/1.0e6;
        state.counters["peak RSS growth MB"] = Double(peakRssKilobytes() - rssBefore)/1.0e3;
    }
}

/* The baseline: concatenate the whole batch anew and upload all of it */
void reconcatenate(benchmark::State& state) {
    if(!VelmoraEngine::Test::hasGLContext()) {
        state.SkipWithError("no GL context");
        return;
    }
    const Trade::MeshData mesh = smallMesh();
    for(auto _: state) {
        GL::Buffer vertexBuffer{GL::Buffer::TargetHint::Array};
        GL::Buffer indexBuffer{GL::Buffer::TargetHint::ElementArray};
        std::vector<Containers::Reference<const Trade::MeshData>> meshes;
        std::vector<double> times;
        times.reserve(MeshCount);
        const auto begin = std::chrono::steady_clock::now();
        for(std::size_t i = 0; i != MeshCount; ++i) {
            const auto start = std::chrono::steady_clock::now();
            meshes.push_back(mesh);
            Trade::MeshData all = MeshTools::concatenate(Containers::arrayView(meshes.data(), meshes.size()));
            vertexBuffer.setData(all.vertexData(), GL::BufferUsage::DynamicDraw);
            indexBuffer.setData(all.indexData(), GL::BufferUsage::DynamicDraw);
            times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        const double total = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        state.SetIterationTime(total);
        report(state, times, total);
    }
}

}

BENCHMARK(batchAppend)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(reconcatenate)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
