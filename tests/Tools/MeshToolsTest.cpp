#include <cmath>
#include <cstring>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Constants.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/Trade/ArrayAllocator.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Tools/MeshTools.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using namespace Magnum;

typedef Math::Vector2<Float> Vector2;
typedef Math::Vector3<Float> Vector3;
typedef Math::Vector4<Float> Vector4;

struct Vertex {
    Vector3 position;
    Vector2 textureCoordinates;
};

const int ImporterState = 0;

/* Failures print a case by its name instead of its bytes */
template<class T> auto operator<<(std::ostream& out, const T& value) -> decltype(value.name, out) {
    return out << value.name;
}

/* Test names of a table of cases with a name field */
template<class T> std::string caseName(const ::testing::TestParamInfo<T>& info) {
    return info.param.name;
}

/* Regex that matches exactly one line of message on the error output */
std::string exactMessage(const char* message) {
    std::string out = "^";
    for(const char* c = message; *c; ++c) {
        if(std::strchr("\\^$.|?*+()[]{}", *c)) out += '\\';
        out += *c;
    }
    return out + "\n$";
}

/* Four interleaved vertices, six short indices, an importer state */
Trade::MeshData quad(Containers::Array<char> vertexData = nullptr) {
    if(!vertexData) vertexData = Containers::Array<char>{NoInit, 4*sizeof(Vertex)};
    Containers::ArrayView<Vertex> vertices = Containers::arrayCast<Vertex>(vertexData.prefix(4*sizeof(Vertex)));
    vertices[0] = {{0, 0, 0}, {0, 0}};
    vertices[1] = {{1, 0, 0}, {1, 0}};
    vertices[2] = {{1, 1, 0}, {1, 1}};
    vertices[3] = {{0, 1, 0}, {0, 1}};
    Containers::Array<char> indexData{NoInit, 6*sizeof(UnsignedShort)};
    Containers::ArrayView<UnsignedShort> indices = Containers::arrayCast<UnsignedShort>(indexData);
    const UnsignedShort indexValues[]{0, 1, 2, 0, 2, 3};
    for(std::size_t i = 0; i != 6; ++i) indices[i] = indexValues[i];
    Containers::StridedArrayView1D<Vertex> view = vertices;
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), Trade::MeshIndexData{indices},
        std::move(vertexData), {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, view.slice(&Vertex::position)},
            Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, view.slice(&Vertex::textureCoordinates)}
        }, Trade::MeshData::ImplicitVertexCount, &ImporterState};
}

std::vector<char> bytesOf(Containers::ArrayView<const char> data) {
    return std::vector<char>(data.begin(), data.end());
}

TEST(MeshToolsInsert, AppendsAZeroFilledBlockAndKeepsEveryByte) {
    Trade::MeshData input = quad();
    const std::vector<char> before = bytesOf(input.vertexData());
    Trade::MeshData out = MeshTools::insertAttribute(std::move(input), Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0);

    ASSERT_EQ(out.attributeCount(), 3u);
    EXPECT_EQ(out.attributeName(2), Trade::MeshAttribute::Normal);
    EXPECT_EQ(out.attributeFormat(2), VertexFormat::Vector3);
    EXPECT_EQ(out.attributeOffset(2), 4*sizeof(Vertex));
    EXPECT_EQ(out.attributeStride(2), 12);
    EXPECT_EQ(out.vertexData().size(), before.size() + 4*12);
    EXPECT_EQ(std::memcmp(out.vertexData().data(), before.data(), before.size()), 0);
    for(const Vector3& normal: out.attribute<Vector3>(Trade::MeshAttribute::Normal))
        EXPECT_EQ(normal, Vector3{});

    /* Old attributes stay interleaved where they were */
    EXPECT_EQ(out.attributeOffset(0), 0u);
    EXPECT_EQ(out.attributeStride(0), std::ptrdiff_t(sizeof(Vertex)));
    EXPECT_EQ(out.attributeOffset(1), 12u);
    EXPECT_EQ(out.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates)[2], (Vector2{1, 1}));

    EXPECT_EQ(out.importerState(), nullptr);
    ASSERT_TRUE(out.isIndexed());
    EXPECT_EQ(out.indexType(), MeshIndexType::UnsignedShort);
    EXPECT_EQ(out.indices<UnsignedShort>()[5], 3);
}

TEST(MeshToolsInsert, PlacesBeforeAnExistingAttributeOfTheName) {
    Trade::MeshData out = MeshTools::insertAttribute(quad(), Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 0);
    ASSERT_EQ(out.attributeCount(Trade::MeshAttribute::TextureCoordinates), 2u);
    EXPECT_EQ(out.attributeName(1), Trade::MeshAttribute::TextureCoordinates);
    EXPECT_EQ(out.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates, 0)[2], (Vector2{}));
    EXPECT_EQ(out.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates, 1)[2], (Vector2{1, 1}));

    /* An id past the existing ones appends */
    Trade::MeshData appended = MeshTools::insertAttribute(quad(), Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 5);
    EXPECT_EQ(appended.attributeName(2), Trade::MeshAttribute::TextureCoordinates);
    EXPECT_EQ(appended.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates, 0)[1], (Vector2{1, 0}));
}

TEST(MeshToolsInsert, AlignsTheNewBlock) {
    /* Three 6-byte packed normals leave the buffer at 18 bytes */
    Trade::MeshData mesh{MeshPrimitive::Points, Containers::Array<char>{ValueInit, 18}, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3sNormalized, 0, 3, 6}
    }};
    Trade::MeshData out = MeshTools::insertAttribute(std::move(mesh), Trade::MeshAttribute::Position, VertexFormat::Vector3, 0);
    EXPECT_EQ(out.attributeOffset(Trade::MeshAttribute::Position), 20u);
    EXPECT_EQ(out.vertexData().size(), 20u + 36u);
    EXPECT_EQ(out.attribute<Vector3>(Trade::MeshAttribute::Position)[2], Vector3{});
}

TEST(MeshToolsInsert, GrowsAGrowableBufferInPlace) {
    /* Growable with the allocator importers use; the same across the shipped
       library's boundary is checked by LibraryBoundaryTest */
    Containers::Array<char> vertexData;
    Containers::arrayReserve<Trade::ArrayAllocator>(vertexData, 4*sizeof(Vertex) + 4*12 + 64);
    Containers::arrayResize<Trade::ArrayAllocator>(vertexData, NoInit, 4*sizeof(Vertex));
    const char* pointer = vertexData.data();
    Trade::MeshData out = MeshTools::insertAttribute(quad(std::move(vertexData)), Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0);
    EXPECT_EQ(out.vertexData().data(), pointer);
    EXPECT_EQ(out.attribute<Vector3>(Trade::MeshAttribute::Position)[2], (Vector3{1, 1, 0}));
}

int deleterCalls = 0;
void countingDeleter(char* data, std::size_t) {
    ++deleterCalls;
    delete[] data;
}

TEST(MeshToolsInsert, ViewEntriesSurviveTheBufferMoving) {
    /* The attributes of quad() are views into a buffer with a custom deleter,
       which has to be replaced by a new allocation */
    deleterCalls = 0;
    Containers::Array<char> vertexData{new char[4*sizeof(Vertex)], 4*sizeof(Vertex), countingDeleter};
    const char* pointer = vertexData.data();
    Trade::MeshData out = MeshTools::insertAttribute(quad(std::move(vertexData)), Trade::MeshAttribute::Color, VertexFormat::Vector4, 0);
    EXPECT_NE(out.vertexData().data(), pointer);
    EXPECT_EQ(deleterCalls, 1);
    EXPECT_EQ(out.attribute<Vector3>(Trade::MeshAttribute::Position)[3], (Vector3{0, 1, 0}));
    EXPECT_EQ(out.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates)[1], (Vector2{1, 0}));
    EXPECT_EQ(out.attribute<Vector4>(Trade::MeshAttribute::Color)[1], (Vector4{}));
}

