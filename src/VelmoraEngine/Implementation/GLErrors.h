#ifndef VelmoraEngine_Implementation_GLErrors_h
#define VelmoraEngine_Implementation_GLErrors_h
/* GL error bookkeeping shared by the atlases. Internal, not installed. */

#include <Magnum/GL/Renderer.h>

namespace VelmoraEngine { namespace Implementation {

/* Drops errors left by earlier calls, so the next query is about ours. GL
   keeps at most one flag per kind of error, so a few calls clear them all. */
inline void clearGLErrors() {
    for(int i = 0; i != 16 && Magnum::GL::Renderer::error() != Magnum::GL::Renderer::Error::NoError; ++i) {}
}

}}

#endif
