#include "VelmoraEngine/Tools/ImageTools.h"

#include <cmath>
#include <cstring>
#include <utility>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Algorithms.h>
#include <Corrade/Utility/Assert.h>
#include <Magnum/PixelStorage.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector3.h>

namespace VelmoraEngine { namespace ImageTools {

using namespace Magnum;

namespace {

/* The byte view of exactly the pixels of range, with the image's strides */
Containers::StridedArrayView3D<const char> pixelsInRange(const ImageView2D& image, const Range2Di& range) {
    return image.pixels().slice(
        {std::size_t(range.min().y()), std::size_t(range.min().x()), 0},
        {std::size_t(range.max().y()), std::size_t(range.max().x()), image.pixelSize()});
}

Containers::StridedArrayView3D<char> pixelsInRange(const MutableImageView2D& image, const Range2Di& range) {
    return image.pixels().slice(
        {std::size_t(range.min().y()), std::size_t(range.min().x()), 0},
        {std::size_t(range.max().y()), std::size_t(range.max().x()), image.pixelSize()});
}

/* Position of coordinate in the image repeated with period size */
inline Int wrap(const Int coordinate, const Int size) {
    const Int wrapped = coordinate % size;
    return wrapped < 0 ? wrapped + size : wrapped;
}

/* Asks for the cache lines of size bytes at data ahead of their use. The
   rows of a tile lie a whole image row apart, too many short runs for the
   hardware prefetcher to follow, and each would otherwise wait for memory
   in turn. Only a hint: it reads nothing and never faults. */
inline void prefetch(const char* const data, const std::size_t size) {
    #if defined(__GNUC__) || defined(__clang__)
    for(std::size_t i = 0; i < size; i += 64)
        __builtin_prefetch(data + i);
    if(size) __builtin_prefetch(data + size - 1);
    #else
    static_cast<void>(data);
    static_cast<void>(size);
    #endif
}

/* How many rows ahead tile() asks for its source rows: enough to keep the
   memory system busy, few enough to stay within what it can track */
constexpr Int TileRowsAhead = 8;

/* 0 <= min <= max <= size on both axes */
inline bool isInside(const Range2Di& range, const Vector2i& size) {
    return range.min().x() >= 0 && range.min().y() >= 0 &&
        range.min().x() <= range.max().x() && range.min().y() <= range.max().y() &&
        range.max().x() <= size.x() && range.max().y() <= size.y();
}

/* A range of no pixels. Its pixel view can't be made when the image is
   empty as well, as such an image has no data at all. */
inline bool isEmpty(const Range2Di& range) {
    return range.size().x() <= 0 || range.size().y() <= 0;
}

void copyRange(const ImageView2D& src, const Range2Di& srcRange, MutableImageView2D& dst, const Range2Di& dstRange) {
    Utility::copy(pixelsInRange(src, srcRange), pixelsInRange(dst, dstRange));
}

/* All slice() variants */
void sliceInto(const ImageView2D& src, MutableImageView2D& dst, const Range2Di& srcRange, const Range2Di& dstRange) {
    CORRADE_ASSERT(src.pixelSize() == dst.pixelSize(),
        "ImageTools::slice(): pixel sizes" << src.pixelSize() << "and" << dst.pixelSize() << "don't match", );
    CORRADE_ASSERT(isInside(srcRange, src.size()),
        "ImageTools::slice(): source range" << srcRange << "out of bounds for an image of size" << src.size(), );
    CORRADE_ASSERT(isInside(dstRange, dst.size()),
        "ImageTools::slice(): destination range" << dstRange << "out of bounds for an image of size" << dst.size(), );
    CORRADE_ASSERT(srcRange.size() == dstRange.size(),
        "ImageTools::slice(): source range size" << srcRange.size() << "doesn't match destination range size" << dstRange.size(), );

    if(isEmpty(srcRange)) return;
    copyRange(src, srcRange, dst, dstRange);
}

/* Stores the first channelCount bytes of the colour into every pixel */
template<std::size_t channelCount> void fillPixels(const Containers::StridedArrayView3D<char>& pixels, const Color4ub& color) {
    const UnsignedByte bytes[4]{color.r(), color.g(), color.b(), color.a()};
    const Containers::Size3D size = pixels.size();
    const Containers::Stride3D stride = pixels.stride();
    char* row = static_cast<char*>(pixels.data());
    for(std::size_t y = 0; y != size[0]; ++y, row += stride[0]) {
        char* pixel = row;
        for(std::size_t x = 0; x != size[1]; ++x, pixel += stride[1])
            std::memcpy(pixel, bytes, channelCount);
    }
}

/* floor(c/257) for every 16-bit c, which is what truncating c times the
   float closest to 1/257 gives as well: the high half of c*0xff01 shifted
   right by 8. Kept within 16-bit lanes, so it vectorizes to one multiply
   and one shift per eight channels. */
inline UnsignedByte divide257(const UnsignedShort c) {
    return UnsignedByte(UnsignedShort((UnsignedInt(c)*0xff01u) >> 16) >> 8);
}

template<std::size_t channelCount> void convertPixels(const Containers::StridedArrayView2D<const Math::Vector<channelCount, UnsignedShort>>& src, const Containers::StridedArrayView2D<Math::Vector<channelCount, UnsignedByte>>& dst) {
    const Containers::Size2D size = src.size();
    CORRADE_INTERNAL_ASSERT(size == dst.size());

    const Containers::Stride2D srcStride = src.stride();
    const Containers::Stride2D dstStride = dst.stride();
    const char* srcRow = static_cast<const char*>(src.data());
    char* dstRow = static_cast<char*>(dst.data());

    /* Pixels adjacent in both rows: one flat run of channels per row, or a
       single run for the whole image if the rows are adjacent as well */
    if(srcStride[1] == std::ptrdiff_t(sizeof(Math::Vector<channelCount, UnsignedShort>)) &&
       dstStride[1] == std::ptrdiff_t(sizeof(Math::Vector<channelCount, UnsignedByte>))) {
        std::size_t rows = size[0];
        std::size_t channels = size[1]*channelCount;
        if(srcStride[0] == std::ptrdiff_t(channels*sizeof(UnsignedShort)) &&
           dstStride[0] == std::ptrdiff_t(channels)) {
            channels *= rows;
            rows = 1;
        }
        for(std::size_t y = 0; y != rows; ++y, srcRow += srcStride[0], dstRow += dstStride[0]) {
            const UnsignedShort* const from = reinterpret_cast<const UnsignedShort*>(srcRow);
            UnsignedByte* const to = reinterpret_cast<UnsignedByte*>(dstRow);
            for(std::size_t i = 0; i != channels; ++i)
                to[i] = divide257(from[i]);
        }
        return;
    }

    for(std::size_t y = 0; y != size[0]; ++y, srcRow += srcStride[0], dstRow += dstStride[0]) {
        const char* from = srcRow;
        char* to = dstRow;
        for(std::size_t x = 0; x != size[1]; ++x, from += srcStride[1], to += dstStride[1]) {
            const UnsignedShort* in = reinterpret_cast<const UnsignedShort*>(from);
            UnsignedByte* out = reinterpret_cast<UnsignedByte*>(to);
            for(std::size_t c = 0; c != channelCount; ++c)
                out[c] = divide257(in[c]);
        }
    }
}

template<std::size_t channelCount> void convertPixels(const Containers::StridedArrayView3D<const char>& src, const Containers::StridedArrayView3D<char>& dst) {
    convertPixels<channelCount>(
        Containers::arrayCast<2, const Math::Vector<channelCount, UnsignedShort>>(src),
        Containers::arrayCast<2, Math::Vector<channelCount, UnsignedByte>>(dst));
}

/* Channel count of a supported 16-to-8-bit pair, 0 otherwise */
std::size_t conversionChannelCount(const PixelFormat from, const PixelFormat to) {
    if((from == PixelFormat::R16Unorm || from == PixelFormat::R16UI) &&
       (to == PixelFormat::R8Unorm || to == PixelFormat::R8UI)) return 1;
    if((from == PixelFormat::RG16Unorm || from == PixelFormat::RG16UI) &&
       (to == PixelFormat::RG8Unorm || to == PixelFormat::RG8UI)) return 2;
    if((from == PixelFormat::RGB16Unorm || from == PixelFormat::RGB16UI) &&
       (to == PixelFormat::RGB8Unorm || to == PixelFormat::RGB8UI)) return 3;
    if((from == PixelFormat::RGBA16Unorm || from == PixelFormat::RGBA16UI) &&
       (to == PixelFormat::RGBA8Unorm || to == PixelFormat::RGBA8UI)) return 4;
    return 0;
}

/* Integer ratio: each output pixel is the mean of a whole factor.x ×
   factor.y block. Sum is UnsignedInt when every block sum stays below 2^24,
   where integer sums convert to exactly the float sums; Float otherwise. */
template<std::size_t channelCount, class Sum> void downscaleBlocks(const Containers::StridedArrayView3D<const char>& src, const Containers::StridedArrayView3D<char>& dst, const Vector2i& factor) {
    const Containers::Size3D size = dst.size();
    const Containers::Stride3D srcStride = src.stride();
    const Containers::Stride3D dstStride = dst.stride();
    const std::ptrdiff_t blockRowStride = srcStride[0]*factor.y();
    const std::ptrdiff_t blockColumnStride = srcStride[1]*factor.x();
    const Float area = Float(factor.x()*factor.y());

    const char* srcRow = static_cast<const char*>(src.data());
    char* dstRow = static_cast<char*>(dst.data());
    for(std::size_t y = 0; y != size[0]; ++y, srcRow += blockRowStride, dstRow += dstStride[0]) {
        const char* block = srcRow;
        char* out = dstRow;
        for(std::size_t x = 0; x != size[1]; ++x, block += blockColumnStride, out += dstStride[1]) {
            Sum sum[channelCount]{};
            const char* row = block;
            for(Int j = 0; j != factor.y(); ++j, row += srcStride[0]) {
                const char* pixel = row;
                for(Int i = 0; i != factor.x(); ++i, pixel += srcStride[1])
                    for(std::size_t c = 0; c != channelCount; ++c)
                        sum[c] += Sum(UnsignedByte(pixel[c]));
            }
            for(std::size_t c = 0; c != channelCount; ++c)
                out[c] = char(UnsignedByte(Int(Float(sum[c])/area)));
        }
    }
}

/* Halving in both directions, the most common case: the four pixels of a
   block summed as integers. Below 2^24 the float sum of the stated order is
   the same integer, and truncating it divided by 4 is a shift by two. */
template<std::size_t channelCount> void downscaleHalf(const Containers::StridedArrayView3D<const char>& src, const Containers::StridedArrayView3D<char>& dst) {
    const Containers::Size3D size = dst.size();
    const Containers::Stride3D srcStride = src.stride();
    const Containers::Stride3D dstStride = dst.stride();
    const std::ptrdiff_t pixel = srcStride[1];

    const char* srcRow = static_cast<const char*>(src.data());
    char* dstRow = static_cast<char*>(dst.data());
    for(std::size_t y = 0; y != size[0]; ++y, srcRow += 2*srcStride[0], dstRow += dstStride[0]) {
        const UnsignedByte* top = reinterpret_cast<const UnsignedByte*>(srcRow);
        const UnsignedByte* bottom = reinterpret_cast<const UnsignedByte*>(srcRow + srcStride[0]);
        char* out = dstRow;
        for(std::size_t x = 0; x != size[1]; ++x, top += 2*pixel, bottom += 2*pixel, out += dstStride[1])
            for(std::size_t c = 0; c != channelCount; ++c)
                out[c] = char((UnsignedInt(top[c]) + top[pixel + c] + bottom[c] + bottom[pixel + c]) >> 2);
    }
}

/* Covered source pixels along one axis: whole pixels [begin, end), the
   partial pixel begin - 1 with weight first and the partial pixel end with
   weight last. The far edge is clamped to the source, so the partial pixel
   past it gets no weight and is never read; a footprint inside a single
   pixel puts its whole length on that pixel. */
struct Footprint {
    Int begin, end;
    Float first, last;
};

Footprint footprint(const Int i, const Float scale, const Int length) {
    const Float limit = Float(length);
    Float from = Float(i)*scale;
    Float to = Float(i + 1)*scale;
    if(to > limit) to = limit;
    if(from > limit) from = limit;

    Footprint out;
    out.begin = Int(std::ceil(from));
    out.end = Int(std::floor(to));
    if(out.begin > out.end) {
        out.first = to - from;
        out.last = 0.0f;
    } else {
        out.first = Float(out.begin) - from;
        out.last = to - Float(out.end);
    }
    return out;
}

/* A footprint along the columns with its byte offsets, computed once per
   call rather than once per pixel */
struct ColumnFootprint {
    Footprint footprint;
    std::ptrdiff_t left, right, first;
};

Containers::Array<ColumnFootprint> columnFootprints(const std::size_t count, const Float scale, const Int length, const std::ptrdiff_t stride) {
    Containers::Array<ColumnFootprint> out{NoInit, count};
    for(std::size_t x = 0; x != count; ++x) {
        const Footprint columns = footprint(Int(x), scale, length);
        out[x] = ColumnFootprint{columns,
            std::ptrdiff_t(columns.begin - 1)*stride,
            std::ptrdiff_t(columns.end)*stride,
            std::ptrdiff_t(columns.begin)*stride};
    }
    return out;
}

/* One channel layout's arithmetic: a sum of channelCount floats, adding a
   pixel's channels as they are or multiplied by a weight (rounded before
   the addition, as two separate operations), and the byte of the mean */
template<std::size_t channelCount> struct ScalarSum {
    Float sum[channelCount]{};

    void add(const char* pixel) {
        for(std::size_t c = 0; c != channelCount; ++c)
            sum[c] += Float(UnsignedByte(pixel[c]));
    }
    void add(const char* pixel, const Float weight) {
        for(std::size_t c = 0; c != channelCount; ++c)
            sum[c] += weight*Float(UnsignedByte(pixel[c]));
    }
    void store(char* out, const Float area) const {
        for(std::size_t c = 0; c != channelCount; ++c)
            out[c] = char(UnsignedByte(Int(sum[c]/area)));
    }
};

#ifdef __SSE2__
/* Four channels in the lanes of one register: each lane rounds exactly as
   the scalar channel does */
struct Sse2Sum {
    __m128 sum = _mm_setzero_ps();

