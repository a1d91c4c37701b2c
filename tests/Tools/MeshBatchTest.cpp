#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Tools/MeshBatch.h"

using namespace Corrade;
using namespace Magnum;
using namespace VelmoraEngine;

namespace {

typedef Math::Vector2<Float> Vector2;
typedef Math::Vector3<Float> Vector3;
typedef Math::Vector4<Float> Vector4;

struct ExpectedAttribute {
    Trade::MeshAttribute name;
    VertexFormat format;
    std::size_t offset;
};

void expectLayout(MeshDataFlags flags, UnsignedInt vertexCount, std::initializer_list<ExpectedAttribute> expected, std::ptrdiff_t stride) {
    const Containers::Array<Trade::MeshAttributeData> layout = getLayout(flags, vertexCount);
    ASSERT_EQ(layout.size(), expected.size());
    std::size_t i = 0;
    for(const ExpectedAttribute& attribute: expected) {
        SCOPED_TRACE(i);
        EXPECT_EQ(layout[i].name(), attribute.name);
        EXPECT_EQ(layout[i].format(), attribute.format);
        EXPECT_EQ(layout[i].offset({}), attribute.offset);
        EXPECT_EQ(layout[i].stride(), stride);
        EXPECT_EQ(layout[i].arraySize(), 0u);
        EXPECT_TRUE(layout[i].isOffsetOnly());
        ++i;
    }
}

const Trade::MeshAttribute JointIds0 = Trade::meshAttributeCustom(0);
const Trade::MeshAttribute Weights0 = Trade::meshAttributeCustom(1);
const Trade::MeshAttribute JointIds1 = Trade::meshAttributeCustom(2);
const Trade::MeshAttribute Weights1 = Trade::meshAttributeCustom(3);
const Trade::MeshAttribute Padding = Trade::meshAttributeCustom(42);

TEST(MeshLayout, WorkedLayouts) {
    const MeshDataFlags batchDefault = MeshDataFlag::Packed|MeshDataFlag::Position3D|MeshDataFlag::TextureCoordinates|MeshDataFlag::ObjectId|MeshDataFlag::Normal;
    EXPECT_EQ(UnsignedInt(batchDefault), 0x45Cu);
    expectLayout(batchDefault, 0, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, 0},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 12},
        {Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt, 20},
        {Trade::MeshAttribute::Normal, VertexFormat::Vector3sNormalized, 24},
        {Padding, VertexFormat::UnsignedShort, 30},
    }, 32);
    expectLayout(batchDefault & ~MeshDataFlag::Packed, 0, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, 0},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 12},
        {Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt, 20},
        {Trade::MeshAttribute::Normal, VertexFormat::Vector3, 24},
    }, 36);
    expectLayout({}, 0, {{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0}}, 12);
    expectLayout(MeshDataFlag::Packed|MeshDataFlag::Normal, 0, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, 0},
        {Trade::MeshAttribute::Normal, VertexFormat::Vector3sNormalized, 12},
        {Padding, VertexFormat::UnsignedShort, 18},
    }, 20);
    expectLayout(MeshDataFlags(MeshDataFlag(0xFFC)), 7, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, 0},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 12},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 20},
        {Trade::MeshAttribute::Color, VertexFormat::Vector4usNormalized, 28},
        {Trade::MeshAttribute::Tangent, VertexFormat::Vector4sNormalized, 36},
        {Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt, 44},
        {Trade::MeshAttribute::Normal, VertexFormat::Vector3sNormalized, 48},
        {Padding, VertexFormat::UnsignedShort, 54},
        {JointIds0, VertexFormat::Vector4us, 56},
        {Weights0, VertexFormat::Vector4usNormalized, 64},
        {JointIds1, VertexFormat::Vector4us, 72},
        {Weights1, VertexFormat::Vector4usNormalized, 80},
    }, 88);
    expectLayout(MeshDataFlags(MeshDataFlag(0xBFC)), 7, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, 0},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 12},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 20},
        {Trade::MeshAttribute::Color, VertexFormat::Vector4, 28},
        {Trade::MeshAttribute::Tangent, VertexFormat::Vector4, 44},
        {Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt, 60},
        {Trade::MeshAttribute::Normal, VertexFormat::Vector3, 64},
        {JointIds0, VertexFormat::Vector4us, 76},
        {Weights0, VertexFormat::Vector4, 84},
        {JointIds1, VertexFormat::Vector4us, 100},
        {Weights1, VertexFormat::Vector4, 108},
    }, 124);
}

