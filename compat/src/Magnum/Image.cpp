#include "Magnum/Image.h"

#include <utility>

#include "Corrade/Utility/Assert.h"
#include "Corrade/Containers/StridedArrayView.h"
#include "Magnum/ImageView.h"
#include "Magnum/PixelFormat.h"
#include "ImageProperties.h"

namespace Magnum {

namespace {

UnsignedInt genericPixelSize(const PixelFormat format) {
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        "Image: can't determine size of an implementation-specific pixel format" << Debug::hex << pixelFormatUnwrap(format) << Debug::nospace << ", pass it explicitly", 0);
    return pixelFormatSize(format);
}

}

template<UnsignedInt dimensions> Image<dimensions>::Image(const PixelStorage storage, const PixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, const ImageFlags<dimensions> flags) noexcept: Image{storage, format, 0, genericPixelSize(format), size, Utility::move(data), flags} {}

template<UnsignedInt dimensions> Image<dimensions>::Image(const PixelStorage storage, const UnsignedInt format, const UnsignedInt formatExtra, const UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, const ImageFlags<dimensions> flags) noexcept: Image{storage, pixelFormatWrap(format), formatExtra, pixelSize, size, Utility::move(data), flags} {}

template<UnsignedInt dimensions> Image<dimensions>::Image(const PixelStorage storage, const PixelFormat format, const UnsignedInt formatExtra, const UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, const ImageFlags<dimensions> flags) noexcept: _storage{storage}, _format{format}, _formatExtra{formatExtra}, _pixelSize{UnsignedByte(pixelSize)}, _flags{flags}, _size{size}, _data{Utility::move(data)} {
    Implementation::checkPixelSize("Image:", pixelSize);
    CORRADE_ASSERT(Implementation::imageDataSize(_storage, _pixelSize, Implementation::padSize<dimensions>(_size)) <= _data.size(),
        "Image: data too small, got" << _data.size() << "but expected at least" << Implementation::imageDataSize(_storage, _pixelSize, Implementation::padSize<dimensions>(_size)) << "bytes", );
    Implementation::checkImageFlagsForSize("Image:", flags, size);
}

template<UnsignedInt dimensions> Image<dimensions>::Image(const PixelStorage storage, const PixelFormat format) noexcept: Image{storage, format, 0, genericPixelSize(format)} {}

template<UnsignedInt dimensions> Image<dimensions>::Image(const PixelStorage storage, const UnsignedInt format, const UnsignedInt formatExtra, const UnsignedInt pixelSize) noexcept: Image{storage, pixelFormatWrap(format), formatExtra, pixelSize} {}

template<UnsignedInt dimensions> Image<dimensions>::Image(const PixelStorage storage, const PixelFormat format, const UnsignedInt formatExtra, const UnsignedInt pixelSize) noexcept: _storage{storage}, _format{format}, _formatExtra{formatExtra}, _pixelSize{UnsignedByte(pixelSize)}, _size{}, _data{} {
    Implementation::checkPixelSize("Image:", pixelSize);
}

template<UnsignedInt dimensions> Image<dimensions>::Image(Image<dimensions>&& other) noexcept: _storage{other._storage}, _format{other._format}, _formatExtra{other._formatExtra}, _pixelSize{other._pixelSize}, _flags{other._flags}, _size{other._size}, _data{Utility::move(other._data)} {
    other._size = {};
}

template<UnsignedInt dimensions> Image<dimensions>& Image<dimensions>::operator=(Image<dimensions>&& other) noexcept {
    using Utility::swap;
    swap(_storage, other._storage);
    swap(_format, other._format);
    swap(_formatExtra, other._formatExtra);
    swap(_pixelSize, other._pixelSize);
    swap(_flags, other._flags);
    swap(_size, other._size);
    swap(_data, other._data);
    return *this;
}

template<UnsignedInt dimensions> Image<dimensions>::operator BasicMutableImageView<dimensions>() {
    return BasicMutableImageView<dimensions>{_storage, _format, _formatExtra, _pixelSize, _size, _data, _flags};
}

template<UnsignedInt dimensions> Image<dimensions>::operator BasicImageView<dimensions>() const {
    return BasicImageView<dimensions>{_storage, _format, _formatExtra, _pixelSize, _size, _data, _flags};
}

template<UnsignedInt dimensions> auto Image<dimensions>::dataProperties() const -> std::pair<VectorTypeFor<dimensions, std::size_t>, VectorTypeFor<dimensions, std::size_t>> {
    return Implementation::cutProperties<dimensions>(_storage.dataProperties(_pixelSize, Implementation::padSize<dimensions>(_size)));
}

template<UnsignedInt dimensions> Containers::StridedArrayView<dimensions + 1, char> Image<dimensions>::pixels() {
    return Implementation::pixelView<dimensions, char>(_storage, _pixelSize, _size, Containers::ArrayView<char>{_data});
}

template<UnsignedInt dimensions> Containers::StridedArrayView<dimensions + 1, const char> Image<dimensions>::pixels() const {
    return Implementation::pixelView<dimensions, const char>(_storage, _pixelSize, _size, Containers::ArrayView<const char>{_data});
}

template<UnsignedInt dimensions> Containers::Array<char> Image<dimensions>::release() {
    Containers::Array<char> data{Utility::move(_data)};
    _size = {};
    return data;
}

