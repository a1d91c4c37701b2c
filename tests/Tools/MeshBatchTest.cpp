#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Iterable.h>
#include <Corrade/Containers/Reference.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Assert.h>
#include <Magnum/GL/AbstractShaderProgram.h>
#include <Magnum/GL/Buffer.h>
#include <Magnum/GL/Framebuffer.h>
#include <Magnum/GL/Mesh.h>
#include <Magnum/GL/MeshView.h>
#include <Magnum/GL/OpenGL.h>
#include <Magnum/GL/Renderbuffer.h>
#include <Magnum/GL/RenderbufferFormat.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/Shader.h>
#include <Magnum/GL/Version.h>
#include <Magnum/Image.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include "GLTestContext.h"
#include "VelmoraEngine/Implementation/EngineAttributes.h"
#include "VelmoraEngine/Tools/MeshBatch.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;
using namespace Containers::Literals;

typedef Math::Vector2<Float> Vector2;
typedef Math::Vector3<Float> Vector3;

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

UnsignedInt gpuUnsignedInt(GL::Buffer& buffer, std::size_t offset) {
    UnsignedInt value;
    std::memcpy(&value, buffer.subData(offset, 4).data(), 4);
    return value;
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
    EXPECT_EQ(gpuUnsignedInt(batch.vertexBuffer(), 4), marker);
    EXPECT_EQ(gpuIndices(batch.indexBuffer(), 9)[0], marker);
    EXPECT_EQ(gpuIndices(batch.indexBuffer(), 9)[8], 8u);

    /* Smaller slack still fits: no reallocation, the marker stays */
    batch.reserveSlack(16, 16);
    EXPECT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.vertexBuffer().size(), 6*32 + 64*32);
    EXPECT_EQ(gpuUnsignedInt(batch.vertexBuffer(), 4), marker);

    /* Slack past the recorded capacity reallocates and uploads everything */
    batch.reserveSlack(16, 200);
    EXPECT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.vertexBuffer().size(), 9*32 + 200*32);
    EXPECT_NE(gpuUnsignedInt(batch.vertexBuffer(), 4), marker);

    /* The same pair again leaves nothing to do */
    batch.reserveSlack(16, 200);
    EXPECT_FALSE(batch.updateMesh());
}

TEST(MeshBatch, ReservingTheSamePairTwiceClearsTheMark) {
    REQUIRE_CONTEXT();
    const Trade::MeshData a = batchMesh(3, {0, 1, 2});
    MeshBatch batch;
    batch.addMesh(a);
    ASSERT_TRUE(batch.updateMesh());

    /* Repeating the stored pair clears the changed mark, so the slack waits
       for the next change of the data */
    batch.reserveSlack(8, 8).reserveSlack(8, 8);
    EXPECT_FALSE(batch.updateMesh());
    EXPECT_EQ(batch.vertexBuffer().size(), 3*32);

    batch.reserveSlack(8, 9);
    EXPECT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.vertexBuffer().size(), 3*32 + 9*32);
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
    EXPECT_EQ(gpuUnsignedInt(batch.vertexBuffer(), 3*32 + 20), 6u);
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
        Trade::MeshAttributeData{Implementation::JointIds0, VertexFormat::Vector4us, 12, 3, 40},
        Trade::MeshAttributeData{Implementation::Weights0, VertexFormat::Vector4, 20, 3, 40},
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

