#include "Magnum/MeshTools/GenerateIndices.h"

#include <utility>

#include "Corrade/Utility/Algorithms.h"
#include "Corrade/Utility/Assert.h"
#include "Magnum/Math/Functions.h"
#include "Magnum/Math/Vector3.h"
#include "Magnum/MeshTools/Implementation/remapAttributeData.h"
#include "Magnum/Trade/MeshData.h"

#include "meshReference.h"

namespace Magnum { namespace MeshTools {

UnsignedInt primitiveCount(const MeshPrimitive primitive, const UnsignedInt elementCount) {
    #ifndef CORRADE_NO_ASSERT
    UnsignedInt minElementCount = 1;
    if(primitive == MeshPrimitive::Lines || primitive == MeshPrimitive::LineStrip || primitive == MeshPrimitive::LineLoop)
        minElementCount = 2;
    else if(primitive == MeshPrimitive::Triangles || primitive == MeshPrimitive::TriangleStrip || primitive == MeshPrimitive::TriangleFan)
        minElementCount = 3;
    CORRADE_ASSERT(elementCount == 0 || elementCount >= minElementCount,
        "MeshTools::primitiveCount(): expected either zero or at least" << minElementCount << "elements for" << primitive << Debug::nospace << ", got" << elementCount, {});
    UnsignedInt divisor = 1;
    if(primitive == MeshPrimitive::Lines) divisor = 2;
    else if(primitive == MeshPrimitive::Triangles) divisor = 3;
    CORRADE_ASSERT(elementCount % divisor == 0,
        "MeshTools::primitiveCount(): expected element count to be divisible by" << divisor << "for" << primitive << Debug::nospace << ", got" << elementCount, {});
    #endif

    switch(primitive) {
        case MeshPrimitive::Points:
        case MeshPrimitive::Instances:
        case MeshPrimitive::Faces:
        case MeshPrimitive::Edges:
            return elementCount;
        case MeshPrimitive::Lines:
            return elementCount/2;
        case MeshPrimitive::LineStrip:
            return elementCount ? elementCount - 1 : 0;
        /* A single element still makes one (degenerate) line */
        case MeshPrimitive::LineLoop:
            return elementCount;
        case MeshPrimitive::Triangles:
            return elementCount/3;
        case MeshPrimitive::TriangleStrip:
        case MeshPrimitive::TriangleFan:
            return elementCount < 2 ? 0 : elementCount - 2;
        default: break;
    }
    CORRADE_ASSERT_UNREACHABLE("MeshTools::primitiveCount(): invalid primitive" << primitive, {});
}

void generateTrivialIndicesInto(const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) {
    for(std::size_t i = 0; i != output.size(); ++i)
        output[i] = offset + UnsignedInt(i);
}

Containers::Array<UnsignedInt> generateTrivialIndices(const UnsignedInt vertexCount, const UnsignedInt offset) {
    Containers::Array<UnsignedInt> out{NoInit, vertexCount};
    generateTrivialIndicesInto(out, offset);
    return out;
}

namespace {

/* Element sources, either the implicit 0, 1, 2, ... sequence or an index
   array, so each primitive has a single loop */
struct TrivialSource {
    std::size_t count;
    std::size_t size() const { return count; }
    UnsignedInt operator[](std::size_t i) const { return UnsignedInt(i); }
};

template<class T> struct IndexSource {
    const Containers::StridedArrayView1D<const T>& indices;
    std::size_t size() const { return indices.size(); }
    UnsignedInt operator[](std::size_t i) const { return indices[i]; }
};

template<class Source> void lineStripInto(const Source& in, const char* what, const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) {
    const std::size_t count = in.size();
    CORRADE_ASSERT(count == 0 || count >= 2,
        "MeshTools::generateLineStripIndicesInto(): expected either zero or at least two" << what << Debug::nospace << ", got" << count, );
    const std::size_t lineCount = count ? count - 1 : 0;
    CORRADE_ASSERT(output.size() == 2*lineCount,
        "MeshTools::generateLineStripIndicesInto(): bad output size, expected" << 2*lineCount << "but got" << output.size(), );
    static_cast<void>(what);
    for(std::size_t i = 0; i != lineCount; ++i) {
        output[2*i + 0] = offset + in[i];
        output[2*i + 1] = offset + in[i + 1];
    }
}

template<class Source> void lineLoopInto(const Source& in, const char* what, const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) {
    const std::size_t count = in.size();
    CORRADE_ASSERT(count == 0 || count >= 2,
        "MeshTools::generateLineLoopIndicesInto(): expected either zero or at least two" << what << Debug::nospace << ", got" << count, );
    CORRADE_ASSERT(output.size() == 2*count,
        "MeshTools::generateLineLoopIndicesInto(): bad output size, expected" << 2*count << "but got" << output.size(), );
    static_cast<void>(what);
    if(!count) return;
    for(std::size_t i = 0; i != count - 1; ++i) {
        output[2*i + 0] = offset + in[i];
        output[2*i + 1] = offset + in[i + 1];
    }
    /* Closing segment from the last element back to the first */
    output[2*count - 2] = offset + in[count - 1];
    output[2*count - 1] = offset + in[0];
}

template<class Source> void triangleStripInto(const Source& in, const char* what, const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) {
    const std::size_t count = in.size();
    CORRADE_ASSERT(count == 0 || count >= 3,
        "MeshTools::generateTriangleStripIndicesInto(): expected either zero or at least three" << what << Debug::nospace << ", got" << count, );
    const std::size_t triangleCount = count < 2 ? 0 : count - 2;
    CORRADE_ASSERT(output.size() == 3*triangleCount,
        "MeshTools::generateTriangleStripIndicesInto(): bad output size, expected" << 3*triangleCount << "but got" << output.size(), );
    static_cast<void>(what);
    /* Every odd triangle has its first two corners swapped so all keep the
       winding of the first one */
    for(std::size_t i = 0; i != triangleCount; ++i) {
        const bool odd = i & 1;
        output[3*i + 0] = offset + in[odd ? i + 1 : i];
        output[3*i + 1] = offset + in[odd ? i : i + 1];
        output[3*i + 2] = offset + in[i + 2];
    }
}

template<class Source> void triangleFanInto(const Source& in, const char* what, const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) {
    const std::size_t count = in.size();
    CORRADE_ASSERT(count == 0 || count >= 3,
        "MeshTools::generateTriangleFanIndicesInto(): expected either zero or at least three" << what << Debug::nospace << ", got" << count, );
    const std::size_t triangleCount = count < 2 ? 0 : count - 2;
    CORRADE_ASSERT(output.size() == 3*triangleCount,
        "MeshTools::generateTriangleFanIndicesInto(): bad output size, expected" << 3*triangleCount << "but got" << output.size(), );
    static_cast<void>(what);
    for(std::size_t i = 0; i != triangleCount; ++i) {
        output[3*i + 0] = offset + in[0];
        output[3*i + 1] = offset + in[i + 1];
        output[3*i + 2] = offset + in[i + 2];
    }
}

std::size_t lineStripSize(std::size_t count) { return 2*(count ? count - 1 : 0); }
std::size_t lineLoopSize(std::size_t count) { return 2*count; }
std::size_t triangleSize(std::size_t count) { return 3*(count < 2 ? 0 : count - 2); }

}

/* Each primitive gets the same family of overloads: a vertex count, three
   typed index views, a type-erased index view and allocating variants */
#define MAGNUM_MESHTOOLS_GENERATE_INDICES(name, kernel, sizeFunction)            \
    void generate ## name ## IndicesInto(const UnsignedInt vertexCount, const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) { \
        kernel(TrivialSource{vertexCount}, "vertices", output, offset);      \
    }                                                                       \
    void generate ## name ## IndicesInto(const Containers::StridedArrayView1D<const UnsignedInt>& indices, const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) { \
        kernel(IndexSource<UnsignedInt>{indices}, "indices", output, offset); \
    }                                                                       \
    void generate ## name ## IndicesInto(const Containers::StridedArrayView1D<const UnsignedShort>& indices, const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) { \
        kernel(IndexSource<UnsignedShort>{indices}, "indices", output, offset); \
    }                                                                       \
    void generate ## name ## IndicesInto(const Containers::StridedArrayView1D<const UnsignedByte>& indices, const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) { \
        kernel(IndexSource<UnsignedByte>{indices}, "indices", output, offset); \
    }                                                                       \
    void generate ## name ## IndicesInto(const Containers::StridedArrayView2D<const char>& indices, const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) { \
        CORRADE_ASSERT(indices.isContiguous<1>(),                           \
            "MeshTools::generate" #name "IndicesInto(): second index view dimension is not contiguous", ); \
        const std::size_t typeSize = indices.size()[1];                     \
        if(typeSize == 4)                                                   \
            return generate ## name ## IndicesInto(Containers::arrayCast<1, const UnsignedInt>(indices), output, offset); \
        if(typeSize == 2)                                                   \
            return generate ## name ## IndicesInto(Containers::arrayCast<1, const UnsignedShort>(indices), output, offset); \
        CORRADE_ASSERT(typeSize == 1,                                       \
            "MeshTools::generate" #name "IndicesInto(): expected index type size 1, 2 or 4 but got" << typeSize, ); \
        generate ## name ## IndicesInto(Containers::arrayCast<1, const UnsignedByte>(indices), output, offset); \
    }                                                                       \
    Containers::Array<UnsignedInt> generate ## name ## Indices(const UnsignedInt vertexCount, const UnsignedInt offset) { \
        Containers::Array<UnsignedInt> out{NoInit, sizeFunction(vertexCount)}; \
        generate ## name ## IndicesInto(vertexCount, out, offset);          \
        return out;                                                         \
    }                                                                       \
    Containers::Array<UnsignedInt> generate ## name ## Indices(const Containers::StridedArrayView1D<const UnsignedInt>& indices, const UnsignedInt offset) { \
        Containers::Array<UnsignedInt> out{NoInit, sizeFunction(indices.size())}; \
        generate ## name ## IndicesInto(indices, out, offset);              \
        return out;                                                         \
    }                                                                       \
    Containers::Array<UnsignedInt> generate ## name ## Indices(const Containers::StridedArrayView1D<const UnsignedShort>& indices, const UnsignedInt offset) { \
        Containers::Array<UnsignedInt> out{NoInit, sizeFunction(indices.size())}; \
        generate ## name ## IndicesInto(indices, out, offset);              \
        return out;                                                         \
    }                                                                       \
    Containers::Array<UnsignedInt> generate ## name ## Indices(const Containers::StridedArrayView1D<const UnsignedByte>& indices, const UnsignedInt offset) { \
        Containers::Array<UnsignedInt> out{NoInit, sizeFunction(indices.size())}; \
        generate ## name ## IndicesInto(indices, out, offset);              \
        return out;                                                         \
    }                                                                       \
    Containers::Array<UnsignedInt> generate ## name ## Indices(const Containers::StridedArrayView2D<const char>& indices, const UnsignedInt offset) { \
        Containers::Array<UnsignedInt> out{NoInit, sizeFunction(indices.size()[0])}; \
        generate ## name ## IndicesInto(indices, out, offset);              \
        return out;                                                         \
    }

