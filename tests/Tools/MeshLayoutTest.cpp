#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Implementation/EngineAttributes.h"
#include "VelmoraEngine/Tools/MeshLayout.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using namespace Magnum;
using Implementation::JointIds0;
using Implementation::Weights0;
using Implementation::JointIds1;
using Implementation::Weights1;

typedef Math::Vector2<Float> Vector2;
typedef Math::Vector3<Float> Vector3;
typedef Math::Vector4<Float> Vector4;

struct ExpectedAttribute {
    Trade::MeshAttribute name;
    VertexFormat format;
    std::size_t offset;
};

const Trade::MeshAttribute Padding = Implementation::NormalPadding;

struct LayoutCase {
    const char* name;
    MeshDataFlags flags;
    UnsignedInt vertexCount;
    std::vector<ExpectedAttribute> expected;
    std::ptrdiff_t stride;
};

void PrintTo(const LayoutCase& data, std::ostream* out) { *out << data.name; }

const MeshDataFlags BatchDefault = MeshDataFlag::Packed|MeshDataFlag::Position3D|MeshDataFlag::TextureCoordinates|MeshDataFlag::ObjectId|MeshDataFlag::Normal;

const LayoutCase LayoutCases[]{
    {"BatchDefault", BatchDefault, 0, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, 0},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 12},
        {Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt, 20},
        {Trade::MeshAttribute::Normal, VertexFormat::Vector3sNormalized, 24},
        {Padding, VertexFormat::UnsignedShort, 30},
    }, 32},
    {"BatchDefaultUnpacked", BatchDefault & ~MeshDataFlag::Packed, 0, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, 0},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 12},
        {Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt, 20},
        {Trade::MeshAttribute::Normal, VertexFormat::Vector3, 24},
    }, 36},
    {"NothingGetsAPosition", {}, 0, {{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0}}, 12},
    {"PackedNormalWithPadding", MeshDataFlag::Packed|MeshDataFlag::Normal, 0, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, 0},
        {Trade::MeshAttribute::Normal, VertexFormat::Vector3sNormalized, 12},
        {Padding, VertexFormat::UnsignedShort, 18},
    }, 20},
    {"EverythingPacked", MeshDataFlags(MeshDataFlag(0xFFC)), 7, {
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
    }, 88},
    {"EverythingUnpacked", MeshDataFlags(MeshDataFlag(0xBFC)), 7, {
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
    }, 124},
};

class MeshLayoutTest: public testing::TestWithParam<LayoutCase> {};

TEST_P(MeshLayoutTest, AttributesOffsetsAndStride) {
    const LayoutCase& data = GetParam();
    const Containers::Array<Trade::MeshAttributeData> layout = getLayout(data.flags, data.vertexCount);
    ASSERT_EQ(layout.size(), data.expected.size());
    for(std::size_t i = 0; i != layout.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(layout[i].name(), data.expected[i].name);
        EXPECT_EQ(layout[i].format(), data.expected[i].format);
        EXPECT_EQ(layout[i].offset({}), data.expected[i].offset);
        EXPECT_EQ(layout[i].stride(), data.stride);
        EXPECT_EQ(layout[i].arraySize(), 0u);
        EXPECT_TRUE(layout[i].isOffsetOnly());
    }
}

INSTANTIATE_TEST_SUITE_P(MeshLayout, MeshLayoutTest, testing::ValuesIn(LayoutCases),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string{info.param.name}; });

TEST(MeshLayout, BatchDefaultFlagValue) {
    EXPECT_EQ(UnsignedInt(BatchDefault), 0x45Cu);
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
        "Assertion !\\(flags >= MeshDataFlag::Position2D && flags >= MeshDataFlag::Position3D\\) failed at VelmoraEngine/Tools/MeshLayout.cpp:[0-9]+");
}

