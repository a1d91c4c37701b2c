#include <sstream>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/ImageView.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Constants.h>
#include <Magnum/Math/Matrix4.h>
#include <Magnum/Trade/CameraData.h>
#include <Magnum/Trade/ImageData.h>
#include <Magnum/Trade/LightData.h>
#include <Magnum/Trade/MaterialData.h>
#include <Magnum/Trade/SkinData.h>
#include <Magnum/Trade/TextureData.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;
using namespace Containers::Literals;

TEST(CompatImageDataTest, Plain) {
    Containers::Array<char> data{ValueInit, 3*2*3};
    data[3*3] = 42;
    Trade::ImageData2D image{PixelStorage{}.setAlignment(1), PixelFormat::RGB8Unorm, {3, 2}, std::move(data)};
    EXPECT_FALSE(image.isCompressed());
    EXPECT_EQ(image.format(), PixelFormat::RGB8Unorm);
    EXPECT_EQ(image.pixelSize(), 3u);
    EXPECT_EQ(image.size(), (Vector2i{3, 2}));
    EXPECT_EQ(image.dataFlags(), Trade::DataFlag::Owned|Trade::DataFlag::Mutable);
    EXPECT_EQ(image.pixels<Color3ub>()[1][0], (Color3ub{42, 0, 0}));
    const ImageView2D view = image;
    EXPECT_EQ(view.size(), (Vector2i{3, 2}));
    EXPECT_EQ(view.data().data(), image.data().data());
    Trade::ImageData2D moved = std::move(image);
    EXPECT_EQ(moved.size(), (Vector2i{3, 2}));
}

TEST(CompatImageDataTest, Compressed) {
    Containers::Array<char> data{ValueInit, 16};
    Trade::ImageData2D image{CompressedPixelFormat::Bc1RGBAUnorm, {4, 4}, std::move(data)};
    EXPECT_TRUE(image.isCompressed());
    EXPECT_EQ(image.compressedFormat(), CompressedPixelFormat::Bc1RGBAUnorm);
    EXPECT_EQ(image.blockSize(), (Vector3i{4, 4, 1}));
    EXPECT_EQ(image.blockDataSize(), 8u);
    const CompressedImageView2D view = image;
    EXPECT_EQ(view.size(), (Vector2i{4, 4}));
}

TEST(CompatImageDataDeathTest, Assertions) {
    EXPECT_DEATH((Trade::ImageData2D{PixelFormat::RGBA8Unorm, {2, 2}, Containers::Array<char>{ValueInit, 15}}),
        "Trade::ImageData: data too small, got 15 but expected at least 16 bytes");
    Trade::ImageData2D compressed{CompressedPixelFormat::Bc1RGBAUnorm, {4, 4}, Containers::Array<char>{ValueInit, 16}};
    EXPECT_DEATH(compressed.format(), "Trade::ImageData::format\\(\\): the image is compressed");
    Trade::ImageData2D plain{PixelFormat::R8Unorm, {4, 1}, Containers::Array<char>{ValueInit, 4}};
    EXPECT_DEATH(plain.compressedFormat(), "Trade::ImageData::compressedFormat\\(\\): the image is not compressed");
}

TEST(CompatTextureDataTest, Construct) {
    const Trade::TextureData texture{Trade::TextureType::Texture2D, SamplerFilter::Nearest, SamplerFilter::Linear, SamplerMipmap::Base, {SamplerWrapping::Repeat, SamplerWrapping::ClampToEdge, SamplerWrapping::Repeat}, 3};
    EXPECT_EQ(texture.type(), Trade::TextureType::Texture2D);
    EXPECT_EQ(texture.minificationFilter(), SamplerFilter::Nearest);
    EXPECT_EQ(texture.magnificationFilter(), SamplerFilter::Linear);
    EXPECT_EQ(texture.wrapping()[1], SamplerWrapping::ClampToEdge);
    EXPECT_EQ(texture.image(), 3u);
}

