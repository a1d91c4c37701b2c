#ifndef Magnum_Platform_GLContext_h
#define Magnum_Platform_GLContext_h
/* Magnum GL context for the native context that is current */

#include "Magnum/GL/Context.h"

namespace Magnum { namespace Platform {

/** @brief Platform-specific OpenGL context */
class GLContext: public GL::Context {
    public:
        /** @brief Context setup configuration */
        typedef GL::Context::Configuration Configuration;

        /** @brief Create a context for the current native one, exit on failure */
        explicit GLContext(const Configuration& configuration): GLContext{NoCreate, 0, nullptr} {
            create(configuration);
        }

        /** @brief Create a context with command-line arguments, exit on failure */
        explicit GLContext(Int argc, const char** argv, const Configuration& configuration = Configuration{}): GLContext{NoCreate, argc, argv} {
            create(configuration);
        }

        /** @overload */
        explicit GLContext(Int argc, char** argv, const Configuration& configuration = Configuration{}): GLContext{argc, const_cast<const char**>(argv), configuration} {}

        /** @brief Default constructor */
        explicit GLContext(): GLContext{0, static_cast<const char**>(nullptr)} {}

        /** @brief Construct without creating the context */
        explicit GLContext(NoCreateT, Int argc, const char** argv): GL::Context{NoCreate, argc, argv} {}

        /** @overload */
        explicit GLContext(NoCreateT): GLContext{NoCreate, 0, nullptr} {}

        /** @brief Create the context, exit on failure */
        void create(const Configuration& configuration = Configuration{}) {
            GL::Context::create(configuration);
        }

        /** @brief Try to create the context */
        bool tryCreate(const Configuration& configuration = Configuration{}) {
            return GL::Context::tryCreate(configuration);
        }
};

}}

#endif
