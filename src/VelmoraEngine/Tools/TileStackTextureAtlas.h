#ifndef VelmoraEngine_Tools_TileStackTextureAtlas_h
#define VelmoraEngine_Tools_TileStackTextureAtlas_h
/* A virtual texture of tiles stacked in a GL texture array, shared by hash */

#include <cstddef>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/ArrayView.h>
#include <Corrade/Containers/Pointer.h>
#include <Corrade/Containers/StringView.h>
#include <Magnum/GL/GL.h>
#include <Magnum/GL/Texture.h>
#include <Magnum/GL/TextureArray.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Vector2.h>
#include <Magnum/Math/Vector4.h>

#include "VelmoraEngine/visibility.h"

namespace VelmoraEngine {

class BitSet;
class RectPacking;

/**
 * A virtual texture cut into tiles. Each tile lives in one layer of a GL
 * texture array, chosen by the tile's hash: equal hashes share a layer. An
 * R16UI indirection texture names the layer of every virtual tile. Images are
 * placed in whole tiles; ids grow from 0 and are never reused. Construction,
 * reserveImage() and uploadTile() need the current GL context. Movable, not
 * copyable.
 */
class VELMORAENGINE_TOOLS_EXPORT TileStackTextureAtlas {
    public:
        /** No GL objects, no tiles, no images: a target for move assignment */
        explicit TileStackTextureAtlas();

        /**
         * Uncompressed tiles of @p format. Expects a positive @p tileSize and
         * a @p virtualTextureSize of at least one tile and at most 65535 in
         * each direction, holding at most 65536 tiles.
         */
        explicit TileStackTextureAtlas(Magnum::PixelFormat format, const Magnum::Vector2i& tileSize, const Magnum::Vector2i& virtualTextureSize, bool mips);

        /** @overload Mip levels stop at the format's block size */
        explicit TileStackTextureAtlas(Magnum::CompressedPixelFormat format, const Magnum::Vector2i& tileSize, const Magnum::Vector2i& virtualTextureSize, bool mips);

        TileStackTextureAtlas(const TileStackTextureAtlas&) = delete;
        /** Takes over everything, @p other becomes a default atlas */
        TileStackTextureAtlas(TileStackTextureAtlas&& other) noexcept;
        TileStackTextureAtlas& operator=(const TileStackTextureAtlas&) = delete;
        /** Swaps the whole state with @p other */
        TileStackTextureAtlas& operator=(TileStackTextureAtlas&& other) noexcept;
        ~TileStackTextureAtlas();

        /**
         * Places an image of @p size texels in whole tiles, gives each tile
         * the layer of its hash in @p tileHashes (row-major, a new layer for
         * a hash not in use) and writes the indirection texture. Returns the
         * new id, or -1 with a warning and nothing changed when no area or
         * layer is free, a layer would be shared by more than 255 tiles, the
         * size is negative or larger than the virtual texture, or the atlas
         * couldn't be allocated. Expects a constructed atlas and at least
         * one hash per tile. The third argument has no effect.
         */
        int reserveImage(const Magnum::Vector2i& size, Corrade::Containers::ArrayView<const Corrade::Containers::StringView> tileHashes, int);

        /**
         * Uploads @p image into layer @p tile at mip @p level, from the
         * layer's corner; the image's compressed storage is passed on. False
         * with an error line when the layer or level is out of range, the
         * atlas couldn't be allocated, or GL rejects the upload (too large,
         * another format); nothing is written then.
         */
        bool uploadTile(int tile, const Magnum::CompressedImageView2D& image, int level);

        /** @overload Into the layer of @p hash; false with an error line when no live image uses it */
        bool uploadTile(Corrade::Containers::StringView hash, const Magnum::CompressedImageView2D& image, int level);

        /**
         * Gives the tiles of @p id back; layers that no image uses anymore
         * become free and forget their hash. Its bounds keep their values.
         * Expects @p id to be a live image: an id out of range or removed
         * before is a caller error.
         */
        void removeImage(int id);

        /** R16UI texture naming the layer of every virtual tile; texels outside live images are unspecified */
        Magnum::GL::Texture2D& indirectionTexture() { return _indirectionTexture; }

        /** The tiles, one per layer, each with a 2-texel border */
        Magnum::GL::Texture2DArray& textureArray() { return _textureArray; }

        /** (x, y, width, height) in virtual texels of every id, removed ones included */
        Corrade::Containers::ArrayView<const Magnum::Math::Vector4<Magnum::UnsignedShort>> textureBounds() const { return _textureBounds; }

        /** Number of ids handed out, removed ones included */
        int textureCount() const { return int(_textureBounds.size()); }

        /** Number of layers, one per virtual tile */
        int tileCount() const { return _tileCount; }

        /** Mip levels of the tiles texture */
        int mipCount() const { return _mipCount; }

        /** Size of the virtual texture in texels */
        Magnum::Vector2i virtualTextureSize() const { return _virtualTextureSize; }

    protected:
        /** Run offset of a removed id */
        enum: Magnum::UnsignedShort { RetiredRun = 0xffff };

        /** Tiles of a GL format whose blocks are @p blockSize texels; what the public constructors call. Expects a positive @p blockSize. */
        explicit TileStackTextureAtlas(Magnum::GL::TextureFormat format, const Magnum::Vector2i& tileSize, const Magnum::Vector2i& virtualTextureSize, const Magnum::Vector2i& blockSize, bool mips);

        /** Layers of the tiles of all live images, one run per image padded with zeros to a multiple of 4 */
        Corrade::Containers::ArrayView<const Magnum::UnsignedShort> tileIndices() const { return _tileIndices; }

        /** Start of each id's run in tileIndices(), RetiredRun for removed ids */
        Corrade::Containers::ArrayView<const Magnum::UnsignedShort> runOffsets() const { return _runOffsets; }

        /** How many tiles of live images use each layer */
        Corrade::Containers::ArrayView<const Magnum::UnsignedByte> referenceCounts() const { return _referenceCounts; }

        /** Whether @p layer is free to take a new hash. Expects @p layer below tileCount(). */
        bool isLayerFree(int layer) const;

        /** Layer of @p hash, -1 when no live image uses it */
        int hashLayer(Corrade::Containers::StringView hash) const;

        /** Number of hashes in use */
        std::size_t hashCount() const;

    private:
        struct TileMap;

        /* Gives one tile's use of @p layer back, freeing the layer and its
           hash with the last one */
        void releaseLayer(Magnum::UnsignedShort layer);

        Magnum::GL::Texture2D _indirectionTexture;
        Magnum::GL::Texture2DArray _textureArray;
        Corrade::Containers::Array<Magnum::Math::Vector4<Magnum::UnsignedShort>> _textureBounds;
        Corrade::Containers::Array<Magnum::UnsignedShort> _tileIndices;
        Corrade::Containers::Array<Magnum::UnsignedShort> _runOffsets;
        Corrade::Containers::Array<Magnum::UnsignedByte> _referenceCounts;
        Magnum::Int _tileCount;
        Magnum::Int _mipCount;
        Magnum::Vector2i _virtualTextureSize;
        Magnum::Vector2i _tileSize;
        Magnum::Vector2i _paddedTileSize;
        Magnum::Vector2i _virtualSizeInTiles;
        /* Behind pointers so the internal classes stay out of this header */
        Corrade::Containers::Pointer<TileMap> _tileMap;
        Corrade::Containers::Pointer<BitSet> _freeLayers;
        Corrade::Containers::Pointer<RectPacking> _packing;
        /* False until both textures are allocated */
        bool _usable;
};

}

#endif
