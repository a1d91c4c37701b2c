#include <cstddef>
#include <iterator>
#include <map>
#include <ostream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/ArrayView.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Containers/StringStl.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/GL/Context.h>
#include <Magnum/GL/OpenGL.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/Texture.h>
#include <Magnum/GL/TextureArray.h>
#include <Magnum/GL/TextureFormat.h>
#include <Magnum/Image.h>
#include <Magnum/ImageView.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/PixelStorage.h>

#include "GLTestContext.h"
#include "VelmoraEngine/Tools/TileStackTextureAtlas.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;

typedef Math::Vector4<UnsignedShort> Bounds;

/* The bookkeeping that classes building on the atlas see */
class InspectableAtlas: public TileStackTextureAtlas {
    public:
        using TileStackTextureAtlas::TileStackTextureAtlas;
        using TileStackTextureAtlas::RetiredRun;
        using TileStackTextureAtlas::tileIndices;
        using TileStackTextureAtlas::runOffsets;
        using TileStackTextureAtlas::referenceCounts;
        using TileStackTextureAtlas::isLayerFree;
        using TileStackTextureAtlas::hashLayer;
        using TileStackTextureAtlas::hashCount;

        explicit InspectableAtlas(GL::TextureFormat format, const Vector2i& tileSize, const Vector2i& virtualTextureSize, const Vector2i& blockSize, bool mips): TileStackTextureAtlas{format, tileSize, virtualTextureSize, blockSize, mips} {}
};

int reserve(TileStackTextureAtlas& atlas, const Vector2i& size, const std::vector<std::string>& hashes) {
    std::vector<Containers::StringView> views;
    for(const std::string& hash: hashes) views.emplace_back(hash);
    return atlas.reserveImage(size, Containers::arrayView(views.data(), views.size()), 0);
}

/* The layer named by every virtual tile, read back from GL */
Image2D readIndirection(TileStackTextureAtlas& atlas) {
    return atlas.indirectionTexture().image(0, Image2D{PixelStorage{}.setAlignment(1), PixelFormat::R16UI});
}

UnsignedShort indirection(const Image2D& image, Int x, Int y) {
    return image.pixels<UnsignedShort>()[y][x];
}

/* Layers of the free and used ones, as a string for readable failures */
std::string freeLayers(const InspectableAtlas& atlas) {
    std::string out;
    for(Int i = 0; i != atlas.tileCount(); ++i) out += atlas.isLayerFree(i) ? '.' : 'x';
    return out;
}

/* Every byte of one mip level of every layer, read with raw GL as there's no
   compressed read-back in the API both libraries share */
std::vector<char> compressedLevel(TileStackTextureAtlas& atlas, Int level) {
    GLint size = 0;
    glBindTexture(GL_TEXTURE_2D_ARRAY, atlas.textureArray().id());
    glGetTexLevelParameteriv(GL_TEXTURE_2D_ARRAY, level, GL_TEXTURE_COMPRESSED_IMAGE_SIZE, &size);
    std::vector<char> out(static_cast<std::size_t>(size));
    glGetCompressedTexImage(GL_TEXTURE_2D_ARRAY, level, out.data());
    GL::Context::current().resetState(GL::Context::State::Textures);
    return out;
}

std::vector<std::vector<char>> compressedLevels(TileStackTextureAtlas& atlas) {
    std::vector<std::vector<char>> out;
    for(Int level = 0; level != atlas.mipCount(); ++level) out.push_back(compressedLevel(atlas, level));
    return out;
}

std::string debugString(const Vector3i& value) {
    std::ostringstream out;
    Utility::Debug{&out, Utility::Debug::Flag::NoNewlineAtTheEnd} << value;
    return out.str();
}

/* Bc1 tiles of 12x12, 16x16 with the border: 4x4 blocks of 8 bytes, three
   levels (16, 8, 4), 3x2 tiles */
constexpr std::size_t Bc1BlockBytes = 8;

InspectableAtlas bc1Atlas() {
    return InspectableAtlas{CompressedPixelFormat::Bc1RGBAUnorm, {12, 12}, {36, 24}, true};
}

/* Whole Bc1 blocks of distinct bytes for an image of @p size */
Containers::Array<char> bc1Blocks(const Vector2i& size, char seed) {
    Containers::Array<char> out{NoInit, std::size_t((size.x() + 3)/4*((size.y() + 3)/4))*Bc1BlockBytes};
    for(std::size_t i = 0; i != out.size(); ++i) out[i] = char(seed + char(i*7));
    return out;
}

/* The bytes of a level of all layers after writing @p blocks (an image of
   @p size) at the corner of @p layer, whose level is @p levelSize wide */
std::vector<char> withBlocks(std::vector<char> level, Int levelSize, Int layer, const Vector2i& size, Containers::ArrayView<const char> blocks) {
    const std::size_t levelBlocks = std::size_t((levelSize + 3)/4);
    const std::size_t layerBytes = levelBlocks*levelBlocks*Bc1BlockBytes;
    const std::size_t width = std::size_t((size.x() + 3)/4), height = std::size_t((size.y() + 3)/4);
    for(std::size_t y = 0; y != height; ++y) for(std::size_t x = 0; x != width; ++x)
        for(std::size_t i = 0; i != Bc1BlockBytes; ++i)
            level[layer*layerBytes + (y*levelBlocks + x)*Bc1BlockBytes + i] = blocks[(y*width + x)*Bc1BlockBytes + i];
    return level;
}

/* Construction */

TEST(TileStackTextureAtlas, DefaultAtlasHasNothing) {
    InspectableAtlas atlas;
    EXPECT_EQ(atlas.tileCount(), 0);
    EXPECT_EQ(atlas.mipCount(), 1);
    EXPECT_EQ(atlas.textureCount(), 0);
    EXPECT_EQ(atlas.virtualTextureSize(), Vector2i{});
    EXPECT_EQ(atlas.indirectionTexture().id(), 0u);
    EXPECT_EQ(atlas.textureArray().id(), 0u);
    EXPECT_EQ(atlas.hashCount(), 0u);
    EXPECT_EQ(atlas.hashLayer("a"), -1);

    /* Nothing to upload into, and nothing touches GL */
    std::ostringstream out;
    Utility::Error redirectError{&out};
    const Containers::Array<char> blocks = bc1Blocks({4, 4}, 1);
    EXPECT_FALSE(atlas.uploadTile(0, CompressedImageView2D{CompressedPixelFormat::Bc1RGBAUnorm, {4, 4}, blocks}, 0));
    EXPECT_FALSE(atlas.uploadTile("a", CompressedImageView2D{CompressedPixelFormat::Bc1RGBAUnorm, {4, 4}, blocks}, 0));
    EXPECT_EQ(out.str(),
        "TileStackTextureAtlas::uploadTile(): the atlas has no tiles texture\n"
        "TileStackTextureAtlas::uploadTile(): Unknown tile hash\n");
}

