#ifndef Magnum_MeshTools_Implementation_remapAttributeData_h
#define Magnum_MeshTools_Implementation_remapAttributeData_h
/* Rebinding attribute metadata to a vertex data array at another address */

#include "Magnum/Trade/MeshData.h"

namespace Magnum { namespace MeshTools { namespace Implementation {

/* The attribute keeps its offset relative to the start of the vertex data,
   name, format, stride, array size and morph target; offset-only attributes
   become absolute and the vertex count is replaced */
inline Trade::MeshAttributeData remapAttributeData(const Trade::MeshAttributeData& attribute, const UnsignedInt vertexCount, const Containers::ArrayView<const char> originalVertexData, const Containers::ArrayView<const char> vertexData) {
    return Trade::MeshAttributeData{attribute.name(), attribute.format(),
        Containers::StridedArrayView1D<const void>{vertexData,
            vertexData.data() + attribute.offset(originalVertexData),
            vertexCount, attribute.stride()},
        attribute.arraySize(), attribute.morphTargetId()};
}

}}}

#endif
