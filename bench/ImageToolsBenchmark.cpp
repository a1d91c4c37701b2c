#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <Corrade/Containers/Array.h>
#include <Magnum/Image.h>
#include <Magnum/ImageView.h>
#include <Magnum/PixelFormat.h>

#include "VelmoraEngine/Tools/ImageTools.h"

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#endif
#include <stb_image_resize.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

using namespace Corrade;
using namespace Magnum;
namespace ImageTools = VelmoraEngine::ImageTools;

constexpr Int Size = 4096;

Image2D patternImage(PixelFormat format) {
    Image2D image = ImageTools::allocateWithFormat(format, {Size, Size});
    UnsignedInt state = 12345;
    for(char& c: image.data()) {
        state = state*1664525u + 1013904223u;
        c = char(state >> 24);
    }
    return image;
}

const Image2D& rgba16() { static const Image2D image = patternImage(PixelFormat::RGBA16Unorm); return image; }
const Image2D& rgba8() { static const Image2D image = patternImage(PixelFormat::RGBA8Unorm); return image; }

/* convert() of RGBA16 to RGBA8 beside copying the source bytes once */

void convertRgba16(benchmark::State& state) {
    const ImageView2D src = rgba16();
    Image2D dst = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, {Size, Size});
    MutableImageView2D dstView = dst;
    for(auto _: state) {
        ImageTools::convert(src, dstView);
        benchmark::DoNotOptimize(dst.data().data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations())*std::int64_t(src.data().size()));
}

void convertRgba16MemcpyBaseline(benchmark::State& state) {
    const Containers::ArrayView<const char> src = rgba16().data();
    Containers::Array<char> dst{NoInit, src.size()};
    for(auto _: state) {
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations())*std::int64_t(src.size()));
}

/* downscale() beside stb_image_resize's box filter */

void downscaleRgba8(benchmark::State& state) {
    const Int target = Int(state.range(0));
    const ImageView2D src = rgba8();
    Image2D dst = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, {target, target});
    MutableImageView2D dstView = dst;
    for(auto _: state) {
        ImageTools::downscale(src, dstView, {target, target});
        benchmark::DoNotOptimize(dst.data().data());
        benchmark::ClobberMemory();
    }
}

void downscaleRgba8StbBox(benchmark::State& state) {
    const Int target = Int(state.range(0));
    const Image2D& src = rgba8();
    Containers::Array<unsigned char> dst{NoInit, std::size_t(target)*std::size_t(target)*4};
    for(auto _: state) {
        stbir_resize_uint8_generic(reinterpret_cast<const unsigned char*>(src.data().data()), Size, Size, Size*4,
            dst.data(), target, target, target*4, 4, STBIR_ALPHA_CHANNEL_NONE, 0,
            STBIR_EDGE_CLAMP, STBIR_FILTER_BOX, STBIR_COLORSPACE_LINEAR, nullptr);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
}

/* tile() of padded 132x132 tiles beside copying the same bytes */

constexpr Int TileSize = 128;
constexpr Int Border = 2;
constexpr Int TileCount = (Size/TileSize)*(Size/TileSize);

void tileRgba8(benchmark::State& state) {
    const ImageView2D src = rgba8();
    Image2D dst = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, {TileSize + 2*Border, TileSize + 2*Border});
    MutableImageView2D dstView = dst;
    for(auto _: state) {
        for(Int index = 0; index != TileCount; ++index) {
            ImageTools::tile(src, dstView, {TileSize, TileSize}, index, {Border, Border});
            benchmark::DoNotOptimize(dst.data().data());
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations())*TileCount*std::int64_t(dst.data().size()));
}

void tileRgba8MemcpyBaseline(benchmark::State& state) {
    const Containers::ArrayView<const char> src = rgba8().data();
    const std::size_t tileBytes = std::size_t(TileSize + 2*Border)*std::size_t(TileSize + 2*Border)*4;
    Containers::Array<char> dst{NoInit, tileBytes};
    for(auto _: state) {
        /* The same number of bytes, one padded tile at a time */
        for(Int index = 0; index != TileCount; ++index) {
            std::memcpy(dst.data(), src.data() + (std::size_t(index)*tileBytes)%(src.size() - tileBytes), tileBytes);
            benchmark::DoNotOptimize(dst.data());
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations())*TileCount*std::int64_t(tileBytes));
}

}

BENCHMARK(convertRgba16)->Unit(benchmark::kMillisecond);
BENCHMARK(convertRgba16MemcpyBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(downscaleRgba8)->Arg(2048)->Arg(1365)->Unit(benchmark::kMillisecond);
BENCHMARK(downscaleRgba8StbBox)->Arg(2048)->Arg(1365)->Unit(benchmark::kMillisecond);
BENCHMARK(tileRgba8)->Unit(benchmark::kMillisecond);
BENCHMARK(tileRgba8MemcpyBaseline)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
