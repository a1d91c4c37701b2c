#ifndef Magnum_GL_Mesh_h
#define Magnum_GL_Mesh_h
/* GL mesh: a vertex array object with draw parameters */

#include <cstddef>

#include "Corrade/Containers/Array.h"
#include "Corrade/Utility/Move.h"
#include "Magnum/Tags.h"
#include "Magnum/GL/AbstractObject.h"
#include "Magnum/GL/Attribute.h"
#include "Magnum/GL/Buffer.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Mesh primitive type */
enum class MeshPrimitive: UnsignedInt {
    Points = 0x0000,                /**< Single points */
    Lines = 0x0001,                 /**< Separate lines */
    LineLoop = 0x0002,              /**< Closed line strip */
    LineStrip = 0x0003,             /**< Line strip */
    LinesAdjacency = 0x000A,        /**< Lines with adjacency */
    LineStripAdjacency = 0x000B,    /**< Line strip with adjacency */
    Triangles = 0x0004,             /**< Separate triangles */
    TriangleStrip = 0x0005,         /**< Triangle strip */
    TriangleFan = 0x0006,           /**< Triangle fan */
    TrianglesAdjacency = 0x000C,    /**< Triangles with adjacency */
    TriangleStripAdjacency = 0x000D, /**< Triangle strip with adjacency */
    Patches = 0x000E                /**< Patches for tessellation */
};

/** @brief Index type */
enum class MeshIndexType: UnsignedInt {
    UnsignedByte = 0x1401,  /**< Unsigned byte */
    UnsignedShort = 0x1403, /**< Unsigned short */
    UnsignedInt = 0x1405    /**< Unsigned int */
};

/** @brief Whether a generic mesh primitive has a GL equivalent */
bool hasMeshPrimitive(Magnum::MeshPrimitive primitive);

/** @brief GL primitive for a generic one, unwrapping implementation-specific values */
MeshPrimitive meshPrimitive(Magnum::MeshPrimitive primitive);

/** @brief GL index type for a generic one, unwrapping implementation-specific values */
MeshIndexType meshIndexType(Magnum::MeshIndexType type);

/** @brief Size of a GL index type in bytes */
UnsignedInt meshIndexTypeSize(MeshIndexType type);

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, MeshPrimitive value);

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, MeshIndexType value);

/** @brief Mesh */
class Mesh: public AbstractObject {
    friend AbstractShaderProgram;
    friend MeshView;

    public:
        /** @brief Create a mesh */
        explicit Mesh(MeshPrimitive primitive = MeshPrimitive::Triangles);

        /** @overload */
        explicit Mesh(Magnum::MeshPrimitive primitive): Mesh{meshPrimitive(primitive)} {}

        /** @brief Construct without creating the GL object */
        explicit Mesh(NoCreateT) noexcept;

        /** @brief Copying is not allowed */
        Mesh(const Mesh&) = delete;

        /** @brief Move constructor */
        Mesh(Mesh&& other) noexcept;

        /** @brief Deletes the vertex array object and owned buffers */
        ~Mesh();

        /** @brief Copying is not allowed */
        Mesh& operator=(const Mesh&) = delete;

        /** @brief Move assignment */
        Mesh& operator=(Mesh&& other) noexcept;

        /** @brief OpenGL vertex array ID */
        UnsignedInt id() const { return _id; }

        /** @brief Whether the mesh is indexed */
        bool isIndexed() const { return _indexBuffer; }

        /** @brief Index type; expects an indexed mesh */
        MeshIndexType indexType() const;

        /** @brief Index offset, in indices */
        Int indexOffset() const { return _indexOffset; }

        /** @brief Primitive type */
        MeshPrimitive primitive() const { return _primitive; }

        /** @brief Set primitive type */
        Mesh& setPrimitive(MeshPrimitive primitive) {
            _primitive = primitive;
            return *this;
        }

        /** @overload */
        Mesh& setPrimitive(Magnum::MeshPrimitive primitive) {
            return setPrimitive(meshPrimitive(primitive));
        }

        /** @brief Vertex or index count */
        Int count() const { return _count; }

        /** @brief Set vertex or index count */
        Mesh& setCount(Int count) {
            _countSet = true;
            _count = count;
            return *this;
        }

        /** @brief Base vertex */
        Int baseVertex() const { return _baseVertex; }

        /** @brief Set base vertex */
        Mesh& setBaseVertex(Int baseVertex) {
            _baseVertex = baseVertex;
            return *this;
        }

