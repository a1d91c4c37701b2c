#ifndef VelmoraEngine_tests_GLTestContext_h
#define VelmoraEngine_tests_GLTestContext_h
/* One headless GL context per test or benchmark binary */

#include <Magnum/Platform/GLContext.h>
#include <Magnum/Platform/WindowlessEglApplication.h>

namespace VelmoraEngine { namespace Test {

/** Creates the context on first use; false if none could be made */
inline bool hasGLContext() {
    static Magnum::Platform::WindowlessEglContext eglContext{Magnum::Platform::WindowlessEglContext::Configuration{}};
    static bool created = eglContext.isCreated() && eglContext.makeCurrent();
    static Magnum::Platform::GLContext context{Magnum::NoCreate};
    static bool magnumCreated = created && context.tryCreate();
    return magnumCreated;
}

}}

/* A GL test never passes without a context */
#define REQUIRE_CONTEXT() ASSERT_TRUE(VelmoraEngine::Test::hasGLContext()) << "no GL context could be created"

#endif
