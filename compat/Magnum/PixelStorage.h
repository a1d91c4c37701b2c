#ifndef Magnum_PixelStorage_h
#define Magnum_PixelStorage_h
/* How pixel data of an image are laid out in memory */

#include <cstddef>
#include <utility>

#include "Magnum/Magnum.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum {

/** Pixel storage parameters */
class PixelStorage {
    public:
        /** Zero row length, image height and skip, alignment 4 */
        constexpr /*implicit*/ PixelStorage() noexcept: _rowLength{0}, _imageHeight{0}, _skip{0}, _alignment{4} {}

        /** Equality comparison */
        bool operator==(const PixelStorage& other) const;

        /** Non-equality comparison */
        bool operator!=(const PixelStorage& other) const {
            return !operator==(other);
        }

        /** Row alignment */
        constexpr Int alignment() const { return _alignment; }

        /** Set row alignment, one of 1, 2, 4 and 8 */
        PixelStorage& setAlignment(Int alignment) {
            _alignment = alignment;
            return *this;
        }

        /** Row length */
        constexpr Int rowLength() const { return _rowLength; }

        /** Set row length in pixels, 0 takes the image width */
        PixelStorage& setRowLength(Int length) {
            _rowLength = length;
            return *this;
        }

        /** Image height */
        constexpr Int imageHeight() const { return _imageHeight; }

        /** Set image height in pixels, 0 takes the image height */
        PixelStorage& setImageHeight(Int height) {
            _imageHeight = height;
            return *this;
        }

        /** Pixel, row and image skip */
        constexpr Vector3i skip() const { return _skip; }

        /** Set pixel, row and image skip */
        PixelStorage& setSkip(const Vector3i& skip) {
            _skip = skip;
            return *this;
        }

        /**
         * Byte offset in each direction and {row length in bytes, row count,
         * layer count} of an image of @p size with @p pixelSize
         */
        std::pair<Math::Vector3<std::size_t>, Math::Vector3<std::size_t>> dataProperties(std::size_t pixelSize, const Vector3i& size) const;

    protected:
        Int _rowLength,
            _imageHeight;
        Vector3i _skip;

    private:
        Int _alignment;
};

/** Compressed pixel storage parameters, alignment is ignored */
class CompressedPixelStorage: public PixelStorage {
    public:
        /** Zero row length, image height, skip and block properties */
        constexpr /*implicit*/ CompressedPixelStorage() noexcept: _blockSize{0}, _blockDataSize{0} {}

        /** Equality comparison */
        bool operator==(const CompressedPixelStorage& other) const;

        /** Non-equality comparison */
        bool operator!=(const CompressedPixelStorage& other) const {
            return !operator==(other);
        }

        /** Compressed block size */
        constexpr Vector3i compressedBlockSize() const { return _blockSize; }

        /** Set compressed block size, 0 takes it from the format */
        CompressedPixelStorage& setCompressedBlockSize(const Vector3i& size) {
            _blockSize = size;
            return *this;
        }

        /** Compressed block data size in bytes */
        constexpr Int compressedBlockDataSize() const { return _blockDataSize; }

        /** Set compressed block data size in bytes, 0 takes it from the format */
        CompressedPixelStorage& setCompressedBlockDataSize(Int size) {
            _blockDataSize = size;
            return *this;
        }

        /**
         * Byte offset in each direction and {row length, row count, layer
         * count} in blocks; expects the block properties to be set
         */
        std::pair<Math::Vector3<std::size_t>, Math::Vector3<std::size_t>> dataProperties(const Vector3i& size) const;

        /* Keep the chained setters returning this type */
        CompressedPixelStorage& setRowLength(Int length) {
            PixelStorage::setRowLength(length);
            return *this;
        }
        CompressedPixelStorage& setImageHeight(Int height) {
            PixelStorage::setImageHeight(height);
            return *this;
        }
        CompressedPixelStorage& setSkip(const Vector3i& skip) {
            PixelStorage::setSkip(skip);
            return *this;
        }

    private:
        using PixelStorage::alignment;
        using PixelStorage::setAlignment;

        Vector3i _blockSize;
        Int _blockDataSize;
};

}

#endif
