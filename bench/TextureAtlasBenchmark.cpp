/* Writing an image into the atlas beside the plain texture upload it wraps:
   the difference is the bookkeeping and the error check around it */

#include <benchmark/benchmark.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/TextureArray.h>
#include <Magnum/GL/TextureFormat.h>
#include <Magnum/ImageView.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/PixelFormat.h>

#include "GLTestContext.h"
#include "VelmoraEngine/Tools/TextureAtlas.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;

constexpr Int ImageSize = 256;

Containers::Array<char> imageData() {
    Containers::Array<char> data{NoInit, std::size_t(ImageSize*ImageSize*4)};
    for(std::size_t i = 0; i != data.size(); ++i) data[i] = char(i*31);
    return data;
}

void atlasSetImage(benchmark::State& state) {
    if(!hasGLContext()) return state.SkipWithError("no GL context");
    Utility::Debug silence{nullptr};
    TextureAtlas atlas{PixelFormat::RGBA8Unorm, {2048, 2048}};
    const Containers::Array<char> data = imageData();
    const ImageView2D image{PixelFormat::RGBA8Unorm, {ImageSize, ImageSize}, data};
    int ids[64];
    for(int& id: ids) id = atlas.reserveImage({ImageSize, ImageSize}, false);

    std::size_t i = 0;
    for(auto _: state) {
        benchmark::DoNotOptimize(atlas.setImage(ids[i++ % 64], image));
        GL::Renderer::finish();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations())*std::int64_t(data.size()));
}

void plainSetSubImage(benchmark::State& state) {
    if(!hasGLContext()) return state.SkipWithError("no GL context");
    GL::Texture2DArray texture;
    texture.setStorage(1, GL::TextureFormat::RGBA8, {2048, 2048, 1});
    const Containers::Array<char> data = imageData();
    const ImageView3D image{PixelFormat::RGBA8Unorm, {ImageSize, ImageSize, 1}, data};

    std::size_t i = 0;
    for(auto _: state) {
        const Int slot = Int(i++ % 64);
        texture.setSubImage(0, {(slot % 8)*ImageSize, (slot/8)*ImageSize, 0}, image);
        GL::Renderer::finish();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations())*std::int64_t(data.size()));
}

BENCHMARK(atlasSetImage)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainSetSubImage)->Unit(benchmark::kMicrosecond);

}}}

BENCHMARK_MAIN();