TEST(MeshLayout, VertexCountAndTwoDimensionalPositions) {
    const Containers::Array<Trade::MeshAttributeData> layout = getLayout(MeshDataFlag::Position2D|MeshDataFlag::Color, 5);
    ASSERT_EQ(layout.size(), 2u);
    EXPECT_EQ(layout[0].format(), VertexFormat::Vector2);
    EXPECT_EQ(layout[1].offset({}), 8u);
    /* A layout with a vertex count makes a valid mesh over that many vertices */
    Trade::MeshData mesh{MeshPrimitive::Points, Containers::Array<char>{ValueInit, 5*24}, Containers::Array<Trade::MeshAttributeData>{InPlaceInit, {layout[0], layout[1]}}};
    EXPECT_EQ(mesh.vertexCount(), 5u);
}

TEST(MeshLayoutDeathTest, BothPositions) {
    EXPECT_DEATH(getLayout(MeshDataFlag::Position2D|MeshDataFlag::Position3D, 3),
        "Assertion !\\(flags >= MeshDataFlag::Position2D && flags >= MeshDataFlag::Position3D\\) failed at VelmoraEngine/Tools/MeshBatch.cpp:[0-9]+");
}

Trade::MeshData meshWith(std::initializer_list<std::pair<Trade::MeshAttribute, VertexFormat>> attributes) {
    std::size_t stride = 0;
    for(const auto& a: attributes) stride += vertexFormatSize(a.second);
    Containers::Array<Trade::MeshAttributeData> list{attributes.size()};
    std::size_t offset = 0, i = 0;
    for(const auto& a: attributes) {
        list[i++] = Trade::MeshAttributeData{a.first, a.second, offset, 3, std::ptrdiff_t(stride)};
        offset += vertexFormatSize(a.second);
    }
    return Trade::MeshData{MeshPrimitive::Triangles, Containers::Array<char>{ValueInit, 3*stride}, std::move(list)};
}

TEST(MeshFlags, ReportsWhatTheMeshHas) {
    EXPECT_EQ(getMeshFlags(meshWith({{Trade::MeshAttribute::Position, VertexFormat::Vector3}, {Trade::MeshAttribute::Normal, VertexFormat::Vector3}, {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2}})),
        MeshDataFlag::Position3D|MeshDataFlag::Normal|MeshDataFlag::TextureCoordinates);
    /* Only the component count matters */
    EXPECT_EQ(getMeshFlags(meshWith({{Trade::MeshAttribute::Position, VertexFormat::Vector2}, {Trade::MeshAttribute::Normal, VertexFormat::Vector3sNormalized}, {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2}, {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2usNormalized}})),
        MeshDataFlag::Position2D|MeshDataFlag::Normal|MeshDataFlag::TextureCoordinates|MeshDataFlag::TextureCoordinates1);
    EXPECT_EQ(getMeshFlags(meshWith({{Trade::MeshAttribute::Position, VertexFormat::Vector3}, {Trade::MeshAttribute::Color, VertexFormat::Vector3}})),
        MeshDataFlag::Position3D);
    /* Skinning needs both joint ids and weights */
    EXPECT_EQ(getMeshFlags(meshWith({{Trade::MeshAttribute::Position, VertexFormat::Vector3}, {JointIds0, VertexFormat::Vector4us}})),
        MeshDataFlag::Position3D);
    EXPECT_EQ(getMeshFlags(meshWith({{JointIds0, VertexFormat::Vector4us}, {Weights0, VertexFormat::Vector4usNormalized}, {Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt}})),
        MeshDataFlag::Skinning0|MeshDataFlag::ObjectId);
}

