#include <cstring>

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
