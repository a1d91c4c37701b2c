#ifndef Magnum_Mesh_h
#define Magnum_Mesh_h
/* Generic mesh primitive and index type */

#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "Magnum/Magnum.h"

namespace Magnum {

/**
 * @brief Mesh primitive type
 *
 * Zero is reserved for an invalid value. Values with the highest bit set wrap
 * an implementation-specific primitive, see @ref meshPrimitiveWrap().
 */
enum class MeshPrimitive: UnsignedInt {
    Points = 1,     /**< Single points */
    Lines,          /**< Each pair of vertices is a separate line */
    LineLoop,       /**< Line strip with the last and first vertex connected */
    LineStrip,      /**< Each vertex after the first two adds a line segment */
    Triangles,      /**< Each three vertices are a separate triangle */
    TriangleStrip,  /**< Each vertex after the first three adds a triangle */
    TriangleFan,    /**< Triangles sharing the first vertex */
    Instances,      /**< Per-instance data */
    Faces,          /**< Per-face data */
    Edges,          /**< Per-edge data */
    Meshlets        /**< Meshlet data */
};

/** @brief Debug output operator */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MeshPrimitive value);

/** @brief Whether a @ref MeshPrimitive value wraps an implementation-specific identifier */
constexpr bool isMeshPrimitiveImplementationSpecific(MeshPrimitive primitive) {
    return UnsignedInt(primitive) & (1u << 31);
}

/** @brief Wrap an implementation-specific identifier in @ref MeshPrimitive */
template<class T> constexpr MeshPrimitive meshPrimitiveWrap(T implementationSpecific) {
    static_assert(sizeof(T) <= 4, "types larger than 32bits are not supported");
    return CORRADE_CONSTEXPR_ASSERT(!(UnsignedInt(implementationSpecific) & (1u << 31)),
        "meshPrimitiveWrap(): implementation-specific value" << Corrade::Utility::Debug::hex << UnsignedInt(implementationSpecific) << "already wrapped or too large"),
        MeshPrimitive((1u << 31)|UnsignedInt(implementationSpecific));
}

/** @brief Unwrap an implementation-specific identifier from @ref MeshPrimitive */
template<class T = UnsignedInt> constexpr T meshPrimitiveUnwrap(MeshPrimitive primitive) {
    return CORRADE_CONSTEXPR_ASSERT(UnsignedInt(primitive) & (1u << 31),
        "meshPrimitiveUnwrap():" << primitive << "isn't a wrapped implementation-specific value"),
        T(UnsignedInt(primitive) & ~(1u << 31));
}

/**
 * @brief Mesh index type
 *
 * Zero is reserved for an invalid value. Values with the highest bit set wrap
 * an implementation-specific type, see @ref meshIndexTypeWrap().
 */
enum class MeshIndexType: UnsignedInt {
    UnsignedByte = 1,   /**< Unsigned byte */
    UnsignedShort,      /**< Unsigned short */
    UnsignedInt         /**< Unsigned int */
};

/** @brief Debug output operator */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MeshIndexType value);

/** @brief Whether a @ref MeshIndexType value wraps an implementation-specific identifier */
constexpr bool isMeshIndexTypeImplementationSpecific(MeshIndexType type) {
    return UnsignedInt(type) & (1u << 31);
}

/** @brief Wrap an implementation-specific identifier in @ref MeshIndexType */
template<class T> constexpr MeshIndexType meshIndexTypeWrap(T implementationSpecific) {
    static_assert(sizeof(T) <= 4, "types larger than 32bits are not supported");
    return CORRADE_CONSTEXPR_ASSERT(!(UnsignedInt(implementationSpecific) & (1u << 31)),
        "meshIndexTypeWrap(): implementation-specific value" << Corrade::Utility::Debug::hex << UnsignedInt(implementationSpecific) << "already wrapped or too large"),
        MeshIndexType((1u << 31)|UnsignedInt(implementationSpecific));
}

/** @brief Unwrap an implementation-specific identifier from @ref MeshIndexType */
template<class T = UnsignedInt> constexpr T meshIndexTypeUnwrap(MeshIndexType type) {
    return CORRADE_CONSTEXPR_ASSERT(UnsignedInt(type) & (1u << 31),
        "meshIndexTypeUnwrap():" << type << "isn't a wrapped implementation-specific value"),
        T(UnsignedInt(type) & ~(1u << 31));
}

/** @brief Size of given mesh index type in bytes */
UnsignedInt meshIndexTypeSize(MeshIndexType type);

}

#endif
