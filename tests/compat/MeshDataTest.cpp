#include <cstring>
#include <sstream>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Vector2.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Trade/MeshData.h>

using namespace Corrade;
using namespace Magnum;

namespace VelmoraEngine { namespace Test { namespace {

struct Vertex {
    Vector3 position;
    Color4ub color;
    Vector2 textureCoordinates[2];
};

const Vertex Vertices[]{
    {{1.0f, 2.0f, 3.0f}, {255, 0, 51, 255}, {{0.0f, 0.5f}, {1.0f, 0.25f}}},
    {{4.0f, 5.0f, 6.0f}, {0, 255, 102, 0}, {{0.5f, 1.0f}, {0.75f, 0.0f}}},
    {{7.0f, 8.0f, 9.0f}, {0, 0, 255, 255}, {{1.0f, 0.0f}, {0.5f, 0.5f}}}
};

const UnsignedShort Indices[]{0, 2, 1, 1, 2, 0};

Containers::Array<char> copyOf(const void* data, std::size_t size) {
    Containers::Array<char> out{ValueInit, size};
    std::memcpy(out.data(), data, size);
    return out;
}

/* Interleaved attributes: position, color and two texture coordinate sets */
Containers::Array<Trade::MeshAttributeData> attributesFor(Containers::ArrayView<const char> vertexData) {
    const Containers::StridedArrayView1D<const Vertex> vertices = Containers::arrayCast<const Vertex>(vertexData);
    Containers::Array<Trade::MeshAttributeData> out{ValueInit, 4};
    out[0] = Trade::MeshAttributeData{Trade::MeshAttribute::Position, vertices.slice(&Vertex::position)};
    out[1] = Trade::MeshAttributeData{Trade::MeshAttribute::Color, vertices.slice(&Vertex::color)};
    out[2] = Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2,
        Containers::StridedArrayView1D<const void>{vertexData, vertexData.data() + offsetof(Vertex, textureCoordinates), 3, sizeof(Vertex)}};
    out[3] = Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2,
        Containers::StridedArrayView1D<const void>{vertexData, vertexData.data() + offsetof(Vertex, textureCoordinates) + sizeof(Vector2), 3, sizeof(Vertex)}};
    return out;
}

Trade::MeshData ownedMesh() {
    Containers::Array<char> indexData = copyOf(Indices, sizeof(Indices));
    Containers::Array<char> vertexData = copyOf(Vertices, sizeof(Vertices));
    const Trade::MeshIndexData indices{Containers::arrayCast<const UnsignedShort>(Containers::arrayView(indexData))};
    Containers::Array<Trade::MeshAttributeData> attributes = attributesFor(vertexData);
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), std::move(attributes)};
}

TEST(CompatMeshAttribute, DebugOutput) {
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug{} << Trade::MeshAttribute::Normal << Trade::MeshAttribute::ObjectId << Trade::meshAttributeCustom(42) << Trade::MeshAttribute(0x73);
    }
    EXPECT_EQ(out.str(), "Trade::MeshAttribute::Normal Trade::MeshAttribute::ObjectId Trade::MeshAttribute::Custom(42) Trade::MeshAttribute(0x73)\n");
}

TEST(CompatMeshAttribute, Values) {
    EXPECT_EQ(UnsignedShort(Trade::MeshAttribute::Position), 1);
    EXPECT_EQ(UnsignedShort(Trade::MeshAttribute::Color), 6);
    EXPECT_EQ(UnsignedShort(Trade::MeshAttribute::JointIds), 7);
    EXPECT_EQ(UnsignedShort(Trade::MeshAttribute::ObjectId), 9);
}

TEST(CompatMeshAttribute, Custom) {
    EXPECT_FALSE(Trade::isMeshAttributeCustom(Trade::MeshAttribute::ObjectId));
    EXPECT_FALSE(Trade::isMeshAttributeCustom(Trade::MeshAttribute(32767)));
    EXPECT_TRUE(Trade::isMeshAttributeCustom(Trade::MeshAttribute(32768)));
    EXPECT_EQ(UnsignedShort(Trade::meshAttributeCustom(0)), 32768);
    EXPECT_EQ(UnsignedShort(Trade::meshAttributeCustom(8290)), 32768 + 8290);
    EXPECT_EQ(Trade::meshAttributeCustom(Trade::meshAttributeCustom(8290)), 8290);
    EXPECT_EQ(Trade::meshAttributeCustom(Trade::MeshAttribute(65535)), 32767);
}

TEST(CompatMeshAttributeDeathTest, Custom) {
    EXPECT_DEATH(Trade::meshAttributeCustom(32768), "Trade::meshAttributeCustom\\(\\): index 32768 too large");
    EXPECT_DEATH(Trade::meshAttributeCustom(Trade::MeshAttribute::Tangent), "Trade::meshAttributeCustom\\(\\): Trade::MeshAttribute::Tangent is not custom");
}