MAGNUM_MESHTOOLS_GENERATE_INDICES(LineStrip, lineStripInto, lineStripSize)
MAGNUM_MESHTOOLS_GENERATE_INDICES(LineLoop, lineLoopInto, lineLoopSize)
MAGNUM_MESHTOOLS_GENERATE_INDICES(TriangleStrip, triangleStripInto, triangleSize)
MAGNUM_MESHTOOLS_GENERATE_INDICES(TriangleFan, triangleFanInto, triangleSize)

#undef MAGNUM_MESHTOOLS_GENERATE_INDICES

namespace {

template<class T> void quadIndicesInto(const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<const T>& quads, const Containers::StridedArrayView1D<T>& output, const UnsignedInt offset) {
    CORRADE_ASSERT(quads.size() % 4 == 0,
        "MeshTools::generateQuadIndicesInto(): quad index count" << quads.size() << "not divisible by 4", );
    CORRADE_ASSERT(output.size() == quads.size()*6/4,
        "MeshTools::generateQuadIndicesInto(): bad output size, expected" << quads.size()*6/4 << "but got" << output.size(), );

    /* Corner orders of the two possible splits, ABC ACD and DAB DBC */
    constexpr UnsignedInt SplitAC[]{0, 1, 2, 0, 2, 3};
    constexpr UnsignedInt SplitBD[]{3, 0, 1, 3, 1, 2};
    for(std::size_t q = 0, quadCount = quads.size()/4; q != quadCount; ++q) {
        Vector3 corner[4];
        for(std::size_t j = 0; j != 4; ++j) {
            const UnsignedInt index = quads[4*q + j];
            CORRADE_ASSERT(index < positions.size(),
                "MeshTools::generateQuadIndicesInto(): index" << index << "out of range for" << positions.size() << "elements", );
            corner[j] = positions[index];
        }
        const Vector3& a = corner[0];
        const Vector3& b = corner[1];
        const Vector3& c = corner[2];
        const Vector3& d = corner[3];

        /* A split whose two triangles face opposite ways folds the quad; if
           only one split does that, take the other, otherwise the shorter
           diagonal, preferring AC on a tie */
        const bool acFolds = Math::dot(Math::cross(c - b, a - b), Math::cross(d - c, a - c)) < 0.0f;
        const bool bdFolds = Math::dot(Math::cross(d - b, a - b), Math::cross(c - b, d - b)) < 0.0f;
        const UnsignedInt* split;
        if(acFolds != bdFolds) split = acFolds ? SplitBD : SplitAC;
        else split = (b - d).dot() < (c - a).dot() ? SplitBD : SplitAC;

        for(std::size_t j = 0; j != 6; ++j)
            output[6*q + j] = T(offset + quads[4*q + split[j]]);
    }
}

}