Trade::MeshData threeNormals() {
    Containers::Array<char> vertexData{ValueInit, 2*3*12};
    Containers::ArrayView<Vector3> normals = Containers::arrayCast<Vector3>(vertexData);
    for(std::size_t i = 0; i != 6; ++i) normals[i] = Vector3{Float(i)};
    return Trade::MeshData{MeshPrimitive::Points, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0, 2, 12},
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 24, 2, 12},
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, 48, 2, 12},
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0, 2, 24},
    }, Trade::MeshData::ImplicitVertexCount, &ImporterState};
}

TEST(MeshToolsRemove, DropsOneOrAllWithoutTouchingTheBuffer) {
    Trade::MeshData input = threeNormals();
    const char* pointer = input.vertexData().data();
    Trade::MeshData second = MeshTools::removeAttribute(std::move(input), Trade::MeshAttribute::Normal, 1);
    ASSERT_EQ(second.attributeCount(), 3u);
    EXPECT_EQ(second.vertexData().data(), pointer);
    EXPECT_EQ(second.vertexData().size(), 72u);
    EXPECT_EQ(second.attributeOffset(0), 0u);
    EXPECT_EQ(second.attributeName(1), Trade::MeshAttribute::Position);
    EXPECT_EQ(second.attributeName(2), Trade::MeshAttribute::Normal);
    EXPECT_EQ(second.attributeStride(2), 24);
    EXPECT_EQ(second.attribute<Vector3>(Trade::MeshAttribute::Normal, 1)[1], Vector3{2.0f});
    EXPECT_EQ(second.importerState(), nullptr);

    Trade::MeshData all = MeshTools::removeAttribute(threeNormals(), Trade::MeshAttribute::Normal, MeshTools::AllAttributes);
    ASSERT_EQ(all.attributeCount(), 1u);
    EXPECT_EQ(all.attributeName(0), Trade::MeshAttribute::Position);
    EXPECT_EQ(all.attribute<Vector3>(Trade::MeshAttribute::Position)[1], Vector3{3.0f});
    EXPECT_EQ(all.vertexCount(), 2u);
}

TEST(MeshToolsRemove, MissingNameReturnsTheMeshAsItCame) {
    const char vertices[24]{};
    Trade::MeshData notOwned{MeshPrimitive::Points, {}, vertices, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 2, 12}
    }, Trade::MeshData::ImplicitVertexCount, &ImporterState};
    Trade::MeshData out = MeshTools::removeAttribute(std::move(notOwned), Trade::MeshAttribute::Normal, 0);
    EXPECT_EQ(out.importerState(), &ImporterState);
    EXPECT_EQ(out.vertexData().data(), vertices);

    /* Present name, id past the end: nothing dropped but rebuilt */
    Trade::MeshData rebuilt = MeshTools::removeAttribute(threeNormals(), Trade::MeshAttribute::Normal, 7);
    EXPECT_EQ(rebuilt.attributeCount(), 4u);
    EXPECT_EQ(rebuilt.importerState(), nullptr);
}

TEST(MeshToolsRemove, LastAttributeKeepsTheVertexCount) {
    Containers::Array<char> vertexData{ValueInit, 5*12};
    Trade::MeshData mesh{MeshPrimitive::Points, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 5, 12}
    }};
    Trade::MeshData out = MeshTools::removeAttribute(std::move(mesh), Trade::MeshAttribute::Position, 0);
    EXPECT_EQ(out.attributeCount(), 0u);
    EXPECT_EQ(out.vertexCount(), 5u);
    EXPECT_EQ(out.vertexData().size(), 60u);
}

TEST(MeshToolsRename, RenamesInPlace) {
    Trade::MeshData input = threeNormals();
    const char* pointer = input.vertexData().data();
    Trade::MeshData out = MeshTools::renameAttribute(std::move(input), Trade::MeshAttribute::Normal, Trade::MeshAttribute::Tangent, 2);
    EXPECT_EQ(out.vertexData().data(), pointer);
    EXPECT_EQ(out.attributeCount(Trade::MeshAttribute::Normal), 2u);
    EXPECT_EQ(out.attributeName(3), Trade::MeshAttribute::Tangent);
    EXPECT_EQ(out.attributeStride(3), 24);
    EXPECT_EQ(out.attribute<Vector3>(Trade::MeshAttribute::Tangent)[1], Vector3{2.0f});

    Trade::MeshData all = MeshTools::renameAttribute(threeNormals(), Trade::MeshAttribute::Normal, Trade::meshAttributeCustom(7), MeshTools::AllAttributes);
    EXPECT_EQ(all.attributeCount(Trade::MeshAttribute::Normal), 0u);
    EXPECT_EQ(all.attributeCount(Trade::meshAttributeCustom(7)), 3u);

    Trade::MeshData none = MeshTools::renameAttribute(threeNormals(), Trade::MeshAttribute::Color, Trade::MeshAttribute::Normal, 0);
    EXPECT_EQ(none.attributeCount(Trade::MeshAttribute::Normal), 3u);
    EXPECT_EQ(none.importerState(), nullptr);
}

/* Read-only memory: renaming inside it would crash */
constexpr Trade::MeshAttributeData ReadOnlyAttributes[]{
    Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0, 2, 12},
    Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 24, 2, 12},
};

TEST(MeshToolsRename, NonOwnedAttributeListIsLeftAlone) {
    Trade::MeshAttributeData attributes[]{
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0, 2, 12},
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 24, 2, 12},
    };
    Trade::MeshData mesh{MeshPrimitive::Points, Containers::Array<char>{ValueInit, 48}, Trade::meshAttributeDataNonOwningArray(attributes)};
    Trade::MeshData out = MeshTools::renameAttribute(std::move(mesh), Trade::MeshAttribute::Normal, Trade::MeshAttribute::Tangent, 0);
    EXPECT_EQ(attributes[0].name(), Trade::MeshAttribute::Normal);
    EXPECT_NE(out.attributeData().data(), attributes);
    ASSERT_EQ(out.attributeCount(), 2u);
    EXPECT_EQ(out.attributeName(0), Trade::MeshAttribute::Tangent);
    EXPECT_EQ(out.attributeName(1), Trade::MeshAttribute::Position);
    EXPECT_EQ(out.attributeOffset(1), 24u);

    Trade::MeshData readOnly{MeshPrimitive::Points, Containers::Array<char>{ValueInit, 48}, Trade::meshAttributeDataNonOwningArray(ReadOnlyAttributes)};
    Trade::MeshData renamed = MeshTools::renameAttribute(std::move(readOnly), Trade::MeshAttribute::Position, Trade::MeshAttribute::Bitangent, MeshTools::AllAttributes);
    EXPECT_EQ(ReadOnlyAttributes[1].name(), Trade::MeshAttribute::Position);
    EXPECT_EQ(renamed.attributeName(1), Trade::MeshAttribute::Bitangent);
}

/* Skinning as importers deliver it, four joint ids and weights per vertex
   in array attributes, beside a custom array attribute, positions with one
   morph target and a colour. The joint ids are in view form. */
