#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/MeshTools/Interleave.h>
#include <Magnum/Trade/MeshData.h>

using namespace Magnum;

namespace VelmoraEngine { namespace Test { namespace {

template<class T> std::vector<T> toVector(const Containers::StridedArrayView1D<const T>& view) {
    std::vector<T> out;
    for(std::size_t i = 0; i != view.size(); ++i) out.push_back(view[i]);
    return out;
}

/* Interleaved with padding before, between and after the attributes */
struct PaddedVertex {
    Float padding0;
    Vector3 position;
    Float padding1;
    Vector2 textureCoordinates;
    Float padding2;
};

const PaddedVertex PaddedVertices[]{
    {0.0f, {1.0f, 2.0f, 3.0f}, 0.0f, {0.1f, 0.2f}, 0.0f},
    {0.0f, {4.0f, 5.0f, 6.0f}, 0.0f, {0.3f, 0.4f}, 0.0f}
};

Trade::MeshData paddedMesh() {
    const Containers::StridedArrayView1D<const PaddedVertex> view = Containers::arrayView(PaddedVertices);
    return Trade::MeshData{MeshPrimitive::Triangles, {}, PaddedVertices, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, view.slice(&PaddedVertex::position)},
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, view.slice(&PaddedVertex::textureCoordinates)}
    }};
}

TEST(CompatMeshToolsInterleave, IsInterleaved) {
    const Trade::MeshData padded = paddedMesh();
    EXPECT_TRUE(MeshTools::isInterleaved(padded));
    EXPECT_TRUE(MeshTools::isInterleaved(Trade::MeshData{MeshPrimitive::Points, 5}));

    /* The view spans from the first attribute to the end of the last one */
    const Containers::StridedArrayView2D<const char> data = MeshTools::interleavedData(padded);
    EXPECT_EQ(data.data(), reinterpret_cast<const char*>(PaddedVertices) + 4);
    EXPECT_EQ(data.size()[0], 2u);
    EXPECT_EQ(data.size()[1], 24u);
    EXPECT_EQ(data.stride()[0], std::ptrdiff_t(sizeof(PaddedVertex)));

    /* Separate arrays have different strides */
    const struct {
        Vector3 positions[2];
        Vector2 textureCoordinates[2];
    } separate{};
    const Trade::MeshData mesh{MeshPrimitive::Triangles, {}, Containers::arrayView(&separate, 1), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::arrayView(separate.positions)},
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, Containers::arrayView(separate.textureCoordinates)}
    }};
    EXPECT_FALSE(MeshTools::isInterleaved(mesh));
    EXPECT_DEATH(MeshTools::interleavedData(mesh),
        "MeshTools::interleavedData\\(\\): the mesh is not interleaved");

    /* Same stride but the attributes don't fit into it */
    const Vector3 positions[6]{};
    const Trade::MeshData overlapping{MeshPrimitive::Points, {}, positions, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::stridedArrayView(positions).prefix(4).every(2)},
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, Containers::stridedArrayView(positions).exceptPrefix(2).every(2)}
    }};
    EXPECT_FALSE(MeshTools::isInterleaved(overlapping));
}

TEST(CompatMeshToolsInterleave, LayoutPreservesInterleaved) {
    const Trade::MeshData layout = MeshTools::interleavedLayout(paddedMesh(), 10, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Color, VertexFormat::Vector4, nullptr}
    });
    EXPECT_EQ(layout.vertexCount(), 10u);
    EXPECT_FALSE(layout.isIndexed());
    EXPECT_EQ(layout.primitive(), MeshPrimitive::Triangles);
    EXPECT_TRUE(layout.vertexDataFlags() & Trade::DataFlag::Owned);
    EXPECT_TRUE(layout.vertexDataFlags() & Trade::DataFlag::Mutable);
    ASSERT_EQ(layout.attributeCount(), 3u);
    /* Original stride kept with only the leading padding removed, the extra
       attribute appended after the whole original stride */
    EXPECT_EQ(layout.attributeOffset(0), 0u);
    EXPECT_EQ(layout.attributeOffset(1), 16u);
    EXPECT_EQ(layout.attributeOffset(2), 32u);
    EXPECT_EQ(layout.attributeStride(0), 48);
    EXPECT_EQ(layout.attributeName(2), Trade::MeshAttribute::Color);
    EXPECT_EQ(layout.vertexData().size(), 480u);
}

