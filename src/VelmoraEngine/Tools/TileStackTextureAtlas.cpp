#include "VelmoraEngine/Tools/TileStackTextureAtlas.h"

#include <cstring>
#include <utility>

#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/String.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>
#include <Corrade/Utility/MurmurHash2.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/TextureFormat.h>
#include <Magnum/ImageView.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/PixelStorage.h>
#include <Magnum/Sampler.h>

#include "VelmoraEngine/BitSet.h"
#include "VelmoraEngine/Implementation/GLErrors.h"
#include "VelmoraEngine/Tools/RectPacking.h"

namespace VelmoraEngine {

using namespace Magnum;
using namespace Corrade;

namespace {

/* Run offsets are 16-bit, so the list holds fewer than 65536 entries */
constexpr std::size_t MaxTileIndices = 65535;
/* Layer indices are 16-bit */
constexpr std::size_t MaxTileCount = 65536;
constexpr UnsignedByte MaxReferenceCount = 255;

/* The MurmurHash2 digest of a tile hash, as a std::size_t */
std::size_t digestOf(const Containers::StringView hash) {
    const Utility::MurmurHash2::Digest digest = Utility::MurmurHash2{}(hash.data(), hash.size());
    static_assert(Utility::MurmurHash2::DigestSize == sizeof(std::size_t), "a digest is one std::size_t");
    std::size_t out;
    std::memcpy(&out, digest.byteArray(), sizeof(out));
    return out;
}

}

/* Hash of each layer to that layer. A layer holds at most one hash, so the
   keys and their digests live in per-layer arrays and the table only holds
   layer numbers: open addressing with linear probing, at most half full,
   deletion by shifting the rest of a cluster back (no tombstones). Lookups
   compare views and allocate nothing. */
struct TileStackTextureAtlas::TileMap {
    explicit TileMap(const std::size_t layerCount): keys{ValueInit, layerCount}, digests{ValueInit, layerCount} {
        std::size_t slotCount = 2;
        while(slotCount < 2*layerCount) slotCount *= 2;
        slots = Containers::Array<UnsignedInt>{ValueInit, slotCount};
        mask = slotCount - 1;
    }

    /* Layer of @p hash, -1 when none */
    Int find(const Containers::StringView hash, const std::size_t digest) const {
        for(std::size_t i = digest & mask; ; i = (i + 1) & mask) {
            const UnsignedInt slot = slots[i];
            if(!slot) return -1;
            if(digests[slot - 1] == digest && Containers::StringView{keys[slot - 1]} == hash)
                return Int(slot - 1);
        }
    }

    void insert(const UnsignedInt layer, const Containers::StringView hash, const std::size_t digest) {
        CORRADE_INTERNAL_ASSERT(keys[layer].isEmpty() && 2*(count + 1) <= slots.size());
        std::size_t i = digest & mask;
        while(slots[i]) i = (i + 1) & mask;
        slots[i] = layer + 1;
        keys[layer] = Containers::String{hash};
        digests[layer] = digest;
        ++count;
    }

    void erase(const UnsignedInt layer) {
        std::size_t hole = digests[layer] & mask;
        while(slots[hole] != layer + 1) {
            CORRADE_INTERNAL_ASSERT(slots[hole]);
            hole = (hole + 1) & mask;
        }
        /* Every later entry of the cluster that may sit at the hole (its
           home isn't between the hole and itself) moves back into it */
        for(std::size_t i = (hole + 1) & mask; slots[i]; i = (i + 1) & mask) {
            const std::size_t home = digests[slots[i] - 1] & mask;
            if(((i - home) & mask) >= ((i - hole) & mask)) {
                slots[hole] = slots[i];
                hole = i;
            }
        }
        slots[hole] = 0;
        keys[layer] = Containers::String{};
        --count;
    }

