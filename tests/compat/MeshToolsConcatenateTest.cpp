#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/Iterable.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/Reference.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/MeshTools/Concatenate.h>
#include <Magnum/Trade/MeshData.h>

using namespace Magnum;

namespace VelmoraEngine { namespace Test { namespace {

template<class T> std::vector<T> toVector(const Containers::StridedArrayView1D<const T>& view) {
    std::vector<T> out;
    for(std::size_t i = 0; i != view.size(); ++i) out.push_back(view[i]);
    return out;
}

/* First mesh: non-indexed, positions and texture coordinates interleaved */
struct VertexA {
    Vector3 position;
    Vector2 textureCoordinates;
};
const VertexA VerticesA[]{
    {{0.0f, 0.0f, 0.0f}, {0.0f, 0.5f}},
    {{1.0f, 0.0f, 0.0f}, {1.0f, 0.5f}},
    {{0.0f, 1.0f, 0.0f}, {0.5f, 1.0f}}
};

/* Second mesh: indexed, positions and normals, no texture coordinates */
const struct {
    Vector3 positions[4];
    Vector3 normals[4];
} VertexDataB{
    {{10.0f, 0.0f, 0.0f}, {11.0f, 0.0f, 0.0f}, {10.0f, 1.0f, 0.0f}, {11.0f, 1.0f, 0.0f}},
    {{0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 1.0f}}
};
const auto& PositionsB = VertexDataB.positions;
const auto& NormalsB = VertexDataB.normals;
const UnsignedByte IndicesB[]{0, 1, 2, 2, 1, 3};

/* Third mesh: non-indexed, attributes in the opposite order */
const struct {
    Vector2 textureCoordinates[3];
    Vector3 positions[3];
} VertexDataC{
    {{0.25f, 0.25f}, {0.75f, 0.25f}, {0.5f, 0.75f}},
    {{20.0f, 0.0f, 0.0f}, {21.0f, 0.0f, 0.0f}, {20.0f, 1.0f, 0.0f}}
};
const auto& TextureCoordinatesC = VertexDataC.textureCoordinates;
const auto& PositionsC = VertexDataC.positions;

Trade::MeshData meshA() {
    const Containers::StridedArrayView1D<const VertexA> view = Containers::arrayView(VerticesA);
    return Trade::MeshData{MeshPrimitive::Triangles, {}, VerticesA, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, view.slice(&VertexA::position)},
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, view.slice(&VertexA::textureCoordinates)}
    }};
}
Trade::MeshData meshB() {
    return Trade::MeshData{MeshPrimitive::Triangles,
        {}, IndicesB, Trade::MeshIndexData{IndicesB},
        {}, Containers::arrayView(&VertexDataB, 1), {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::arrayView(PositionsB)},
            Trade::MeshAttributeData{Trade::MeshAttribute::Normal, Containers::arrayView(NormalsB)}
        }, 4};
}
Trade::MeshData meshC() {
    return Trade::MeshData{MeshPrimitive::Triangles, {}, Containers::arrayView(&VertexDataC, 1), {
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, Containers::arrayView(TextureCoordinatesC)},
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::arrayView(PositionsC)}
    }};
}

