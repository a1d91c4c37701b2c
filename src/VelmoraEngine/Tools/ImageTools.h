#ifndef VelmoraEngine_Tools_ImageTools_h
#define VelmoraEngine_Tools_ImageTools_h
/* Allocation, fills, slicing, 16-to-8-bit conversion, downscaling and tiling
   of two-dimensional images */

#include <Corrade/Containers/ArrayView.h>
#include <Magnum/Image.h>
#include <Magnum/ImageView.h>
#include <Magnum/Magnum.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector2.h>

#include "VelmoraEngine/visibility.h"

namespace VelmoraEngine { namespace ImageTools {

/** Zero-filled compressed image of @p format covering @p size with whole blocks */
VELMORAENGINE_TOOLS_EXPORT Magnum::CompressedImage2D allocateWithFormat(Magnum::CompressedPixelFormat format, const Magnum::Vector2i& size);

/** Zero-filled image of @p format and @p size with default storage (rows aligned to 4 bytes) */
VELMORAENGINE_TOOLS_EXPORT Magnum::Image2D allocateWithFormat(Magnum::PixelFormat format, const Magnum::Vector2i& size);

/** Zero-filled image of @p size with the storage and format of @p image */
VELMORAENGINE_TOOLS_EXPORT Magnum::Image2D allocateWithSameFormat(const Magnum::ImageView2D& image, const Magnum::Vector2i& size);

/** Set every byte of the pixels in @p range to @p value; always true */
VELMORAENGINE_TOOLS_EXPORT bool byteFill(Magnum::MutableImageView2D& image, const Magnum::Range2Di& range, char value);

/** Store @p color in the pixels of @p range of an 8-bit unorm or unsigned integer image; false for other formats */
VELMORAENGINE_TOOLS_EXPORT bool fill(Magnum::MutableImageView2D& image, const Magnum::Range2Di& range, const Magnum::Color4ub& color);

/** Repeat one compressed @p block over all data of @p image; false when it isn't one block of the format */
VELMORAENGINE_TOOLS_EXPORT bool fill(Magnum::MutableCompressedImageView2D& image, Corrade::Containers::ArrayView<const char> block);

/** Copy the pixels of @p srcRange in @p src to @p dstRange in @p dst */
VELMORAENGINE_TOOLS_EXPORT void slice(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst, const Magnum::Range2Di& srcRange, const Magnum::Range2Di& dstRange);

/** Copy the pixels of @p srcRange in @p src over all of @p dst */
VELMORAENGINE_TOOLS_EXPORT void slice(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst, const Magnum::Range2Di& srcRange);

/** Copy the pixels of @p srcRange in @p src to @p dstOffset in @p dst */
VELMORAENGINE_TOOLS_EXPORT void slice(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst, const Magnum::Range2Di& srcRange, const Magnum::Vector2i& dstOffset);

/** Narrow 16-bit channels of @p src to 8-bit channels of @p dst; false for different sizes or an unsupported format pair */
VELMORAENGINE_TOOLS_EXPORT bool convert(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst);

/** Area-weighted average of an 8-bit RGB or RGBA @p src into the first @p size pixels of @p dst; false for other formats */
VELMORAENGINE_TOOLS_EXPORT bool downscale(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst, const Magnum::Vector2i& size);

/** Copy tile @p index with a @p border of neighbours into @p dst, wrapping around when the image is whole tiles; always true */
VELMORAENGINE_TOOLS_EXPORT bool tile(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst, const Magnum::Vector2i& tileSize, int index, const Magnum::Vector2i& border);

}}

#endif
