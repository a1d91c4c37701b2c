#include <gtest/gtest.h>

#include <sstream>
#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/ArrayView.h>
#include <Corrade/Containers/Iterable.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Containers/StringIterable.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Image.h>
#include <Magnum/ImageView.h>
#include <Magnum/Mesh.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/PixelStorage.h>
#include <Magnum/VertexFormat.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/GL/AbstractShaderProgram.h>
#include <Magnum/GL/Buffer.h>
#include <Magnum/GL/Context.h>
#include <Magnum/GL/Extensions.h>
#include <Magnum/GL/Framebuffer.h>
#include <Magnum/GL/Mesh.h>
#include <Magnum/GL/MeshView.h>
#include <Magnum/GL/PixelFormat.h>
#include <Magnum/GL/Renderbuffer.h>
#include <Magnum/GL/RenderbufferFormat.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/Shader.h>
#include <Magnum/GL/Texture.h>
#include <Magnum/GL/TextureArray.h>
#include <Magnum/GL/TextureFormat.h>
#include <Magnum/GL/Version.h>
#include "GLTestContext.h"

namespace {

using namespace Corrade;
using namespace Magnum;

template<class T> std::string debugString(const T& value) {
    std::ostringstream out;
    Debug{&out} << value;
    return out.str();
}

TEST(CompatGLContext, VersionAndExtensions) {
    REQUIRE_CONTEXT();
    GL::Context& context = GL::Context::current();
    EXPECT_TRUE(GL::Context::hasCurrent());
    EXPECT_TRUE(context.isVersionSupported(GL::Version::GL330));
    EXPECT_GE(Int(context.version()), Int(GL::Version::GL330));
    EXPECT_FALSE(context.isVersionSupported(GL::Version::None));
    EXPECT_EQ(context.supportedVersion({GL::Version::GL330}), GL::Version::GL330);
    /* An unsupported version in front of a supported one is skipped */
    EXPECT_EQ(context.supportedVersion({GL::Version::None, GL::Version::GL330}), GL::Version::GL330);
    EXPECT_FALSE(context.versionString().isEmpty());
    EXPECT_FALSE(context.rendererString().isEmpty());
    EXPECT_FALSE(context.vendorString().isEmpty());
    /* Core in 4.3, so supported on anything that new */
    if(context.isVersionSupported(GL::Version::GL430)) {
        EXPECT_TRUE(context.isExtensionSupported<GL::Extensions::ARB::invalidate_subdata>());
    }
    /* Nothing is supported for a GLSL version below the one it needs */
    EXPECT_FALSE(context.isExtensionSupported<GL::Extensions::ARB::texture_compression_bptc>(GL::Version::GL210));
}

}

namespace VelmoraEngine { namespace Test { namespace {

/* Declared before every test that sets a clear colour, as the context is
   shared by the whole binary */
TEST(CompatGLContext, InitialClearColorIsDarkGrey) {
    REQUIRE_CONTEXT();
    GL::Renderbuffer renderbuffer;
    renderbuffer.setStorage(GL::RenderbufferFormat::RGBA8, {1, 1});
    GL::Framebuffer framebuffer{{{}, {1, 1}}};
    framebuffer.attachRenderbuffer(GL::Framebuffer::ColorAttachment{0}, renderbuffer);
    framebuffer.clear(GL::FramebufferClear::Color);
    Image2D image = framebuffer.read({{}, {1, 1}}, {PixelFormat::RGBA8Unorm});
    EXPECT_EQ(image.pixels<Color4ub>()[0][0], (Color4ub{0x1f, 0x1f, 0x1f, 0xff}));
}

}}}