TEST(MeshBatch, MovedFromBatchIsEmpty) {
    REQUIRE_CONTEXT();
    const Trade::MeshData a = batchMesh(3, {0, 1, 2});
    MeshBatch batch;
    batch.reserveSlack(4, 4).addMeshes({a, a});
    /* Moved with changes pending, which the new batch takes along */
    MeshBatch moved{std::move(batch)};
    EXPECT_EQ(moved.meshCount(), 2u);
    EXPECT_TRUE(moved.updateMesh());

    EXPECT_EQ(batch.meshCount(), 0u);
    EXPECT_TRUE(batch.empty());
    EXPECT_EQ(batch.vertexSize(), 32u);
    EXPECT_FALSE(batch.updateMesh());
    EXPECT_EQ(batch.mesh().id(), 0u);

    /* And it works as a new batch of the same layout */
    batch.addMesh(a);
    EXPECT_TRUE(batch.updateMesh());
    EXPECT_EQ(batch.mesh().count(), 3);
    EXPECT_EQ(batch.mesh(0).count, 3u);
    EXPECT_EQ(gpuIndices(batch.indexBuffer(), 3), (std::vector<UnsignedInt>{0, 1, 2}));
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
                "}\n"_s);
            frag.addSource(
                "flat in uint id;\n"
                "out vec4 color;\n"
                "void main() { color = vec4(float(id)/255.0, 0.0, 0.0, 1.0); }\n"_s);
            CORRADE_INTERNAL_ASSERT_OUTPUT(vert.compile());
            CORRADE_INTERNAL_ASSERT_OUTPUT(frag.compile());
            attachShaders({vert, frag});
            CORRADE_INTERNAL_ASSERT_OUTPUT(link());
        }

        void drawView(GL::MeshView view) { draw(view); }
};

/* A quad covering pixel column @p column of a 4x1 target, indexed or as six
   vertices */
Trade::MeshData pixelQuad(Int column, bool indexed = true) {
    const Float left = -1.0f + 0.5f*Float(column), right = left + 0.5f;
    const Vector3 corners[]{{left, -1.0f, 0.0f}, {right, -1.0f, 0.0f}, {right, 1.0f, 0.0f}, {left, 1.0f, 0.0f}};
    const UnsignedByte indices[]{0, 1, 2, 0, 2, 3};
    if(!indexed) {
        Containers::Array<char> vertexData{ValueInit, 6*12};
        const Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData);
        for(std::size_t i = 0; i != 6; ++i) positions[i] = corners[indices[i]];
        return Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexData), {
            Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 6, 12}
        }};
    }
    Containers::Array<char> vertexData{ValueInit, 4*12};
    std::memcpy(vertexData.data(), corners, sizeof(corners));
    Containers::Array<char> indexData{NoInit, 6};
    std::memcpy(indexData.data(), indices, 6);
    const Trade::MeshIndexData indexView{Containers::arrayCast<const UnsignedByte>(indexData)};
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indexView, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 4, 12}
    }};
}

struct Target {
    explicit Target(): framebuffer{{{}, {4, 1}}} {
        renderbuffer.setStorage(GL::RenderbufferFormat::RGBA8, {4, 1});
        framebuffer.attachRenderbuffer(GL::Framebuffer::ColorAttachment{0}, renderbuffer)
            .mapForDraw(GL::Framebuffer::ColorAttachment{0});
    }

    /* The object id drawn into each of the four pixels, 0 where nothing is */
    std::vector<UnsignedByte> draw(GL::MeshView view) {
        /* A new context clears to 0x1f1f1f, ids need a zero background */
        GL::Renderer::setClearColor(Color4{0.0f});
        framebuffer.clear(GL::FramebufferClear::Color)
            .bind();
        shader.drawView(view);
        Image2D image = framebuffer.read({{}, {4, 1}}, {PixelFormat::RGBA8Unorm});
        std::vector<UnsignedByte> out;
        for(std::size_t i = 0; i != 4; ++i) out.push_back(image.pixels<Math::Vector4<UnsignedByte>>()[0][i].x());
        return out;
    }

    GL::Renderbuffer renderbuffer;
    GL::Framebuffer framebuffer;
    ObjectIdShader shader;
};

MeshBatch objectIdBatch() {
    return MeshBatch{getLayout(MeshDataFlag::Position3D|MeshDataFlag::ObjectId|MeshDataFlag::Normal|MeshDataFlag::Packed, 0)};
}

