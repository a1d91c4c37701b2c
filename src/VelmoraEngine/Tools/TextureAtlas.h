#ifndef VelmoraEngine_Tools_TextureAtlas_h
#define VelmoraEngine_Tools_TextureAtlas_h
/* Many images in the layers of one GL 2D texture array */

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Pointer.h>
#include <Magnum/GL/GL.h>
#include <Magnum/GL/TextureArray.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Math/Vector4.h>

#include "VelmoraEngine/visibility.h"
#include "VelmoraEngine/Tools/RectPacking.h"

namespace VelmoraEngine {

namespace Shaders { class FullScreenShaderProgram; }

/**
 * Images placed in the layers of a GL 2D texture array, one RectPacking per
 * layer in units of the format's blocks. Ids grow from 0 and are never
 * reused. Construction and the setImage() calls need the current GL context.
 * Movable, not copyable.
 */
class VELMORAENGINE_TOOLS_EXPORT TextureAtlas {
    public:
        /** No GL objects, no layers, no images: a target for move assignment */
        explicit TextureAtlas();

        /**
         * Uncompressed atlas of @p format, @p size split into layers of at
         * most 4096x4096. Expects a positive @p size.
         */
        explicit TextureAtlas(Magnum::PixelFormat format, const Magnum::Vector2i& size);

        /**
         * Compressed atlas of @p format; images are placed on whole blocks.
         * Expects a positive @p size of at least one block per layer.
         */
        explicit TextureAtlas(Magnum::CompressedPixelFormat format, const Magnum::Vector2i& size);

        TextureAtlas(const TextureAtlas&) = delete;
        /** Takes over everything, @p other becomes a default atlas */
        TextureAtlas(TextureAtlas&& other) noexcept;
        TextureAtlas& operator=(const TextureAtlas&) = delete;
        /** Swaps the whole state with @p other */
        TextureAtlas& operator=(TextureAtlas&& other) noexcept;
        ~TextureAtlas();

        /**
         * Reserves room for an image of @p size texels (rounded down to whole
         * blocks), with @p fullHeight a column through the whole layer.
         * Returns the new id, or -1 with a warning when no layer has room,
         * the request is negative or larger than a layer, or the atlas
         * texture couldn't be allocated.
         */
        int reserveImage(const Magnum::Vector2i& size, bool fullHeight);

        /**
         * Uploads @p image into the reserved rectangle of @p id. False when
         * @p id holds no reserved area, @p image is larger than it, or GL
         * rejects the upload; nothing is written then.
         */
        bool setImage(int id, const Magnum::ImageView2D& image);

        /** @overload Whole blocks; the image's compressed storage is passed on */
        bool setImage(int id, const Magnum::CompressedImageView2D& image);

        /**
         * Draws @p texture stretched over @p size texels at the reserved
         * rectangle of @p id. False when @p id holds no reserved area,
         * @p size doesn't fit it, or the layer can't be drawn to (a
         * compressed atlas). The caller's GL state is restored afterwards.
         */
        bool setImage(int id, Magnum::GL::Texture2D& texture, const Magnum::Vector2i& size);

        /**
         * Gives the whole reserved area of @p id back and clears its entries.
         * Expects @p id to be a live reservation: removing a dummy or an
         * already removed id is a caller error.
         */
        void removeImage(int id);

        /** Takes the next id without any area; always true */
        bool addDummyImage();

        /** (x, y, width, height) in texels of every id, (0, 0, 0, 0) for dummy and removed ids */
        Corrade::Containers::ArrayView<const Magnum::Math::Vector4<Magnum::UnsignedShort>> textureBounds() const { return _textureBounds; }

        /** Layer of every id, 0 for dummy and removed ids */
        Corrade::Containers::ArrayView<const Magnum::UnsignedInt> textureLayers() const { return _textureLayers; }

        /** Number of ids handed out, reserved, dummy and removed alike */
        int textureCount() const { return int(_textureBounds.size()); }

        /** The texture array */
        Magnum::GL::Texture2DArray& textureArray() { return _textureArray; }

    protected:
        /** Atlas of a GL format whose blocks are @p blockSize texels; what the public constructors call */
        explicit TextureAtlas(Magnum::GL::TextureFormat format, const Magnum::Vector2i& blockSize, const Magnum::Vector2i& size);

        /** What reserveImage() does */
        int addRect(const Magnum::Vector2i& size, bool fullHeight);

        /** What setImage() does */
        bool setImageInternal(int id, const Magnum::ImageView2D& image);
        /** @overload */
        bool setImageInternal(int id, const Magnum::CompressedImageView2D& image);
        /** @overload */
        bool setImageInternal(int id, Magnum::GL::Texture2D& texture, const Magnum::Vector2i& size);

        /** Gives the block range of @p bounds back to the packing of @p layer */
        void removeRect(int layer, const Magnum::Math::Vector4<Magnum::UnsignedShort>& bounds);

    private:
        /* What a reservation took from its packing, in blocks; a fullHeight
           column is taller than the image's bounds */
        struct Reservation {
            Magnum::Math::Range2D<Magnum::UnsignedShort> range;
            bool live;
        };

        /* Whether @p id holds a reserved area, and the rectangle an image of
           @p size written there would cover fits it */
        bool fits(int id, const Magnum::Vector2i& size) const;

        Magnum::GL::Texture2DArray _textureArray;
        Corrade::Containers::Array<Magnum::Math::Vector4<Magnum::UnsignedShort>> _textureBounds;
        Corrade::Containers::Array<Magnum::UnsignedInt> _textureLayers;
        Corrade::Containers::Array<Reservation> _reservations;
        Magnum::Vector3i _textureSize;
        Magnum::Vector2i _blockSize;
        Magnum::Vector2i _layerSizeInBlocks;
        /* Behind a pointer so the internal class stays out of this header */
        Corrade::Containers::Pointer<Shaders::FullScreenShaderProgram> _copyShader;
        Corrade::Containers::Array<RectPacking> _packings;
        /* False when the texture storage couldn't be allocated */
        bool _usable;
};

}

#endif