TEST(MeshPacking, PacksOnlyTheSelectedFirstAttributes) {
    Trade::MeshData mesh = meshWith({
        {Trade::MeshAttribute::Position, VertexFormat::Vector3},
        {Trade::MeshAttribute::Normal, VertexFormat::Vector3},
        {Trade::MeshAttribute::Normal, VertexFormat::Vector3},
        {Trade::MeshAttribute::Color, VertexFormat::Vector4},
        {JointIds0, VertexFormat::Vector4us},
        {Weights0, VertexFormat::Vector4},
    });
    mesh.mutableAttribute<Vector3>(Trade::MeshAttribute::Normal)[0] = {1, 0, 0};
    mesh.mutableAttribute<Vector3>(Trade::MeshAttribute::Normal)[1] = {0.6f, -0.8f, 0};
    mesh.mutableAttribute<Vector4>(Trade::MeshAttribute::Color)[0] = {1, 0, 0.25f, 0.5f};
    mesh.mutableAttribute<Vector4>(Weights0)[2] = {0.5f, 0.25f, 0.125f, 0.125f};
    mesh.mutableAttribute<Math::Vector4<UnsignedShort>>(JointIds0)[1] = {1, 2, 3, 65535};

    Trade::MeshData packed = packMesh(MeshDataFlag::Normal|MeshDataFlag::Color|MeshDataFlag::Skinning0|MeshDataFlag::Tangent, std::move(mesh));
    EXPECT_EQ(packed.attributeFormat(Trade::MeshAttribute::Normal, 0), VertexFormat::Vector3sNormalized);
    EXPECT_EQ(packed.attributeFormat(Trade::MeshAttribute::Normal, 1), VertexFormat::Vector3);
    EXPECT_EQ(packed.attributeFormat(Trade::MeshAttribute::Color), VertexFormat::Vector4usNormalized);
    EXPECT_EQ(packed.attributeFormat(JointIds0), VertexFormat::Vector4us);
    EXPECT_EQ(packed.attributeFormat(Weights0), VertexFormat::Vector4usNormalized);
    EXPECT_EQ(packed.attribute<Math::Vector3<Short>>(Trade::MeshAttribute::Normal)[0], (Math::Vector3<Short>{32767, 0, 0}));
    EXPECT_EQ(packed.attribute<Math::Vector4<UnsignedShort>>(Trade::MeshAttribute::Color)[0], (Math::Vector4<UnsignedShort>{65535, 0, 16384, 32768}));
    EXPECT_EQ(packed.attribute<Math::Vector4<UnsignedShort>>(JointIds0)[1], (Math::Vector4<UnsignedShort>{1, 2, 3, 65535}));

    Trade::MeshData unpacked = unpackMesh(MeshDataFlag::Normal|MeshDataFlag::Color|MeshDataFlag::Skinning0, std::move(packed));
    EXPECT_EQ(unpacked.attributeFormat(Trade::MeshAttribute::Normal, 0), VertexFormat::Vector3);
    EXPECT_EQ(unpacked.attribute<Vector3>(Trade::MeshAttribute::Normal)[0], (Vector3{1, 0, 0}));
    const Vector3 normal = unpacked.attribute<Vector3>(Trade::MeshAttribute::Normal)[1];
    EXPECT_NEAR(normal.x(), 0.6f, 1.0f/32767);
    EXPECT_NEAR(normal.y(), -0.8f, 1.0f/32767);
    const Vector4 weights = unpacked.attribute<Vector4>(Weights0)[2];
    EXPECT_NEAR(weights.x(), 0.5f, 1.0f/65535);
    EXPECT_NEAR(weights.z(), 0.125f, 1.0f/65535);
    EXPECT_EQ(unpacked.attribute<Math::Vector4<UnsignedShort>>(JointIds0)[1], (Math::Vector4<UnsignedShort>{1, 2, 3, 65535}));
}

TEST(MeshPacking, FlagsWithoutTheAttributeChangeNothing) {
    Trade::MeshData mesh = meshWith({{Trade::MeshAttribute::Position, VertexFormat::Vector3}, {Trade::MeshAttribute::Normal, VertexFormat::Vector3}});
    Trade::MeshData out = packMesh(MeshDataFlag::Packed|MeshDataFlag::Tangent, std::move(mesh));
    EXPECT_EQ(out.attributeFormat(Trade::MeshAttribute::Normal), VertexFormat::Vector3);
    EXPECT_EQ(out.attributeCount(), 2u);
}

TEST(MeshPacking, RawAttributeData) {
    const Float normals[]{1.0f, 0.0f, -1.0f, 0.0f, 0.5f, 0.0f};
    Short packedNormals[6]{};
    packMeshAttributeDataInto(Trade::MeshAttribute::Normal,
        Containers::StridedArrayView2D<const char>{Containers::arrayView(reinterpret_cast<const char*>(normals), sizeof(normals)), {2, 12}},
        Containers::StridedArrayView2D<char>{Containers::arrayView(reinterpret_cast<char*>(packedNormals), sizeof(packedNormals)), {2, 6}});
    EXPECT_EQ(packedNormals[0], 32767);
    EXPECT_EQ(packedNormals[2], -32767);
    EXPECT_EQ(packedNormals[4], 16384);

    Float unpacked[6]{};
    unpackMeshAttributeDataInto(Trade::MeshAttribute::Normal,
        Containers::StridedArrayView2D<const char>{Containers::arrayView(reinterpret_cast<const char*>(packedNormals), sizeof(packedNormals)), {2, 6}},
        Containers::StridedArrayView2D<char>{Containers::arrayView(reinterpret_cast<char*>(unpacked), sizeof(unpacked)), {2, 12}});
    EXPECT_EQ(unpacked[0], 1.0f);
    EXPECT_EQ(unpacked[2], -1.0f);

    const Float colors[]{1.0f, 0.0f, 0.5f, 1.0f};
    UnsignedShort packedColors[4]{};
    packMeshAttributeDataInto(Trade::MeshAttribute::Color,
        Containers::StridedArrayView2D<const char>{Containers::arrayView(reinterpret_cast<const char*>(colors), sizeof(colors)), {1, 16}},
        Containers::StridedArrayView2D<char>{Containers::arrayView(reinterpret_cast<char*>(packedColors), sizeof(packedColors)), {1, 8}});
    EXPECT_EQ(packedColors[0], 65535);
    EXPECT_EQ(packedColors[1], 0);
    EXPECT_EQ(packedColors[2], 32768);

    /* Anything else is copied, here from a strided source */
    const char positions[]{1, 2, 3, 4, 5, 6, 7, 8};
    char copied[4]{};
    packMeshAttributeDataInto(Trade::MeshAttribute::Position,
        Containers::StridedArrayView2D<const char>{Containers::arrayView(positions), {2, 2}, {4, 1}},
        Containers::StridedArrayView2D<char>{Containers::arrayView(copied), {2, 2}});
    EXPECT_EQ(copied[0], 1);
    EXPECT_EQ(copied[1], 2);
    EXPECT_EQ(copied[2], 5);
    EXPECT_EQ(copied[3], 6);
}

}