TEST(TileStackTextureAtlas, ConstructionLines) {
    REQUIRE_CONTEXT();
    std::ostringstream out, error;
    {
        Utility::Debug redirectDebug{&out};
        Utility::Error redirectError{&error};
        TileStackTextureAtlas atlas{CompressedPixelFormat::Bc3RGBAUnorm, {128, 128}, {1024, 1024}, true};
        TileStackTextureAtlas flat{PixelFormat::RGBA8Unorm, {30, 20}, {100, 50}, false};
    }
    const std::string max = "Max Texture2DArray size: " + debugString(GL::Texture2DArray::maxSize()) + "\n";
    EXPECT_EQ(out.str(), max +
        "Creating tile stack texture atlas with size Vector(1024, 1024) and format GL::TextureFormat::CompressedRGBAS3tcDxt5 64 tiles with mips\n" + max +
        "Creating tile stack texture atlas with size Vector(100, 50) and format GL::TextureFormat::RGBA8 6 tiles without mips\n");
    EXPECT_EQ(error.str(), "");
}

TEST(TileStackTextureAtlas, CompressedTilesWithABorderAndMips) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TileStackTextureAtlas atlas{CompressedPixelFormat::Bc3RGBAUnorm, {128, 128}, {1024, 1024}, true};
    EXPECT_EQ(atlas.tileCount(), 64);
    EXPECT_EQ(atlas.mipCount(), 6);
    EXPECT_EQ(atlas.virtualTextureSize(), (Vector2i{1024, 1024}));
    EXPECT_EQ(atlas.textureCount(), 0);

    /* 132 down to 4, the size of one block */
    EXPECT_EQ(atlas.textureArray().imageSize(0), (Vector3i{132, 132, 64}));
    EXPECT_EQ(atlas.textureArray().imageSize(5), (Vector3i{4, 4, 64}));
    EXPECT_EQ(atlas.indirectionTexture().imageSize(0), (Vector2i{8, 8}));

    GLint format = 0, levels = 0;
    glBindTexture(GL_TEXTURE_2D, atlas.indirectionTexture().id());
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    glBindTexture(GL_TEXTURE_2D_ARRAY, atlas.textureArray().id());
    glGetTexParameteriv(GL_TEXTURE_2D_ARRAY, GL_TEXTURE_IMMUTABLE_LEVELS, &levels);
    GL::Context::current().resetState(GL::Context::State::Textures);
    EXPECT_EQ(format, GL_R16UI);
    EXPECT_EQ(levels, 6);
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

struct MipCase {
    const char* name;
    bool compressed;
    PixelFormat format;
    CompressedPixelFormat compressedFormat;
    Vector2i tileSize;
    bool mips;
    Int expected;
};

void PrintTo(const MipCase& data, std::ostream* out) { *out << data.name; }

const MipCase MipCases[]{
    /* 132 down to 1 */
    {"Rgba8Tile128", false, PixelFormat::RGBA8Unorm, {}, {128, 128}, true, 8},
    {"Bc3Tile128", true, {}, CompressedPixelFormat::Bc3RGBAUnorm, {128, 128}, true, 6},
    {"Bc3WithoutMips", true, {}, CompressedPixelFormat::Bc3RGBAUnorm, {128, 128}, false, 1},
    {"Rgba8WithoutMips", false, PixelFormat::RGBA8Unorm, {}, {128, 128}, false, 1},
    /* 16, 8, 4 */
    {"Bc1Tile12", true, {}, CompressedPixelFormat::Bc1RGBAUnorm, {12, 12}, true, 3},
    /* 5, 2, 1 */
    {"Rgba8Tile1", false, PixelFormat::RGBA8Unorm, {}, {1, 1}, true, 3},
    /* 32 wide would give 6 levels, 64 high 7 */
    {"OnlyTheWidthCounts", false, PixelFormat::RGBA8Unorm, {}, {28, 60}, true, 6},
};

class TileStackTextureAtlasMipTest: public testing::TestWithParam<MipCase> {};

TEST_P(TileStackTextureAtlasMipTest, MipCount) {
    REQUIRE_CONTEXT();
    const MipCase& data = GetParam();
    Utility::Debug silence{nullptr};
    const Vector2i virtualSize = data.tileSize*2;
    TileStackTextureAtlas atlas = data.compressed ?
        TileStackTextureAtlas{data.compressedFormat, data.tileSize, virtualSize, data.mips} :
        TileStackTextureAtlas{data.format, data.tileSize, virtualSize, data.mips};
    EXPECT_EQ(atlas.mipCount(), data.expected);
    /* GL took every level */
    const Vector3i last = atlas.textureArray().imageSize(data.expected - 1);
    EXPECT_EQ(last.xy(), Math::max(Vector2i{1}, (data.tileSize + Vector2i{4})/(1 << (data.expected - 1))));
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

INSTANTIATE_TEST_SUITE_P(TileStackTextureAtlas, TileStackTextureAtlasMipTest, testing::ValuesIn(MipCases),
    [](const testing::TestParamInfo<MipCase>& info) { return std::string{info.param.name}; });

TEST(TileStackTextureAtlas, ABaseLevelSmallerThanABlockIsStillALevel) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    /* A 5x5 layer of 8x8 blocks would have no level at all */
    InspectableAtlas atlas{GL::TextureFormat::RGBA8, {1, 1}, {2, 2}, {8, 8}, true};
    EXPECT_EQ(atlas.mipCount(), 1);
    EXPECT_EQ(atlas.textureArray().imageSize(0), (Vector3i{5, 5, 4}));
}

/* Allocation failures */

TEST(TileStackTextureAtlas, MoreLayersThanGLAllowsMakeAnUnusableAtlas) {
    REQUIRE_CONTEXT();
    const Int maxLayers = GL::Texture2DArray::maxSize().z();
    if(maxLayers >= 65535) GTEST_SKIP() << "the layer limit of " << maxLayers << " can't be passed with 16-bit sizes";

    std::ostringstream error, warning;
    Utility::Debug silence{nullptr};
    Utility::Error redirectError{&error};
    Utility::Warning redirectWarning{&warning};
    TileStackTextureAtlas atlas{PixelFormat::R8Unorm, {1, 1}, {maxLayers + 1, 1}, false};
    EXPECT_EQ(error.str(), "TileStackTextureAtlas::TileStackTextureAtlas(): Allocating tiles texture failed: " + std::to_string(maxLayers + 1) + " layers are more than the limit of " + std::to_string(maxLayers) + "\n");
    EXPECT_EQ(atlas.tileCount(), maxLayers + 1);
    /* No indirection texture behind a failed tiles texture */
    EXPECT_EQ(atlas.indirectionTexture().id(), 0u);

    EXPECT_EQ(reserve(atlas, {1, 1}, {"a"}), -1);
    EXPECT_EQ(warning.str(), "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size: Vector(1, 1)\n");
    EXPECT_EQ(atlas.textureCount(), 0);

    error.str({});
    const Containers::Array<char> pixels{ValueInit, 8};
    EXPECT_FALSE(atlas.uploadTile(0, CompressedImageView2D{CompressedPixelFormat::Bc1RGBAUnorm, {4, 4}, pixels}, 0));
    EXPECT_EQ(error.str(), "TileStackTextureAtlas::uploadTile(): the atlas has no tiles texture\n");
}