TEST(MeshBatch, RendersWithTheFixedLocations) {
    REQUIRE_CONTEXT();
    Target target;
    const Trade::MeshData q0 = pixelQuad(0), q1 = pixelQuad(1), q2 = pixelQuad(2);
    MeshBatch batch = objectIdBatch();
    batch.setObjectIdOffset(10).addMeshes({q0, q1, q2});
    ASSERT_TRUE(batch.updateMesh());

    EXPECT_EQ(target.draw(batch.meshRange(0, 3)), (std::vector<UnsignedByte>{10, 11, 12, 0}));
    EXPECT_EQ(target.draw(batch.mesh(1)), (std::vector<UnsignedByte>{0, 11, 0, 0}));
    EXPECT_EQ(target.draw(batch.meshRange(1, 2)), (std::vector<UnsignedByte>{0, 11, 12, 0}));

    /* After removing the first quad the others move forward, and so do
       their ids */
    batch.removeMeshes(0, 1);
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_EQ(target.draw(batch.meshRange(0, 2)), (std::vector<UnsignedByte>{0, 10, 11, 0}));
    EXPECT_EQ(target.draw(batch.mesh(1)), (std::vector<UnsignedByte>{0, 0, 11, 0}));

    /* A moved batch keeps drawing, its views follow the GL mesh */
    MeshBatch moved{std::move(batch)};
    EXPECT_EQ(moved.mesh(0)._mesh, &moved.mesh());
    EXPECT_EQ(target.draw(moved.mesh(0)), (std::vector<UnsignedByte>{0, 10, 0, 0}));
    moved.addMesh(q0);
    ASSERT_TRUE(moved.updateMesh());
    EXPECT_EQ(target.draw(moved.meshRange(0, 3)), (std::vector<UnsignedByte>{12, 10, 11, 0}));
}

TEST(MeshBatch, RendersANonIndexedBatch) {
    REQUIRE_CONTEXT();
    Target target;
    const Trade::MeshData q0 = pixelQuad(0, false), q1 = pixelQuad(1, false), q2 = pixelQuad(2, false), q3 = pixelQuad(3, false);
    MeshBatch batch = objectIdBatch();
    batch.setObjectIdOffset(20).addMeshes({q0, q1, q2, q3});
    ASSERT_TRUE(batch.updateMesh());
    ASSERT_FALSE(batch.mesh().isIndexed());

    /* Every draw starts at its own base vertex */
    EXPECT_EQ(target.draw(batch.mesh(2)), (std::vector<UnsignedByte>{0, 0, 22, 0}));
    EXPECT_EQ(target.draw(batch.mesh(3)), (std::vector<UnsignedByte>{0, 0, 0, 23}));
    EXPECT_EQ(target.draw(batch.meshRange(1, 2)), (std::vector<UnsignedByte>{0, 21, 22, 0}));
    EXPECT_EQ(target.draw(batch.meshRange(0, 4)), (std::vector<UnsignedByte>{20, 21, 22, 23}));

    batch.removeMeshes(1, 2);
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_EQ(target.draw(batch.mesh(1)), (std::vector<UnsignedByte>{0, 0, 0, 21}));
    EXPECT_EQ(target.draw(batch.meshRange(0, 2)), (std::vector<UnsignedByte>{20, 0, 0, 21}));
}

TEST(MeshBatch, BecomingIndexedRedoesEveryView) {
    REQUIRE_CONTEXT();
    Target target;
    const Trade::MeshData q0 = pixelQuad(0, false), q1 = pixelQuad(1, false), q2 = pixelQuad(2);
    MeshBatch batch = objectIdBatch();
    batch.setObjectIdOffset(30).addMeshes({q0, q1});
    ASSERT_TRUE(batch.updateMesh());
    ASSERT_FALSE(batch.mesh().isIndexed());

    /* The older meshes get trivial indices, and their views have to draw
       those instead of the vertex ranges they had */
    batch.addMesh(q2);
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_TRUE(batch.mesh().isIndexed());
    EXPECT_EQ(target.draw(batch.mesh(0)), (std::vector<UnsignedByte>{30, 0, 0, 0}));
    EXPECT_EQ(target.draw(batch.mesh(1)), (std::vector<UnsignedByte>{0, 31, 0, 0}));
    EXPECT_EQ(target.draw(batch.mesh(2)), (std::vector<UnsignedByte>{0, 0, 32, 0}));
    EXPECT_EQ(target.draw(batch.meshRange(0, 3)), (std::vector<UnsignedByte>{30, 31, 32, 0}));
}