namespace {

Vector3i genericBlockSize(const CompressedPixelFormat format) {
    CORRADE_ASSERT(!isCompressedPixelFormatImplementationSpecific(format),
        "CompressedImage: can't determine block size of an implementation-specific pixel format" << Debug::hex << compressedPixelFormatUnwrap(format) << Debug::nospace << ", pass it explicitly", {});
    return compressedPixelFormatBlockSize(format);
}

}

template<UnsignedInt dimensions> CompressedImage<dimensions>::CompressedImage(const CompressedPixelStorage storage, const CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, const ImageFlags<dimensions> flags) noexcept: CompressedImage{storage, format, genericBlockSize(format), isCompressedPixelFormatImplementationSpecific(format) ? 0 : compressedPixelFormatBlockDataSize(format), size, Utility::move(data), flags} {}

template<UnsignedInt dimensions> CompressedImage<dimensions>::CompressedImage(const CompressedPixelStorage storage, const UnsignedInt format, const Vector3i& blockSize, const UnsignedInt blockDataSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, const ImageFlags<dimensions> flags) noexcept: CompressedImage{storage, compressedPixelFormatWrap(format), blockSize, blockDataSize, size, Utility::move(data), flags} {}

template<UnsignedInt dimensions> CompressedImage<dimensions>::CompressedImage(const CompressedPixelStorage storage, const CompressedPixelFormat format, const Vector3i& blockSize, const UnsignedInt blockDataSize, const VectorTypeFor<dimensions, Int>& size, Containers::Array<char>&& data, const ImageFlags<dimensions> flags) noexcept: _storage{storage}, _format{format}, _flags{flags}, _blockSize{Math::Vector3<UnsignedByte>{blockSize}}, _blockDataSize{UnsignedByte(blockDataSize)}, _size{size}, _data{Utility::move(data)} {
    Implementation::checkBlockProperties("CompressedImage:", blockSize, blockDataSize);
    Implementation::checkBlockPropertiesForStorage("CompressedImage:", blockSize, blockDataSize, storage);
    CORRADE_ASSERT(Implementation::compressedImageDataSize(_storage, blockSize, blockDataSize, Implementation::padSize<dimensions>(_size)) <= _data.size(),
        "CompressedImage: data too small, got" << _data.size() << "but expected at least" << Implementation::compressedImageDataSize(_storage, blockSize, blockDataSize, Implementation::padSize<dimensions>(_size)) << "bytes", );
    Implementation::checkImageFlagsForSize("CompressedImage:", flags, size);
}

template<UnsignedInt dimensions> CompressedImage<dimensions>::CompressedImage(const CompressedPixelStorage storage) noexcept: _storage{storage}, _format{}, _flags{}, _blockSize{}, _blockDataSize{}, _size{}, _data{} {
    CORRADE_ASSERT(storage.compressedBlockSize() == Vector3i{},
        "CompressedImage: expected pixel storage block size to not be set at all but got" << Debug::packed << storage.compressedBlockSize(), );
    CORRADE_ASSERT(!storage.compressedBlockDataSize(),
        "CompressedImage: expected pixel storage block data size to not be set at all but got" << storage.compressedBlockDataSize(), );
}

template<UnsignedInt dimensions> CompressedImage<dimensions>::CompressedImage(CompressedImage<dimensions>&& other) noexcept: _storage{other._storage}, _format{other._format}, _flags{other._flags}, _blockSize{other._blockSize}, _blockDataSize{other._blockDataSize}, _size{other._size}, _data{Utility::move(other._data)} {
    other._size = {};
}

template<UnsignedInt dimensions> CompressedImage<dimensions>& CompressedImage<dimensions>::operator=(CompressedImage<dimensions>&& other) noexcept {
    using Utility::swap;
    swap(_storage, other._storage);
    swap(_format, other._format);
    swap(_flags, other._flags);
    swap(_blockSize, other._blockSize);
    swap(_blockDataSize, other._blockDataSize);
    swap(_size, other._size);
    swap(_data, other._data);
    return *this;
}

template<UnsignedInt dimensions> CompressedImage<dimensions>::operator BasicMutableCompressedImageView<dimensions>() {
    return BasicMutableCompressedImageView<dimensions>{_storage, _format, blockSize(), _blockDataSize, _size, _data, _flags};
}

template<UnsignedInt dimensions> CompressedImage<dimensions>::operator BasicCompressedImageView<dimensions>() const {
    return BasicCompressedImageView<dimensions>{_storage, _format, blockSize(), _blockDataSize, _size, _data, _flags};
}

template<UnsignedInt dimensions> auto CompressedImage<dimensions>::dataProperties() const -> std::pair<VectorTypeFor<dimensions, std::size_t>, VectorTypeFor<dimensions, std::size_t>> {
    return Implementation::cutProperties<dimensions>(Implementation::compressedDataProperties(_storage, blockSize(), _blockDataSize, Implementation::padSize<dimensions>(_size)));
}

template<UnsignedInt dimensions> Containers::Array<char> CompressedImage<dimensions>::release() {
    Containers::Array<char> data{Utility::move(_data)};
    _size = {};
    return data;
}

template class Image<1>;
template class Image<2>;
template class Image<3>;

template class CompressedImage<1>;
template class CompressedImage<2>;
template class CompressedImage<3>;

}
