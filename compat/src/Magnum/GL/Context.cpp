#include "Magnum/GL/Context.h"

#include <cstdlib>
#include <cstring>
#include <epoxy/gl.h>

#include "Corrade/Containers/Pair.h"
#include "Corrade/Containers/StringView.h"
#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "Magnum/GL/Extensions.h"
#include "Magnum/GL/Version.h"

namespace Magnum { namespace GL {

namespace {
    /* One per process, in this shared library */
    Context* currentContext = nullptr;

    Containers::StringView glString(GLenum name) {
        const char* s = reinterpret_cast<const char*>(glGetString(name));
        return s ? Containers::StringView{s, Containers::StringViewFlag::Global} : Containers::StringView{};
    }

    struct KnownExtension {
        std::size_t index;
        const char* name;
    };

    #define _e(vendor, extension) {Extensions::vendor::extension::Index, Extensions::vendor::extension::string()},
    constexpr KnownExtension KnownExtensions[]{
        _e(ARB, texture_compression_rgtc)
        _e(ARB, vertex_array_object)
        _e(ARB, copy_buffer)
        _e(ARB, draw_elements_base_vertex)
        _e(ARB, instanced_arrays)
        _e(ARB, texture_compression_bptc)
        _e(ARB, texture_storage)
        _e(ARB, ES2_compatibility)
        _e(ARB, ES3_compatibility)
        _e(ARB, invalidate_subdata)
        _e(ARB, direct_state_access)
        _e(ARB, ES3_1_compatibility)
        _e(ARB, ES3_2_compatibility)
        _e(ARB, get_texture_sub_image)
        _e(ARB, texture_filter_anisotropic)
        _e(EXT, texture_compression_s3tc)
        _e(EXT, texture_sRGB_R8)
        _e(EXT, texture_filter_anisotropic)
        _e(EXT, texture_sRGB_decode)
        _e(EXT, texture_compression_s3tc_srgb)
        _e(KHR, texture_compression_astc_ldr)
        _e(KHR, texture_compression_astc_hdr)
        _e(KHR, texture_compression_astc_sliced_3d)
        _e(KHR, debug)
    };
    #undef _e
    static_assert(sizeof(KnownExtensions)/sizeof(KnownExtensions[0]) == Implementation::ExtensionCount, "extension list out of sync");
}

bool Context::hasCurrent() { return currentContext; }

Context& Context::current() {
    CORRADE_ASSERT(currentContext, "GL::Context::current(): no current context", *currentContext);
    return *currentContext;
}

Containers::Pair<Int, Int> version(const Version version) {
    const Int v = Int(version) & ~Implementation::VersionESMask;
    return {v/100, (v%100)/10};
}

Context::Context(NoCreateT, Int, const char**): _version{Version::None}, _extensionStatus{} {}

Context::Context(Context&& other) noexcept: _version{other._version} {
    std::memcpy(_extensionStatus, other._extensionStatus, sizeof(_extensionStatus));
    if(currentContext == &other) currentContext = this;
}

Context::~Context() {
    if(currentContext == this) currentContext = nullptr;
}

bool Context::tryCreate(const Configuration& configuration) {
    CORRADE_ASSERT(_version == Version::None,
        "Platform::GLContext::tryCreate(): context already created", false);

    /* glGetString() returns null without a current native context */
    if(!glGetString(GL_VERSION)) {
        Error{} << "GL::Context: cannot retrieve OpenGL version, is a native context current?";
        return false;
    }

    GLint major{}, minor{};
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    if(major*100 + minor*10 < 330) {
        Error{} << "GL::Context: unsupported OpenGL version" << major << Debug::nospace << "." << Debug::nospace << minor;
        return false;
    }
    _version = GL::version(major, minor);

    for(bool& i: _extensionStatus) i = false;
    GLint count{};
    glGetIntegerv(GL_NUM_EXTENSIONS, &count);
    for(GLint i = 0; i != count; ++i) {
        const char* name = reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, GLuint(i)));
        if(!name) continue;
        const Containers::StringView nameView{name};
        for(const KnownExtension& e: KnownExtensions)
            if(nameView == Containers::StringView{e.name}) _extensionStatus[e.index] = true;
    }

    currentContext = this;

    /* Upstream's initial state: a dark grey clear colour, 0x1f1f1f */
    glClearColor(31.0f/255.0f, 31.0f/255.0f, 31.0f/255.0f, 1.0f);

    if(!(configuration.flags() & Configuration::Flag::QuietLog)) {
        Debug{} << "Renderer:" << rendererString() << "by" << vendorString();
        Debug{} << "OpenGL version:" << versionString();
    }
    return true;
}

void Context::create(const Configuration& configuration) {
    if(!tryCreate(configuration)) std::exit(1);
}

Containers::StringView Context::vendorString() const { return glString(GL_VENDOR); }
Containers::StringView Context::rendererString() const { return glString(GL_RENDERER); }
Containers::StringView Context::versionString() const { return glString(GL_VERSION); }
Containers::StringView Context::shadingLanguageVersionString() const { return glString(GL_SHADING_LANGUAGE_VERSION); }

void Context::resetState(States) {}

bool Context::isVersionAtLeast(const Version version, const Version required) {
    return Int(version) >= Int(required);
}

bool Context::isVersionSupported(const Version version) const {
    /* ES versions are supported through their compatibility extensions */
    if(version == Version::GLES200) return isExtensionSupported<Extensions::ARB::ES2_compatibility>();
    if(version == Version::GLES300) return isExtensionSupported<Extensions::ARB::ES3_compatibility>();
    if(version == Version::GLES310) return isExtensionSupported<Extensions::ARB::ES3_1_compatibility>();
    if(version == Version::GLES320) return isExtensionSupported<Extensions::ARB::ES3_2_compatibility>();
    return Int(_version) >= Int(version);
}

Version Context::supportedVersion(const std::initializer_list<Version> versions) const {
    for(const Version version: versions)
        if(isVersionSupported(version)) return version;
    return Version::GL210;
}

Debug& operator<<(Debug& debug, const Version value) {
    if(value == Version::None) return debug << "None";
    const Containers::Pair<Int, Int> v = GL::version(value);
    return debug << (isVersionES(value) ? "OpenGL ES" : "OpenGL") << v.first() << Debug::nospace << "." << Debug::nospace << v.second();
}

}}
