#include <gtest/gtest.h>

#include <type_traits>
#include <utility>
#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Image.h>
#include <Magnum/ImageView.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/PixelStorage.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Vector3.h>

namespace {

using namespace Corrade;
using namespace Magnum;

TEST(CompatPixelStorage, Defaults) {
    const PixelStorage storage;
    EXPECT_EQ(storage.alignment(), 4);
    EXPECT_EQ(storage.rowLength(), 0);
    EXPECT_EQ(storage.imageHeight(), 0);
    EXPECT_EQ(storage.skip(), Vector3i{});
    EXPECT_TRUE(storage == PixelStorage{});
    EXPECT_TRUE(storage != PixelStorage{}.setAlignment(1));
}

TEST(CompatPixelStorage, DataProperties) {
    const std::pair<Math::Vector3<std::size_t>, Math::Vector3<std::size_t>> properties = PixelStorage{}
        .setAlignment(8)
        .setSkip({3, 2, 1})
        .dataProperties(1, {2, 4, 6});
    EXPECT_EQ(properties.first, (Math::Vector3<std::size_t>{3, 16, 32}));
    EXPECT_EQ(properties.second, (Math::Vector3<std::size_t>{8, 4, 6}));

    /* Rows of 9 bytes padded to 12; nothing for an empty image */
    EXPECT_EQ(PixelStorage{}.dataProperties(3, {3, 2, 1}).second, (Math::Vector3<std::size_t>{12, 2, 1}));
    EXPECT_EQ(PixelStorage{}.dataProperties(3, {0, 2, 1}).second, (Math::Vector3<std::size_t>{}));
}

TEST(CompatImageView, Construct) {
    const char data[3*4]{};
    const ImageView2D a{PixelFormat::RGBA8Unorm, {1, 3}, data};
    EXPECT_EQ(a.storage().alignment(), 4);
    EXPECT_EQ(a.format(), PixelFormat::RGBA8Unorm);
    EXPECT_EQ(a.formatExtra(), 0u);
    EXPECT_EQ(a.pixelSize(), 4u);
    EXPECT_EQ(a.size(), (Vector2i{1, 3}));
    EXPECT_EQ(static_cast<const void*>(a.data().data()), data);
    EXPECT_EQ(a.data().size(), 12u);

    const ImageView2D b{PixelStorage{}.setAlignment(1), PixelFormat::R16UI, {1, 3}, Containers::arrayView(data).prefix(6)};
    EXPECT_EQ(b.storage().alignment(), 1);
    EXPECT_EQ(b.pixelSize(), 2u);

    /* Implementation-specific format with an explicit pixel size */
    const ImageView2D c{PixelStorage{}.setAlignment(1), 666, 1337, 4, {1, 3}, data};
    EXPECT_EQ(c.format(), pixelFormatWrap(666));
    EXPECT_EQ(c.formatExtra(), 1337u);
    EXPECT_EQ(c.pixelSize(), 4u);
}

TEST(CompatImageView, MutableToConst) {
    char data[4*4]{};
    const MutableImageView2D a{PixelStorage{}.setAlignment(1), PixelFormat::RG8Unorm, {2, 2}, data};
    const ImageView2D b = a;
    EXPECT_EQ(b.storage().alignment(), 1);
    EXPECT_EQ(b.format(), PixelFormat::RG8Unorm);
    EXPECT_EQ(b.size(), (Vector2i{2, 2}));
    EXPECT_EQ(static_cast<const void*>(b.data().data()), data);
    EXPECT_TRUE((std::is_convertible<MutableImageView2D, ImageView2D>::value));
    EXPECT_FALSE((std::is_convertible<ImageView2D, MutableImageView2D>::value));
}

TEST(CompatImageView, EmptyHasNoPixels) {
    const ImageView2D a{PixelFormat::RGBA8Unorm, {4, 4}};
    EXPECT_EQ(a.data().data(), nullptr);
    EXPECT_EQ(a.pixels().data(), nullptr);
    EXPECT_EQ(a.pixels<Color4ub>().data(), nullptr);
}

TEST(CompatImageView, Pixels) {
    /* Two rows of padding and three pixels of skip in rows of 20 bytes */
    char data[120]{};
    for(int y = 0; y != 4; ++y) for(int i = 0; i != 6; ++i)
        data[(2 + y)*20 + 9 + i] = char(1 + y + i);
    const MutableImageView2D image{
        PixelStorage{}.setSkip({3, 2, 0}).setRowLength(6),
        PixelFormat::RGB8Unorm, {2, 4}, data};

    const Containers::StridedArrayView3D<char> bytes = image.pixels();
    EXPECT_EQ(bytes.size(), (Containers::Size3D{4, 2, 3}));
    EXPECT_EQ(bytes.stride(), (Containers::Stride3D{20, 3, 1}));
    EXPECT_EQ(bytes.data(), data + 2*20 + 3*3);

    const Containers::StridedArrayView2D<Color3ub> pixels = image.pixels<Color3ub>();
    EXPECT_EQ(pixels.size(), (Containers::Size2D{4, 2}));
    EXPECT_EQ(pixels.stride(), (Containers::Stride2D{20, 3}));
    EXPECT_EQ(pixels[3][0], (Color3ub{4, 5, 6}));
    EXPECT_EQ(pixels[3][1], (Color3ub{7, 8, 9}));
    pixels[0][1] = Color3ub{40, 50, 60};
    EXPECT_EQ(data[2*20 + 12], char(40));
}

TEST(CompatImageView, DataProperties) {
    const char data[224]{};
    const ImageView3D image{PixelStorage{}.setAlignment(8).setSkip({3, 2, 1}), PixelFormat::R8Unorm, {2, 4, 6}, data};
    EXPECT_EQ(image.dataProperties().first, (Math::Vector3<std::size_t>{3, 16, 32}));
    EXPECT_EQ(image.dataProperties().second, (Math::Vector3<std::size_t>{8, 4, 6}));
}

TEST(CompatImageViewDeathTest, DataTooSmall) {
    const char data[11]{};
    EXPECT_DEATH((ImageView2D{PixelFormat::RGB8Unorm, {1, 3}, data}), "ImageView: data too small, got 11 but expected at least 12 bytes");
}

TEST(CompatImage, ConstructAndMove) {
    char* data = new char[3*16];
    Image2D a{PixelStorage{}.setAlignment(1), PixelFormat::RGBA32F, {1, 3}, Containers::Array<char>{data, 3*16}};
    EXPECT_EQ(a.pixelSize(), 16u);
    Image2D b{std::move(a)};
    EXPECT_EQ(a.data().data(), nullptr);
    EXPECT_EQ(a.size(), Vector2i{});
    EXPECT_EQ(b.storage().alignment(), 1);
    EXPECT_EQ(b.format(), PixelFormat::RGBA32F);
    EXPECT_EQ(b.size(), (Vector2i{1, 3}));
    EXPECT_EQ(b.data().data(), data);

    char* data2 = new char[24];
    Image2D c{PixelFormat::R8I, {2, 6}, Containers::Array<char>{data2, 24}};
    c = std::move(b);
    EXPECT_EQ(b.data().data(), data2);
    EXPECT_EQ(b.size(), (Vector2i{2, 6}));
    EXPECT_EQ(c.data().data(), data);
    EXPECT_EQ(c.format(), PixelFormat::RGBA32F);

    EXPECT_FALSE(std::is_copy_constructible<Image2D>::value);
    EXPECT_TRUE(std::is_nothrow_move_constructible<Image2D>::value);
}

TEST(CompatImage, Placeholder) {
    const Image2D a{PixelFormat::RG32F};
    EXPECT_EQ(a.format(), PixelFormat::RG32F);
    EXPECT_EQ(a.pixelSize(), 8u);
    EXPECT_EQ(a.size(), Vector2i{});
    EXPECT_EQ(a.data().data(), nullptr);
}

TEST(CompatImage, ViewsReleaseAndRvalueData) {
    char* data = new char[4*4];
    Image2D a{PixelFormat::RGBA8Unorm, {1, 3}, Containers::Array<char>{data, 4*4}};
    const ImageView2D view = a;
    const MutableImageView2D mutableView = a;
    EXPECT_EQ(static_cast<const void*>(view.data().data()), data);
    EXPECT_EQ(static_cast<void*>(mutableView.data().data()), data);
    EXPECT_EQ(view.format(), PixelFormat::RGBA8Unorm);
    EXPECT_EQ(a.pixels().stride(), (Containers::Stride3D{4, 4, 1}));

    Containers::Array<char> released = a.release();
    EXPECT_EQ(released.data(), data);
    EXPECT_EQ(a.size(), Vector2i{});

    char* data2 = new char[4*4];
    Containers::Array<char> moved = Image2D{PixelFormat::RGBA8Unorm, {1, 3}, Containers::Array<char>{data2, 4*4}}.data();
    EXPECT_EQ(moved.data(), data2);
}

TEST(CompatImageDeathTest, DataTooSmall) {
    EXPECT_DEATH((Image2D{PixelFormat::RGB8Unorm, {1, 3}, Containers::Array<char>{ValueInit, 3*3}}), "Image: data too small, got 9 but expected at least 12 bytes");
}

TEST(CompatCompressedImage, Construct) {
    char* data = new char[6*8];
    CompressedImage2D a{CompressedPixelFormat::Bc1RGBAUnorm, {12, 8}, Containers::Array<char>{data, 6*8}};
    EXPECT_EQ(a.storage().rowLength(), 0);
    EXPECT_EQ(a.format(), CompressedPixelFormat::Bc1RGBAUnorm);
    EXPECT_EQ(a.blockSize(), (Vector3i{4, 4, 1}));
    EXPECT_EQ(a.blockDataSize(), 8u);
    EXPECT_EQ(a.size(), (Vector2i{12, 8}));
    EXPECT_EQ(a.data().data(), data);

    const CompressedImageView2D view = a;
    EXPECT_EQ(view.format(), CompressedPixelFormat::Bc1RGBAUnorm);
    EXPECT_EQ(view.blockSize(), (Vector3i{4, 4, 1}));
    EXPECT_EQ(view.blockDataSize(), 8u);
    EXPECT_EQ(static_cast<const void*>(view.data().data()), data);
    const MutableCompressedImageView2D mutableView = a;
    EXPECT_EQ(mutableView.data().size(), 6u*8u);

    CompressedImage2D b{std::move(a)};
    EXPECT_EQ(a.data().data(), nullptr);
    EXPECT_EQ(a.size(), Vector2i{});
    EXPECT_EQ(b.data().data(), data);
    EXPECT_EQ(b.blockDataSize(), 8u);

    const CompressedImage2D placeholder;
    EXPECT_EQ(placeholder.format(), CompressedPixelFormat{});
    EXPECT_EQ(placeholder.blockSize(), Vector3i{});
    EXPECT_EQ(placeholder.blockDataSize(), 0u);
    EXPECT_EQ(placeholder.data().data(), nullptr);
}

TEST(CompatCompressedImage, DataProperties) {
    const CompressedImage3D image{
        CompressedPixelStorage{}.setRowLength(12).setImageHeight(8).setSkip({8, 4, 4}),
        CompressedPixelFormat::Bc1RGBAUnorm, {2, 3, 3},
        Containers::Array<char>{NoInit, 336}};
    EXPECT_EQ(image.dataProperties().first, (Math::Vector3<std::size_t>{16, 24, 192}));
    EXPECT_EQ(image.dataProperties().second, (Math::Vector3<std::size_t>{3, 2, 3}));
}

TEST(CompatCompressedImageDeathTest, DataTooSmall) {
    EXPECT_DEATH((CompressedImage2D{CompressedPixelFormat::Bc2RGBAUnorm, {4, 4}, Containers::Array<char>{ValueInit, 15}}), "CompressedImage: data too small, got 15 but expected at least 16 bytes");
    /* Rounded up to whole blocks */
    EXPECT_DEATH((CompressedImage2D{CompressedPixelFormat::Bc2RGBAUnorm, {2, 2}, Containers::Array<char>{ValueInit, 15}}), "CompressedImage: data too small, got 15 but expected at least 16 bytes");
}

}