/* GL tests */

#include <Corrade/Containers/Reference.h>
#include <Magnum/GL/AbstractShaderProgram.h>
#include <Magnum/GL/Buffer.h>
#include <Magnum/GL/Framebuffer.h>
#include <Magnum/GL/Mesh.h>
#include <Magnum/GL/MeshView.h>
#include <Magnum/GL/Renderbuffer.h>
#include <Magnum/GL/RenderbufferFormat.h>
#include <Magnum/GL/Shader.h>
#include <Magnum/GL/Version.h>
#include <Magnum/Image.h>
#include <Magnum/PixelFormat.h>
#include "GLTestContext.h"

namespace {

/* Indexed mesh with position (Vector3) and texture coordinates in the
   default batch layout's formats, vertex i at (first + i, 0, 0) */
Trade::MeshData batchMesh(UnsignedInt vertexCount, std::initializer_list<UnsignedShort> indices, Float first = 0.0f) {
    Containers::Array<char> vertexData{ValueInit, vertexCount*20};
    Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData.prefix(vertexCount*12));
    for(UnsignedInt i = 0; i != vertexCount; ++i) positions[i] = {first + Float(i), 0.0f, 0.0f};
    Containers::Array<Trade::MeshAttributeData> attributes{InPlaceInit, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, vertexCount, 12},
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, vertexCount*12, vertexCount, 8},
    }};
    if(!indices.size())
        return Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexData), std::move(attributes)};
    Containers::Array<char> indexData{NoInit, indices.size()*2};
    std::memcpy(indexData.data(), indices.begin(), indexData.size());
    const Trade::MeshIndexData indexView{Containers::arrayCast<const UnsignedShort>(indexData)};
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indexView, std::move(vertexData), std::move(attributes)};
}

std::vector<UnsignedInt> indicesOf(const Trade::MeshData& mesh) {
    std::vector<UnsignedInt> out;
    for(UnsignedInt i: mesh.indices<UnsignedInt>()) out.push_back(i);
    return out;
}

std::vector<UnsignedInt> gpuIndices(GL::Buffer& buffer, std::size_t count) {
    Containers::Array<char> data = buffer.subData(0, count*4);
    std::vector<UnsignedInt> out(count);
    std::memcpy(out.data(), data.data(), count*4);
    return out;
}

TEST(MeshBatch, DefaultBatch) {
    MeshBatch batch;
    EXPECT_EQ(batch.vertexSize(), 32u);
    EXPECT_EQ(batch.meshCount(), 0u);
    EXPECT_TRUE(batch.empty());
    EXPECT_TRUE(batch.meshData().isIndexed());
    EXPECT_EQ(batch.meshData().indexType(), MeshIndexType::UnsignedInt);
    /* Nothing to do and no GL object made, this needs no context */
    EXPECT_FALSE(batch.updateMesh());
    EXPECT_EQ(batch.vertexBuffer().id(), 0u);
    EXPECT_EQ(batch.mesh().id(), 0u);
    batch.addMeshes(std::initializer_list<Containers::Reference<const Trade::MeshData>>{});
    EXPECT_FALSE(batch.updateMesh());
}

