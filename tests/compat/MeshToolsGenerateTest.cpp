#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/MeshTools/GenerateIndices.h>
#include <Magnum/MeshTools/GenerateNormals.h>
#include <Magnum/Trade/MeshData.h>

using namespace Magnum;

namespace VelmoraEngine { namespace Test { namespace {

template<class T> std::vector<T> toVector(const Containers::StridedArrayView1D<const T>& view) {
    std::vector<T> out;
    for(std::size_t i = 0; i != view.size(); ++i) out.push_back(view[i]);
    return out;
}
template<class T> std::vector<T> toVector(const Containers::Array<T>& array) {
    return std::vector<T>(array.begin(), array.end());
}

void expectVector(const Vector3& actual, const Vector3& expected) {
    EXPECT_NEAR(actual.x(), expected.x(), 1.0e-6f);
    EXPECT_NEAR(actual.y(), expected.y(), 1.0e-6f);
    EXPECT_NEAR(actual.z(), expected.z(), 1.0e-6f);
}

/* The second digit of each index is its position, so the expected output
   is easy to read against the vertex-count variant */
constexpr UnsignedInt Indices[]{60, 21, 72, 93, 44, 85};

TEST(CompatMeshToolsGenerateIndices, Trivial) {
    EXPECT_EQ(toVector(MeshTools::generateTrivialIndices(4)), (std::vector<UnsignedInt>{0, 1, 2, 3}));
    EXPECT_EQ(toVector(MeshTools::generateTrivialIndices(3, 100)), (std::vector<UnsignedInt>{100, 101, 102}));
    EXPECT_TRUE(MeshTools::generateTrivialIndices(0).isEmpty());
}

TEST(CompatMeshToolsGenerateIndices, LineStripAndLoop) {
    EXPECT_TRUE(MeshTools::generateLineStripIndices(0).isEmpty());
    EXPECT_EQ(toVector(MeshTools::generateLineStripIndices(2)), (std::vector<UnsignedInt>{0, 1}));
    EXPECT_EQ(toVector(MeshTools::generateLineStripIndices(5)),
        (std::vector<UnsignedInt>{0, 1, 1, 2, 2, 3, 3, 4}));
    EXPECT_EQ(toVector(MeshTools::generateLineStripIndices(3, 100)),
        (std::vector<UnsignedInt>{100, 101, 101, 102}));

    EXPECT_TRUE(MeshTools::generateLineLoopIndices(0).isEmpty());
    EXPECT_EQ(toVector(MeshTools::generateLineLoopIndices(2)), (std::vector<UnsignedInt>{0, 1, 1, 0}));
    EXPECT_EQ(toVector(MeshTools::generateLineLoopIndices(5)),
        (std::vector<UnsignedInt>{0, 1, 1, 2, 2, 3, 3, 4, 4, 0}));
    EXPECT_EQ(toVector(MeshTools::generateLineLoopIndices(3, 10)),
        (std::vector<UnsignedInt>{10, 11, 11, 12, 12, 10}));
}

TEST(CompatMeshToolsGenerateIndices, TriangleStripAndFan) {
    EXPECT_TRUE(MeshTools::generateTriangleStripIndices(0).isEmpty());
    /* Odd triangles have the first two corners swapped to keep the winding */
    EXPECT_EQ(toVector(MeshTools::generateTriangleStripIndices(6)),
        (std::vector<UnsignedInt>{0, 1, 2, 2, 1, 3, 2, 3, 4, 4, 3, 5}));
    EXPECT_EQ(toVector(MeshTools::generateTriangleStripIndices(4, 7)),
        (std::vector<UnsignedInt>{7, 8, 9, 9, 8, 10}));

    EXPECT_TRUE(MeshTools::generateTriangleFanIndices(0).isEmpty());
    EXPECT_EQ(toVector(MeshTools::generateTriangleFanIndices(5)),
        (std::vector<UnsignedInt>{0, 1, 2, 0, 2, 3, 0, 3, 4}));
    EXPECT_EQ(toVector(MeshTools::generateTriangleFanIndices(3, 5)),
        (std::vector<UnsignedInt>{5, 6, 7}));
}

template<class T> struct MeshToolsGenerateIndicesIndexed: testing::Test {};
typedef testing::Types<UnsignedByte, UnsignedShort, UnsignedInt> IndexTypes;
TYPED_TEST_SUITE(MeshToolsGenerateIndicesIndexed, IndexTypes);

TYPED_TEST(MeshToolsGenerateIndicesIndexed, AllPrimitives) {
    TypeParam data[6];
    for(std::size_t i = 0; i != 6; ++i) data[i] = TypeParam(Indices[i]);
    const Containers::StridedArrayView1D<const TypeParam> indices = Containers::arrayView(data);
    const Containers::StridedArrayView2D<const char> erased = Containers::arrayCast<2, const char>(Containers::stridedArrayView(data));

    EXPECT_EQ(toVector(MeshTools::generateLineStripIndices(indices.prefix(4))),
        (std::vector<UnsignedInt>{60, 21, 21, 72, 72, 93}));
    EXPECT_EQ(toVector(MeshTools::generateLineLoopIndices(indices.prefix(4))),
        (std::vector<UnsignedInt>{60, 21, 21, 72, 72, 93, 93, 60}));
    EXPECT_EQ(toVector(MeshTools::generateTriangleStripIndices(indices)),
        (std::vector<UnsignedInt>{60, 21, 72, 72, 21, 93, 72, 93, 44, 44, 93, 85}));
    EXPECT_EQ(toVector(MeshTools::generateTriangleFanIndices(indices.prefix(5), 1000)),
        (std::vector<UnsignedInt>{1060, 1021, 1072, 1060, 1072, 1093, 1060, 1093, 1044}));

    /* The type-erased variant picks the type from the second dimension */
    EXPECT_EQ(toVector(MeshTools::generateTriangleStripIndices(erased.prefix({5, sizeof(TypeParam)}), 1)),
        (std::vector<UnsignedInt>{61, 22, 73, 73, 22, 94, 73, 94, 45}));
    UnsignedInt output[10];
    MeshTools::generateLineLoopIndicesInto(erased.prefix({5, sizeof(TypeParam)}), output);
    EXPECT_EQ(std::vector<UnsignedInt>(output, output + 10),
        (std::vector<UnsignedInt>{60, 21, 21, 72, 72, 93, 93, 44, 44, 60}));
}

TEST(CompatMeshToolsGenerateIndices, Invalid) {
    UnsignedInt output[7];
    UnsignedShort indices[2]{};
    EXPECT_DEATH(MeshTools::generateLineStripIndices(1),
        "MeshTools::generateLineStripIndicesInto\\(\\): expected either zero or at least two vertices, got 1");
    EXPECT_DEATH(MeshTools::generateTriangleFanIndices(Containers::stridedArrayView(indices)),
        "MeshTools::generateTriangleFanIndicesInto\\(\\): expected either zero or at least three indices, got 2");
    EXPECT_DEATH(MeshTools::generateLineLoopIndicesInto(4, output),
        "MeshTools::generateLineLoopIndicesInto\\(\\): bad output size, expected 8 but got 7");
    EXPECT_DEATH(MeshTools::generateTriangleStripIndicesInto(5, output),
        "MeshTools::generateTriangleStripIndicesInto\\(\\): bad output size, expected 9 but got 7");

    char erased[12]{};
    EXPECT_DEATH(MeshTools::generateTriangleFanIndices(Containers::StridedArrayView2D<const char>{erased, {4, 3}}),
        "MeshTools::generateTriangleFanIndicesInto\\(\\): expected index type size 1, 2 or 4 but got 3");
    EXPECT_DEATH(MeshTools::generateLineStripIndices(Containers::StridedArrayView2D<const char>{erased, {3, 4}}.every({1, 2})),
        "MeshTools::generateLineStripIndicesInto\\(\\): second index view dimension is not contiguous");
}

TEST(CompatMeshToolsGenerateIndices, PrimitiveCount) {
    EXPECT_EQ(MeshTools::primitiveCount(MeshPrimitive::Points, 42), 42u);
    EXPECT_EQ(MeshTools::primitiveCount(MeshPrimitive::Lines, 14), 7u);
    EXPECT_EQ(MeshTools::primitiveCount(MeshPrimitive::LineStrip, 4), 3u);
    EXPECT_EQ(MeshTools::primitiveCount(MeshPrimitive::LineLoop, 9), 9u);
    EXPECT_EQ(MeshTools::primitiveCount(MeshPrimitive::Triangles, 21), 7u);
    EXPECT_EQ(MeshTools::primitiveCount(MeshPrimitive::TriangleFan, 7), 5u);
    EXPECT_EQ(MeshTools::primitiveCount(MeshPrimitive::TriangleStrip, 0), 0u);
    EXPECT_DEATH(MeshTools::primitiveCount(MeshPrimitive::Triangles, 14),
        "MeshTools::primitiveCount\\(\\): expected element count to be divisible by 3 for MeshPrimitive::Triangles, got 14");
    EXPECT_DEATH(MeshTools::primitiveCount(MeshPrimitive::LineLoop, 1),
        "MeshTools::primitiveCount\\(\\): expected either zero or at least 2 elements for MeshPrimitive::LineLoop, got 1");
}

TEST(CompatMeshToolsGenerateIndices, Quads) {
    /* A square, split along AC, and a flat kite, split along the shorter
       BD diagonal */
    const Vector3 positions[]{
        {0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 0.0f}, {0.0f, 1.0f, 0.0f},
        {0.0f, 0.0f, 1.0f}, {5.0f, 0.0f, 0.0f}, {10.0f, 0.0f, 1.0f}, {5.0f, 0.0f, 2.0f}
    };
    const UnsignedInt quads[]{0, 1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(toVector(MeshTools::generateQuadIndices(positions, quads)),
        (std::vector<UnsignedInt>{0, 1, 2, 0, 2, 3, 7, 4, 5, 7, 5, 6}));
    EXPECT_EQ(toVector(MeshTools::generateQuadIndices(positions, Containers::stridedArrayView(quads).prefix(4), 100)),
        (std::vector<UnsignedInt>{100, 101, 102, 100, 102, 103}));
    EXPECT_DEATH(MeshTools::generateQuadIndices(positions, Containers::stridedArrayView(quads).prefix(6)),
        "MeshTools::generateQuadIndicesInto\\(\\): quad index count 6 not divisible by 4");
}

const struct {
    MeshPrimitive primitive;
    MeshPrimitive expectedPrimitive;
    std::vector<UnsignedInt> expected;
    std::vector<UnsignedInt> expectedIndexed;
} MeshDataCases[]{
    {MeshPrimitive::LineStrip, MeshPrimitive::Lines,
        {0, 1, 1, 2, 2, 3, 3, 4}, {60, 21, 21, 72, 72, 93, 93, 44}},
    {MeshPrimitive::LineLoop, MeshPrimitive::Lines,
        {0, 1, 1, 2, 2, 3, 3, 4, 4, 0}, {60, 21, 21, 72, 72, 93, 93, 44, 44, 60}},
    {MeshPrimitive::TriangleStrip, MeshPrimitive::Triangles,
        {0, 1, 2, 2, 1, 3, 2, 3, 4}, {60, 21, 72, 72, 21, 93, 72, 93, 44}},
    {MeshPrimitive::TriangleFan, MeshPrimitive::Triangles,
        {0, 1, 2, 0, 2, 3, 0, 3, 4}, {60, 21, 72, 60, 72, 93, 60, 93, 44}},
    /* Other primitives keep their indices or get trivial ones */
    {MeshPrimitive::Points, MeshPrimitive::Points,
        {0, 1, 2, 3, 4}, {60, 21, 72, 93, 44}},
};

TEST(CompatMeshToolsGenerateIndices, MeshData) {
    struct Vertex {
        Vector2 position;
        Short data[2];
    } vertices[5];
    for(std::size_t i = 0; i != 5; ++i)
        vertices[i] = {{Float(i), 0.5f*Float(i)}, {Short(10 + i), Short(-Int(i))}};
    const Containers::StridedArrayView1D<const Vertex> view = Containers::arrayView(vertices);
    const UnsignedShort indexData[]{60, 21, 72, 93, 44};

    for(const auto& data: MeshDataCases) {
        SCOPED_TRACE(UnsignedInt(data.primitive));
        const Trade::MeshData mesh{data.primitive, {}, vertices, {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, view.slice(&Vertex::position)},
            Trade::MeshAttributeData{Trade::meshAttributeCustom(7), VertexFormat::Short, view.slice(&Vertex::data), 2}
        }};
        const Trade::MeshData out = MeshTools::generateIndices(mesh);
        EXPECT_EQ(out.primitive(), data.expectedPrimitive);
        ASSERT_TRUE(out.isIndexed());
        EXPECT_EQ(out.indexType(), MeshIndexType::UnsignedInt);
        EXPECT_EQ(toVector(out.indices<UnsignedInt>()), data.expected);
        EXPECT_EQ(out.vertexCount(), 5u);
        ASSERT_EQ(out.attributeCount(), 2u);
        EXPECT_EQ(out.attribute<Vector2>(0)[3], (Vector2{3.0f, 1.5f}));
        EXPECT_EQ(out.attributeArraySize(1), 2);
        EXPECT_EQ(out.attribute<Short[]>(1)[4][0], 14);
        /* Vertex data are copied, not referenced */
        EXPECT_NE(out.vertexData().data(), static_cast<const void*>(vertices));

        const Trade::MeshData indexed{data.primitive, {}, indexData, Trade::MeshIndexData{indexData}, {}, vertices, {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, view.slice(&Vertex::position)}
        }};
        const Trade::MeshData outIndexed = MeshTools::generateIndices(indexed);
        EXPECT_EQ(outIndexed.primitive(), data.expectedPrimitive);
        EXPECT_EQ(outIndexed.indexType(), MeshIndexType::UnsignedInt);
        EXPECT_EQ(toVector(outIndexed.indices<UnsignedInt>()), data.expectedIndexed);
    }
}

TEST(CompatMeshToolsGenerateIndices, MeshDataMoveTakesVertexData) {
    Containers::Array<char> vertexData{NoInit, 4*sizeof(Vector3)};
    const Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData);
    for(std::size_t i = 0; i != 4; ++i) positions[i] = Vector3{Float(i)};
    const void* pointer = vertexData.data();
    Trade::MeshData mesh{MeshPrimitive::TriangleStrip, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::stridedArrayView(positions)}
    }};
    const Trade::MeshData out = MeshTools::generateIndices(std::move(mesh));
    EXPECT_EQ(out.vertexData().data(), pointer);
    EXPECT_EQ(toVector(out.indices<UnsignedInt>()), (std::vector<UnsignedInt>{0, 1, 2, 2, 1, 3}));
    EXPECT_EQ(out.attribute<Vector3>(Trade::MeshAttribute::Position)[2], Vector3{2.0f});
}