Trade::MeshData arraysAndMorphTargets() {
    Containers::Array<char> vertexData{ValueInit, 3*(4 + 4 + 8 + 12 + 12 + 16)};
    for(std::size_t i = 0; i != 12; ++i) vertexData[i] = char(i);
    for(std::size_t i = 0; i != 12; ++i) vertexData[12 + i] = char(i % 4 ? 0 : 255);
    Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData.sliceSize(48, 72));
    for(std::size_t i = 0; i != 6; ++i) positions[i] = Vector3{Float(i)};
    const Containers::StridedArrayView1D<const char> jointIds{vertexData, vertexData.data(), 3, 4};
    return Trade::MeshData{MeshPrimitive::Points, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::JointIds, VertexFormat::UnsignedByte, jointIds, 4},
        Trade::MeshAttributeData{Trade::MeshAttribute::Weights, VertexFormat::UnsignedByteNormalized, 12, 3, 4, 4},
        Trade::MeshAttributeData{Trade::meshAttributeCustom(7), VertexFormat::UnsignedShort, 24, 3, 8, 4},
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 48, 3, 12},
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 84, 3, 12, 0, 0},
        Trade::MeshAttributeData{Trade::MeshAttribute::Color, VertexFormat::Vector4, 120, 3, 16},
    }};
}

/* Every entry of arraysAndMorphTargets() that is left, with its data */
void expectArraysAndMorphTargets(const Trade::MeshData& mesh, Trade::MeshAttribute custom) {
    ASSERT_EQ(mesh.attributeCount(Trade::MeshAttribute::JointIds), 1u);
    EXPECT_EQ(mesh.attributeArraySize(Trade::MeshAttribute::JointIds), 4u);
    EXPECT_EQ(mesh.attribute<UnsignedByte[]>(Trade::MeshAttribute::JointIds)[2][3], 11);
    ASSERT_EQ(mesh.attributeCount(Trade::MeshAttribute::Weights), 1u);
    EXPECT_EQ(mesh.attributeArraySize(Trade::MeshAttribute::Weights), 4u);
    EXPECT_EQ(mesh.attribute<UnsignedByte[]>(Trade::MeshAttribute::Weights)[1][0], 255);
    ASSERT_EQ(mesh.attributeCount(custom), 1u);
    EXPECT_EQ(mesh.attributeArraySize(custom), 4u);
    EXPECT_EQ(mesh.attributeStride(custom), 8);
    ASSERT_EQ(mesh.attributeCount(Trade::MeshAttribute::Position), 1u);
    ASSERT_EQ(mesh.attributeCount(Trade::MeshAttribute::Position, 0), 1u);
    EXPECT_EQ(mesh.attribute<Vector3>(Trade::MeshAttribute::Position)[2], Vector3{2.0f});
    EXPECT_EQ(mesh.attribute<Vector3>(Trade::MeshAttribute::Position, 0, 0)[2], Vector3{5.0f});
}

struct ArrayEditCase {
    const char* name;
    Trade::MeshData(*edit)(Trade::MeshData&&);
    Trade::MeshAttribute custom;
};

const ArrayEditCase ArrayEditCases[]{
    {"Insert", [](Trade::MeshData&& mesh) {
        return MeshTools::insertAttribute(std::move(mesh), Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0);
    }, Trade::meshAttributeCustom(7)},
    {"Remove", [](Trade::MeshData&& mesh) {
        return MeshTools::removeAttribute(std::move(mesh), Trade::MeshAttribute::Color, 0);
    }, Trade::meshAttributeCustom(7)},
    {"Rename", [](Trade::MeshData&& mesh) {
        return MeshTools::renameAttribute(std::move(mesh), Trade::meshAttributeCustom(7), Trade::meshAttributeCustom(8), 0);
    }, Trade::meshAttributeCustom(8)},
    {"Cast", [](Trade::MeshData&& mesh) {
        return MeshTools::castNormalizedAttribute<Vector4, Vector4us>(std::move(mesh), Trade::MeshAttribute::Color, 0);
    }, Trade::meshAttributeCustom(7)},
};

class MeshToolsArrays: public ::testing::TestWithParam<ArrayEditCase> {};

/* Entries that are only re-expressed keep their array size and morph
   target, so the next edit still finds array attributes */
TEST_P(MeshToolsArrays, KeepArraySizeAndMorphTarget) {
    Trade::MeshData out = GetParam().edit(arraysAndMorphTargets());
    expectArraysAndMorphTargets(out, GetParam().custom);
    Trade::MeshData next = MeshTools::removeAttribute(std::move(out), Trade::MeshAttribute::Normal, MeshTools::AllAttributes);
    expectArraysAndMorphTargets(next, GetParam().custom);
}

INSTANTIATE_TEST_SUITE_P(, MeshToolsArrays, ::testing::ValuesIn(ArrayEditCases), caseName<ArrayEditCase>);

TEST(MeshToolsMorphTargets, IdsCountAttributesThatArentMorphTargets) {
    /* The base positions come after their morph target here */
    Containers::Array<char> vertexData{ValueInit, 2*12*2};
    Trade::MeshData mesh{MeshPrimitive::Points, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 24, 2, 12, 0, 0},
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 2, 12},
    }};

    Trade::MeshData renamed = MeshTools::renameAttribute(std::move(mesh), Trade::MeshAttribute::Position, Trade::meshAttributeCustom(9), 0);
    EXPECT_EQ(renamed.attributeName(0), Trade::MeshAttribute::Position);
    EXPECT_EQ(renamed.attributeMorphTargetId(0), 0);
    EXPECT_EQ(renamed.attributeName(1), Trade::meshAttributeCustom(9));
    EXPECT_EQ(renamed.attributeMorphTargetId(1), -1);

    Trade::MeshData back = MeshTools::renameAttribute(std::move(renamed), Trade::meshAttributeCustom(9), Trade::MeshAttribute::Position, 0);
    Trade::MeshData removed = MeshTools::removeAttribute(std::move(back), Trade::MeshAttribute::Position, 0);
    ASSERT_EQ(removed.attributeCount(), 1u);
    EXPECT_EQ(removed.attributeMorphTargetId(0), 0);
    EXPECT_EQ(removed.attributeOffset(0), 24u);
    EXPECT_EQ(removed.vertexCount(), 2u);

    /* All of a name takes the morph targets too */
    Trade::MeshData all = MeshTools::removeAttribute(arraysAndMorphTargets(), Trade::MeshAttribute::Position, MeshTools::AllAttributes);
    EXPECT_EQ(all.attributeCount(Trade::MeshAttribute::Position), 0u);
    EXPECT_EQ(all.attributeCount(Trade::MeshAttribute::Position, 0), 0u);
    EXPECT_EQ(all.attributeCount(), 4u);
}

/* One case per exported cast: input format and bytes of two vertices, the
   expected output format and bytes */
struct CastCase {
    const char* name;
    Trade::MeshData(*cast)(Trade::MeshData&&, Trade::MeshAttribute, unsigned int);
    VertexFormat inputFormat;
    std::vector<char> input;
    VertexFormat outputFormat;
    std::vector<char> output;
};

template<class T> std::vector<char> bytes(std::initializer_list<T> values) {
    std::vector<char> out(values.size()*sizeof(T));
    std::memcpy(out.data(), values.begin(), out.size());
    return out;
}

typedef Math::Vector2<Byte> Vector2b;
typedef Math::Vector2<UnsignedByte> Vector2ub;
typedef Math::Vector2<Short> Vector2s;
typedef Math::Vector2<UnsignedShort> Vector2us;
typedef Math::Vector3<Byte> Vector3b;
typedef Math::Vector3<UnsignedByte> Vector3ub;
typedef Math::Vector3<Short> Vector3s;
typedef Math::Vector3<UnsignedShort> Vector3us;
typedef Math::Vector4<Byte> Vector4b;
typedef Math::Vector4<UnsignedByte> Vector4ub;
typedef Math::Vector4<Short> Vector4s;
typedef Math::Vector4<UnsignedShort> Vector4us;
typedef Math::Vector4<UnsignedInt> Vector4ui;