TEST(CompatMaterialDataTest, AttributesSortedAndFound) {
    const Trade::MaterialData material{Trade::MaterialType::PbrMetallicRoughness, {
        {Trade::MaterialAttribute::Roughness, 0.25f},
        {Trade::MaterialAttribute::BaseColorTexture, 2u},
        {Trade::MaterialAttribute::BaseColor, Color4{1.0f, 0.5f, 0.25f, 1.0f}},
        {"highlightTint"_s, Color3{0.1f, 0.2f, 0.3f}},
        {Trade::MaterialAttribute::DoubleSided, true},
    }};
    EXPECT_EQ(material.types(), Trade::MaterialType::PbrMetallicRoughness);
    EXPECT_EQ(material.layerCount(), 1u);
    EXPECT_EQ(material.attributeCount(), 5u);
    /* Sorted by name */
    EXPECT_EQ(material.attributeName(0), "BaseColor"_s);
    EXPECT_EQ(material.attributeName(4), "highlightTint"_s);
    EXPECT_TRUE(material.hasAttribute(Trade::MaterialAttribute::BaseColorTexture));
    EXPECT_FALSE(material.hasAttribute(Trade::MaterialAttribute::Metalness));
    EXPECT_EQ(material.attribute<UnsignedInt>(Trade::MaterialAttribute::BaseColorTexture), 2u);
    EXPECT_EQ(material.attribute<Color4>(Trade::MaterialAttribute::BaseColor), (Color4{1.0f, 0.5f, 0.25f, 1.0f}));
    EXPECT_EQ(material.attribute<Float>("Roughness"_s), 0.25f);
    EXPECT_EQ(material.attributeType(Trade::MaterialAttribute::BaseColor), Trade::MaterialAttributeType::Vector4);
    EXPECT_EQ(material.attributeOr(Trade::MaterialAttribute::Metalness, 1.0f), 1.0f);
    EXPECT_FALSE(material.findAttribute<Float>(Trade::MaterialAttribute::Metalness));
    EXPECT_TRUE(material.isDoubleSided());
    EXPECT_EQ(material.alphaMode(), Trade::MaterialAlphaMode::Opaque);
    EXPECT_EQ(material.alphaMask(), 0.5f);
}

TEST(CompatMaterialDataTest, AlphaMode) {
    const Trade::MaterialData mask{{}, {{Trade::MaterialAttribute::AlphaMask, 0.3f}}};
    EXPECT_EQ(mask.alphaMode(), Trade::MaterialAlphaMode::Mask);
    EXPECT_EQ(mask.alphaMask(), 0.3f);
    const Trade::MaterialData blend{{}, {{Trade::MaterialAttribute::AlphaBlend, true}}};
    EXPECT_EQ(blend.alphaMode(), Trade::MaterialAlphaMode::Blend);
}

TEST(CompatMaterialDataTest, StringAttribute) {
    const Trade::MaterialAttributeData attribute{"name"_s, "velmora"_s};
    EXPECT_EQ(attribute.type(), Trade::MaterialAttributeType::String);
    EXPECT_EQ(attribute.name(), "name"_s);
    EXPECT_EQ(attribute.value<Containers::StringView>(), "velmora"_s);
}

TEST(CompatMaterialDataDeathTest, Assertions) {
    EXPECT_DEATH((Trade::MaterialData{{}, {{Trade::MaterialAttribute::Roughness, 0.25f}, {Trade::MaterialAttribute::Roughness, 0.5f}}}),
        "Trade::MaterialData: duplicate attribute Roughness in layer 0");
    EXPECT_DEATH((Trade::MaterialAttributeData{Trade::MaterialAttribute::Roughness, 2u}),
        "Trade::MaterialAttributeData: expected Trade::MaterialAttributeType::Float for Trade::MaterialAttribute::Roughness but got Trade::MaterialAttributeType::UnsignedInt");
    const Trade::MaterialData material{{}, {{Trade::MaterialAttribute::Roughness, 0.25f}}};
    EXPECT_DEATH(material.attribute<UnsignedInt>(Trade::MaterialAttribute::Roughness),
        "Trade::MaterialData::attribute\\(\\): Roughness is Trade::MaterialAttributeType::Float but requested a type equivalent to Trade::MaterialAttributeType::UnsignedInt");
}

