#ifndef Magnum_Platform_WindowlessEglApplication_h
#define Magnum_Platform_WindowlessEglApplication_h
/* Headless OpenGL context through EGL */

#include "Corrade/Containers/EnumSet.h"
#include "Magnum/Magnum.h"
#include "Magnum/Tags.h"
#include "Magnum/Platform/GLContext.h"

namespace Magnum { namespace Platform {

/** @brief Windowless EGL context */
class WindowlessEglContext {
    public:
        class Configuration;

        /**
         * @brief Create a context
         *
         * Picks the EGL device given by the configuration where EGL can
         * enumerate devices, the surfaceless platform or the default display
         * otherwise. Check @ref isCreated() for success.
         */
        explicit WindowlessEglContext(const Configuration& configuration, GLContext* context = nullptr);

        /** @brief Construct without creating the context */
        explicit WindowlessEglContext(NoCreateT) noexcept {}

        /** @brief Copying is not allowed */
        WindowlessEglContext(const WindowlessEglContext&) = delete;

        /** @brief Move constructor */
        WindowlessEglContext(WindowlessEglContext&& other) noexcept;

        /** @brief Destroys the context */
        ~WindowlessEglContext();

        /** @brief Copying is not allowed */
        WindowlessEglContext& operator=(const WindowlessEglContext&) = delete;

        /** @brief Move assignment */
        WindowlessEglContext& operator=(WindowlessEglContext&& other) noexcept;

        /** @brief Whether the context is created */
        bool isCreated() const { return _context; }

        /** @brief Make the context current */
        bool makeCurrent();

        /** @brief Release current context */
        bool release();

    private:
        /* EGLDisplay, EGLContext and EGLSurface, kept opaque so that EGL
           headers stay out of this one */
        void* _display{};
        void* _context{};
        void* _surface{};
};

/** @brief Configuration of a windowless EGL context */
class WindowlessEglContext::Configuration {
    public:
        /** @brief Context flag */
        enum class Flag: UnsignedLong {
            Debug = 1 << 0,             /**< Debug context */
            ForwardCompatible = 1 << 1, /**< Forward compatible context */
            RobustAccess = 1 << 2,      /**< Context with robust access */
            NoError = 1ull << 32,       /**< Context without error reporting */
            QuietLog = 1ull << 60,      /**< Print nothing on creation */
            VerboseLog = 1ull << 61,    /**< Print more on creation */
            GpuValidation = 1ull << 62  /**< Enable GPU validation */
        };

        /** @brief Context flags */
        typedef Containers::EnumSet<Flag> Flags;

        /*implicit*/ Configuration() = default;

        /** @brief Context flags */
        Flags flags() const { return _flags; }

        /** @brief Set context flags */
        Configuration& setFlags(Flags flags) {
            _flags = flags;
            return *this;
        }

        /** @brief Add context flags */
        Configuration& addFlags(Flags flags) {
            _flags |= flags;
            return *this;
        }

        /** @brief Clear context flags */
        Configuration& clearFlags(Flags flags) {
            _flags &= ~flags;
            return *this;
        }

        /** @brief EGL device index */
        UnsignedInt device() const { return _device; }

        /** @brief Set the EGL device index, used where EGL can enumerate devices */
        Configuration& setDevice(UnsignedInt id) {
            _device = id;
            return *this;
        }

    private:
        Flags _flags;
        UnsignedInt _device{};
};

CORRADE_ENUMSET_OPERATORS(WindowlessEglContext::Configuration::Flags)

}}

#endif
