#ifndef VelmoraEngine_Tools_MeshBatch_h
#define VelmoraEngine_Tools_MeshBatch_h
/* GL mesh compilation with the engine's attribute locations, and the mesh
   batch */

#include <cstddef>
#include <initializer_list>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Pointer.h>
#include <Corrade/Containers/Reference.h>
#include <Magnum/GL/Buffer.h>
#include <Magnum/GL/GL.h>
#include <Magnum/GL/Mesh.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Vector2.h>
#include <Magnum/Trade/MeshData.h>

#include "VelmoraEngine/visibility.h"
#include "VelmoraEngine/Tools/MeshLayout.h"

namespace VelmoraEngine {

class MemoryPartition;

/**
 * GL mesh binding the attributes of @p meshData to the fixed locations in
 * @p vertexBuffer, which the caller owns and fills. No index buffer, no count.
 */
VELMORAENGINE_TOOLS_EXPORT Magnum::GL::Mesh compileMesh(const Magnum::Trade::MeshData& meshData, Magnum::GL::Buffer& vertexBuffer);

/** Draw range of one mesh of a batch */
struct VELMORAENGINE_TOOLS_EXPORT MeshView {
    Magnum::GL::Mesh* _mesh{};              /**< The batch's GL mesh, null if never filled */
    Magnum::UnsignedInt count{};            /**< Index or vertex count */
    Magnum::UnsignedInt baseVertex{};       /**< First vertex, for a non-indexed GL mesh */
    Magnum::UnsignedInt indexByteOffset{};  /**< Byte offset of the first index, for an indexed GL mesh */

    /** A GL mesh view drawing this range. Expects that @p _mesh isn't null. */
    operator Magnum::GL::MeshView() const;
};

/**
 * Many meshes in one vertex layout, drawn from one GL vertex buffer, one GL
 * index buffer and one GL mesh, with a draw range per mesh. Uploads only what
 * changed. Movable, not copyable.
 */
class VELMORAENGINE_TOOLS_EXPORT MeshBatch {
    public:
        /** Default packed layout with position, texture coordinates, object id and normal */
        explicit MeshBatch();
        /** Given offset-only layout, as made by getLayout() with vertex count 0 */
        explicit MeshBatch(Corrade::Containers::Array<Magnum::Trade::MeshAttributeData>&& layout);
        /** @overload */
        explicit MeshBatch(std::initializer_list<Magnum::Trade::MeshAttributeData> layout);

        /**
         * Takes over everything, stored draw ranges point to the new GL mesh.
         * @p other is left an empty batch of the same layout.
         */
        MeshBatch(MeshBatch&& other) noexcept;
        MeshBatch(const MeshBatch&) = delete;
        MeshBatch& operator=(const MeshBatch&) = delete;
        MeshBatch& operator=(MeshBatch&&) = delete;
        ~MeshBatch();

        /**
         * Appends triangle meshes in place, the existing data isn't copied.
         * Expects that the meshes have the batch's vertex layout.
         */
        MeshBatch& addMeshes(Corrade::Containers::ArrayView<const Corrade::Containers::Reference<const Magnum::Trade::MeshData>> meshes);
        /** @overload */
        MeshBatch& addMeshes(std::initializer_list<Corrade::Containers::Reference<const Magnum::Trade::MeshData>> meshes);
        /** Appends one triangle mesh */
        MeshBatch& addMesh(const Magnum::Trade::MeshData& mesh);

        /** Number of meshes */
        Magnum::UnsignedInt meshCount() const { return _meshCount; }
        /** Vertex count of mesh @p i */
        std::size_t vertexCount(Magnum::UnsignedInt i) const { return _vertexCounts[i]; }
        /** Bytes per vertex */
        Magnum::UnsignedInt vertexSize() const { return _vertexSize; }
        /** {offset, size} in bytes of mesh @p i in the index buffer; @p i has to be a region slot */
        Magnum::Math::Vector2<Magnum::Int> indexBufferRegion(Magnum::UnsignedInt i) const;
        /** {offset, size} in bytes of mesh @p i in the vertex buffer; @p i has to be a region slot */
        Magnum::Math::Vector2<Magnum::Int> vertexBufferRegion(Magnum::UnsignedInt i) const;
        /** Byte offset of the slack in the index buffer */
        std::size_t slackIndexOffset() const;
        /** Byte offset of the slack in the vertex buffer */
        std::size_t slackVertexOffset() const;

        /** Room in elements to keep behind the data in the GL buffers, applied by the next updateMesh() */
        MeshBatch& reserveSlack(Magnum::UnsignedInt indexSlack, Magnum::UnsignedInt vertexSlack);
        /** Added to a mesh's number when its object ids are written */
        MeshBatch& setObjectIdOffset(Magnum::UnsignedInt offset);

        /** Whether there is nothing to draw */
        bool empty() const;

        /** All meshes concatenated */
        Magnum::Trade::MeshData& meshData() { return _meshData; }
        /** The GL mesh */
        Magnum::GL::Mesh& mesh() { return _mesh; }
        /** The GL vertex buffer */
        Magnum::GL::Buffer& vertexBuffer() { return _vertexBuffer; }
        /** The GL index buffer */
        Magnum::GL::Buffer& indexBuffer() { return _indexBuffer; }
        /** Draw range of mesh @p i, valid after an updateMesh() following the last change */
        MeshView& mesh(Magnum::UnsignedInt i) { return _meshViews[i]; }

        /** Uploads the changed meshes and stamps their object ids; false if there was nothing to do */
        bool updateMesh();

        /** Removes meshes [first, first + count), the following ones move forward. Expects that they exist. */
        MeshBatch& removeMeshes(Magnum::UnsignedInt first, Magnum::UnsignedInt count);
        /** Removes every mesh */
        MeshBatch& removeAll();

        /** A GL mesh view drawing meshes [first, first + count) in one call. Expects @p count to be at least 1. */
        Magnum::GL::MeshView meshRange(Magnum::UnsignedInt first, Magnum::UnsignedInt count);

    protected:
        /** Draw range of mesh @p i computed from the partitions */
        MeshView meshView(Magnum::UnsignedInt i);

    private:
        /* Marks every mesh for upload, as after a change of the indexed state */
        void markAllDirty();
        /* Uploads the changed tail of one buffer: bytes from the first dirty
           region on, then invalidates what lies behind the data */
        void uploadTail(Magnum::GL::Buffer& buffer, Corrade::Containers::ArrayView<const char> data, const MemoryPartition& partition, bool dirty, std::size_t capacityBytes);

        Magnum::Trade::MeshData _meshData;
        Magnum::GL::Buffer _indexBuffer;
        Magnum::GL::Buffer _vertexBuffer;
        Magnum::GL::Mesh _mesh;
        Corrade::Containers::Array<Magnum::UnsignedInt> _vertexCounts;
        Corrade::Containers::Array<MeshView> _meshViews;
        /* Behind pointers so the internal class stays out of this header */
        Corrade::Containers::Pointer<MemoryPartition> _indexPartition;
        Corrade::Containers::Pointer<MemoryPartition> _vertexPartition;
        Magnum::Int _dirtyBegin;
        Magnum::Int _dirtyEnd;
        Magnum::UnsignedInt _indexSlack;
        Magnum::UnsignedInt _vertexSlack;
        bool _slackChanged;
        Magnum::UnsignedInt _indexCapacity;
        Magnum::UnsignedInt _vertexCapacity;
        Magnum::UnsignedInt _meshCount;
        Magnum::UnsignedInt _vertexSize;
        Magnum::UnsignedInt _objectIdOffset;
};

}

#endif