TEST(CompatSkinDataTest, Construct) {
    Containers::Array<UnsignedInt> joints{ValueInit, 2};
    joints[1] = 7;
    Containers::Array<Matrix4> matrices{ValueInit, 2};
    matrices[1] = Matrix4::translation({1.0f, 0.0f, 0.0f});
    const Trade::SkinData3D skin{std::move(joints), std::move(matrices)};
    ASSERT_EQ(skin.joints().size(), 2u);
    EXPECT_EQ(skin.joints()[1], 7u);
    EXPECT_EQ(skin.inverseBindMatrices()[1], Matrix4::translation({1.0f, 0.0f, 0.0f}));
}

TEST(CompatSkinDataDeathTest, SizeMismatch) {
    EXPECT_DEATH((Trade::SkinData3D{Containers::Array<UnsignedInt>{ValueInit, 2}, Containers::Array<Matrix4>{ValueInit, 1}}),
        "Trade::SkinData: joint and inverse bind matrix arrays have different size, got 2 and 1");
}

TEST(CompatCameraDataTest, Perspective) {
    const Trade::CameraData camera{Trade::CameraType::Perspective3D, Rad{Deg{90.0f}}, 2.0f, 0.5f, 100.0f};
    EXPECT_EQ(camera.type(), Trade::CameraType::Perspective3D);
    EXPECT_NEAR(camera.size().x(), 1.0f, 1.0e-6f);
    EXPECT_NEAR(camera.size().y(), 0.5f, 1.0e-6f);
    EXPECT_NEAR(Float(Deg{camera.fov()}), 90.0f, 1.0e-4f);
    EXPECT_NEAR(camera.aspectRatio(), 2.0f, 1.0e-6f);
    EXPECT_EQ(camera.near(), 0.5f);
    EXPECT_EQ(camera.far(), 100.0f);
}

TEST(CompatCameraDataTest, Orthographic) {
    const Trade::CameraData camera{Trade::CameraType::Orthographic3D, Vector2{4.0f, 2.0f}, 0.1f, 10.0f};
    EXPECT_EQ(camera.size(), (Vector2{4.0f, 2.0f}));
    EXPECT_EQ(camera.aspectRatio(), 2.0f);
}

TEST(CompatCameraDataDeathTest, FovOfOrthographic) {
    const Trade::CameraData camera{Trade::CameraType::Orthographic3D, Vector2{4.0f, 2.0f}, 0.1f, 10.0f};
    EXPECT_DEATH(camera.fov(), "Trade::CameraData::fov\\(\\): the camera is not perspective");
}

TEST(CompatLightDataTest, Defaults) {
    const Trade::LightData point{Trade::LightType::Point, Color3{1.0f, 0.5f, 0.25f}, 2.0f, 10.0f};
    EXPECT_EQ(point.attenuation(), (Vector3{1.0f, 0.0f, 1.0f}));
    EXPECT_EQ(point.range(), 10.0f);
    EXPECT_EQ(Float(Deg{point.outerConeAngle()}), 360.0f);
    const Trade::LightData spot{Trade::LightType::Spot, Color3{1.0f}, 1.0f};
    EXPECT_EQ(spot.range(), Constants::inf());
    EXPECT_EQ(Float(Deg{spot.innerConeAngle()}), 0.0f);
    EXPECT_NEAR(Float(Deg{spot.outerConeAngle()}), 90.0f, 1.0e-4f);
    const Trade::LightData directional{Trade::LightType::Directional, Color3{1.0f}, 3.0f};
    EXPECT_EQ(directional.attenuation(), (Vector3{1.0f, 0.0f, 0.0f}));
    EXPECT_EQ(directional.intensity(), 3.0f);
}

TEST(CompatLightDataDeathTest, Assertions) {
    EXPECT_DEATH((Trade::LightData{Trade::LightType::Directional, Color3{1.0f}, 1.0f, 5.0f}),
        "Trade::LightData: range has to be infinity for an ambient or directional light but got 5");
}

}}}