TEST(TileStackTextureAtlas, TilesTextureRejectedByGLMakesAnUnusableAtlas) {
    REQUIRE_CONTEXT();
    const Int maxSize = GL::Texture2DArray::maxSize().x();
    if(maxSize > 65531) GTEST_SKIP() << "a tile wider than the limit of " << maxSize << " can't be made with 16-bit sizes";

    std::ostringstream error, warning;
    Utility::Debug silence{nullptr};
    Utility::Error redirectError{&error};
    Utility::Warning redirectWarning{&warning};
    /* One tile, but its border makes it wider than GL allows */
    TileStackTextureAtlas atlas{PixelFormat::R8Unorm, {maxSize, 1}, {maxSize, 1}, false};
    EXPECT_EQ(error.str(), "TileStackTextureAtlas::TileStackTextureAtlas(): Allocating tiles texture failed GL::Renderer::Error::InvalidValue\n");
    EXPECT_EQ(atlas.indirectionTexture().id(), 0u);
    EXPECT_EQ(reserve(atlas, {1, 1}, {"a"}), -1);
    EXPECT_EQ(warning.str(), "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size: Vector(1, 1)\n");
}


/* Reservation */

TEST(TileStackTextureAtlas, GridOfDistinctHashes) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{CompressedPixelFormat::Bc3RGBAUnorm, {128, 128}, {1024, 1024}, true};
    EXPECT_EQ(reserve(atlas, {300, 200}, {"a", "b", "c", "d", "e", "f"}), 0);
    EXPECT_EQ(atlas.textureCount(), 1);
    EXPECT_EQ(atlas.textureBounds()[0], (Bounds{0, 0, 300, 200}));

    /* Six layers in row-major order, the run padded to eight entries */
    EXPECT_EQ(std::vector<UnsignedShort>(atlas.tileIndices().begin(), atlas.tileIndices().end()),
        (std::vector<UnsignedShort>{0, 1, 2, 3, 4, 5, 0, 0}));
    EXPECT_EQ(atlas.runOffsets()[0], 0);
    for(Int i = 0; i != 6; ++i) EXPECT_EQ(atlas.referenceCounts()[i], 1) << i;
    EXPECT_EQ(atlas.referenceCounts()[6], 0);
    EXPECT_EQ(freeLayers(atlas).substr(0, 8), "xxxxxx..");
    EXPECT_EQ(atlas.hashCount(), 6u);
    EXPECT_EQ(atlas.hashLayer("e"), 4);

    const Image2D image = readIndirection(atlas);
    for(Int y = 0; y != 2; ++y) for(Int x = 0; x != 3; ++x)
        EXPECT_EQ(indirection(image, x, y), y*3 + x) << x << ", " << y;
}

TEST(TileStackTextureAtlas, SharedHashesShareLayersAndCountTheirTiles) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{CompressedPixelFormat::Bc3RGBAUnorm, {128, 128}, {1024, 1024}, true};
    ASSERT_EQ(reserve(atlas, {300, 200}, {"a", "b", "c", "d", "e", "f"}), 0);
    EXPECT_EQ(reserve(atlas, {200, 200}, {"b", "x", "e", "y"}), 1);

    /* Only the two new hashes took layers */
    ASSERT_EQ(atlas.runOffsets()[1], 8);
    EXPECT_EQ(std::vector<UnsignedShort>(atlas.tileIndices().begin() + 8, atlas.tileIndices().end()),
        (std::vector<UnsignedShort>{1, 6, 4, 7}));
    EXPECT_EQ(atlas.referenceCounts()[1], 2);
    EXPECT_EQ(atlas.referenceCounts()[4], 2);
    EXPECT_EQ(atlas.referenceCounts()[6], 1);
    EXPECT_EQ(atlas.referenceCounts()[7], 1);
    EXPECT_EQ(freeLayers(atlas).substr(0, 9), "xxxxxxxx.");

    const Bounds bounds = atlas.textureBounds()[1];
    EXPECT_EQ(bounds.z(), 200);
    EXPECT_EQ(bounds.w(), 200);
    ASSERT_EQ(bounds.x() % 128, 0);
    ASSERT_EQ(bounds.y() % 128, 0);
    const Image2D image = readIndirection(atlas);
    const Int x = bounds.x()/128, y = bounds.y()/128;
    EXPECT_EQ(indirection(image, x, y), 1);
    EXPECT_EQ(indirection(image, x + 1, y), 6);
    EXPECT_EQ(indirection(image, x, y + 1), 4);
    EXPECT_EQ(indirection(image, x + 1, y + 1), 7);
}

TEST(TileStackTextureAtlas, RemovalFreesOnlyLayersNoImageUses) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{CompressedPixelFormat::Bc3RGBAUnorm, {128, 128}, {1024, 1024}, true};
    ASSERT_EQ(reserve(atlas, {300, 200}, {"a", "b", "c", "d", "e", "f"}), 0);
    ASSERT_EQ(reserve(atlas, {200, 200}, {"b", "x", "e", "y"}), 1);

    atlas.removeImage(0);
    EXPECT_EQ(freeLayers(atlas).substr(0, 9), ".x..x.xx.");
    EXPECT_EQ(atlas.referenceCounts()[1], 1);
    EXPECT_EQ(atlas.referenceCounts()[4], 1);
    EXPECT_EQ(atlas.referenceCounts()[0], 0);
    /* The hashes of freed layers are gone, the shared ones stay */
    EXPECT_EQ(atlas.hashLayer("a"), -1);
    EXPECT_EQ(atlas.hashLayer("f"), -1);
    EXPECT_EQ(atlas.hashLayer("b"), 1);
    EXPECT_EQ(atlas.hashLayer("x"), 6);
    EXPECT_EQ(atlas.hashCount(), 4u);

    /* The id stays handed out with its bounds; the run is gone */
    EXPECT_EQ(atlas.textureCount(), 2);
    EXPECT_EQ(atlas.textureBounds()[0], (Bounds{0, 0, 300, 200}));
    EXPECT_EQ(atlas.runOffsets()[0], InspectableAtlas::RetiredRun);
    EXPECT_EQ(atlas.runOffsets()[1], 0);
    EXPECT_EQ(std::vector<UnsignedShort>(atlas.tileIndices().begin(), atlas.tileIndices().end()),
        (std::vector<UnsignedShort>{1, 6, 4, 7}));

    /* A new hash gets the lowest free layer, an old one that is gone too */
    EXPECT_EQ(reserve(atlas, {100, 100}, {"g"}), 2);
    EXPECT_EQ(atlas.hashLayer("g"), 0);
    EXPECT_EQ(reserve(atlas, {100, 100}, {"a"}), 3);
    EXPECT_EQ(atlas.hashLayer("a"), 2);
}

