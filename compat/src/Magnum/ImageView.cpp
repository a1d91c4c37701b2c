#include "Magnum/ImageView.h"

#include <utility>

#include "Corrade/Containers/EnumSet.hpp"
#include "Corrade/Utility/Assert.h"
#include "Magnum/PixelFormat.h"
#include "ImageProperties.h"

namespace Magnum {

namespace {

UnsignedInt genericPixelSize(const char* prefix, const PixelFormat format) {
    CORRADE_ASSERT(!isPixelFormatImplementationSpecific(format),
        prefix << "can't determine size of an implementation-specific pixel format" << Debug::hex << pixelFormatUnwrap(format) << Debug::nospace << ", pass it explicitly", 0);
    static_cast<void>(prefix);
    return pixelFormatSize(format);
}

}

template<UnsignedInt dimensions, class T> ImageView<dimensions, T>::ImageView(const PixelStorage storage, const PixelFormat format, const VectorTypeFor<dimensions, Int>& size, const Containers::ArrayView<ErasedType> data, const ImageFlags<dimensions> flags) noexcept: ImageView{storage, format, 0, genericPixelSize("ImageView:", format), size, data, flags} {}

template<UnsignedInt dimensions, class T> ImageView<dimensions, T>::ImageView(const PixelStorage storage, const PixelFormat format, const VectorTypeFor<dimensions, Int>& size, const ImageFlags<dimensions> flags) noexcept: ImageView{storage, format, 0, genericPixelSize("ImageView:", format), size, flags} {}

template<UnsignedInt dimensions, class T> ImageView<dimensions, T>::ImageView(const PixelStorage storage, const UnsignedInt format, const UnsignedInt formatExtra, const UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, const Containers::ArrayView<ErasedType> data, const ImageFlags<dimensions> flags) noexcept: ImageView{storage, pixelFormatWrap(format), formatExtra, pixelSize, size, data, flags} {}

template<UnsignedInt dimensions, class T> ImageView<dimensions, T>::ImageView(const PixelStorage storage, const UnsignedInt format, const UnsignedInt formatExtra, const UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, const ImageFlags<dimensions> flags) noexcept: ImageView{storage, pixelFormatWrap(format), formatExtra, pixelSize, size, flags} {}

template<UnsignedInt dimensions, class T> ImageView<dimensions, T>::ImageView(const PixelStorage storage, const PixelFormat format, const UnsignedInt formatExtra, const UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, const Containers::ArrayView<ErasedType> data, const ImageFlags<dimensions> flags) noexcept: _storage{storage}, _format{format}, _formatExtra{formatExtra}, _pixelSize{UnsignedByte(pixelSize)}, _flags{flags}, _size{size}, _data{static_cast<Type*>(data.data()), data.size()} {
    Implementation::checkPixelSize("ImageView:", pixelSize);
    CORRADE_ASSERT(Implementation::imageDataSize(_storage, _pixelSize, Implementation::padSize<dimensions>(_size)) <= _data.size(),
        "ImageView: data too small, got" << _data.size() << "but expected at least" << Implementation::imageDataSize(_storage, _pixelSize, Implementation::padSize<dimensions>(_size)) << "bytes", );
    Implementation::checkImageFlagsForSize("ImageView:", flags, size);
}

template<UnsignedInt dimensions, class T> ImageView<dimensions, T>::ImageView(const PixelStorage storage, const PixelFormat format, const UnsignedInt formatExtra, const UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& size, const ImageFlags<dimensions> flags) noexcept: _storage{storage}, _format{format}, _formatExtra{formatExtra}, _pixelSize{UnsignedByte(pixelSize)}, _flags{flags}, _size{size}, _data{} {
    Implementation::checkPixelSize("ImageView:", pixelSize);
    Implementation::checkImageFlagsForSize("ImageView:", flags, size);
}

template<UnsignedInt dimensions, class T> auto ImageView<dimensions, T>::dataProperties() const -> std::pair<VectorTypeFor<dimensions, std::size_t>, VectorTypeFor<dimensions, std::size_t>> {
    return Implementation::cutProperties<dimensions>(_storage.dataProperties(_pixelSize, Implementation::padSize<dimensions>(_size)));
}

template<UnsignedInt dimensions, class T> void ImageView<dimensions, T>::setData(const Containers::ArrayView<ErasedType> data) {
    CORRADE_ASSERT(Implementation::imageDataSize(_storage, _pixelSize, Implementation::padSize<dimensions>(_size)) <= data.size(),
        "ImageView::setData(): data too small, got" << data.size() << "but expected at least" << Implementation::imageDataSize(_storage, _pixelSize, Implementation::padSize<dimensions>(_size)) << "bytes", );
    _data = {static_cast<Type*>(data.data()), data.size()};
}

template<UnsignedInt dimensions, class T> auto ImageView<dimensions, T>::pixels() const -> Containers::StridedArrayView<dimensions + 1, Type> {
    if(!_data.data() && !_data.size()) return {};
    return Implementation::pixelView<dimensions, Type>(_storage, _pixelSize, _size, _data);
}

template<UnsignedInt dimensions, class T> CompressedImageView<dimensions, T>::CompressedImageView(const CompressedPixelStorage storage, const CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, const Containers::ArrayView<ErasedType> data, const ImageFlags<dimensions> flags) noexcept: CompressedImageView{storage, format, compressedPixelFormatBlockSize(format), compressedPixelFormatBlockDataSize(format), size, data, flags} {}

template<UnsignedInt dimensions, class T> CompressedImageView<dimensions, T>::CompressedImageView(const CompressedPixelStorage storage, const CompressedPixelFormat format, const VectorTypeFor<dimensions, Int>& size, const ImageFlags<dimensions> flags) noexcept: CompressedImageView{storage, format, compressedPixelFormatBlockSize(format), compressedPixelFormatBlockDataSize(format), size, nullptr, flags} {}

template<UnsignedInt dimensions, class T> CompressedImageView<dimensions, T>::CompressedImageView(const CompressedPixelStorage storage, const UnsignedInt format, const Vector3i& blockSize, const UnsignedInt blockDataSize, const VectorTypeFor<dimensions, Int>& size, const Containers::ArrayView<ErasedType> data, const ImageFlags<dimensions> flags) noexcept: CompressedImageView{storage, compressedPixelFormatWrap(format), blockSize, blockDataSize, size, data, flags} {}

template<UnsignedInt dimensions, class T> CompressedImageView<dimensions, T>::CompressedImageView(const CompressedPixelStorage storage, const CompressedPixelFormat format, const Vector3i& blockSize, const UnsignedInt blockDataSize, const VectorTypeFor<dimensions, Int>& size, const Containers::ArrayView<ErasedType> data, const ImageFlags<dimensions> flags) noexcept: _storage{storage}, _format{format}, _flags{flags}, _blockSize{Math::Vector3<UnsignedByte>{blockSize}}, _blockDataSize{UnsignedByte(blockDataSize)}, _size{size}, _data{static_cast<Type*>(data.data()), data.size()} {
    Implementation::checkBlockProperties("CompressedImageView:", blockSize, blockDataSize);
    Implementation::checkBlockPropertiesForStorage("CompressedImageView:", blockSize, blockDataSize, storage);
    /* A view without data gets its data later */
    CORRADE_ASSERT(!_data.data() || Implementation::compressedImageDataSize(_storage, blockSize, blockDataSize, Implementation::padSize<dimensions>(_size)) <= _data.size(),
        "CompressedImageView: data too small, got" << _data.size() << "but expected at least" << Implementation::compressedImageDataSize(_storage, blockSize, blockDataSize, Implementation::padSize<dimensions>(_size)) << "bytes", );
    Implementation::checkImageFlagsForSize("CompressedImageView:", flags, size);
}

template<UnsignedInt dimensions, class T> auto CompressedImageView<dimensions, T>::dataProperties() const -> std::pair<VectorTypeFor<dimensions, std::size_t>, VectorTypeFor<dimensions, std::size_t>> {
    return Implementation::cutProperties<dimensions>(Implementation::compressedDataProperties(_storage, blockSize(), _blockDataSize, Implementation::padSize<dimensions>(_size)));
}

template<UnsignedInt dimensions, class T> void CompressedImageView<dimensions, T>::setData(const Containers::ArrayView<ErasedType> data) {
    _data = {static_cast<Type*>(data.data()), data.size()};
}

template class ImageView<1, const char>;
template class ImageView<2, const char>;
template class ImageView<3, const char>;
template class ImageView<1, char>;
template class ImageView<2, char>;
template class ImageView<3, char>;

template class CompressedImageView<1, const char>;
template class CompressedImageView<2, const char>;
template class CompressedImageView<3, const char>;
template class CompressedImageView<1, char>;
template class CompressedImageView<2, char>;
template class CompressedImageView<3, char>;

Debug& operator<<(Debug& debug, const ImageFlag1D value) {
    debug << "ImageFlag1D" << Debug::nospace;
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedShort(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const ImageFlag2D value) {
    debug << "ImageFlag2D" << Debug::nospace;
    switch(value) {
        case ImageFlag2D::Array: return debug << "::Array";
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedShort(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const ImageFlag3D value) {
    debug << "ImageFlag3D" << Debug::nospace;
    switch(value) {
        case ImageFlag3D::Array: return debug << "::Array";
        case ImageFlag3D::CubeMap: return debug << "::CubeMap";
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedShort(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const ImageFlags1D value) {
    return Containers::enumSetDebugOutput(debug, value, "ImageFlags1D{}", {});
}

Debug& operator<<(Debug& debug, const ImageFlags2D value) {
    return Containers::enumSetDebugOutput(debug, value, "ImageFlags2D{}", {ImageFlag2D::Array});
}

Debug& operator<<(Debug& debug, const ImageFlags3D value) {
    return Containers::enumSetDebugOutput(debug, value, "ImageFlags3D{}", {ImageFlag3D::Array, ImageFlag3D::CubeMap});
}

}