TEST(CompatMeshToolsGenerateIndices, MeshDataInvalid) {
    EXPECT_DEATH(MeshTools::generateIndices(Trade::MeshData{MeshPrimitive::TriangleFan, 2}),
        "MeshTools::generateIndices\\(\\): expected either zero or at least 3 vertices for MeshPrimitive::TriangleFan, got 2");
    EXPECT_DEATH(MeshTools::generateIndices(Trade::MeshData{MeshPrimitive::LineLoop, 1}),
        "MeshTools::generateIndices\\(\\): expected either zero or at least 2 vertices for MeshPrimitive::LineLoop, got 1");
}

TEST(CompatMeshToolsGenerateNormals, Flat) {
    /* A counter-clockwise quad in the XY plane and a triangle facing -X */
    const Vector3 positions[]{
        {0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 0.0f},
        {0.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 0.0f}, {0.0f, 1.0f, 0.0f},
        {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 3.0f}, {0.0f, 2.0f, 0.0f}
    };
    const Containers::Array<Vector3> normals = MeshTools::generateFlatNormals(positions);
    ASSERT_EQ(normals.size(), 9u);
    for(std::size_t i = 0; i != 6; ++i) EXPECT_EQ(normals[i], Vector3::zAxis());
    for(std::size_t i = 6; i != 9; ++i) EXPECT_EQ(normals[i], -Vector3::xAxis());

    EXPECT_DEATH(MeshTools::generateFlatNormals(Containers::arrayView(positions).prefix(4)),
        "MeshTools::generateFlatNormalsInto\\(\\): position count not divisible by 3");
    Vector3 output[5];
    EXPECT_DEATH(MeshTools::generateFlatNormalsInto(Containers::arrayView(positions).prefix(6), output),
        "MeshTools::generateFlatNormalsInto\\(\\): bad output size, expected 6 but got 5");
}