TEST(CompatMeshIndexData, Construct) {
    const UnsignedByte bytes[]{3, 1, 2};
    const UnsignedInt ints[]{7, 8};

    const Trade::MeshIndexData none;
    EXPECT_EQ(none.type(), MeshIndexType{});
    EXPECT_EQ(none.data().data(), nullptr);

    const Trade::MeshIndexData fromShorts{Containers::arrayView(Indices)};
    EXPECT_EQ(fromShorts.type(), MeshIndexType::UnsignedShort);
    EXPECT_EQ(fromShorts.data().data(), Indices);
    EXPECT_EQ(fromShorts.data().size(), 6u);
    EXPECT_EQ(fromShorts.data().stride(), 2);

    const Trade::MeshIndexData fromBytes{Containers::stridedArrayView(bytes)};
    EXPECT_EQ(fromBytes.type(), MeshIndexType::UnsignedByte);
    EXPECT_EQ(fromBytes.data().size(), 3u);

    /* A type-erased contiguous view is split by the type size */
    const Trade::MeshIndexData erased{MeshIndexType::UnsignedInt, Containers::ArrayView<const void>{ints}};
    EXPECT_EQ(erased.type(), MeshIndexType::UnsignedInt);
    EXPECT_EQ(erased.data().size(), 2u);
    EXPECT_EQ(erased.data().stride(), 4);

    /* The 2D view picks the type from the second dimension size */
    const Containers::StridedArrayView2D<const char> intBytes{Containers::arrayView(reinterpret_cast<const char*>(ints), 8), {2, 4}};
    const Trade::MeshIndexData from2D{intBytes};
    EXPECT_EQ(from2D.type(), MeshIndexType::UnsignedInt);
    EXPECT_EQ(from2D.data().size(), 2u);
    EXPECT_EQ(from2D.data().data(), ints);
    const Trade::MeshIndexData from2DEmpty{intBytes.prefix({2, 0})};
    EXPECT_EQ(from2DEmpty.type(), MeshIndexType{});
}

TEST(CompatMeshIndexDataDeathTest, Construct) {
    const char data[6]{};
    EXPECT_DEATH((Trade::MeshIndexData{MeshIndexType::UnsignedInt, Containers::ArrayView<const void>{data}}),
        "Trade::MeshIndexData: view size 6 does not correspond to MeshIndexType::UnsignedInt");
    EXPECT_DEATH((Trade::MeshIndexData{Containers::StridedArrayView2D<const char>{Containers::arrayView(data), {2, 3}}}),
        "Trade::MeshIndexData: expected index type size 1, 2 or 4 but got 3");
}

TEST(CompatMeshAttributeData, Construct) {
    const Containers::StridedArrayView1D<const Vertex> vertices = Containers::stridedArrayView(Vertices);

    const Trade::MeshAttributeData positions{Trade::MeshAttribute::Position, vertices.slice(&Vertex::position)};
    EXPECT_EQ(positions.name(), Trade::MeshAttribute::Position);
    EXPECT_EQ(positions.format(), VertexFormat::Vector3);
    EXPECT_FALSE(positions.isOffsetOnly());
    EXPECT_EQ(positions.stride(), Short(sizeof(Vertex)));
    EXPECT_EQ(positions.arraySize(), 0);
    EXPECT_EQ(positions.morphTargetId(), -1);
    EXPECT_EQ(positions.data().data(), &Vertices[0].position);
    EXPECT_EQ(positions.data().size(), 3u);
    EXPECT_EQ(positions.offset(Vertices), 0u);

    /* Normalized formats are inferred only for the color types */
    const Trade::MeshAttributeData colors{Trade::MeshAttribute::Color, vertices.slice(&Vertex::color)};
    EXPECT_EQ(colors.format(), VertexFormat::Vector4ubNormalized);
    EXPECT_EQ(colors.offset(Vertices), offsetof(Vertex, color));

    const Trade::MeshAttributeData offsetOnly{Trade::MeshAttribute::Normal, VertexFormat::Vector3bNormalized, 12, 3, 24};
    EXPECT_TRUE(offsetOnly.isOffsetOnly());
    EXPECT_EQ(offsetOnly.offset(Vertices), 12u);
    EXPECT_EQ(offsetOnly.stride(), 24);
    EXPECT_EQ(offsetOnly.data(Vertices).data(), reinterpret_cast<const char*>(Vertices) + 12);
    EXPECT_EQ(offsetOnly.data(Vertices).size(), 3u);

    const Trade::MeshAttributeData padding{-4};
    EXPECT_EQ(padding.stride(), -4);
    EXPECT_EQ(padding.format(), VertexFormat{});
}