TEST(MeshBatch, RefillingAnEmptiedIndexedBatchWithoutIndices) {
    REQUIRE_CONTEXT();
    Target target;
    const Trade::MeshData indexed = pixelQuad(0), q1 = pixelQuad(1, false), q3 = pixelQuad(3, false);
    MeshBatch batch = objectIdBatch();
    batch.setObjectIdOffset(40).addMesh(indexed);
    ASSERT_TRUE(batch.updateMesh());
    ASSERT_TRUE(batch.mesh().isIndexed());

    batch.removeAll().addMeshes({q1, q3});
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_FALSE(batch.meshData().isIndexed());
    EXPECT_FALSE(batch.mesh().isIndexed());
    EXPECT_EQ(target.draw(batch.mesh(1)), (std::vector<UnsignedByte>{0, 0, 0, 41}));
    EXPECT_EQ(target.draw(batch.meshRange(0, 2)), (std::vector<UnsignedByte>{0, 40, 0, 41}));

    /* And back to indexed */
    batch.addMesh(indexed);
    ASSERT_TRUE(batch.updateMesh());
    EXPECT_TRUE(batch.mesh().isIndexed());
    EXPECT_EQ(target.draw(batch.meshRange(0, 3)), (std::vector<UnsignedByte>{42, 40, 0, 41}));
}

/* What GL has bound at one attribute location of a mesh's vertex array */
struct Binding {
    GLint enabled, size, type, normalized, integer, stride;
    std::size_t offset;
};

Binding queryBinding(GL::Mesh& mesh, UnsignedInt location) {
    GLint previous;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &previous);
    glBindVertexArray(mesh.id());
    Binding out{};
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &out.enabled);
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_SIZE, &out.size);
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_TYPE, &out.type);
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_NORMALIZED, &out.normalized);
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_INTEGER, &out.integer);
    /* Stride and offset live in the attribute's buffer binding, whether the
       attribute was set up through a pointer or through a binding point */
    GLint binding, relativeOffset, bindingStride;
    GLint64 bindingOffset;
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_BINDING, &binding);
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_RELATIVE_OFFSET, &relativeOffset);
    glGetInteger64i_v(GL_VERTEX_BINDING_OFFSET, GLuint(binding), &bindingOffset);
    glGetIntegeri_v(GL_VERTEX_BINDING_STRIDE, GLuint(binding), &bindingStride);
    out.stride = bindingStride;
    out.offset = std::size_t(bindingOffset) + std::size_t(relativeOffset);
    /* Magnum tracks the bound vertex array, so it gets back what it had */
    glBindVertexArray(GLuint(previous));
    return out;
}

struct ExpectedBinding {
    UnsignedInt location;
    GLint size;
    GLenum type;
    bool normalized, integer;
    std::size_t offset;
};

struct CompileMeshCase {
    const char* name;
    MeshDataFlags flags;
    std::vector<ExpectedBinding> bound;
};

/* Every location of the table, once in the packed and once in the float
   encodings; anything not listed has to stay unbound */
const CompileMeshCase CompileMeshCases[]{
    {"Packed", MeshDataFlag::Packed|MeshDataFlag::Position3D|MeshDataFlag::TextureCoordinates|MeshDataFlag::TextureCoordinates1|MeshDataFlag::Color|MeshDataFlag::Tangent|MeshDataFlag::ObjectId|MeshDataFlag::Normal|MeshDataFlag::Skinning0|MeshDataFlag::Skinning1, {
        {0, 3, GL_FLOAT, false, false, 0},
        {1, 2, GL_FLOAT, false, false, 12},
        {10, 2, GL_FLOAT, false, false, 20},
        {2, 4, GL_UNSIGNED_SHORT, true, false, 28},
        {3, 4, GL_SHORT, true, false, 36},
        {4, 1, GL_UNSIGNED_INT, false, true, 44},
        {5, 3, GL_SHORT, true, false, 48},
        {6, 4, GL_UNSIGNED_SHORT, false, true, 56},
        {7, 4, GL_UNSIGNED_SHORT, true, false, 64},
        {8, 4, GL_UNSIGNED_SHORT, false, true, 72},
        {9, 4, GL_UNSIGNED_SHORT, true, false, 80}}},
    {"Float", MeshDataFlag::Position2D|MeshDataFlag::TextureCoordinates|MeshDataFlag::Color|MeshDataFlag::Tangent|MeshDataFlag::ObjectId|MeshDataFlag::Normal|MeshDataFlag::Skinning0|MeshDataFlag::Skinning1, {
        {0, 2, GL_FLOAT, false, false, 0},
        {1, 2, GL_FLOAT, false, false, 8},
        {2, 4, GL_FLOAT, false, false, 16},
        {3, 4, GL_FLOAT, false, false, 32},
        {4, 1, GL_UNSIGNED_INT, false, true, 48},
        {5, 3, GL_FLOAT, false, false, 52},
        {6, 4, GL_UNSIGNED_SHORT, false, true, 64},
        {7, 4, GL_FLOAT, false, false, 72},
        {8, 4, GL_UNSIGNED_SHORT, false, true, 88},
        {9, 4, GL_FLOAT, false, false, 96}}},
};