    static __m128 channels(const char* pixel) {
        Int value;
        std::memcpy(&value, pixel, 4);
        const __m128i zero = _mm_setzero_si128();
        return _mm_cvtepi32_ps(_mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(value), zero), zero));
    }
    void add(const char* pixel) {
        sum = _mm_add_ps(sum, channels(pixel));
    }
    void add(const char* pixel, const Float weight) {
        sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(weight), channels(pixel)));
    }
    /* The low byte of each truncated mean, as the scalar conversion keeps
       it */
    void store(char* out, const Float area) const {
        const __m128i truncated = _mm_and_si128(_mm_cvttps_epi32(_mm_div_ps(sum, _mm_set1_ps(area))), _mm_set1_epi32(0xff));
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(truncated, truncated), truncated);
        const Int value = _mm_cvtsi128_si32(bytes);
        std::memcpy(out, &value, 4);
    }
};
#endif

/* Fractional ratio: area-weighted sum of whole and partly covered pixels,
   added in a fixed order (corners, top and bottom edge, left and right edge,
   whole pixels) so that results don't depend on the layout */
template<class Sum> void downscaleFootprints(const Containers::StridedArrayView3D<const char>& src, const Containers::StridedArrayView3D<char>& dst, const Vector2& scale, const Vector2i& srcSize) {
    const Containers::Size3D size = dst.size();
    const Containers::Stride3D srcStride = src.stride();
    const Containers::Stride3D dstStride = dst.stride();
    const Float area = scale.x()*scale.y();
    const char* const srcData = static_cast<const char*>(src.data());
    const Containers::Array<ColumnFootprint> footprints = columnFootprints(size[1], scale.x(), srcSize.x(), srcStride[1]);

    char* dstRow = static_cast<char*>(dst.data());
    for(std::size_t y = 0; y != size[0]; ++y, dstRow += dstStride[0]) {
        const Footprint rows = footprint(Int(y), scale.y(), srcSize.y());
        const char* const topRow = srcData + std::ptrdiff_t(rows.begin - 1)*srcStride[0];
        const char* const bottomRow = srcData + std::ptrdiff_t(rows.end)*srcStride[0];
        const char* const firstRow = srcData + std::ptrdiff_t(rows.begin)*srcStride[0];

        char* out = dstRow;
        for(std::size_t x = 0; x != size[1]; ++x, out += dstStride[1]) {
            const ColumnFootprint& column = footprints[x];
            const Footprint& columns = column.footprint;

            Sum sum;

            if(rows.first && columns.first)
                sum.add(topRow + column.left, rows.first*columns.first);
            if(rows.first && columns.last)
                sum.add(topRow + column.right, rows.first*columns.last);
            if(rows.last && columns.first)
                sum.add(bottomRow + column.left, rows.last*columns.first);
            if(rows.last && columns.last)
                sum.add(bottomRow + column.right, rows.last*columns.last);

            if(rows.first) {
                const char* pixel = topRow + column.first;
                for(Int i = columns.begin; i < columns.end; ++i, pixel += srcStride[1])
                    sum.add(pixel, rows.first);
            }
            if(rows.last) {
                const char* pixel = bottomRow + column.first;
                for(Int i = columns.begin; i < columns.end; ++i, pixel += srcStride[1])
                    sum.add(pixel, rows.last);
            }

            if(columns.first) {
                const char* pixel = firstRow + column.left;
                for(Int j = rows.begin; j < rows.end; ++j, pixel += srcStride[0])
                    sum.add(pixel, columns.first);
            }
            if(columns.last) {
                const char* pixel = firstRow + column.right;
                for(Int j = rows.begin; j < rows.end; ++j, pixel += srcStride[0])
                    sum.add(pixel, columns.last);
            }

            /* Weight 1 is exact, so whole pixels are added as they are */
            const char* row = firstRow + column.first;
            for(Int j = rows.begin; j < rows.end; ++j, row += srcStride[0]) {
                const char* pixel = row;
                for(Int i = columns.begin; i < columns.end; ++i, pixel += srcStride[1])
                    sum.add(pixel);
            }

            sum.store(out, area);
        }
    }
}

