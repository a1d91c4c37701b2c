#include "VelmoraEngine/Tools/GLTools.h"

#include <Magnum/GL/Context.h>
#include <Magnum/GL/Extensions.h>
#include <Magnum/PixelFormat.h>

namespace VelmoraEngine { namespace GLTools {

using namespace Magnum;

CompressedPixelFormat findSupportedCompressedFormat() {
    if(!GL::Context::hasCurrent()) return CompressedPixelFormat{};

    const GL::Context& context = GL::Context::current();
    if(context.isExtensionSupported<GL::Extensions::KHR::texture_compression_astc_ldr>())
        return CompressedPixelFormat::Astc4x4RGBAUnorm;
    if(context.isExtensionSupported<GL::Extensions::ARB::texture_compression_bptc>())
        return CompressedPixelFormat::Bc7RGBAUnorm;
    if(context.isExtensionSupported<GL::Extensions::EXT::texture_compression_s3tc>())
        return CompressedPixelFormat::Bc3RGBAUnorm;
    if(context.isExtensionSupported<GL::Extensions::ARB::ES3_compatibility>())
        return CompressedPixelFormat::Etc2RGBA8Unorm;
    return CompressedPixelFormat{};
}

}}