const std::vector<CastCase> CastCases{
    {"Color3ToColor4", MeshTools::castAttribute<Math::Color3<Float>, Math::Color4<Float>>,
        VertexFormat::Vector3, bytes<Float>({0.2f, 0.4f, 0.6f, 1.0f, 0.0f, 0.5f}),
        VertexFormat::Vector4, bytes<Float>({0.2f, 0.4f, 0.6f, 1.0f, 1.0f, 0.0f, 0.5f, 1.0f})},
    {"Vector2b", MeshTools::castAttribute<Vector2b, Vector2>,
        VertexFormat::Vector2bNormalized, bytes<Byte>({-3, 127, -128, 0}),
        VertexFormat::Vector2, bytes<Float>({-3.0f, 127.0f, -128.0f, 0.0f})},
    {"Vector2ub", MeshTools::castAttribute<Vector2ub, Vector2>,
        VertexFormat::Vector2ub, bytes<UnsignedByte>({200, 0, 255, 1}),
        VertexFormat::Vector2, bytes<Float>({200.0f, 0.0f, 255.0f, 1.0f})},
    {"Vector2s", MeshTools::castAttribute<Vector2s, Vector2>,
        VertexFormat::Vector2s, bytes<Short>({-32768, 5, 32767, -1}),
        VertexFormat::Vector2, bytes<Float>({-32768.0f, 5.0f, 32767.0f, -1.0f})},
    {"Vector2usRaw", MeshTools::castAttribute<Vector2us, Vector2>,
        VertexFormat::Vector2usNormalized, bytes<UnsignedShort>({65535, 0, 1, 2}),
        VertexFormat::Vector2, bytes<Float>({65535.0f, 0.0f, 1.0f, 2.0f})},
    {"Vector3b", MeshTools::castAttribute<Vector3b, Vector3>,
        VertexFormat::Vector3b, bytes<Byte>({1, -2, 3, -4, 5, -6}),
        VertexFormat::Vector3, bytes<Float>({1, -2, 3, -4, 5, -6})},
    {"Vector3ub", MeshTools::castAttribute<Vector3ub, Vector3>,
        VertexFormat::Vector3ubNormalized, bytes<UnsignedByte>({1, 2, 255, 4, 5, 6}),
        VertexFormat::Vector3, bytes<Float>({1, 2, 255, 4, 5, 6})},
    {"Vector3s", MeshTools::castAttribute<Vector3s, Vector3>,
        VertexFormat::Vector3sNormalized, bytes<Short>({-1, 2, -300, 4, 5, 6}),
        VertexFormat::Vector3, bytes<Float>({-1, 2, -300, 4, 5, 6})},
    {"Vector3us", MeshTools::castAttribute<Vector3us, Vector3>,
        VertexFormat::Vector3us, bytes<UnsignedShort>({1, 2, 40000, 4, 5, 6}),
        VertexFormat::Vector3, bytes<Float>({1, 2, 40000, 4, 5, 6})},
    {"Vector4ubToVector4us", MeshTools::castAttribute<Vector4ub, Vector4us>,
        VertexFormat::Vector4ub, bytes<UnsignedByte>({0, 1, 128, 255, 2, 3, 4, 5}),
        VertexFormat::Vector4us, bytes<UnsignedShort>({0, 1, 128, 255, 2, 3, 4, 5})},
    {"Vector4uiToVector4us", MeshTools::castAttribute<Vector4ui, Vector4us>,
        VertexFormat::Vector4ui, bytes<UnsignedInt>({70000, 3, 65535, 65536, 1, 2, 3, 4}),
        VertexFormat::Vector4us, bytes<UnsignedShort>({4464, 3, 65535, 0, 1, 2, 3, 4})},
    {"NormalizedVector2b", MeshTools::castNormalizedAttribute<Vector2b, Vector2>,
        VertexFormat::Vector2b, bytes<Byte>({127, -127, -128, 0}),
        VertexFormat::Vector2, bytes<Float>({1.0f, -1.0f, -1.0f, 0.0f})},
    {"NormalizedVector2ub", MeshTools::castNormalizedAttribute<Vector2ub, Vector2>,
        VertexFormat::Vector2ubNormalized, bytes<UnsignedByte>({255, 0, 51, 255}),
        VertexFormat::Vector2, bytes<Float>({1.0f, 0.0f, 0.2f, 1.0f})},
    {"NormalizedVector2s", MeshTools::castNormalizedAttribute<Vector2s, Vector2>,
        VertexFormat::Vector2sNormalized, bytes<Short>({32767, -32767, -32768, 0}),
        VertexFormat::Vector2, bytes<Float>({1.0f, -1.0f, -1.0f, 0.0f})},
    {"NormalizedVector2us", MeshTools::castNormalizedAttribute<Vector2us, Vector2>,
        VertexFormat::Vector2usNormalized, bytes<UnsignedShort>({65535, 0, 0, 65535}),
        VertexFormat::Vector2, bytes<Float>({1.0f, 0.0f, 0.0f, 1.0f})},
    {"NormalizedVector3b", MeshTools::castNormalizedAttribute<Vector3b, Vector3>,
        VertexFormat::Vector3bNormalized, bytes<Byte>({127, 0, -127, 0, 127, 0}),
        VertexFormat::Vector3, bytes<Float>({1, 0, -1, 0, 1, 0})},
    {"NormalizedVector3ub", MeshTools::castNormalizedAttribute<Vector3ub, Vector3>,
        VertexFormat::Vector3ub, bytes<UnsignedByte>({255, 0, 255, 0, 255, 0}),
        VertexFormat::Vector3, bytes<Float>({1, 0, 1, 0, 1, 0})},
    {"NormalizedVector3s", MeshTools::castNormalizedAttribute<Vector3s, Vector3>,
        VertexFormat::Vector3sNormalized, bytes<Short>({32767, 0, 0, 0, -32767, 0}),
        VertexFormat::Vector3, bytes<Float>({1, 0, 0, 0, -1, 0})},
    {"NormalizedVector3us", MeshTools::castNormalizedAttribute<Vector3us, Vector3>,
        VertexFormat::Vector3usNormalized, bytes<UnsignedShort>({65535, 0, 0, 0, 65535, 65535}),
        VertexFormat::Vector3, bytes<Float>({1, 0, 0, 0, 1, 1})},
    {"NormalizedVector3ToVector3s", MeshTools::castNormalizedAttribute<Vector3, Vector3s>,
        VertexFormat::Vector3, bytes<Float>({1.0f, 0.0f, -1.0f, 0.5f, -0.5f, 0.0f}),
        VertexFormat::Vector3sNormalized, bytes<Short>({32767, 0, -32767, 16384, -16384, 0})},
    {"NormalizedVector4b", MeshTools::castNormalizedAttribute<Vector4b, Vector4>,
        VertexFormat::Vector4bNormalized, bytes<Byte>({127, -127, 0, 127, 0, 0, 0, -128}),
        VertexFormat::Vector4, bytes<Float>({1, -1, 0, 1, 0, 0, 0, -1})},
    {"NormalizedVector4ub", MeshTools::castNormalizedAttribute<Vector4ub, Vector4>,
        VertexFormat::Vector4ubNormalized, bytes<UnsignedByte>({255, 0, 255, 0, 0, 0, 0, 255}),
        VertexFormat::Vector4, bytes<Float>({1, 0, 1, 0, 0, 0, 0, 1})},
    {"NormalizedVector4s", MeshTools::castNormalizedAttribute<Vector4s, Vector4>,
        VertexFormat::Vector4s, bytes<Short>({32767, -32767, 0, 32767, 0, 0, 0, -32768}),
        VertexFormat::Vector4, bytes<Float>({1, -1, 0, 1, 0, 0, 0, -1})},
    {"NormalizedVector4us", MeshTools::castNormalizedAttribute<Vector4us, Vector4>,
        VertexFormat::Vector4usNormalized, bytes<UnsignedShort>({65535, 0, 65535, 0, 0, 0, 0, 65535}),
        VertexFormat::Vector4, bytes<Float>({1, 0, 1, 0, 0, 0, 0, 1})},
    {"NormalizedVector4ToVector4s", MeshTools::castNormalizedAttribute<Vector4, Vector4s>,
        VertexFormat::Vector4, bytes<Float>({1, -1, 0, 1, 0, 0, 0, -1}),
        VertexFormat::Vector4sNormalized, bytes<Short>({32767, -32767, 0, 32767, 0, 0, 0, -32767})},
    {"NormalizedVector4ToVector4us", MeshTools::castNormalizedAttribute<Vector4, Vector4us>,
        VertexFormat::Vector4, bytes<Float>({1, 0, 0.5f, 1, 0, 0, 0, 1}),
        VertexFormat::Vector4usNormalized, bytes<UnsignedShort>({65535, 0, 32768, 65535, 0, 0, 0, 65535})},
};