Containers::Array<UnsignedInt> generateQuadIndices(const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<const UnsignedInt>& quads, const UnsignedInt offset) {
    Containers::Array<UnsignedInt> out{NoInit, quads.size()*6/4};
    quadIndicesInto(positions, quads, Containers::StridedArrayView1D<UnsignedInt>{out}, offset);
    return out;
}

Containers::Array<UnsignedInt> generateQuadIndices(const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<const UnsignedShort>& quads, const UnsignedInt offset) {
    /* Computed in the narrow type, then widened, so the result wraps the same
       way as the Into variant */
    Containers::Array<UnsignedShort> narrow{NoInit, quads.size()*6/4};
    quadIndicesInto(positions, quads, Containers::StridedArrayView1D<UnsignedShort>{narrow}, offset);
    Containers::Array<UnsignedInt> out{NoInit, narrow.size()};
    for(std::size_t i = 0; i != narrow.size(); ++i) out[i] = narrow[i];
    return out;
}

Containers::Array<UnsignedInt> generateQuadIndices(const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<const UnsignedByte>& quads, const UnsignedInt offset) {
    Containers::Array<UnsignedByte> narrow{NoInit, quads.size()*6/4};
    quadIndicesInto(positions, quads, Containers::StridedArrayView1D<UnsignedByte>{narrow}, offset);
    Containers::Array<UnsignedInt> out{NoInit, narrow.size()};
    for(std::size_t i = 0; i != narrow.size(); ++i) out[i] = narrow[i];
    return out;
}

