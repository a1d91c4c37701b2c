#ifndef Magnum_MeshTools_meshReference_h
#define Magnum_MeshTools_meshReference_h
/* Non-owning view of a mesh, so const-reference overloads can delegate to the
   rvalue ones, which then copy instead of stealing anything */

#include "Magnum/Trade/MeshData.h"

namespace Magnum { namespace MeshTools { namespace Implementation {

inline Trade::MeshData meshReference(const Trade::MeshData& mesh) {
    Trade::MeshIndexData indices;
    if(mesh.isIndexed())
        indices = Trade::MeshIndexData{mesh.indexType(),
            Containers::StridedArrayView1D<const void>{mesh.indexData(),
                mesh.indexData().data() + mesh.indexOffset(),
                mesh.indexCount(), mesh.indexStride()}};
    return Trade::MeshData{mesh.primitive(),
        {}, mesh.indexData(), indices,
        {}, mesh.vertexData(), Trade::meshAttributeDataNonOwningArray(mesh.attributeData()),
        mesh.vertexCount()};
}

}}}

#endif
