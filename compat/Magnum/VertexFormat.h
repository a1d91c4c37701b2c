#ifndef Magnum_VertexFormat_h
#define Magnum_VertexFormat_h
/* Generic vertex attribute format and queries on it */

#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "Magnum/Magnum.h"

namespace Magnum {

/**
 * @brief Vertex format
 *
 * Zero is reserved for an invalid value. Values with the highest bit set wrap
 * an implementation-specific format, see @ref vertexFormatWrap().
 */
enum class VertexFormat: UnsignedInt {
    Float = 1,                  /**< @ref Float */
    Half,                       /**< Half-float */
    Double,                     /**< @ref Double */
    UnsignedByte,               /**< @ref UnsignedByte */
    UnsignedByteNormalized,     /**< @ref UnsignedByte in the [0, 1] range */
    Byte,                       /**< @ref Byte */
    ByteNormalized,             /**< @ref Byte in the [-1, 1] range */
    UnsignedShort,              /**< @ref UnsignedShort */
    UnsignedShortNormalized,    /**< @ref UnsignedShort in the [0, 1] range */
    Short,                      /**< @ref Short */
    ShortNormalized,            /**< @ref Short in the [-1, 1] range */
    UnsignedInt,                /**< @ref UnsignedInt */
    Int,                        /**< @ref Int */

    Vector2,                    /**< Two floats */
    Vector2h,                   /**< Two half-floats */
    Vector2d,                   /**< Two doubles */
    Vector2ub,                  /**< Two unsigned bytes */
    Vector2ubNormalized,        /**< Two normalized unsigned bytes */
    Vector2b,                   /**< Two bytes */
    Vector2bNormalized,         /**< Two normalized bytes */
    Vector2us,                  /**< Two unsigned shorts */
    Vector2usNormalized,        /**< Two normalized unsigned shorts */
    Vector2s,                   /**< Two shorts */
    Vector2sNormalized,         /**< Two normalized shorts */
    Vector2ui,                  /**< Two unsigned ints */
    Vector2i,                   /**< Two ints */

    Vector3,                    /**< Three floats */
    Vector3h,                   /**< Three half-floats */
    Vector3d,                   /**< Three doubles */
    Vector3ub,                  /**< Three unsigned bytes */
    Vector3ubNormalized,        /**< Three normalized unsigned bytes */
    Vector3b,                   /**< Three bytes */
    Vector3bNormalized,         /**< Three normalized bytes */
    Vector3us,                  /**< Three unsigned shorts */
    Vector3usNormalized,        /**< Three normalized unsigned shorts */
    Vector3s,                   /**< Three shorts */
    Vector3sNormalized,         /**< Three normalized shorts */
    Vector3ui,                  /**< Three unsigned ints */
    Vector3i,                   /**< Three ints */

    Vector4,                    /**< Four floats */
    Vector4h,                   /**< Four half-floats */
    Vector4d,                   /**< Four doubles */
    Vector4ub,                  /**< Four unsigned bytes */
    Vector4ubNormalized,        /**< Four normalized unsigned bytes */
    Vector4b,                   /**< Four bytes */
    Vector4bNormalized,         /**< Four normalized bytes */
    Vector4us,                  /**< Four unsigned shorts */
    Vector4usNormalized,        /**< Four normalized unsigned shorts */
    Vector4s,                   /**< Four shorts */
    Vector4sNormalized,         /**< Four normalized shorts */
    Vector4ui,                  /**< Four unsigned ints */
    Vector4i,                   /**< Four ints */

    Matrix2x2,                  /**< 2x2 float matrix */
    Matrix2x2h,                 /**< 2x2 half-float matrix */
    Matrix2x2d,                 /**< 2x2 double matrix */
    Matrix2x2bNormalized,       /**< 2x2 normalized byte matrix */
    Matrix2x2sNormalized,       /**< 2x2 normalized short matrix */
    Matrix2x3,                  /**< 2x3 float matrix */
    Matrix2x3h,                 /**< 2x3 half-float matrix */
    Matrix2x3d,                 /**< 2x3 double matrix */
    Matrix2x3bNormalized,       /**< 2x3 normalized byte matrix */
    Matrix2x3sNormalized,       /**< 2x3 normalized short matrix */
    Matrix2x4,                  /**< 2x4 float matrix */
    Matrix2x4h,                 /**< 2x4 half-float matrix */
    Matrix2x4d,                 /**< 2x4 double matrix */
    Matrix2x4bNormalized,       /**< 2x4 normalized byte matrix */
    Matrix2x4sNormalized,       /**< 2x4 normalized short matrix */
    Matrix2x2bNormalizedAligned,    /**< 2x2 normalized byte matrix, columns padded to four bytes */
    Matrix2x3hAligned,          /**< 2x3 half-float matrix, columns padded to four bytes */
    Matrix2x3bNormalizedAligned,    /**< 2x3 normalized byte matrix, columns padded to four bytes */
    Matrix2x3sNormalizedAligned,    /**< 2x3 normalized short matrix, columns padded to four bytes */