TEST(CompatMeshAttributeData, ConstructArray) {
    const Float data[3][2]{{1.0f, 2.0f}, {3.0f, 4.0f}, {5.0f, 6.0f}};
    const Containers::StridedArrayView2D<const Float> view{Containers::arrayView(&data[0][0], 6), {3, 2}};
    const Trade::MeshAttributeData attribute{Trade::meshAttributeCustom(3), view};
    EXPECT_EQ(attribute.format(), VertexFormat::Float);
    EXPECT_EQ(attribute.arraySize(), 2);
    EXPECT_EQ(attribute.stride(), 8);
    EXPECT_EQ(attribute.data().size(), 3u);
}

TEST(CompatMeshAttributeDataDeathTest, Construct) {
    const Containers::StridedArrayView1D<const Vertex> vertices = Containers::stridedArrayView(Vertices);
    EXPECT_DEATH((Trade::MeshAttributeData{Trade::MeshAttribute::Normal, vertices.slice(&Vertex::color)}),
        "Trade::MeshAttributeData: VertexFormat::Vector4ubNormalized is not a valid format for Trade::MeshAttribute::Normal");
    EXPECT_DEATH((Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 3, 12, 2}),
        "Trade::MeshAttributeData: Trade::MeshAttribute::Position can't be an array attribute");
    EXPECT_DEATH((Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 4, 3, 40000}),
        "Trade::MeshAttributeData: expected stride to fit into 16 bits but got 40000");
    EXPECT_DEATH((Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3,
        Containers::StridedArrayView2D<const char>{Containers::arrayView(reinterpret_cast<const char*>(Vertices), sizeof(Vertices)), {3, 8}, {sizeof(Vertex), 1}}}),
        "Trade::MeshAttributeData: second view dimension size 8 doesn't match VertexFormat::Vector3");
    EXPECT_DEATH((Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, 12, 3, 24}.data()),
        "Trade::MeshAttributeData::data\\(\\): the attribute is offset-only, supply a data array");
}

TEST(CompatMeshData, ConstructOwnedIndexed) {
    int state;
    Containers::Array<char> indexData = copyOf(Indices, sizeof(Indices));
    Containers::Array<char> vertexData = copyOf(Vertices, sizeof(Vertices));
    const char* const indexPointer = indexData.data();
    const char* const vertexPointer = vertexData.data();
    const Trade::MeshIndexData indices{Containers::arrayCast<const UnsignedShort>(Containers::arrayView(indexData)).exceptPrefix(1)};
    Containers::Array<Trade::MeshAttributeData> attributes = attributesFor(vertexData);
    const Trade::MeshData mesh{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), std::move(attributes), Trade::MeshData::ImplicitVertexCount, &state};

    EXPECT_EQ(mesh.primitive(), MeshPrimitive::Triangles);
    EXPECT_EQ(mesh.indexDataFlags(), Trade::DataFlag::Owned|Trade::DataFlag::Mutable);
    EXPECT_EQ(mesh.vertexDataFlags(), Trade::DataFlag::Owned|Trade::DataFlag::Mutable);
    EXPECT_EQ(mesh.importerState(), &state);
    EXPECT_EQ(mesh.indexData().data(), indexPointer);
    EXPECT_EQ(mesh.vertexData().data(), vertexPointer);
    EXPECT_EQ(mesh.vertexData().size(), sizeof(Vertices));

    EXPECT_TRUE(mesh.isIndexed());
    EXPECT_EQ(mesh.indexCount(), 5u);
    EXPECT_EQ(mesh.indexType(), MeshIndexType::UnsignedShort);
    EXPECT_EQ(mesh.indexOffset(), 2u);
    EXPECT_EQ(mesh.indexStride(), 2);
    EXPECT_EQ(mesh.indices().size()[0], 5u);
    EXPECT_EQ(mesh.indices().size()[1], 2u);
    EXPECT_EQ(mesh.indices<UnsignedShort>()[0], 2);
    EXPECT_EQ(mesh.indices<UnsignedShort>()[4], 0);
    const Containers::Array<UnsignedInt> indices32 = mesh.indicesAsArray();
    ASSERT_EQ(indices32.size(), 5u);
    EXPECT_EQ(indices32[0], 2u);
    EXPECT_EQ(indices32[1], 1u);
    EXPECT_EQ(indices32[4], 0u);

    /* Taken from the attributes */
    EXPECT_EQ(mesh.vertexCount(), 3u);
}

