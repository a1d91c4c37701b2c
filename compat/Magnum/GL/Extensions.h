#ifndef Magnum_GL_Extensions_h
#define Magnum_GL_Extensions_h
/* Compile-time information about the OpenGL extensions the library knows */

#include "Magnum/GL/Version.h"

namespace Magnum { namespace GL {

/** @brief Compile-time information about OpenGL extensions */
namespace Extensions {

#define _MAGNUM_GL_EXTENSION(vendor, extension, index, required, core)      \
    struct extension {                                                      \
        enum: std::size_t { Index = index };                                \
        constexpr static Version requiredVersion() { return Version::required; } \
        constexpr static Version coreVersion() { return Version::core; }    \
        constexpr static const char* string() { return "GL_" #vendor "_" #extension; } \
    };

/** @brief ARB extensions */
namespace ARB {
    _MAGNUM_GL_EXTENSION(ARB, texture_compression_rgtc, 0, GL210, GL300)
    _MAGNUM_GL_EXTENSION(ARB, vertex_array_object, 1, GL210, GL300)
    _MAGNUM_GL_EXTENSION(ARB, copy_buffer, 2, GL210, GL310)
    _MAGNUM_GL_EXTENSION(ARB, draw_elements_base_vertex, 3, GL210, GL320)
    _MAGNUM_GL_EXTENSION(ARB, instanced_arrays, 4, GL210, GL330)
    _MAGNUM_GL_EXTENSION(ARB, texture_compression_bptc, 5, GL310, GL420)
    _MAGNUM_GL_EXTENSION(ARB, texture_storage, 6, GL210, GL420)
    _MAGNUM_GL_EXTENSION(ARB, ES2_compatibility, 7, GL210, GL410)
    _MAGNUM_GL_EXTENSION(ARB, ES3_compatibility, 8, GL330, GL430)
    _MAGNUM_GL_EXTENSION(ARB, invalidate_subdata, 9, GL210, GL430)
    _MAGNUM_GL_EXTENSION(ARB, direct_state_access, 10, GL210, GL450)
    _MAGNUM_GL_EXTENSION(ARB, ES3_1_compatibility, 11, GL210, GL450)
    _MAGNUM_GL_EXTENSION(ARB, ES3_2_compatibility, 12, GL210, None)
    _MAGNUM_GL_EXTENSION(ARB, get_texture_sub_image, 13, GL210, GL450)
    _MAGNUM_GL_EXTENSION(ARB, texture_filter_anisotropic, 14, GL210, GL460)
}

/** @brief EXT extensions */
namespace EXT {
    _MAGNUM_GL_EXTENSION(EXT, texture_compression_s3tc, 15, GL210, None)
    _MAGNUM_GL_EXTENSION(EXT, texture_sRGB_R8, 16, GL210, None)
    _MAGNUM_GL_EXTENSION(EXT, texture_filter_anisotropic, 17, GL210, None)
    _MAGNUM_GL_EXTENSION(EXT, texture_sRGB_decode, 18, GL210, None)
    _MAGNUM_GL_EXTENSION(EXT, texture_compression_s3tc_srgb, 19, GL210, None)
}

/** @brief KHR extensions */
namespace KHR {
    _MAGNUM_GL_EXTENSION(KHR, texture_compression_astc_ldr, 20, GL210, None)
    _MAGNUM_GL_EXTENSION(KHR, texture_compression_astc_hdr, 21, GL210, None)
    _MAGNUM_GL_EXTENSION(KHR, texture_compression_astc_sliced_3d, 22, GL210, None)
    _MAGNUM_GL_EXTENSION(KHR, debug, 23, GL210, GL430)
}

#undef _MAGNUM_GL_EXTENSION

}

}}

#endif
