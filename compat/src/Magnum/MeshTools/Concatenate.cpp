#include "Magnum/MeshTools/Concatenate.h"

#include <utility>

#include "Corrade/Containers/Optional.h"
#include "Corrade/Utility/Algorithms.h"
#include "Magnum/MeshTools/GenerateIndices.h"
#include "Magnum/MeshTools/Implementation/remapAttributeData.h"


namespace Magnum { namespace MeshTools {

namespace Implementation {

Containers::Pair<UnsignedInt, UnsignedInt> concatenateIndexVertexCount(const Containers::Iterable<const Trade::MeshData>& meshes) {
    UnsignedInt indexCount = 0;
    UnsignedInt vertexCount = 0;
    for(const Trade::MeshData& mesh: meshes) {
        /* Once a mesh is indexed, every mesh before it gets a trivial index
           buffer over its vertices, and so does every non-indexed one after */
        if(mesh.isIndexed()) {
            if(!indexCount) indexCount = vertexCount;
            indexCount += mesh.indexCount();
        } else if(indexCount) indexCount += mesh.vertexCount();
        vertexCount += mesh.vertexCount();
    }
    return {indexCount, vertexCount};
}

Trade::MeshData concatenate(Containers::Array<char>&& indexData, const UnsignedInt vertexCount, Containers::Array<char>&& vertexData, Containers::Array<Trade::MeshAttributeData>&& attributeData, const Containers::Iterable<const Trade::MeshData>& meshes, const char* const assertPrefix) {
    static_cast<void>(assertPrefix);

    /* The offset-only layout becomes absolute views into vertexData */
    for(Trade::MeshAttributeData& attribute: attributeData)
        attribute = remapAttributeData(attribute, vertexCount, vertexData, vertexData);

    const MeshPrimitive primitive = meshes.front().primitive();
    CORRADE_ASSERT(primitive != MeshPrimitive::LineStrip &&
                   primitive != MeshPrimitive::LineLoop &&
                   primitive != MeshPrimitive::TriangleStrip &&
                   primitive != MeshPrimitive::TriangleFan,
        assertPrefix << primitive << "is not supported, turn it into a plain indexed mesh first",
        (Trade::MeshData{MeshPrimitive{}, 0}));

    /* An empty index array means a non-indexed result, not zero indices */
    const Containers::ArrayView<UnsignedInt> indices = Containers::arrayCast<UnsignedInt>(indexData);
    Trade::MeshData out{primitive, std::move(indexData),
        indices.isEmpty() ? Trade::MeshIndexData{} : Trade::MeshIndexData{indices},
        std::move(vertexData), std::move(attributeData), vertexCount};

    std::size_t indexOffset = 0;
    std::size_t vertexOffset = 0;
    for(std::size_t i = 0; i != meshes.size(); ++i) {
        const Trade::MeshData& mesh = meshes[i];
        CORRADE_ASSERT(mesh.primitive() == primitive,
            assertPrefix << "expected" << primitive << "but got" << mesh.primitive() << "in mesh" << i,
            (Trade::MeshData{MeshPrimitive{}, 0}));

        /* Indices widened to 32 bits and shifted by the vertices before */
        if(mesh.isIndexed()) {
            CORRADE_ASSERT(!isMeshIndexTypeImplementationSpecific(mesh.indexType()),
                assertPrefix << "mesh" << i << "has an implementation-specific index type" << Debug::hex << meshIndexTypeUnwrap(mesh.indexType()),
                (Trade::MeshData{MeshPrimitive{}, 0}));
            const Containers::ArrayView<UnsignedInt> dst = indices.slice(indexOffset, indexOffset + mesh.indexCount());
            mesh.indicesInto(dst);
            for(UnsignedInt& index: dst) index += UnsignedInt(vertexOffset);
            indexOffset += mesh.indexCount();
        } else if(!indices.isEmpty()) {
            generateTrivialIndicesInto(indices.slice(indexOffset, indexOffset + mesh.vertexCount()), UnsignedInt(vertexOffset));
            indexOffset += mesh.vertexCount();
        }

        /* Attributes matched by name, index among those of the same name and
           morph target; ones the output doesn't have are skipped, ones the
           mesh doesn't have stay zero */
        for(UnsignedInt src = 0; src != mesh.attributeCount(); ++src) {
            const Containers::Optional<UnsignedInt> dst = out.findAttributeId(mesh.attributeName(src), mesh.attributeId(src), mesh.attributeMorphTargetId(src));
            if(!dst) continue;

            CORRADE_ASSERT(out.attributeFormat(*dst) == mesh.attributeFormat(src),
                assertPrefix << "expected" << out.attributeFormat(*dst) << "for attribute" << *dst << "(" << Debug::nospace << out.attributeName(*dst) << Debug::nospace << ") but got" << mesh.attributeFormat(src) << "in mesh" << i << "attribute" << src,
                (Trade::MeshData{MeshPrimitive{}, 0}));
            CORRADE_ASSERT(!out.attributeArraySize(*dst) == !mesh.attributeArraySize(src),
                assertPrefix << "attribute" << *dst << "(" << Debug::nospace << out.attributeName(*dst) << Debug::nospace << ")" << (out.attributeArraySize(*dst) ? "is" : "isn't") << "an array but attribute" << src << "in mesh" << i << (mesh.attributeArraySize(src) ? "is" : "isn't"),
                (Trade::MeshData{MeshPrimitive{}, 0}));
            CORRADE_ASSERT(out.attributeArraySize(*dst) >= mesh.attributeArraySize(src),
                assertPrefix << "expected array size" << out.attributeArraySize(*dst) << "or less for attribute" << *dst << "(" << Debug::nospace << out.attributeName(*dst) << Debug::nospace << ") but got" << mesh.attributeArraySize(src) << "in mesh" << i << "attribute" << src,
                (Trade::MeshData{MeshPrimitive{}, 0}));

            /* A shorter array fills only a prefix of each destination item */
            const Containers::StridedArrayView2D<const char> srcAttribute = mesh.attribute(src);
            const Containers::StridedArrayView2D<char> dstAttribute = out.mutableAttribute(*dst);
            Utility::copy(srcAttribute, dstAttribute.sliceSize(
                {vertexOffset, 0}, {mesh.vertexCount(), srcAttribute.size()[1]}));
        }

        vertexOffset += mesh.vertexCount();
    }

    return out;
}

}

Trade::MeshData concatenate(const Containers::Iterable<const Trade::MeshData>& meshes, const InterleaveFlags flags) {
    CORRADE_ASSERT(!meshes.isEmpty(),
        "MeshTools::concatenate(): expected at least one mesh",
        (Trade::MeshData{MeshPrimitive::Points, 0}));
    const Trade::MeshData& first = meshes.front();
    #ifndef CORRADE_NO_ASSERT
    for(UnsignedInt i = 0; i != first.attributeCount(); ++i) {
        const VertexFormat format = first.attributeFormat(i);
        CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
            "MeshTools::concatenate(): attribute" << i << "of the first mesh has an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format),
            (Trade::MeshData{MeshPrimitive::Points, 0}));
    }
    #endif

    /* Layout from a non-owning copy of the first mesh, whose data are still
       needed below. Without attributes only the vertex count is passed, a
       mesh with no attributes needs it explicitly. */
    Containers::Array<Trade::MeshAttributeData> attributeData;
    if(first.attributeCount())
        attributeData = Implementation::interleavedLayout(Trade::MeshData{first.primitive(),
            {}, first.vertexData(),
            Trade::meshAttributeDataNonOwningArray(first.attributeData())}, {}, flags);
    else
        attributeData = Implementation::interleavedLayout(Trade::MeshData{first.primitive(), first.vertexCount()}, {}, flags);

    /* Indices are all overwritten, vertex data may have holes so they're
       zeroed */
    const Containers::Pair<UnsignedInt, UnsignedInt> counts = Implementation::concatenateIndexVertexCount(meshes);
    Containers::Array<char> indexData{NoInit, counts.first()*sizeof(UnsignedInt)};
    Containers::Array<char> vertexData{ValueInit,
        attributeData.isEmpty() ? 0 : attributeData[0].stride()*std::size_t(counts.second())};
    return Implementation::concatenate(std::move(indexData), counts.second(), std::move(vertexData), std::move(attributeData), meshes, "MeshTools::concatenate():");
}

}}
