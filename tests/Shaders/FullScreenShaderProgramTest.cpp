#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Iterable.h>
#include <Corrade/Containers/Reference.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>
#include <Corrade/Utility/Resource.h>
#include <Magnum/GL/AbstractShaderProgram.h>
#include <Magnum/GL/Framebuffer.h>
#include <Magnum/GL/Mesh.h>
#include <Magnum/GL/Renderbuffer.h>
#include <Magnum/GL/RenderbufferFormat.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/Shader.h>
#include <Magnum/GL/Texture.h>
#include <Magnum/GL/TextureFormat.h>
#include <Magnum/GL/Version.h>
#include <Magnum/Image.h>
#include <Magnum/ImageView.h>
#include <Magnum/Math/Color.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Sampler.h>

#include "GLTestContext.h"
#include "VelmoraEngine/Shaders/FullScreenShaderProgram.h"

/* Outside of any namespace, as the resource macros want */
static void unregisterShaderResources() {
    CORRADE_RESOURCE_FINALIZE(VelmoraEngineTools_SHADERS)
}

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;
using namespace Containers::Literals;

/* A target of @p size RGBA8 pixels, read back after each draw */
struct Target {
    explicit Target(const Vector2i& size): size{size}, framebuffer{{{}, size}} {
        renderbuffer.setStorage(GL::RenderbufferFormat::RGBA8, size);
        framebuffer.attachRenderbuffer(GL::Framebuffer::ColorAttachment{0}, renderbuffer)
            .mapForDraw(GL::Framebuffer::ColorAttachment{0});
    }

    Image2D read() { return framebuffer.read({{}, size}, {PixelFormat::RGBA8Unorm}); }

    /* Transparent black, which no draw here produces */
    void clear() {
        GL::Renderer::setClearColor(Color4{0.0f, 0.0f});
        framebuffer.clear(GL::FramebufferClear::Color);
    }

    Vector2i size;
    GL::Renderbuffer renderbuffer;
    GL::Framebuffer framebuffer;
};

TEST(FullScreenShaderProgram, ResourceGroupIsRegisteredAtLoad) {
    ASSERT_TRUE(Utility::Resource::hasGroup("VelmoraEditorShaders"));
    const Utility::Resource resources{"VelmoraEditorShaders"};
    EXPECT_TRUE(resources.getString("FullscreenTriangle.vert").contains("gl_VertexID"_s));
    EXPECT_TRUE(resources.getString("Bloom.frag").contains("KERNEL_SIZE"_s));
}

TEST(FullScreenShaderProgram, CoversTheViewportWithTextureCoordinates) {
    REQUIRE_CONTEXT();
    std::ostringstream out;
    Utility::Debug redirectDebug{&out};
    Shaders::FullScreenShaderProgram shader{"Coordinates", R"GLSL(
in highp vec2 textureCoordinates;
out lowp vec4 color;
void main() { color = vec4(textureCoordinates, 0.0, 1.0); }
)GLSL"_s};
    EXPECT_EQ(out.str(), "Compiling Coordinates\n");

    /* Every pixel is drawn, with coordinates running from 0 to 1 over the
       viewport, so the pixel centres get (i + 0.5)/8 */
    Target target{{8, 8}};
    target.framebuffer.bind();
    shader.draw();
    const Image2D image = target.read();
    for(Int y = 0; y != 8; ++y) for(Int x = 0; x != 8; ++x) {
        const Color4ub pixel = image.pixels<Color4ub>()[y][x];
        EXPECT_NEAR(pixel.r(), (x + 0.5f)/8.0f*255.0f, 1.0f) << x << ", " << y;
        EXPECT_NEAR(pixel.g(), (y + 0.5f)/8.0f*255.0f, 1.0f) << x << ", " << y;
        EXPECT_EQ(pixel.a(), 255);
    }
}

TEST(FullScreenShaderProgram, ViewportOffsetSizeMapsTheRectangle) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    /* uv of each fragment relative to the rectangle, as the atlas copy does */
    Shaders::FullScreenShaderProgram shader{"Rectangle", R"GLSL(
uniform vec4 viewportOffsetSize;
out lowp vec4 color;
void main() {
    vec2 uv = (gl_FragCoord.xy - viewportOffsetSize.xy)/viewportOffsetSize.zw;
    color = vec4(uv*64.0/255.0, 0.0, 1.0);
}
)GLSL"_s};
    Target target{{96, 96}};
    target.clear();
    target.framebuffer.setViewport({{16, 32}, {80, 96}});
    target.framebuffer.bind();
    shader.setViewportOffsetSize({16.0f, 32.0f}, {64.0f, 64.0f})
        .draw();
    const Image2D image = target.read();
    /* The fragment at (16.5, 32.5) gets uv 1/128, the centre of the first
       texel of a 64x64 source; 64*uv is then the texel index plus a half */
    for(Int y = 32; y != 96; ++y) for(Int x = 16; x != 80; ++x) {
        const Color4ub pixel = image.pixels<Color4ub>()[y][x];
        ASSERT_NEAR(pixel.r(), x - 16 + 0.5f, 0.51f) << x << ", " << y;
        ASSERT_NEAR(pixel.g(), y - 32 + 0.5f, 0.51f) << x << ", " << y;
    }
    /* Nothing outside the viewport */
    EXPECT_EQ(image.pixels<Color4ub>()[0][0].a(), 0);
    EXPECT_EQ(image.pixels<Color4ub>()[40][8].a(), 0);
    EXPECT_EQ(image.pixels<Color4ub>()[40][80].a(), 0);
}

