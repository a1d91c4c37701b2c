#ifndef Magnum_MeshTools_Concatenate_h
#define Magnum_MeshTools_Concatenate_h
/* Joining several meshes into one */

#include "Corrade/Containers/GrowableArray.h"
#include "Corrade/Containers/Iterable.h"
#include "Corrade/Containers/Pair.h"
#include "Magnum/MeshTools/Interleave.h"
#include "Magnum/Trade/MeshData.h"

namespace Magnum { namespace MeshTools {

namespace Implementation {
    /* Index count (zero if no mesh is indexed) and vertex count of the
       concatenation of @p meshes */
    Containers::Pair<UnsignedInt, UnsignedInt> concatenateIndexVertexCount(const Containers::Iterable<const Trade::MeshData>& meshes);
    /* Fills the index and vertex data, laid out by the offset-only
       @p attributeData, with the contents of @p meshes */
    Trade::MeshData concatenate(Containers::Array<char>&& indexData, UnsignedInt vertexCount, Containers::Array<char>&& vertexData, Containers::Array<Trade::MeshAttributeData>&& attributeData, const Containers::Iterable<const Trade::MeshData>& meshes, const char* assertPrefix);
}

/** @brief Concatenate meshes into one with the attribute layout of the first, indexed if any of them is */
Trade::MeshData concatenate(const Containers::Iterable<const Trade::MeshData>& meshes, InterleaveFlags flags = InterleaveFlag::PreserveInterleavedAttributes);

/** @brief Concatenate meshes into @p destination, keeping its attribute layout and reusing its arrays */
template<template<class> class Allocator = Containers::ArrayAllocator> void concatenateInto(Trade::MeshData& destination, const Containers::Iterable<const Trade::MeshData>& meshes, InterleaveFlags flags = InterleaveFlag::PreserveInterleavedAttributes) {
    CORRADE_ASSERT(!meshes.isEmpty(),
        "MeshTools::concatenateInto(): no meshes passed", );
    #ifndef CORRADE_NO_ASSERT
    for(UnsignedInt i = 0; i != destination.attributeCount(); ++i) {
        const VertexFormat format = destination.attributeFormat(i);
        CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
            "MeshTools::concatenateInto(): attribute" << i << "of the destination mesh has an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), );
    }
    #endif

    const Containers::Pair<UnsignedInt, UnsignedInt> counts = Implementation::concatenateIndexVertexCount(meshes);

    /* All indices get overwritten, no need to clear them */
    Containers::Array<char> indexData;
    if(counts.first()) {
        indexData = destination.releaseIndexData();
        Containers::arrayResize<Allocator>(indexData, NoInit, counts.first()*sizeof(UnsignedInt));
    }

    Containers::Array<Trade::MeshAttributeData> attributeData = Implementation::interleavedLayout(Utility::move(destination), {}, flags);
    Containers::Array<char> vertexData;
    if(!attributeData.isEmpty() && counts.second()) {
        const std::size_t stride = attributeData[0].stride();
        vertexData = destination.releaseVertexData();
        /* Emptied first so the growth zero-fills everything, attributes
           missing in some meshes would be garbage otherwise */
        Containers::arrayResize<Allocator>(vertexData, 0);
        Containers::arrayResize<Allocator>(vertexData, ValueInit, stride*std::size_t(counts.second()));
    }

    destination = Implementation::concatenate(Utility::move(indexData), counts.second(), Utility::move(vertexData), Utility::move(attributeData), meshes, "MeshTools::concatenateInto():");
}

}}

#endif
