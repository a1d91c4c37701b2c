#ifndef Magnum_MeshTools_Interleave_h
#define Magnum_MeshTools_Interleave_h
/* Interleaved layout queries and creation for mesh data */

#include <initializer_list>

#include "Corrade/Containers/Array.h"
#include "Corrade/Containers/EnumSet.h"
#include "Magnum/Magnum.h"
#include "Magnum/MeshTools/InterleaveFlags.h"
#include "Magnum/Trade/Trade.h"

namespace Magnum { namespace MeshTools {

/** @brief Whether all attributes share one positive stride and fit within it */
bool isInterleaved(const Trade::MeshData& mesh);

/** @brief Type-erased view spanning all interleaved attributes, the mesh has to be interleaved */
Containers::StridedArrayView2D<const char> interleavedData(const Trade::MeshData& mesh);

/** @brief Mutable type-erased view spanning all interleaved attributes */
Containers::StridedArrayView2D<char> interleavedMutableData(Trade::MeshData& mesh);

/** @brief Allocate an interleaved layout for @p vertexCount vertices with the attributes of @p mesh and @p extra */
Trade::MeshData interleavedLayout(const Trade::MeshData& mesh, UnsignedInt vertexCount, Containers::ArrayView<const Trade::MeshAttributeData> extra = {}, InterleaveFlags flags = InterleaveFlag::PreserveInterleavedAttributes);
/** @overload */
Trade::MeshData interleavedLayout(const Trade::MeshData& mesh, UnsignedInt vertexCount, std::initializer_list<Trade::MeshAttributeData> extra, InterleaveFlags flags = InterleaveFlag::PreserveInterleavedAttributes);

/** @brief Allocate an interleaved layout, reusing the attribute array of @p mesh if possible */
Trade::MeshData interleavedLayout(Trade::MeshData&& mesh, UnsignedInt vertexCount, Containers::ArrayView<const Trade::MeshAttributeData> extra = {}, InterleaveFlags flags = InterleaveFlag::PreserveInterleavedAttributes);
/** @overload */
Trade::MeshData interleavedLayout(Trade::MeshData&& mesh, UnsignedInt vertexCount, std::initializer_list<Trade::MeshAttributeData> extra, InterleaveFlags flags = InterleaveFlag::PreserveInterleavedAttributes);

/** @brief Copy of @p mesh with all attributes and @p extra interleaved */
Trade::MeshData interleave(const Trade::MeshData& mesh, Containers::ArrayView<const Trade::MeshAttributeData> extra = {}, InterleaveFlags flags = InterleaveFlag::PreserveInterleavedAttributes);
/** @overload */
Trade::MeshData interleave(const Trade::MeshData& mesh, std::initializer_list<Trade::MeshAttributeData> extra, InterleaveFlags flags = InterleaveFlag::PreserveInterleavedAttributes);

/** @brief Interleave mesh data, taking over owned index and vertex data where possible */
Trade::MeshData interleave(Trade::MeshData&& mesh, Containers::ArrayView<const Trade::MeshAttributeData> extra = {}, InterleaveFlags flags = InterleaveFlag::PreserveInterleavedAttributes);
/** @overload */
Trade::MeshData interleave(Trade::MeshData&& mesh, std::initializer_list<Trade::MeshAttributeData> extra, InterleaveFlags flags = InterleaveFlag::PreserveInterleavedAttributes);

/** @brief Create an indexed interleaved mesh from loose indices and attributes */
Trade::MeshData interleave(MeshPrimitive primitive, const Trade::MeshIndexData& indices, Containers::ArrayView<const Trade::MeshAttributeData> attributes);
/** @overload */
Trade::MeshData interleave(MeshPrimitive primitive, const Trade::MeshIndexData& indices, std::initializer_list<Trade::MeshAttributeData> attributes);

/** @brief Create a non-indexed interleaved mesh from loose attributes */
Trade::MeshData interleave(MeshPrimitive primitive, Containers::ArrayView<const Trade::MeshAttributeData> attributes);
/** @overload */
Trade::MeshData interleave(MeshPrimitive primitive, std::initializer_list<Trade::MeshAttributeData> attributes);

namespace Implementation {

/* Offset-only attributes with zero vertex count describing the interleaved
   layout of @p mesh and @p extra; shared by interleavedLayout() and
   concatenate() */
Containers::Array<Trade::MeshAttributeData> interleavedLayout(Trade::MeshData&& mesh, Containers::ArrayView<const Trade::MeshAttributeData> extra, InterleaveFlags flags);

}

}}

#endif
