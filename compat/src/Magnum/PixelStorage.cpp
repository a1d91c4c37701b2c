#include "Magnum/PixelStorage.h"

#include <utility>

#include "Corrade/Utility/Assert.h"
#include "ImageProperties.h"

namespace Magnum {

bool PixelStorage::operator==(const PixelStorage& other) const {
    return _rowLength == other._rowLength &&
        _imageHeight == other._imageHeight &&
        _skip == other._skip &&
        _alignment == other._alignment;
}

std::pair<Math::Vector3<std::size_t>, Math::Vector3<std::size_t>> PixelStorage::dataProperties(const std::size_t pixelSize, const Vector3i& size) const {
    const std::size_t rowBytes = (_rowLength ? std::size_t(_rowLength) : std::size_t(size.x()))*pixelSize;
    const std::size_t alignment = std::size_t(_alignment);
    const Math::Vector3<std::size_t> dataSize{
        (rowBytes + alignment - 1)/alignment*alignment,
        std::size_t(_imageHeight ? _imageHeight : size.y()),
        std::size_t(size.z())};
    const Math::Vector3<std::size_t> offset{
        std::size_t(_skip.x())*pixelSize,
        std::size_t(_skip.y())*dataSize.x(),
        std::size_t(_skip.z())*dataSize.x()*dataSize.y()};
    return {offset, size.product() ? dataSize : Math::Vector3<std::size_t>{}};
}

bool CompressedPixelStorage::operator==(const CompressedPixelStorage& other) const {
    return PixelStorage::operator==(other) &&
        _blockSize == other._blockSize &&
        _blockDataSize == other._blockDataSize;
}

std::pair<Math::Vector3<std::size_t>, Math::Vector3<std::size_t>> CompressedPixelStorage::dataProperties(const Vector3i& size) const {
    CORRADE_ASSERT(_blockDataSize && _blockSize.product(),
        "CompressedPixelStorage::dataProperties(): expected non-zero storage parameters", {});
    return Implementation::compressedDataProperties(*this, _blockSize, UnsignedInt(_blockDataSize), size);
}

}