TEST(CompatMeshData, AttributeQueries) {
    const Trade::MeshData mesh = ownedMesh();

    EXPECT_EQ(mesh.attributeCount(), 4u);
    EXPECT_EQ(mesh.attributeData().size(), 4u);
    EXPECT_EQ(mesh.attributeCount(Trade::MeshAttribute::TextureCoordinates), 2u);
    EXPECT_EQ(mesh.attributeCount(Trade::MeshAttribute::Normal), 0u);
    EXPECT_EQ(mesh.attributeCount(-1), 4u);
    EXPECT_TRUE(mesh.hasAttribute(Trade::MeshAttribute::Color));
    EXPECT_FALSE(mesh.hasAttribute(Trade::MeshAttribute::Normal));

    EXPECT_EQ(mesh.attributeName(1), Trade::MeshAttribute::Color);
    EXPECT_EQ(mesh.attributeFormat(1), VertexFormat::Vector4ubNormalized);
    EXPECT_EQ(mesh.attributeOffset(1), offsetof(Vertex, color));
    EXPECT_EQ(mesh.attributeStride(1), Short(sizeof(Vertex)));
    EXPECT_EQ(mesh.attributeArraySize(1), 0);
    EXPECT_EQ(mesh.attributeMorphTargetId(1), -1);
    EXPECT_EQ(mesh.attributeId(3), 1u);
    EXPECT_EQ(mesh.attributeId(1), 0u);

    /* The second attribute of the same name */
    EXPECT_EQ(mesh.findAttributeId(Trade::MeshAttribute::TextureCoordinates, 1), Containers::optional(3u));
    EXPECT_EQ(mesh.findAttributeId(Trade::MeshAttribute::TextureCoordinates, 2), Containers::NullOpt);
    EXPECT_EQ(mesh.findAttributeId(Trade::MeshAttribute::Normal), Containers::NullOpt);
    EXPECT_EQ(mesh.attributeId(Trade::MeshAttribute::TextureCoordinates, 1), 3u);
    EXPECT_EQ(mesh.attributeOffset(Trade::MeshAttribute::TextureCoordinates, 1), offsetof(Vertex, textureCoordinates) + sizeof(Vector2));
    EXPECT_EQ(mesh.attributeFormat(Trade::MeshAttribute::Position), VertexFormat::Vector3);
    EXPECT_EQ(mesh.attributeStride(Trade::MeshAttribute::Position), Short(sizeof(Vertex)));

    /* The per-attribute metadata always have an absolute pointer */
    const Trade::MeshAttributeData data = mesh.attributeData(2);
    EXPECT_FALSE(data.isOffsetOnly());
    EXPECT_EQ(data.name(), Trade::MeshAttribute::TextureCoordinates);
    EXPECT_EQ(data.data().data(), mesh.vertexData().data() + offsetof(Vertex, textureCoordinates));
}

TEST(CompatMeshData, TypedAccess) {
    const Trade::MeshData mesh = ownedMesh();

    const Containers::StridedArrayView1D<const Vector3> positions = mesh.attribute<Vector3>(Trade::MeshAttribute::Position);
    ASSERT_EQ(positions.size(), 3u);
    EXPECT_EQ(positions.stride(), std::ptrdiff_t(sizeof(Vertex)));
    EXPECT_EQ(positions[1], (Vector3{4.0f, 5.0f, 6.0f}));

    /* Colors are normalized and can be read through both the color and the
       plain vector type */
    EXPECT_EQ(mesh.attribute<Color4ub>(1)[2], (Color4ub{0, 0, 255, 255}));
    EXPECT_EQ(mesh.attribute<Vector4ub>(Trade::MeshAttribute::Color)[1], (Vector4ub{0, 255, 102, 0}));

    /* Second set of texture coordinates */
    EXPECT_EQ(mesh.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates, 1)[0], (Vector2{1.0f, 0.25f}));
    EXPECT_EQ(mesh.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates)[2], (Vector2{1.0f, 0.0f}));

    /* Type-erased access, the second dimension is the format size */
    const Containers::StridedArrayView2D<const char> colorBytes = mesh.attribute(Trade::MeshAttribute::Color);
    EXPECT_EQ(colorBytes.size()[0], 3u);
    EXPECT_EQ(colorBytes.size()[1], 4u);
    EXPECT_EQ(UnsignedByte(colorBytes[0][2]), 51);
    EXPECT_EQ(UnsignedByte(colorBytes[1][1]), 255);

    /* Convenience conversions */
    const Containers::Array<Vector3> positions3D = mesh.positions3DAsArray();
    ASSERT_EQ(positions3D.size(), 3u);
    EXPECT_EQ(positions3D[2], (Vector3{7.0f, 8.0f, 9.0f}));
    const Containers::Array<Vector2> positions2D = mesh.positions2DAsArray();
    EXPECT_EQ(positions2D[0], (Vector2{1.0f, 2.0f}));
    const Containers::Array<Color4> colors = mesh.colorsAsArray();
    EXPECT_EQ(colors[0], (Color4{1.0f, 0.0f, 0.2f, 1.0f}));
    EXPECT_EQ(colors[1], (Color4{0.0f, 1.0f, 0.4f, 0.0f}));
    const Containers::Array<Vector2> textureCoordinates = mesh.textureCoordinates2DAsArray(1);
    EXPECT_EQ(textureCoordinates[1], (Vector2{0.75f, 0.0f}));
}