    Matrix3x2,                  /**< 3x2 float matrix */
    Matrix3x2h,                 /**< 3x2 half-float matrix */
    Matrix3x2d,                 /**< 3x2 double matrix */
    Matrix3x2bNormalized,       /**< 3x2 normalized byte matrix */
    Matrix3x2sNormalized,       /**< 3x2 normalized short matrix */
    Matrix3x3,                  /**< 3x3 float matrix */
    Matrix3x3h,                 /**< 3x3 half-float matrix */
    Matrix3x3d,                 /**< 3x3 double matrix */
    Matrix3x3bNormalized,       /**< 3x3 normalized byte matrix */
    Matrix3x3sNormalized,       /**< 3x3 normalized short matrix */
    Matrix3x4,                  /**< 3x4 float matrix */
    Matrix3x4h,                 /**< 3x4 half-float matrix */
    Matrix3x4d,                 /**< 3x4 double matrix */
    Matrix3x4bNormalized,       /**< 3x4 normalized byte matrix */
    Matrix3x4sNormalized,       /**< 3x4 normalized short matrix */
    Matrix3x2bNormalizedAligned,    /**< 3x2 normalized byte matrix, columns padded to four bytes */
    Matrix3x3hAligned,          /**< 3x3 half-float matrix, columns padded to four bytes */
    Matrix3x3bNormalizedAligned,    /**< 3x3 normalized byte matrix, columns padded to four bytes */
    Matrix3x3sNormalizedAligned,    /**< 3x3 normalized short matrix, columns padded to four bytes */

    Matrix4x2,                  /**< 4x2 float matrix */
    Matrix4x2h,                 /**< 4x2 half-float matrix */
    Matrix4x2d,                 /**< 4x2 double matrix */
    Matrix4x2bNormalized,       /**< 4x2 normalized byte matrix */
    Matrix4x2sNormalized,       /**< 4x2 normalized short matrix */
    Matrix4x3,                  /**< 4x3 float matrix */
    Matrix4x3h,                 /**< 4x3 half-float matrix */
    Matrix4x3d,                 /**< 4x3 double matrix */
    Matrix4x3bNormalized,       /**< 4x3 normalized byte matrix */
    Matrix4x3sNormalized,       /**< 4x3 normalized short matrix */
    Matrix4x4,                  /**< 4x4 float matrix */
    Matrix4x4h,                 /**< 4x4 half-float matrix */
    Matrix4x4d,                 /**< 4x4 double matrix */
    Matrix4x4bNormalized,       /**< 4x4 normalized byte matrix */
    Matrix4x4sNormalized,       /**< 4x4 normalized short matrix */
    Matrix4x2bNormalizedAligned,    /**< 4x2 normalized byte matrix, columns padded to four bytes */
    Matrix4x3hAligned,          /**< 4x3 half-float matrix, columns padded to four bytes */
    Matrix4x3bNormalizedAligned,    /**< 4x3 normalized byte matrix, columns padded to four bytes */
    Matrix4x3sNormalizedAligned     /**< 4x3 normalized short matrix, columns padded to four bytes */
};

/** @brief Debug output operator */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, VertexFormat value);

/** @brief Whether a @ref VertexFormat value wraps an implementation-specific identifier */
constexpr bool isVertexFormatImplementationSpecific(VertexFormat format) {
    return UnsignedInt(format) & (1u << 31);
}

/** @brief Wrap an implementation-specific identifier in @ref VertexFormat */
template<class T> constexpr VertexFormat vertexFormatWrap(T implementationSpecific) {
    static_assert(sizeof(T) <= 4, "types larger than 32bits are not supported");
    return CORRADE_CONSTEXPR_ASSERT(!(UnsignedInt(implementationSpecific) & (1u << 31)),
        "vertexFormatWrap(): implementation-specific value" << Corrade::Utility::Debug::hex << UnsignedInt(implementationSpecific) << "already wrapped or too large"),
        VertexFormat((1u << 31)|UnsignedInt(implementationSpecific));
}

/** @brief Unwrap an implementation-specific identifier from @ref VertexFormat */
template<class T = UnsignedInt> constexpr T vertexFormatUnwrap(VertexFormat format) {
    return CORRADE_CONSTEXPR_ASSERT(UnsignedInt(format) & (1u << 31),
        "vertexFormatUnwrap():" << format << "isn't a wrapped implementation-specific value"),
        T(UnsignedInt(format) & ~(1u << 31));
}

/** @brief Size of given vertex format, including alignment padding */
UnsignedInt vertexFormatSize(VertexFormat format);

/** @brief Scalar component format of given vertex format, with the normalization dropped */
VertexFormat vertexFormatComponentFormat(VertexFormat format);

/** @brief Component count of given vertex format, not counting padding */
UnsignedInt vertexFormatComponentCount(VertexFormat format);

/** @brief Vector count of given vertex format; 1 for non-matrix formats */
UnsignedInt vertexFormatVectorCount(VertexFormat format);

/** @brief Vector stride of given vertex format, including alignment padding */
UnsignedInt vertexFormatVectorStride(VertexFormat format);

/** @brief Whether given vertex format is normalized */
bool isVertexFormatNormalized(VertexFormat format);

/** @brief Assemble a vector vertex format from a component format and count */
VertexFormat vertexFormat(VertexFormat format, UnsignedInt componentCount, bool normalized);

/** @brief Assemble a matrix vertex format from a component format, vector and component count */
VertexFormat vertexFormat(VertexFormat format, UnsignedInt vectorCount, UnsignedInt componentCount, bool aligned);

}

#endif
