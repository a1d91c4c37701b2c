#ifndef Magnum_DimensionTraits_h
#define Magnum_DimensionTraits_h
/* Vector, range and matrix types picked by dimension count */

#include "Magnum/Types.h"
#include "Magnum/Math/Math.h"

namespace Magnum {

/** Matrix and vector types for a dimension count */
template<UnsignedInt dimensions, class T> struct DimensionTraits {
    DimensionTraits() = delete;
};

/** Vector type for a dimension count and type */
template<UnsignedInt dimensions, class T> using VectorTypeFor = typename DimensionTraits<dimensions, T>::VectorType;

/** Range type for a dimension count and type */
template<UnsignedInt dimensions, class T> using RangeTypeFor = typename DimensionTraits<dimensions, T>::RangeType;

/** Matrix type for a dimension count and type */
template<UnsignedInt dimensions, class T> using MatrixTypeFor = typename DimensionTraits<dimensions, T>::MatrixType;

template<class T> struct DimensionTraits<1, T> {
    DimensionTraits() = delete;
    typedef Math::Vector<1, T> VectorType;
    typedef Math::Range1D<T> RangeType;
};

template<class T> struct DimensionTraits<2, T> {
    DimensionTraits() = delete;
    typedef Math::Vector2<T> VectorType;
    typedef Math::Range2D<T> RangeType;
};

template<> struct DimensionTraits<2, Float> {
    DimensionTraits() = delete;
    typedef Math::Vector2<Float> VectorType;
    typedef Math::Range2D<Float> RangeType;
    typedef Math::Matrix3<Float> MatrixType;
};

template<> struct DimensionTraits<2, Double> {
    DimensionTraits() = delete;
    typedef Math::Vector2<Double> VectorType;
    typedef Math::Range2D<Double> RangeType;
    typedef Math::Matrix3<Double> MatrixType;
};

template<class T> struct DimensionTraits<3, T> {
    DimensionTraits() = delete;
    typedef Math::Vector3<T> VectorType;
    typedef Math::Range3D<T> RangeType;
};

template<> struct DimensionTraits<3, Float> {
    DimensionTraits() = delete;
    typedef Math::Vector3<Float> VectorType;
    typedef Math::Range3D<Float> RangeType;
    typedef Math::Matrix4<Float> MatrixType;
};

template<> struct DimensionTraits<3, Double> {
    DimensionTraits() = delete;
    typedef Math::Vector3<Double> VectorType;
    typedef Math::Range3D<Double> RangeType;
    typedef Math::Matrix4<Double> MatrixType;
};

}

#endif