TEST(TileStackTextureAtlas, EqualHashesInOneImageShareALayer) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {32, 16}, false};
    EXPECT_EQ(reserve(atlas, {12, 4}, {"s", "t", "s"}), 0);
    EXPECT_EQ(std::vector<UnsignedShort>(atlas.tileIndices().begin(), atlas.tileIndices().end()),
        (std::vector<UnsignedShort>{0, 1, 0, 0}));
    EXPECT_EQ(atlas.referenceCounts()[0], 2);
    EXPECT_EQ(atlas.referenceCounts()[1], 1);
    EXPECT_EQ(atlas.hashCount(), 2u);
    const Image2D image = readIndirection(atlas);
    EXPECT_EQ(indirection(image, 0, 0), 0);
    EXPECT_EQ(indirection(image, 1, 0), 1);
    EXPECT_EQ(indirection(image, 2, 0), 0);

    /* Both tiles go back, and only then the layer */
    atlas.removeImage(0);
    EXPECT_EQ(atlas.referenceCounts()[0], 0);
    EXPECT_EQ(freeLayers(atlas), std::string(32, '.'));
    EXPECT_EQ(atlas.hashCount(), 0u);
}

TEST(TileStackTextureAtlas, ImageLargerThanAnyFreeAreaIsRefused) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {16, 16}, false};
    ASSERT_EQ(reserve(atlas, {16, 8}, {"h0", "h1", "h2", "h3", "h4", "h5", "h6", "h7"}), 0);

    /* Eight layers are free, but no 3x3 area */
    std::ostringstream out;
    Utility::Warning redirectWarning{&out};
    EXPECT_EQ(reserve(atlas, {12, 12}, {"n0", "n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8"}), -1);
    EXPECT_EQ(out.str(), "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size: Vector(12, 12)\n");
    EXPECT_EQ(atlas.textureCount(), 1);
    EXPECT_EQ(freeLayers(atlas), "xxxxxxxx........");
    EXPECT_EQ(atlas.hashCount(), 8u);
    EXPECT_EQ(atlas.tileIndices().size(), 8u);

    EXPECT_EQ(reserve(atlas, {16, 8}, {"n0", "n1", "n2", "n3", "n4", "n5", "n6", "n7"}), 1);
}

TEST(TileStackTextureAtlas, RequestsThatCanNeverFitAreRefused) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    /* 7x4 tiles: the last two columns of texels hold no whole tile */
    InspectableAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {30, 16}, false};
    ASSERT_EQ(atlas.tileCount(), 28);
    std::ostringstream out;
    Utility::Warning redirectWarning{&out};
    /* Refused before anything is narrowed to 16 bits or hashes are read:
       70000 would wrap to 4464 */
    EXPECT_EQ(reserve(atlas, {-1, 4}, {}), -1);
    EXPECT_EQ(reserve(atlas, {4, -4}, {}), -1);
    EXPECT_EQ(reserve(atlas, {70000, 4}, {}), -1);
    EXPECT_EQ(reserve(atlas, {31, 4}, {}), -1);
    EXPECT_EQ(reserve(atlas, {4, 17}, {}), -1);
    /* Eight tiles wide */
    EXPECT_EQ(reserve(atlas, {30, 4}, {"0", "1", "2", "3", "4", "5", "6", "7"}), -1);
    EXPECT_EQ(out.str(),
        "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size: Vector(-1, 4)\n"
        "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size: Vector(4, -4)\n"
        "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size: Vector(70000, 4)\n"
        "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size: Vector(31, 4)\n"
        "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size: Vector(4, 17)\n"
        "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size: Vector(30, 4)\n");
    EXPECT_EQ(atlas.textureCount(), 0);
    EXPECT_EQ(atlas.hashCount(), 0u);

    std::vector<std::string> hashes;
    for(Int i = 0; i != 28; ++i) hashes.push_back(std::to_string(i));
    EXPECT_EQ(reserve(atlas, {28, 16}, hashes), 0);
}

TEST(TileStackTextureAtlas, EmptyImagesTakeNoArea) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {16, 16}, false};
    EXPECT_EQ(reserve(atlas, {0, 0}, {}), 0);
    EXPECT_EQ(reserve(atlas, {0, 5}, {}), 1);
    EXPECT_EQ(atlas.textureBounds()[1].z(), 0);
    EXPECT_EQ(atlas.textureBounds()[1].w(), 5);
    EXPECT_TRUE(atlas.tileIndices().isEmpty());
    EXPECT_EQ(atlas.runOffsets()[0], 0);
    EXPECT_EQ(atlas.runOffsets()[1], 0);

    /* Removal has no area to give back, and doesn't need any */
    atlas.removeImage(1);
    atlas.removeImage(0);
    EXPECT_EQ(atlas.runOffsets()[0], InspectableAtlas::RetiredRun);
    EXPECT_EQ(atlas.runOffsets()[1], InspectableAtlas::RetiredRun);

    std::vector<std::string> hashes;
    for(Int i = 0; i != 16; ++i) hashes.push_back(std::to_string(i));
    EXPECT_EQ(reserve(atlas, {16, 16}, hashes), 2);
}

TEST(TileStackTextureAtlas, SharingALayerPast255TilesIsRefused) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    /* 512 tiles of one texel */
    InspectableAtlas atlas{PixelFormat::R8Unorm, {1, 1}, {32, 16}, false};
    std::ostringstream out;
    Utility::Warning redirectWarning{&out};

    /* The 256th tile of the hash fails, and the 255 before go back */
    EXPECT_EQ(reserve(atlas, {16, 16}, std::vector<std::string>(256, "a")), -1);
    EXPECT_EQ(atlas.hashCount(), 0u);
    EXPECT_TRUE(atlas.isLayerFree(0));
    EXPECT_EQ(atlas.referenceCounts()[0], 0);
    EXPECT_TRUE(atlas.tileIndices().isEmpty());
    EXPECT_EQ(atlas.textureCount(), 0);

    /* 255 across two images are fine */
    ASSERT_EQ(reserve(atlas, {16, 15}, std::vector<std::string>(240, "a")), 0);
    ASSERT_EQ(reserve(atlas, {15, 1}, std::vector<std::string>(15, "a")), 1);
    EXPECT_EQ(atlas.referenceCounts()[0], 255);
    const std::size_t indexCount = atlas.tileIndices().size();

    /* A new hash taken before the refusal goes back as well */
    EXPECT_EQ(reserve(atlas, {2, 1}, {"c", "a"}), -1);
    EXPECT_EQ(atlas.hashLayer("c"), -1);
    EXPECT_TRUE(atlas.isLayerFree(1));
    EXPECT_EQ(atlas.referenceCounts()[0], 255);
    EXPECT_EQ(atlas.hashCount(), 1u);
    EXPECT_EQ(atlas.tileIndices().size(), indexCount);
    EXPECT_EQ(atlas.textureCount(), 2);
    EXPECT_EQ(out.str(),
        "TileStackTextureAtlas::addImage(): tile layer 0 would be shared by more than 255 tiles, cannot add image of size: Vector(16, 16)\n"
        "TileStackTextureAtlas::addImage(): tile layer 0 would be shared by more than 255 tiles, cannot add image of size: Vector(2, 1)\n");

    EXPECT_EQ(reserve(atlas, {1, 1}, {"c"}), 2);
    EXPECT_EQ(atlas.hashLayer("c"), 1);
}

