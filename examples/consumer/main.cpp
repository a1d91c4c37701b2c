/* What an engine does with the library: opens a glTF file, brings its meshes
   into the engine's packed layout, appends them to one batch, uploads it and
   prints where each mesh is drawn from */

#include <cstdio>
#include <utility>

#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/GL/MeshView.h>
#include <Magnum/Platform/GLContext.h>
#include <Magnum/Platform/WindowlessEglApplication.h>
#include <Magnum/Trade/MeshData.h>

#include <GltfImporter.h>
#include <VelmoraEngine/Tools/ImportedSceneCache.h>
#include <VelmoraEngine/Tools/MeshBatch.h>

using namespace Magnum;
using namespace Corrade;

int main(int argc, char** argv) {
    if(argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.gltf|FILE.glb\n", argv[0]);
        return 2;
    }

    /* A headless GL context for the batch's buffers */
    Platform::WindowlessEglContext eglContext{Platform::WindowlessEglContext::Configuration{}};
    Platform::GLContext context{NoCreate};
    {
        Utility::Debug silence{nullptr};
        if(!eglContext.isCreated() || !eglContext.makeCurrent() || !context.tryCreate()) {
            std::fprintf(stderr, "no GL context\n");
            return 1;
        }
    }

    VelmoraEngine::GltfImporter importer;
    if(!importer.openFile(argv[1])) return 1;
    VelmoraEngine::ImportedSceneCache cache;
    cache.cacheResources(importer);

    /* Position, texture coordinates, object id and packed normals */
    VelmoraEngine::MeshBatch batch;
    const VelmoraEngine::MeshDataFlags flags = VelmoraEngine::MeshDataFlag::Packed|VelmoraEngine::MeshDataFlag::Position3D|
        VelmoraEngine::MeshDataFlag::TextureCoordinates|VelmoraEngine::MeshDataFlag::ObjectId|VelmoraEngine::MeshDataFlag::Normal;
    for(Containers::Optional<Trade::MeshData>& mesh: cache.meshes) {
        if(!mesh || !cache.canProcessMesh(*mesh)) continue;
        const Trade::MeshData processed = cache.processMesh(flags, std::move(*mesh));
        batch.addMesh(processed);
    }
    batch.updateMesh();

    for(UnsignedInt i = 0; i != batch.meshCount(); ++i) {
        const GL::MeshView view = batch.mesh(i);
        std::printf("mesh %u: %d indices from index %d\n", i, view.count(), view.indexOffset());
    }
    std::printf("%u meshes in one batch of %zu vertex bytes\n", batch.meshCount(), batch.meshData().vertexData().size());
    return batch.meshCount() ? 0 : 1;
}