template<std::size_t channelCount> void downscalePixels(const ImageView2D& src, const Containers::StridedArrayView3D<char>& dst, const Vector2i& size) {
    const Vector2 ratio{Float(src.size().x())/Float(size.x()), Float(src.size().y())/Float(size.y())};
    const Vector2i factor = src.size()/size;

    /* A factor of 0 (a ratio close to 0) has no whole block to average */
    if(ratio == Math::floor(ratio) && factor.x() && factor.y()) {
        if(factor == Vector2i{2})
            downscaleHalf<channelCount>(src.pixels(), dst);
        else if(UnsignedLong(factor.x())*UnsignedLong(factor.y())*255 < (1ull << 24))
            downscaleBlocks<channelCount, UnsignedInt>(src.pixels(), dst, factor);
        else
            downscaleBlocks<channelCount, Float>(src.pixels(), dst, factor);
    } else {
        #ifdef __SSE2__
        if(channelCount == 4) {
            downscaleFootprints<Sse2Sum>(src.pixels(), dst, ratio, src.size());
            return;
        }
        #endif
        downscaleFootprints<ScalarSum<channelCount>>(src.pixels(), dst, ratio, src.size());
    }
}

}

CompressedImage2D allocateWithFormat(const CompressedPixelFormat format, const Vector2i& size) {
    const Vector2i blockSize = compressedPixelFormatBlockSize(format).xy();
    const Vector2i blockCount = (size + blockSize - Vector2i{1})/blockSize;
    const UnsignedInt dataSize = compressedPixelFormatBlockDataSize(format)*UnsignedInt(blockCount.x())*UnsignedInt(blockCount.y());
    return CompressedImage2D{format, size, Containers::Array<char>{ValueInit, dataSize}};
}