TEST(MeshBatch, AppendsRegionsAndRebasesIndices) {
    const Trade::MeshData a = batchMesh(3, {0, 1, 2});
    const Trade::MeshData b = batchMesh(5, {0, 1, 2, 2, 3, 4});
    const Trade::MeshData c = batchMesh(4, {0, 1, 2, 0, 2, 3});
    MeshBatch batch;
    batch.addMeshes({a, b, c});
    EXPECT_EQ(batch.meshCount(), 3u);
    EXPECT_EQ(batch.vertexBufferRegion(0), (Math::Vector2<Int>{0, 96}));
    EXPECT_EQ(batch.vertexBufferRegion(1), (Math::Vector2<Int>{96, 160}));
    EXPECT_EQ(batch.vertexBufferRegion(2), (Math::Vector2<Int>{256, 128}));
    EXPECT_EQ(batch.indexBufferRegion(0), (Math::Vector2<Int>{0, 12}));
    EXPECT_EQ(batch.indexBufferRegion(1), (Math::Vector2<Int>{12, 24}));
    EXPECT_EQ(batch.indexBufferRegion(2), (Math::Vector2<Int>{36, 24}));
    EXPECT_EQ(indicesOf(batch.meshData()), (std::vector<UnsignedInt>{0, 1, 2, 3, 4, 5, 5, 6, 7, 8, 9, 10, 8, 10, 11}));
    EXPECT_EQ(batch.vertexCount(1), 5u);
    EXPECT_EQ(batch.slackVertexOffset(), 384u);
    EXPECT_EQ(batch.slackIndexOffset(), 60u);
    EXPECT_FALSE(batch.empty());
}

TEST(MeshBatch, SecondAppendKeepsTheEarlierBytes) {
    const Trade::MeshData a = batchMesh(3, {0, 1, 2}, 10.0f);
    const Trade::MeshData b = batchMesh(3, {2, 1, 0}, 20.0f);
    MeshBatch batch;
    batch.addMesh(a);
    const std::vector<char> before(batch.meshData().vertexData().begin(), batch.meshData().vertexData().end());
    batch.addMeshes({b, a});
    ASSERT_EQ(batch.meshData().vertexData().size(), 3*96u);
    EXPECT_EQ(std::memcmp(batch.meshData().vertexData().data(), before.data(), before.size()), 0);
    EXPECT_EQ(indicesOf(batch.meshData()), (std::vector<UnsignedInt>{0, 1, 2, 5, 4, 3, 6, 7, 8}));
    const Containers::StridedArrayView1D<const Vector3> positions = batch.meshData().attribute<Vector3>(Trade::MeshAttribute::Position);
    EXPECT_EQ(positions[4], (Vector3{21.0f, 0.0f, 0.0f}));
    EXPECT_EQ(positions[8], (Vector3{12.0f, 0.0f, 0.0f}));
}

TEST(MeshBatch, NonIndexedMeshInAnIndexedBatch) {
    const Trade::MeshData a = batchMesh(3, {2, 1, 0});
    const Trade::MeshData b = batchMesh(3, {});
    MeshBatch batch;
    batch.addMesh(a).addMesh(b);
    EXPECT_EQ(indicesOf(batch.meshData()), (std::vector<UnsignedInt>{2, 1, 0, 3, 4, 5}));
    EXPECT_EQ(batch.indexBufferRegion(1), (Math::Vector2<Int>{12, 12}));

    /* And the other way around: the first mesh gets trivial indices */
    MeshBatch other;
    other.addMesh(b).addMesh(a);
    EXPECT_EQ(indicesOf(other.meshData()), (std::vector<UnsignedInt>{0, 1, 2, 5, 4, 3}));
}

TEST(MeshBatch, UpdateUploadsAndStampsObjectIds) {
    REQUIRE_CONTEXT();
    const Trade::MeshData a = batchMesh(3, {0, 1, 2});
    const Trade::MeshData b = batchMesh(2, {0, 1, 1});
    MeshBatch batch;
    batch.setObjectIdOffset(100).addMeshes({a, b, a});
    EXPECT_TRUE(batch.updateMesh());
    EXPECT_FALSE(batch.updateMesh());

    EXPECT_NE(batch.vertexBuffer().id(), 0u);
    EXPECT_EQ(batch.mesh().count(), 9);
    Containers::Array<char> vertices = batch.vertexBuffer().subData(0, 8*32);
    const UnsignedInt expectedIds[]{100, 100, 100, 101, 101, 102, 102, 102};
    for(std::size_t i = 0; i != 8; ++i) {
        UnsignedInt id;
        std::memcpy(&id, vertices.data() + i*32 + 20, 4);
        EXPECT_EQ(id, expectedIds[i]) << i;
    }
    EXPECT_EQ(std::memcmp(vertices.data(), batch.meshData().vertexData().data(), 8*32), 0);
    EXPECT_EQ(gpuIndices(batch.indexBuffer(), 9), indicesOf(batch.meshData()));

    EXPECT_EQ(batch.mesh(1).count, 3u);
    EXPECT_EQ(batch.mesh(1).indexByteOffset, 12u);
    EXPECT_EQ(batch.mesh(2).indexByteOffset, 24u);
    EXPECT_EQ(batch.meshRange(0, 3).count(), batch.mesh().count());

    /* A new offset alone changes nothing */
    batch.setObjectIdOffset(7);
    EXPECT_FALSE(batch.updateMesh());
}

