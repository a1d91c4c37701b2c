#include "Magnum/Platform/WindowlessEglApplication.h"

#include <cstring>
#include <EGL/egl.h>
#include <EGL/eglext.h>

#include "Corrade/Utility/Debug.h"
#include "Corrade/Utility/Move.h"

namespace Magnum { namespace Platform {

namespace {

bool hasExtension(const char* const extensions, const char* const name) {
    if(!extensions) return false;
    const std::size_t length = std::strlen(name);
    for(const char* i = extensions; (i = std::strstr(i, name)); i += length)
        if((i == extensions || i[-1] == ' ') && (i[length] == ' ' || i[length] == '\0'))
            return true;
    return false;
}

const char* eglErrorString(const EGLint error) {
    switch(error) {
        #define _c(value) case value: return #value;
        _c(EGL_SUCCESS)
        _c(EGL_NOT_INITIALIZED)
        _c(EGL_BAD_ACCESS)
        _c(EGL_BAD_ALLOC)
        _c(EGL_BAD_ATTRIBUTE)
        _c(EGL_BAD_CONTEXT)
        _c(EGL_BAD_CONFIG)
        _c(EGL_BAD_CURRENT_SURFACE)
        _c(EGL_BAD_DISPLAY)
        _c(EGL_BAD_SURFACE)
        _c(EGL_BAD_MATCH)
        _c(EGL_BAD_PARAMETER)
        _c(EGL_BAD_NATIVE_PIXMAP)
        _c(EGL_BAD_NATIVE_WINDOW)
        _c(EGL_CONTEXT_LOST)
        #undef _c
    }
    return "unknown EGL error";
}

/* Tries the requested EGL device, then Mesa's surfaceless platform, then the
   default display, so both drivers with devices and software rendering
   without a window system work */
EGLDisplay initializeDisplay(const UnsignedInt device, const bool verbose) {
    const char* const clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));

    if(getPlatformDisplay && hasExtension(clientExtensions, "EGL_EXT_platform_device") && hasExtension(clientExtensions, "EGL_EXT_device_enumeration")) {
        auto queryDevices = reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
        EGLDeviceEXT devices[32];
        EGLint count = 0;
        if(queryDevices && queryDevices(32, devices, &count) && device < UnsignedInt(count)) {
            EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_DEVICE_EXT, devices[device], nullptr);
            if(display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr)) {
                if(verbose) Debug{} << "Platform::WindowlessEglContext: using EGL device" << device << "of" << count;
                return display;
            }
        }
    }

    if(getPlatformDisplay && hasExtension(clientExtensions, "EGL_MESA_platform_surfaceless")) {
        EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if(display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr)) {
            if(verbose) Debug{} << "Platform::WindowlessEglContext: using the surfaceless platform";
            return display;
        }
    }

    EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if(display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr))
        return display;
    return EGL_NO_DISPLAY;
}

}

WindowlessEglContext::WindowlessEglContext(const Configuration& configuration, GLContext*) {
    const bool verbose = bool(configuration.flags() & Configuration::Flag::VerboseLog);
    EGLDisplay display = initializeDisplay(configuration.device(), verbose);
    if(display == EGL_NO_DISPLAY) {
        Error{} << "Platform::WindowlessEglContext: cannot initialize EGL:" << eglErrorString(eglGetError());
        return;
    }

    if(!eglBindAPI(EGL_OPENGL_API)) {
        Error{} << "Platform::WindowlessEglContext: cannot bind the desktop OpenGL API:" << eglErrorString(eglGetError());
        return;
    }

    const char* const extensions = eglQueryString(display, EGL_EXTENSIONS);
    const bool surfaceless = hasExtension(extensions, "EGL_KHR_surfaceless_context");

    /* A pbuffer-capable config serves both the surfaceless and the pbuffer
       way; without one, a config-less context where that's allowed */
    EGLConfig config{};
    EGLint configCount = 0;
    const EGLint configAttributes[]{
        EGL_SURFACE_TYPE, EGL_PBUFFER_BIT,
        EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
        EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8,
        EGL_NONE
    };
    if(!eglChooseConfig(display, configAttributes, &config, 1, &configCount) || !configCount) {
        if(!surfaceless || !hasExtension(extensions, "EGL_KHR_no_config_context")) {
            Error{} << "Platform::WindowlessEglContext: no matching EGL config:" << eglErrorString(eglGetError());
            return;
        }
        config = EGL_NO_CONFIG_KHR;
    }

    EGLint flags = 0;
    if(configuration.flags() & Configuration::Flag::Debug) flags |= EGL_CONTEXT_OPENGL_DEBUG_BIT_KHR;
    if(configuration.flags() & Configuration::Flag::ForwardCompatible) flags |= EGL_CONTEXT_OPENGL_FORWARD_COMPATIBLE_BIT_KHR;
    if(configuration.flags() & Configuration::Flag::RobustAccess) flags |= EGL_CONTEXT_OPENGL_ROBUST_ACCESS_BIT_KHR;
    /* Drivers return the highest core version compatible with 3.3 */
    const EGLint contextAttributes[]{
        EGL_CONTEXT_MAJOR_VERSION_KHR, 3,
        EGL_CONTEXT_MINOR_VERSION_KHR, 3,
        EGL_CONTEXT_OPENGL_PROFILE_MASK_KHR, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT_KHR,
        EGL_CONTEXT_FLAGS_KHR, flags,
        EGL_NONE
    };
    EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if(context == EGL_NO_CONTEXT) {
        Error{} << "Platform::WindowlessEglContext: cannot create an OpenGL 3.3 core context:" << eglErrorString(eglGetError());
        return;
    }

    EGLSurface surface = EGL_NO_SURFACE;
    if(!surfaceless) {
        const EGLint surfaceAttributes[]{EGL_WIDTH, 1, EGL_HEIGHT, 1, EGL_NONE};
        surface = eglCreatePbufferSurface(display, config, surfaceAttributes);
        if(surface == EGL_NO_SURFACE) {
            Error{} << "Platform::WindowlessEglContext: cannot create a pbuffer surface:" << eglErrorString(eglGetError());
            eglDestroyContext(display, context);
            return;
        }
    }

    _display = display;
    _context = context;
    _surface = surface;
}

WindowlessEglContext::WindowlessEglContext(WindowlessEglContext&& other) noexcept: _display{other._display}, _context{other._context}, _surface{other._surface} {
    other._display = other._context = other._surface = nullptr;
}

WindowlessEglContext::~WindowlessEglContext() {
    if(!_context) return;
    if(eglGetCurrentContext() == _context)
        eglMakeCurrent(_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(_display, _context);
    if(_surface) eglDestroySurface(_display, _surface);
}

WindowlessEglContext& WindowlessEglContext::operator=(WindowlessEglContext&& other) noexcept {
    Utility::swap(_display, other._display);
    Utility::swap(_context, other._context);
    Utility::swap(_surface, other._surface);
    return *this;
}

bool WindowlessEglContext::makeCurrent() {
    if(eglMakeCurrent(_display, _surface, _surface, _context)) return true;
    Error{} << "Platform::WindowlessEglContext::makeCurrent(): cannot make context current:" << eglErrorString(eglGetError());
    return false;
}

bool WindowlessEglContext::release() {
    if(eglMakeCurrent(_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT)) return true;
    Error{} << "Platform::WindowlessEglContext::release(): cannot release current context:" << eglErrorString(eglGetError());
    return false;
}

}}
