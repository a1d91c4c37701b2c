/* Packs two meshes into the engine's layout, appends them to one batch and
   prints where each one lives in the batch's buffers */

#include <cstdio>
#include <cstring>
#include <utility>

#include <Corrade/Containers/Array.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Mesh.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include <VelmoraEngine/Tools/MeshBatch.h>
#include <VelmoraEngine/Tools/MeshLayout.h>

using namespace Magnum;
using namespace Corrade;

namespace {

/* A quad of two triangles in the batch's default layout */
Trade::MeshData quad(Float z) {
    const VelmoraEngine::MeshDataFlags flags = VelmoraEngine::MeshDataFlag::Packed|VelmoraEngine::MeshDataFlag::Position3D|
        VelmoraEngine::MeshDataFlag::TextureCoordinates|VelmoraEngine::MeshDataFlag::ObjectId|VelmoraEngine::MeshDataFlag::Normal;
    Containers::Array<Trade::MeshAttributeData> layout = VelmoraEngine::getLayout(flags, 4);
    Containers::Array<char> vertexData{ValueInit, 4*std::size_t(layout[0].stride())};
    const Vector3 corners[]{{0.0f, 0.0f, z}, {1.0f, 0.0f, z}, {1.0f, 1.0f, z}, {0.0f, 1.0f, z}};
    for(std::size_t i = 0; i != 4; ++i)
        std::memcpy(vertexData.data() + i*std::size_t(layout[0].stride()), &corners[i], sizeof(Vector3));
    Containers::Array<char> indexData{NoInit, 6*sizeof(UnsignedInt)};
    const UnsignedInt indices[]{0, 1, 2, 0, 2, 3};
    std::memcpy(indexData.data(), indices, sizeof(indices));
    const Trade::MeshIndexData indexView{Containers::arrayCast<const UnsignedInt>(indexData)};
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indexView, std::move(vertexData), std::move(layout)};
}

}

int main() {
    const Trade::MeshData a = quad(0.0f), b = quad(1.0f);
    VelmoraEngine::MeshBatch batch;
    batch.addMeshes({a, b});
    for(UnsignedInt i = 0; i != batch.meshCount(); ++i) {
        const Math::Vector2<Int> indices = batch.indexBufferRegion(i);
        const Math::Vector2<Int> vertices = batch.vertexBufferRegion(i);
        std::printf("mesh %u: indices at byte %d, %d bytes; vertices at byte %d, %d bytes\n",
            i, indices.x(), indices.y(), vertices.x(), vertices.y());
    }
    return batch.meshCount() == 2 ? 0 : 1;
}
