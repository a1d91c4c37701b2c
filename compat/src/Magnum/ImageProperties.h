#ifndef Magnum_src_ImageProperties_h
#define Magnum_src_ImageProperties_h
/* Layout arithmetic and checks shared by the image and image view classes,
   private to the library */

#include <utility>

#include "Corrade/Containers/StridedArrayView.h"
#include "Corrade/Utility/Assert.h"
#include "Magnum/DimensionTraits.h"
#include "Magnum/ImageFlags.h"
#include "Magnum/PixelStorage.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum { namespace Implementation {

typedef std::pair<Math::Vector3<std::size_t>, Math::Vector3<std::size_t>> DataProperties;

template<UnsignedInt dimensions> inline Vector3i padSize(const VectorTypeFor<dimensions, Int>& size) {
    Vector3i out{1};
    for(UnsignedInt i = 0; i != dimensions; ++i) out[i] = size[i];
    return out;
}

template<UnsignedInt dimensions> inline std::pair<VectorTypeFor<dimensions, std::size_t>, VectorTypeFor<dimensions, std::size_t>> cutProperties(const DataProperties& properties) {
    std::pair<VectorTypeFor<dimensions, std::size_t>, VectorTypeFor<dimensions, std::size_t>> out;
    for(UnsignedInt i = 0; i != dimensions; ++i) {
        out.first[i] = properties.first[i];
        out.second[i] = properties.second[i];
    }
    return out;
}

inline DataProperties compressedDataProperties(const PixelStorage& storage, const Vector3i& blockSize, UnsignedInt blockDataSize, const Vector3i& size) {
    Math::Vector3<std::size_t> count{NoInit};
    for(std::size_t i = 0; i != 3; ++i)
        count[i] = std::size_t((size[i] + blockSize[i] - 1)/blockSize[i]);
    if(storage.rowLength())
        count[0] = std::size_t((storage.rowLength() + blockSize[0] - 1)/blockSize[0]);
    if(storage.imageHeight())
        count[1] = std::size_t((storage.imageHeight() + blockSize[1] - 1)/blockSize[1]);

    /* A skip that isn't a multiple of the block size still skips the whole
       block it starts in */
    Math::Vector3<std::size_t> skipBlocks{NoInit};
    for(std::size_t i = 0; i != 3; ++i)
        skipBlocks[i] = std::size_t((storage.skip()[i] + blockSize[i] - 1)/blockSize[i]);
    const Math::Vector3<std::size_t> offset{
        skipBlocks[0]*blockDataSize,
        skipBlocks[1]*count[0]*blockDataSize,
        skipBlocks[2]*count[0]*count[1]*blockDataSize};
    return {offset, size.product() ? count : Math::Vector3<std::size_t>{}};
}

/* Bytes an image needs: the skip offset as far as it isn't inside the
   padding of a row or an image, plus all rows and images */
inline std::size_t imageDataSize(const PixelStorage& storage, UnsignedInt pixelSize, const Vector3i& size) {
    const DataProperties properties = storage.dataProperties(pixelSize, size);
    std::size_t offset = 0;
    if(properties.first[2])
        offset = properties.first[2];
    else if(properties.first[1]) {
        if(!storage.imageHeight()) offset = properties.first[1];
    } else if(properties.first[0]) {
        if(!storage.rowLength()) offset = properties.first[0];
    }
    return offset + properties.second.product();
}

/* Bytes a compressed image needs: whole rows and layers of blocks, the skip
   counted the same way as for uncompressed images */
inline std::size_t compressedImageDataSize(const PixelStorage& storage, const Vector3i& blockSize, UnsignedInt blockDataSize, const Vector3i& size) {
    const DataProperties properties = compressedDataProperties(storage, blockSize, blockDataSize, size);
    std::size_t offset = 0;
    if(properties.first[2])
        offset = properties.first[2];
    else if(properties.first[1]) {
        if(!storage.imageHeight()) offset = properties.first[1];
    } else if(properties.first[0]) {
        if(!storage.rowLength()) offset = properties.first[0];
    }
    return offset + properties.second.product()*blockDataSize;
}

/* Rows and columns reversed so that the first index is the outermost one,
   pixel bytes last */