TEST(MeshBatch, UpdateUploadsOnlyTheChangedTail) {
    REQUIRE_CONTEXT();
    const Trade::MeshData a = batchMesh(3, {0, 1, 2});
    MeshBatch batch;
    batch.reserveSlack(64, 64).addMeshes({a, a});
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.vertexBuffer().size(), 6*32 + 64*32);
    EXPECT_EQ(batch.indexBuffer().size(), 6*4 + 64*4);

    /* Markers in the GPU copy of the first mesh survive appending another */
    const UnsignedInt marker = 0xdeadbeef;
    batch.vertexBuffer().setSubData(4, Containers::arrayView(&marker, 1));
    batch.indexBuffer().setSubData(0, Containers::arrayView(&marker, 1));
    batch.addMesh(a);
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.vertexBuffer().size(), 6*32 + 64*32);
    UnsignedInt value;
    std::memcpy(&value, batch.vertexBuffer().subData(4, 4).data(), 4);
    EXPECT_EQ(value, marker);
    EXPECT_EQ(gpuIndices(batch.indexBuffer(), 9)[0], marker);
    EXPECT_EQ(gpuIndices(batch.indexBuffer(), 9)[8], 8u);

    /* Smaller slack still fits: no reallocation, the marker stays */
    batch.reserveSlack(16, 16);
    EXPECT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.vertexBuffer().size(), 6*32 + 64*32);
    std::memcpy(&value, batch.vertexBuffer().subData(4, 4).data(), 4);
    EXPECT_EQ(value, marker);

    /* Slack past the recorded capacity reallocates and uploads everything */
    batch.reserveSlack(16, 200);
    EXPECT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.vertexBuffer().size(), 9*32 + 200*32);
    std::memcpy(&value, batch.vertexBuffer().subData(4, 4).data(), 4);
    EXPECT_NE(value, marker);

    /* The same pair twice leaves nothing to do */
    batch.reserveSlack(16, 200);
    EXPECT_FALSE(batch.updateMesh());
}

TEST(MeshBatch, RemovalClosesUpAndRebases) {
    REQUIRE_CONTEXT();
    const Trade::MeshData a = batchMesh(3, {0, 1, 2}, 0.0f);
    const Trade::MeshData b = batchMesh(4, {0, 1, 2, 0, 2, 3}, 10.0f);
    const Trade::MeshData c = batchMesh(3, {2, 1, 0}, 20.0f);
    MeshBatch batch;
    batch.setObjectIdOffset(5).addMeshes({a, b, c});
    ASSERT_TRUE(batch.updateMesh());

    batch.removeMeshes(1, 1);
    EXPECT_EQ(batch.meshCount(), 2u);
    EXPECT_EQ(batch.vertexCount(1), 3u);
    EXPECT_EQ(indicesOf(batch.meshData()), (std::vector<UnsignedInt>{0, 1, 2, 5, 4, 3}));
    EXPECT_EQ(batch.meshData().vertexCount(), 6u);
    EXPECT_EQ(batch.meshData().attribute<Vector3>(Trade::MeshAttribute::Position)[3], (Vector3{20.0f, 0.0f, 0.0f}));
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_EQ(gpuIndices(batch.indexBuffer(), 6), (std::vector<UnsignedInt>{0, 1, 2, 5, 4, 3}));
    UnsignedInt id;
    std::memcpy(&id, batch.vertexBuffer().subData(3*32 + 20, 4).data(), 4);
    EXPECT_EQ(id, 6u);
    EXPECT_EQ(batch.mesh().count(), 6);
    EXPECT_EQ(batch.mesh(1).indexByteOffset, 12u);

    /* Removing the last mesh shifts nothing */
    batch.removeMeshes(1, 1);
    EXPECT_EQ(indicesOf(batch.meshData()), (std::vector<UnsignedInt>{0, 1, 2}));
    batch.removeMeshes(0, 0);
    EXPECT_EQ(batch.meshCount(), 1u);

    batch.removeAll();
    EXPECT_EQ(batch.meshCount(), 0u);
    EXPECT_TRUE(batch.empty());
    EXPECT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.mesh().count(), 0);
}