Image2D allocateWithFormat(const PixelFormat format, const Vector2i& size) {
    const PixelStorage storage;
    const std::size_t dataSize = storage.dataProperties(pixelFormatSize(format), Vector3i{size, 1}).second.product();
    return Image2D{storage, format, size, Containers::Array<char>{ValueInit, dataSize}};
}

Image2D allocateWithSameFormat(const ImageView2D& image, const Vector2i& size) {
    const PixelStorage storage = image.storage();
    const std::pair<Math::Vector3<std::size_t>, Math::Vector3<std::size_t>> properties = storage.dataProperties(image.pixelSize(), Vector3i{size, 1});

    /* What an image of this storage is expected to have: the skip counts
       only where it isn't already inside the padding of a row length or
       image height */
    std::size_t dataSize = properties.second.product();
    if(properties.first.z())
        dataSize += properties.first.z();
    else if(properties.first.y()) {
        if(!storage.imageHeight()) dataSize += properties.first.y();
    } else if(properties.first.x()) {
        if(!storage.rowLength()) dataSize += properties.first.x();
    }

    /* That drops the x skip once a y skip is set, even when no row length
       pads it, and the last row then runs past the end. Cover up to the
       last byte of the last pixel as well. */
    if(size.x() && size.y()) {
        const std::size_t end = properties.first.sum() +
            std::size_t(size.y() - 1)*properties.second.x() +
            std::size_t(size.x())*image.pixelSize();
        dataSize = Math::max(dataSize, end);
    }

    return Image2D{storage, image.format(), image.formatExtra(), image.pixelSize(), size,
        Containers::Array<char>{ValueInit, dataSize}};
}

