#ifndef Magnum_GL_OpenGL_h
#define Magnum_GL_OpenGL_h
/* Raw OpenGL declarations, loaded through libepoxy */

#include <epoxy/gl.h>

#endif