struct Mixed {
    Vector2 position;
    Vector3s normal;
    UnsignedByte objectId;
    UnsignedByte jointIds[2];
    UnsignedByte weights[2];
    Vector3 color;
    Vector4 tangent;
};

const Mixed MixedVertices[]{
    {{1.0f, 2.0f}, {32767, 0, -32767}, 7, {1, 2}, {255, 0}, {0.5f, 0.25f, 1.0f}, {1.0f, 0.0f, 0.0f, -1.0f}},
    {{3.0f, 4.0f}, {0, 0, 32767}, 200, {3, 4}, {51, 204}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f, 1.0f}}
};

TEST(CompatMeshData, ConvertingAccessors) {
    const Trade::MeshData mesh{MeshPrimitive::Points, Trade::DataFlags{}, Containers::arrayView(MixedVertices), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector2, offsetof(Mixed, position), 2, sizeof(Mixed)},
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3sNormalized, offsetof(Mixed, normal), 2, sizeof(Mixed)},
        Trade::MeshAttributeData{Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedByte, offsetof(Mixed, objectId), 2, sizeof(Mixed)},
        Trade::MeshAttributeData{Trade::MeshAttribute::JointIds, VertexFormat::UnsignedByte, offsetof(Mixed, jointIds), 2, sizeof(Mixed), 2},
        Trade::MeshAttributeData{Trade::MeshAttribute::Weights, VertexFormat::UnsignedByteNormalized, offsetof(Mixed, weights), 2, sizeof(Mixed), 2},
        Trade::MeshAttributeData{Trade::MeshAttribute::Color, VertexFormat::Vector3, offsetof(Mixed, color), 2, sizeof(Mixed)},
        Trade::MeshAttributeData{Trade::MeshAttribute::Tangent, VertexFormat::Vector4, offsetof(Mixed, tangent), 2, sizeof(Mixed)}
    }};

    /* Two-component positions get a zero Z */
    const Containers::Array<Vector3> positions = mesh.positions3DAsArray();
    EXPECT_EQ(positions[1], (Vector3{3.0f, 4.0f, 0.0f}));
    const Containers::Array<Vector3> normals = mesh.normalsAsArray();
    EXPECT_EQ(normals[0], (Vector3{1.0f, 0.0f, -1.0f}));
    EXPECT_EQ(normals[1], (Vector3{0.0f, 0.0f, 1.0f}));
    /* Integer types also read normalized formats */
    EXPECT_EQ(mesh.attribute<Vector3s>(Trade::MeshAttribute::Normal)[0], (Vector3s{32767, 0, -32767}));
    /* Three-component colors get an opaque alpha */
    const Containers::Array<Color4> colors = mesh.colorsAsArray();
    EXPECT_EQ(colors[0], (Color4{0.5f, 0.25f, 1.0f, 1.0f}));
    EXPECT_EQ(colors[1], (Color4{1.0f, 0.0f, 0.0f, 1.0f}));
    const Containers::Array<UnsignedInt> objectIds = mesh.objectIdsAsArray();
    EXPECT_EQ(objectIds[0], 7u);
    EXPECT_EQ(objectIds[1], 200u);

    const Containers::Array<UnsignedInt> jointIds = mesh.jointIdsAsArray();
    ASSERT_EQ(jointIds.size(), 4u);
    EXPECT_EQ(jointIds[1], 2u);
    EXPECT_EQ(jointIds[2], 3u);
    const Containers::Array<Float> weights = mesh.weightsAsArray();
    ASSERT_EQ(weights.size(), 4u);
    EXPECT_FLOAT_EQ(weights[0], 1.0f);
    EXPECT_FLOAT_EQ(weights[2], 0.2f);
    EXPECT_FLOAT_EQ(weights[3], 0.8f);
    EXPECT_EQ((mesh.attribute<UnsignedByte[]>(Trade::MeshAttribute::JointIds)[{1, 1}]), 4);

    /* Four-component tangents split into the direction and the sign */
    const Containers::Array<Vector3> tangents = mesh.tangentsAsArray();
    EXPECT_EQ(tangents[1], (Vector3{0.0f, 1.0f, 0.0f}));
    const Containers::Array<Float> signs = mesh.bitangentSignsAsArray();
    EXPECT_EQ(signs[0], -1.0f);
    EXPECT_EQ(signs[1], 1.0f);
}

