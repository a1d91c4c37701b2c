#include <cstring>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/GL/Context.h>
#include <Magnum/GL/Framebuffer.h>
#include <Magnum/GL/OpenGL.h>
#include <Magnum/GL/Renderbuffer.h>
#include <Magnum/GL/RenderbufferFormat.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/Texture.h>
#include <Magnum/GL/TextureArray.h>
#include <Magnum/GL/TextureFormat.h>
#include <Magnum/Image.h>
#include <Magnum/ImageView.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Range.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Sampler.h>

#include "GLTestContext.h"
#include "VelmoraEngine/Tools/TextureAtlas.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;

typedef Math::Vector4<UnsignedShort> Bounds;

/* Every texel of every layer, as RGBA8 */
Image3D readRgba(TextureAtlas& atlas) {
    return atlas.textureArray().image(0, Image3D{PixelFormat::RGBA8Unorm});
}

bool sameBytes(const Image3D& a, const Image3D& b) {
    return a.data().size() == b.data().size() && std::memcmp(a.data().data(), b.data().data(), a.data().size()) == 0;
}

Color4ub texel(const Image3D& image, Int x, Int y, Int layer) {
    return image.pixels<Color4ub>()[layer][y][x];
}

/* RGBA8 image whose texel (x, y) is (seed + x, seed + y, seed, 255) */
Image2D patternImage(const Vector2i& size, UnsignedByte seed) {
    Image2D image{PixelFormat::RGBA8Unorm, size, Containers::Array<char>{ValueInit, std::size_t(size.product()*4)}};
    for(Int y = 0; y != size.y(); ++y)
        for(Int x = 0; x != size.x(); ++x)
            image.pixels<Color4ub>()[y][x] = Color4ub{UnsignedByte(seed + x), UnsignedByte(seed + y), seed, 255};
    return image;
}

/* Texels outside @p rect of layer @p layer unchanged, inside equal to @p image */
void expectWritten(const Image3D& before, const Image3D& after, Int layer, const Range2Di& rect, const Image2D& image) {
    const Vector3i size = after.size();
    for(Int z = 0; z != size.z(); ++z) for(Int y = 0; y != size.y(); ++y) for(Int x = 0; x != size.x(); ++x) {
        const bool inside = z == layer && rect.contains({x, y});
        const Color4ub expected = inside ? image.pixels<Color4ub>()[y - rect.min().y()][x - rect.min().x()] : texel(before, x, y, z);
        ASSERT_EQ(texel(after, x, y, z), expected) << "at " << x << ", " << y << " in layer " << z;
    }
}

std::string constructionOutput(PixelFormat format, const Vector2i& size) {
    std::ostringstream out;
    Utility::Debug redirectDebug{&out};
    TextureAtlas atlas{format, size};
    return out.str();
}

TEST(TextureAtlas, DefaultAtlasHasNothing) {
    TextureAtlas atlas;
    EXPECT_EQ(atlas.textureCount(), 0);
    EXPECT_EQ(atlas.textureArray().id(), 0u);
    EXPECT_TRUE(atlas.textureBounds().isEmpty());
    /* Nothing to place into, and nothing is written without a context */
    std::ostringstream out;
    Utility::Warning redirectWarning{&out};
    EXPECT_EQ(atlas.reserveImage({4, 4}, false), -1);
    EXPECT_FALSE(atlas.setImage(0, patternImage({1, 1}, 0)));
}

TEST(TextureAtlas, ConstructionLines) {
    REQUIRE_CONTEXT();
    EXPECT_EQ(constructionOutput(PixelFormat::RGBA8Unorm, {1024, 512}),
        "Compiling TextureAtlasCopyShader\n"
        "Creating texture atlas with size Vector(1024, 512, 1) / Vector(1024, 512) and format GL::TextureFormat::RGBA8\n");

    std::ostringstream out;
    {
        Utility::Debug redirectDebug{&out};
        TextureAtlas atlas{CompressedPixelFormat::Bc3RGBAUnorm, {5000, 5000}};
        EXPECT_EQ(atlas.textureArray().imageSize(0), (Vector3i{4096, 4096, 2}));
    }
    EXPECT_EQ(out.str(),
        "Compiling TextureAtlasCopyShader\n"
        "Creating texture atlas with size Vector(4096, 4096, 2) / Vector(1024, 1024) and format GL::TextureFormat::CompressedRGBAS3tcDxt5\n");
}