TEST(TileStackTextureAtlas, ARunPastTheSixteenBitOffsetsIsRefused) {
    REQUIRE_CONTEXT();
    /* 16384 one-tile images fill 65536 entries with their padding */
    const Int maxLayers = GL::Texture2DArray::maxSize().z();
    if(maxLayers < 16384) GTEST_SKIP() << "needs 16384 layers, GL allows " << maxLayers;

    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{PixelFormat::R8Unorm, {1, 1}, {128, 128}, false};
    for(Int i = 0; i != 16383; ++i)
        ASSERT_EQ(reserve(atlas, {1, 1}, {std::to_string(i)}), i);
    ASSERT_EQ(atlas.tileIndices().size(), 65532u);

    std::ostringstream out;
    Utility::Warning redirectWarning{&out};
    EXPECT_EQ(reserve(atlas, {1, 1}, {"last"}), -1);
    EXPECT_EQ(out.str(), "TileStackTextureAtlas::addImage(): tile index list is full, cannot add image of size: Vector(1, 1)\n");
    EXPECT_EQ(atlas.hashLayer("last"), -1);
    EXPECT_EQ(atlas.textureCount(), 16383);

    /* A removal makes room again */
    atlas.removeImage(0);
    EXPECT_EQ(reserve(atlas, {1, 1}, {"last"}), 16383);
    EXPECT_EQ(atlas.runOffsets()[16383], 65528);
}

TEST(TileStackTextureAtlas, IndirectionWriteFailureUndoesTheReservation) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {16, 16}, false};
    ASSERT_EQ(reserve(atlas, {4, 4}, {"a"}), 0);

    /* The texture goes away behind the atlas's back */
    const GLuint id = atlas.indirectionTexture().id();
    glDeleteTextures(1, &id);
    GL::Context::current().resetState(GL::Context::State::Textures);

    std::ostringstream out;
    Utility::Error redirectError{&out};
    EXPECT_EQ(reserve(atlas, {8, 4}, {"b", "a"}), -1);
    EXPECT_EQ(out.str(), "TileStackTextureAtlas::reserveImage(): Writing the indirection texture failed GL::Renderer::Error::InvalidOperation\n");
    EXPECT_EQ(atlas.textureCount(), 1);
    EXPECT_EQ(atlas.hashCount(), 1u);
    EXPECT_EQ(atlas.hashLayer("b"), -1);
    EXPECT_EQ(atlas.referenceCounts()[0], 1);
    EXPECT_EQ(freeLayers(atlas), "x...............");
    EXPECT_EQ(atlas.tileIndices().size(), 4u);
    EXPECT_EQ(atlas.runOffsets().size(), 1u);
}

/* The indirection texture */

TEST(TileStackTextureAtlas, IndirectionNamesTheLayersOfEveryLiveImage) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {32, 16}, false};
    const int a = reserve(atlas, {12, 8}, {"a0", "a1", "a2", "a3", "a4", "a5"});
    const int b = reserve(atlas, {8, 8}, {"a1", "b1", "b2", "a4"});
    const int c = reserve(atlas, {4, 12}, {"c0", "c0", "b2"});
    atlas.removeImage(a);
    /* a0 went with its layer, so it gets a new one */
    const int d = reserve(atlas, {8, 4}, {"d0", "a0"});
    ASSERT_EQ(d, 3);

    const struct {
        int id;
        std::vector<std::string> hashes;
        std::vector<UnsignedShort> layers;
    } images[]{
        {b, {"a1", "b1", "b2", "a4"}, {1, 6, 7, 4}},
        {c, {"c0", "c0", "b2"}, {8, 8, 7}},
        {d, {"d0", "a0"}, {0, 2}},
    };
    const Image2D image = readIndirection(atlas);
    for(const auto& i: images) {
        const Bounds bounds = atlas.textureBounds()[i.id];
        const Int width = (bounds.z() + 3)/4, height = (bounds.w() + 3)/4;
        ASSERT_EQ(std::size_t(width*height), i.layers.size());
        for(Int y = 0; y != height; ++y) for(Int x = 0; x != width; ++x) {
            const std::size_t tile = std::size_t(y*width + x);
            SCOPED_TRACE(i.hashes[tile]);
            EXPECT_EQ(atlas.hashLayer(i.hashes[tile]), i.layers[tile]);
            EXPECT_EQ(indirection(image, bounds.x()/4 + x, bounds.y()/4 + y), i.layers[tile]);
        }
    }
}

/* Tile uploads */

struct UploadCase {
    const char* name;
    const char* hash;
    Int tile;
    Int level;
    Vector2i size;
};

void PrintTo(const UploadCase& data, std::ostream* out) { *out << data.name; }

/* "p" is layer 0 and "q" layer 1 */
const UploadCase UploadCases[]{
    {"ByLayerLevel0", nullptr, 2, 0, {16, 16}},
    {"ByLayerLevel2", nullptr, 5, 2, {4, 4}},
    {"ByHashLevel0", "q", 1, 0, {16, 16}},
    {"ByHashLevel1", "p", 0, 1, {8, 8}},
    {"ByHashLevel2", "q", 1, 2, {4, 4}},
    {"PartOfALayer", nullptr, 3, 0, {8, 8}},
};

class TileStackTextureAtlasUploadTest: public testing::TestWithParam<UploadCase> {};

TEST_P(TileStackTextureAtlasUploadTest, LandsInItsLayerAndLevelOnly) {
    REQUIRE_CONTEXT();
    const UploadCase& data = GetParam();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas = bc1Atlas();
    ASSERT_EQ(atlas.mipCount(), 3);
    ASSERT_EQ(reserve(atlas, {24, 12}, {"p", "q"}), 0);
    ASSERT_EQ(atlas.hashLayer("q"), 1);

    const std::vector<std::vector<char>> before = compressedLevels(atlas);
    const Containers::Array<char> blocks = bc1Blocks(data.size, 40);
    const CompressedImageView2D image{CompressedPixelFormat::Bc1RGBAUnorm, data.size, blocks};
    ASSERT_TRUE(data.hash ? atlas.uploadTile(data.hash, image, data.level) : atlas.uploadTile(data.tile, image, data.level));

    const std::vector<std::vector<char>> after = compressedLevels(atlas);
    for(Int level = 0; level != 3; ++level) {
        SCOPED_TRACE(level);
        EXPECT_EQ(after[level], level == data.level ?
            withBlocks(before[level], 16 >> level, data.tile, data.size, blocks) :
            before[level]);
    }
}

INSTANTIATE_TEST_SUITE_P(TileStackTextureAtlas, TileStackTextureAtlasUploadTest, testing::ValuesIn(UploadCases),
    [](const testing::TestParamInfo<UploadCase>& info) { return std::string{info.param.name}; });

struct RejectedUploadCase {
    const char* name;
    Int tile;
    Int level;
    CompressedPixelFormat format;
    std::size_t blockBytes;
    Vector2i size;
    const char* error;
};

void PrintTo(const RejectedUploadCase& data, std::ostream* out) { *out << data.name; }