TEST(CompatMeshData, ArrayAttribute) {
    const Float data[3][2]{{1.0f, 2.0f}, {3.0f, 4.0f}, {5.0f, 6.0f}};
    const Containers::StridedArrayView2D<const Float> view{Containers::arrayView(&data[0][0], 6), {3, 2}};
    const Trade::MeshData mesh{MeshPrimitive::Points, Trade::DataFlags{}, Containers::arrayView(data), {
        Trade::MeshAttributeData{Trade::meshAttributeCustom(1), view}
    }};
    EXPECT_EQ(mesh.attributeArraySize(0), 2);
    const Containers::StridedArrayView2D<const Float> out = mesh.attribute<Float[]>(Trade::meshAttributeCustom(1));
    EXPECT_EQ(out.size()[0], 3u);
    EXPECT_EQ(out.size()[1], 2u);
    EXPECT_EQ((out[{2, 1}]), 6.0f);
    /* The type-erased view spans the whole array */
    EXPECT_EQ(mesh.attribute(0).size()[1], 8u);
}

TEST(CompatMeshData, MutableAccess) {
    Trade::MeshData mesh = ownedMesh();
    mesh.mutableAttribute<Vector3>(Trade::MeshAttribute::Position)[1] = Vector3{-1.0f, -2.0f, -3.0f};
    mesh.mutableIndices<UnsignedShort>()[2] = 7;

    Vector3 position;
    std::memcpy(&position, mesh.vertexData().data() + sizeof(Vertex), sizeof(Vector3));
    EXPECT_EQ(position, (Vector3{-1.0f, -2.0f, -3.0f}));
    UnsignedShort index;
    std::memcpy(&index, mesh.indexData().data() + 4, 2);
    EXPECT_EQ(index, 7);
    EXPECT_EQ(mesh.mutableVertexData().data(), mesh.vertexData().data());
    EXPECT_EQ(mesh.mutableIndexData().size(), sizeof(Indices));
}

TEST(CompatMeshData, ConstructNonOwned) {
    const Trade::MeshData mesh{MeshPrimitive::Lines,
        Trade::DataFlag::Global, Containers::arrayView(Indices), Trade::MeshIndexData{Containers::arrayView(Indices)},
        Trade::DataFlag::ExternallyOwned, Containers::arrayView(Vertices), {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 3, sizeof(Vertex)}
        }};
    EXPECT_EQ(mesh.indexDataFlags(), Trade::DataFlag::Global);
    EXPECT_EQ(mesh.vertexDataFlags(), Trade::DataFlag::ExternallyOwned);
    EXPECT_EQ(mesh.indexData().data(), reinterpret_cast<const char*>(Indices));
    EXPECT_EQ(mesh.vertexData().data(), reinterpret_cast<const char*>(Vertices));
    EXPECT_EQ(mesh.indexCount(), 6u);
    EXPECT_EQ(mesh.vertexCount(), 3u);
    /* The offset-only attribute resolves against the vertex data */
    EXPECT_TRUE(mesh.attributeData()[0].isOffsetOnly());
    EXPECT_EQ(mesh.attribute<Vector3>(0)[2], (Vector3{7.0f, 8.0f, 9.0f}));
}

TEST(CompatMeshData, ConstructVertexCount) {
    /* An explicit count overrides the attributes */
    Containers::Array<char> vertexData = copyOf(Vertices, sizeof(Vertices));
    Containers::Array<Trade::MeshAttributeData> attributes = attributesFor(vertexData);
    const Trade::MeshData explicitCount{MeshPrimitive::Points, std::move(vertexData), std::move(attributes), 2};
    EXPECT_EQ(explicitCount.vertexCount(), 2u);
    EXPECT_FALSE(explicitCount.isIndexed());
    EXPECT_EQ(explicitCount.attribute<Vector3>(0).size(), 2u);
    EXPECT_EQ(explicitCount.indexDataFlags(), Trade::DataFlag::Owned|Trade::DataFlag::Mutable);

    const Trade::MeshData attributeless{MeshPrimitive::Triangles, 37};
    EXPECT_EQ(attributeless.vertexCount(), 37u);
    EXPECT_EQ(attributeless.attributeCount(), 0u);
    EXPECT_FALSE(attributeless.isIndexed());
    EXPECT_EQ(attributeless.indices().size()[0], 0u);
    EXPECT_EQ(attributeless.indices().size()[1], 0u);
    EXPECT_EQ(attributeless.vertexDataFlags(), Trade::DataFlag::Owned|Trade::DataFlag::Mutable);

    Containers::Array<char> indexData = copyOf(Indices, sizeof(Indices));
    const Trade::MeshIndexData indices{MeshIndexType::UnsignedShort, Containers::StridedArrayView1D<const void>{Containers::arrayCast<const UnsignedShort>(Containers::arrayView(indexData))}};
    const Trade::MeshData indexOnly{MeshPrimitive::Triangles, std::move(indexData), indices, 3};
    EXPECT_TRUE(indexOnly.isIndexed());
    EXPECT_EQ(indexOnly.indexCount(), 6u);
    EXPECT_EQ(indexOnly.vertexCount(), 3u);
}