TEST(TextureAtlas, ReservationsAndLayers) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::R8Unorm, {4096, 8192}};
    EXPECT_EQ(atlas.reserveImage({100, 100}, false), 0);
    EXPECT_EQ(atlas.textureBounds()[0], (Bounds{0, 0, 100, 100}));
    EXPECT_EQ(atlas.textureLayers()[0], 0u);

    /* Layer 0 is full after this, the next one goes to layer 1 at the origin */
    EXPECT_EQ(atlas.reserveImage({3996, 4096}, false), 1);
    EXPECT_EQ(atlas.reserveImage({100, 3996}, false), 2);
    EXPECT_EQ(atlas.reserveImage({16, 16}, false), 3);
    EXPECT_EQ(atlas.textureLayers()[3], 1u);
    EXPECT_EQ(atlas.textureBounds()[3], (Bounds{0, 0, 16, 16}));

    /* Nothing fits a whole layer anymore */
    std::ostringstream out;
    Utility::Warning redirectWarning{&out};
    EXPECT_EQ(atlas.reserveImage({4096, 4096}, false), -1);
    EXPECT_EQ(out.str(), "TextureAtlas::setImage(): insufficient atlas size, cannot add image of size: Vector(4096, 4096)\n");
    EXPECT_EQ(atlas.textureCount(), 4);
}

TEST(TextureAtlas, RequestsThatCanNeverFit) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::RGBA8Unorm, {64, 32}};
    std::ostringstream out;
    Utility::Warning redirectWarning{&out};
    /* Refused before anything is narrowed to 16 bits: 65600 would wrap to 64 */
    EXPECT_EQ(atlas.reserveImage({65600, 8}, false), -1);
    EXPECT_EQ(atlas.reserveImage({-8, 8}, false), -1);
    EXPECT_EQ(atlas.reserveImage({8, 33}, true), -1);
    EXPECT_EQ(out.str(),
        "TextureAtlas::setImage(): insufficient atlas size, cannot add image of size: Vector(65600, 8)\n"
        "TextureAtlas::setImage(): insufficient atlas size, cannot add image of size: Vector(-8, 8)\n"
        "TextureAtlas::setImage(): insufficient atlas size, cannot add image of size: Vector(8, 33)\n");
    EXPECT_EQ(atlas.textureCount(), 0);
    EXPECT_EQ(atlas.reserveImage({64, 32}, false), 0);
}

TEST(TextureAtlas, CompressedBoundsAreWholeBlocks) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{CompressedPixelFormat::Bc3RGBAUnorm, {64, 64}};
    EXPECT_EQ(atlas.reserveImage({10, 10}, false), 0);
    EXPECT_EQ(atlas.textureBounds()[0], (Bounds{0, 0, 8, 8}));
    EXPECT_EQ(atlas.reserveImage({4, 4}, false), 1);
    EXPECT_EQ(atlas.textureBounds()[1].x() % 4, 0);
    EXPECT_EQ(atlas.textureBounds()[1].y() % 4, 0);
}

TEST(TextureAtlas, FullHeightColumnsComeBackWhole) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::RGBA8Unorm, {1024, 1024}};
    EXPECT_EQ(atlas.reserveImage({64, 16}, true), 0);
    EXPECT_EQ(atlas.textureBounds()[0], (Bounds{0, 0, 64, 16}));
    EXPECT_EQ(atlas.reserveImage({32, 32}, false), 1);
    EXPECT_EQ(atlas.textureBounds()[1].x(), 64);

    /* The whole column is free again, not just the image's own height */
    atlas.removeImage(0);
    EXPECT_EQ(atlas.reserveImage({64, 1024}, false), 2);
    EXPECT_EQ(atlas.textureBounds()[2], (Bounds{0, 0, 64, 1024}));
}