void PrintTo(const CompileMeshCase& data, std::ostream* out) { *out << data.name; }

class CompileMeshTest: public testing::TestWithParam<CompileMeshCase> {};

TEST_P(CompileMeshTest, BindsEveryAttributeAtItsLocation) {
    REQUIRE_CONTEXT();
    const CompileMeshCase& data = GetParam();
    const Containers::Array<Trade::MeshAttributeData> layout = getLayout(data.flags, 1);
    const UnsignedInt stride = layout[0].stride();
    const Trade::MeshData mesh{MeshPrimitive::Triangles, Containers::Array<char>{ValueInit, stride}, Trade::meshAttributeDataNonOwningArray(layout)};
    GL::Buffer buffer{GL::Buffer::TargetHint::Array};
    buffer.setData(mesh.vertexData());
    GL::Mesh glMesh = compileMesh(mesh, buffer);

    bool expectedAt[16]{};
    for(const ExpectedBinding& expected: data.bound) {
        SCOPED_TRACE(expected.location);
        expectedAt[expected.location] = true;
        const Binding binding = queryBinding(glMesh, expected.location);
        EXPECT_TRUE(binding.enabled);
        EXPECT_EQ(binding.size, expected.size);
        EXPECT_EQ(GLenum(binding.type), expected.type);
        EXPECT_EQ(bool(binding.normalized), expected.normalized);
        EXPECT_EQ(bool(binding.integer), expected.integer);
        EXPECT_EQ(UnsignedInt(binding.stride), stride);
        EXPECT_EQ(binding.offset, expected.offset);
    }
    /* The padding behind the packed normal, and every unused location */
    for(UnsignedInt location = 0; location != 16; ++location) if(!expectedAt[location]) {
        SCOPED_TRACE(location);
        EXPECT_FALSE(queryBinding(glMesh, location).enabled);
    }
}

INSTANTIATE_TEST_SUITE_P(MeshBatch, CompileMeshTest, testing::ValuesIn(CompileMeshCases),
    [](const testing::TestParamInfo<CompileMeshCase>& info) { return std::string{info.param.name}; });

TEST(MeshBatch, CompileMeshPrimitivesAndExtraTextureCoordinates) {
    REQUIRE_CONTEXT();
    GL::Buffer buffer{GL::Buffer::TargetHint::Array};
    const Trade::MeshData noAttributes{MeshPrimitive::Lines, 3};
    GL::Mesh lines = compileMesh(noAttributes, buffer);
    EXPECT_EQ(lines.primitive(), GL::MeshPrimitive::Lines);
    EXPECT_FALSE(lines.isIndexed());

    /* A third texture coordinate set stays unbound, and skinning makes
       points of triangles */
    const Trade::MeshData three{MeshPrimitive::Triangles, Containers::Array<char>{ValueInit, 32}, {
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 0, 1, 32},
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 8, 1, 32},
        Trade::MeshAttributeData{Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 16, 1, 32},
        Trade::MeshAttributeData{Implementation::JointIds0, VertexFormat::Vector4us, 24, 1, 32},
    }};
    GL::Mesh glMesh = compileMesh(three, buffer);
    EXPECT_EQ(glMesh.primitive(), GL::MeshPrimitive::Points);
    EXPECT_EQ(queryBinding(glMesh, 1).offset, 0u);
    EXPECT_EQ(queryBinding(glMesh, 10).offset, 8u);
    EXPECT_EQ(queryBinding(glMesh, 6).offset, 24u);
    for(UnsignedInt location: {0u, 2u, 3u, 4u, 5u, 7u, 8u, 9u, 11u, 12u})
        EXPECT_FALSE(queryBinding(glMesh, location).enabled) << location;
}

