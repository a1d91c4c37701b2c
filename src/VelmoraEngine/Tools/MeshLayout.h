#ifndef VelmoraEngine_Tools_MeshLayout_h
#define VelmoraEngine_Tools_MeshLayout_h
/* The engine's vertex layouts and the 16-bit packed attribute encodings */

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/EnumSet.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Utility.h>
#include <Magnum/Magnum.h>
#include <Magnum/Trade/MeshData.h>

#include "VelmoraEngine/visibility.h"

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
 * Both Position2D and Position3D in @p flags is an internal assertion. The array
 * has the default deleter: growing it copies it once.
 */
VELMORAENGINE_TOOLS_EXPORT Corrade::Containers::Array<Magnum::Trade::MeshAttributeData> getLayout(MeshDataFlags flags, Magnum::UnsignedInt vertexCount);

/**
 * Replaces the float attributes selected by @p flags by their 16-bit packed
 * forms. Values outside the encodable range are clamped, NaN packs to 0.
 */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData packMesh(MeshDataFlags flags, Magnum::Trade::MeshData&& mesh);

/** Replaces the packed attributes selected by @p flags by their float forms */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::MeshData unpackMesh(MeshDataFlags flags, Magnum::Trade::MeshData&& mesh);

/**
 * Writes the packed form of raw attribute rows, anything not packed is
 * copied. Values outside the encodable range are clamped, NaN packs to 0.
 * Expects contiguous rows of matching sizes (12 source and 6 destination
 * bytes for a normal, say).
 */
VELMORAENGINE_TOOLS_EXPORT void packMeshAttributeDataInto(Magnum::Trade::MeshAttribute attribute, Corrade::Containers::StridedArrayView2D<const char> src, Corrade::Containers::StridedArrayView2D<char> dst);

/**
 * Writes the float form of packed raw attribute rows, anything not packed is
 * copied. Expects contiguous rows of matching sizes.
 */
VELMORAENGINE_TOOLS_EXPORT void unpackMeshAttributeDataInto(Magnum::Trade::MeshAttribute attribute, Corrade::Containers::StridedArrayView2D<const char> src, Corrade::Containers::StridedArrayView2D<char> dst);

}

#endif