template<UnsignedInt dimensions, class T> Containers::StridedArrayView<dimensions + 1, T> pixelView(const PixelStorage& storage, UnsignedInt pixelSize, const VectorTypeFor<dimensions, Int>& imageSize, Containers::ArrayView<T> data) {
    const DataProperties properties = storage.dataProperties(pixelSize, padSize<dimensions>(imageSize));

    Containers::Size<dimensions + 1> size{NoInit};
    Containers::Stride<dimensions + 1> stride{NoInit};
    size[dimensions] = pixelSize;
    stride[dimensions] = 1;
    std::size_t next = 1;
    for(UnsignedInt i = 0; i != dimensions; ++i) {
        size[dimensions - 1 - i] = std::size_t(imageSize[i]);
        stride[dimensions - 1 - i] = i == 0 ? std::ptrdiff_t(pixelSize) : std::ptrdiff_t(next);
        next *= properties.second[i];
    }

    /* The bound check covers whole outermost slices, so only the outermost
       skip is taken off the viewed range */
    /* Skips of dimensions the image doesn't have don't move the start */
    std::size_t offset = 0;
    for(UnsignedInt i = 0; i != dimensions; ++i) offset += properties.first[i];
    return {data.exceptPrefix(properties.first[dimensions - 1]), data.data() + offset, size, stride};
}

inline void checkPixelSize(const char* prefix, UnsignedInt pixelSize) {
    CORRADE_ASSERT(pixelSize && pixelSize < 256,
        prefix << "expected pixel size to be non-zero and less than 256 but got" << pixelSize, );
    static_cast<void>(prefix);
    static_cast<void>(pixelSize);
}

inline void checkImageFlagsForSize(const char*, ImageFlags1D, const Math::Vector<1, Int>&) {}
inline void checkImageFlagsForSize(const char*, ImageFlags2D, const Vector2i&) {}
inline void checkImageFlagsForSize(const char* prefix, ImageFlags3D flags, const Vector3i& size) {
    CORRADE_ASSERT(!(flags & ImageFlag3D::CubeMap) || size.x() == size.y(),
        prefix << "expected square faces for a cube map, got" << Debug::packed << size.xy(), );
    CORRADE_ASSERT(!(flags & ImageFlag3D::CubeMap) || (flags & ImageFlag3D::Array) || size.z() == 6,
        prefix << "expected exactly 6 faces for a cube map, got" << size.z(), );
    CORRADE_ASSERT(!(flags >= (ImageFlag3D::CubeMap|ImageFlag3D::Array)) || size.z() % 6 == 0,
        prefix << "expected a multiple of 6 faces for a cube map array, got" << size.z(), );
    static_cast<void>(prefix);
    static_cast<void>(flags);
    static_cast<void>(size);
}

inline void checkBlockProperties(const char* prefix, const Vector3i& blockSize, UnsignedInt blockDataSize) {
    CORRADE_ASSERT(blockSize.x() > 0 && blockSize.y() > 0 && blockSize.z() > 0 && blockSize.x() < 256 && blockSize.y() < 256 && blockSize.z() < 256,
        prefix << "expected block size to be greater than zero and less than 256 but got" << Debug::packed << blockSize, );
    CORRADE_ASSERT(blockDataSize && blockDataSize < 256,
        prefix << "expected block data size to be non-zero and less than 256 but got" << blockDataSize, );
    static_cast<void>(prefix);
    static_cast<void>(blockSize);
    static_cast<void>(blockDataSize);
}

inline void checkBlockPropertiesForStorage(const char* prefix, const Vector3i& blockSize, UnsignedInt blockDataSize, const CompressedPixelStorage& storage) {
    CORRADE_ASSERT(storage.compressedBlockSize() == Vector3i{} || storage.compressedBlockSize() == blockSize,
        prefix << "expected pixel storage block size to be either not set at all or equal to" << Debug::packed << blockSize << "but got" << Debug::packed << storage.compressedBlockSize(), );
    CORRADE_ASSERT(!storage.compressedBlockDataSize() || UnsignedInt(storage.compressedBlockDataSize()) == blockDataSize,
        prefix << "expected pixel storage block data size to be either not set at all or equal to" << blockDataSize << "but got" << storage.compressedBlockDataSize(), );
    static_cast<void>(prefix);
    static_cast<void>(blockSize);
    static_cast<void>(blockDataSize);
    static_cast<void>(storage);
}

}}

#endif