bool byteFill(MutableImageView2D& image, const Range2Di& range, const char value) {
    CORRADE_ASSERT(isInside(range, image.size()),
        "ImageTools::byteFill(): range" << range << "out of bounds for an image of size" << image.size(), false);
    if(isEmpty(range)) return true;

    /* The bytes of a pixel and the pixels of a row are always adjacent in an
       image view, so it's one fill for the whole range if the rows are
       adjacent as well, and one fill per row otherwise */
    const Containers::StridedArrayView3D<char> pixels = pixelsInRange(image, range);
    CORRADE_INTERNAL_ASSERT(pixels.isContiguous<1>());
    const Containers::Size3D size = pixels.size();
    char* const data = static_cast<char*>(pixels.data());
    if(pixels.isContiguous()) {
        std::memset(data, value, size[0]*size[1]*size[2]);
    } else {
        const std::ptrdiff_t rowStride = pixels.stride()[0];
        for(std::size_t y = 0; y != size[0]; ++y)
            std::memset(data + std::ptrdiff_t(y)*rowStride, value, size[1]*size[2]);
    }
    return true;
}

bool fill(MutableImageView2D& image, const Range2Di& range, const Color4ub& color) {
    CORRADE_ASSERT(isInside(range, image.size()),
        "ImageTools::fill(): range" << range << "out of bounds for an image of size" << image.size(), false);

    std::size_t channelCount;
    switch(image.format()) {
        case PixelFormat::R8Unorm:
        case PixelFormat::R8UI:
            channelCount = 1;
            break;
        case PixelFormat::RG8Unorm:
        case PixelFormat::RG8UI:
            channelCount = 2;
            break;
        case PixelFormat::RGB8Unorm:
        case PixelFormat::RGB8UI:
            channelCount = 3;
            break;
        case PixelFormat::RGBA8Unorm:
        case PixelFormat::RGBA8UI:
            channelCount = 4;
            break;
        default:
            return false;
    }

    if(isEmpty(range)) return true;

    const Containers::StridedArrayView3D<char> pixels = pixelsInRange(image, range);
    switch(channelCount) {
        case 1: fillPixels<1>(pixels, color); break;
        case 2: fillPixels<2>(pixels, color); break;
        case 3: fillPixels<3>(pixels, color); break;
        case 4: fillPixels<4>(pixels, color); break;
    }
    return true;
}