const RejectedUploadCase RejectedUploadCases[]{
    {"LayerPastTheEnd", 6, 0, CompressedPixelFormat::Bc1RGBAUnorm, 8, {16, 16},
        "TileStackTextureAtlas::uploadTile(): tile 6 out of range for 6 tiles\n"},
    {"NegativeLayer", -1, 0, CompressedPixelFormat::Bc1RGBAUnorm, 8, {16, 16},
        "TileStackTextureAtlas::uploadTile(): tile -1 out of range for 6 tiles\n"},
    {"LevelPastTheEnd", 0, 3, CompressedPixelFormat::Bc1RGBAUnorm, 8, {4, 4},
        "TileStackTextureAtlas::uploadTile(): level 3 out of range for 3 levels\n"},
    {"NegativeLevel", 0, -1, CompressedPixelFormat::Bc1RGBAUnorm, 8, {4, 4},
        "TileStackTextureAtlas::uploadTile(): level -1 out of range for 3 levels\n"},
    {"LargerThanTheLevel", 0, 1, CompressedPixelFormat::Bc1RGBAUnorm, 8, {16, 16},
        "TileStackTextureAtlas::uploadTile(): Uploading tile failed GL::Renderer::Error::InvalidValue\n"},
    {"AnotherFormat", 0, 0, CompressedPixelFormat::Bc3RGBAUnorm, 16, {16, 16},
        "TileStackTextureAtlas::uploadTile(): Uploading tile failed GL::Renderer::Error::InvalidOperation\n"},
};

class TileStackTextureAtlasRejectedUploadTest: public testing::TestWithParam<RejectedUploadCase> {};

TEST_P(TileStackTextureAtlasRejectedUploadTest, WritesNothing) {
    REQUIRE_CONTEXT();
    const RejectedUploadCase& data = GetParam();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas = bc1Atlas();
    ASSERT_EQ(reserve(atlas, {24, 12}, {"p", "q"}), 0);
    const std::vector<std::vector<char>> before = compressedLevels(atlas);

    Containers::Array<char> blocks{ValueInit, std::size_t(data.size.x()/4*data.size.y()/4)*data.blockBytes};
    for(char& i: blocks) i = 'x';
    std::ostringstream out;
    Utility::Error redirectError{&out};
    EXPECT_FALSE(atlas.uploadTile(data.tile, CompressedImageView2D{data.format, data.size, blocks}, data.level));
    EXPECT_EQ(out.str(), data.error);
    EXPECT_EQ(compressedLevels(atlas), before);
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
}

INSTANTIATE_TEST_SUITE_P(TileStackTextureAtlas, TileStackTextureAtlasRejectedUploadTest, testing::ValuesIn(RejectedUploadCases),
    [](const testing::TestParamInfo<RejectedUploadCase>& info) { return std::string{info.param.name}; });

TEST(TileStackTextureAtlas, UploadByAnUnknownHashWritesNothing) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas = bc1Atlas();
    ASSERT_EQ(reserve(atlas, {24, 12}, {"p", "q"}), 0);
    const std::vector<std::vector<char>> before = compressedLevels(atlas);

    const Containers::Array<char> blocks = bc1Blocks({16, 16}, 3);
    std::ostringstream out;
    Utility::Error redirectError{&out};
    EXPECT_FALSE(atlas.uploadTile("r", CompressedImageView2D{CompressedPixelFormat::Bc1RGBAUnorm, {16, 16}, blocks}, 0));
    EXPECT_EQ(out.str(), "TileStackTextureAtlas::uploadTile(): Unknown tile hash\n");
    EXPECT_EQ(compressedLevels(atlas), before);
}

TEST(TileStackTextureAtlas, TheHashOfARemovedImageDoesntReachItsOldLayer) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas = bc1Atlas();
    const int old = reserve(atlas, {12, 12}, {"old"});
    const Containers::Array<char> oldBlocks = bc1Blocks({16, 16}, 1);
    ASSERT_TRUE(atlas.uploadTile("old", CompressedImageView2D{CompressedPixelFormat::Bc1RGBAUnorm, {16, 16}, oldBlocks}, 0));
    atlas.removeImage(old);

    /* The freed layer goes to the next image */
    ASSERT_GE(reserve(atlas, {12, 12}, {"new"}), 0);
    ASSERT_EQ(atlas.hashLayer("new"), 0);
    const Containers::Array<char> newBlocks = bc1Blocks({16, 16}, 2);
    ASSERT_TRUE(atlas.uploadTile("new", CompressedImageView2D{CompressedPixelFormat::Bc1RGBAUnorm, {16, 16}, newBlocks}, 0));
    const std::vector<char> written = compressedLevel(atlas, 0);

    /* A late upload for the removed image must not overwrite it */
    std::ostringstream out;
    Utility::Error redirectError{&out};
    const Containers::Array<char> lateBlocks = bc1Blocks({16, 16}, 3);
    EXPECT_FALSE(atlas.uploadTile("old", CompressedImageView2D{CompressedPixelFormat::Bc1RGBAUnorm, {16, 16}, lateBlocks}, 0));
    EXPECT_EQ(out.str(), "TileStackTextureAtlas::uploadTile(): Unknown tile hash\n");
    EXPECT_EQ(compressedLevel(atlas, 0), written);
}

TEST(TileStackTextureAtlas, UploadPassesTheCompressedStorageOn) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas = bc1Atlas();
    const std::vector<char> before = compressedLevel(atlas, 0);

    /* The right half of a 32x16 image */
    const Containers::Array<char> source = bc1Blocks({32, 16}, 9);
    const CompressedPixelStorage storage = CompressedPixelStorage{}
        .setRowLength(32)
        .setSkip({16, 0, 0});
    ASSERT_TRUE(atlas.uploadTile(4, CompressedImageView2D{storage, CompressedPixelFormat::Bc1RGBAUnorm, {16, 16}, source}, 0));

    Containers::Array<char> half{NoInit, 16*Bc1BlockBytes};
    for(std::size_t y = 0; y != 4; ++y) for(std::size_t x = 0; x != 4; ++x)
        for(std::size_t i = 0; i != Bc1BlockBytes; ++i)
            half[(y*4 + x)*Bc1BlockBytes + i] = source[(y*8 + x + 4)*Bc1BlockBytes + i];
    EXPECT_EQ(compressedLevel(atlas, 0), withBlocks(before, 16, 4, {16, 16}, half));
}

/* Removal */

