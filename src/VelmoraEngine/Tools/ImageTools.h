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

/** Zero-filled image of @p size with the storage and format of @p image, its data reaching the last byte of its last pixel */
VELMORAENGINE_TOOLS_EXPORT Magnum::Image2D allocateWithSameFormat(const Magnum::ImageView2D& image, const Magnum::Vector2i& size);

/** Set every byte of the pixels in @p range to @p value; always true. Expects that @p range lies inside the image. */
VELMORAENGINE_TOOLS_EXPORT bool byteFill(Magnum::MutableImageView2D& image, const Magnum::Range2Di& range, char value);

/** Store @p color in the pixels of @p range of an 8-bit unorm or unsigned integer image; false for other formats. Expects that @p range lies inside the image. */
VELMORAENGINE_TOOLS_EXPORT bool fill(Magnum::MutableImageView2D& image, const Magnum::Range2Di& range, const Magnum::Color4ub& color);

/** Repeat one compressed @p block over all data of @p image; false when it isn't one block of the format. Expects that the data is whole blocks. */
VELMORAENGINE_TOOLS_EXPORT bool fill(Magnum::MutableCompressedImageView2D& image, Corrade::Containers::ArrayView<const char> block);

/** Copy the pixels of @p srcRange in @p src to @p dstRange in @p dst. Expects that both ranges lie inside their images and have the same size, and that the pixel sizes match. */
VELMORAENGINE_TOOLS_EXPORT void slice(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst, const Magnum::Range2Di& srcRange, const Magnum::Range2Di& dstRange);

/** Copy the pixels of @p srcRange in @p src over all of @p dst. Expects that @p srcRange lies inside @p src and has the size of @p dst, and that the pixel sizes match. */
VELMORAENGINE_TOOLS_EXPORT void slice(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst, const Magnum::Range2Di& srcRange);

/** Copy the pixels of @p srcRange in @p src to @p dstOffset in @p dst. Expects that both rectangles lie inside their images and that the pixel sizes match. */
VELMORAENGINE_TOOLS_EXPORT void slice(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst, const Magnum::Range2Di& srcRange, const Magnum::Vector2i& dstOffset);

/** Narrow 16-bit channels of @p src to 8-bit channels of @p dst; false for different sizes or an unsupported format pair, true for empty images */
VELMORAENGINE_TOOLS_EXPORT bool convert(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst);

/** Area-weighted average of an 8-bit RGB or RGBA @p src into the first @p size pixels of @p dst; false for other formats, true without writing for an empty @p src. Expects that @p size is positive and fits @p dst, and that the pixel sizes match. */
VELMORAENGINE_TOOLS_EXPORT bool downscale(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst, const Magnum::Vector2i& size);

/** Copy tile @p index with a @p border of neighbours into @p dst, from the image repeated endlessly when it is whole tiles, else only the part inside the image; always true. Expects that @p tileSize is positive, @p border not negative, tile @p index exists, @p dst has at least @p tileSize + 2 @p border pixels and the pixel sizes match. */
VELMORAENGINE_TOOLS_EXPORT bool tile(const Magnum::ImageView2D& src, Magnum::MutableImageView2D& dst, const Magnum::Vector2i& tileSize, int index, const Magnum::Vector2i& border);

}}

#endif