TEST(CompatMeshData, ReleaseIndexData) {
    Trade::MeshData mesh = ownedMesh();
    const char* const pointer = mesh.indexData().data();
    const Containers::Array<char> released = mesh.releaseIndexData();
    EXPECT_EQ(released.data(), pointer);
    EXPECT_EQ(released.size(), sizeof(Indices));
    /* Still indexed, but with zero indices; the pointer stays for offsets */
    EXPECT_TRUE(mesh.isIndexed());
    EXPECT_EQ(mesh.indexCount(), 0u);
    EXPECT_EQ(mesh.indexType(), MeshIndexType::UnsignedShort);
    EXPECT_EQ(mesh.indexData().data(), pointer);
    EXPECT_EQ(mesh.indexData().size(), 0u);
    EXPECT_EQ(mesh.vertexCount(), 3u);
}

TEST(CompatMeshData, ReleaseVertexData) {
    Trade::MeshData mesh = ownedMesh();
    const char* const pointer = mesh.vertexData().data();
    const Containers::Array<char> released = mesh.releaseVertexData();
    EXPECT_EQ(released.data(), pointer);
    EXPECT_EQ(released.size(), sizeof(Vertices));
    /* Attributes stay, with zero vertices */
    EXPECT_EQ(mesh.vertexCount(), 0u);
    EXPECT_EQ(mesh.attributeCount(), 4u);
    EXPECT_EQ(mesh.attribute(1).size()[0], 0u);
    EXPECT_EQ(mesh.attributeOffset(1), offsetof(Vertex, color));
    EXPECT_EQ(mesh.vertexData().data(), pointer);
    EXPECT_EQ(mesh.vertexData().size(), 0u);
    EXPECT_EQ(mesh.indexCount(), 6u);
}

TEST(CompatMeshData, ReleaseAttributeData) {
    Trade::MeshData mesh = ownedMesh();
    const Containers::Array<Trade::MeshAttributeData> released = mesh.releaseAttributeData();
    ASSERT_EQ(released.size(), 4u);
    EXPECT_EQ(released[1].name(), Trade::MeshAttribute::Color);
    /* No attributes, but the vertex count and data stay */
    EXPECT_EQ(mesh.attributeCount(), 0u);
    EXPECT_EQ(mesh.vertexCount(), 3u);
    EXPECT_EQ(mesh.vertexData().size(), sizeof(Vertices));
}

TEST(CompatMeshDataDeathTest, MutableAccessOnImmutableData) {
    Trade::MeshData mesh{MeshPrimitive::Triangles,
        Trade::DataFlag::Global, Containers::arrayView(Indices), Trade::MeshIndexData{Containers::arrayView(Indices)},
        Trade::DataFlags{}, Containers::arrayView(Vertices), {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 3, sizeof(Vertex)}
        }};
    EXPECT_DEATH(mesh.mutableVertexData(), "Trade::MeshData::mutableVertexData\\(\\): vertex data not mutable");
    EXPECT_DEATH(mesh.mutableIndexData(), "Trade::MeshData::mutableIndexData\\(\\): index data not mutable");
    EXPECT_DEATH(mesh.mutableIndices(), "Trade::MeshData::mutableIndices\\(\\): index data not mutable");
    EXPECT_DEATH(mesh.mutableAttribute(0), "Trade::MeshData::mutableAttribute\\(\\): vertex data not mutable");
    EXPECT_DEATH(mesh.mutableAttribute<Vector3>(Trade::MeshAttribute::Position), "Trade::MeshData::mutableAttribute\\(\\): vertex data not mutable");
}

