#include <cmath>
#include <cstring>
#include <utility>

#include <benchmark/benchmark.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Implementation/VertexBuffer.h"
#include "VelmoraEngine/Tools/MeshLayout.h"
#include "VelmoraEngine/Tools/MeshTools.h"

using namespace Corrade;
using namespace Magnum;
using namespace VelmoraEngine;

namespace {

typedef Math::Vector2<Float> Vector2;
typedef Math::Vector3<Float> Vector3;
typedef Math::Vector4<Float> Vector4;

constexpr UnsignedInt VertexCount = 1000000;

/* Interleaved float position, normal, tangent and color */
Trade::MeshData floatMesh() {
    const MeshDataFlags flags = MeshDataFlag::Position3D|MeshDataFlag::Normal|MeshDataFlag::Tangent|MeshDataFlag::Color;
    Containers::Array<Trade::MeshAttributeData> layout = getLayout(flags, VertexCount);
    const std::size_t stride = layout[0].stride();
    Trade::MeshData mesh{MeshPrimitive::Triangles, Containers::Array<char>{ValueInit, stride*VertexCount}, std::move(layout)};
    const Containers::StridedArrayView1D<Vector3> normals = mesh.mutableAttribute<Vector3>(Trade::MeshAttribute::Normal);
    const Containers::StridedArrayView1D<Vector4> colors = mesh.mutableAttribute<Vector4>(Trade::MeshAttribute::Color);
    for(UnsignedInt i = 0; i != VertexCount; ++i) {
        const Float a = Float(i)*0.001f;
        normals[i] = {std::cos(a), std::sin(a), 0.0f};
        colors[i] = {0.5f, 0.25f, Float(i % 256)/255.0f, 1.0f};
    }
    return mesh;
}

const MeshDataFlags PackFlags = MeshDataFlag::Normal|MeshDataFlag::Tangent|MeshDataFlag::Color;

void packMeshBenchmark(benchmark::State& state) {
    const Trade::MeshData source = floatMesh();
    for(auto _: state) {
        state.PauseTiming();
        Containers::Array<char> copy{NoInit, source.vertexData().size()};
        std::memcpy(copy.data(), source.vertexData().data(), copy.size());
        Trade::MeshData mesh{MeshPrimitive::Triangles, std::move(copy), getLayout(MeshDataFlag::Position3D|PackFlags, VertexCount)};
        state.ResumeTiming();
        Trade::MeshData packed = packMesh(PackFlags, std::move(mesh));
        benchmark::DoNotOptimize(packed.vertexData().data());
    }
    state.counters["vertices/s"] = benchmark::Counter(Double(VertexCount)*Double(state.iterations()), benchmark::Counter::kIsRate);
}

void unpackMeshBenchmark(benchmark::State& state) {
    const Trade::MeshData packedSource = packMesh(PackFlags, floatMesh());
    for(auto _: state) {
        state.PauseTiming();
        Containers::Array<char> copy{NoInit, packedSource.vertexData().size()};
        std::memcpy(copy.data(), packedSource.vertexData().data(), copy.size());
        Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, packedSource.attributeCount()};
        for(UnsignedInt i = 0; i != attributes.size(); ++i) attributes[i] = packedSource.attributeData()[i];
        Trade::MeshData mesh{MeshPrimitive::Triangles, std::move(copy), std::move(attributes)};
        state.ResumeTiming();
        Trade::MeshData unpacked = unpackMesh(PackFlags, std::move(mesh));
        benchmark::DoNotOptimize(unpacked.vertexData().data());
    }
    state.counters["vertices/s"] = benchmark::Counter(Double(VertexCount)*Double(state.iterations()), benchmark::Counter::kIsRate);
}

