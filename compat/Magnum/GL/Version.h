#ifndef Magnum_GL_Version_h
#define Magnum_GL_Version_h
/* OpenGL version enum and helpers */

#include "Magnum/Magnum.h"

namespace Magnum { namespace GL {

namespace Implementation {
    enum: Int { VersionESMask = 0x10000 };
}

/** @brief OpenGL version */
enum class Version: Int {
    None = 0xFFFF,      /**< Unspecified */
    GL210 = 210,        /**< OpenGL 2.1, GLSL 1.20 */
    GL300 = 300,        /**< OpenGL 3.0, GLSL 1.30 */
    GL310 = 310,        /**< OpenGL 3.1, GLSL 1.40 */
    GL320 = 320,        /**< OpenGL 3.2, GLSL 1.50 */
    GL330 = 330,        /**< OpenGL 3.3, GLSL 3.30 */
    GL400 = 400,        /**< OpenGL 4.0, GLSL 4.00 */
    GL410 = 410,        /**< OpenGL 4.1, GLSL 4.10 */
    GL420 = 420,        /**< OpenGL 4.2, GLSL 4.20 */
    GL430 = 430,        /**< OpenGL 4.3, GLSL 4.30 */
    GL440 = 440,        /**< OpenGL 4.4, GLSL 4.40 */
    GL450 = 450,        /**< OpenGL 4.5, GLSL 4.50 */
    GL460 = 460,        /**< OpenGL 4.6, GLSL 4.60 */
    GLES200 = Implementation::VersionESMask|200,    /**< OpenGL ES 2.0 */
    GLES300 = Implementation::VersionESMask|300,    /**< OpenGL ES 3.0 */
    GLES310 = Implementation::VersionESMask|310,    /**< OpenGL ES 3.1 */
    GLES320 = Implementation::VersionESMask|320     /**< OpenGL ES 3.2 */
};

/** @brief Enum value from major and minor version number */
constexpr Version version(Int major, Int minor) {
    return Version(major*100 + minor*10);
}

/** @brief Major and minor version number from enum value */
Containers::Pair<Int, Int> version(Version version);

/** @brief Whether given version is OpenGL ES */
constexpr bool isVersionES(Version version) {
    return Int(version) & Implementation::VersionESMask;
}

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, Version value);

}}

#endif
