#include "Magnum/Trade/ImageData.h"

#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Move.h>

#include "Magnum/ImageView.h"
#include "Magnum/PixelFormat.h"
#include "../ImageProperties.h"

namespace Magnum { namespace Trade {

namespace {
    void nonOwnedImageDeleter(char*, std::size_t) {}

    Containers::Array<char> wrapNonOwned(const DataFlags dataFlags, const Containers::ArrayView<const void> data) {
        CORRADE_ASSERT(!(dataFlags & DataFlag::Owned),
            "Trade::ImageData: can't construct a non-owned instance with" << dataFlags, {});
        return Containers::Array<char>{const_cast<char*>(static_cast<const char*>(data.data())), data.size(), nonOwnedImageDeleter};
    }

    UnsignedInt genericPixelSize(const PixelFormat format) {
        CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
            "Trade::ImageData: can't determine size of an implementation-specific pixel format" << Debug::hex << pixelFormatUnwrap(format) << Debug::nospace << ", pass it explicitly", 0);
        return pixelFormatSize(format);
    }

    Vector3i genericBlockSize(const CompressedPixelFormat format) {
        CORRADE_ASSERT(!isCompressedPixelFormatImplementationSpecific(format),
            "Trade::ImageData: can't determine block size of an implementation-specific pixel format" << Debug::hex << compressedPixelFormatUnwrap(format) << Debug::nospace << ", pass it explicitly", {});
        return compressedPixelFormatBlockSize(format);
    }

