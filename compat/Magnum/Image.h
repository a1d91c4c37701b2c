#ifndef Magnum_Image_h
#define Magnum_Image_h
/* Images owning their data together with layout and format */

#include "Corrade/Containers/Array.h"
#include "Magnum/DimensionTraits.h"
#include "Magnum/ImageFlags.h"
#include "Magnum/PixelStorage.h"

namespace Corrade { namespace Containers {

/* Declared here so that pixels<T>() compiles without the strided view header;
   the user includes it where the template gets instantiated */
template<unsigned newDimensions, class U, unsigned dimensions, class T> StridedArrayView<newDimensions, U> arrayCast(const StridedArrayView<dimensions, T>& view);

}}

namespace Magnum {

/** Image owning its pixel data */
template<UnsignedInt dimensions> class Image {
    public:
        enum: UnsignedInt {
            Dimensions = dimensions /**< Image dimension count */
        };

        /** Image of @p format and @p size owning @p data laid out by @p storage */
        explicit Image(PixelStorage storage, PixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept;

        /** Image with default storage */
        explicit Image(PixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept: Image{{}, format, size, Utility::move(data), flags} {}

        /** Image with an implementation-specific format and explicit pixel size */
        explicit Image(PixelStorage storage, UnsignedInt format, UnsignedInt formatExtra, UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept;

        /** Image with an already wrapped format and explicit pixel size */
        explicit Image(PixelStorage storage, PixelFormat format, UnsignedInt formatExtra, UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept;

        /** Image with an implementation-specific format pair, pixel size found through ADL */
        template<class T, class U> explicit Image(PixelStorage storage, T format, U formatExtra, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept: Image{storage, UnsignedInt(format), UnsignedInt(formatExtra), pixelFormatSize(format, formatExtra), size, Utility::move(data), flags} {}

        /** Image with an implementation-specific format, pixel size found through ADL */
        template<class T> explicit Image(PixelStorage storage, T format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept: Image{storage, UnsignedInt(format), 0, pixelFormatSize(format), size, Utility::move(data), flags} {}

        /** Image with an implementation-specific format pair and default storage */
        template<class T, class U> explicit Image(T format, U formatExtra, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept: Image{{}, format, formatExtra, size, Utility::move(data), flags} {}

        /** Image with an implementation-specific format and default storage */
        template<class T> explicit Image(T format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept: Image{{}, format, size, Utility::move(data), flags} {}

        /** Placeholder with zero size and no data, e.g. for image queries */
        /*implicit*/ Image(PixelStorage storage, PixelFormat format) noexcept;

        /** Placeholder with default storage */
        /*implicit*/ Image(PixelFormat format) noexcept: Image{{}, format} {}

        /** Placeholder with an implementation-specific format and explicit pixel size */
        explicit Image(PixelStorage storage, UnsignedInt format, UnsignedInt formatExtra, UnsignedInt pixelSize) noexcept;

        /** Placeholder with an already wrapped format and explicit pixel size */
        explicit Image(PixelStorage storage, PixelFormat format, UnsignedInt formatExtra, UnsignedInt pixelSize) noexcept;

        /** Placeholder with an implementation-specific format pair */
        template<class T, class U> /*implicit*/ Image(PixelStorage storage, T format, U formatExtra) noexcept: Image{storage, UnsignedInt(format), UnsignedInt(formatExtra), pixelFormatSize(format, formatExtra)} {}

        /** Placeholder with an implementation-specific format pair and default storage */
        template<class T, class U> /*implicit*/ Image(T format, U formatExtra) noexcept: Image{{}, format, formatExtra} {}

        /** Placeholder with an implementation-specific format */
        template<class T> /*implicit*/ Image(PixelStorage storage, T format) noexcept: Image{storage, UnsignedInt(format), 0, pixelFormatSize(format)} {}

        /** Placeholder with an implementation-specific format and default storage */
        template<class T> /*implicit*/ Image(T format) noexcept: Image{{}, format} {}

        /** Copying is not allowed */
        Image(const Image<dimensions>&) = delete;

        /** Move constructor */
        Image(Image<dimensions>&& other) noexcept;

        /** Copying is not allowed */
        Image<dimensions>& operator=(const Image<dimensions>&) = delete;

        /** Move assignment, swaps the contents */
        Image<dimensions>& operator=(Image<dimensions>&& other) noexcept;

        /** Mutable view on the image */
        /*implicit*/ operator BasicMutableImageView<dimensions>();

        /** Const view on the image */
        /*implicit*/ operator BasicImageView<dimensions>() const;

        /** Layout flags */
        ImageFlags<dimensions> flags() const { return _flags; }

        /** Storage of pixel data */
        PixelStorage storage() const { return _storage; }

        /** Format of pixel data */
        PixelFormat format() const { return _format; }

        /** Additional implementation-specific format specifier */
        UnsignedInt formatExtra() const { return _formatExtra; }

        /** Size of a pixel in bytes */
        UnsignedInt pixelSize() const { return _pixelSize; }

        /** Image size in pixels */
        VectorTypeFor<dimensions, Int> size() const { return _size; }

        /** Image data properties, see PixelStorage::dataProperties() */
        std::pair<VectorTypeFor<dimensions, std::size_t>, VectorTypeFor<dimensions, std::size_t>> dataProperties() const;

        /** Raw data */
        Containers::ArrayView<char> data() & { return _data; }

        /** Raw data taken out of a temporary */
        Containers::Array<char> data() && { return release(); }

        /** Raw data */
        Containers::ArrayView<const char> data() const & { return _data; }

        /** Pixels as bytes with one more dimension, outermost first */
        Containers::StridedArrayView<dimensions + 1, char> pixels();

        /** Pixels as bytes with one more dimension, outermost first */
        Containers::StridedArrayView<dimensions + 1, const char> pixels() const;

        /** Pixels cast to a concrete type */
        template<class T> Containers::StridedArrayView<dimensions, T> pixels() {
            return Containers::arrayCast<dimensions, T>(pixels());
        }

        /** Pixels cast to a concrete type */
        template<class T> Containers::StridedArrayView<dimensions, const T> pixels() const {
            return Containers::arrayCast<dimensions, const T>(pixels());
        }

        /** Release the data, the image keeps its format but gets a zero size */
        Containers::Array<char> release();

    private:
        PixelStorage _storage;
        PixelFormat _format;
        UnsignedInt _formatExtra;
        UnsignedByte _pixelSize;
        ImageFlags<dimensions> _flags;
        VectorTypeFor<dimensions, Int> _size;
        Containers::Array<char> _data;
};

/** Compressed image owning its data */
template<UnsignedInt dimensions> class CompressedImage {
    public:
        enum: UnsignedInt {
            Dimensions = dimensions /**< Image dimension count */
        };

        /** Image owning @p data, block properties taken from @p format */
        explicit CompressedImage(CompressedPixelStorage storage, CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept;

        /** Image with default storage */
        explicit CompressedImage(CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept: CompressedImage{{}, format, size, Utility::move(data), flags} {}

        /** Image with explicit block properties */
        explicit CompressedImage(CompressedPixelStorage storage, CompressedPixelFormat format, const Vector3i& blockSize, UnsignedInt blockDataSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept;

        /** Image with an implementation-specific format and explicit block properties */
        explicit CompressedImage(CompressedPixelStorage storage, UnsignedInt format, const Vector3i& blockSize, UnsignedInt blockDataSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept;

        /** Image with an implementation-specific format, block properties found through ADL */
        template<class T> explicit CompressedImage(CompressedPixelStorage storage, T format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept: CompressedImage{storage, UnsignedInt(format), compressedPixelFormatBlockSize(format), compressedPixelFormatBlockDataSize(format), size, Utility::move(data), flags} {}

        /** Image with an implementation-specific format and default storage */
        template<class T> explicit CompressedImage(T format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, ImageFlags<dimensions> flags = {}) noexcept: CompressedImage{{}, format, size, Utility::move(data), flags} {}

        /** Placeholder with zero size and no data */
        /*implicit*/ CompressedImage(CompressedPixelStorage storage) noexcept;

        /** Placeholder with default storage */
        /*implicit*/ CompressedImage() noexcept: CompressedImage{CompressedPixelStorage{}} {}

        /** Copying is not allowed */
        CompressedImage(const CompressedImage<dimensions>&) = delete;

        /** Move constructor */
        CompressedImage(CompressedImage<dimensions>&& other) noexcept;

        /** Copying is not allowed */
        CompressedImage<dimensions>& operator=(const CompressedImage<dimensions>&) = delete;

        /** Move assignment, swaps the contents */
        CompressedImage<dimensions>& operator=(CompressedImage<dimensions>&& other) noexcept;

        /** Mutable view on the image */
        /*implicit*/ operator BasicMutableCompressedImageView<dimensions>();

        /** Const view on the image */
        /*implicit*/ operator BasicCompressedImageView<dimensions>() const;

        /** Layout flags */
        ImageFlags<dimensions> flags() const { return _flags; }

        /** Storage of compressed pixel data */
        CompressedPixelStorage storage() const { return _storage; }

        /** Format of compressed pixel data */
        CompressedPixelFormat format() const { return _format; }

        /** Block size in pixels */
        Vector3i blockSize() const { return Vector3i{_blockSize}; }

        /** Block size in bytes */
        UnsignedInt blockDataSize() const { return _blockDataSize; }

        /** Image size in pixels */
        VectorTypeFor<dimensions, Int> size() const { return _size; }

        /** Compressed image data properties, in blocks */
        std::pair<VectorTypeFor<dimensions, std::size_t>, VectorTypeFor<dimensions, std::size_t>> dataProperties() const;

        /** Raw data */
        Containers::ArrayView<char> data() & { return _data; }

        /** Raw data taken out of a temporary */
        Containers::Array<char> data() && { return release(); }

        /** Raw data */
        Containers::ArrayView<const char> data() const & { return _data; }

        /** Release the data, the image keeps its format but gets a zero size */
        Containers::Array<char> release();

    private:
        CompressedPixelStorage _storage;
        CompressedPixelFormat _format;
        ImageFlags<dimensions> _flags;
        Math::Vector3<UnsignedByte> _blockSize;
        UnsignedByte _blockDataSize;
        VectorTypeFor<dimensions, Int> _size;
        Containers::Array<char> _data;
};

}

#endif
