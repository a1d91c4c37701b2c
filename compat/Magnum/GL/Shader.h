#ifndef Magnum_GL_Shader_h
#define Magnum_GL_Shader_h
/* GL shader object */

#include <type_traits>

#include "Corrade/Containers/Array.h"
#include "Magnum/Tags.h"
#include "Magnum/GL/AbstractObject.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Shader */
class Shader: public AbstractObject {
    public:
        /** @brief Shader type */
        enum class Type: UnsignedInt {
            Vertex = 0x8B31,                /**< Vertex shader */
            TessellationControl = 0x8E88,   /**< Tessellation control shader */
            TessellationEvaluation = 0x8E87, /**< Tessellation evaluation shader */
            Geometry = 0x8DD9,              /**< Geometry shader */
            Compute = 0x91B9,               /**< Compute shader */
            Fragment = 0x8B30               /**< Fragment shader */
        };

        /** @brief Create a shader, with a version directive for given version */
        explicit Shader(Version version, Type type);

        /** @brief Construct without creating the GL object */
        explicit Shader(NoCreateT) noexcept;

        /** @brief Copying is not allowed */
        Shader(const Shader&) = delete;

        /** @brief Move constructor */
        Shader(Shader&& other) noexcept;

        /** @brief Deletes the GL object */
        ~Shader();

        /** @brief Copying is not allowed */
        Shader& operator=(const Shader&) = delete;

        /** @brief Move assignment */
        Shader& operator=(Shader&& other) noexcept;

        /** @brief OpenGL shader ID */
        UnsignedInt id() const { return _id; }

        /** @brief Shader type */
        Type type() const { return _type; }

        /** @brief Shader sources */
        Containers::StringIterable sources() const;

        /** @brief Add a source, preceded by a line directive */
        Shader& addSource(Containers::StringView source);

        /* Taking over a String; a template so a string literal doesn't find
           it ambiguous with the overload above */
        template<class U, typename std::enable_if<std::is_same<U&&, Containers::String&&>::value, int>::type = 0> Shader& addSource(U&& source) {
            return addSourceInternal(Utility::move(source));
        }

        /** @brief Compile the shader */
        bool compile();

        /** @brief Submit the shader for compilation */
        void submitCompile();

        /** @brief Check the compilation status and print the compiler log */
        bool checkCompile();

        /** @brief Whether a submitCompile() operation has finished */
        bool isCompileFinished();

    private:
        Shader& addSourceInternal(Containers::String&& source);

        Type _type{Type::Vertex};
        UnsignedInt _id{};
        ObjectFlags _flags;
        bool _offsetLineByOneOnOldGlsl{};
        Containers::Array<Containers::String> _sources;
};

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, Shader::Type value);

}}

#endif
