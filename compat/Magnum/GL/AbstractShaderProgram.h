#ifndef Magnum_GL_AbstractShaderProgram_h
#define Magnum_GL_AbstractShaderProgram_h
/* Base of GL shader programs */

#include "Magnum/Tags.h"
#include "Magnum/GL/AbstractObject.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Base for shader program implementations */
class AbstractShaderProgram: public AbstractObject {
    public:
        /** @brief Create the GL program object */
        explicit AbstractShaderProgram();

        /** @brief Construct without creating the GL object */
        explicit AbstractShaderProgram(NoCreateT) noexcept {}

        /** @brief Copying is not allowed */
        AbstractShaderProgram(const AbstractShaderProgram&) = delete;

        /** @brief Move constructor */
        AbstractShaderProgram(AbstractShaderProgram&& other) noexcept;

        /** @brief Deletes the GL object */
        virtual ~AbstractShaderProgram() = 0;

        /** @brief Copying is not allowed */
        AbstractShaderProgram& operator=(const AbstractShaderProgram&) = delete;

        /** @brief Move assignment */
        AbstractShaderProgram& operator=(AbstractShaderProgram&& other) noexcept;

        /** @brief OpenGL program ID */
        UnsignedInt id() const { return _id; }

        /** @brief Validate the program: success and the validation log */
        Containers::Pair<bool, Containers::String> validate();

        /** @brief Whether a submitLink() operation has finished */
        bool isLinkFinished();

        /** @brief Draw a mesh */
        AbstractShaderProgram& draw(Mesh& mesh);

        /** @overload */
        AbstractShaderProgram& draw(Mesh&& mesh) { return draw(mesh); }

        /** @brief Draw a mesh view */
        AbstractShaderProgram& draw(MeshView& mesh);

        /** @overload */
        AbstractShaderProgram& draw(MeshView&& mesh) { return draw(mesh); }

    protected:
        /** @brief Attach a shader */
        void attachShader(Shader& shader);

        /** @brief Attach several shaders */
        void attachShaders(const Containers::Iterable<Shader>& shaders);

        /** @brief Bind an attribute to a location */
        void bindAttributeLocation(UnsignedInt location, Containers::StringView name);

        /** @brief Bind a fragment output to a location */
        void bindFragmentDataLocation(UnsignedInt location, Containers::StringView name);

        /** @brief Link the program */
        bool link();

        /** @brief Submit the program for linking */
        void submitLink();

        /** @brief Check the link status and print the linker log */
        bool checkLink(const Containers::Iterable<Shader>& shaders);

        /** @brief Uniform location, -1 if there is no such uniform */
        Int uniformLocation(Containers::StringView name);

        /** @brief Set a uniform value */
        void setUniform(Int location, Float value);
        void setUniform(Int location, const Math::Vector<2, Float>& value); /**< @overload */
        void setUniform(Int location, const Math::Vector<3, Float>& value); /**< @overload */
        void setUniform(Int location, const Math::Vector<4, Float>& value); /**< @overload */
        void setUniform(Int location, Int value); /**< @overload */
        void setUniform(Int location, const Math::Vector<2, Int>& value); /**< @overload */
        void setUniform(Int location, const Math::Vector<3, Int>& value); /**< @overload */
        void setUniform(Int location, const Math::Vector<4, Int>& value); /**< @overload */
        void setUniform(Int location, UnsignedInt value); /**< @overload */
        void setUniform(Int location, const Math::Vector<2, UnsignedInt>& value); /**< @overload */
        void setUniform(Int location, const Math::Vector<3, UnsignedInt>& value); /**< @overload */
        void setUniform(Int location, const Math::Vector<4, UnsignedInt>& value); /**< @overload */
        void setUniform(Int location, const Math::RectangularMatrix<2, 2, Float>& value); /**< @overload */
        void setUniform(Int location, const Math::RectangularMatrix<3, 3, Float>& value); /**< @overload */
        void setUniform(Int location, const Math::RectangularMatrix<4, 4, Float>& value); /**< @overload */

        /** @brief Set a uniform array */
        void setUniform(Int location, Containers::ArrayView<const Float> values);
        void setUniform(Int location, Containers::ArrayView<const Math::Vector<2, Float>> values);     /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::Vector<3, Float>> values);     /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::Vector<4, Float>> values);     /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Int> values);                        /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::Vector<2, Int>> values);       /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::Vector<3, Int>> values);       /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::Vector<4, Int>> values);       /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const UnsignedInt> values);                /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::Vector<2, UnsignedInt>> values); /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::Vector<3, UnsignedInt>> values); /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::Vector<4, UnsignedInt>> values); /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::RectangularMatrix<2, 2, Float>> values); /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::RectangularMatrix<3, 3, Float>> values); /**< @overload */
        void setUniform(Int location, Containers::ArrayView<const Math::RectangularMatrix<4, 4, Float>> values); /**< @overload */

    private:
        void use();

        UnsignedInt _id{};
};

}}

#endif