/* Corner of a box at the origin, one triangle in each of the x = 0, y = 0
   and z = 0 planes, wound to face outwards. The y = 0 and z = 0 triangles
   are twice as large, all three have a right angle at the origin. */
const Vector3 CornerPositions[]{
    {0.0f, 0.0f, 0.0f}, {2.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}
};
constexpr UnsignedInt CornerIndices[]{
    0, 2, 1,    /* z = 0, facing -Z */
    0, 1, 3,    /* y = 0, facing -Y */
    0, 3, 2     /* x = 0, facing -X */
};

void checkCornerNormals(const Containers::StridedArrayView1D<const Vector3>& normals) {
    ASSERT_EQ(normals.size(), 4u);
    /* Equal angles at the origin, so only the areas weight the face normals:
       (-1, -2, -2) normalized */
    expectVector(normals[0], {-1.0f/3.0f, -2.0f/3.0f, -2.0f/3.0f});
    /* Same angle and area in both faces at (2, 0, 0) */
    expectVector(normals[1], {0.0f, -std::sqrt(0.5f), -std::sqrt(0.5f)});
    /* At (0, 1, 0) the z = 0 face has twice the area and an angle of
       atan(2), the x = 0 face an angle of 45 degrees */
    const double zWeight = 2.0*std::atan(2.0);
    const double xWeight = std::atan(1.0);
    const double length = std::sqrt(zWeight*zWeight + xWeight*xWeight);
    expectVector(normals[2], {Float(-xWeight/length), 0.0f, Float(-zWeight/length)});
    /* At (0, 0, 1) the y = 0 face has twice the area and an angle of
       atan(2), the x = 0 face 45 degrees */
    expectVector(normals[3], {Float(-xWeight/length), Float(-zWeight/length), 0.0f});
}