TEST(CompatMeshDataDeathTest, TypedAccessWrongType) {
    const Trade::MeshData mesh = ownedMesh();
    EXPECT_DEATH(mesh.attribute<Vector2>(Trade::MeshAttribute::Position),
        "Trade::MeshData::attribute\\(\\): Trade::MeshAttribute::Position is VertexFormat::Vector3 but requested a type equivalent to VertexFormat::Vector2");
    /* A normalized format isn't readable as a float vector */
    EXPECT_DEATH(mesh.attribute<Color4>(1),
        "Trade::MeshData::attribute\\(\\): Trade::MeshAttribute::Color is VertexFormat::Vector4ubNormalized but requested a type equivalent to VertexFormat::Vector4");
    EXPECT_DEATH(mesh.indices<UnsignedInt>(),
        "Trade::MeshData::indices\\(\\): indices are MeshIndexType::UnsignedShort but requested MeshIndexType::UnsignedInt");
    EXPECT_DEATH(mesh.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates, 2),
        "Trade::MeshData::attribute\\(\\): index 2 out of range for 2 Trade::MeshAttribute::TextureCoordinates attributes");
    EXPECT_DEATH(mesh.attributeName(4),
        "Trade::MeshData::attributeName\\(\\): index 4 out of range for 4 attributes");
}

TEST(CompatMeshDataDeathTest, ArrayAttributeNeedsArrayType) {
    const Float data[3][2]{};
    const Containers::StridedArrayView2D<const Float> view{Containers::arrayView(&data[0][0], 6), {3, 2}};
    const Trade::MeshData mesh{MeshPrimitive::Points, Trade::DataFlags{}, Containers::arrayView(data), {
        Trade::MeshAttributeData{Trade::meshAttributeCustom(1), view}
    }};
    EXPECT_DEATH(mesh.attribute<Float>(0),
        "Trade::MeshData::attribute\\(\\): Trade::MeshAttribute::Custom\\(1\\) is an array attribute, use T\\[\\] to access it");
}

TEST(CompatMeshDataDeathTest, NotIndexed) {
    const Trade::MeshData mesh{MeshPrimitive::Points, 3};
    EXPECT_DEATH(mesh.indexCount(), "Trade::MeshData::indexCount\\(\\): the mesh is not indexed");
    EXPECT_DEATH(mesh.indices<UnsignedInt>(), "Trade::MeshData::indices\\(\\): the mesh is not indexed");
}

TEST(CompatMeshDataDeathTest, ConstructChecks) {
    EXPECT_DEATH((Trade::MeshData{MeshPrimitive::Points, nullptr, Containers::Array<Trade::MeshAttributeData>{}}),
        "Trade::MeshData: vertex count can't be implicit if there are no attributes");

    /* Attributes disagreeing on the vertex count */
    EXPECT_DEATH((Trade::MeshData{MeshPrimitive::Points, Trade::DataFlags{}, Containers::arrayView(Vertices), {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 3, sizeof(Vertex)},
            Trade::MeshAttributeData{Trade::MeshAttribute::Color, VertexFormat::Vector4ubNormalized, 12, 2, sizeof(Vertex)}
        }}),
        "Trade::MeshData: attribute 1 has 2 vertices but 3 expected");

    /* The last of the three 32-byte vertices ends at 24 + 2*32 + 8 = 96 */
    static_assert(sizeof(Vertex) == 32, "unexpected vertex layout");
    EXPECT_DEATH((Trade::MeshData{MeshPrimitive::Points, Trade::DataFlags{}, Containers::arrayView(reinterpret_cast<const char*>(Vertices), sizeof(Vertices) - 1), {
            Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 24, 3, sizeof(Vertex)}
        }}),
        "Trade::MeshData: offset-only attribute 0 spans 96 bytes but passed vertexData array has only 95");

    EXPECT_DEATH((Trade::MeshData{MeshPrimitive::Points, Trade::DataFlags{}, Containers::arrayView(reinterpret_cast<const char*>(Vertices), 70), {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, Containers::stridedArrayView(Vertices).slice(&Vertex::position)}
        }}),
        "Trade::MeshData: attribute 0 \\[0x[0-9a-f]+:0x[0-9a-f]+\\] is not contained in passed vertexData array \\[0x[0-9a-f]+:0x[0-9a-f]+\\]");

    EXPECT_DEATH((Trade::MeshData{MeshPrimitive::Points, Trade::DataFlags{}, Containers::arrayView(Indices).prefix(5), Trade::MeshIndexData{Containers::arrayView(Indices)}, 3}),
        "Trade::MeshData: indices \\[0x[0-9a-f]+:0x[0-9a-f]+\\] are not contained in passed indexData array \\[0x[0-9a-f]+:0x[0-9a-f]+\\]");

    EXPECT_DEATH((Trade::MeshData{MeshPrimitive::Points, Trade::DataFlag::Owned, Containers::arrayView(Vertices), {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 3, sizeof(Vertex)}
        }}),
        "Trade::MeshData: can't construct with non-owned vertex data but Trade::DataFlag::Owned");
}

}}}
