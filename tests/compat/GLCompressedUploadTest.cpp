#include <cstddef>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Magnum/ImageView.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/PixelStorage.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/GL/Context.h>
#include <Magnum/GL/OpenGL.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/TextureArray.h>
#include <Magnum/GL/TextureFormat.h>
#include "GLTestContext.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Corrade;
using namespace Magnum;

/* Bc1: 8 bytes for each 4x4 block */
constexpr std::size_t BlockBytes = 8;

/* Every byte of one level, all layers, read with raw GL as neither library
   needs a compressed read-back anywhere else */
std::vector<char> compressedLevel(GL::Texture2DArray& texture, Int level) {
    GLint size = 0;
    glBindTexture(GL_TEXTURE_2D_ARRAY, texture.id());
    glGetTexLevelParameteriv(GL_TEXTURE_2D_ARRAY, level, GL_TEXTURE_COMPRESSED_IMAGE_SIZE, &size);
    std::vector<char> out(static_cast<std::size_t>(size));
    glGetCompressedTexImage(GL_TEXTURE_2D_ARRAY, level, out.data());
    GL::Context::current().resetState(GL::Context::State::Textures);
    return out;
}

/* 16x16, 3 layers, 3 levels (16, 8, 4), every block zero */
GL::Texture2DArray zeroedTexture() {
    GL::Texture2DArray texture;
    texture.setStorage(3, GL::TextureFormat::CompressedRGBAS3tcDxt1, {16, 16, 3});
    for(Int level = 0; level != 3; ++level) {
        const Int size = 16 >> level;
        const Containers::Array<char> zeros{ValueInit, std::size_t(size/4*size/4*3)*BlockBytes};
        texture.setCompressedSubImage(level, {}, CompressedImageView3D{CompressedPixelFormat::Bc1RGBAUnorm, {size, size, 3}, zeros});
    }
    return texture;
}

Containers::Array<char> distinctBytes(std::size_t size) {
    Containers::Array<char> out{NoInit, size};
    for(std::size_t i = 0; i != size; ++i) out[i] = char(i*13 + 7);
    return out;
}

TEST(CompatGLTextureArray, CompressedUploadIntoOneLayerOfOneLevel) {
    REQUIRE_CONTEXT();
    GL::Texture2DArray texture = zeroedTexture();
    const Containers::Array<char> blocks = distinctBytes(4*BlockBytes);
    texture.setCompressedSubImage(1, {0, 0, 2}, CompressedImageView3D{CompressedPixelFormat::Bc1RGBAUnorm, {8, 8, 1}, blocks});
    ASSERT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);

    /* Level 1 holds 2x2 blocks per layer; only layer 2 got them */
    const std::vector<char> level1 = compressedLevel(texture, 1);
    ASSERT_EQ(level1.size(), 3*4*BlockBytes);
    for(std::size_t i = 0; i != level1.size(); ++i)
        ASSERT_EQ(level1[i], i >= 2*4*BlockBytes ? blocks[i - 2*4*BlockBytes] : 0) << i;
    for(const Int level: {0, 2})
        for(const char byte: compressedLevel(texture, level))
            ASSERT_EQ(byte, 0) << level;
}

TEST(CompatGLTextureArray, CompressedUploadTakesOnlyTheBlocksOfTheSize) {
    REQUIRE_CONTEXT();
    GL::Texture2DArray texture = zeroedTexture();
    /* The view's data goes on past its one block; GL gets the size of the
       block alone and would refuse the whole array's */
    const Containers::Array<char> data = distinctBytes(3*BlockBytes);
    texture.setCompressedSubImage(2, {0, 0, 1}, CompressedImageView3D{CompressedPixelFormat::Bc1RGBAUnorm, {4, 4, 1}, data});
    ASSERT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);

    const std::vector<char> level2 = compressedLevel(texture, 2);
    ASSERT_EQ(level2.size(), 3*BlockBytes);
    for(std::size_t i = 0; i != level2.size(); ++i) {
        const bool inside = i >= BlockBytes && i < 2*BlockBytes;
        ASSERT_EQ(level2[i], inside ? data[i - BlockBytes] : 0) << i;
    }
}

TEST(CompatGLTextureArray, CompressedUploadPassesTheStorageOn) {
    REQUIRE_CONTEXT();
    GL::Texture2DArray texture = zeroedTexture();
    /* A 16x12 image of 4x3 blocks; the view is its 8x8 middle, one block in
       from the left and the top */
    const Containers::Array<char> image = distinctBytes(4*3*BlockBytes);
    const CompressedPixelStorage storage = CompressedPixelStorage{}
        .setRowLength(16)
        .setSkip({4, 4, 0});
    texture.setCompressedSubImage(0, {4, 8, 0}, CompressedImageView3D{storage, CompressedPixelFormat::Bc1RGBAUnorm, {8, 8, 1}, image});
    ASSERT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);

    const std::vector<char> level0 = compressedLevel(texture, 0);
    for(std::size_t y = 0; y != 4; ++y) for(std::size_t x = 0; x != 4; ++x) {
        const bool inside = x >= 1 && x < 3 && y >= 2 && y < 4;
        for(std::size_t i = 0; i != BlockBytes; ++i) {
            const char expected = inside ? image[((y - 1)*4 + x)*BlockBytes + i] : 0;
            ASSERT_EQ(level0[(y*4 + x)*BlockBytes + i], expected) << "block " << x << ", " << y;
        }
    }

    /* The next upload with default storage reads its data from the start
       again, whatever the previous one set */
    const Containers::Array<char> block = distinctBytes(BlockBytes);
    texture.setCompressedSubImage(0, {0, 0, 1}, CompressedImageView3D{CompressedPixelFormat::Bc1RGBAUnorm, {4, 4, 1}, block});
    ASSERT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
    const std::vector<char> after = compressedLevel(texture, 0);
    for(std::size_t i = 0; i != BlockBytes; ++i)
        ASSERT_EQ(after[16*BlockBytes + i], block[i]);
}

TEST(CompatGLTextureArray, CompressedUploadPastTheLevelIsAnError) {
    REQUIRE_CONTEXT();
    GL::Texture2DArray texture = zeroedTexture();
    const Containers::Array<char> blocks = distinctBytes(4*BlockBytes);
    /* Level 2 is a single block */
    texture.setCompressedSubImage(2, {}, CompressedImageView3D{CompressedPixelFormat::Bc1RGBAUnorm, {8, 8, 1}, blocks});
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::InvalidValue);
    for(const char byte: compressedLevel(texture, 2))
        ASSERT_EQ(byte, 0);
}

}}}
