#include "Magnum/GL/Renderer.h"

#include <epoxy/gl.h>

#include "Corrade/Utility/Debug.h"
#include "Magnum/Math/Color.h"

namespace Magnum { namespace GL {

static_assert(UnsignedInt(Renderer::Error::InvalidFramebufferOperation) == GL_INVALID_FRAMEBUFFER_OPERATION && UnsignedInt(Renderer::Error::StackUnderflow) == GL_STACK_UNDERFLOW && UnsignedInt(Renderer::Error::OutOfMemory) == GL_OUT_OF_MEMORY, "");
static_assert(UnsignedInt(Renderer::Feature::FramebufferSrgb) == GL_FRAMEBUFFER_SRGB && UnsignedInt(Renderer::Feature::SeamlessCubeMapTexture) == GL_TEXTURE_CUBE_MAP_SEAMLESS && UnsignedInt(Renderer::Feature::ProgramPointSize) == GL_PROGRAM_POINT_SIZE, "");

void Renderer::enable(const Feature feature) { glEnable(GLenum(feature)); }

void Renderer::disable(const Feature feature) { glDisable(GLenum(feature)); }

void Renderer::setFeature(const Feature feature, const bool enabled) {
    enabled ? enable(feature) : disable(feature);
}

void Renderer::setClearColor(const Color4& color) {
    glClearColor(color.r(), color.g(), color.b(), color.a());
}

void Renderer::setClearDepth(const Float depth) { glClearDepthf(depth); }

void Renderer::flush() { glFlush(); }

void Renderer::finish() { glFinish(); }

Renderer::Error Renderer::error() { return Error(glGetError()); }

Debug& operator<<(Debug& debug, const Renderer::Error value) {
    debug << "GL::Renderer::Error" << Debug::nospace;
    switch(value) {
        #define _c(value) case Renderer::Error::value: return debug << "::" #value;
        _c(NoError)
        _c(InvalidEnum)
        _c(InvalidValue)
        _c(InvalidOperation)
        _c(InvalidFramebufferOperation)
        _c(OutOfMemory)
        _c(StackUnderflow)
        _c(StackOverflow)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

}}
