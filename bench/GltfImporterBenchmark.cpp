/* Opening 2CylinderEngine.glb and reading every mesh, beside assimp importing
   the same file without post-processing */
#include <string>

#include <benchmark/benchmark.h>
#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/StringView.h>
#include <Magnum/Trade/MeshData.h>

#include "GltfImporter.h"

using namespace Magnum;
using namespace Corrade;

namespace {

const std::string File = "/usr/share/assimp/models/glTF2/2CylinderEngine-glTF-Binary/2CylinderEngine.glb";

void gltfImporterAllMeshes(benchmark::State& state) {
    std::size_t vertices = 0;
    for(auto _: state) {
        VelmoraEngine::GltfImporter importer;
        if(!importer.openFile(File.c_str())) {
            state.SkipWithError("can't open the file");
            return;
        }
        vertices = 0;
        for(UnsignedInt i = 0; i != importer.meshCount(); ++i) {
            Containers::Optional<Trade::MeshData> mesh = importer.mesh(i);
            vertices += mesh->vertexCount();
            benchmark::DoNotOptimize(mesh->vertexData().data());
        }
    }
    state.counters["vertices"] = double(vertices);
}
BENCHMARK(gltfImporterAllMeshes)->Unit(benchmark::kMillisecond);

void assimpNoPostProcessing(benchmark::State& state) {
    std::size_t vertices = 0;
    for(auto _: state) {
        Assimp::Importer importer;
        const aiScene* const scene = importer.ReadFile(File, 0);
        if(!scene) {
            state.SkipWithError("can't open the file");
            return;
        }
        vertices = 0;
        for(unsigned i = 0; i != scene->mNumMeshes; ++i) vertices += scene->mMeshes[i]->mNumVertices;
        benchmark::DoNotOptimize(scene);
    }
    state.counters["vertices"] = double(vertices);
}
BENCHMARK(assimpNoPostProcessing)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