        /** @brief Set index offset, in indices */
        Mesh& setIndexOffset(Int offset, UnsignedInt start, UnsignedInt end);

        /** @overload */
        Mesh& setIndexOffset(Int offset);

        /** @brief Instance count */
        Int instanceCount() const { return _instanceCount; }

        /** @brief Set instance count */
        Mesh& setInstanceCount(Int count) {
            _instanceCount = count;
            return *this;
        }

        /** @brief Base instance */
        UnsignedInt baseInstance() const { return _baseInstance; }

        /** @brief Set base instance */
        Mesh& setBaseInstance(UnsignedInt baseInstance) {
            _baseInstance = baseInstance;
            return *this;
        }

        /** @brief Add a vertex buffer with one attribute */
        Mesh& addVertexBuffer(Buffer& buffer, std::ptrdiff_t offset, Int stride, const DynamicAttribute& attribute) {
            return addVertexBufferInstanced(buffer, 0, offset, stride, attribute);
        }

        /** @brief Add an instanced vertex buffer with one attribute */
        Mesh& addVertexBufferInstanced(Buffer& buffer, UnsignedInt divisor, std::ptrdiff_t offset, Int stride, const DynamicAttribute& attribute);

        /** @brief Add a vertex buffer, taking its ownership */
        Mesh& addVertexBuffer(Buffer&& buffer, std::ptrdiff_t offset, Int stride, const DynamicAttribute& attribute);

        /** @brief Add an instanced vertex buffer, taking its ownership */
        Mesh& addVertexBufferInstanced(Buffer&& buffer, UnsignedInt divisor, std::ptrdiff_t offset, Int stride, const DynamicAttribute& attribute);

        /** @brief Set index buffer with an index range */
        Mesh& setIndexBuffer(Buffer& buffer, std::ptrdiff_t offset, MeshIndexType type, UnsignedInt start, UnsignedInt end);

        /** @overload */
        Mesh& setIndexBuffer(Buffer& buffer, std::ptrdiff_t offset, Magnum::MeshIndexType type, UnsignedInt start, UnsignedInt end) {
            return setIndexBuffer(buffer, offset, meshIndexType(type), start, end);
        }

        /** @brief Set index buffer */
        Mesh& setIndexBuffer(Buffer& buffer, std::ptrdiff_t offset, MeshIndexType type) {
            return setIndexBuffer(buffer, offset, type, 0, 0);
        }

        /** @overload */
        Mesh& setIndexBuffer(Buffer& buffer, std::ptrdiff_t offset, Magnum::MeshIndexType type) {
            return setIndexBuffer(buffer, offset, meshIndexType(type), 0, 0);
        }

        /** @brief Set index buffer with an index range, taking its ownership */
        Mesh& setIndexBuffer(Buffer&& buffer, std::ptrdiff_t offset, MeshIndexType type, UnsignedInt start, UnsignedInt end);

        /** @overload */
        Mesh& setIndexBuffer(Buffer&& buffer, std::ptrdiff_t offset, Magnum::MeshIndexType type, UnsignedInt start, UnsignedInt end) {
            return setIndexBuffer(Utility::move(buffer), offset, meshIndexType(type), start, end);
        }

        /** @brief Set index buffer, taking its ownership */
        Mesh& setIndexBuffer(Buffer&& buffer, std::ptrdiff_t offset, MeshIndexType type) {
            return setIndexBuffer(Utility::move(buffer), offset, type, 0, 0);
        }

        /** @overload */
        Mesh& setIndexBuffer(Buffer&& buffer, std::ptrdiff_t offset, Magnum::MeshIndexType type) {
            return setIndexBuffer(Utility::move(buffer), offset, meshIndexType(type), 0, 0);
        }

    private:
        void drawInternal(Int count, Int baseVertex, Int instanceCount, UnsignedInt baseInstance, std::ptrdiff_t indexOffset, UnsignedInt indexStart, UnsignedInt indexEnd);

        UnsignedInt _id{};
        ObjectFlags _flags;
        MeshPrimitive _primitive{MeshPrimitive::Triangles};
        MeshIndexType _indexType{MeshIndexType::UnsignedInt};
        bool _countSet{}, _indexBuffer{};
        Int _count{}, _baseVertex{}, _instanceCount{1};
        UnsignedInt _baseInstance{};
        std::ptrdiff_t _indexBufferOffset{};
        Int _indexOffset{};
        UnsignedInt _indexStart{}, _indexEnd{};
        Containers::Array<Buffer> _ownedBuffers;
};

}}

#endif