    UnsignedInt genericBlockDataSize(const CompressedPixelFormat format) {
        if(isCompressedPixelFormatImplementationSpecific(format)) return 0;
        return compressedPixelFormatBlockDataSize(format);
    }
}

template<UnsignedInt dimensions> ImageData<dimensions>::ImageData(const PixelStorage storage, const PixelFormat format, const UnsignedInt formatExtra, const UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, const ImageFlags<dimensions> flags, const void* const importerState) noexcept: _dataFlags{DataFlag::Owned|DataFlag::Mutable}, _compressed{false}, _flags{flags}, _storage{storage}, _format{format}, _compressedFormat{}, _formatExtra{formatExtra}, _blockSize{}, _pixelSize{UnsignedByte(pixelSize)}, _blockDataSize{}, _size{size}, _data{Utility::move(data)}, _importerState{importerState} {
    Magnum::Implementation::checkPixelSize("Trade::ImageData:", pixelSize);
    CORRADE_ASSERT(Magnum::Implementation::imageDataSize(_storage, _pixelSize, Magnum::Implementation::padSize<dimensions>(_size)) <= _data.size(),
        "Trade::ImageData: data too small, got" << _data.size() << "but expected at least" << Magnum::Implementation::imageDataSize(_storage, _pixelSize, Magnum::Implementation::padSize<dimensions>(_size)) << "bytes", );
    Magnum::Implementation::checkImageFlagsForSize("Trade::ImageData:", flags, size);
}

template<UnsignedInt dimensions> ImageData<dimensions>::ImageData(const PixelStorage storage, const PixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, const ImageFlags<dimensions> flags, const void* const importerState) noexcept: ImageData{storage, format, 0, genericPixelSize(format), size, Utility::move(data), flags, importerState} {}

template<UnsignedInt dimensions> ImageData<dimensions>::ImageData(const PixelStorage storage, const PixelFormat format, const VectorTypeFor<dimensions, Int>& size, const DataFlags dataFlags, const Containers::ArrayView<const void> data, const ImageFlags<dimensions> flags, const void* const importerState) noexcept: ImageData{storage, format, size, wrapNonOwned(dataFlags, data), flags, importerState} {
    _dataFlags = dataFlags;
}

template<UnsignedInt dimensions> ImageData<dimensions>::ImageData(const CompressedPixelStorage storage, const CompressedPixelFormat format, const Vector3i& blockSize, const UnsignedInt blockDataSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, const ImageFlags<dimensions> flags, const void* const importerState) noexcept: _dataFlags{DataFlag::Owned|DataFlag::Mutable}, _compressed{true}, _flags{flags}, _storage{}, _compressedStorage{storage}, _format{}, _compressedFormat{format}, _formatExtra{}, _blockSize{Math::Vector3<UnsignedByte>{blockSize}}, _pixelSize{}, _blockDataSize{UnsignedByte(blockDataSize)}, _size{size}, _data{Utility::move(data)}, _importerState{importerState} {
    Magnum::Implementation::checkBlockProperties("Trade::ImageData:", blockSize, blockDataSize);
    Magnum::Implementation::checkBlockPropertiesForStorage("Trade::ImageData:", blockSize, blockDataSize, storage);
    CORRADE_ASSERT(Magnum::Implementation::compressedImageDataSize(storage, blockSize, blockDataSize, Magnum::Implementation::padSize<dimensions>(_size)) <= _data.size(),
        "Trade::ImageData: data too small, got" << _data.size() << "but expected at least" << Magnum::Implementation::compressedImageDataSize(storage, blockSize, blockDataSize, Magnum::Implementation::padSize<dimensions>(_size)) << "bytes", );
    Magnum::Implementation::checkImageFlagsForSize("Trade::ImageData:", flags, size);
}

template<UnsignedInt dimensions> ImageData<dimensions>::ImageData(const CompressedPixelStorage storage, const CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, const ImageFlags<dimensions> flags, const void* const importerState) noexcept: ImageData{storage, format, genericBlockSize(format), genericBlockDataSize(format), size, Utility::move(data), flags, importerState} {}

template<UnsignedInt dimensions> ImageData<dimensions>::ImageData(const CompressedPixelStorage storage, const CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, const DataFlags dataFlags, const Containers::ArrayView<const void> data, const ImageFlags<dimensions> flags, const void* const importerState) noexcept: ImageData{storage, format, size, wrapNonOwned(dataFlags, data), flags, importerState} {
    _dataFlags = dataFlags;
}

template<UnsignedInt dimensions> ImageData<dimensions>::ImageData(ImageData<dimensions>&& other) noexcept: _dataFlags{other._dataFlags}, _compressed{other._compressed}, _flags{other._flags}, _storage{other._storage}, _compressedStorage{other._compressedStorage}, _format{other._format}, _compressedFormat{other._compressedFormat}, _formatExtra{other._formatExtra}, _blockSize{other._blockSize}, _pixelSize{other._pixelSize}, _blockDataSize{other._blockDataSize}, _size{other._size}, _data{Utility::move(other._data)}, _importerState{other._importerState} {
    other._size = {};
}

template<UnsignedInt dimensions> ImageData<dimensions>& ImageData<dimensions>::operator=(ImageData<dimensions>&& other) noexcept {
    using Utility::swap;
    swap(_dataFlags, other._dataFlags);
    swap(_compressed, other._compressed);
    swap(_flags, other._flags);
    swap(_storage, other._storage);
    swap(_compressedStorage, other._compressedStorage);
    swap(_format, other._format);
    swap(_compressedFormat, other._compressedFormat);
    swap(_formatExtra, other._formatExtra);
    swap(_blockSize, other._blockSize);
    swap(_pixelSize, other._pixelSize);
    swap(_blockDataSize, other._blockDataSize);
    swap(_size, other._size);
    swap(_data, other._data);
    swap(_importerState, other._importerState);
    return *this;
}

template<UnsignedInt dimensions> PixelStorage ImageData<dimensions>::storage() const {
    CORRADE_ASSERT(!_compressed, "Trade::ImageData::storage(): the image is compressed", {});
    return _storage;
}

template<UnsignedInt dimensions> PixelFormat ImageData<dimensions>::format() const {
    CORRADE_ASSERT(!_compressed, "Trade::ImageData::format(): the image is compressed", {});
    return _format;
}

template<UnsignedInt dimensions> UnsignedInt ImageData<dimensions>::formatExtra() const {
    CORRADE_ASSERT(!_compressed, "Trade::ImageData::formatExtra(): the image is compressed", {});
    return _formatExtra;
}

template<UnsignedInt dimensions> CompressedPixelStorage ImageData<dimensions>::compressedStorage() const {
    CORRADE_ASSERT(_compressed, "Trade::ImageData::compressedStorage(): the image is not compressed", {});
    return _compressedStorage;
}

template<UnsignedInt dimensions> CompressedPixelFormat ImageData<dimensions>::compressedFormat() const {
    CORRADE_ASSERT(_compressed, "Trade::ImageData::compressedFormat(): the image is not compressed", {});
    return _compressedFormat;
}

template<UnsignedInt dimensions> UnsignedInt ImageData<dimensions>::pixelSize() const {
    CORRADE_ASSERT(!_compressed, "Trade::ImageData::pixelSize(): the image is compressed", {});
    return _pixelSize;
}

template<UnsignedInt dimensions> Vector3i ImageData<dimensions>::blockSize() const {
    CORRADE_ASSERT(_compressed, "Trade::ImageData::blockSize(): the image is not compressed", {});
    return Vector3i{_blockSize};
}

template<UnsignedInt dimensions> UnsignedInt ImageData<dimensions>::blockDataSize() const {
    CORRADE_ASSERT(_compressed, "Trade::ImageData::blockDataSize(): the image is not compressed", {});
    return _blockDataSize;
}

template<UnsignedInt dimensions> Containers::ArrayView<char> ImageData<dimensions>::mutableData() & {
    CORRADE_ASSERT(_dataFlags & DataFlag::Mutable,
        "Trade::ImageData::mutableData(): the image is not mutable", {});
    return _data;
}

template<UnsignedInt dimensions> Containers::StridedArrayView<dimensions + 1, const char> ImageData<dimensions>::pixels() const {
    CORRADE_ASSERT(!_compressed, "Trade::ImageData::pixels(): the image is compressed", {});
    return Magnum::Implementation::pixelView<dimensions, const char>(_storage, _pixelSize, _size, Containers::ArrayView<const char>{_data});
}

template<UnsignedInt dimensions> ImageData<dimensions>::operator BasicImageView<dimensions>() const {
    CORRADE_ASSERT(!_compressed, "Trade::ImageData: the image is compressed", (BasicImageView<dimensions>{_storage, _format, _formatExtra, _pixelSize, _size}));
    return BasicImageView<dimensions>{_storage, _format, _formatExtra, _pixelSize, _size, _data, _flags};
}

template<UnsignedInt dimensions> ImageData<dimensions>::operator BasicMutableImageView<dimensions>() {
    CORRADE_ASSERT(_dataFlags & DataFlag::Mutable,
        "Trade::ImageData: the image is not mutable", (BasicMutableImageView<dimensions>{_storage, _format, _formatExtra, _pixelSize, _size}));
    CORRADE_ASSERT(!_compressed, "Trade::ImageData: the image is compressed", (BasicMutableImageView<dimensions>{_storage, _format, _formatExtra, _pixelSize, _size}));
    return BasicMutableImageView<dimensions>{_storage, _format, _formatExtra, _pixelSize, _size, _data, _flags};
}

template<UnsignedInt dimensions> ImageData<dimensions>::operator BasicCompressedImageView<dimensions>() const {
    CORRADE_ASSERT(_compressed, "Trade::ImageData: the image is not compressed", (BasicCompressedImageView<dimensions>{_compressedStorage, _compressedFormat, _size}));
    return BasicCompressedImageView<dimensions>{_compressedStorage, _compressedFormat, Vector3i{_blockSize}, _blockDataSize, _size, _data, _flags};
}

template<UnsignedInt dimensions> Containers::Array<char> ImageData<dimensions>::release() {
    Containers::Array<char> data{Utility::move(_data)};
    _size = {};
    return data;
}

template class ImageData<1>;
template class ImageData<2>;
template class ImageData<3>;

}}