TEST(TextureAtlas, DummiesAndRemoval) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::RGBA8Unorm, {32, 32}};
    EXPECT_TRUE(atlas.addDummyImage());
    EXPECT_EQ(atlas.reserveImage({32, 32}, false), 1);
    EXPECT_EQ(atlas.textureBounds()[0], Bounds{});

    atlas.removeImage(1);
    EXPECT_EQ(atlas.textureCount(), 2);
    EXPECT_EQ(atlas.textureBounds()[1], Bounds{});
    EXPECT_EQ(atlas.textureLayers()[1], 0u);
    /* The area is there for the next one, ids aren't reused */
    EXPECT_EQ(atlas.reserveImage({32, 32}, false), 2);

    /* An empty reservation has nothing to give back, and removes fine */
    atlas.removeImage(2);
    const int empty = atlas.reserveImage({0, 0}, false);
    EXPECT_EQ(empty, 3);
    atlas.removeImage(empty);
    EXPECT_EQ(atlas.reserveImage({32, 32}, false), 4);
}

TEST(TextureAtlas, WritesOnlyToLiveReservations) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::RGBA8Unorm, {32, 32}};
    atlas.addDummyImage();
    const int removed = atlas.reserveImage({8, 8}, false);
    atlas.removeImage(removed);
    const int live = atlas.reserveImage({8, 8}, false);
    const Image3D before = readRgba(atlas);

    const Image2D image = patternImage({8, 8}, 100);
    EXPECT_FALSE(atlas.setImage(-1, image));
    EXPECT_FALSE(atlas.setImage(0, image));
    EXPECT_FALSE(atlas.setImage(removed, image));
    EXPECT_FALSE(atlas.setImage(live + 1, image));
    /* Larger than the reservation would overwrite a neighbour */
    EXPECT_FALSE(atlas.setImage(live, patternImage({9, 8}, 100)));
    const Image3D after = readRgba(atlas);
    EXPECT_TRUE(sameBytes(after, before));
}

TEST(TextureAtlas, UploadsPixelsIntoTheirRectangleAndLayer) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::RGBA8Unorm, {64, 32}};
    const int a = atlas.reserveImage({16, 8}, false);
    const int b = atlas.reserveImage({8, 12}, false);
    const Image2D imageB = patternImage({8, 12}, 50);

    const Image3D before = readRgba(atlas);
    ASSERT_TRUE(atlas.setImage(b, imageB));
    const Image3D after = readRgba(atlas);
    const Bounds bounds = atlas.textureBounds()[b];
    expectWritten(before, after, Int(atlas.textureLayers()[b]), Range2Di::fromSize({bounds.x(), bounds.y()}, {8, 12}), imageB);

    /* A view with a skip and a row length reads the right pixels */
    Image2D wide = patternImage({20, 10}, 30);
    const ImageView2D window{PixelStorage{}.setRowLength(20).setSkip({2, 1, 0}), PixelFormat::RGBA8Unorm, {16, 8}, wide.data()};
    ASSERT_TRUE(atlas.setImage(a, window));
    const Image3D last = readRgba(atlas);
    const Bounds boundsA = atlas.textureBounds()[a];
    for(Int y = 0; y != 8; ++y) for(Int x = 0; x != 16; ++x)
        ASSERT_EQ(texel(last, boundsA.x() + x, boundsA.y() + y, 0), wide.pixels<Color4ub>()[y + 1][x + 2]) << x << ", " << y;
}

/* The compressed bytes of a whole layer, read back with raw GL */
std::vector<char> compressedLayer(TextureAtlas& atlas, std::size_t layerSize, Int layer) {
    GLint size = 0;
    glBindTexture(GL_TEXTURE_2D_ARRAY, atlas.textureArray().id());
    glGetTexLevelParameteriv(GL_TEXTURE_2D_ARRAY, 0, GL_TEXTURE_COMPRESSED_IMAGE_SIZE, &size);
    std::vector<char> all(static_cast<std::size_t>(size));
    glGetCompressedTexImage(GL_TEXTURE_2D_ARRAY, 0, all.data());
    GL::Context::current().resetState(GL::Context::State::Textures);
    return std::vector<char>(all.begin() + layer*layerSize, all.begin() + (layer + 1)*layerSize);
}

struct CompressedCase {
    const char* name;
    CompressedPixelFormat format;
    std::size_t blockBytes;
};

const CompressedCase CompressedCases[]{
    {"Bc3", CompressedPixelFormat::Bc3RGBAUnorm, 16},
    {"Bc1", CompressedPixelFormat::Bc1RGBAUnorm, 8},
};

void PrintTo(const CompressedCase& data, std::ostream* out) { *out << data.name; }