namespace VelmoraEngine { namespace Test { namespace {

TEST(CompatImageView, PixelsStartIgnoresSkipOfMissingDimensions) {
    /* The Y skip of a 1D image moves the data it needs, not where its pixels
       start */
    const char data[8]{0, 1, 2, 3, 4, 5, 6, 7};
    const ImageView1D image{PixelStorage{}.setSkip({1, 1, 0}), PixelFormat::R8Unorm, 4, data};
    EXPECT_EQ(image.dataProperties().first, (Math::Vector<1, std::size_t>{1}));
    const Containers::StridedArrayView1D<const UnsignedByte> pixels = image.pixels<UnsignedByte>();
    EXPECT_EQ(pixels[0], 1);
    EXPECT_EQ(pixels[2], 3);
}

TEST(CompatCompressedImageView, SkipRoundsUpToWholeBlocks) {
    const char data[16]{};
    const CompressedImageView2D image{CompressedPixelStorage{}.setSkip({2, 0, 0}),
        CompressedPixelFormat::Bc1RGBAUnorm, {4, 4}, data};
    EXPECT_EQ(image.dataProperties().first, (Math::Vector2<std::size_t>{8, 0}));
    EXPECT_EQ(image.dataProperties().second, (Math::Vector2<std::size_t>{1, 1}));
}

TEST(CompatCompressedImageViewDeathTest, DataCoversWholeRowLength) {
    /* Two blocks in a row of the row length, even though the image covers
       only the first */
    const char data[15]{};
    EXPECT_DEATH((CompressedImageView2D{CompressedPixelStorage{}.setRowLength(8),
        CompressedPixelFormat::Bc1RGBAUnorm, {4, 4}, data}),
        "CompressedImageView: data too small, got 15 but expected at least 16 bytes");
}

TEST(CompatCompressedImageViewDeathTest, DataCoversRoundedUpSkip) {
    const char data[15]{};
    EXPECT_DEATH((CompressedImageView2D{CompressedPixelStorage{}.setSkip({2, 0, 0}),
        CompressedPixelFormat::Bc1RGBAUnorm, {4, 4}, data}),
        "CompressedImageView: data too small, got 15 but expected at least 16 bytes");
}

}}}