void checkConcatenated(const Trade::MeshData& out) {
    EXPECT_EQ(out.primitive(), MeshPrimitive::Triangles);
    ASSERT_TRUE(out.isIndexed());
    EXPECT_EQ(out.indexType(), MeshIndexType::UnsignedInt);
    /* The non-indexed meshes get trivial indices, all rebased by the
       vertices before them */
    EXPECT_EQ(toVector(out.indices<UnsignedInt>()), (std::vector<UnsignedInt>{
        0, 1, 2,
        3, 4, 5, 5, 4, 6,
        7, 8, 9}));
    EXPECT_EQ(out.vertexCount(), 10u);

    /* Only the attributes of the first mesh, in its layout */
    ASSERT_EQ(out.attributeCount(), 2u);
    EXPECT_EQ(out.attributeName(0), Trade::MeshAttribute::Position);
    EXPECT_EQ(out.attributeName(1), Trade::MeshAttribute::TextureCoordinates);
    EXPECT_EQ(out.attributeOffset(1), 12u);
    EXPECT_EQ(out.attributeStride(0), 20);
    EXPECT_EQ(toVector(out.attribute<Vector3>(0)), (std::vector<Vector3>{
        VerticesA[0].position, VerticesA[1].position, VerticesA[2].position,
        PositionsB[0], PositionsB[1], PositionsB[2], PositionsB[3],
        PositionsC[0], PositionsC[1], PositionsC[2]}));
    /* Missing in the second mesh, so zeros there */
    EXPECT_EQ(toVector(out.attribute<Vector2>(1)), (std::vector<Vector2>{
        VerticesA[0].textureCoordinates, VerticesA[1].textureCoordinates, VerticesA[2].textureCoordinates,
        {}, {}, {}, {},
        TextureCoordinatesC[0], TextureCoordinatesC[1], TextureCoordinatesC[2]}));
    EXPECT_TRUE(out.indexDataFlags() & Trade::DataFlag::Mutable);
    EXPECT_TRUE(out.vertexDataFlags() & Trade::DataFlag::Owned);
}

TEST(CompatMeshToolsConcatenate, IndexVertexCount) {
    const Trade::MeshData a = meshA(), b = meshB(), c = meshC();
    const struct {
        std::vector<Containers::Reference<const Trade::MeshData>> meshes;
        UnsignedInt indexCount, vertexCount;
    } cases[]{
        /* Meshes before and after an indexed one count with their vertices */
        {{a, b, c}, 12, 10},
        {{a, c}, 0, 6},
        {{b, a}, 9, 7},
    };
    for(const auto& data: cases) {
        const Containers::Pair<UnsignedInt, UnsignedInt> counts = MeshTools::Implementation::concatenateIndexVertexCount(
            Containers::arrayView(data.meshes.data(), data.meshes.size()));
        EXPECT_EQ(counts.first(), data.indexCount);
        EXPECT_EQ(counts.second(), data.vertexCount);
    }
}

TEST(CompatMeshToolsConcatenate, IndexedAndNonIndexed) {
    const Trade::MeshData a = meshA(), b = meshB(), c = meshC();
    checkConcatenated(MeshTools::concatenate({a, b, c}));
}

TEST(CompatMeshToolsConcatenate, NonIndexed) {
    const Trade::MeshData a = meshA(), c = meshC();
    const Trade::MeshData out = MeshTools::concatenate({c, a});
    EXPECT_FALSE(out.isIndexed());
    EXPECT_EQ(out.vertexCount(), 6u);
    /* Layout of the first mesh, which is texture coordinates first */
    EXPECT_EQ(out.attributeName(0), Trade::MeshAttribute::TextureCoordinates);
    EXPECT_EQ(out.attributeOffset(1), 8u);
    EXPECT_EQ(out.attribute<Vector3>(Trade::MeshAttribute::Position)[4], VerticesA[1].position);
}

TEST(CompatMeshToolsConcatenate, IntoReusesCapacity) {
    const Trade::MeshData a = meshA(), b = meshB(), c = meshC();
    Trade::MeshData destination = MeshTools::concatenate({a});
    EXPECT_FALSE(destination.isIndexed());

    MeshTools::concatenateInto(destination, {a, b, c});
    checkConcatenated(destination);
    const void* const indexPointer = destination.indexData().data();
    const void* const vertexPointer = destination.vertexData().data();

    /* Data from a previous run don't leak into attributes a mesh lacks and
       the arrays are grown in place */
    MeshTools::concatenateInto(destination, {a, b, c});
    checkConcatenated(destination);
    EXPECT_EQ(destination.indexData().data(), indexPointer);
    EXPECT_EQ(destination.vertexData().data(), vertexPointer);

    /* Fewer vertices fit into the same memory as well, no mesh being indexed
       makes the result non-indexed */
    MeshTools::concatenateInto(destination, {c});
    EXPECT_FALSE(destination.isIndexed());
    EXPECT_EQ(destination.vertexCount(), 3u);
    EXPECT_EQ(destination.vertexData().data(), vertexPointer);
    EXPECT_EQ(toVector(destination.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates)),
        (std::vector<Vector2>{TextureCoordinatesC[0], TextureCoordinatesC[1], TextureCoordinatesC[2]}));
}