bool fill(MutableCompressedImageView2D& image, const Containers::ArrayView<const char> block) {
    const std::size_t blockSize = compressedPixelFormatBlockDataSize(image.format());
    if(block.size() != blockSize) return false;

    const Containers::ArrayView<char> blocks = image.data();
    CORRADE_INTERNAL_ASSERT(blocks.size()%blockSize == 0);
    if(!blocks.size()) return true;

    /* Copy the first block, then double the filled prefix until the end */
    std::memcpy(blocks.data(), block.data(), blockSize);
    for(std::size_t filled = blockSize; filled < blocks.size(); ) {
        const std::size_t count = filled < blocks.size() - filled ? filled : blocks.size() - filled;
        std::memcpy(blocks.data() + filled, blocks.data(), count);
        filled += count;
    }
    return true;
}

void slice(const ImageView2D& src, MutableImageView2D& dst, const Range2Di& srcRange, const Range2Di& dstRange) {
    sliceInto(src, dst, srcRange, dstRange);
}

void slice(const ImageView2D& src, MutableImageView2D& dst, const Range2Di& srcRange) {
    sliceInto(src, dst, srcRange, Range2Di{{}, dst.size()});
}

void slice(const ImageView2D& src, MutableImageView2D& dst, const Range2Di& srcRange, const Vector2i& dstOffset) {
    sliceInto(src, dst, srcRange, Range2Di{dstOffset, dstOffset + srcRange.size()});
}