TEST(MeshToolsCastTable, HasOneCasePerExportedPair) {
    EXPECT_EQ(CastCases.size(), 26u);
}

class MeshToolsCast: public ::testing::TestWithParam<CastCase> {};

TEST_P(MeshToolsCast, ConvertsIntoANewBlock) {
    const CastCase& data = GetParam();
    const std::size_t inputSize = vertexFormatSize(data.inputFormat);
    ASSERT_EQ(data.input.size(), 2*inputSize);
    /* A position first and the cast attribute second, so the list order
       and the neighbour's bytes are checked too */
    Containers::Array<char> vertexData{ValueInit, 24 + data.input.size()};
    for(std::size_t i = 0; i != 24; ++i) vertexData[i] = char(i + 1);
    std::memcpy(vertexData.data() + 24, data.input.data(), data.input.size());
    Trade::MeshData mesh{MeshPrimitive::Points, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 2, 12},
        Trade::MeshAttributeData{Trade::meshAttributeCustom(5), data.inputFormat, 24, 2, std::ptrdiff_t(inputSize)},
    }};
    const std::size_t sizeBefore = mesh.vertexData().size();

    Trade::MeshData out = data.cast(std::move(mesh), Trade::meshAttributeCustom(5), 0);
    ASSERT_EQ(out.attributeCount(), 2u);
    EXPECT_EQ(out.attributeName(1), Trade::meshAttributeCustom(5));
    EXPECT_EQ(out.attributeFormat(1), data.outputFormat);
    /* The new block starts at the next multiple of its component size */
    const std::size_t componentSize = vertexFormatSize(vertexFormatComponentFormat(data.outputFormat));
    const std::size_t blockOffset = (sizeBefore + componentSize - 1)/componentSize*componentSize;
    EXPECT_EQ(out.attributeOffset(1), blockOffset);
    EXPECT_EQ(out.vertexData().size(), blockOffset + 2*vertexFormatSize(data.outputFormat));
    const Containers::StridedArrayView2D<const char> converted = out.attribute(1);
    ASSERT_TRUE(converted.isContiguous());
    EXPECT_EQ(bytesOf(converted.asContiguous()), data.output);
    for(std::size_t i = 0; i != 24; ++i) EXPECT_EQ(out.vertexData()[i], char(i + 1));
}

INSTANTIATE_TEST_SUITE_P(, MeshToolsCast, ::testing::ValuesIn(CastCases), caseName<CastCase>);

/* Packing floats out of range: clamped to the range of the integer type,
   NaN to 0, values in range as they were */
const Float Inf = Math::Constants<Float>::inf();
const Float NaN = Math::Constants<Float>::nan();

const CastCase ClampCases[]{
    {"Vector3ToVector3s", MeshTools::castNormalizedAttribute<Vector3, Vector3s>,
        VertexFormat::Vector3, bytes<Float>({2.0f, -1.5f, NaN, 0.5f, -Inf, 1.0f}),
        VertexFormat::Vector3sNormalized, bytes<Short>({32767, -32767, 0, 16384, -32767, 32767})},
    {"Vector4ToVector4s", MeshTools::castNormalizedAttribute<Vector4, Vector4s>,
        VertexFormat::Vector4, bytes<Float>({1.0001f, -1.0001f, NaN, -0.25f, Inf, 0.0f, -0.0f, -1.0f}),
        VertexFormat::Vector4sNormalized, bytes<Short>({32767, -32767, 0, -8192, 32767, 0, 0, -32767})},
    {"Vector4ToVector4us", MeshTools::castNormalizedAttribute<Vector4, Vector4us>,
        VertexFormat::Vector4, bytes<Float>({-0.5f, 1.5f, NaN, 0.25f, 2.0f, 0.0f, 1.0f, -Inf}),
        VertexFormat::Vector4usNormalized, bytes<UnsignedShort>({0, 65535, 0, 16384, 65535, 0, 65535, 0})},
};

class MeshToolsCastClamp: public ::testing::TestWithParam<CastCase> {};

TEST_P(MeshToolsCastClamp, PacksOutOfRangeValuesClamped) {
    const CastCase& data = GetParam();
    Containers::Array<char> vertexData{ValueInit, data.input.size()};
    std::memcpy(vertexData.data(), data.input.data(), data.input.size());
    Trade::MeshData mesh{MeshPrimitive::Points, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::meshAttributeCustom(5), data.inputFormat, 0, 2, std::ptrdiff_t(vertexFormatSize(data.inputFormat))},
    }};
    Trade::MeshData out = data.cast(std::move(mesh), Trade::meshAttributeCustom(5), 0);
    EXPECT_EQ(out.attributeFormat(0), data.outputFormat);
    const Containers::StridedArrayView2D<const char> converted = out.attribute(0);
    ASSERT_TRUE(converted.isContiguous());
    EXPECT_EQ(bytesOf(converted.asContiguous()), data.output);
}

INSTANTIATE_TEST_SUITE_P(, MeshToolsCastClamp, ::testing::ValuesIn(ClampCases), caseName<CastCase>);

TEST(MeshToolsCastClampSingle, EveryChunkOfALongAttribute) {
    /* More vertices than fit any buffer on the way, each out of range */
    const std::size_t count = 1000;
    Containers::Array<char> vertexData{ValueInit, count*12};
    const Containers::ArrayView<Vector3> values = Containers::arrayCast<Vector3>(vertexData);
    for(std::size_t i = 0; i != count; ++i) values[i] = {Float(i) + 1.5f, -Float(i) - 1.5f, i % 2 ? 0.5f : NaN};
    Trade::MeshData mesh{MeshPrimitive::Points, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0, UnsignedInt(count), 12},
    }};
    Trade::MeshData out = MeshTools::castNormalizedAttribute<Vector3, Vector3s>(std::move(mesh), Trade::MeshAttribute::Normal, 0);
    const Containers::StridedArrayView1D<const Vector3s> normals = out.attribute<Vector3s>(Trade::MeshAttribute::Normal);
    ASSERT_EQ(normals.size(), count);
    for(std::size_t i = 0; i != count; ++i)
        ASSERT_EQ(normals[i], (Vector3s{32767, -32767, Short(i % 2 ? 16384 : 0)})) << i;
}

TEST(MeshToolsCastSingle, SecondAttributeOfAName) {
    Containers::Array<char> vertexData{ValueInit, 2*2*4};
    Containers::ArrayView<UnsignedShort> values = Containers::arrayCast<UnsignedShort>(vertexData);
    for(std::size_t i = 0; i != 8; ++i) values[i] = UnsignedShort(i*1000);
    Trade::MeshData mesh{MeshPrimitive::Points, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2us, 0, 2, 4},
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2us, 8, 2, 4},
    }};
    Trade::MeshData out = MeshTools::castAttribute<Vector2us, Vector2>(std::move(mesh), Trade::MeshAttribute::TextureCoordinates, 1);
    EXPECT_EQ(out.attributeFormat(0), VertexFormat::Vector2us);
    EXPECT_EQ(out.attributeFormat(1), VertexFormat::Vector2);
    EXPECT_EQ(out.attribute<Vector2us>(Trade::MeshAttribute::TextureCoordinates, 0)[1], (Vector2us{2000, 3000}));
    EXPECT_EQ(out.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates, 1)[1], (Vector2{6000, 7000}));
}