TEST(CompatMeshToolsConcatenate, IntoKeepsDestinationLayout) {
    /* The destination has only positions, so normals of the meshes are
       dropped, even though the first one has them */
    const Vector3 positions[1]{};
    Trade::MeshData destination{MeshPrimitive::Triangles, {}, positions, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::arrayView(positions)}
    }};
    const Trade::MeshData b = meshB(), a = meshA();
    MeshTools::concatenateInto(destination, {b, a});
    ASSERT_EQ(destination.attributeCount(), 1u);
    EXPECT_EQ(destination.attributeStride(0), 12);
    EXPECT_EQ(toVector(destination.indices<UnsignedInt>()), (std::vector<UnsignedInt>{0, 1, 2, 2, 1, 3, 4, 5, 6}));
    EXPECT_EQ(destination.attribute<Vector3>(0)[5], VerticesA[1].position);
}

TEST(CompatMeshToolsConcatenate, Invalid) {
    const Trade::MeshData a = meshA();
    const Trade::MeshData lines{MeshPrimitive::Lines, {}, PositionsC, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::arrayView(PositionsC)}
    }};
    const Trade::MeshData strip{MeshPrimitive::TriangleStrip, 3};
    const Trade::MeshData wrongFormat{MeshPrimitive::Triangles, {}, PositionsC, {
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2h, Containers::arrayView(PositionsC)}
    }};
    const struct {
        Vector3 positions[3];
        Float weights[3][2];
    } arrayData{};
    const Trade::MeshData array{MeshPrimitive::Triangles, {}, Containers::arrayView(&arrayData, 1), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::arrayView(arrayData.positions)},
        Trade::MeshAttributeData{Trade::meshAttributeCustom(1), VertexFormat::Float, Containers::arrayView(arrayData.weights), 2}
    }};
    const Float weights[3]{};
    const Trade::MeshData notArray{MeshPrimitive::Triangles, {}, weights, {
        Trade::MeshAttributeData{Trade::meshAttributeCustom(1), Containers::arrayView(weights)}
    }};

    EXPECT_DEATH(MeshTools::concatenate(Containers::Iterable<const Trade::MeshData>{}),
        "MeshTools::concatenate\\(\\): expected at least one mesh");
    Trade::MeshData destination{MeshPrimitive::Points, 0};
    EXPECT_DEATH(MeshTools::concatenateInto(destination, Containers::Iterable<const Trade::MeshData>{}),
        "MeshTools::concatenateInto\\(\\): no meshes passed");
    EXPECT_DEATH(MeshTools::concatenate({a, lines}),
        "MeshTools::concatenate\\(\\): expected MeshPrimitive::Triangles but got MeshPrimitive::Lines in mesh 1");
    EXPECT_DEATH(MeshTools::concatenate({strip}),
        "MeshTools::concatenate\\(\\): MeshPrimitive::TriangleStrip is not supported, turn it into a plain indexed mesh first");
    EXPECT_DEATH(MeshTools::concatenate({a, wrongFormat}),
        "MeshTools::concatenate\\(\\): expected VertexFormat::Vector2 for attribute 1 \\(Trade::MeshAttribute::TextureCoordinates\\) but got VertexFormat::Vector2h in mesh 1 attribute 0");
    EXPECT_DEATH(MeshTools::concatenate({array, notArray}),
        "MeshTools::concatenate\\(\\): attribute 1 \\(Trade::MeshAttribute::Custom\\(1\\)\\) is an array but attribute 0 in mesh 1 isn't");
}

}}}