void generateQuadIndicesInto(const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<const UnsignedInt>& quads, const Containers::StridedArrayView1D<UnsignedInt>& output, const UnsignedInt offset) {
    quadIndicesInto(positions, quads, output, offset);
}

void generateQuadIndicesInto(const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<const UnsignedShort>& quads, const Containers::StridedArrayView1D<UnsignedShort>& output, const UnsignedInt offset) {
    quadIndicesInto(positions, quads, output, offset);
}

void generateQuadIndicesInto(const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<const UnsignedByte>& quads, const Containers::StridedArrayView1D<UnsignedByte>& output, const UnsignedInt offset) {
    quadIndicesInto(positions, quads, output, offset);
}

Trade::MeshData generateIndices(Trade::MeshData&& mesh) {
    CORRADE_ASSERT(!mesh.isIndexed() || !isMeshIndexTypeImplementationSpecific(mesh.indexType()),
        "MeshTools::generateIndices(): mesh has an implementation-specific index type" << Debug::hex << meshIndexTypeUnwrap(mesh.indexType()),
        (Trade::MeshData{MeshPrimitive{}, 0}));

    const MeshPrimitive primitive = mesh.primitive();
    const UnsignedInt vertexCount = mesh.vertexCount();
    #ifndef CORRADE_NO_ASSERT
    UnsignedInt minVertexCount = 1;
    if(primitive == MeshPrimitive::LineStrip || primitive == MeshPrimitive::LineLoop)
        minVertexCount = 2;
    else if(primitive == MeshPrimitive::TriangleStrip || primitive == MeshPrimitive::TriangleFan)
        minVertexCount = 3;
    CORRADE_ASSERT(vertexCount == 0 || vertexCount >= minVertexCount,
        "MeshTools::generateIndices(): expected either zero or at least" << minVertexCount << "vertices for" << primitive << Debug::nospace << ", got" << vertexCount,
        (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    #endif

    /* Vertex data stay as they are, taken over if owned */
    const Containers::ArrayView<const char> originalVertexData = mesh.vertexData();
    Containers::Array<char> vertexData;
    if(mesh.vertexDataFlags() & Trade::DataFlag::Owned)
        vertexData = mesh.releaseVertexData();
    else {
        vertexData = Containers::Array<char>{NoInit, originalVertexData.size()};
        Utility::copy(originalVertexData, vertexData);
    }
    Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, mesh.attributeCount()};
    for(UnsignedInt i = 0; i != attributes.size(); ++i)
        attributes[i] = Implementation::remapAttributeData(mesh.attributeData(i), vertexCount, originalVertexData, vertexData);

    /* The index buffer is sized from the vertex count also for an indexed
       strip, loop or fan, so one whose index count differs from its vertex
       count fails the output size check of the *Into() function */
    const bool indexed = mesh.isIndexed();
    const UnsignedInt elementCount = vertexCount;
    MeshPrimitive outPrimitive = primitive;
    Containers::Array<char> indexData;
    auto allocate = [&](std::size_t count) {
        indexData = Containers::Array<char>{NoInit, count*sizeof(UnsignedInt)};
        return Containers::arrayCast<UnsignedInt>(indexData);
    };
    if(primitive == MeshPrimitive::LineStrip) {
        outPrimitive = MeshPrimitive::Lines;
        const Containers::ArrayView<UnsignedInt> out = allocate(lineStripSize(elementCount));
        if(indexed) generateLineStripIndicesInto(mesh.indices(), out);
        else generateLineStripIndicesInto(vertexCount, out);
    } else if(primitive == MeshPrimitive::LineLoop) {
        outPrimitive = MeshPrimitive::Lines;
        const Containers::ArrayView<UnsignedInt> out = allocate(lineLoopSize(elementCount));
        if(indexed) generateLineLoopIndicesInto(mesh.indices(), out);
        else generateLineLoopIndicesInto(vertexCount, out);
    } else if(primitive == MeshPrimitive::TriangleStrip) {
        outPrimitive = MeshPrimitive::Triangles;
        const Containers::ArrayView<UnsignedInt> out = allocate(triangleSize(elementCount));
        if(indexed) generateTriangleStripIndicesInto(mesh.indices(), out);
        else generateTriangleStripIndicesInto(vertexCount, out);
    } else if(primitive == MeshPrimitive::TriangleFan) {
        outPrimitive = MeshPrimitive::Triangles;
        const Containers::ArrayView<UnsignedInt> out = allocate(triangleSize(elementCount));
        if(indexed) generateTriangleFanIndicesInto(mesh.indices(), out);
        else generateTriangleFanIndicesInto(vertexCount, out);

    /* Other primitives keep their indices, only widened to 32 bits; owned
       tightly packed 32-bit indices with nothing around them are taken over */
    } else if(indexed) {
        if((mesh.indexDataFlags() & Trade::DataFlag::Owned) &&
           mesh.indexType() == MeshIndexType::UnsignedInt &&
           mesh.indexStride() == 4 &&
           mesh.indexData().size() == std::size_t(mesh.indexCount())*4)
            indexData = mesh.releaseIndexData();
        else mesh.indicesInto(allocate(mesh.indexCount()));
    } else generateTrivialIndicesInto(allocate(vertexCount));

    const Trade::MeshIndexData indices{MeshIndexType::UnsignedInt, Containers::ArrayView<const void>{indexData}};
    return Trade::MeshData{outPrimitive, std::move(indexData), indices,
        std::move(vertexData), std::move(attributes), vertexCount};
}

Trade::MeshData generateIndices(const Trade::MeshData& mesh) {
    return generateIndices(Implementation::meshReference(mesh));
}

}}