/* Seeded random appends, removals, slack changes and updates, switching
   between indexed and non-indexed meshes and between index types. After
   each update the GPU buffers have to hold the CPU data, every vertex the
   id of its mesh, and every view has to draw exactly its mesh. */
struct ModelMesh {
    /* Positions in draw order, with the indices applied */
    std::vector<Vector3> drawn;
};

Trade::MeshData randomMesh(std::mt19937& random, UnsignedInt serial, std::vector<Vector3>& drawn) {
    const UnsignedInt vertexCount = 1 + random()%6;
    const UnsignedInt indexKind = random()%4;
    Containers::Array<char> vertexData{ValueInit, vertexCount*12};
    const Containers::ArrayView<Vector3> positions = Containers::arrayCast<Vector3>(vertexData);
    for(UnsignedInt i = 0; i != vertexCount; ++i)
        positions[i] = {Float(serial), Float(i), 0.0f};
    Containers::Array<Trade::MeshAttributeData> attributes{InPlaceInit, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, vertexCount, 12}}};

    drawn.clear();
    if(indexKind == 3) {
        for(UnsignedInt i = 0; i != vertexCount; ++i) drawn.push_back(positions[i]);
        return Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexData), std::move(attributes)};
    }

    const UnsignedInt indexCount = 3*(1 + random()%3);
    const MeshIndexType type = indexKind == 0 ? MeshIndexType::UnsignedByte :
        indexKind == 1 ? MeshIndexType::UnsignedShort : MeshIndexType::UnsignedInt;
    const UnsignedInt size = meshIndexTypeSize(type);
    Containers::Array<char> indexData{ValueInit, indexCount*size};
    for(UnsignedInt i = 0; i != indexCount; ++i) {
        const UnsignedInt index = random()%vertexCount;
        /* Little-endian, the low bytes of the value */
        std::memcpy(indexData.data() + i*size, &index, size);
        drawn.push_back(positions[index]);
    }
    const Trade::MeshIndexData indices{type, indexData};
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), std::move(attributes)};
}

void checkBatch(MeshBatch& batch, const std::vector<ModelMesh>& model, UnsignedInt objectIdOffset) {
    const Trade::MeshData& data = batch.meshData();
    ASSERT_EQ(batch.meshCount(), model.size());
    ASSERT_EQ(batch.mesh().isIndexed(), data.isIndexed());

    /* The GPU holds the CPU data */
    if(data.vertexData().size()) {
        Containers::Array<char> gpu = batch.vertexBuffer().subData(0, data.vertexData().size());
        ASSERT_EQ(std::memcmp(gpu.data(), data.vertexData().data(), gpu.size()), 0);
    }
    if(data.isIndexed() && data.indexData().size()) {
        Containers::Array<char> gpu = batch.indexBuffer().subData(0, data.indexData().size());
        ASSERT_EQ(std::memcmp(gpu.data(), data.indexData().data(), gpu.size()), 0);
    }

    const Containers::StridedArrayView1D<const Vector3> positions = data.attribute<Vector3>(Trade::MeshAttribute::Position);
    const Containers::StridedArrayView1D<const UnsignedInt> objectIds = data.attribute<UnsignedInt>(Trade::MeshAttribute::ObjectId);
    const auto drawnBy = [&](Int first, Int count, Int baseVertex, bool indexed) {
        std::vector<Vector3> out;
        for(Int i = first; i != first + count; ++i) {
            const UnsignedInt vertex = indexed ? data.indices<UnsignedInt>()[i] : UnsignedInt(baseVertex + i);
            out.push_back(positions[vertex]);
        }
        return out;
    };

    Int expectedTotal = 0;
    for(std::size_t i = 0; i != model.size(); ++i) {
        SCOPED_TRACE(i);
        const GL::MeshView view = batch.mesh(UnsignedInt(i));
        const bool indexed = batch.mesh().isIndexed();
        const std::vector<Vector3> drawn = indexed ?
            drawnBy(view.indexOffset(), view.count(), 0, true) :
            drawnBy(0, view.count(), view.baseVertex(), false);
        ASSERT_EQ(drawn, model[i].drawn);
        /* Every vertex the view draws carries the mesh's id */
        for(Int j = 0; j != view.count(); ++j) {
            const UnsignedInt vertex = indexed ? data.indices<UnsignedInt>()[view.indexOffset() + j] : UnsignedInt(view.baseVertex() + j);
            ASSERT_EQ(objectIds[vertex], objectIdOffset + i);
        }
        expectedTotal += Int(model[i].drawn.size());
    }
    EXPECT_EQ(batch.mesh().count(), expectedTotal);

    if(!model.empty()) {
        const GL::MeshView all = batch.meshRange(0, UnsignedInt(model.size()));
        EXPECT_EQ(all.count(), expectedTotal);
    }
}