bool convert(const ImageView2D& src, MutableImageView2D& dst) {
    if(src.size() != dst.size()) return false;
    if(src.format() == dst.format()) return true;

    const std::size_t channelCount = conversionChannelCount(src.format(), dst.format());
    if(!channelCount) return false;

    /* An empty image has no pixel view to cast */
    if(!src.size().x() || !src.size().y()) return true;

    switch(channelCount) {
        case 1: convertPixels<1>(src.pixels(), dst.pixels()); return true;
        case 2: convertPixels<2>(src.pixels(), dst.pixels()); return true;
        case 3: convertPixels<3>(src.pixels(), dst.pixels()); return true;
        case 4: convertPixels<4>(src.pixels(), dst.pixels()); return true;
        default: return false;
    }
}

bool downscale(const ImageView2D& src, MutableImageView2D& dst, const Vector2i& size) {
    CORRADE_ASSERT(size.x() > 0 && size.y() > 0,
        "ImageTools::downscale(): expected a positive size but got" << size, false);
    CORRADE_ASSERT(size.x() <= dst.size().x() && size.y() <= dst.size().y(),
        "ImageTools::downscale(): size" << size << "doesn't fit a destination of size" << dst.size(), false);
    /* Destination pixels are written as the source's 3- or 4-byte elements */
    CORRADE_ASSERT(dst.pixelSize() == src.pixelSize(),
        "ImageTools::downscale(): expected a destination pixel size of" << src.pixelSize() << "but got" << dst.pixelSize(), false);

    std::size_t channelCount;
    switch(src.format()) {
        case PixelFormat::RGB8Unorm:
        case PixelFormat::RGB8UI:
            channelCount = 3;
            break;
        case PixelFormat::RGBA8Unorm:
        case PixelFormat::RGBA8UI:
            channelCount = 4;
            break;
        default:
            return false;
    }

    /* Nothing to average, and the ratio of an empty source would divide 0
       by 0 */
    if(!src.size().x() || !src.size().y()) return true;

    const Containers::StridedArrayView3D<char> out = dst.pixels().prefix({std::size_t(size.y()), std::size_t(size.x()), channelCount});
    if(channelCount == 3) downscalePixels<3>(src, out, size);
    else downscalePixels<4>(src, out, size);
    return true;
}

