#ifndef VelmoraEngine_Tools_MeshTools_h
#define VelmoraEngine_Tools_MeshTools_h
/* Editing, casting and generation of mesh attributes */

#include <Magnum/Magnum.h>
#include <Magnum/Trade/Trade.h>

#include "VelmoraEngine/visibility.h"

namespace VelmoraEngine { namespace MeshTools {

/**
 * Attribute id standing for every attribute of a name, morph targets
 * included. Other ids count among the attributes of a name that aren't morph
 * targets, in list order, as in Trade::MeshData.
 */
constexpr unsigned int AllAttributes = 0xFFFFFFFFu;

/**
 * Adds a zero-filled attribute @p name of @p format in a new block at the end
 * of the vertex buffer, aligned to its component size. It becomes attribute
 * (@p name, @p id) if the mesh has one, else the last attribute. Every other
 * attribute keeps its layout, array size and morph target. Expects that the
 * mesh owns its vertex data, and its index data of a readable type if it's
 * indexed.
 */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData insertAttribute(Magnum::Trade::MeshData&& meshData, Magnum::Trade::MeshAttribute name, Magnum::VertexFormat format, unsigned int id);

/**
 * Drops attribute (@p name, @p id), or all attributes @p name for
 * @ref AllAttributes. The bytes stay in the vertex buffer, unreferenced, and
 * the vertex count stays; the other attributes keep their array size and
 * morph target. A mesh without @p name is returned as it came; for any other
 * expects that the mesh owns its data as for @ref insertAttribute().
 */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData removeAttribute(Magnum::Trade::MeshData&& meshData, Magnum::Trade::MeshAttribute name, unsigned int id);

/**
 * Renames attribute (@p from, @p id), or all attributes @p from for
 * @ref AllAttributes, to @p to, keeping array size and morph target. An
 * attribute list the mesh may not own is renamed in a copy, the caller's
 * array stays untouched. Expects that the mesh owns its data as for
 * @ref insertAttribute().
 */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData renameAttribute(Magnum::Trade::MeshData&& meshData, Magnum::Trade::MeshAttribute from, Magnum::Trade::MeshAttribute to, unsigned int id);

/**
 * Replaces attribute (@p name, @p id) by a copy converted value by value from
 * @p From to @p To. Exported for a fixed list of type pairs only. Expects
 * that the attribute exists in a format @p From reads and that the mesh owns
 * its data as for @ref insertAttribute().
 */
template<class From, class To> VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData castAttribute(Magnum::Trade::MeshData&& meshData, Magnum::Trade::MeshAttribute name, unsigned int id);

/**
 * Replaces attribute (@p name, @p id) by a copy converted between normalized
 * integers and floats. Floats are clamped to [-1, 1] for signed and [0, 1] for
 * unsigned integers and NaN packs to 0. Exported for a fixed list of type
 * pairs only. Expects that the attribute exists in a format @p From reads
 * and that the mesh owns its data as for @ref insertAttribute().
 */
template<class From, class To> VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData castNormalizedAttribute(Magnum::Trade::MeshData&& meshData, Magnum::Trade::MeshAttribute name, unsigned int id);

/** Turns strips, fans and other primitives into an indexed list; a triangle list passes through as it came, importer state included */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData convertToTriangles(Magnum::Trade::MeshData&& meshData);

/**
 * Computes a Vector3 normal from the positions, smooth for indexed meshes and
 * flat otherwise, of whole triangles only. Expects that the mesh has a
 * Vector3 position and triangles, and owned data as for @ref insertAttribute()
 * when a normal of another format has to be replaced.
 */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData generateNormals(Magnum::Trade::MeshData&& meshData);

/**
 * Computes a Vector4 MikkTSpace tangent with the bitangent sign in w. Expects
 * that the mesh has a Vector3 position and normal, Vector2 texture
 * coordinates, at least one whole triangle and, if indexed, a readable index
 * type and indices inside the vertices, and owned data as for
 * @ref insertAttribute() when a tangent of another format has to be replaced.
 */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData generateTangents(Magnum::Trade::MeshData&& meshData);

}}

#endif