class TextureAtlasCompressedTest: public testing::TestWithParam<CompressedCase> {};

TEST_P(TextureAtlasCompressedTest, BlocksLandBlockAligned) {
    REQUIRE_CONTEXT();
    const CompressedCase& data = GetParam();
    Utility::Debug silence{nullptr};
    /* 16x16 blocks in one 64x64 layer */
    TextureAtlas atlas{data.format, {64, 64}};
    const int first = atlas.reserveImage({12, 8}, false);
    const int second = atlas.reserveImage({8, 8}, false);
    ASSERT_EQ(first, 0);

    const std::size_t layerSize = 16*16*data.blockBytes;
    const std::vector<char> before = compressedLayer(atlas, layerSize, 0);

    /* 2x2 blocks of distinct bytes */
    Containers::Array<char> blocks{NoInit, 4*data.blockBytes};
    for(std::size_t i = 0; i != blocks.size(); ++i) blocks[i] = char(i*7 + 1);
    ASSERT_TRUE(atlas.setImage(second, CompressedImageView2D{data.format, {8, 8}, blocks}));

    const std::vector<char> after = compressedLayer(atlas, layerSize, 0);
    const Bounds bounds = atlas.textureBounds()[second];
    const std::size_t bx = bounds.x()/4, by = bounds.y()/4;
    for(std::size_t y = 0; y != 16; ++y) for(std::size_t x = 0; x != 16; ++x) {
        const std::size_t offset = (y*16 + x)*data.blockBytes;
        const bool inside = x >= bx && x < bx + 2 && y >= by && y < by + 2;
        for(std::size_t i = 0; i != data.blockBytes; ++i) {
            const char expected = inside ? blocks[((y - by)*2 + (x - bx))*data.blockBytes + i] : before[offset + i];
            ASSERT_EQ(after[offset + i], expected) << "block " << x << ", " << y << " byte " << i;
        }
    }

    /* More blocks than reserved would spill into the neighbour */
    Containers::Array<char> tooMany{ValueInit, 6*data.blockBytes};
    EXPECT_FALSE(atlas.setImage(second, CompressedImageView2D{data.format, {12, 8}, tooMany}));
    EXPECT_EQ(compressedLayer(atlas, layerSize, 0), after);
}

INSTANTIATE_TEST_SUITE_P(TextureAtlas, TextureAtlasCompressedTest, testing::ValuesIn(CompressedCases),
    [](const testing::TestParamInfo<CompressedCase>& info) { return std::string{info.param.name}; });

TEST(TextureAtlas, DrawsATextureStretchedOverTheReservation) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::RGBA8Unorm, {128, 128}};
    atlas.reserveImage({16, 32}, false);
    atlas.reserveImage({112, 32}, false);
    const int id = atlas.reserveImage({64, 64}, false);
    ASSERT_EQ(atlas.textureBounds()[id], (Bounds{16, 32, 64, 64}));

    const Image2D source = patternImage({64, 64}, 0);
    GL::Texture2D texture;
    texture.setMinificationFilter(SamplerFilter::Nearest)
        .setMagnificationFilter(SamplerFilter::Nearest)
        .setWrapping(SamplerWrapping::ClampToEdge)
        .setStorage(1, GL::TextureFormat::RGBA8, {64, 64})
        .setSubImage(0, {}, source);

    /* The caller's state: a framebuffer of its own, blending that would
       keep the destination, a scissor that would clip everything */
    GL::Renderbuffer renderbuffer;
    renderbuffer.setStorage(GL::RenderbufferFormat::RGBA8, {4, 4});
    GL::Framebuffer callerFramebuffer{{{}, {4, 4}}};
    callerFramebuffer.attachRenderbuffer(GL::Framebuffer::ColorAttachment{0}, renderbuffer).bind();
    GL::Renderer::enable(GL::Renderer::Feature::Blending);
    GL::Renderer::enable(GL::Renderer::Feature::ScissorTest);
    glBlendFunc(GL_ZERO, GL_ONE);
    glScissor(0, 0, 1, 1);
    GL::Context::current().resetState(GL::Context::State::Renderer);

    const Image3D before = readRgba(atlas);
    ASSERT_TRUE(atlas.setImage(id, texture, {64, 64}));
    const Image3D after = readRgba(atlas);
    expectWritten(before, after, 0, Range2Di::fromSize({16, 32}, {64, 64}), source);

    /* Everything of the caller's is as it was */
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
    GLint framebuffer, viewport[4];
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(GLuint(framebuffer), callerFramebuffer.id());
    EXPECT_EQ((Vector4i{viewport[0], viewport[1], viewport[2], viewport[3]}), (Vector4i{0, 0, 4, 4}));
    GL::Renderer::disable(GL::Renderer::Feature::Blending);
    GL::Renderer::disable(GL::Renderer::Feature::ScissorTest);
    glBlendFunc(GL_ONE, GL_ZERO);

    /* A smaller size is stretched over fewer texels, a larger one refused */
    EXPECT_FALSE(atlas.setImage(id, texture, {65, 64}));
    EXPECT_TRUE(sameBytes(readRgba(atlas), after));
}

