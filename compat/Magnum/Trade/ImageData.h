#ifndef Magnum_Trade_ImageData_h
#define Magnum_Trade_ImageData_h
/* Imported image data, plain or compressed */

#include <Corrade/Containers/Array.h>

#include "Magnum/DimensionTraits.h"
#include "Magnum/ImageFlags.h"
#include "Magnum/PixelStorage.h"
#include "Magnum/Trade/Data.h"
#include "Magnum/Trade/Trade.h"

namespace Magnum { namespace Trade {

/** Image data, either plain or compressed */
template<UnsignedInt dimensions> class ImageData {
    public:
        enum: UnsignedInt {
            Dimensions = dimensions /**< Image dimension count */
        };

        /** Uncompressed image with owned data */
        explicit ImageData(PixelStorage storage, PixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}, const void* importerState = nullptr) noexcept;
        /** Uncompressed image with non-owned data; expects @p dataFlags not to contain DataFlag::Owned */
        explicit ImageData(PixelStorage storage, PixelFormat format, const VectorTypeFor<dimensions, Int>& size, DataFlags dataFlags, Containers::ArrayView<const void> data, ImageFlags<dimensions> flags = {}, const void* importerState = nullptr) noexcept;
        /** Uncompressed image with owned data and default storage */
        explicit ImageData(PixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}, const void* importerState = nullptr) noexcept: ImageData{{}, format, size, Corrade::Utility::move(data), flags, importerState} {}
        /** Uncompressed image with non-owned data and default storage */
        explicit ImageData(PixelFormat format, const VectorTypeFor<dimensions, Int>& size, DataFlags dataFlags, Containers::ArrayView<const void> data, ImageFlags<dimensions> flags = {}, const void* importerState = nullptr) noexcept: ImageData{{}, format, size, dataFlags, data, flags, importerState} {}
        /** Uncompressed image with an explicit pixel size */
        explicit ImageData(PixelStorage storage, PixelFormat format, UnsignedInt formatExtra, UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}, const void* importerState = nullptr) noexcept;

        /** Compressed image with owned data */
        explicit ImageData(CompressedPixelStorage storage, CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}, const void* importerState = nullptr) noexcept;
        /** Compressed image with non-owned data */
        explicit ImageData(CompressedPixelStorage storage, CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, DataFlags dataFlags, Containers::ArrayView<const void> data, ImageFlags<dimensions> flags = {}, const void* importerState = nullptr) noexcept;
        /** Compressed image with owned data and default storage */
        explicit ImageData(CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}, const void* importerState = nullptr) noexcept: ImageData{CompressedPixelStorage{}, format, size, Corrade::Utility::move(data), flags, importerState} {}
        /** Compressed image with non-owned data and default storage */
        explicit ImageData(CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, DataFlags dataFlags, Containers::ArrayView<const void> data, ImageFlags<dimensions> flags = {}, const void* importerState = nullptr) noexcept: ImageData{CompressedPixelStorage{}, format, size, dataFlags, data, flags, importerState} {}
        /** Compressed image with explicit block properties */
        explicit ImageData(CompressedPixelStorage storage, CompressedPixelFormat format, const Vector3i& blockSize, UnsignedInt blockDataSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}, const void* importerState = nullptr) noexcept;

        ImageData(const ImageData<dimensions>&) = delete;
        ImageData(ImageData<dimensions>&& other) noexcept;
        ImageData<dimensions>& operator=(const ImageData<dimensions>&) = delete;
        ImageData<dimensions>& operator=(ImageData<dimensions>&& other) noexcept;

        /** View on an uncompressed image; expects it not to be compressed */
        /*implicit*/ operator BasicImageView<dimensions>() const;
        /** Mutable view on an uncompressed image; expects it to be mutable and not compressed */
        /*implicit*/ operator BasicMutableImageView<dimensions>();
        /** View on a compressed image; expects it to be compressed */
        /*implicit*/ operator BasicCompressedImageView<dimensions>() const;

        /** Data flags */
        DataFlags dataFlags() const { return _dataFlags; }
        /** Layout flags */
        ImageFlags<dimensions> flags() const { return _flags; }
        /** Whether the image is compressed */
        bool isCompressed() const { return _compressed; }
        /** Storage of pixel data; expects an uncompressed image */
        PixelStorage storage() const;
        /** Format of pixel data; expects an uncompressed image */
        PixelFormat format() const;
        /** Additional implementation-specific format specifier; expects an uncompressed image */
        UnsignedInt formatExtra() const;
        /** Storage of compressed data; expects a compressed image */
        CompressedPixelStorage compressedStorage() const;
        /** Compressed format; expects a compressed image */
        CompressedPixelFormat compressedFormat() const;
        /** Pixel size in bytes; expects an uncompressed image */
        UnsignedInt pixelSize() const;
        /** Block size in pixels; expects a compressed image */
        Vector3i blockSize() const;
        /** Block data size in bytes; expects a compressed image */
        UnsignedInt blockDataSize() const;
        /** Image size in pixels */
        const VectorTypeFor<dimensions, Int>& size() const { return _size; }

        /** Raw data */
        Containers::ArrayView<const char> data() const & { return _data; }
        /** Raw data taken out of a temporary */
        Containers::Array<char> data() && { return release(); }
        Containers::Array<char> data() const && = delete;
        /** Mutable raw data; expects the data to be mutable */
        Containers::ArrayView<char> mutableData() &;
        Containers::ArrayView<char> mutableData() && = delete;

        /** Pixels as bytes with one more dimension; expects an uncompressed image */
        Containers::StridedArrayView<dimensions + 1, const char> pixels() const;
        /** Pixels cast to a concrete type; expects an uncompressed image of that pixel size */
        template<class T> Containers::StridedArrayView<dimensions, const T> pixels() const {
            return Containers::arrayCast<dimensions, const T>(pixels());
        }

        /** Release the data, the size becomes zero */
        Containers::Array<char> release();
        /** Importer-specific state */
        const void* importerState() const { return _importerState; }

    private:
        DataFlags _dataFlags;
        bool _compressed;
        ImageFlags<dimensions> _flags;
        PixelStorage _storage;
        CompressedPixelStorage _compressedStorage;
        PixelFormat _format;
        CompressedPixelFormat _compressedFormat;
        UnsignedInt _formatExtra;
        Math::Vector3<UnsignedByte> _blockSize;
        UnsignedByte _pixelSize, _blockDataSize;
        VectorTypeFor<dimensions, Int> _size;
        Containers::Array<char> _data;
        const void* _importerState;
};

/** One-dimensional image data */
typedef ImageData<1> ImageData1D;
/** Two-dimensional image data */
typedef ImageData<2> ImageData2D;
/** Three-dimensional image data */
typedef ImageData<3> ImageData3D;

}}

#endif
