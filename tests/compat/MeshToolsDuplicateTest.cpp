#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/MeshTools/Duplicate.h>
#include <Magnum/MeshTools/Interleave.h>
#include <Magnum/Trade/MeshData.h>

using namespace Magnum;

namespace VelmoraEngine { namespace Test { namespace {

template<class T> std::vector<T> toVector(const Containers::StridedArrayView1D<const T>& view) {
    std::vector<T> out;
    for(std::size_t i = 0; i != view.size(); ++i) out.push_back(view[i]);
    return out;
}

TEST(CompatMeshToolsDuplicate, Views) {
    const UnsignedByte indices[]{1, 1, 0, 3, 2, 2};
    const Int data[]{-7, 35, 12, -18};
    const Containers::Array<Int> out = MeshTools::duplicate<UnsignedByte, Int>(indices, data);
    EXPECT_EQ(std::vector<Int>(out.begin(), out.end()), (std::vector<Int>{35, 35, -7, -18, 12, 12}));

    /* Type-erased data and indices */
    const UnsignedShort indices16[]{3, 0, 0};
    Int output[3];
    MeshTools::duplicateInto(
        Containers::arrayCast<2, const char>(Containers::stridedArrayView(indices16)),
        Containers::arrayCast<2, const char>(Containers::stridedArrayView(data)),
        Containers::arrayCast<2, char>(Containers::stridedArrayView(output)));
    EXPECT_EQ(std::vector<Int>(output, output + 3), (std::vector<Int>{-18, -7, -7}));
}

TEST(CompatMeshToolsDuplicate, ViewsInvalid) {
    const UnsignedByte indices[]{1, 1, 0, 4, 2, 2};
    const Int data[]{-7, 35, 12, -18};
    Int output[5];
    Short shortOutput[6];
    EXPECT_DEATH((MeshTools::duplicate<UnsignedByte, Int>(indices, data)),
        "MeshTools::duplicateInto\\(\\): index 4 out of range for 4 elements");
    EXPECT_DEATH((MeshTools::duplicateInto<UnsignedByte, Int>(indices, data, output)),
        "MeshTools::duplicateInto\\(\\): index array and output size don't match, expected 6 but got 5");
    EXPECT_DEATH(MeshTools::duplicateInto(Containers::stridedArrayView(indices),
            Containers::arrayCast<2, const char>(Containers::stridedArrayView(data)),
            Containers::arrayCast<2, char>(Containers::stridedArrayView(shortOutput))),
        "MeshTools::duplicateInto\\(\\): input and output type size doesn't match, expected 4 but got 2");
    const char erased[18]{};
    EXPECT_DEATH(MeshTools::duplicateInto(Containers::StridedArrayView2D<const char>{erased, {6, 3}},
            Containers::arrayCast<2, const char>(Containers::stridedArrayView(data)),
            Containers::arrayCast<2, char>(Containers::stridedArrayView(output))),
        "MeshTools::duplicateInto\\(\\): expected index type size 1, 2 or 4 but got 3");
}

TEST(CompatMeshToolsDuplicate, MeshDataNonInterleaved) {
    /* Attributes in separate arrays, in an order that isn't alphabetical */
    const Vector2 textureCoordinates[]{{0.0f, 0.5f}, {1.0f, 0.5f}, {0.5f, 1.0f}};
    const Vector3 positions[]{{1.0f, 2.0f, 3.0f}, {4.0f, 5.0f, 6.0f}, {7.0f, 8.0f, 9.0f}};
    const Short ids[][2]{{1, 2}, {3, 4}, {5, 6}};
    struct {
        Vector2 textureCoordinates[3];
        Vector3 positions[3];
        Short ids[3][2];
    } vertexData{
        {textureCoordinates[0], textureCoordinates[1], textureCoordinates[2]},
        {positions[0], positions[1], positions[2]},
        {{ids[0][0], ids[0][1]}, {ids[1][0], ids[1][1]}, {ids[2][0], ids[2][1]}}
    };
    const UnsignedShort indices[]{2, 0, 1, 1, 0};
    const Trade::MeshData mesh{MeshPrimitive::Lines,
        {}, indices, Trade::MeshIndexData{indices},
        {}, Containers::arrayView(&vertexData, 1), {
            Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, Containers::arrayView(vertexData.textureCoordinates)},
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::arrayView(vertexData.positions)},
            Trade::MeshAttributeData{Trade::meshAttributeCustom(3), VertexFormat::Short, Containers::arrayView(vertexData.ids), 2}
        }};
    EXPECT_FALSE(MeshTools::isInterleaved(mesh));

    const Trade::MeshData out = MeshTools::duplicate(mesh);
    EXPECT_EQ(out.primitive(), MeshPrimitive::Lines);
    EXPECT_FALSE(out.isIndexed());
    EXPECT_EQ(out.vertexCount(), 5u);
    EXPECT_TRUE(MeshTools::isInterleaved(out));
    EXPECT_TRUE(out.vertexDataFlags() & Trade::DataFlag::Owned);
    EXPECT_TRUE(out.vertexDataFlags() & Trade::DataFlag::Mutable);
    ASSERT_EQ(out.attributeCount(), 3u);