namespace {

TEST(CompatGLVersion, Encoding) {
    EXPECT_EQ(GL::version(4, 3), GL::Version::GL430);
    EXPECT_EQ(Int(GL::Version::GL330), 330);
    EXPECT_EQ(GL::version(GL::Version::GLES300).first(), 3);
    EXPECT_EQ(GL::version(GL::Version::GLES300).second(), 0);
    EXPECT_TRUE(GL::isVersionES(GL::Version::GLES200));
    EXPECT_FALSE(GL::isVersionES(GL::Version::GL460));
    EXPECT_STREQ(GL::Extensions::ARB::invalidate_subdata::string(), "GL_ARB_invalidate_subdata");
    EXPECT_EQ(GL::Extensions::ARB::invalidate_subdata::coreVersion(), GL::Version::GL430);
}

TEST(CompatGLBuffer, DataRoundTrip) {
    REQUIRE_CONTEXT();
    GL::Buffer buffer{GL::Buffer::TargetHint::Array};
    EXPECT_NE(buffer.id(), 0u);
    const char data[]{1, 2, 3, 4, 5, 6, 7, 8};
    buffer.setData(data, GL::BufferUsage::DynamicDraw);
    EXPECT_EQ(buffer.size(), 8);

    const char update[]{9, 10};
    buffer.setSubData(3, update);
    Containers::Array<char> all = buffer.data();
    ASSERT_EQ(all.size(), 8u);
    const char expected[]{1, 2, 3, 9, 10, 6, 7, 8};
    for(std::size_t i = 0; i != 8; ++i) EXPECT_EQ(all[i], expected[i]) << i;

    Containers::Array<char> part = buffer.subData(2, 3);
    ASSERT_EQ(part.size(), 3u);
    EXPECT_EQ(part[0], 3);
    EXPECT_EQ(part[1], 9);
    EXPECT_EQ(part[2], 10);
}

TEST(CompatGLBuffer, AllocateWithoutDataAndInvalidate) {
    REQUIRE_CONTEXT();
    GL::Buffer buffer{GL::Buffer::TargetHint::ElementArray};
    buffer.setData({nullptr, 64}, GL::BufferUsage::DynamicDraw);
    EXPECT_EQ(buffer.size(), 64);
    const UnsignedInt value = 0xdeadbeef;
    buffer.setSubData(60, Containers::arrayView(&value, 1));
    buffer.invalidateSubData(0, 32);
    EXPECT_EQ(buffer.size(), 64);
    /* Data outside of the invalidated range stays */
    Containers::Array<char> tail = buffer.subData(60, 4);
    EXPECT_EQ(*reinterpret_cast<const UnsignedInt*>(tail.data()), 0xdeadbeef);
    buffer.invalidateData();
    EXPECT_EQ(buffer.size(), 64);
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

TEST(CompatGLBuffer, Move) {
    REQUIRE_CONTEXT();
    GL::Buffer a{GL::Buffer::TargetHint::ElementArray};
    const UnsignedInt id = a.id();
    GL::Buffer b{Utility::move(a)};
    EXPECT_EQ(a.id(), 0u);
    EXPECT_EQ(b.id(), id);
    EXPECT_EQ(b.targetHint(), GL::Buffer::TargetHint::ElementArray);

    GL::Buffer c{NoCreate};
    EXPECT_EQ(c.id(), 0u);
    c = Utility::move(b);
    EXPECT_EQ(c.id(), id);
}

TEST(CompatGLRenderer, ErrorAfterBadCall) {
    REQUIRE_CONTEXT();
    GL::Renderer::error();
    GL::Buffer buffer;
    buffer.setData({nullptr, 4});
    const char data[8]{};
    /* Writing past the end is an invalid value */
    buffer.setSubData(2, data);
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::InvalidValue);
    /* Reading the error clears it */
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

TEST(CompatGLDebug, EnumOutput) {
    EXPECT_EQ(debugString(GL::Renderer::Error::InvalidValue), "GL::Renderer::Error::InvalidValue\n");
    EXPECT_EQ(debugString(GL::Renderer::Error::NoError), "GL::Renderer::Error::NoError\n");
    EXPECT_EQ(debugString(GL::TextureFormat::RGBA8), "GL::TextureFormat::RGBA8\n");
    EXPECT_EQ(debugString(GL::TextureFormat::R16UI), "GL::TextureFormat::R16UI\n");
    EXPECT_EQ(debugString(GL::TextureFormat::CompressedRGBAS3tcDxt5), "GL::TextureFormat::CompressedRGBAS3tcDxt5\n");
    EXPECT_EQ(debugString(GL::MeshPrimitive::Triangles), "GL::MeshPrimitive::Triangles\n");
    EXPECT_EQ(debugString(GL::MeshIndexType::UnsignedShort), "GL::MeshIndexType::UnsignedShort\n");
}

TEST(CompatGLMapping, GenericToGL) {
    EXPECT_EQ(GL::meshPrimitive(MeshPrimitive::Triangles), GL::MeshPrimitive::Triangles);
    EXPECT_EQ(GL::meshPrimitive(MeshPrimitive::LineStrip), GL::MeshPrimitive::LineStrip);
    EXPECT_EQ(GL::meshPrimitive(MeshPrimitive::Points), GL::MeshPrimitive::Points);
    EXPECT_EQ(GL::meshPrimitive(meshPrimitiveWrap(GL::MeshPrimitive::Patches)), GL::MeshPrimitive::Patches);
    EXPECT_EQ(GL::meshIndexType(MeshIndexType::UnsignedByte), GL::MeshIndexType::UnsignedByte);
    EXPECT_EQ(GL::meshIndexType(MeshIndexType::UnsignedShort), GL::MeshIndexType::UnsignedShort);
    EXPECT_EQ(GL::meshIndexType(MeshIndexType::UnsignedInt), GL::MeshIndexType::UnsignedInt);

    EXPECT_EQ(GL::textureFormat(PixelFormat::RGBA8Unorm), GL::TextureFormat::RGBA8);
    EXPECT_EQ(GL::textureFormat(PixelFormat::R16UI), GL::TextureFormat::R16UI);
    EXPECT_EQ(GL::textureFormat(PixelFormat::RGBA8Srgb), GL::TextureFormat::SRGB8Alpha8);
    EXPECT_EQ(GL::textureFormat(PixelFormat::RG16F), GL::TextureFormat::RG16F);
    EXPECT_EQ(GL::textureFormat(CompressedPixelFormat::Bc3RGBAUnorm), GL::TextureFormat::CompressedRGBAS3tcDxt5);
    EXPECT_EQ(GL::textureFormat(CompressedPixelFormat::Bc7RGBAUnorm), GL::TextureFormat::CompressedRGBABptcUnorm);
    EXPECT_EQ(GL::textureFormat(CompressedPixelFormat::Astc4x4RGBAUnorm), GL::TextureFormat::CompressedRGBAAstc4x4);
    EXPECT_EQ(GL::textureFormat(CompressedPixelFormat::Etc2RGBA8Unorm), GL::TextureFormat::CompressedRGBA8Etc2Eac);

    EXPECT_EQ(GL::pixelFormat(PixelFormat::RGBA8Unorm), GL::PixelFormat::RGBA);
    EXPECT_EQ(GL::pixelType(PixelFormat::RGBA8Unorm), GL::PixelType::UnsignedByte);
    EXPECT_EQ(GL::pixelFormat(PixelFormat::R16UI), GL::PixelFormat::RedInteger);
    EXPECT_EQ(GL::pixelType(PixelFormat::R16UI), GL::PixelType::UnsignedShort);
    EXPECT_EQ(GL::pixelType(PixelFormat::RG16F), GL::PixelType::Half);
    EXPECT_EQ(GL::pixelFormatSize(GL::PixelFormat::RGB, GL::PixelType::UnsignedShort), 6u);
    EXPECT_EQ(GL::pixelFormatSize(GL::PixelFormat::RGBA, GL::PixelType::UnsignedInt2101010Rev), 4u);
    EXPECT_TRUE(GL::hasTextureFormat(PixelFormat::RGBA8Unorm));
}

TEST(CompatGLDynamicAttribute, FromVertexFormat) {
    const GL::DynamicAttribute normal{GL::DynamicAttribute::Kind::Generic, 5, VertexFormat::Vector3sNormalized};
    /* Normalized formats turn a generic attribute into a normalized one */
    EXPECT_EQ(normal.kind(), GL::DynamicAttribute::Kind::GenericNormalized);
    EXPECT_EQ(normal.location(), 5u);
    EXPECT_EQ(normal.components(), GL::DynamicAttribute::Components::Three);
    EXPECT_EQ(normal.dataType(), GL::DynamicAttribute::DataType::Short);
    EXPECT_EQ(normal.vectors(), 1u);

    const GL::DynamicAttribute joints{GL::DynamicAttribute::Kind::Integral, 6, VertexFormat::Vector4us};
    EXPECT_EQ(joints.kind(), GL::DynamicAttribute::Kind::Integral);
    EXPECT_EQ(joints.components(), GL::DynamicAttribute::Components::Four);
    EXPECT_EQ(joints.dataType(), GL::DynamicAttribute::DataType::UnsignedShort);

    const GL::DynamicAttribute uv{GL::DynamicAttribute::Kind::Generic, 1, VertexFormat::Vector2};
    EXPECT_EQ(uv.kind(), GL::DynamicAttribute::Kind::Generic);
    EXPECT_EQ(uv.components(), GL::DynamicAttribute::Components::Two);
    EXPECT_EQ(uv.dataType(), GL::DynamicAttribute::DataType::Float);
    EXPECT_EQ(uv.vectorStride(), 8u);
}

/* Points at the pixel centers of a 4x1 target, each with its own color */
class PointShader: public GL::AbstractShaderProgram {
    public:
        explicit PointShader() {
            GL::Shader vert{GL::Version::GL330, GL::Shader::Type::Vertex};
            GL::Shader frag{GL::Version::GL330, GL::Shader::Type::Fragment};
            vert.addSource(
                "layout(location = 0) in vec2 position;\n"
                "layout(location = 1) in vec4 color;\n"
                "out vec4 interpolatedColor;\n"
                "void main() {\n"
                "    interpolatedColor = color;\n"
                "    gl_Position = vec4(position, 0.0, 1.0);\n"
                "}\n");
            frag.addSource(
                "in vec4 interpolatedColor;\n"
                "uniform vec4 tint;\n"
                "out vec4 fragmentColor;\n"
                "void main() { fragmentColor = interpolatedColor*tint; }\n");
            vert.submitCompile();
            frag.submitCompile();
            compiled = vert.checkCompile() && frag.checkCompile();
            attachShaders({vert, frag});
            linked = link();
            _tintUniform = uniformLocation("tint");
            setTint(Color4{1.0f});
        }

        PointShader& setTint(const Color4& color) {
            setUniform(_tintUniform, color);
            return *this;
        }

        bool compiled{}, linked{};

    private:
        Int _tintUniform{-1};
};

struct PointScene {
    explicit PointScene() {
        const Vector2 positions[]{{-0.75f, 0.0f}, {-0.25f, 0.0f}, {0.25f, 0.0f}, {0.75f, 0.0f}};
        const Color4ub colors[]{{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 255}};
        positionBuffer.setData(positions);
        colorBuffer.setData(colors);
        mesh.setPrimitive(MeshPrimitive::Points)
            .addVertexBuffer(positionBuffer, 0, sizeof(Vector2), GL::DynamicAttribute{GL::DynamicAttribute::Kind::Generic, 0, VertexFormat::Vector2})
            .addVertexBuffer(colorBuffer, 0, sizeof(Color4ub), GL::DynamicAttribute{GL::DynamicAttribute::Kind::Generic, 1, VertexFormat::Vector4ubNormalized});
    }

    GL::Buffer positionBuffer{GL::Buffer::TargetHint::Array};
    GL::Buffer colorBuffer{GL::Buffer::TargetHint::Array};
    GL::Mesh mesh;
};

struct RenderTarget {
    explicit RenderTarget() {
        renderbuffer.setStorage(GL::RenderbufferFormat::RGBA8, {4, 1});
        framebuffer.attachRenderbuffer(GL::Framebuffer::ColorAttachment{0}, renderbuffer)
            .mapForDraw(GL::Framebuffer::ColorAttachment{0});
    }

    Containers::Array<Color4ub> clearDrawRead(PointShader& shader, GL::Mesh& mesh) {
        framebuffer.clear(GL::FramebufferClear::Color);
        framebuffer.bind();
        shader.draw(mesh);
        return read();
    }

    Containers::Array<Color4ub> clearDrawRead(PointShader& shader, GL::MeshView& view) {
        framebuffer.clear(GL::FramebufferClear::Color);
        framebuffer.bind();
        shader.draw(view);
        return read();
    }

    Containers::Array<Color4ub> read() {
        Image2D image = framebuffer.read({{}, {4, 1}}, {PixelFormat::RGBA8Unorm});
        Containers::Array<Color4ub> out{ValueInit, 4};
        for(std::size_t i = 0; i != 4; ++i) out[i] = image.pixels<Color4ub>()[0][i];
        return out;
    }

    GL::Renderbuffer renderbuffer;
    GL::Framebuffer framebuffer{{{}, {4, 1}}};
};

const Color4ub Red{255, 0, 0, 255}, Green{0, 255, 0, 255}, Blue{0, 0, 255, 255}, White{255, 255, 255, 255}, Clear{0, 0, 0, 0};

TEST(CompatGLMesh, NonIndexedDrawAndViews) {
    REQUIRE_CONTEXT();
    PointShader shader;
    ASSERT_TRUE(shader.compiled);
    ASSERT_TRUE(shader.linked);
    PointScene scene;
    RenderTarget target;
    EXPECT_EQ(target.framebuffer.checkStatus(GL::FramebufferTarget::Draw), GL::Framebuffer::Status::Complete);
    GL::Renderer::setClearColor(Color4{0.0f, 0.0f});

    EXPECT_FALSE(scene.mesh.isIndexed());
    scene.mesh.setCount(4);
    {
        const Containers::Array<Color4ub> pixels = target.clearDrawRead(shader, scene.mesh);
        EXPECT_EQ(pixels[0], Red);
        EXPECT_EQ(pixels[1], Green);
        EXPECT_EQ(pixels[2], Blue);
        EXPECT_EQ(pixels[3], White);
    }

    /* A view over the middle two vertices */
    GL::MeshView view{scene.mesh};
    view.setCount(2).setBaseVertex(1);
    EXPECT_EQ(&view.mesh(), &scene.mesh);
    {
        const Containers::Array<Color4ub> pixels = target.clearDrawRead(shader, view);
        EXPECT_EQ(pixels[0], Clear);
        EXPECT_EQ(pixels[1], Green);
        EXPECT_EQ(pixels[2], Blue);
        EXPECT_EQ(pixels[3], Clear);
    }

    /* A uniform reaches the shader; a zero count draws nothing */
    shader.setTint(Color4{0.0f, 1.0f, 1.0f, 1.0f});
    view.setCount(1).setBaseVertex(3);
    {
        const Containers::Array<Color4ub> pixels = target.clearDrawRead(shader, view);
        EXPECT_EQ(pixels[3], (Color4ub{0, 255, 255, 255}));
        EXPECT_EQ(pixels[0], Clear);
    }
    view.setCount(0);
    {
        const Containers::Array<Color4ub> pixels = target.clearDrawRead(shader, view);
        for(const Color4ub& i: pixels) EXPECT_EQ(i, Clear);
    }
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

TEST(CompatGLMesh, IndexedDrawAndViews) {
    REQUIRE_CONTEXT();
    PointShader shader;
    PointScene scene;
    RenderTarget target;
    GL::Renderer::setClearColor(Color4{0.0f, 0.0f});

    /* The first two bytes are padding before the indices */
    const UnsignedShort indices[]{0xffff, 3, 0, 2};
    GL::Buffer indexBuffer{GL::Buffer::TargetHint::ElementArray};
    indexBuffer.setData(indices);
    scene.mesh.setIndexBuffer(indexBuffer, 2, MeshIndexType::UnsignedShort)
        .setCount(2);
    ASSERT_TRUE(scene.mesh.isIndexed());
    EXPECT_EQ(scene.mesh.indexType(), GL::MeshIndexType::UnsignedShort);
    EXPECT_EQ(meshIndexTypeSize(scene.mesh.indexType()), 2u);
    {
        const Containers::Array<Color4ub> pixels = target.clearDrawRead(shader, scene.mesh);
        EXPECT_EQ(pixels[0], Red);
        EXPECT_EQ(pixels[1], Clear);
        EXPECT_EQ(pixels[2], Clear);
        EXPECT_EQ(pixels[3], White);
    }

    /* Skipping the first index, counted in indices, not bytes */
    GL::MeshView view{scene.mesh};
    view.setCount(2).setIndexOffset(1);
    {
        const Containers::Array<Color4ub> pixels = target.clearDrawRead(shader, view);
        EXPECT_EQ(pixels[0], Red);
        EXPECT_EQ(pixels[1], Clear);
        EXPECT_EQ(pixels[2], Blue);
        EXPECT_EQ(pixels[3], Clear);
    }

    /* Base vertex shifts every index */
    view.setCount(1).setIndexOffset(1).setBaseVertex(1);
    {
        const Containers::Array<Color4ub> pixels = target.clearDrawRead(shader, view);
        EXPECT_EQ(pixels[0], Clear);
        EXPECT_EQ(pixels[1], Green);
    }
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

TEST(CompatGLMesh, OwnedBuffersAndMove) {
    REQUIRE_CONTEXT();
    PointShader shader;
    RenderTarget target;
    GL::Renderer::setClearColor(Color4{0.0f, 0.0f});

    const Vector2 positions[]{{0.25f, 0.0f}};
    const Color4ub colors[]{{10, 20, 30, 255}};
    GL::Buffer positionBuffer, colorBuffer;
    positionBuffer.setData(positions);
    colorBuffer.setData(colors);
    GL::Mesh mesh{GL::MeshPrimitive::Points};
    mesh.addVertexBuffer(Utility::move(positionBuffer), 0, sizeof(Vector2), GL::DynamicAttribute{GL::DynamicAttribute::Kind::Generic, 0, GL::DynamicAttribute::Components::Two, GL::DynamicAttribute::DataType::Float})
        .addVertexBuffer(Utility::move(colorBuffer), 0, 4, GL::DynamicAttribute{GL::DynamicAttribute::Kind::GenericNormalized, 1, GL::DynamicAttribute::Components::Four, GL::DynamicAttribute::DataType::UnsignedByte})
        .setCount(1);
    EXPECT_EQ(mesh.primitive(), GL::MeshPrimitive::Points);

    GL::Mesh moved{NoCreate};
    EXPECT_EQ(moved.id(), 0u);
    moved = Utility::move(mesh);
    const Containers::Array<Color4ub> pixels = target.clearDrawRead(shader, moved);
    EXPECT_EQ(pixels[2], (Color4ub{10, 20, 30, 255}));
    EXPECT_EQ(pixels[1], Clear);
}

TEST(CompatGLTexture, RenderIntoTextureAndReadBack) {
    REQUIRE_CONTEXT();
    PointShader shader;
    PointScene scene;
    scene.mesh.setCount(4);

    GL::Texture2D texture;
    texture.setMinificationFilter(GL::SamplerFilter::Nearest)
        .setMagnificationFilter(GL::SamplerFilter::Nearest)
        .setWrapping(GL::SamplerWrapping::ClampToEdge)
        .setStorage(1, GL::TextureFormat::RGBA8, {4, 1});
    EXPECT_EQ(texture.imageSize(0), (Vector2i{4, 1}));

    GL::Framebuffer framebuffer{{{}, {4, 1}}};
    framebuffer.attachTexture(GL::Framebuffer::ColorAttachment{0}, texture, 0)
        .mapForDraw(GL::Framebuffer::ColorAttachment{0});
    GL::Renderer::setClearColor(Color4{0.0f, 0.0f});
    framebuffer.clear(GL::FramebufferClear::Color);
    framebuffer.bind();
    shader.draw(scene.mesh);

    Image2D image = texture.image(0, {PixelFormat::RGBA8Unorm});
    EXPECT_EQ(image.size(), (Vector2i{4, 1}));
    EXPECT_EQ(image.format(), PixelFormat::RGBA8Unorm);
    EXPECT_EQ((image.pixels<Color4ub>()[0][0]), Red);
    EXPECT_EQ((image.pixels<Color4ub>()[0][3]), White);
    EXPECT_GE(GL::Texture2D::maxSize().x(), 1024);
}

TEST(CompatGLTexture, IntegerTextureWithByteAlignment) {
    REQUIRE_CONTEXT();
    GL::Texture2D texture;
    texture.setStorage(1, GL::TextureFormat::R16UI, {3, 2});
    /* Rows of 6 bytes need an alignment of 2 or less */
    const UnsignedShort data[]{1, 2, 3, 4000, 5000, 65535};
    texture.setSubImage(0, {}, ImageView2D{PixelStorage{}.setAlignment(1), PixelFormat::R16UI, {3, 2}, data});

    Image2D image{PixelStorage{}.setAlignment(1), PixelFormat::R16UI};
    texture.image(0, image);
    ASSERT_EQ(image.size(), (Vector2i{3, 2}));
    EXPECT_EQ((image.pixels<UnsignedShort>()[0][0]), 1);
    EXPECT_EQ((image.pixels<UnsignedShort>()[0][2]), 3);
    EXPECT_EQ((image.pixels<UnsignedShort>()[1][0]), 4000);
    EXPECT_EQ((image.pixels<UnsignedShort>()[1][2]), 65535);
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

TEST(CompatGLTextureArray, StorageSubImageReadBack) {
    REQUIRE_CONTEXT();
    GL::Texture2DArray texture;
    texture.setMagnificationFilter(GL::SamplerFilter::Linear)
        .setMinificationFilter(GL::SamplerFilter::Linear, GL::SamplerMipmap::Linear)
        .setWrapping(GL::SamplerWrapping::Repeat)
        .setStorage(1, GL::TextureFormat::RGBA8, {4, 4, 3});
    EXPECT_EQ(texture.imageSize(0), (Vector3i{4, 4, 3}));

    Containers::Array<Color4ub> zeros{ValueInit, 4*4*3};
    texture.setSubImage(0, {}, ImageView3D{PixelFormat::RGBA8Unorm, {4, 4, 3}, zeros});
    const Color4ub patch[]{{1, 2, 3, 4}, {5, 6, 7, 8}};
    texture.setSubImage(0, {1, 2, 1}, ImageView3D{PixelFormat::RGBA8Unorm, {2, 1, 1}, patch});

    Image3D image = texture.image(0, {PixelFormat::RGBA8Unorm});
    ASSERT_EQ(image.size(), (Vector3i{4, 4, 3}));
    const Containers::StridedArrayView3D<const Color4ub> pixels = image.pixels<Color4ub>();
    EXPECT_EQ((pixels[1][2][1]), (Color4ub{1, 2, 3, 4}));
    EXPECT_EQ((pixels[1][2][2]), (Color4ub{5, 6, 7, 8}));
    /* Neighbors in the same and other layers stay untouched */
    EXPECT_EQ((pixels[1][2][0]), Clear);
    EXPECT_EQ((pixels[1][2][3]), Clear);
    EXPECT_EQ((pixels[0][2][1]), Clear);
    EXPECT_EQ((pixels[2][2][1]), Clear);
    EXPECT_EQ((pixels[1][1][1]), Clear);

    const Vector3i maxSize = GL::Texture2DArray::maxSize();
    EXPECT_GE(maxSize.x(), 1024);
    EXPECT_GE(maxSize.z(), 256);
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

TEST(CompatGLTextureArray, AttachLayerAndDraw) {
    REQUIRE_CONTEXT();
    PointShader shader;
    PointScene scene;
    scene.mesh.setCount(4);
    GL::Texture2DArray texture;
    texture.setStorage(1, GL::TextureFormat::RGBA8, {4, 1, 2});
    Containers::Array<Color4ub> zeros{ValueInit, 8};
    texture.setSubImage(0, {}, ImageView3D{PixelFormat::RGBA8Unorm, {4, 1, 2}, zeros});

    /* Draw only into the right half of layer 1 */
    GL::Framebuffer framebuffer{{{2, 0}, {4, 1}}};
    framebuffer.attachTextureLayer(GL::Framebuffer::ColorAttachment{0}, texture, 0, 1)
        .mapForDraw(GL::Framebuffer::ColorAttachment{0})
        .bind();
    /* The viewport maps the two right points onto pixels 2 and 3 */
    const Vector2 positions[]{{-0.5f, 0.0f}, {0.5f, 0.0f}};
    scene.positionBuffer.setSubData(0, positions);
    scene.mesh.setCount(2);
    shader.draw(scene.mesh);

    Image3D image = texture.image(0, {PixelFormat::RGBA8Unorm});
    const Containers::StridedArrayView3D<const Color4ub> pixels = image.pixels<Color4ub>();
    EXPECT_EQ((pixels[1][0][2]), Red);
    EXPECT_EQ((pixels[1][0][3]), Green);
    EXPECT_EQ((pixels[1][0][0]), Clear);
    EXPECT_EQ((pixels[0][0][2]), Clear);
}

TEST(CompatGLShader, CompileFailure) {
    REQUIRE_CONTEXT();
    GL::Shader shader{GL::Version::GL330, GL::Shader::Type::Fragment};
    shader.addSource("this is not GLSL\n");
    std::ostringstream out;
    bool compiled;
    {
        Error redirect{&out};
        compiled = shader.compile();
    }
    EXPECT_FALSE(compiled);
    EXPECT_NE(out.str().find("GL::Shader::compile(): compilation of fragment shader failed with the following message:"), std::string::npos) << out.str();
}

TEST(CompatGLShader, VersionDirective) {
    REQUIRE_CONTEXT();
    GL::Shader shader{GL::Version::GL330, GL::Shader::Type::Vertex};
    ASSERT_GE(shader.sources().size(), 1u);
    EXPECT_EQ(Containers::StringView{shader.sources()[0]}, "#version 330\n");
    EXPECT_EQ(shader.type(), GL::Shader::Type::Vertex);
}

}

namespace VelmoraEngine { namespace Test { namespace {

TEST(CompatGLFramebuffer, MapForDrawOutputsToAttachments) {
    REQUIRE_CONTEXT();
    PointShader shader;
    PointScene scene;
    scene.mesh.setCount(4);
    GL::Renderbuffer first, second;
    first.setStorage(GL::RenderbufferFormat::RGBA8, {4, 1});
    second.setStorage(GL::RenderbufferFormat::RGBA8, {4, 1});
    GL::Framebuffer framebuffer{{{}, {4, 1}}};
    framebuffer.attachRenderbuffer(GL::Framebuffer::ColorAttachment{0}, first)
        .attachRenderbuffer(GL::Framebuffer::ColorAttachment{1}, second)
        .mapForDraw({{0, GL::Framebuffer::ColorAttachment{0}},
                     {1, GL::Framebuffer::ColorAttachment{1}}});
    GL::Renderer::setClearColor(Color4{0.0f, 0.0f});
    framebuffer.clear(GL::FramebufferClear::Color);

    /* Output 0 goes to the second attachment only, the first keeps its
       clear colour */
    const Containers::Pair<UnsignedInt, GL::Framebuffer::DrawAttachment> mapping[]{
        {0, GL::Framebuffer::ColorAttachment{1}}
    };
    framebuffer.mapForDraw(mapping).bind();
    shader.draw(scene.mesh);

    framebuffer.mapForRead(GL::Framebuffer::ColorAttachment{0});
    Image2D firstImage = framebuffer.read({{}, {4, 1}}, {PixelFormat::RGBA8Unorm});
    framebuffer.mapForRead(GL::Framebuffer::ColorAttachment{1});
    Image2D secondImage = framebuffer.read({{}, {4, 1}}, {PixelFormat::RGBA8Unorm});
    EXPECT_EQ((firstImage.pixels<Color4ub>()[0][0]), (Color4ub{}));
    EXPECT_EQ((firstImage.pixels<Color4ub>()[0][3]), (Color4ub{}));
    EXPECT_EQ((secondImage.pixels<Color4ub>()[0][0]), (Color4ub{255, 0, 0, 255}));
    EXPECT_EQ((secondImage.pixels<Color4ub>()[0][3]), (Color4ub{255, 255, 255, 255}));
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

TEST(CompatGLShader, SourcesWithLineDirectives) {
    REQUIRE_CONTEXT();
    GL::Shader shader{GL::Version::GL330, GL::Shader::Type::Vertex};
    shader.addSource("a")
        .addSource("")
        .addSource("b");
    const Containers::StringIterable sources = shader.sources();
    /* An empty source adds nothing */
    ASSERT_EQ(sources.size(), 5u);
    EXPECT_EQ(sources.front(), "#version 330\n");
    EXPECT_EQ(sources[1], "#line 1 1\n");
    EXPECT_EQ(sources[2], "a");
    EXPECT_EQ(sources[3], "#line 1 2\n");
    EXPECT_EQ(sources.back(), "b");
}

TEST(CompatGLShader, SourcesBeforeGlsl330LineTheDirectiveIsOn) {
    REQUIRE_CONTEXT();
    GL::Shader shader{GL::Version::GL210, GL::Shader::Type::Fragment};
    shader.addSource("a");
    const Containers::StringIterable sources = shader.sources();
    ASSERT_GE(sources.size(), 3u);
    EXPECT_EQ(sources.front(), "#version 120\n");
    EXPECT_EQ(sources[sources.size() - 2], "#line 0 1\n");
    EXPECT_EQ(sources.back(), "a");
}

TEST(CompatGLShader, SourcesWithoutVersion) {
    REQUIRE_CONTEXT();
    GL::Shader shader{GL::Version::None, GL::Shader::Type::Vertex};
    EXPECT_TRUE(shader.sources().isEmpty());
    shader.addSource("#version 330\n")
        .addSource("b");
    const Containers::StringIterable sources = shader.sources();
    /* The first source gets an empty one in front, no #line */
    ASSERT_EQ(sources.size(), 4u);
    EXPECT_EQ(sources[0], "");
    EXPECT_EQ(sources[1], "#version 330\n");
    EXPECT_EQ(sources[2], "#line 1 1\n");
    EXPECT_EQ(sources[3], "b");

    /* Iteration visits the same views */
    std::size_t count = 0;
    for(const Containers::StringView source: sources) {
        EXPECT_EQ(source, sources[count]);
        ++count;
    }
    EXPECT_EQ(count, 4u);
    EXPECT_EQ(sources.end() - sources.begin(), 4);
}

}}}