TEST(TileStackTextureAtlas, RunsCloseUpBehindARemovedImage) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {32, 16}, false};
    ASSERT_EQ(reserve(atlas, {4, 4}, {"a"}), 0);
    ASSERT_EQ(reserve(atlas, {20, 4}, {"b0", "b1", "b2", "b3", "b4"}), 1);
    ASSERT_EQ(reserve(atlas, {8, 4}, {"c0", "c1"}), 2);
    const auto offsets = [&] {
        return std::vector<UnsignedShort>(atlas.runOffsets().begin(), atlas.runOffsets().end());
    };
    const auto indices = [&] {
        return std::vector<UnsignedShort>(atlas.tileIndices().begin(), atlas.tileIndices().end());
    };
    const UnsignedShort Retired = InspectableAtlas::RetiredRun;
    EXPECT_EQ(offsets(), (std::vector<UnsignedShort>{0, 4, 12}));
    EXPECT_EQ(indices(), (std::vector<UnsignedShort>{0, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0, 6, 7, 0, 0}));

    atlas.removeImage(1);
    EXPECT_EQ(offsets(), (std::vector<UnsignedShort>{0, Retired, 4}));
    EXPECT_EQ(indices(), (std::vector<UnsignedShort>{0, 0, 0, 0, 6, 7, 0, 0}));

    atlas.removeImage(0);
    EXPECT_EQ(offsets(), (std::vector<UnsignedShort>{Retired, Retired, 0}));
    EXPECT_EQ(indices(), (std::vector<UnsignedShort>{6, 7, 0, 0}));

    ASSERT_EQ(reserve(atlas, {4, 8}, {"d0", "d1"}), 3);
    EXPECT_EQ(offsets(), (std::vector<UnsignedShort>{Retired, Retired, 0, 4}));
    EXPECT_EQ(indices(), (std::vector<UnsignedShort>{6, 7, 0, 0, 0, 1, 0, 0}));

    /* The image after a removed one finds its own run */
    atlas.removeImage(2);
    EXPECT_EQ(offsets(), (std::vector<UnsignedShort>{Retired, Retired, Retired, 0}));
    EXPECT_EQ(indices(), (std::vector<UnsignedShort>{0, 1, 0, 0}));
    EXPECT_EQ(freeLayers(atlas), "xx" + std::string(30, '.'));
    atlas.removeImage(3);
    EXPECT_TRUE(atlas.tileIndices().isEmpty());
    EXPECT_EQ(freeLayers(atlas), std::string(32, '.'));
    EXPECT_EQ(atlas.hashCount(), 0u);

    /* Everything is free again */
    std::vector<std::string> hashes;
    for(Int i = 0; i != 32; ++i) hashes.push_back(std::to_string(i));
    EXPECT_EQ(reserve(atlas, {32, 16}, hashes), 4);
}

TEST(TileStackTextureAtlas, MovingTakesEverything) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {16, 16}, false};
    ASSERT_EQ(reserve(atlas, {4, 4}, {"a"}), 0);
    const UnsignedInt indirectionId = atlas.indirectionTexture().id();
    const UnsignedInt arrayId = atlas.textureArray().id();

    TileStackTextureAtlas moved{std::move(atlas)};
    EXPECT_EQ(moved.indirectionTexture().id(), indirectionId);
    EXPECT_EQ(moved.textureArray().id(), arrayId);
    EXPECT_EQ(moved.textureCount(), 1);
    EXPECT_EQ(moved.tileCount(), 16);
    EXPECT_EQ(moved.virtualTextureSize(), (Vector2i{16, 16}));
    EXPECT_EQ(atlas.textureCount(), 0);
    EXPECT_EQ(atlas.tileCount(), 0);
    EXPECT_EQ(atlas.indirectionTexture().id(), 0u);
    EXPECT_EQ(atlas.hashLayer("a"), -1);

    EXPECT_EQ(reserve(moved, {4, 4}, {"b"}), 1);
    TileStackTextureAtlas assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.textureCount(), 2);
    EXPECT_EQ(moved.textureCount(), 0);
    EXPECT_EQ(moved.indirectionTexture().id(), 0u);
    assigned.removeImage(0);
    EXPECT_EQ(readIndirection(assigned).size(), (Vector2i{4, 4}));
}

/* A seeded random walk, checked after every step against what the images
   alone say the bookkeeping must be */

struct ModelImage {
    Vector2i size;
    Vector2i grid;
    std::vector<std::string> hashes;
};

void expectMatchesModel(InspectableAtlas& atlas, const std::map<int, ModelImage>& live, const std::vector<std::string>& pool, int idCount) {
    ASSERT_EQ(atlas.textureCount(), idCount);

    /* Live tiles of every hash */
    std::map<std::string, Int> tilesOfHash;
    for(const auto& image: live)
        for(const std::string& hash: image.second.hashes) ++tilesOfHash[hash];

    /* Every live hash has a layer of its own, every other hash none */
    ASSERT_EQ(atlas.hashCount(), tilesOfHash.size());
    std::set<Int> layers;
    for(const std::string& hash: pool) {
        const Int layer = atlas.hashLayer(hash);
        if(!tilesOfHash.count(hash)) {
            ASSERT_EQ(layer, -1) << hash;
            continue;
        }
        ASSERT_GE(layer, 0) << hash;
        ASSERT_LT(layer, atlas.tileCount()) << hash;
        ASSERT_TRUE(layers.insert(layer).second) << hash << " shares layer " << layer;
    }

    /* Counts are the live tiles per layer, free bits the layers with none */
    std::vector<Int> counts(std::size_t(atlas.tileCount()), 0);
    for(const auto& hash: tilesOfHash) counts[std::size_t(atlas.hashLayer(hash.first))] = hash.second;
    for(Int layer = 0; layer != atlas.tileCount(); ++layer) {
        ASSERT_EQ(atlas.referenceCounts()[layer], counts[layer]) << "layer " << layer;
        ASSERT_EQ(atlas.isLayerFree(layer), counts[layer] == 0) << "layer " << layer;
    }

    /* Runs are packed in id order, each leads to its own image's layers */
    std::size_t nextRun = 0;
    for(int id = 0; id != idCount; ++id) {
        const auto found = live.find(id);
        if(found == live.end()) {
            ASSERT_EQ(atlas.runOffsets()[id], InspectableAtlas::RetiredRun) << "id " << id;
            continue;
        }
        ASSERT_EQ(std::size_t(atlas.runOffsets()[id]), nextRun) << "id " << id;
        const std::vector<std::string>& hashes = found->second.hashes;
        const std::size_t runLength = (hashes.size() + 3)/4*4;
        for(std::size_t i = 0; i != runLength; ++i)
            ASSERT_EQ(atlas.tileIndices()[nextRun + i], i < hashes.size() ? atlas.hashLayer(hashes[i]) : 0) << "id " << id << " entry " << i;
        nextRun += runLength;
    }
    ASSERT_EQ(atlas.tileIndices().size(), nextRun);

    /* Images lie in whole tiles inside the virtual texture, apart from each
       other, and the indirection texture names their layers */
    const Vector2i virtualSizeInTiles = atlas.virtualTextureSize()/2;
    std::vector<int> owner(std::size_t(virtualSizeInTiles.product()), -1);
    const Image2D image = readIndirection(atlas);
    for(const auto& i: live) {
        const Bounds bounds = atlas.textureBounds()[i.first];
        ASSERT_EQ(bounds.z(), i.second.size.x());
        ASSERT_EQ(bounds.w(), i.second.size.y());
        ASSERT_EQ(bounds.x() % 2, 0);
        ASSERT_EQ(bounds.y() % 2, 0);
        const Vector2i min{bounds.x()/2, bounds.y()/2};
        ASSERT_LE(min.x() + i.second.grid.x(), virtualSizeInTiles.x());
        ASSERT_LE(min.y() + i.second.grid.y(), virtualSizeInTiles.y());
        for(Int y = 0; y != i.second.grid.y(); ++y) for(Int x = 0; x != i.second.grid.x(); ++x) {
            int& tileOwner = owner[std::size_t((min.y() + y)*virtualSizeInTiles.x() + min.x() + x)];
            ASSERT_EQ(tileOwner, -1) << "ids " << tileOwner << " and " << i.first << " overlap";
            tileOwner = i.first;
            ASSERT_EQ(indirection(image, min.x() + x, min.y() + y), atlas.hashLayer(i.second.hashes[std::size_t(y*i.second.grid.x() + x)])) << "id " << i.first;
        }
    }
}