/* Positions of two triangles in the XY plane, counterclockwise */
Trade::MeshData triangles(std::size_t vertexCount, VertexFormat normalFormat = VertexFormat::Vector3, bool withNormal = false) {
    const std::size_t normalSize = withNormal ? vertexFormatSize(normalFormat) : 0;
    Containers::Array<char> vertexData{ValueInit, vertexCount*(12 + 8 + normalSize)};
    Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData.prefix(vertexCount*12));
    Containers::ArrayView<Vector2> uvs = Containers::arrayCast<Vector2>(vertexData.sliceSize(vertexCount*12, vertexCount*8));
    const Vector3 corners[]{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 0, 0}, {1, 1, 0}, {0, 1, 0}, {5, 5, 5}};
    for(std::size_t i = 0; i != vertexCount; ++i) {
        positions[i] = corners[i % 7];
        uvs[i] = positions[i].xy();
    }
    Containers::Array<Trade::MeshAttributeData> attributes;
    Containers::arrayAppend(attributes, Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, UnsignedInt(vertexCount), 12});
    Containers::arrayAppend(attributes, Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, vertexCount*12, UnsignedInt(vertexCount), 8});
    if(withNormal)
        Containers::arrayAppend(attributes, Trade::MeshAttributeData{Trade::MeshAttribute::Normal, normalFormat, vertexCount*20, UnsignedInt(vertexCount), std::ptrdiff_t(normalSize)});
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexData), std::move(attributes), Trade::MeshData::ImplicitVertexCount, &ImporterState};
}

TEST(MeshToolsNormals, FlatOnWholeTrianglesOnly) {
    Trade::MeshData out = MeshTools::generateNormals(triangles(7));
    ASSERT_EQ(out.attributeCount(), 3u);
    EXPECT_EQ(out.attributeName(2), Trade::MeshAttribute::Normal);
    const Containers::StridedArrayView1D<const Vector3> normals = out.attribute<Vector3>(Trade::MeshAttribute::Normal);
    for(std::size_t i = 0; i != 6; ++i) EXPECT_EQ(normals[i], (Vector3{0, 0, 1})) << i;
    EXPECT_EQ(normals[6], (Vector3{}));
}

TEST(MeshToolsNormals, SmoothUsesWholeTrianglesOfTheIndices) {
    /* A tent: two triangles meeting at the ridge 0-1 at a right angle */
    Containers::Array<char> vertexData{ValueInit, 4*12};
    Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData);
    positions[0] = {0, 0, 0};
    positions[1] = {1, 0, 0};
    positions[2] = {0, 1, 1};
    positions[3] = {0, -1, 1};
    Containers::Array<char> indexData{NoInit, 8};
    const UnsignedByte indexValues[]{0, 1, 2, 1, 0, 3, 2, 3};
    std::memcpy(indexData.data(), indexValues, 8);
    Containers::ArrayView<const UnsignedByte> indices = Containers::arrayCast<const UnsignedByte>(indexData);
    Trade::MeshData mesh{MeshPrimitive::Triangles, std::move(indexData), Trade::MeshIndexData{indices}, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 4, 12}
    }};
    Trade::MeshData out = MeshTools::generateNormals(std::move(mesh));
    const Containers::StridedArrayView1D<const Vector3> normals = out.attribute<Vector3>(Trade::MeshAttribute::Normal);
    /* The ridge vertices average both faces, the others see one */
    const Float s = 1.0f/std::sqrt(2.0f);
    EXPECT_NEAR(normals[2].y(), -s, 1e-6f);
    EXPECT_NEAR(normals[2].z(), s, 1e-6f);
    EXPECT_NEAR(normals[3].y(), s, 1e-6f);
    EXPECT_NEAR(normals[3].z(), s, 1e-6f);
    EXPECT_NEAR(normals[0].y(), 0.0f, 1e-6f);
    EXPECT_NEAR(normals[0].z(), 1.0f, 1e-6f);
    EXPECT_NEAR(normals[1].z(), 1.0f, 1e-6f);
}

TEST(MeshToolsNormals, ReplacesNonFloatNormalsAndOverwritesFloatOnesInPlace) {
    Trade::MeshData packed = MeshTools::generateNormals(triangles(6, VertexFormat::Vector3sNormalized, true));
    ASSERT_EQ(packed.attributeCount(Trade::MeshAttribute::Normal), 1u);
    EXPECT_EQ(packed.attributeName(2), Trade::MeshAttribute::Normal);
    EXPECT_EQ(packed.attributeFormat(2), VertexFormat::Vector3);
    EXPECT_EQ(packed.vertexData().size(), 6*(12 + 8 + 6) + 6*12u);
    EXPECT_EQ(packed.importerState(), nullptr);

    Trade::MeshData input = triangles(6, VertexFormat::Vector3, true);
    const char* pointer = input.vertexData().data();
    Trade::MeshData inPlace = MeshTools::generateNormals(std::move(input));
    EXPECT_EQ(inPlace.vertexData().data(), pointer);
    EXPECT_EQ(inPlace.vertexData().size(), 6*32u);
    EXPECT_EQ(inPlace.importerState(), &ImporterState);
    EXPECT_EQ(inPlace.attribute<Vector3>(Trade::MeshAttribute::Normal)[4], (Vector3{0, 0, 1}));
}

TEST(MeshToolsTriangles, TriangleListsPassThroughAsTheyCame) {
    Trade::MeshData nonIndexed = triangles(6);
    const char* vertexPointer = nonIndexed.vertexData().data();
    Trade::MeshData nonIndexedOut = MeshTools::convertToTriangles(std::move(nonIndexed));
    EXPECT_EQ(nonIndexedOut.primitive(), MeshPrimitive::Triangles);
    EXPECT_FALSE(nonIndexedOut.isIndexed());
    EXPECT_EQ(nonIndexedOut.vertexCount(), 6u);
    EXPECT_EQ(nonIndexedOut.vertexData().data(), vertexPointer);
    EXPECT_EQ(nonIndexedOut.importerState(), &ImporterState);

    Trade::MeshData indexed = quad();
    const char* indexPointer = indexed.indexData().data();
    vertexPointer = indexed.vertexData().data();
    Trade::MeshData indexedOut = MeshTools::convertToTriangles(std::move(indexed));
    EXPECT_EQ(indexedOut.primitive(), MeshPrimitive::Triangles);
    ASSERT_TRUE(indexedOut.isIndexed());
    EXPECT_EQ(indexedOut.indexType(), MeshIndexType::UnsignedShort);
    EXPECT_EQ(indexedOut.indexCount(), 6u);
    EXPECT_EQ(indexedOut.indexData().data(), indexPointer);
    EXPECT_EQ(indexedOut.vertexData().data(), vertexPointer);
    EXPECT_EQ(indexedOut.importerState(), &ImporterState);
}

