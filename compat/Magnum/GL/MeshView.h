#ifndef Magnum_GL_MeshView_h
#define Magnum_GL_MeshView_h
/* A different count and offset over an existing mesh */

#include <cstddef>

#include "Corrade/Containers/Reference.h"
#include "Magnum/Magnum.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Mesh view */
class MeshView {
    friend AbstractShaderProgram;

    public:
        /** @brief Constructor */
        explicit MeshView(Mesh& original): _original{original} {}

        /** @brief Copy constructor */
        MeshView(const MeshView&) = default;

        /** @brief Movement is not allowed */
        MeshView(MeshView&&) = delete;

        /** @brief Copy assignment */
        MeshView& operator=(const MeshView&) = default;

        /** @brief Movement is not allowed */
        MeshView& operator=(MeshView&&) = delete;

        /** @brief Original mesh */
        Mesh& mesh() { return _original; }

        /** @overload */
        const Mesh& mesh() const { return _original; }

        /** @brief Vertex or index count */
        Int count() const { return _count; }

        /** @brief Set vertex or index count */
        MeshView& setCount(Int count) {
            _countSet = true;
            _count = count;
            return *this;
        }

        /** @brief Base vertex */
        Int baseVertex() const { return _baseVertex; }

        /** @brief Set base vertex */
        MeshView& setBaseVertex(Int baseVertex) {
            _baseVertex = baseVertex;
            return *this;
        }

        /** @brief Index offset, in indices */
        Int indexOffset() const { return _indexOffset; }

        /** @brief Set index offset, in indices, with an index range; expects an indexed mesh */
        MeshView& setIndexOffset(Int offset, UnsignedInt start, UnsignedInt end);

        /** @brief Set index offset, in indices; expects an indexed mesh */
        MeshView& setIndexOffset(Int offset);

        /** @brief Instance count */
        Int instanceCount() const { return _instanceCount; }

        /** @brief Set instance count */
        MeshView& setInstanceCount(Int count) {
            _instanceCount = count;
            return *this;
        }

        /** @brief Base instance */
        UnsignedInt baseInstance() const { return _baseInstance; }

        /** @brief Set base instance */
        MeshView& setBaseInstance(UnsignedInt baseInstance) {
            _baseInstance = baseInstance;
            return *this;
        }

    private:
        Containers::Reference<Mesh> _original;
        bool _countSet{};
        Int _count{}, _baseVertex{}, _instanceCount{1};
        UnsignedInt _baseInstance{};
        Int _indexOffset{};
        UnsignedInt _indexStart{}, _indexEnd{};
};

}}

#endif
