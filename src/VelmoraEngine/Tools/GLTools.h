#ifndef VelmoraEngine_Tools_GLTools_h
#define VelmoraEngine_Tools_GLTools_h
/* Queries of the current GL context */

#include <Magnum/Magnum.h>

#include "VelmoraEngine/visibility.h"

namespace VelmoraEngine { namespace GLTools {

/**
 * First of Astc4x4RGBAUnorm, Bc7RGBAUnorm, Bc3RGBAUnorm and Etc2RGBA8Unorm
 * whose compression family the current GL context supports; the zero value
 * when there is no current context or none is supported.
 */
VELMORAENGINE_TOOLS_EXPORT Magnum::CompressedPixelFormat findSupportedCompressedFormat();

}}

#endif
