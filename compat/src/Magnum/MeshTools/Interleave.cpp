#include "Magnum/MeshTools/Interleave.h"

#include <utility>

#include "Corrade/Containers/Optional.h"
#include "Corrade/Utility/Algorithms.h"
#include "Corrade/Utility/Assert.h"
#include "Magnum/Math/Functions.h"
#include "Magnum/MeshTools/Implementation/remapAttributeData.h"
#include "Magnum/Trade/MeshData.h"

#include "meshReference.h"

namespace Magnum { namespace MeshTools {

namespace {

/* Bytes taken by one vertex of an attribute, array attributes included */
std::size_t attributeByteSize(VertexFormat format, UnsignedShort arraySize) {
    return vertexFormatSize(format)*(arraySize ? arraySize : 1);
}

Containers::Optional<Containers::StridedArrayView2D<const char>> interleavedView(const Trade::MeshData& mesh) {
    const Containers::ArrayView<const char> vertexData = mesh.vertexData();
    if(!mesh.attributeCount())
        return Containers::StridedArrayView2D<const char>{vertexData, {mesh.vertexCount(), 0}};

    /* Zero and negative strides are treated as not interleaved */
    const Int stride = mesh.attributeStride(0);
    if(stride <= 0) return Containers::NullOpt;

    std::size_t minOffset = ~std::size_t{};
    std::size_t maxOffset = 0;
    bool hasImplementationSpecific = false;
    for(UnsignedInt i = 0; i != mesh.attributeCount(); ++i) {
        if(mesh.attributeStride(i) != stride) return Containers::NullOpt;
        const std::size_t offset = mesh.attributeOffset(i);
        const VertexFormat format = mesh.attributeFormat(i);
        std::size_t size;
        /* The size of an implementation-specific format is unknown, count it
           as one byte and let it span the whole stride below */
        if(isVertexFormatImplementationSpecific(format)) {
            hasImplementationSpecific = true;
            size = 1;
        } else size = attributeByteSize(format, mesh.attributeArraySize(i));
        minOffset = Math::min(minOffset, offset);
        maxOffset = Math::max(maxOffset, offset + size);
    }
    if(hasImplementationSpecific)
        maxOffset = Math::max(maxOffset, minOffset + std::size_t(stride));
    if(maxOffset - minOffset > std::size_t(stride)) return Containers::NullOpt;

    /* The vertex data only have to cover the last vertex's attributes, not a
       full stride past it, so the range check of the view is given a range
       one stride larger; the view itself never leaves the vertex data */
    return Containers::StridedArrayView2D<const char>{
        {vertexData.data(), Math::max(vertexData.size(), vertexData.size() + std::size_t(stride))},
        vertexData.data() + minOffset,
        {mesh.vertexCount(), maxOffset - minOffset},
        {std::ptrdiff_t(stride), 1}};
}

/* A type-erased attribute view with its elements split into bytes */
Containers::StridedArrayView2D<const char> attributeBytes(const Containers::StridedArrayView1D<const void>& data, std::size_t elementSize) {
    return Containers::StridedArrayView2D<const char>{
        {nullptr, ~std::size_t{}},
        static_cast<const char*>(data.data()),
        {data.size(), elementSize},
        {data.stride(), 1}};
}

}

bool isInterleaved(const Trade::MeshData& mesh) {
    return bool(interleavedView(mesh));
}

Containers::StridedArrayView2D<const char> interleavedData(const Trade::MeshData& mesh) {
    Containers::Optional<Containers::StridedArrayView2D<const char>> out = interleavedView(mesh);
    CORRADE_ASSERT(out, "MeshTools::interleavedData(): the mesh is not interleaved", {});
    return *out;
}

Containers::StridedArrayView2D<char> interleavedMutableData(Trade::MeshData& mesh) {
    const Containers::StridedArrayView2D<const char> out = interleavedData(mesh);
    CORRADE_ASSERT(mesh.vertexDataFlags() & Trade::DataFlag::Mutable,
        "MeshTools::interleavedMutableData(): vertex data is not mutable", {});
    return Containers::StridedArrayView2D<char>{
        {nullptr, ~std::size_t{}},
        const_cast<char*>(static_cast<const char*>(out.data())),
        out.size(), out.stride()};
}

namespace Implementation {

Containers::Array<Trade::MeshAttributeData> interleavedLayout(Trade::MeshData&& mesh, const Containers::ArrayView<const Trade::MeshAttributeData> extra, const InterleaveFlags flags) {
    const UnsignedInt originalAttributeCount = mesh.attributeCount();
    if(!originalAttributeCount && extra.isEmpty()) return {};

    /* Without the flag everything is repacked tightly */
    const bool interleaved = (flags & InterleaveFlag::PreserveInterleavedAttributes) && isInterleaved(mesh);

    /* An interleaved original keeps its stride (and thus padding), only the
       offset before the first attribute is dropped */
    std::size_t stride = 0;
    std::size_t minOffset = 0;
    if(interleaved && originalAttributeCount) {
        stride = mesh.attributeStride(0);
        minOffset = ~std::size_t{};
        for(UnsignedInt i = 0; i != originalAttributeCount; ++i)
            minOffset = Math::min(minOffset, mesh.attributeOffset(i));
    } else for(UnsignedInt i = 0; i != originalAttributeCount; ++i) {
        const VertexFormat format = mesh.attributeFormat(i);
        CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
            "MeshTools::interleavedLayout(): attribute" << i << "has an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), {});
        stride += attributeByteSize(format, mesh.attributeArraySize(i));
    }

    /* Extra attributes, a format-less one is padding of its stride bytes */
    std::size_t extraAttributeCount = 0;
    for(std::size_t i = 0; i != extra.size(); ++i) {
        const VertexFormat format = extra[i].format();
        if(format == VertexFormat{}) {
            CORRADE_ASSERT(extra[i].stride() > 0 || stride >= std::size_t(-extra[i].stride()),
                "MeshTools::interleavedLayout(): negative padding" << extra[i].stride() << "in extra attribute" << i << "too large for stride" << stride, {});
            stride += extra[i].stride();
        } else {
            CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
                "MeshTools::interleavedLayout(): extra attribute" << i << "has an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), {});
            stride += attributeByteSize(format, extra[i].arraySize());
            ++extraAttributeCount;
        }
    }

    /* Reuse the attribute array if nothing is added and it's owned with the
       default deleter, otherwise copy it into a larger one */
    const UnsignedInt originalStride = originalAttributeCount ? mesh.attributeStride(0) : 0;
    const Containers::ArrayView<const char> vertexData = mesh.vertexData();
    Containers::Array<Trade::MeshAttributeData> originalAttributes = mesh.releaseAttributeData();
    Containers::Array<Trade::MeshAttributeData> attributes;
    if(!extraAttributeCount && !originalAttributes.deleter())
        attributes = std::move(originalAttributes);
    else {
        attributes = Containers::Array<Trade::MeshAttributeData>{ValueInit, originalAttributeCount + extraAttributeCount};
        for(UnsignedInt i = 0; i != originalAttributeCount; ++i)
            attributes[i] = originalAttributes[i];
    }

    std::size_t offset = 0;
    for(UnsignedInt i = 0; i != originalAttributeCount; ++i) {
        const Trade::MeshAttributeData& attribute = attributes[i];
        /* An interleaved original keeps its offsets, so the size isn't
           needed and implementation-specific formats pass through */
        if(interleaved) offset = attribute.offset(vertexData) - minOffset;
        const std::size_t size = interleaved ? 0 : attributeByteSize(attribute.format(), attribute.arraySize());
        attributes[i] = Trade::MeshAttributeData{attribute.name(),
            attribute.format(), offset, 0, std::ptrdiff_t(stride),
            attribute.arraySize(), attribute.morphTargetId()};
        offset += size;
    }

    /* Extras go after the whole original stride, keeping trailing padding */
    if(interleaved && originalAttributeCount) offset = originalStride;

    UnsignedInt attributeIndex = originalAttributeCount;
    for(std::size_t i = 0; i != extra.size(); ++i) {
        if(extra[i].format() == VertexFormat{}) {
            offset += extra[i].stride();
            continue;
        }
        attributes[attributeIndex++] = Trade::MeshAttributeData{extra[i].name(),
            extra[i].format(), offset, 0, std::ptrdiff_t(stride),
            extra[i].arraySize(), extra[i].morphTargetId()};
        offset += attributeByteSize(extra[i].format(), extra[i].arraySize());
    }

    return attributes;
}

}

Trade::MeshData interleavedLayout(Trade::MeshData&& mesh, const UnsignedInt vertexCount, const Containers::ArrayView<const Trade::MeshAttributeData> extra, const InterleaveFlags flags) {
    Containers::Array<Trade::MeshAttributeData> attributes = Implementation::interleavedLayout(std::move(mesh), extra, flags);
    if(attributes.isEmpty())
        return Trade::MeshData{mesh.primitive(), vertexCount};

    Containers::Array<char> vertexData{NoInit, attributes[0].stride()*std::size_t(vertexCount)};
    for(Trade::MeshAttributeData& attribute: attributes) {
        CORRADE_INTERNAL_ASSERT(attribute.isOffsetOnly());
        attribute = Implementation::remapAttributeData(attribute, vertexCount, vertexData, vertexData);
    }
    return Trade::MeshData{mesh.primitive(), std::move(vertexData), std::move(attributes)};
}

Trade::MeshData interleavedLayout(Trade::MeshData&& mesh, const UnsignedInt vertexCount, const std::initializer_list<Trade::MeshAttributeData> extra, const InterleaveFlags flags) {
    return interleavedLayout(std::move(mesh), vertexCount, Containers::arrayView(extra), flags);
}

Trade::MeshData interleavedLayout(const Trade::MeshData& mesh, const UnsignedInt vertexCount, const Containers::ArrayView<const Trade::MeshAttributeData> extra, const InterleaveFlags flags) {
    return interleavedLayout(Implementation::meshReference(mesh), vertexCount, extra, flags);
}

Trade::MeshData interleavedLayout(const Trade::MeshData& mesh, const UnsignedInt vertexCount, const std::initializer_list<Trade::MeshAttributeData> extra, const InterleaveFlags flags) {
    return interleavedLayout(mesh, vertexCount, Containers::arrayView(extra), flags);
}

Trade::MeshData interleave(Trade::MeshData&& mesh, const Containers::ArrayView<const Trade::MeshAttributeData> extra, const InterleaveFlags flags) {
    Containers::Array<char> indexData;
    Trade::MeshIndexData indices;
    if(mesh.isIndexed()) {
        const MeshIndexType indexType = mesh.indexType();
        const bool tightlyPacked = !isMeshIndexTypeImplementationSpecific(indexType) && mesh.indexStride() == Int(meshIndexTypeSize(indexType));

        /* Owned and either allowed to stay strided or packed already: take
           the array over, the view stays valid as the memory doesn't move */
        if((mesh.indexDataFlags() & Trade::DataFlag::Owned) && ((flags & InterleaveFlag::PreserveStridedIndices) || tightlyPacked)) {
            indices = Trade::MeshIndexData{indexType,
                Containers::StridedArrayView1D<const void>{mesh.indexData(),
                    mesh.indexData().data() + mesh.indexOffset(),
                    mesh.indexCount(), mesh.indexStride()}};
            indexData = mesh.releaseIndexData();

        /* Copy everything including padding and the initial offset */
        } else if(flags & InterleaveFlag::PreserveStridedIndices) {
            indexData = Containers::Array<char>{NoInit, mesh.indexData().size()};
            Utility::copy(mesh.indexData(), indexData);
            indices = Trade::MeshIndexData{indexType,
                Containers::StridedArrayView1D<const void>{indexData,
                    indexData.data() + mesh.indexOffset(),
                    mesh.indexCount(), mesh.indexStride()}};

        /* Tightly packed copy of the same type */
        } else {
            CORRADE_ASSERT(!isMeshIndexTypeImplementationSpecific(indexType),
                "MeshTools::interleave(): mesh has an implementation-specific index type" << Debug::hex << meshIndexTypeUnwrap(indexType) << Debug::nospace << ", enable MeshTools::InterleaveFlag::PreserveStridedIndices to pass the array through unchanged",
                (Trade::MeshData{MeshPrimitive{}, 0}));
            const std::size_t typeSize = meshIndexTypeSize(indexType);
            indexData = Containers::Array<char>{NoInit, mesh.indexCount()*typeSize};
            const Containers::StridedArrayView2D<char> out{indexData,
                {mesh.indexCount(), typeSize}};
            Utility::copy(mesh.indices(), out);
            indices = Trade::MeshIndexData{out};
        }
    }

    const bool interleaved = (flags & InterleaveFlag::PreserveInterleavedAttributes) && isInterleaved(mesh);
    const UnsignedInt vertexCount = mesh.vertexCount();

    Containers::Array<char> vertexData;
    Containers::Array<Trade::MeshAttributeData> attributes;
    if(interleaved && extra.isEmpty() && (mesh.vertexDataFlags() & Trade::DataFlag::Owned)) {
        attributes = mesh.releaseAttributeData();
        vertexData = mesh.releaseVertexData();
    } else {
        Trade::MeshData layout = interleavedLayout(mesh, vertexCount, extra, flags);

        for(UnsignedInt i = 0; i != mesh.attributeCount(); ++i)
            Utility::copy(mesh.attribute(i), layout.mutableAttribute(i));

        UnsignedInt attributeIndex = mesh.attributeCount();
        for(std::size_t i = 0; i != extra.size(); ++i) {
            if(extra[i].format() == VertexFormat{}) continue;

            CORRADE_ASSERT(!extra[i].isOffsetOnly(),
                "MeshTools::interleave(): extra attribute" << i << "is offset-only",
                (Trade::MeshData{MeshPrimitive::Triangles, 0}));

            /* A null view only reserves the space, leaving it uninitialized */
            const Containers::StridedArrayView1D<const void> data = extra[i].data();
            if(data.data()) {
                CORRADE_ASSERT(data.size() == vertexCount,
                    "MeshTools::interleave(): extra attribute" << i << "expected to have" << vertexCount << "items but got" << data.size(),
                    (Trade::MeshData{MeshPrimitive::Triangles, 0}));
                Utility::copy(attributeBytes(data, attributeByteSize(extra[i].format(), extra[i].arraySize())), layout.mutableAttribute(attributeIndex));
            }
            ++attributeIndex;
        }

        vertexData = layout.releaseVertexData();
        attributes = layout.releaseAttributeData();
    }

    return Trade::MeshData{mesh.primitive(), std::move(indexData), indices,
        std::move(vertexData), std::move(attributes), vertexCount};
}

Trade::MeshData interleave(Trade::MeshData&& mesh, const std::initializer_list<Trade::MeshAttributeData> extra, const InterleaveFlags flags) {
    return interleave(std::move(mesh), Containers::arrayView(extra), flags);
}

Trade::MeshData interleave(const Trade::MeshData& mesh, const Containers::ArrayView<const Trade::MeshAttributeData> extra, const InterleaveFlags flags) {
    return interleave(Implementation::meshReference(mesh), extra, flags);
}

Trade::MeshData interleave(const Trade::MeshData& mesh, const std::initializer_list<Trade::MeshAttributeData> extra, const InterleaveFlags flags) {
    return interleave(mesh, Containers::arrayView(extra), flags);
}

Trade::MeshData interleave(const MeshPrimitive primitive, const Trade::MeshIndexData& indices, const Containers::ArrayView<const Trade::MeshAttributeData> attributes) {
    /* The vertex count comes from the first attribute that isn't padding */
    UnsignedInt vertexCount = ~UnsignedInt{};
    for(const Trade::MeshAttributeData& attribute: attributes) {
        if(attribute.format() != VertexFormat{}) {
            vertexCount = attribute.data().size();
            break;
        }
    }
    CORRADE_ASSERT(vertexCount != ~UnsignedInt{},
        "MeshTools::interleave(): only padding found among" << attributes.size() << "attributes, can't infer vertex count",
        (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    CORRADE_ASSERT(indices.type() == MeshIndexType{} || !isMeshIndexTypeImplementationSpecific(indices.type()),
        "MeshTools::interleave(): implementation-specific index type" << Debug::hex << meshIndexTypeUnwrap(indices.type()),
        (Trade::MeshData{MeshPrimitive{}, 0}));

    /* Indices passed as not owned so they always get copied tightly packed;
       the index data range is irrelevant then */
    return interleave(Trade::MeshData{primitive, {},
            indices.type() == MeshIndexType{} ?
                Containers::ArrayView<const void>{} :
                Containers::ArrayView<const void>{nullptr, ~std::size_t{}},
            indices, vertexCount},
        attributes, InterleaveFlags{});
}

Trade::MeshData interleave(const MeshPrimitive primitive, const Trade::MeshIndexData& indices, const std::initializer_list<Trade::MeshAttributeData> attributes) {
    return interleave(primitive, indices, Containers::arrayView(attributes));
}

Trade::MeshData interleave(const MeshPrimitive primitive, const Containers::ArrayView<const Trade::MeshAttributeData> attributes) {
    return interleave(primitive, Trade::MeshIndexData{}, attributes);
}

Trade::MeshData interleave(const MeshPrimitive primitive, const std::initializer_list<Trade::MeshAttributeData> attributes) {
    return interleave(primitive, Containers::arrayView(attributes));
}

}}
