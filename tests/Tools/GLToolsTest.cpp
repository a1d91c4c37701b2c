#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/TextureArray.h>
#include <Magnum/GL/TextureFormat.h>
#include <Magnum/ImageView.h>
#include <Magnum/PixelFormat.h>

#include "GLTestContext.h"
#include "VelmoraEngine/Tools/GLTools.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;

/* Each test runs in a process of its own, so this one never sees a context */
TEST(GLTools, NoCompressedFormatWithoutAContext) {
    EXPECT_EQ(GLTools::findSupportedCompressedFormat(), CompressedPixelFormat{});
}

TEST(GLTools, FoundFormatCanBeStoredAndUploaded) {
    REQUIRE_CONTEXT();
    const CompressedPixelFormat format = GLTools::findSupportedCompressedFormat();
    /* Mesa's software renderer decodes all four families */
    ASSERT_NE(format, CompressedPixelFormat{});
    EXPECT_TRUE(format == CompressedPixelFormat::Astc4x4RGBAUnorm ||
                format == CompressedPixelFormat::Bc7RGBAUnorm ||
                format == CompressedPixelFormat::Bc3RGBAUnorm ||
                format == CompressedPixelFormat::Etc2RGBA8Unorm);
    EXPECT_EQ(compressedPixelFormatBlockSize(format), (Vector3i{4, 4, 1}));

    GL::Renderer::error();
    GL::Texture2DArray texture;
    texture.setStorage(1, GL::textureFormat(format), {8, 8, 2});
    const Containers::Array<char> block{ValueInit, compressedPixelFormatBlockDataSize(format)};
    texture.setCompressedSubImage(0, {4, 4, 1}, CompressedImageView3D{format, {4, 4, 1}, block});
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

}}}