bool tile(const ImageView2D& src, MutableImageView2D& dst, const Vector2i& tileSize, const int index, const Vector2i& border) {
    CORRADE_ASSERT(tileSize.x() > 0 && tileSize.y() > 0,
        "ImageTools::tile(): expected a positive tile size but got" << tileSize, false);
    CORRADE_ASSERT(border.x() >= 0 && border.y() >= 0,
        "ImageTools::tile(): expected a non-negative border but got" << border, false);

    const Vector2i imageSize = src.size();
    const Int tilesPerRow = Int(std::ceil(Float(imageSize.x())/Float(tileSize.x())));
    const Int tileCount = tilesPerRow*Int(std::ceil(Float(imageSize.y())/Float(tileSize.y())));
    /* Also catches an empty image, which has no tile at all */
    CORRADE_ASSERT(index >= 0 && index < tileCount,
        "ImageTools::tile(): index" << index << "out of range for" << tileCount << "tiles", false);
    static_cast<void>(tileCount);
    CORRADE_ASSERT(tileSize.x() + 2*border.x() <= dst.size().x() && tileSize.y() + 2*border.y() <= dst.size().y(),
        "ImageTools::tile(): expected a destination of at least" << tileSize + 2*border << "pixels but got" << dst.size(), false);
    CORRADE_ASSERT(dst.pixelSize() == src.pixelSize(),
        "ImageTools::tile(): expected a destination pixel size of" << src.pixelSize() << "but got" << dst.pixelSize(), false);

    const Vector2i tile{index % tilesPerRow, index/tilesPerRow};
    const Range2Di bordered{tile*tileSize - border, (tile + Vector2i{1})*tileSize + border};

    /* An image of whole tiles repeats endlessly in both directions, so the
       bordered tile is a window into that repetition, right for a border of
       any width, also one wider than the tile or the image itself. Copied
       row by row, each row in runs that end where the source column wraps
       around; the source row and the first column wrap once here and are
       then stepped along. */
    if(!(imageSize.x() % tileSize.x()) && !(imageSize.y() % tileSize.y())) {
        const Containers::StridedArrayView3D<const char> from = src.pixels();
        const Containers::StridedArrayView3D<char> to = dst.pixels();
        const char* const srcData = static_cast<const char*>(from.data());
        char* const dstData = static_cast<char*>(to.data());
        const std::ptrdiff_t srcRowStride = from.stride()[0];
        const std::ptrdiff_t dstRowStride = to.stride()[0];
        const std::size_t pixelSize = src.pixelSize();

        const Vector2i size = bordered.size();
        const Int firstX = wrap(bordered.min().x(), imageSize.x());
        const Int firstY = wrap(bordered.min().y(), imageSize.y());

        /* The first run of every row is requested TileRowsAhead rows before
           it's copied */
        const std::size_t firstRunOffset = std::size_t(firstX)*pixelSize;
        const std::size_t firstRunSize = std::size_t(Math::min(imageSize.x() - firstX, size.x()))*pixelSize;
        Int aheadY = firstY;
        for(Int y = 0; y != TileRowsAhead && y != size.y(); ++y) {
            prefetch(srcData + std::ptrdiff_t(aheadY)*srcRowStride + firstRunOffset, firstRunSize);
            if(++aheadY == imageSize.y()) aheadY = 0;
        }

        Int fromY = firstY;
        for(Int y = 0; y != size.y(); ++y) {
            if(y + TileRowsAhead < size.y()) {
                prefetch(srcData + std::ptrdiff_t(aheadY)*srcRowStride + firstRunOffset, firstRunSize);
                if(++aheadY == imageSize.y()) aheadY = 0;
            }

            const char* const srcRow = srcData + std::ptrdiff_t(fromY)*srcRowStride;
            char* const dstRow = dstData + std::ptrdiff_t(y)*dstRowStride;
            for(Int x = 0, fromX = firstX; x != size.x(); fromX = 0) {
                const Int width = Math::min(imageSize.x() - fromX, size.x() - x);
                std::memcpy(dstRow + std::size_t(x)*pixelSize, srcRow + std::size_t(fromX)*pixelSize, std::size_t(width)*pixelSize);
                x += width;
            }
            if(++fromY == imageSize.y()) fromY = 0;
        }
        return true;
    }

    /* Otherwise only the part inside the image is copied, the rest of dst
       stays as it was */
    const Range2Di clipped = Math::intersect(bordered, Range2Di{{}, imageSize});
    if(clipped.size().x() > 0 && clipped.size().y() > 0)
        copyRange(src, clipped, dst, clipped.translated(-bordered.min()));
    return true;
}

}}