TEST(MeshBatch, RandomOperationsMatchTheModel) {
    REQUIRE_CONTEXT();
    std::mt19937 random{20261206};
    MeshBatch batch{getLayout(MeshDataFlag::Position3D|MeshDataFlag::ObjectId, 0)};
    const UnsignedInt objectIdOffset = 1000;
    batch.setObjectIdOffset(objectIdOffset);
    std::vector<ModelMesh> model;
    UnsignedInt serial = 0;

    for(int step = 0; step != 300; ++step) {
        SCOPED_TRACE(step);
        const UnsignedInt operation = random()%20;
        if(operation < 7) {
            const UnsignedInt count = 1 + random()%3;
            std::vector<Trade::MeshData> meshes;
            std::vector<Containers::Reference<const Trade::MeshData>> references;
            meshes.reserve(count);
            for(UnsignedInt i = 0; i != count; ++i) {
                ModelMesh entry;
                meshes.push_back(randomMesh(random, serial++, entry.drawn));
                model.push_back(std::move(entry));
            }
            for(const Trade::MeshData& mesh: meshes) references.emplace_back(mesh);
            batch.addMeshes(Containers::arrayView(references.data(), references.size()));
        } else if(operation < 10 && !model.empty()) {
            const UnsignedInt first = random()%model.size();
            const UnsignedInt count = random()%(model.size() - first + 1);
            batch.removeMeshes(first, count);
            model.erase(model.begin() + first, model.begin() + first + count);
        } else if(operation == 10) {
            batch.removeAll();
            model.clear();
        } else if(operation < 13) {
            batch.reserveSlack(random()%40, random()%40);
        } else {
            batch.updateMesh();
            checkBatch(batch, model, objectIdOffset);
            if(testing::Test::HasFatalFailure()) return;
        }
    }
    batch.updateMesh();
    checkBatch(batch, model, objectIdOffset);
}

TEST(MeshBatchDeathTest, RemovingMoreThanThereIs) {
    const Trade::MeshData a = batchMesh(3, {0, 1, 2});
    MeshBatch batch;
    batch.addMeshes({a, a, a, a, a, a});
    EXPECT_DEATH(batch.removeMeshes(5, 3), "MeshBatch::removeMeshes\\(\\): Cannot remove 3 meshes after 5 with 6 meshes contained in batch");
}

TEST(MeshBatchDeathTest, ConvertingANullView) {
    EXPECT_DEATH(static_cast<void>(GL::MeshView(MeshView{})), "MeshView: Cannot convert to GL::MeshView, _mesh is nullptr");
}

TEST(MeshBatchDeathTest, RegionPastTheSlots) {
    const Trade::MeshData a = batchMesh(3, {0, 1, 2});
    MeshBatch batch;
    batch.addMeshes({a, a});
    EXPECT_DEATH(batch.indexBufferRegion(9), "Assertion index < _regions.size\\(\\) failed at VelmoraEngine/Utils/MemoryPartition.cpp:[0-9]+");
}

}}}