TEST(CompatMeshToolsInterleave, LayoutRepacks) {
    /* Without the flag even an interleaved mesh is packed tightly */
    const Trade::MeshData repacked = MeshTools::interleavedLayout(paddedMesh(), 3, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Color, VertexFormat::Vector4, nullptr}
    }, MeshTools::InterleaveFlags{});
    EXPECT_EQ(repacked.attributeOffset(0), 0u);
    EXPECT_EQ(repacked.attributeOffset(1), 12u);
    EXPECT_EQ(repacked.attributeOffset(2), 20u);
    EXPECT_EQ(repacked.attributeStride(0), 36);

    /* A non-interleaved one always is, padding extras add gaps */
    const struct {
        Vector3 positions[2];
        Vector3 normals[2];
    } separate{};
    const Trade::MeshData mesh{MeshPrimitive::Lines, {}, Containers::arrayView(&separate, 1), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::arrayView(separate.positions)},
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, Containers::arrayView(separate.normals)}
    }};
    const Trade::MeshData layout = MeshTools::interleavedLayout(mesh, 5, {
        Trade::MeshAttributeData{4},
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, nullptr},
        Trade::MeshAttributeData{2}
    });
    EXPECT_EQ(layout.primitive(), MeshPrimitive::Lines);
    EXPECT_EQ(layout.vertexCount(), 5u);
    ASSERT_EQ(layout.attributeCount(), 3u);
    EXPECT_EQ(layout.attributeOffset(1), 12u);
    EXPECT_EQ(layout.attributeOffset(2), 28u);
    EXPECT_EQ(layout.attributeStride(2), 12 + 12 + 4 + 8 + 2);
    EXPECT_TRUE(MeshTools::isInterleaved(layout));

    EXPECT_DEATH(MeshTools::interleavedLayout(mesh, 5, {Trade::MeshAttributeData{-25}}),
        "MeshTools::interleavedLayout\\(\\): negative padding -25 in extra attribute 0 too large for stride 24");
}

TEST(CompatMeshToolsInterleave, ImplementationLayoutIsOffsetOnly) {
    const Containers::Array<Trade::MeshAttributeData> attributes = MeshTools::Implementation::interleavedLayout(paddedMesh(), {}, MeshTools::InterleaveFlag::PreserveInterleavedAttributes);
    ASSERT_EQ(attributes.size(), 2u);
    for(const Trade::MeshAttributeData& attribute: attributes) {
        EXPECT_TRUE(attribute.isOffsetOnly());
        EXPECT_EQ(attribute.stride(), 32);
    }
    EXPECT_EQ(attributes[0].offset({}), 0u);
    EXPECT_EQ(attributes[1].offset({}), 16u);
    EXPECT_EQ(attributes[1].format(), VertexFormat::Vector2);

    EXPECT_TRUE(MeshTools::Implementation::interleavedLayout(Trade::MeshData{MeshPrimitive::Points, 3}, {}, {}).isEmpty());
}

TEST(CompatMeshToolsInterleave, Interleave) {
    const struct {
        Vector3 positions[2];
        Vector2 textureCoordinates[2];
    } separate{
        {{1.0f, 2.0f, 3.0f}, {4.0f, 5.0f, 6.0f}},
        {{0.1f, 0.2f}, {0.3f, 0.4f}}
    };
    const UnsignedShort indices[]{1, 0, 1};
    const Trade::MeshData mesh{MeshPrimitive::Points,
        {}, indices, Trade::MeshIndexData{indices},
        {}, Containers::arrayView(&separate, 1), {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::arrayView(separate.positions)},
            Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, Containers::arrayView(separate.textureCoordinates)}
        }};
    const Trade::MeshData out = MeshTools::interleave(mesh);
    EXPECT_TRUE(MeshTools::isInterleaved(out));
    EXPECT_EQ(out.attributeStride(0), 20);
    EXPECT_EQ(toVector(out.attribute<Vector2>(1)), (std::vector<Vector2>{{0.1f, 0.2f}, {0.3f, 0.4f}}));
    EXPECT_EQ(toVector(out.attribute<Vector3>(0)), (std::vector<Vector3>{{1.0f, 2.0f, 3.0f}, {4.0f, 5.0f, 6.0f}}));
    ASSERT_TRUE(out.isIndexed());
    EXPECT_EQ(out.indexType(), MeshIndexType::UnsignedShort);
    EXPECT_EQ(toVector(out.indices<UnsignedShort>()), (std::vector<UnsignedShort>{1, 0, 1}));
}

}}}