TEST(TileStackTextureAtlas, RandomReservationsAndRemovalsAgreeWithAModel) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    std::ostringstream warnings;
    Utility::Warning redirectWarning{&warnings};
    /* 8x8 tiles of 2x2 texels */
    InspectableAtlas atlas{PixelFormat::R8Unorm, {2, 2}, {16, 16}, false};

    /* Short hashes and ones too long to be stored inline */
    std::vector<std::string> pool;
    for(Int i = 0; i != 40; ++i)
        pool.push_back(i % 2 ? "long-tile-hash-0123456789abcdef-" + std::to_string(i) : std::to_string(i));

    std::mt19937 random{20260806};
    std::map<int, ModelImage> live;
    std::string expectedWarnings;
    int idCount = 0, removals = 0, refusals = 0, shared = 0;
    for(int step = 0; step != 400; ++step) {
        SCOPED_TRACE(step);
        if(live.empty() || random() % 5 < 3) {
            ModelImage image;
            image.size = {Int(random() % 8) + 1, Int(random() % 8) + 1};
            image.grid = (image.size + Vector2i{1})/2;
            for(Int i = 0; i != image.grid.product(); ++i)
                image.hashes.push_back(pool[random() % pool.size()]);
            for(const std::string& hash: image.hashes)
                if(atlas.hashLayer(hash) != -1) ++shared;

            const int id = reserve(atlas, image.size, image.hashes);
            if(id == -1) {
                ++refusals;
                std::ostringstream line;
                Utility::Debug{&line} << "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size:" << image.size;
                expectedWarnings += line.str();
            } else {
                ASSERT_EQ(id, idCount);
                ++idCount;
                live[id] = image;
            }
        } else {
            auto it = live.begin();
            std::advance(it, random() % live.size());
            atlas.removeImage(it->first);
            live.erase(it);
            ++removals;
        }
        ASSERT_NO_FATAL_FAILURE(expectMatchesModel(atlas, live, pool, idCount));
    }
    EXPECT_EQ(warnings.str(), expectedWarnings);

    /* The walk went through what it is meant to */
    EXPECT_GT(removals, 50);
    EXPECT_GT(refusals, 10);
    EXPECT_GT(shared, 100);
}

/* Caller errors */

TEST(TileStackTextureAtlasDeathTest, NonPositiveTileSize) {
    REQUIRE_CONTEXT();
    EXPECT_DEATH(TileStackTextureAtlas(PixelFormat::R8Unorm, {0, 128}, {1024, 1024}, false),
        "TileStackTextureAtlas::TileStackTextureAtlas\\(\\): expected a positive tile size, got Vector\\(0, 128\\)");
}

TEST(TileStackTextureAtlasDeathTest, NonPositiveBlockSize) {
    REQUIRE_CONTEXT();
    EXPECT_DEATH(InspectableAtlas(GL::TextureFormat::RGBA8, {4, 4}, {16, 16}, {0, 4}, true),
        "TileStackTextureAtlas::TileStackTextureAtlas\\(\\): expected a positive block size, got Vector\\(0, 4\\)");
}

TEST(TileStackTextureAtlasDeathTest, VirtualSizeOutOfRange) {
    REQUIRE_CONTEXT();
    /* Not one whole tile */
    EXPECT_DEATH(TileStackTextureAtlas(PixelFormat::R8Unorm, {128, 128}, {100, 1024}, false),
        "TileStackTextureAtlas::TileStackTextureAtlas\\(\\): expected a virtual texture size of at least one tile and at most 65535, got Vector\\(100, 1024\\) for tiles of Vector\\(128, 128\\)");
    /* Bounds past 16 bits */
    EXPECT_DEATH(TileStackTextureAtlas(PixelFormat::R8Unorm, {1, 1}, {65536, 1}, false),
        "TileStackTextureAtlas::TileStackTextureAtlas\\(\\): expected a virtual texture size of at least one tile and at most 65535, got Vector\\(65536, 1\\) for tiles of Vector\\(1, 1\\)");
}

TEST(TileStackTextureAtlasDeathTest, MoreTilesThanSixteenBitLayers) {
    REQUIRE_CONTEXT();
    EXPECT_DEATH(TileStackTextureAtlas(PixelFormat::R8Unorm, {1, 1}, {300, 300}, false),
        "TileStackTextureAtlas::TileStackTextureAtlas\\(\\): expected at most 65536 tiles, got 90000");
}

TEST(TileStackTextureAtlasDeathTest, ReservingInADefaultAtlas) {
    REQUIRE_CONTEXT();
    TileStackTextureAtlas atlas;
    EXPECT_DEATH(reserve(atlas, {4, 4}, {"a"}),
        "TileStackTextureAtlas::reserveImage\\(\\): the atlas has no virtual texture");
}

TEST(TileStackTextureAtlasDeathTest, FewerHashesThanTiles) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TileStackTextureAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {16, 16}, false};
    EXPECT_DEATH(reserve(atlas, {12, 8}, {"0", "1", "2", "3", "4"}),
        "TileStackTextureAtlas::reserveImage\\(\\): expected 6 tile hashes for an image of size Vector\\(12, 8\\) but got 5");
}

TEST(TileStackTextureAtlasDeathTest, RemovingAnIdOutOfRange) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TileStackTextureAtlas empty;
    EXPECT_DEATH(empty.removeImage(0), "TileStackTextureAtlas::removeImage\\(\\): id 0 out of range for 0 images");
    TileStackTextureAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {16, 16}, false};
    reserve(atlas, {4, 4}, {"a"});
    EXPECT_DEATH(atlas.removeImage(1), "TileStackTextureAtlas::removeImage\\(\\): id 1 out of range for 1 images");
    EXPECT_DEATH(atlas.removeImage(-1), "TileStackTextureAtlas::removeImage\\(\\): id -1 out of range for 1 images");
}

TEST(TileStackTextureAtlasDeathTest, RemovingTwice) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    TileStackTextureAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {16, 16}, false};
    reserve(atlas, {4, 4}, {"a"});
    reserve(atlas, {0, 0}, {});
    atlas.removeImage(0);
    atlas.removeImage(1);
    /* Giving the tiles back twice would hand them to two images */
    EXPECT_DEATH(atlas.removeImage(0), "TileStackTextureAtlas::removeImage\\(\\): image 0 was removed already");
    EXPECT_DEATH(atlas.removeImage(1), "TileStackTextureAtlas::removeImage\\(\\): image 1 was removed already");
}

TEST(TileStackTextureAtlasDeathTest, LayerOutOfRange) {
    REQUIRE_CONTEXT();
    Utility::Debug silence{nullptr};
    InspectableAtlas atlas{PixelFormat::R8Unorm, {4, 4}, {16, 16}, false};
    EXPECT_DEATH(atlas.isLayerFree(16), "TileStackTextureAtlas::isLayerFree\\(\\): layer 16 out of range for 16 layers");
}

}}}