Trade::MeshData meshWith(std::initializer_list<std::pair<Trade::MeshAttribute, VertexFormat>> attributes) {
    std::size_t stride = 0;
    for(const auto& a: attributes) stride += vertexFormatSize(a.second);
    Containers::Array<Trade::MeshAttributeData> list{ValueInit, attributes.size()};
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

TEST(MeshPacking, TangentsAndTheSecondWeightSet) {
    Trade::MeshData mesh = meshWith({
        {Trade::MeshAttribute::Position, VertexFormat::Vector3},
        {Trade::MeshAttribute::Tangent, VertexFormat::Vector4},
        {JointIds1, VertexFormat::Vector4us},
        {Weights1, VertexFormat::Vector4},
    });
    mesh.mutableAttribute<Vector4>(Trade::MeshAttribute::Tangent)[1] = {0.0f, -1.0f, 0.5f, -1.0f};
    mesh.mutableAttribute<Vector4>(Weights1)[0] = {0.25f, 0.75f, 0.0f, 1.0f};

    /* Skinning0 doesn't select the second set */
    Trade::MeshData notSelected = packMesh(MeshDataFlag::Skinning0, meshWith({{Weights1, VertexFormat::Vector4}}));
    EXPECT_EQ(notSelected.attributeFormat(Weights1), VertexFormat::Vector4);

    Trade::MeshData packed = packMesh(MeshDataFlag::Tangent|MeshDataFlag::Skinning1, std::move(mesh));
    EXPECT_EQ(packed.attributeFormat(Trade::MeshAttribute::Tangent), VertexFormat::Vector4sNormalized);
    EXPECT_EQ(packed.attributeFormat(Weights1), VertexFormat::Vector4usNormalized);
    EXPECT_EQ(packed.attributeFormat(JointIds1), VertexFormat::Vector4us);
    EXPECT_EQ(packed.attribute<Math::Vector4<Short>>(Trade::MeshAttribute::Tangent)[1], (Math::Vector4<Short>{0, -32767, 16384, -32767}));
    EXPECT_EQ(packed.attribute<Math::Vector4<UnsignedShort>>(Weights1)[0], (Math::Vector4<UnsignedShort>{16384, 49151, 0, 65535}));

    Trade::MeshData unpacked = unpackMesh(MeshDataFlag::Tangent|MeshDataFlag::Skinning1, std::move(packed));
    EXPECT_EQ(unpacked.attributeFormat(Trade::MeshAttribute::Tangent), VertexFormat::Vector4);
    EXPECT_EQ(unpacked.attribute<Vector4>(Trade::MeshAttribute::Tangent)[1].y(), -1.0f);
    EXPECT_EQ(unpacked.attribute<Vector4>(Weights1)[0].w(), 1.0f);
}

/* Packing with raw views of @p count rows of @p components floats */
template<class T> std::vector<T> packRaw(Trade::MeshAttribute attribute, const std::vector<Float>& values, std::size_t components) {
    std::vector<T> out(values.size());
    const std::size_t rows = values.size()/components;
    packMeshAttributeDataInto(attribute,
        Containers::StridedArrayView2D<const char>{Containers::arrayView(reinterpret_cast<const char*>(values.data()), values.size()*4), {rows, components*4}},
        Containers::StridedArrayView2D<char>{Containers::arrayView(reinterpret_cast<char*>(out.data()), out.size()*sizeof(T)), {rows, components*sizeof(T)}});
    return out;
}

TEST(MeshPacking, RawEncodingOfEveryPackedName) {
    const std::vector<Float> values{0.0f, 0.25f, 0.5f, 1.0f};
    const std::vector<UnsignedShort> unsignedExpected{0, 16384, 32768, 65535};
    const std::vector<Short> signedExpected{0, 8192, 16384, 32767};
    EXPECT_EQ(packRaw<Short>(Trade::MeshAttribute::Normal, {0.0f, 0.25f, 0.5f}, 3), (std::vector<Short>{0, 8192, 16384}));
    EXPECT_EQ(packRaw<Short>(Trade::MeshAttribute::Tangent, values, 4), signedExpected);
    EXPECT_EQ(packRaw<UnsignedShort>(Trade::MeshAttribute::Color, values, 4), unsignedExpected);
    EXPECT_EQ(packRaw<UnsignedShort>(Weights0, values, 4), unsignedExpected);
    EXPECT_EQ(packRaw<UnsignedShort>(Weights1, values, 4), unsignedExpected);
}

TEST(MeshPacking, OutOfRangeValuesAreClamped) {
    const Float nan = std::numeric_limits<Float>::quiet_NaN();
    const Float inf = std::numeric_limits<Float>::infinity();
    /* A file can bring anything: an overlong normal, a colour above 1, NaN */
    EXPECT_EQ(packRaw<Short>(Trade::MeshAttribute::Normal, {2.0f, -3.0f, nan, inf, -inf, 0.5f}, 3),
        (std::vector<Short>{32767, -32767, 0, 32767, -32767, 16384}));
    EXPECT_EQ(packRaw<UnsignedShort>(Trade::MeshAttribute::Color, {1.5f, -0.5f, nan, 0.25f}, 4),
        (std::vector<UnsignedShort>{65535, 0, 0, 16384}));
    EXPECT_EQ(packRaw<UnsignedShort>(Weights1, {70000.0f, -inf, 1.0f, 0.0f}, 4),
        (std::vector<UnsignedShort>{65535, 0, 65535, 0}));

    /* Many rows go through in blocks, each row in its place */
    std::vector<Float> many(3*1000);
    for(std::size_t i = 0; i != many.size(); ++i) many[i] = (i % 7 == 0) ? 5.0f : Float(i % 5)/4.0f;
    const std::vector<Short> packed = packRaw<Short>(Trade::MeshAttribute::Normal, many, 3);
    for(std::size_t i = 0; i != many.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(packed[i], i % 7 == 0 ? 32767 : Short(std::round(Float(i % 5)/4.0f*32767.0f)));
    }

    Trade::MeshData mesh = meshWith({{Trade::MeshAttribute::Normal, VertexFormat::Vector3}, {Trade::MeshAttribute::Color, VertexFormat::Vector4}});
    mesh.mutableAttribute<Vector3>(Trade::MeshAttribute::Normal)[0] = {2.0f, nan, -2.0f};
    mesh.mutableAttribute<Vector4>(Trade::MeshAttribute::Color)[0] = {1.5f, -0.5f, nan, 1.0f};
    Trade::MeshData out = packMesh(MeshDataFlag::Normal|MeshDataFlag::Color, std::move(mesh));
    EXPECT_EQ(out.attribute<Math::Vector3<Short>>(Trade::MeshAttribute::Normal)[0], (Math::Vector3<Short>{32767, 0, -32767}));
    EXPECT_EQ(out.attribute<Math::Vector4<UnsignedShort>>(Trade::MeshAttribute::Color)[0], (Math::Vector4<UnsignedShort>{65535, 0, 0, 65535}));
}

}}}