TEST(TextureAtlas, CompressedLayersCantBeDrawnTo) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{CompressedPixelFormat::Bc3RGBAUnorm, {64, 64}};
    const int id = atlas.reserveImage({16, 16}, false);
    GL::Texture2D texture;
    texture.setStorage(1, GL::TextureFormat::RGBA8, {16, 16});
    EXPECT_FALSE(atlas.setImage(id, texture, {16, 16}));
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

TEST(TextureAtlas, TooManyLayersMakeAnUnusableAtlas) {
    REQUIRE_CONTEXT();
    const Int maxLayers = GL::Texture2DArray::maxSize().z();
    std::ostringstream error, warning;
    Utility::Debug silence{nullptr};
    Utility::Error redirectError{&error};
    Utility::Warning redirectWarning{&warning};
    TextureAtlas atlas{CompressedPixelFormat::Bc1RGBAUnorm, {4096, 4096*(maxLayers + 1)}};
    EXPECT_EQ(error.str(), "TextureAtlas::TextureAtlas(): Allocating texture failed: " + std::to_string(maxLayers + 1) + " layers are more than the limit of " + std::to_string(maxLayers) + "\n");
    EXPECT_EQ(atlas.reserveImage({4, 4}, false), -1);
    EXPECT_EQ(warning.str(), "TextureAtlas::setImage(): insufficient atlas size, cannot add image of size: Vector(4, 4)\n");
    EXPECT_TRUE(atlas.addDummyImage());
    EXPECT_FALSE(atlas.setImage(0, patternImage({4, 4}, 0)));
}

TEST(TextureAtlas, MovingTakesEverything) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::RGBA8Unorm, {16, 16}};
    atlas.reserveImage({8, 8}, false);
    const UnsignedInt id = atlas.textureArray().id();

    TextureAtlas moved{std::move(atlas)};
    EXPECT_EQ(moved.textureArray().id(), id);
    EXPECT_EQ(moved.textureCount(), 1);
    EXPECT_EQ(atlas.textureCount(), 0);
    EXPECT_EQ(moved.reserveImage({8, 8}, false), 1);
    EXPECT_TRUE(moved.setImage(1, patternImage({8, 8}, 3)));

    TextureAtlas assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.textureCount(), 2);
    EXPECT_EQ(moved.textureCount(), 0);
}

TEST(TextureAtlasDeathTest, NonPositiveSize) {
    REQUIRE_CONTEXT();
    EXPECT_DEATH(TextureAtlas(PixelFormat::RGBA8Unorm, {0, 16}), "TextureAtlas::TextureAtlas\\(\\): expected a positive size, got Vector\\(0, 16\\)");
}

TEST(TextureAtlasDeathTest, RemovingAnIdOutOfRange) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::RGBA8Unorm, {16, 16}};
    atlas.reserveImage({8, 8}, false);
    EXPECT_DEATH(atlas.removeImage(1), "TextureAtlas::removeImage\\(\\): id 1 out of range for 1 images");
}

TEST(TextureAtlasDeathTest, RemovingTwice) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::RGBA8Unorm, {16, 16}};
    atlas.reserveImage({8, 8}, false);
    atlas.addDummyImage();
    atlas.removeImage(0);
    /* Freeing the area twice would hand it to two images */
    EXPECT_DEATH(atlas.removeImage(0), "RectPacking::remove\\(\\): Invalid range");
    EXPECT_DEATH(atlas.removeImage(1), "RectPacking::remove\\(\\): Invalid range");
}

}}}