    Containers::Array<Containers::String> keys;
    Containers::Array<std::size_t> digests;
    /* Layer + 1, 0 for an empty slot */
    Containers::Array<UnsignedInt> slots;
    std::size_t mask;
    std::size_t count = 0;
};

TileStackTextureAtlas::TileStackTextureAtlas(): _indirectionTexture{NoCreate}, _textureArray{NoCreate}, _tileCount{0}, _mipCount{1}, _virtualTextureSize{}, _tileSize{}, _paddedTileSize{}, _virtualSizeInTiles{}, _tileMap{InPlaceInit, std::size_t{0}}, _freeLayers{InPlaceInit}, _usable{false} {}

TileStackTextureAtlas::TileStackTextureAtlas(const PixelFormat format, const Vector2i& tileSize, const Vector2i& virtualTextureSize, const bool mips): TileStackTextureAtlas{GL::textureFormat(format), tileSize, virtualTextureSize, {1, 1}, mips} {}

TileStackTextureAtlas::TileStackTextureAtlas(const CompressedPixelFormat format, const Vector2i& tileSize, const Vector2i& virtualTextureSize, const bool mips): TileStackTextureAtlas{GL::textureFormat(format), tileSize, virtualTextureSize, compressedPixelFormatBlockSize(format).xy(), mips} {}

TileStackTextureAtlas::TileStackTextureAtlas(const GL::TextureFormat format, const Vector2i& tileSize, const Vector2i& virtualTextureSize, const Vector2i& blockSize, const bool mips): TileStackTextureAtlas{} {
    /* Checked before any GL object exists */
    CORRADE_ASSERT(tileSize.x() > 0 && tileSize.y() > 0,
        "TileStackTextureAtlas::TileStackTextureAtlas(): expected a positive tile size, got" << tileSize, );
    CORRADE_ASSERT(blockSize.x() > 0 && blockSize.y() > 0,
        "TileStackTextureAtlas::TileStackTextureAtlas(): expected a positive block size, got" << blockSize, );
    /* Bounds are 16-bit */
    CORRADE_ASSERT(virtualTextureSize.x() >= tileSize.x() && virtualTextureSize.y() >= tileSize.y() &&
                   virtualTextureSize.x() <= 65535 && virtualTextureSize.y() <= 65535,
        "TileStackTextureAtlas::TileStackTextureAtlas(): expected a virtual texture size of at least one tile and at most 65535, got" << virtualTextureSize << "for tiles of" << tileSize, );
    const Vector2i virtualSizeInTiles = virtualTextureSize/tileSize;
    const std::size_t tileCount = std::size_t(virtualSizeInTiles.x())*std::size_t(virtualSizeInTiles.y());
    CORRADE_ASSERT(tileCount <= MaxTileCount,
        "TileStackTextureAtlas::TileStackTextureAtlas(): expected at most 65536 tiles, got" << tileCount, );

    _virtualTextureSize = virtualTextureSize;
    _tileSize = tileSize;
    _paddedTileSize = tileSize + Vector2i{4};
    _virtualSizeInTiles = virtualSizeInTiles;

    _freeLayers->resize(tileCount);
    _freeLayers->setRange(0, tileCount);
    _referenceCounts = Containers::Array<UnsignedByte>{ValueInit, tileCount};
    _tileMap.emplace(tileCount);

    Utility::Debug{} << "Max Texture2DArray size:" << GL::Texture2DArray::maxSize();
    Implementation::clearGLErrors();

    _tileCount = Int(tileCount);
    Utility::Debug{} << "Creating tile stack texture atlas with size" << virtualTextureSize << "and format" << format << _tileCount << "tiles" << (mips ? "with mips" : "without mips");

    _packing.emplace(virtualSizeInTiles);

    /* Down to one block. A base level smaller than a block still is a level. */
    if(mips) _mipCount = Math::max(1, Int(Math::log2(UnsignedInt(_paddedTileSize.x()))) + 1 -
        Int(Math::log2(UnsignedInt(Math::max(blockSize.x(), blockSize.y())))));

    _textureArray = GL::Texture2DArray{};
    _textureArray.setMagnificationFilter(SamplerFilter::Nearest)
        .setMinificationFilter(SamplerFilter::Nearest, SamplerMipmap::Nearest)
        .setWrapping(SamplerWrapping::Repeat);
    /* Drivers differ in what they report past the limit, so it is named */
    const Int maxLayers = GL::Texture2DArray::maxSize().z();
    if(_tileCount > maxLayers) {
        Utility::Error{} << "TileStackTextureAtlas::TileStackTextureAtlas(): Allocating tiles texture failed:" << _tileCount << "layers are more than the limit of" << maxLayers;
        return;
    }
    _textureArray.setStorage(_mipCount, format, {_paddedTileSize, _tileCount});
    const GL::Renderer::Error tilesError = GL::Renderer::error();
    if(tilesError != GL::Renderer::Error::NoError) {
        Utility::Error{} << "TileStackTextureAtlas::TileStackTextureAtlas(): Allocating tiles texture failed" << tilesError;
        return;
    }

    _indirectionTexture = GL::Texture2D{};
    _indirectionTexture.setMagnificationFilter(SamplerFilter::Nearest)
        .setMinificationFilter(SamplerFilter::Nearest, SamplerMipmap::Nearest)
        .setWrapping(SamplerWrapping::Repeat)
        .setStorage(1, GL::TextureFormat::R16UI, virtualSizeInTiles);
    const GL::Renderer::Error indirectionError = GL::Renderer::error();
    if(indirectionError != GL::Renderer::Error::NoError) {
        Utility::Error{} << "TileStackTextureAtlas::TileStackTextureAtlas(): Allocating indirection texture failed" << indirectionError;
        return;
    }

    _usable = true;
}

TileStackTextureAtlas::TileStackTextureAtlas(TileStackTextureAtlas&& other) noexcept: TileStackTextureAtlas{} {
    *this = std::move(other);
}

TileStackTextureAtlas& TileStackTextureAtlas::operator=(TileStackTextureAtlas&& other) noexcept {
    using std::swap;
    swap(_indirectionTexture, other._indirectionTexture);
    swap(_textureArray, other._textureArray);
    swap(_textureBounds, other._textureBounds);
    swap(_tileIndices, other._tileIndices);
    swap(_runOffsets, other._runOffsets);
    swap(_referenceCounts, other._referenceCounts);
    swap(_tileCount, other._tileCount);
    swap(_mipCount, other._mipCount);
    swap(_virtualTextureSize, other._virtualTextureSize);
    swap(_tileSize, other._tileSize);
    swap(_paddedTileSize, other._paddedTileSize);
    swap(_virtualSizeInTiles, other._virtualSizeInTiles);
    swap(_tileMap, other._tileMap);
    swap(_freeLayers, other._freeLayers);
    swap(_packing, other._packing);
    swap(_usable, other._usable);
    return *this;
}

TileStackTextureAtlas::~TileStackTextureAtlas() = default;

int TileStackTextureAtlas::reserveImage(const Vector2i& size, const Containers::ArrayView<const Containers::StringView> tileHashes, int) {
    CORRADE_ASSERT(_packing,
        "TileStackTextureAtlas::reserveImage(): the atlas has no virtual texture", -1);

    /* Checked before anything is narrowed to 16 bits */
    if(size.x() < 0 || size.y() < 0 || size.x() > _virtualTextureSize.x() || size.y() > _virtualTextureSize.y()) {
        Utility::Warning{} << "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size:" << size;
        return -1;
    }
    const Vector2i grid = (size + _tileSize - Vector2i{1})/_tileSize;
    const std::size_t tileCount = std::size_t(grid.product());
    CORRADE_ASSERT(tileHashes.size() >= tileCount,
        "TileStackTextureAtlas::reserveImage(): expected" << tileCount << "tile hashes for an image of size" << size << "but got" << tileHashes.size(), -1);

    /* Whether the packing takes the grid is known from its spaces, so that
       nothing has to be undone there if the layers run out */
    const Math::Vector2<UnsignedShort> request{grid};
    bool fits = false;
    for(const Math::Range2D<UnsignedShort>& space: _packing->spaces()) {
        if(space.sizeX() >= request.x() && space.sizeY() >= request.y()) {
            fits = true;
            break;
        }
    }
    if(!_usable || !fits) {
        Utility::Warning{} << "TileStackTextureAtlas::addImage(): insufficient virtual size, cannot add image of size:" << size;
        return -1;
    }

    const std::size_t runLength = (tileCount + 3) & ~std::size_t{3};
    const std::size_t runOffset = _tileIndices.size();
    if(runOffset + runLength > MaxTileIndices) {
        Utility::Warning{} << "TileStackTextureAtlas::addImage(): tile index list is full, cannot add image of size:" << size;
        return -1;
    }
    UnsignedShort* const run = Containers::arrayAppend(_tileIndices, ValueInit, runLength).data();

    /* Gives back the layers of the first @p count tiles and the run */
    const auto undo = [&](const std::size_t count) {
        for(std::size_t i = 0; i != count; ++i) releaseLayer(run[i]);
        Containers::arrayRemoveSuffix(_tileIndices, runLength);
    };

    for(std::size_t i = 0; i != tileCount; ++i) {
        const Containers::StringView hash = tileHashes[i];
        const std::size_t digest = digestOf(hash);
        Int layer = _tileMap->find(hash, digest);
        if(layer == -1) {
            /* A layer for every virtual tile and no hashes of freed layers in
               the map make this unreachable; a wrapping index would be worse */
            const std::size_t free = _freeLayers->findFirstSet(0, 4294967295u);
            if(free == std::size_t(_tileCount)) {
                undo(i);
                Utility::Warning{} << "TileStackTextureAtlas::addImage(): no free tile layer, cannot add image of size:" << size;
                return -1;
            }
            layer = Int(free);
            _tileMap->insert(UnsignedInt(layer), hash, digest);
            _freeLayers->unset(free);
        } else if(_referenceCounts[layer] == MaxReferenceCount) {
            undo(i);
            Utility::Warning{} << "TileStackTextureAtlas::addImage(): tile layer" << layer << "would be shared by more than 255 tiles, cannot add image of size:" << size;
            return -1;
        }
        ++_referenceCounts[layer];
        run[i] = UnsignedShort(layer);
    }

    const Containers::Optional<Math::Range2D<UnsignedShort>> range = _packing->insert(request);
    CORRADE_INTERNAL_ASSERT(range);

    if(tileCount) {
        Implementation::clearGLErrors();
        _indirectionTexture.setSubImage(0, Vector2i{range->min()},
            ImageView2D{PixelStorage{}.setAlignment(1), PixelFormat::R16UI, grid, Containers::arrayView(run, tileCount)});
        const GL::Renderer::Error error = GL::Renderer::error();
        if(error != GL::Renderer::Error::NoError) {
            undo(tileCount);
            _packing->remove(*range);
            Utility::Error{} << "TileStackTextureAtlas::reserveImage(): Writing the indirection texture failed" << error;
            return -1;
        }
    }

    Containers::arrayAppend(_textureBounds, Math::Vector4<UnsignedShort>{
        UnsignedShort(range->min().x()*_tileSize.x()),
        UnsignedShort(range->min().y()*_tileSize.y()),
        UnsignedShort(size.x()),
        UnsignedShort(size.y())});
    Containers::arrayAppend(_runOffsets, UnsignedShort(runOffset));
    return textureCount() - 1;
}

bool TileStackTextureAtlas::uploadTile(const int tile, const CompressedImageView2D& image, const int level) {
    if(!_usable) {
        Utility::Error{} << "TileStackTextureAtlas::uploadTile(): the atlas has no tiles texture";
        return false;
    }
    if(tile < 0 || tile >= _tileCount) {
        Utility::Error{} << "TileStackTextureAtlas::uploadTile(): tile" << tile << "out of range for" << _tileCount << "tiles";
        return false;
    }
    if(level < 0 || level >= _mipCount) {
        Utility::Error{} << "TileStackTextureAtlas::uploadTile(): level" << level << "out of range for" << _mipCount << "levels";
        return false;
    }

    /* The block properties come along, so an implementation-specific format
       works as well */
    const CompressedImageView3D view{image.storage(), image.format(), image.blockSize(), image.blockDataSize(), {image.size(), 1}, image.data()};
    Implementation::clearGLErrors();
    _textureArray.setCompressedSubImage(level, {0, 0, tile}, view);
    const GL::Renderer::Error error = GL::Renderer::error();
    if(error != GL::Renderer::Error::NoError) {
        Utility::Error{} << "TileStackTextureAtlas::uploadTile(): Uploading tile failed" << error;
        return false;
    }
    return true;
}

bool TileStackTextureAtlas::uploadTile(const Containers::StringView hash, const CompressedImageView2D& image, const int level) {
    const Int layer = _tileMap->find(hash, digestOf(hash));
    if(layer == -1) {
        Utility::Error{} << "TileStackTextureAtlas::uploadTile(): Unknown tile hash";
        return false;
    }
    return uploadTile(layer, image, level);
}

void TileStackTextureAtlas::removeImage(const int id) {
    CORRADE_ASSERT(id >= 0 && id < textureCount(),
        "TileStackTextureAtlas::removeImage(): id" << id << "out of range for" << textureCount() << "images", );
    CORRADE_ASSERT(_runOffsets[id] != RetiredRun,
        "TileStackTextureAtlas::removeImage(): image" << id << "was removed already", );

    const Math::Vector4<UnsignedShort>& bounds = _textureBounds[id];
    const Math::Vector2<UnsignedShort> min{UnsignedShort(bounds.x()/_tileSize.x()), UnsignedShort(bounds.y()/_tileSize.y())};
    const Vector2i grid = (Vector2i{bounds.z(), bounds.w()} + _tileSize - Vector2i{1})/_tileSize;
    /* An empty image took an empty range, which the packing can't take back */
    if(grid.x() && grid.y())
        _packing->remove({min, min + Math::Vector2<UnsignedShort>{grid}});

    const std::size_t tileCount = std::size_t(grid.product());
    const std::size_t runLength = (tileCount + 3) & ~std::size_t{3};
    const std::size_t runOffset = _runOffsets[id];
    for(std::size_t i = 0; i != tileCount; ++i)
        releaseLayer(_tileIndices[runOffset + i]);

    /* Runs are in id order, so exactly the live ids after this one move.
       Branchless, so that the loop over all later ids vectorizes. */
    Containers::arrayRemove(_tileIndices, runOffset, runLength);
    UnsignedShort* const offsets = _runOffsets.data();
    for(std::size_t i = std::size_t(id) + 1, end = _runOffsets.size(); i != end; ++i)
        offsets[i] = offsets[i] == RetiredRun ? offsets[i] : UnsignedShort(offsets[i] - runLength);
    _runOffsets[id] = RetiredRun;
}

void TileStackTextureAtlas::releaseLayer(const UnsignedShort layer) {
    CORRADE_INTERNAL_ASSERT(_referenceCounts[layer]);
    if(--_referenceCounts[layer]) return;
    /* A later reservation may give the layer to another hash, so the old
       hash must not lead there anymore */
    _freeLayers->set(layer);
    _tileMap->erase(layer);
}

bool TileStackTextureAtlas::isLayerFree(const int layer) const {
    CORRADE_ASSERT(layer >= 0 && layer < _tileCount,
        "TileStackTextureAtlas::isLayerFree(): layer" << layer << "out of range for" << _tileCount << "layers", false);
    return _freeLayers->findFirstSet(std::size_t(layer), std::size_t(layer) + 1) == std::size_t(layer);
}

int TileStackTextureAtlas::hashLayer(const Containers::StringView hash) const {
    return _tileMap->find(hash, digestOf(hash));
}

std::size_t TileStackTextureAtlas::hashCount() const {
    return _tileMap->count;
}

}