TEST(FullScreenShaderProgram, RegistersTheGroupAgainWhenItIsGone) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    unregisterShaderResources();
    ASSERT_FALSE(Utility::Resource::hasGroup("VelmoraEditorShaders"));
    Shaders::FullScreenShaderProgram first{"First", "out lowp vec4 color;\nvoid main() { color = vec4(1.0); }\n"_s};
    EXPECT_TRUE(Utility::Resource::hasGroup("VelmoraEditorShaders"));
    Shaders::FullScreenShaderProgram second{"Second", "out lowp vec4 color;\nvoid main() { color = vec4(1.0); }\n"_s};

    Target target{{2, 2}};
    target.framebuffer.bind();
    second.draw();
    EXPECT_EQ(target.read().pixels<Color4ub>()[1][1], (Color4ub{255, 255, 255, 255}));
}

/* Bloom.frag from the group, with the full-screen vertex shader */
class BloomShader: public GL::AbstractShaderProgram {
    public:
        explicit BloomShader() {
            const Utility::Resource resources{"VelmoraEditorShaders"};
            GL::Shader vert{GL::Version::GL330, GL::Shader::Type::Vertex};
            GL::Shader frag{GL::Version::GL330, GL::Shader::Type::Fragment};
            vert.addSource(resources.getString("FullscreenTriangle.vert"));
            frag.addSource("#define KERNEL_SIZE 2\n#define WEIGHTS float[2](0.5, 0.25)\n#define NEW_GLSL\n"_s)
                .addSource(resources.getString("Bloom.frag"));
            CORRADE_INTERNAL_ASSERT_OUTPUT(vert.compile());
            CORRADE_INTERNAL_ASSERT_OUTPUT(frag.compile());
            attachShaders({vert, frag});
            CORRADE_INTERNAL_ASSERT_OUTPUT(link());
            setUniform(uniformLocation("sceneTexture"), 0);
            setUniform(uniformLocation("bloomTexture"), 1);
            _threshold = uniformLocation("threshold");
            _exposure = uniformLocation("exposure");
            _bloomIntensity = uniformLocation("bloomIntensity");
            _mask = uniformLocation("mask");
            _vertical = uniformLocation("vertical");
            _blend = uniformLocation("blend");
        }

        BloomShader& setPass(bool mask, bool vertical, bool blend, Float threshold, Float exposure, Float bloomIntensity) {
            setUniform(_mask, Int(mask));
            setUniform(_vertical, Int(vertical));
            setUniform(_blend, Int(blend));
            setUniform(_threshold, threshold);
            setUniform(_exposure, exposure);
            setUniform(_bloomIntensity, bloomIntensity);
            return *this;
        }

        void drawTriangle() {
            GL::Mesh mesh;
            mesh.setCount(3);
            draw(mesh);
        }

    private:
        Int _threshold, _exposure, _bloomIntensity, _mask, _vertical, _blend;
};

GL::Texture2D texture(const Vector2i& size, std::initializer_list<Color4ub> pixels) {
    GL::Texture2D out;
    out.setMinificationFilter(SamplerFilter::Nearest)
        .setMagnificationFilter(SamplerFilter::Nearest)
        .setWrapping(SamplerWrapping::ClampToEdge)
        .setStorage(1, GL::TextureFormat::RGBA8, size)
        .setSubImage(0, {}, ImageView2D{PixelFormat::RGBA8Unorm, size, Containers::arrayView(pixels.begin(), pixels.size())});
    return out;
}

TEST(FullScreenShaderProgram, BloomMaskedThresholdPass) {
    REQUIRE_CONTEXT();
    BloomShader shader;
    /* Bright, dark, bright: only the bright ones pass the threshold */
    GL::Texture2D scene = texture({3, 1}, {{255, 255, 255, 255}, {51, 51, 51, 255}, {255, 255, 255, 255}});
    scene.bind(0);
    Target target{{3, 1}};
    target.framebuffer.bind();
    shader.setPass(true, false, false, 0.5f, 1.0f, 1.0f).drawTriangle();
    const Image2D image = target.read();
    /* Middle: 0.5*0 + 0.25*1 + 0.25*1; left edge clamps: 0.5*1 + 0.25*1 + 0.25*0 */
    EXPECT_NEAR(image.pixels<Color4ub>()[0][1].r(), 127.5f, 1.0f);
    EXPECT_NEAR(image.pixels<Color4ub>()[0][0].r(), 191.25f, 1.0f);
    EXPECT_EQ(image.pixels<Color4ub>()[0][0].a(), 255);
}

TEST(FullScreenShaderProgram, BloomBlendPass) {
    REQUIRE_CONTEXT();
    BloomShader shader;
    GL::Texture2D scene = texture({1, 1}, {{64, 64, 64, 255}});
    GL::Texture2D bloom = texture({1, 1}, {{128, 128, 128, 255}});
    scene.bind(0);
    bloom.bind(1);
    Target target{{1, 1}};
    target.framebuffer.bind();
    shader.setPass(false, true, true, 0.0f, 1.5f, 2.0f).drawTriangle();
    /* All taps hit the one bloom texel: 0.5 + 2*0.25 = 1 times its value */
    const Float scenes = 64.0f/255.0f, blooms = 128.0f/255.0f;
    const Float expected = 1.0f - std::exp(-(scenes + 2.0f*blooms)*1.5f);
    EXPECT_NEAR(target.read().pixels<Color4ub>()[0][0].r(), expected*255.0f, 1.0f);
}

}}}
