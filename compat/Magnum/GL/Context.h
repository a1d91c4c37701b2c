#ifndef Magnum_GL_Context_h
#define Magnum_GL_Context_h
/* The Magnum GL context: version and extension queries */

#include <initializer_list>

#include "Corrade/Containers/EnumSet.h"
#include "Magnum/Magnum.h"
#include "Magnum/Tags.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Magnum OpenGL context */
class Context {
    public:
        class Configuration;

        /** @brief Whether there is any current context */
        static bool hasCurrent();

        /** @brief Current context; expects that there is one */
        static Context& current();

        /** @brief Copying is not allowed */
        Context(const Context&) = delete;

        /** @brief Move constructor */
        Context(Context&& other) noexcept;

        ~Context();

        /** @brief Copying is not allowed */
        Context& operator=(const Context&) = delete;

        /** @brief Move assignment is not allowed */
        Context& operator=(Context&&) = delete;

        /** @brief OpenGL version */
        Version version() const { return _version; }

        /** @brief Vendor string */
        Containers::StringView vendorString() const;

        /** @brief Renderer string */
        Containers::StringView rendererString() const;

        /** @brief Version string */
        Containers::StringView versionString() const;

        /** @brief Shading language version string */
        Containers::StringView shadingLanguageVersionString() const;

        /** @brief Whether given OpenGL version is supported */
        bool isVersionSupported(Version version) const;

        /** @brief Highest supported version from a list, GL210 if none is */
        Version supportedVersion(std::initializer_list<Version> versions) const;

        /** @brief Whether given extension is supported */
        template<class E> bool isExtensionSupported() const {
            return isVersionSupported(E::coreVersion()) || (isVersionSupported(E::requiredVersion()) && _extensionStatus[E::Index]);
        }

        /** @brief Tracked state, to be reset after foreign GL calls */
        enum class State: UnsignedInt {
            Buffers = 1 << 0,           /**< Buffer bindings */
            UnbindPixelBuffer = 1 << 1, /**< Unbind pixel buffers */
            Framebuffers = 1 << 2,      /**< Framebuffer bindings and viewport */
            Meshes = 1 << 3,            /**< Vertex array bindings */
            MeshVao = 1 << 4,           /**< The vertex array bound for meshes */
            BindScratchVao = 1 << 5,    /**< Bind a scratch vertex array */
            PixelStorage = 1 << 6,      /**< Pixel storage */
            Renderer = 1 << 7,          /**< Renderer state */
            Shaders = 1 << 8,           /**< The bound program */
            Textures = 1 << 9,          /**< Texture bindings */
            TransformFeedback = 1 << 10, /**< Transform feedback bindings */
            EnterExternal = MeshVao|UnbindPixelBuffer, /**< Before foreign GL code */
            ExitExternal = Buffers|Framebuffers|Meshes|MeshVao|PixelStorage|Renderer|Shaders|Textures|TransformFeedback /**< After foreign GL code */
        };

        /** @brief Set of tracked states */
        typedef Containers::EnumSet<State> States;

        /**
         * @brief Reset the tracked state
         *
         * This subset keeps no GL state cache, every bind reaches GL, so
         * there is nothing to forget.
         */
        void resetState(States states = ~States{});

        /** @brief Whether given extension is supported in given version */
        template<class E> bool isExtensionSupported(Version version) const {
            return isVersionAtLeast(version, E::requiredVersion()) && isExtensionSupported<E>();
        }

    protected:
        /* Platform::GLContext creates the context through these */
        explicit Context(NoCreateT, Int argc, const char** argv);
        bool tryCreate(const Configuration& configuration);
        void create(const Configuration& configuration);

    private:
        static bool isVersionAtLeast(Version version, Version required);

        Version _version;
        bool _extensionStatus[Implementation::ExtensionCount];
};

/** @brief Context setup configuration */
class Context::Configuration {
    public:
        /** @brief Context setup flag */
        enum class Flag: UnsignedLong {
            QuietLog = 1 << 0,      /**< Print nothing on context creation */
            VerboseLog = 1 << 1     /**< Print more on context creation */
        };

        /** @brief Context setup flags */
        typedef Containers::EnumSet<Flag> Flags;

        /*implicit*/ Configuration() = default;

        /** @brief Context setup flags */
        Flags flags() const { return _flags; }

        /** @brief Set context setup flags */
        Configuration& setFlags(Flags flags) {
            _flags = flags;
            return *this;
        }

        /** @brief Add context setup flags */
        Configuration& addFlags(Flags flags) {
            _flags |= flags;
            return *this;
        }

        /** @brief Clear context setup flags */
        Configuration& clearFlags(Flags flags) {
            _flags &= ~flags;
            return *this;
        }

    private:
        Flags _flags;
};

CORRADE_ENUMSET_OPERATORS(Context::Configuration::Flags)

CORRADE_ENUMSET_OPERATORS(Context::States)

}}

#endif
