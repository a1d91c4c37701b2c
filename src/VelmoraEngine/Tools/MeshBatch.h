#ifndef VelmoraEngine_Tools_MeshBatch_h
#define VelmoraEngine_Tools_MeshBatch_h
/* Engine vertex layouts, attribute packing and the mesh batch */

#include <initializer_list>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/EnumSet.h>
#include <Corrade/Containers/Reference.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/GL/Buffer.h>
#include <Magnum/GL/GL.h>
#include <Magnum/GL/Mesh.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Vector2.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/Trade/Trade.h>

#include "VelmoraEngine/visibility.h"
#include "VelmoraEngine/Utils/MemoryPartition.h"

namespace VelmoraEngine {

/** One bit of a vertex layout: an attribute, or the packed encodings */
enum class MeshDataFlag: Magnum::UnsignedInt {
    Position2D = 0x2,           /**< 2-component position */
    Position3D = 0x4,           /**< 3-component position */
    TextureCoordinates = 0x8,   /**< First texture coordinate set */
    Normal = 0x10,              /**< Normal */
    Tangent = 0x20,             /**< 4-component tangent */
    ObjectId = 0x40,            /**< Per-vertex object id */
    Skinning0 = 0x80,           /**< Joint ids and weights of set 0 */
    Skinning1 = 0x100,          /**< Joint ids and weights of set 1 */
    Color = 0x200,              /**< 4-component vertex color */
    Packed = 0x400,             /**< 16-bit normalized encodings */
    TextureCoordinates1 = 0x800 /**< Second texture coordinate set */
};

/** Set of vertex layout bits */
typedef Corrade::Containers::EnumSet<MeshDataFlag> MeshDataFlags;
CORRADE_ENUMSET_OPERATORS(MeshDataFlags)

/** Print a layout bit */
VELMORAENGINE_TOOLS_EXPORT Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MeshDataFlag value);
/** Print a set of layout bits */
VELMORAENGINE_TOOLS_EXPORT Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MeshDataFlags value);

/** Flags whose every layout attribute @p mesh has with the right component count */
VELMORAENGINE_TOOLS_EXPORT MeshDataFlags getMeshFlags(const Magnum::Trade::MeshData& mesh);

/**
 * Interleaved offset-only attribute list for @p flags, each attribute with
 * @p vertexCount vertices. Position3D is added when no position is asked for.
 */
VELMORAENGINE_TOOLS_EXPORT Corrade::Containers::Array<Magnum::Trade::MeshAttributeData> getLayout(MeshDataFlags flags, Magnum::UnsignedInt vertexCount);

/** Replaces the float attributes selected by @p flags by their 16-bit packed forms */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData packMesh(MeshDataFlags flags, Magnum::Trade::MeshData&& mesh);

/** Replaces the packed attributes selected by @p flags by their float forms */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData unpackMesh(MeshDataFlags flags, Magnum::Trade::MeshData&& mesh);

/** Writes the packed form of raw attribute rows, anything not packed is copied */
VELMORAENGINE_TOOLS_EXPORT void packMeshAttributeDataInto(Magnum::Trade::MeshAttribute attribute, const Corrade::Containers::StridedArrayView2D<const char>& src, const Corrade::Containers::StridedArrayView2D<char>& dst);

/** Writes the float form of packed raw attribute rows, anything not packed is copied */
VELMORAENGINE_TOOLS_EXPORT void unpackMeshAttributeDataInto(Magnum::Trade::MeshAttribute attribute, const Corrade::Containers::StridedArrayView2D<const char>& src, const Corrade::Containers::StridedArrayView2D<char>& dst);

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

    /** A GL mesh view drawing this range */
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

        /** Takes over everything, stored draw ranges point to the new GL mesh */
        MeshBatch(MeshBatch&& other) noexcept;
        MeshBatch(const MeshBatch&) = delete;
        MeshBatch& operator=(const MeshBatch&) = delete;
        MeshBatch& operator=(MeshBatch&&) = delete;
        ~MeshBatch();

        /** Appends triangle meshes in place, the existing data isn't copied */
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
        /** {offset, size} in bytes of mesh @p i in the index buffer */
        Magnum::Math::Vector2<Magnum::Int> indexBufferRegion(Magnum::UnsignedInt i) const;
        /** {offset, size} in bytes of mesh @p i in the vertex buffer */
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

        /** Removes meshes [first, first + count), the following ones move forward */
        MeshBatch& removeMeshes(Magnum::UnsignedInt first, Magnum::UnsignedInt count);
        /** Removes every mesh */
        MeshBatch& removeAll();

        /** A GL mesh view drawing meshes [first, first + count) in one call */
        Magnum::GL::MeshView meshRange(Magnum::UnsignedInt first, Magnum::UnsignedInt count);

    protected:
        /** Draw range of mesh @p i computed from the partitions */
        MeshView meshView(Magnum::UnsignedInt i);

    private:
        Magnum::Trade::MeshData _meshData;
        Magnum::GL::Buffer _indexBuffer;
        Magnum::GL::Buffer _vertexBuffer;
        Magnum::GL::Mesh _mesh;
        Corrade::Containers::Array<Magnum::UnsignedInt> _vertexCounts;
        Corrade::Containers::Array<MeshView> _meshViews;
        MemoryPartition _indexPartition;
        MemoryPartition _vertexPartition;
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