TEST(MeshToolsTriangles, FanBecomesAnIndexedList) {
    /* A centre and four vertices around it */
    Containers::Array<char> vertexData{ValueInit, 5*12};
    Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData);
    for(std::size_t i = 0; i != 5; ++i) positions[i] = Vector3{Float(i)};
    Trade::MeshData fan{MeshPrimitive::TriangleFan, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 5, 12}
    }};
    Trade::MeshData out = MeshTools::convertToTriangles(std::move(fan));
    EXPECT_EQ(out.primitive(), MeshPrimitive::Triangles);
    ASSERT_TRUE(out.isIndexed());
    const Containers::Array<UnsignedInt> indices = out.indicesAsArray();
    EXPECT_EQ(std::vector<UnsignedInt>(indices.begin(), indices.end()), (std::vector<UnsignedInt>{0, 1, 2, 0, 2, 3, 0, 3, 4}));
    /* Every triangle keeps the centre, the vertices stay as they were */
    ASSERT_EQ(out.vertexCount(), 5u);
    for(std::size_t i = 0; i != 5; ++i)
        EXPECT_EQ(out.attribute<Vector3>(Trade::MeshAttribute::Position)[i], Vector3{Float(i)});
}

TEST(MeshToolsTriangles, IndexedStripIsExpandedFirst) {
    /* An indexed strip of four vertices given as indices 3 2 1 0 */
    Containers::Array<char> vertexData{ValueInit, 4*12};
    Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData);
    for(std::size_t i = 0; i != 4; ++i) positions[i] = Vector3{Float(i)};
    Containers::Array<char> indexData{NoInit, 4};
    const UnsignedByte indexValues[]{3, 2, 1, 0};
    std::memcpy(indexData.data(), indexValues, 4);
    Containers::ArrayView<const UnsignedByte> indices = Containers::arrayCast<const UnsignedByte>(indexData);
    Trade::MeshData strip{MeshPrimitive::TriangleStrip, std::move(indexData), Trade::MeshIndexData{indices}, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 4, 12}
    }};
    Trade::MeshData out = MeshTools::convertToTriangles(std::move(strip));
    EXPECT_EQ(out.primitive(), MeshPrimitive::Triangles);
    ASSERT_TRUE(out.isIndexed());
    EXPECT_EQ(out.indexCount(), 6u);
    /* Duplicated first, so the vertices follow the strip order */
    EXPECT_EQ(out.vertexCount(), 4u);
    EXPECT_EQ(out.attribute<Vector3>(Trade::MeshAttribute::Position)[0], Vector3{3.0f});
    EXPECT_EQ(out.attribute<Vector3>(Trade::MeshAttribute::Position)[3], Vector3{0.0f});
}

TEST(MeshToolsTangents, PlanarTrianglesGetTheUDirection) {
    Trade::MeshData out = MeshTools::generateTangents(MeshTools::generateNormals(triangles(7)));
    ASSERT_EQ(out.attributeCount(Trade::MeshAttribute::Tangent), 1u);
    EXPECT_EQ(out.attributeFormat(Trade::MeshAttribute::Tangent), VertexFormat::Vector4);
    const Containers::StridedArrayView1D<const Vector4> tangents = out.attribute<Vector4>(Trade::MeshAttribute::Tangent);
    for(std::size_t i = 0; i != 6; ++i) {
        EXPECT_NEAR(tangents[i].x(), 1.0f, 1e-6f) << i;
        EXPECT_NEAR(tangents[i].y(), 0.0f, 1e-6f) << i;
        EXPECT_EQ(tangents[i].w(), 1.0f) << i;
    }
    EXPECT_EQ(tangents[6], (Vector4{}));
}

TEST(MeshToolsTangents, MirroredTextureCoordinatesFlipTheSign) {
    Trade::MeshData mesh = MeshTools::generateNormals(triangles(6));
    /* U runs against X: the tangent follows U and the bitangent sign flips */
    for(Vector2& uv: mesh.mutableAttribute<Vector2>(Trade::MeshAttribute::TextureCoordinates))
        uv.x() = 1.0f - uv.x();
    Trade::MeshData out = MeshTools::generateTangents(std::move(mesh));
    for(const Vector4& tangent: out.attribute<Vector4>(Trade::MeshAttribute::Tangent)) {
        EXPECT_NEAR(tangent.x(), -1.0f, 1e-6f);
        EXPECT_EQ(tangent.w(), -1.0f);
    }
}

/* A quad in the XY plane with U along X, at vertices first to first + 3 of
   an otherwise unused buffer, indexed with the given type */
Trade::MeshData indexedQuad(const MeshIndexType type, const UnsignedInt first) {
    const UnsignedInt vertexCount = first + 4;
    Containers::Array<char> vertexData{ValueInit, vertexCount*(12 + 12 + 8)};
    Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData.prefix(vertexCount*12));
    Containers::ArrayView<Vector3> normals = Containers::arrayCast<Vector3>(vertexData.sliceSize(vertexCount*12, vertexCount*12));
    Containers::ArrayView<Vector2> uvs = Containers::arrayCast<Vector2>(vertexData.exceptPrefix(vertexCount*24));
    const Vector3 corners[]{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    for(UnsignedInt i = 0; i != 4; ++i) {
        positions[first + i] = corners[i];
        uvs[first + i] = corners[i].xy();
    }
    for(Vector3& normal: normals) normal = Vector3::zAxis();

    const UnsignedInt indexValues[]{0, 1, 2, 0, 2, 3};
    const std::size_t size = meshIndexTypeSize(type);
    Containers::Array<char> indexData{NoInit, 6*size};
    for(std::size_t i = 0; i != 6; ++i) {
        const UnsignedInt value = first + indexValues[i];
        const UnsignedByte value8 = UnsignedByte(value);
        const UnsignedShort value16 = UnsignedShort(value);
        std::memcpy(indexData.data() + i*size, size == 1 ? static_cast<const void*>(&value8) : size == 2 ? static_cast<const void*>(&value16) : &value, size);
    }
    const Trade::MeshIndexData indices{type, Containers::ArrayView<const void>{indexData}};
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, vertexCount, 12},
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, vertexCount*12, vertexCount, 12},
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, vertexCount*24, vertexCount, 8},
    }};
}

struct IndexTypeCase {
    const char* name;
    MeshIndexType type;
    /* Past 255 where the type allows it, so that an index read as a narrower
       type lands on other vertices */
    UnsignedInt first;
};

const IndexTypeCase IndexTypeCases[]{
    {"UnsignedByte", MeshIndexType::UnsignedByte, 200},
    {"UnsignedShort", MeshIndexType::UnsignedShort, 60000},
    {"UnsignedInt", MeshIndexType::UnsignedInt, 70000},
};

class MeshToolsTangentsIndexed: public ::testing::TestWithParam<IndexTypeCase> {};

TEST_P(MeshToolsTangentsIndexed, ReadsTheIndicesOfTheType) {
    const IndexTypeCase& data = GetParam();
    Trade::MeshData out = MeshTools::generateTangents(indexedQuad(data.type, data.first));
    const Containers::StridedArrayView1D<const Vector4> tangents = out.attribute<Vector4>(Trade::MeshAttribute::Tangent);
    ASSERT_EQ(tangents.size(), data.first + 4);
    for(UnsignedInt i = 0; i != data.first; ++i)
        ASSERT_EQ(tangents[i], Vector4{}) << i;
    for(UnsignedInt i = data.first; i != data.first + 4; ++i) {
        EXPECT_NEAR(tangents[i].x(), 1.0f, 1e-6f) << i;
        EXPECT_NEAR(tangents[i].y(), 0.0f, 1e-6f) << i;
        EXPECT_NEAR(tangents[i].z(), 0.0f, 1e-6f) << i;
        EXPECT_EQ(tangents[i].w(), 1.0f) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(, MeshToolsTangentsIndexed, ::testing::ValuesIn(IndexTypeCases), caseName<IndexTypeCase>);

/* Three vertices of a position, a normal and texture coordinates in the
   given formats, all zero */
Trade::MeshData tangentInput(const MeshPrimitive primitive, const VertexFormat positionFormat, const VertexFormat textureCoordinateFormat) {
    const std::size_t positionSize = vertexFormatSize(positionFormat);
    const std::size_t textureCoordinateSize = vertexFormatSize(textureCoordinateFormat);
    return Trade::MeshData{primitive, Containers::Array<char>{ValueInit, 3*(positionSize + 12 + textureCoordinateSize)}, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, positionFormat, 0, 3, std::ptrdiff_t(positionSize)},
        Trade::MeshAttributeData{Trade::MeshAttribute::Normal, VertexFormat::Vector3, 3*positionSize, 3, 12},
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, textureCoordinateFormat, 3*(positionSize + 12), 3, std::ptrdiff_t(textureCoordinateSize)},
    }};
}