/* The physical floor: one copy of the float vertex data */
void memcpyVertexData(benchmark::State& state) {
    const Trade::MeshData source = floatMesh();
    Containers::Array<char> out{NoInit, source.vertexData().size()};
    for(auto _: state) {
        std::memcpy(out.data(), source.vertexData().data(), out.size());
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["vertices/s"] = benchmark::Counter(Double(VertexCount)*Double(state.iterations()), benchmark::Counter::kIsRate);
}

/* Packing has to produce a new buffer, so also a copy into fresh memory,
   page faults included */
void memcpyFreshVertexData(benchmark::State& state) {
    const Trade::MeshData source = floatMesh();
    for(auto _: state) {
        Containers::Array<char> out{NoInit, source.vertexData().size()};
        std::memcpy(out.data(), source.vertexData().data(), out.size());
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["vertices/s"] = benchmark::Counter(Double(VertexCount)*Double(state.iterations()), benchmark::Counter::kIsRate);
}

/* The same with the pages mapped in by one call first, as packMesh() and
   unpackMesh() do for the buffers they allocate */
void memcpyFreshPrefaultedVertexData(benchmark::State& state) {
    const Trade::MeshData source = floatMesh();
    for(auto _: state) {
        Containers::Array<char> out{NoInit, source.vertexData().size()};
        Implementation::prefault(out.data(), out.size());
        std::memcpy(out.data(), source.vertexData().data(), out.size());
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["vertices/s"] = benchmark::Counter(Double(VertexCount)*Double(state.iterations()), benchmark::Counter::kIsRate);
}

/* A grid of 1M triangles with positions, texture coordinates and 32-bit
   indices */
constexpr UnsignedInt GridSize = 708; /* 707*707*2 = 999698 triangles */

Trade::MeshData grid(bool withNormals) {
    const UnsignedInt vertexCount = GridSize*GridSize;
    const std::size_t stride = withNormals ? 32 : 20;
    Containers::Array<char> vertexData{ValueInit, vertexCount*stride};
    Containers::Array<char> indexData{NoInit, (GridSize - 1)*(GridSize - 1)*6*sizeof(UnsignedInt)};
    const Containers::ArrayView<UnsignedInt> indices = Containers::arrayCast<UnsignedInt>(indexData);
    std::size_t i = 0;
    for(UnsignedInt y = 0; y + 1 != GridSize; ++y) for(UnsignedInt x = 0; x + 1 != GridSize; ++x) {
        const UnsignedInt a = y*GridSize + x;
        indices[i++] = a;
        indices[i++] = a + 1;
        indices[i++] = a + GridSize + 1;
        indices[i++] = a;
        indices[i++] = a + GridSize + 1;
        indices[i++] = a + GridSize;
    }
    Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, withNormals ? 3u : 2u};
    attributes[0] = Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, vertexCount, std::ptrdiff_t(stride)};
    attributes[1] = Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 12, vertexCount, std::ptrdiff_t(stride)};
    if(withNormals)
        attributes[2] = Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, 20, vertexCount, std::ptrdiff_t(stride)};
    Trade::MeshData mesh{MeshPrimitive::Triangles, std::move(indexData), Trade::MeshIndexData{indices}, std::move(vertexData), std::move(attributes)};
    const Containers::StridedArrayView1D<Vector3> positions = mesh.mutableAttribute<Vector3>(Trade::MeshAttribute::Position);
    const Containers::StridedArrayView1D<Vector2> uvs = mesh.mutableAttribute<Vector2>(Trade::MeshAttribute::TextureCoordinates);
    for(UnsignedInt y = 0; y != GridSize; ++y) for(UnsignedInt x = 0; x != GridSize; ++x) {
        const UnsignedInt v = y*GridSize + x;
        positions[v] = {Float(x), Float(y), std::sin(Float(x)*0.1f)*std::cos(Float(y)*0.1f)};
        uvs[v] = {Float(x)/GridSize, Float(y)/GridSize};
    }
    if(withNormals) mesh = MeshTools::generateNormals(std::move(mesh));
    return mesh;
}

template<bool normals> void generateBenchmark(benchmark::State& state) {
    const Trade::MeshData source = grid(!normals);
    for(auto _: state) {
        state.PauseTiming();
        Containers::Array<char> vertexData{NoInit, source.vertexData().size()};
        std::memcpy(vertexData.data(), source.vertexData().data(), vertexData.size());
        Containers::Array<char> indexData{NoInit, source.indexData().size()};
        std::memcpy(indexData.data(), source.indexData().data(), indexData.size());
        Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, source.attributeCount()};
        for(UnsignedInt i = 0; i != attributes.size(); ++i) attributes[i] = source.attributeData()[i];
        const Trade::MeshIndexData indices{MeshIndexType::UnsignedInt, Containers::ArrayView<const void>{indexData}};
        Trade::MeshData mesh{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), std::move(attributes)};
        state.ResumeTiming();
        Trade::MeshData out = normals ? MeshTools::generateNormals(std::move(mesh)) : MeshTools::generateTangents(std::move(mesh));
        benchmark::DoNotOptimize(out.vertexData().data());
    }
    state.counters["vertices/s"] = benchmark::Counter(Double(GridSize*GridSize)*Double(state.iterations()), benchmark::Counter::kIsRate);
}

}

BENCHMARK(packMeshBenchmark)->Name("packMesh")->Unit(benchmark::kMillisecond);
BENCHMARK(unpackMeshBenchmark)->Name("unpackMesh")->Unit(benchmark::kMillisecond);
BENCHMARK(memcpyVertexData)->Name("memcpy")->Unit(benchmark::kMillisecond);
BENCHMARK(memcpyFreshVertexData)->Name("memcpy into a new allocation")->Unit(benchmark::kMillisecond);
BENCHMARK(memcpyFreshPrefaultedVertexData)->Name("memcpy into a new prefaulted allocation")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(generateBenchmark, true)->Name("generateNormals")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(generateBenchmark, false)->Name("generateTangents")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