    /* Order and formats kept, packed tightly */
    EXPECT_EQ(out.attributeName(0), Trade::MeshAttribute::TextureCoordinates);
    EXPECT_EQ(out.attributeName(1), Trade::MeshAttribute::Position);
    EXPECT_EQ(out.attributeName(2), Trade::meshAttributeCustom(3));
    EXPECT_EQ(out.attributeFormat(0), VertexFormat::Vector2);
    EXPECT_EQ(out.attributeFormat(1), VertexFormat::Vector3);
    EXPECT_EQ(out.attributeFormat(2), VertexFormat::Short);
    EXPECT_EQ(out.attributeArraySize(2), 2);
    EXPECT_EQ(out.attributeOffset(0), 0u);
    EXPECT_EQ(out.attributeOffset(1), 8u);
    EXPECT_EQ(out.attributeOffset(2), 20u);
    EXPECT_EQ(out.attributeStride(0), 24);

    EXPECT_EQ(toVector(out.attribute<Vector3>(1)), (std::vector<Vector3>{
        positions[2], positions[0], positions[1], positions[1], positions[0]}));
    EXPECT_EQ(toVector(out.attribute<Vector2>(0)), (std::vector<Vector2>{
        textureCoordinates[2], textureCoordinates[0], textureCoordinates[1], textureCoordinates[1], textureCoordinates[0]}));
    const Containers::StridedArrayView2D<const Short> outIds = out.attribute<Short[]>(2);
    EXPECT_EQ(outIds[0][0], 5);
    EXPECT_EQ(outIds[0][1], 6);
    EXPECT_EQ(outIds[4][1], 2);
}

TEST(CompatMeshToolsDuplicate, MeshDataInterleavedKeepsLayout) {
    struct Vertex {
        Vector3 position;
        Float padding;
        Vector2 textureCoordinates;
    } vertices[]{
        {{1.0f, 0.0f, 0.0f}, 0.0f, {0.1f, 0.2f}},
        {{0.0f, 1.0f, 0.0f}, 0.0f, {0.3f, 0.4f}},
        {{0.0f, 0.0f, 1.0f}, 0.0f, {0.5f, 0.6f}}
    };
    const Containers::StridedArrayView1D<const Vertex> view = Containers::arrayView(vertices);
    const UnsignedInt indices[]{2, 2, 1, 0};
    const Trade::MeshData mesh{MeshPrimitive::Points,
        {}, indices, Trade::MeshIndexData{indices},
        {}, vertices, {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, view.slice(&Vertex::position)},
            Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, view.slice(&Vertex::textureCoordinates)}
        }};

    const Trade::MeshData out = MeshTools::duplicate(mesh);
    EXPECT_EQ(out.vertexCount(), 4u);
    /* The padding is preserved */
    EXPECT_EQ(out.attributeStride(0), 24);
    EXPECT_EQ(out.attributeOffset(0), 0u);
    EXPECT_EQ(out.attributeOffset(1), 16u);
    EXPECT_EQ(toVector(out.attribute<Vector3>(Trade::MeshAttribute::Position)), (std::vector<Vector3>{
        vertices[2].position, vertices[2].position, vertices[1].position, vertices[0].position}));
    EXPECT_EQ(toVector(out.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates)), (std::vector<Vector2>{
        vertices[2].textureCoordinates, vertices[2].textureCoordinates, vertices[1].textureCoordinates, vertices[0].textureCoordinates}));
}

TEST(CompatMeshToolsDuplicate, MeshDataExtra) {
    const UnsignedByte indices[]{0, 1, 2, 2, 1, 0};
    const Vector2 positions[]{{1.3f, 0.3f}, {0.87f, 1.1f}, {1.0f, -0.5f}};
    const Trade::MeshData mesh{MeshPrimitive::Triangles,
        {}, indices, Trade::MeshIndexData{indices},
        {}, positions, {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::arrayView(positions)}
        }};

    const Float weights[]{1.0f, 2.0f, 3.0f};
    const Trade::MeshData out = MeshTools::duplicate(mesh, {
        Trade::MeshAttributeData{4},
        Trade::MeshAttributeData{Trade::meshAttributeCustom(1), Containers::arrayView(weights)},
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, nullptr}
    });
    EXPECT_EQ(out.vertexCount(), 6u);
    ASSERT_EQ(out.attributeCount(), 3u);
    EXPECT_EQ(out.attributeStride(0), 8 + 4 + 4 + 12);
    EXPECT_EQ(out.attributeOffset(1), 12u);
    EXPECT_EQ(out.attributeOffset(2), 16u);
    EXPECT_EQ(out.attributeName(2), Trade::MeshAttribute::Normal);
    EXPECT_EQ(toVector(out.attribute<Float>(1)), (std::vector<Float>{1.0f, 2.0f, 3.0f, 3.0f, 2.0f, 1.0f}));
    EXPECT_EQ(out.attribute<Vector2>(0)[3], positions[2]);

    const Float tooFew[]{1.0f, 2.0f};
    EXPECT_DEATH(MeshTools::duplicate(mesh, {
            Trade::MeshAttributeData{Trade::meshAttributeCustom(1), Containers::arrayView(tooFew)}
        }),
        "MeshTools::duplicate\\(\\): extra attribute 0 expected to have 3 items but got 2");
    EXPECT_DEATH(MeshTools::duplicate(Trade::MeshData{MeshPrimitive::Points, 3}),
        "MeshTools::duplicate\\(\\): mesh data not indexed");
}

}}}
