/* processMesh() bringing imported meshes into the engine's packed form
   (triangles, smooth normals and MikkTSpace tangents where missing), beside
   assimp's post-processing doing the same jobs on the same data: every mesh
   of 2CylinderEngine.glb, and one synthetic mesh of a million vertices with
   texture coordinates and no normals or tangents; and the smooth normals
   alone beside assimp's. Only the processing is timed; importing happens
   with the timer paused. Both report the time per vertex. */
#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>
#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/StringView.h>
#include <Magnum/Trade/MeshData.h>

#include "GltfImporter.h"
#include "VelmoraEngine/Tools/ImportedSceneCache.h"
#include "VelmoraEngine/Tools/MeshTools.h"

using namespace Magnum;
using namespace Corrade;

namespace {

const std::string File = "/usr/share/assimp/models/glTF2/2CylinderEngine-glTF-Binary/2CylinderEngine.glb";

/* What the bake tool asks for by default */
constexpr VelmoraEngine::MeshDataFlags Flags = VelmoraEngine::MeshDataFlag::Packed|VelmoraEngine::MeshDataFlag::Position3D|VelmoraEngine::MeshDataFlag::TextureCoordinates|VelmoraEngine::MeshDataFlag::Normal|VelmoraEngine::MeshDataFlag::Tangent|VelmoraEngine::MeshDataFlag::ObjectId;

constexpr unsigned AssimpSteps = aiProcess_Triangulate|aiProcess_GenSmoothNormals|aiProcess_CalcTangentSpace;

/* A .glb holding a 1000x1000 grid of a gently waved surface: positions,
   texture coordinates and 32-bit indices, nothing else */
std::string syntheticGlb() {
    constexpr UnsignedInt Side = 1000;
    std::vector<Float> positions, textureCoordinates;
    positions.reserve(Side*Side*3);
    textureCoordinates.reserve(Side*Side*2);
    for(UnsignedInt y = 0; y != Side; ++y) for(UnsignedInt x = 0; x != Side; ++x) {
        const Float u = Float(x)/(Side - 1), v = Float(y)/(Side - 1);
        positions.insert(positions.end(), {u, v, 0.05f*std::sin(20.0f*u)*std::cos(17.0f*v)});
        textureCoordinates.insert(textureCoordinates.end(), {u, v});
    }
    std::vector<UnsignedInt> indices;
    indices.reserve((Side - 1)*(Side - 1)*6);
    for(UnsignedInt y = 0; y + 1 != Side; ++y) for(UnsignedInt x = 0; x + 1 != Side; ++x) {
        const UnsignedInt i = y*Side + x;
        indices.insert(indices.end(), {i, i + 1, i + Side, i + Side, i + 1, i + Side + 1});
    }

    const std::size_t positionBytes = positions.size()*4, textureBytes = textureCoordinates.size()*4, indexBytes = indices.size()*4;
    std::string bin(positionBytes + textureBytes + indexBytes, '\0');
    std::memcpy(&bin[0], positions.data(), positionBytes);
    std::memcpy(&bin[positionBytes], textureCoordinates.data(), textureBytes);
    std::memcpy(&bin[positionBytes + textureBytes], indices.data(), indexBytes);

    const std::string vertexCount = std::to_string(Side*Side);
    std::string json = R"({"asset":{"version":"2.0"},"scene":0,"scenes":[{"nodes":[0]}],"nodes":[{"mesh":0}],)"
        R"("meshes":[{"primitives":[{"attributes":{"POSITION":0,"TEXCOORD_0":1},"indices":2}]}],)"
        R"("buffers":[{"byteLength":)" + std::to_string(bin.size()) + R"(}],)"
        R"("bufferViews":[{"buffer":0,"byteOffset":0,"byteLength":)" + std::to_string(positionBytes) + R"(},)"
        R"({"buffer":0,"byteOffset":)" + std::to_string(positionBytes) + R"(,"byteLength":)" + std::to_string(textureBytes) + R"(},)"
        R"({"buffer":0,"byteOffset":)" + std::to_string(positionBytes + textureBytes) + R"(,"byteLength":)" + std::to_string(indexBytes) + R"(,"target":34963}],)"
        R"("accessors":[{"bufferView":0,"componentType":5126,"count":)" + vertexCount + R"(,"type":"VEC3","min":[0,0,-0.05],"max":[1,1,0.05]},)"
        R"({"bufferView":1,"componentType":5126,"count":)" + vertexCount + R"(,"type":"VEC2"},)"
        R"({"bufferView":2,"componentType":5125,"count":)" + std::to_string(indices.size()) + R"(,"type":"SCALAR"}]})";
    while(json.size() % 4) json += ' ';
    while(bin.size() % 4) bin += '\0';

    std::string glb;
    const auto appendWord = [&](UnsignedInt value) { glb.append(reinterpret_cast<const char*>(&value), 4); };
    glb += "glTF";
    appendWord(2);
    appendWord(UnsignedInt(12 + 8 + json.size() + 8 + bin.size()));
    appendWord(UnsignedInt(json.size()));
    glb += "JSON";
    glb += json;
    appendWord(UnsignedInt(bin.size()));
    glb += std::string{"BIN\0", 4};
    glb += bin;
    return glb;
}

const std::string& synthetic() {
    static const std::string glb = syntheticGlb();
    return glb;
}

/* Seconds per vertex, shown as such by the reporters */
benchmark::Counter perVertex(const std::size_t vertices) {
    return benchmark::Counter{double(vertices), benchmark::Counter::kIsIterationInvariantRate|benchmark::Counter::kInvert};
}

void processMeshes(benchmark::State& state, VelmoraEngine::GltfImporter& importer) {
    VelmoraEngine::ImportedSceneCache cache;
    cache.cacheResources(importer);
    std::size_t vertices = 0;
    for(auto _: state) {
        state.PauseTiming();
        std::vector<Trade::MeshData> meshes;
        for(UnsignedInt i = 0; i != importer.meshCount(); ++i) meshes.push_back(*importer.mesh(i));
        vertices = 0;
        state.ResumeTiming();
        for(Trade::MeshData& mesh: meshes) {
            vertices += mesh.vertexCount();
            if(!cache.canProcessMesh(mesh)) continue;
            Trade::MeshData processed = cache.processMesh(Flags, std::move(mesh));
            benchmark::DoNotOptimize(processed.vertexData().data());
        }
        state.PauseTiming();
        meshes.clear();
        state.ResumeTiming();
    }
    state.counters["vertices"] = double(vertices);
    state.counters["perVertex"] = perVertex(vertices);
}

void assimpPostProcessing(benchmark::State& state, const std::string& data) {
    std::size_t vertices = 0;
    for(auto _: state) {
        state.PauseTiming();
        Assimp::Importer importer;
        const aiScene* scene = data.empty() ?
            importer.ReadFile(File, 0) :
            importer.ReadFileFromMemory(data.data(), data.size(), 0, "glb");
        if(!scene) {
            state.SkipWithError("assimp can't read the file");
            return;
        }
        vertices = 0;
        for(unsigned i = 0; i != scene->mNumMeshes; ++i) vertices += scene->mMeshes[i]->mNumVertices;
        state.ResumeTiming();
        scene = importer.ApplyPostProcessing(AssimpSteps);
        benchmark::DoNotOptimize(scene);
        state.PauseTiming();
        importer.FreeScene();
        state.ResumeTiming();
    }
    state.counters["vertices"] = double(vertices);
    state.counters["perVertex"] = perVertex(vertices);
}

void processMeshTwoCylinderEngine(benchmark::State& state) {
    VelmoraEngine::GltfImporter importer;
    if(!importer.openFile(File.c_str())) {
        state.SkipWithError("can't open the file");
        return;
    }
    processMeshes(state, importer);
}
BENCHMARK(processMeshTwoCylinderEngine)->Unit(benchmark::kMillisecond);

void assimpTwoCylinderEngine(benchmark::State& state) {
    assimpPostProcessing(state, {});
}
BENCHMARK(assimpTwoCylinderEngine)->Unit(benchmark::kMillisecond);

void processMeshMillionVertices(benchmark::State& state) {
    VelmoraEngine::GltfImporter importer;
    const std::string& glb = synthetic();
    if(!importer.openData(Containers::ArrayView<const void>{glb.data(), glb.size()})) {
        state.SkipWithError("can't open the synthetic mesh");
        return;
    }
    processMeshes(state, importer);
}
BENCHMARK(processMeshMillionVertices)->Unit(benchmark::kMillisecond)->Iterations(3);

void assimpMillionVertices(benchmark::State& state) {
    assimpPostProcessing(state, synthetic());
}
BENCHMARK(assimpMillionVertices)->Unit(benchmark::kMillisecond)->Iterations(3);


/* generateNormals() beside assimp's smooth normals, on the million-vertex
   mesh as each importer delivers it */
void generateNormalsMillionVertices(benchmark::State& state) {
    VelmoraEngine::GltfImporter importer;
    const std::string& glb = synthetic();
    if(!importer.openData(Containers::ArrayView<const void>{glb.data(), glb.size()})) {
        state.SkipWithError("can't open the synthetic mesh");
        return;
    }
    std::size_t vertices = 0;
    for(auto _: state) {
        state.PauseTiming();
        Containers::Optional<Trade::MeshData> mesh = importer.mesh(0);
        vertices = mesh->vertexCount();
        state.ResumeTiming();
        Trade::MeshData out = VelmoraEngine::MeshTools::generateNormals(std::move(*mesh));
        benchmark::DoNotOptimize(out.vertexData().data());
        state.PauseTiming();
        out = Trade::MeshData{MeshPrimitive::Triangles, 0};
        state.ResumeTiming();
    }
    state.counters["vertices"] = double(vertices);
    state.counters["perVertex"] = perVertex(vertices);
}
BENCHMARK(generateNormalsMillionVertices)->Unit(benchmark::kMillisecond)->Iterations(5);

void assimpSmoothNormalsMillionVertices(benchmark::State& state) {
    const std::string& glb = synthetic();
    std::size_t vertices = 0;
    for(auto _: state) {
        state.PauseTiming();
        Assimp::Importer importer;
        const aiScene* scene = importer.ReadFileFromMemory(glb.data(), glb.size(), 0, "glb");
        if(!scene || scene->mNumMeshes != 1 || scene->mMeshes[0]->mNormals) {
            state.SkipWithError("assimp doesn't read the mesh as expected");
            return;
        }
        vertices = scene->mMeshes[0]->mNumVertices;
        state.ResumeTiming();
        scene = importer.ApplyPostProcessing(aiProcess_GenSmoothNormals);
        benchmark::DoNotOptimize(scene->mMeshes[0]->mNormals);
        state.PauseTiming();
        importer.FreeScene();
        state.ResumeTiming();
    }
    state.counters["vertices"] = double(vertices);
    state.counters["perVertex"] = perVertex(vertices);
}
BENCHMARK(assimpSmoothNormalsMillionVertices)->Unit(benchmark::kMillisecond)->Iterations(5);

}

BENCHMARK_MAIN();