/* Caller errors and broken invariants, one death test per message */

struct DeathCase {
    const char* name;
    void(*call)();
    const char* message;
    /* An internal assertion, followed by the line number */
    bool internal;
};

const DeathCase DeathCases[]{
    {"InsertNeedsOwnedVertexData", [] {
        char vertices[24]{};
        MeshTools::insertAttribute(Trade::MeshData{MeshPrimitive::Points, Trade::DataFlag::Mutable, vertices, {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 2, 12}
        }}, Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0);
    }, "Assertion meshData.vertexDataFlags() >= Trade::DataFlag::Owned failed at VelmoraEngine/Tools/MeshTools.cpp:", true},
    {"RemoveNeedsOwnedIndexData", [] {
        const UnsignedShort indices[]{0, 1, 0};
        MeshTools::removeAttribute(Trade::MeshData{MeshPrimitive::Triangles, {}, indices, Trade::MeshIndexData{indices},
            Containers::Array<char>{ValueInit, 24}, {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 2, 12}
        }}, Trade::MeshAttribute::Position, 0);
    }, "Assertion meshData.indexDataFlags() >= Trade::DataFlag::Owned failed at VelmoraEngine/Tools/MeshTools.cpp:", true},
    {"EditsNeedAReadableIndexType", [] {
        Containers::Array<char> indexData{ValueInit, 3*4};
        const Trade::MeshIndexData indices{meshIndexTypeWrap(0xcafe), Containers::StridedArrayView1D<const void>{indexData, indexData.data(), 3, 4}};
        MeshTools::removeAttribute(Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indices, Containers::Array<char>{ValueInit, 24}, {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 2, 12}
        }}, Trade::MeshAttribute::Position, 0);
    }, "Assertion !isMeshIndexTypeImplementationSpecific(meshData.indexType()) failed at VelmoraEngine/Tools/MeshTools.cpp:", true},
    {"CastAttributeMissing", [] {
        MeshTools::castAttribute<Vector2us, Vector2>(quad(), Trade::MeshAttribute::Normal, 0);
    }, "MeshTools::castAttribute(): mesh has no Trade::MeshAttribute::Normal", false},
    {"CastAttributeOutOfRange", [] {
        MeshTools::castAttribute<Vector3us, Vector3>(quad(), Trade::MeshAttribute::TextureCoordinates, 1);
    }, "MeshTools::castAttribute(): index out of range", false},
    {"CastNormalizedAttributeMissing", [] {
        MeshTools::castNormalizedAttribute<Vector4, Vector4us>(quad(), Trade::MeshAttribute::Color, 0);
    }, "MeshTools::castNormalizedAttribute(): mesh has no Trade::MeshAttribute::Color", false},
    {"CastNormalizedAttributeOutOfRange", [] {
        MeshTools::castNormalizedAttribute<Vector3, Vector3s>(quad(), Trade::MeshAttribute::Position, 1);
    }, "MeshTools::castNormalizedAttribute(): index out of range", false},
    {"NormalsNeedVector3Positions", [] {
        /* Tested before the primitive */
        MeshTools::generateNormals(Trade::MeshData{MeshPrimitive::Lines, Containers::Array<char>{ValueInit, 12}, {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3s, 0, 2, 6}
        }});
    }, "MeshTools::generateNormals(): mesh must have Vector3 position attribute", false},
    {"NormalsNeedTriangles", [] {
        MeshTools::generateNormals(Trade::MeshData{MeshPrimitive::Lines, Containers::Array<char>{ValueInit, 24}, {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 2, 12}
        }});
    }, "MeshTools::generateNormals(): mesh must have triangle primitives", false},
    {"TangentsNeedVector3Positions", [] {
        /* Tested before everything else */
        MeshTools::generateTangents(tangentInput(MeshPrimitive::Lines, VertexFormat::Vector3s, VertexFormat::Vector2us));
    }, "MeshTools::generateTangents(): mesh must have Vector3 position attribute", false},
    {"TangentsNeedVector3Normals", [] {
        MeshTools::generateTangents(triangles(6));
    }, "MeshTools::generateTangents(): mesh must have Vector3 normal attribute", false},
    {"TangentsNeedVector2TextureCoordinates", [] {
        MeshTools::generateTangents(tangentInput(MeshPrimitive::Lines, VertexFormat::Vector3, VertexFormat::Vector2usNormalized));
    }, "MeshTools::generateTangents(): mesh must have Vector2 texture coordinates attribute", false},
    {"TangentsNeedTriangles", [] {
        MeshTools::generateTangents(tangentInput(MeshPrimitive::TriangleStrip, VertexFormat::Vector3, VertexFormat::Vector2));
    }, "MeshTools::generateTangents(): mesh must have triangle primitives", false},
    {"TangentsNeedAReadableIndexType", [] {
        Trade::MeshData mesh = MeshTools::generateNormals(triangles(6));
        Containers::Array<char> indexData{ValueInit, 6*4};
        Containers::Array<Trade::MeshAttributeData> attributes = mesh.releaseAttributeData();
        Containers::Array<char> vertexData = mesh.releaseVertexData();
        const Trade::MeshIndexData indices{meshIndexTypeWrap(0xcafe), Containers::StridedArrayView1D<const void>{indexData, indexData.data(), 6, 4}};
        MeshTools::generateTangents(Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), std::move(attributes)});
    }, "MeshTools::generateTangents(): mesh must not have an implementation-specific index type", false},
    {"TangentsNeedIndicesInsideTheVertices", [] {
        /* Only whole triangles count, the last index is never read */
        Trade::MeshData mesh = indexedQuad(MeshIndexType::UnsignedShort, 0);
        Containers::Array<char> indexData{NoInit, 7*2};
        const UnsignedShort indexValues[]{0, 1, 2, 0, 4, 3, 5};
        std::memcpy(indexData.data(), indexValues, sizeof(indexValues));
        const Trade::MeshIndexData indices{Containers::arrayCast<const UnsignedShort>(indexData)};
        Containers::Array<Trade::MeshAttributeData> attributes = mesh.releaseAttributeData();
        Containers::Array<char> vertexData = mesh.releaseVertexData();
        MeshTools::generateTangents(Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), std::move(attributes)});
    }, "MeshTools::generateTangents(): index 4 out of range for 4 vertices", false},
    {"TangentsNeedAWholeTriangle", [] {
        MeshTools::generateTangents(MeshTools::generateNormals(triangles(2)));
    }, "MeshTools::generateTangents(): failed to generate mikktspace tangents", false},
};

class MeshToolsDeathTest: public ::testing::TestWithParam<DeathCase> {};

TEST_P(MeshToolsDeathTest, AbortsWithTheMessage) {
    const DeathCase& data = GetParam();
    std::string message = exactMessage(data.message);
    if(data.internal) message.insert(message.size() - 2, "[0-9]+");
    EXPECT_DEATH(data.call(), message);
}

INSTANTIATE_TEST_SUITE_P(, MeshToolsDeathTest, ::testing::ValuesIn(DeathCases), caseName<DeathCase>);

}}}