TEST(MeshBatch, NonIndexedBatchStaysNonIndexed) {
    REQUIRE_CONTEXT();
    const Trade::MeshData a = batchMesh(3, {}, 0.0f);
    const Trade::MeshData b = batchMesh(6, {}, 10.0f);
    MeshBatch batch;
    batch.addMeshes({a, b, a});
    EXPECT_FALSE(batch.meshData().isIndexed());
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_FALSE(batch.mesh().isIndexed());
    EXPECT_EQ(batch.mesh(2).baseVertex, 9u);

    batch.removeMeshes(0, 1);
    EXPECT_FALSE(batch.meshData().isIndexed());
    EXPECT_EQ(batch.meshData().vertexCount(), 9u);
    EXPECT_EQ(batch.meshData().attribute<Vector3>(Trade::MeshAttribute::Position)[0], (Vector3{10.0f, 0.0f, 0.0f}));
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.mesh(0).baseVertex, 0u);
    EXPECT_EQ(batch.mesh(0).count, 6u);
    EXPECT_EQ(batch.mesh(1).baseVertex, 6u);
    EXPECT_EQ(batch.mesh().count(), 9);
}

TEST(MeshBatch, SkinnedBatchIsDrawnAsPoints) {
    REQUIRE_CONTEXT();
    const Containers::Array<Trade::MeshAttributeData> layout = getLayout(MeshDataFlag::Position3D|MeshDataFlag::Skinning0, 0);
    Containers::Array<char> vertexData{ValueInit, 3*40};
    const Trade::MeshData skinned{MeshPrimitive::Triangles, std::move(vertexData), Containers::Array<Trade::MeshAttributeData>{InPlaceInit, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 3, 40},
        Trade::MeshAttributeData{Trade::meshAttributeCustom(0), VertexFormat::Vector4us, 12, 3, 40},
        Trade::MeshAttributeData{Trade::meshAttributeCustom(1), VertexFormat::Vector4, 20, 3, 40},
    }}};
    Containers::Array<char> indexData{ValueInit, 12};
    const Trade::MeshData indexed{MeshPrimitive::Triangles, std::move(indexData), Trade::MeshIndexData{Containers::arrayCast<const UnsignedInt>(indexData)},
        Containers::Array<char>{ValueInit, 3*40}, Trade::meshAttributeDataNonOwningArray(skinned.attributeData())};
    MeshBatch batch{Containers::Array<Trade::MeshAttributeData>{InPlaceInit, {layout[0], layout[1], layout[2]}}};
    batch.addMeshes({skinned, indexed});
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.mesh().primitive(), GL::MeshPrimitive::Points);
    EXPECT_FALSE(batch.mesh().isIndexed());
    EXPECT_EQ(batch.mesh().count(), 6);
    EXPECT_EQ(batch.mesh(1).baseVertex, 3u);
    EXPECT_EQ(batch.mesh(1).count, 3u);
}

/* Draws with the fixed locations: position at 0, object id at 4 */
class ObjectIdShader: public GL::AbstractShaderProgram {
    public:
        explicit ObjectIdShader() {
            GL::Shader vert{GL::Version::GL330, GL::Shader::Type::Vertex};
            GL::Shader frag{GL::Version::GL330, GL::Shader::Type::Fragment};
            vert.addSource(
                "layout(location = 0) in vec3 position;\n"
                "layout(location = 4) in uint objectId;\n"
                "flat out uint id;\n"
                "void main() {\n"
                "    id = objectId;\n"
                "    gl_Position = vec4(position, 1.0);\n"
                "}\n");
            frag.addSource(
                "flat in uint id;\n"
                "out vec4 color;\n"
                "void main() { color = vec4(float(id)/255.0, 0.0, 0.0, 1.0); }\n");
            CORRADE_INTERNAL_ASSERT_OUTPUT(GL::Shader::compile({vert, frag}));
            attachShaders({vert, frag});
            CORRADE_INTERNAL_ASSERT_OUTPUT(link());
        }
};

/* A quad covering pixel column @p column of a 4x1 target */
Trade::MeshData pixelQuad(Int column) {
    const Float left = -1.0f + 0.5f*Float(column), right = left + 0.5f;
    Containers::Array<char> vertexData{ValueInit, 4*12};
    Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData);
    positions[0] = {left, -1.0f, 0.0f};
    positions[1] = {right, -1.0f, 0.0f};
    positions[2] = {right, 1.0f, 0.0f};
    positions[3] = {left, 1.0f, 0.0f};
    Containers::Array<char> indexData{NoInit, 6};
    const UnsignedByte indices[]{0, 1, 2, 0, 2, 3};
    std::memcpy(indexData.data(), indices, 6);
    const Trade::MeshIndexData indexView{Containers::arrayCast<const UnsignedByte>(indexData)};
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indexView, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 4, 12}
    }};
}