TYPED_TEST(MeshToolsGenerateIndicesIndexed, SmoothNormals) {
    TypeParam indices[9];
    for(std::size_t i = 0; i != 9; ++i) indices[i] = TypeParam(CornerIndices[i]);

    checkCornerNormals(MeshTools::generateSmoothNormals(Containers::stridedArrayView(indices), CornerPositions));

    Vector3 output[4];
    MeshTools::generateSmoothNormalsInto(
        Containers::arrayCast<2, const char>(Containers::stridedArrayView(indices)),
        CornerPositions, output);
    checkCornerNormals(output);
}

TEST(CompatMeshToolsGenerateNormals, SmoothIgnoresDegenerateTriangles) {
    /* A triangle with a repeated vertex has zero area and NaN edges, it has
       to contribute nothing instead of poisoning the result */
    const UnsignedInt indices[]{0, 2, 1, 0, 1, 3, 0, 3, 2, 0, 0, 1};
    checkCornerNormals(MeshTools::generateSmoothNormals(indices, CornerPositions));
}

TEST(CompatMeshToolsGenerateNormals, SmoothKeepsDuplicatePositionsApart) {
    /* Two faces meeting at a right angle along the edge from (0, 0, 0) to
       (1, 0, 0). Sharing the edge vertices averages the normals there,
       duplicating them keeps a hard edge as vertices are never merged by
       position. */
    const Vector3 shared[]{
        {0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, -1.0f}
    };
    const UnsignedInt sharedIndices[]{0, 1, 2, 1, 0, 3};
    const Containers::Array<Vector3> sharedNormals = MeshTools::generateSmoothNormals(sharedIndices, shared);
    expectVector(sharedNormals[0], {0.0f, -std::sqrt(0.5f), std::sqrt(0.5f)});
    expectVector(sharedNormals[1], {0.0f, -std::sqrt(0.5f), std::sqrt(0.5f)});
    expectVector(sharedNormals[2], Vector3::zAxis());
    expectVector(sharedNormals[3], -Vector3::yAxis());

    const Vector3 duplicated[]{
        {0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f},
        {1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -1.0f}
    };
    const UnsignedInt duplicatedIndices[]{0, 1, 2, 3, 4, 5};
    const Containers::Array<Vector3> duplicatedNormals = MeshTools::generateSmoothNormals(duplicatedIndices, duplicated);
    for(std::size_t i = 0; i != 3; ++i) expectVector(duplicatedNormals[i], Vector3::zAxis());
    for(std::size_t i = 3; i != 6; ++i) expectVector(duplicatedNormals[i], -Vector3::yAxis());
}

TEST(CompatMeshToolsGenerateNormals, SmoothInvalid) {
    const UnsignedInt indices[]{0, 1, 4, 2};
    Vector3 output[3];
    EXPECT_DEATH(MeshTools::generateSmoothNormals(indices, CornerPositions),
        "MeshTools::generateSmoothNormalsInto\\(\\): index count not divisible by 3");
    EXPECT_DEATH(MeshTools::generateSmoothNormals(Containers::arrayView(indices).prefix(3), CornerPositions),
        "MeshTools::generateSmoothNormalsInto\\(\\): index 4 out of range for 4 elements");
    EXPECT_DEATH(MeshTools::generateSmoothNormalsInto(Containers::arrayView(indices).prefix(3), CornerPositions, output),
        "MeshTools::generateSmoothNormalsInto\\(\\): bad output size, expected 4 but got 3");
    char erased[9]{};
    EXPECT_DEATH(MeshTools::generateSmoothNormals(Containers::StridedArrayView2D<const char>{erased, {3, 3}}, CornerPositions),
        "MeshTools::generateSmoothNormalsInto\\(\\): expected index type size 1, 2 or 4 but got 3");
}

}}}
