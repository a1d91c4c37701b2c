#include <cstring>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Magnum.h>
#include <Magnum/Mesh.h>
#include <Magnum/VertexFormat.h>
#include <Magnum/MeshTools/GenerateIndices.h>
#include <Magnum/MeshTools/Interleave.h>
#include <Magnum/Trade/MeshData.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;

/* generateIndices() sizes the indices of a strip, loop or fan from the vertex
   count, so an indexed one whose index count differs from its vertex count
   fails the output size check of the function that converts the indices */

struct IndexedStrip {
    const char* name;
    MeshPrimitive primitive;
    const char* message;
};

const IndexedStrip IndexedStrips[]{
    {"LineStrip", MeshPrimitive::LineStrip,
        "MeshTools::generateLineStripIndicesInto\\(\\): bad output size, expected 8 but got 6"},
    {"LineLoop", MeshPrimitive::LineLoop,
        "MeshTools::generateLineLoopIndicesInto\\(\\): bad output size, expected 10 but got 8"},
    {"TriangleStrip", MeshPrimitive::TriangleStrip,
        "MeshTools::generateTriangleStripIndicesInto\\(\\): bad output size, expected 9 but got 6"},
    {"TriangleFan", MeshPrimitive::TriangleFan,
        "MeshTools::generateTriangleFanIndicesInto\\(\\): bad output size, expected 9 but got 6"},
};

class CompatMeshToolsGenerateIndicesDeathTest: public testing::TestWithParam<IndexedStrip> {};

TEST_P(CompatMeshToolsGenerateIndicesDeathTest, IndexCountDiffersFromVertexCount) {
    const UnsignedShort indices[]{0, 1, 2, 3, 1};
    const Float positions[]{0.0f, 1.0f, 2.0f, 3.0f};
    const Trade::MeshData mesh{GetParam().primitive,
        {}, indices, Trade::MeshIndexData{indices},
        {}, positions, {
            Trade::MeshAttributeData{Trade::meshAttributeCustom(0), VertexFormat::Float, Containers::arrayView(positions)}
        }};
    EXPECT_DEATH(MeshTools::generateIndices(mesh), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(CompatPrimitives, CompatMeshToolsGenerateIndicesDeathTest, testing::ValuesIn(IndexedStrips),
    [](const testing::TestParamInfo<IndexedStrip>& info) { return std::string{info.param.name}; });

TEST(CompatMeshToolsGenerateIndices, IndexedStripWithAsManyIndicesAsVertices) {
    const UnsignedShort indices[]{3, 2, 1, 0};
    const Float positions[]{0.0f, 1.0f, 2.0f, 3.0f};
    const Trade::MeshData mesh{MeshPrimitive::TriangleStrip,
        {}, indices, Trade::MeshIndexData{indices},
        {}, positions, {
            Trade::MeshAttributeData{Trade::meshAttributeCustom(0), VertexFormat::Float, Containers::arrayView(positions)}
        }};
    const Trade::MeshData out = MeshTools::generateIndices(mesh);
    EXPECT_EQ(out.primitive(), MeshPrimitive::Triangles);
    const Containers::StridedArrayView1D<const UnsignedInt> outIndices = out.indices<UnsignedInt>();
    ASSERT_EQ(outIndices.size(), 6u);
    const UnsignedInt expected[]{3, 2, 1, 1, 2, 0};
    for(std::size_t i = 0; i != 6; ++i) EXPECT_EQ(outIndices[i], expected[i]) << i;
}

/* An interleaved mesh with an attribute of an implementation-specific format
   keeps its layout when interleaving preserves it, the format is passed
   through */

struct Vertex {
    UnsignedInt special;
    Float value;
};

Trade::MeshData implementationSpecificMesh(const Vertex(&vertices)[2]) {
    const Containers::StridedArrayView1D<const Vertex> view = Containers::arrayView(vertices);
    return Trade::MeshData{MeshPrimitive::Points, {}, vertices, {
        Trade::MeshAttributeData{Trade::meshAttributeCustom(3), vertexFormatWrap(0xcafe), view.slice(&Vertex::special)},
        Trade::MeshAttributeData{Trade::meshAttributeCustom(4), VertexFormat::Float, view.slice(&Vertex::value)}
    }};
}

TEST(CompatMeshToolsInterleave, LayoutPreservesImplementationSpecificFormat) {
    const Vertex vertices[2]{{0xaabbccdd, 1.5f}, {0x11223344, -2.0f}};
    const Trade::MeshData layout = MeshTools::interleavedLayout(implementationSpecificMesh(vertices), 3);
    ASSERT_EQ(layout.attributeCount(), 2u);
    EXPECT_EQ(layout.vertexCount(), 3u);
    EXPECT_EQ(layout.attributeFormat(0), vertexFormatWrap(0xcafe));
    EXPECT_EQ(layout.attributeOffset(0), 0u);
    EXPECT_EQ(layout.attributeStride(0), 8);
    EXPECT_EQ(layout.attributeFormat(1), VertexFormat::Float);
    EXPECT_EQ(layout.attributeOffset(1), 4u);
    EXPECT_EQ(layout.attributeStride(1), 8);
    EXPECT_EQ(layout.vertexData().size(), 24u);
}

TEST(CompatMeshToolsInterleave, InterleavePassesImplementationSpecificFormatThrough) {
    const Vertex vertices[2]{{0xaabbccdd, 1.5f}, {0x11223344, -2.0f}};
    const Trade::MeshData out = MeshTools::interleave(implementationSpecificMesh(vertices));
    ASSERT_EQ(out.attributeCount(), 2u);
    EXPECT_EQ(out.attributeFormat(0), vertexFormatWrap(0xcafe));
    EXPECT_EQ(out.attributeStride(0), 8);
    ASSERT_EQ(out.vertexData().size(), 16u);
    EXPECT_NE(out.vertexData().data(), static_cast<const void*>(vertices));
    EXPECT_EQ(std::memcmp(out.vertexData().data(), vertices, 16), 0);
    EXPECT_EQ(out.attribute<Float>(1)[1], -2.0f);
}

}}}
