#include "Magnum/MeshTools/Duplicate.h"

#include <cstring>

#include "Corrade/Utility/Assert.h"
#include "Magnum/MeshTools/Interleave.h"
#include "Magnum/Trade/MeshData.h"

namespace Magnum { namespace MeshTools {

namespace {

template<class T> void duplicateBytesInto(const Containers::StridedArrayView1D<const T>& indices, const Containers::StridedArrayView2D<const char>& data, const Containers::StridedArrayView2D<char>& out) {
    CORRADE_ASSERT(out.size()[0] == indices.size(),
        "MeshTools::duplicateInto(): index array and output size don't match, expected" << indices.size() << "but got" << out.size()[0], );
    CORRADE_ASSERT(data.template isContiguous<1>(),
        "MeshTools::duplicateInto(): second data view dimension is not contiguous", );
    CORRADE_ASSERT(out.template isContiguous<1>(),
        "MeshTools::duplicateInto(): second output view dimension is not contiguous", );
    CORRADE_ASSERT(data.size()[1] == out.size()[1],
        "MeshTools::duplicateInto(): input and output type size doesn't match, expected" << data.size()[1] << "but got" << out.size()[1], );

    const std::size_t elementSize = data.size()[1];
    const std::size_t dataCount = data.size()[0];
    const char* const src = static_cast<const char*>(data.data());
    char* const dst = static_cast<char*>(out.data());
    const std::ptrdiff_t srcStride = data.stride()[0];
    const std::ptrdiff_t dstStride = out.stride()[0];
    for(std::size_t i = 0; i != indices.size(); ++i) {
        const std::size_t index = indices[i];
        CORRADE_ASSERT(index < dataCount,
            "MeshTools::duplicateInto(): index" << index << "out of range for" << dataCount << "elements", );
        std::memcpy(dst + std::ptrdiff_t(i)*dstStride, src + std::ptrdiff_t(index)*srcStride, elementSize);
    }
}

}

void duplicateInto(const Containers::StridedArrayView1D<const UnsignedInt>& indices, const Containers::StridedArrayView2D<const char>& data, const Containers::StridedArrayView2D<char>& out) {
    duplicateBytesInto(indices, data, out);
}

void duplicateInto(const Containers::StridedArrayView1D<const UnsignedShort>& indices, const Containers::StridedArrayView2D<const char>& data, const Containers::StridedArrayView2D<char>& out) {
    duplicateBytesInto(indices, data, out);
}

void duplicateInto(const Containers::StridedArrayView1D<const UnsignedByte>& indices, const Containers::StridedArrayView2D<const char>& data, const Containers::StridedArrayView2D<char>& out) {
    duplicateBytesInto(indices, data, out);
}

void duplicateInto(const Containers::StridedArrayView2D<const char>& indices, const Containers::StridedArrayView2D<const char>& data, const Containers::StridedArrayView2D<char>& out) {
    CORRADE_ASSERT(indices.isContiguous<1>(),
        "MeshTools::duplicateInto(): second index view dimension is not contiguous", );
    const std::size_t typeSize = indices.size()[1];
    if(typeSize == 4)
        return duplicateBytesInto(Containers::arrayCast<1, const UnsignedInt>(indices), data, out);
    if(typeSize == 2)
        return duplicateBytesInto(Containers::arrayCast<1, const UnsignedShort>(indices), data, out);
    CORRADE_ASSERT(typeSize == 1,
        "MeshTools::duplicateInto(): expected index type size 1, 2 or 4 but got" << typeSize, );
    duplicateBytesInto(Containers::arrayCast<1, const UnsignedByte>(indices), data, out);
}

Trade::MeshData duplicate(const Trade::MeshData& mesh, const Containers::ArrayView<const Trade::MeshAttributeData> extra) {
    CORRADE_ASSERT(mesh.isIndexed(),
        "MeshTools::duplicate(): mesh data not indexed", (Trade::MeshData{MeshPrimitive::Triangles, 0}));

    /* One output vertex per index, attributes interleaved */
    Trade::MeshData layout = interleavedLayout(mesh, mesh.indexCount(), extra);
    const Containers::StridedArrayView2D<const char> indices = mesh.indices();
    for(UnsignedInt i = 0; i != mesh.attributeCount(); ++i)
        duplicateInto(indices, mesh.attribute(i), layout.mutableAttribute(i));

    UnsignedInt attributeIndex = mesh.attributeCount();
    for(std::size_t i = 0; i != extra.size(); ++i) {
        if(extra[i].format() == VertexFormat{}) continue;

        CORRADE_ASSERT(!extra[i].isOffsetOnly(),
            "MeshTools::duplicate(): extra attribute" << i << "is offset-only, which is not supported",
            (Trade::MeshData{MeshPrimitive::Triangles, 0}));

        /* A null view only reserves the space, leaving it uninitialized */
        const Containers::StridedArrayView1D<const void> data = extra[i].data();
        if(data.data()) {
            CORRADE_ASSERT(data.size() == mesh.vertexCount(),
                "MeshTools::duplicate(): extra attribute" << i << "expected to have" << mesh.vertexCount() << "items but got" << data.size(),
                (Trade::MeshData{MeshPrimitive::Triangles, 0}));
            const UnsignedShort arraySize = extra[i].arraySize();
            const std::size_t elementSize = vertexFormatSize(extra[i].format())*(arraySize ? arraySize : 1);
            const Containers::StridedArrayView2D<const char> bytes{
                {nullptr, ~std::size_t{}},
                static_cast<const char*>(data.data()),
                {data.size(), elementSize}, {data.stride(), 1}};
            duplicateInto(indices, bytes, layout.mutableAttribute(attributeIndex));
        }
        ++attributeIndex;
    }

    return layout;
}

Trade::MeshData duplicate(const Trade::MeshData& mesh, const std::initializer_list<Trade::MeshAttributeData> extra) {
    return duplicate(mesh, Containers::arrayView(extra));
}

}}