std::vector<UnsignedByte> drawAndRead(ObjectIdShader& shader, GL::Framebuffer& framebuffer, GL::MeshView view) {
    framebuffer.clear(GL::FramebufferClear::Color);
    framebuffer.bind();
    shader.draw(view);
    Image2D image = framebuffer.read({{}, {4, 1}}, {PixelFormat::RGBA8Unorm});
    std::vector<UnsignedByte> out;
    for(std::size_t i = 0; i != 4; ++i) out.push_back(image.pixels<Math::Vector4<UnsignedByte>>()[0][i].x());
    return out;
}

TEST(MeshBatch, RendersWithTheFixedLocations) {
    REQUIRE_CONTEXT();
    GL::Renderbuffer renderbuffer;
    renderbuffer.setStorage(GL::RenderbufferFormat::RGBA8, {4, 1});
    GL::Framebuffer framebuffer{{{}, {4, 1}}};
    framebuffer.attachRenderbuffer(GL::Framebuffer::ColorAttachment{0}, renderbuffer)
        .mapForDraw(GL::Framebuffer::ColorAttachment{0});
    ObjectIdShader shader;

    const Trade::MeshData q0 = pixelQuad(0), q1 = pixelQuad(1), q2 = pixelQuad(2);
    MeshBatch batch{getLayout(MeshDataFlag::Position3D|MeshDataFlag::ObjectId|MeshDataFlag::Normal|MeshDataFlag::Packed, 0)};
    batch.setObjectIdOffset(10).addMeshes({q0, q1, q2});
    ASSERT_TRUE(batch.updateMesh());

    EXPECT_EQ(drawAndRead(shader, framebuffer, batch.meshRange(0, 3)), (std::vector<UnsignedByte>{10, 11, 12, 0}));
    EXPECT_EQ(drawAndRead(shader, framebuffer, batch.mesh(1)), (std::vector<UnsignedByte>{0, 11, 0, 0}));
    EXPECT_EQ(drawAndRead(shader, framebuffer, batch.meshRange(1, 2)), (std::vector<UnsignedByte>{0, 11, 12, 0}));

    /* After removing the first quad the others move forward, and so do
       their ids */
    batch.removeMeshes(0, 1);
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_EQ(drawAndRead(shader, framebuffer, batch.meshRange(0, 2)), (std::vector<UnsignedByte>{0, 10, 11, 0}));
    EXPECT_EQ(drawAndRead(shader, framebuffer, batch.mesh(1)), (std::vector<UnsignedByte>{0, 0, 11, 0}));

    /* A moved batch keeps drawing, its views follow the GL mesh */
    MeshBatch moved{std::move(batch)};
    EXPECT_EQ(moved.mesh(0)._mesh, &moved.mesh());
    EXPECT_EQ(drawAndRead(shader, framebuffer, moved.mesh(0)), (std::vector<UnsignedByte>{0, 10, 0, 0}));
    moved.addMesh(q0);
    ASSERT_TRUE(moved.updateMesh());
    EXPECT_EQ(drawAndRead(shader, framebuffer, moved.meshRange(0, 3)), (std::vector<UnsignedByte>{12, 10, 11, 0}));
}

TEST(MeshBatch, CompileMeshBindsTheLayout) {
    REQUIRE_CONTEXT();
    GL::Buffer buffer{GL::Buffer::TargetHint::Array};
    const Trade::MeshData noAttributes{MeshPrimitive::Lines, 3};
    GL::Mesh lines = compileMesh(noAttributes, buffer);
    EXPECT_EQ(lines.primitive(), GL::MeshPrimitive::Lines);
    EXPECT_FALSE(lines.isIndexed());
}

TEST(MeshBatchDeathTest, CallerErrors) {
    const Trade::MeshData a = batchMesh(3, {0, 1, 2});
    MeshBatch batch;
    batch.addMeshes({a, a, a, a, a, a});
    EXPECT_DEATH(batch.removeMeshes(5, 3), "MeshBatch::removeMeshes\\(\\): Cannot remove 3 meshes after 5 with 6 meshes contained in batch");
    EXPECT_DEATH(static_cast<void>(GL::MeshView(MeshView{})), "MeshView: Cannot convert to GL::MeshView, _mesh is nullptr");
    EXPECT_DEATH(batch.indexBufferRegion(9), "Assertion index < _regions.size\\(\\) failed at VelmoraEngine/Utils/MemoryPartition.cpp:[0-9]+");
}

}
