#ifndef Magnum_ImageView_h
#define Magnum_ImageView_h
/* Non-owning views on image data together with their layout and format */

#include <type_traits>
#include <utility>

#include "Corrade/Containers/ArrayView.h"
#include "Magnum/DimensionTraits.h"
#include "Magnum/ImageFlags.h"
#include "Magnum/PixelStorage.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum {

/** Image view, @p T is either @cpp const char @ce or @cpp char @ce */
template<UnsignedInt dimensions, class T> class ImageView {
    public:
        static_assert(std::is_same<T, char>::value || std::is_same<T, const char>::value,
            "image view type can be either char or const char");

        /** Raw data type */
        typedef T Type;

        /** Type-erased data type */
        typedef typename std::conditional<std::is_const<T>::value, const void, void>::type ErasedType;

        enum: UnsignedInt {
            Dimensions = dimensions /**< Image dimension count */
        };

        /** View on @p data with @p storage, @p format and @p size */
        explicit ImageView(PixelStorage storage, PixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept;

        /** View on @p data with default storage */
        explicit ImageView(PixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept: ImageView{{}, format, size, data, flags} {}

        /** View without data, set it later with setData() */
        explicit ImageView(PixelStorage storage, PixelFormat format, const VectorTypeFor<dimensions, Int>& size, ImageFlags<dimensions> flags = {}) noexcept;

        /** View without data and with default storage */
        explicit ImageView(PixelFormat format, const VectorTypeFor<dimensions, Int>& size, ImageFlags<dimensions> flags = {}) noexcept: ImageView{{}, format, size, flags} {}

        /** View with an implementation-specific format and explicit pixel size */
        explicit ImageView(PixelStorage storage, UnsignedInt format, UnsignedInt formatExtra, UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept;

        /** View with an already wrapped format and explicit pixel size */
        explicit ImageView(PixelStorage storage, PixelFormat format, UnsignedInt formatExtra, UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept;

        /** View without data, implementation-specific format and explicit pixel size */
        explicit ImageView(PixelStorage storage, UnsignedInt format, UnsignedInt formatExtra, UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, ImageFlags<dimensions> flags = {}) noexcept;

        /** View without data, already wrapped format and explicit pixel size */
        explicit ImageView(PixelStorage storage, PixelFormat format, UnsignedInt formatExtra, UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, ImageFlags<dimensions> flags = {}) noexcept;

        /** View with an implementation-specific format pair, pixel size found through ADL */
        template<class U, class V> explicit ImageView(PixelStorage storage, U format, V formatExtra, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept: ImageView{storage, UnsignedInt(format), UnsignedInt(formatExtra), pixelFormatSize(format, formatExtra), size, data, flags} {}

        /** View with an implementation-specific format, pixel size found through ADL */
        template<class U> explicit ImageView(PixelStorage storage, U format, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept: ImageView{storage, UnsignedInt(format), 0, pixelFormatSize(format), size, data, flags} {}

        /** View with an implementation-specific format pair and default storage */
        template<class U, class V> explicit ImageView(U format, V formatExtra, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept: ImageView{{}, format, formatExtra, size, data, flags} {}

        /** View with an implementation-specific format and default storage */
        template<class U> explicit ImageView(U format, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept: ImageView{{}, format, size, data, flags} {}

        /** Convert a mutable view to a const one */
        template<class U, typename std::enable_if<std::is_const<T>::value && !std::is_const<U>::value, int>::type = 0> /*implicit*/ ImageView(const ImageView<dimensions, U>& other) noexcept: _storage{other._storage}, _format{other._format}, _formatExtra{other._formatExtra}, _pixelSize{other._pixelSize}, _flags{other._flags}, _size{other._size}, _data{other._data} {}

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
        const VectorTypeFor<dimensions, Int>& size() const { return _size; }

        /** Image data properties, see PixelStorage::dataProperties() */
        std::pair<VectorTypeFor<dimensions, std::size_t>, VectorTypeFor<dimensions, std::size_t>> dataProperties() const;

        /** Raw image data */
        Containers::ArrayView<Type> data() const { return _data; }

        /** Set image data, it has to be large enough for the layout */
        void setData(Containers::ArrayView<ErasedType> data);

        /** Pixels as bytes with one more dimension, outermost first; nullptr for a view without data */
        Containers::StridedArrayView<dimensions + 1, Type> pixels() const;

        /** Pixels cast to a concrete type */
        template<class U> Containers::StridedArrayView<dimensions, typename std::conditional<std::is_const<Type>::value, typename std::add_const<U>::type, U>::type> pixels() const {
            if(!_data.data() && !_data.size()) return {};
            return Containers::arrayCast<dimensions, typename std::conditional<std::is_const<Type>::value, typename std::add_const<U>::type, U>::type>(pixels());
        }

    private:
        template<UnsignedInt, class> friend class ImageView;

        PixelStorage _storage;
        PixelFormat _format;
        UnsignedInt _formatExtra;
        UnsignedByte _pixelSize;
        ImageFlags<dimensions> _flags;
        VectorTypeFor<dimensions, Int> _size;
        Containers::ArrayView<Type> _data;
};

/** Compressed image view, @p T is either @cpp const char @ce or @cpp char @ce */
template<UnsignedInt dimensions, class T> class CompressedImageView {
    public:
        static_assert(std::is_same<T, char>::value || std::is_same<T, const char>::value,
            "image view type can be either char or const char");

        /** Raw data type */
        typedef T Type;

        /** Type-erased data type */
        typedef typename std::conditional<std::is_const<T>::value, const void, void>::type ErasedType;

        enum: UnsignedInt {
            Dimensions = dimensions /**< Image dimension count */
        };

        /** View on @p data, block properties taken from @p format */
        explicit CompressedImageView(CompressedPixelStorage storage, CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept;

        /** View on @p data with default storage */
        explicit CompressedImageView(CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept: CompressedImageView{{}, format, size, data, flags} {}

        /** View without data, set it later with setData() */
        explicit CompressedImageView(CompressedPixelStorage storage, CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, ImageFlags<dimensions> flags = {}) noexcept;

        /** View without data and with default storage */
        explicit CompressedImageView(CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, ImageFlags<dimensions> flags = {}) noexcept: CompressedImageView{{}, format, size, flags} {}

        /** View with explicit block properties */
        explicit CompressedImageView(CompressedPixelStorage storage, CompressedPixelFormat format, const Vector3i& blockSize, UnsignedInt blockDataSize, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept;

        /** View with an implementation-specific format and explicit block properties */
        explicit CompressedImageView(CompressedPixelStorage storage, UnsignedInt format, const Vector3i& blockSize, UnsignedInt blockDataSize, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept;

        /** View with an implementation-specific format, block properties found through ADL */
        template<class U> explicit CompressedImageView(CompressedPixelStorage storage, U format, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept: CompressedImageView{storage, UnsignedInt(format), compressedPixelFormatBlockSize(format), compressedPixelFormatBlockDataSize(format), size, data, flags} {}

        /** View with an implementation-specific format and default storage */
        template<class U> explicit CompressedImageView(U format, const VectorTypeFor<dimensions, Int>& size, Containers::ArrayView<ErasedType> data, ImageFlags<dimensions> flags = {}) noexcept: CompressedImageView{{}, format, size, data, flags} {}

        /** Convert a mutable view to a const one */
        template<class U, typename std::enable_if<std::is_const<T>::value && !std::is_const<U>::value, int>::type = 0> /*implicit*/ CompressedImageView(const CompressedImageView<dimensions, U>& other) noexcept: _storage{other._storage}, _format{other._format}, _flags{other._flags}, _blockSize{other._blockSize}, _blockDataSize{other._blockDataSize}, _size{other._size}, _data{other._data} {}

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
        const VectorTypeFor<dimensions, Int>& size() const { return _size; }

        /** Compressed image data properties, in blocks */
        std::pair<VectorTypeFor<dimensions, std::size_t>, VectorTypeFor<dimensions, std::size_t>> dataProperties() const;

        /** Raw image data */
        Containers::ArrayView<Type> data() const { return _data; }

        /** Set image data, it has to be large enough for the layout */
        void setData(Containers::ArrayView<ErasedType> data);

    private:
        template<UnsignedInt, class> friend class CompressedImageView;

        CompressedPixelStorage _storage;
        CompressedPixelFormat _format;
        ImageFlags<dimensions> _flags;
        Math::Vector3<UnsignedByte> _blockSize;
        UnsignedByte _blockDataSize;
        VectorTypeFor<dimensions, Int> _size;
        Containers::ArrayView<Type> _data;
};

}

#endif
