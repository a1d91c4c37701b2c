#ifndef Magnum_Math_Matrix_h
#define Magnum_Math_Matrix_h
/* Square matrix */

#include "Magnum/Math/RectangularMatrix.h"

namespace Magnum { namespace Math {

namespace Implementation {
    template<std::size_t size, class T> struct MatrixDeterminant;
}

/** Square matrix, identity by default */
template<std::size_t size, class T> class Matrix: public RectangularMatrix<size, size, T> {
    public:
        enum: std::size_t {
            Size = size
        };

        constexpr /*implicit*/ Matrix() noexcept: RectangularMatrix<size, size, T>{IdentityInit, T(1)} {}
        /** Identity with @p value on the diagonal */
        constexpr explicit Matrix(IdentityInitT, T value = T(1)) noexcept: RectangularMatrix<size, size, T>{IdentityInit, value} {}
        constexpr explicit Matrix(ZeroInitT) noexcept: RectangularMatrix<size, size, T>{ZeroInit} {}
        explicit Matrix(Magnum::NoInitT) noexcept: RectangularMatrix<size, size, T>{Magnum::NoInit} {}
        template<class ...U, typename std::enable_if<sizeof...(U) + 1 == size, int>::type = 0> constexpr /*implicit*/ Matrix(const Vector<size, T>& first, const U&... next) noexcept: RectangularMatrix<size, size, T>(first, next...) {}
        constexpr explicit Matrix(T value) noexcept: RectangularMatrix<size, size, T>{value} {}
        template<class U> constexpr explicit Matrix(const RectangularMatrix<size, size, U>& other) noexcept: RectangularMatrix<size, size, T>(other) {}
        template<class U, class = decltype(Implementation::RectangularMatrixConverter<size, size, T, U>::from(std::declval<U>()))> constexpr explicit Matrix(const U& other): RectangularMatrix<size, size, T>(Implementation::RectangularMatrixConverter<size, size, T, U>::from(other)) {}
        constexpr /*implicit*/ Matrix(const RectangularMatrix<size, size, T>& other) noexcept: RectangularMatrix<size, size, T>(other) {}

        /** Normalized, mutually perpendicular columns */
        bool isOrthogonal() const {
            for(std::size_t i = 0; i != size; ++i)
                if(!(*this)[i].isNormalized()) return false;
            for(std::size_t i = 0; i + 1 < size; ++i)
                for(std::size_t j = i + 1; j != size; ++j)
                    if(std::abs(Math::dot((*this)[i], (*this)[j])) > TypeTraits<T>::epsilon())
                        return false;
            return true;
        }

        T trace() const { return RectangularMatrix<size, size, T>::diagonal().sum(); }

        /** Matrix without given column and row */
        Matrix<size - 1, T> ij(std::size_t skipCol, std::size_t skipRow) const {
            Matrix<size - 1, T> out{Magnum::NoInit};
            for(std::size_t col = 0; col != size - 1; ++col)
                for(std::size_t row = 0; row != size - 1; ++row)
                    out[col][row] = (*this)[col + (col >= skipCol)][row + (row >= skipRow)];
            return out;
        }

        T cofactor(std::size_t col, std::size_t row) const {
            return (((row + col) & 1) ? -1 : 1)*ij(col, row).determinant();
        }

        Matrix<size, T> comatrix() const {
            Matrix<size, T> out{Magnum::NoInit};
            for(std::size_t col = 0; col != size; ++col)
                for(std::size_t row = 0; row != size; ++row)
                    out[col][row] = cofactor(col, row);
            return out;
        }

        /** Transposed comatrix */
        Matrix<size, T> adjugate() const {
            Matrix<size, T> out{Magnum::NoInit};
            for(std::size_t col = 0; col != size; ++col)
                for(std::size_t row = 0; row != size; ++row)
                    out[col][row] = cofactor(row, col);
            return out;
        }

        /** Laplace expansion along the first row */
        T determinant() const { return Implementation::MatrixDeterminant<size, T>()(*this); }

        /** Adjugate divided by the determinant */
        Matrix<size, T> inverted() const {
            return adjugate()/determinant();
        }

        Matrix<size, T> invertedOrthogonal() const {
            CORRADE_ASSERT(isOrthogonal(),
                "Math::Matrix::invertedOrthogonal(): the matrix is not orthogonal:" << Corrade::Utility::Debug::newline << *this, {});
            return RectangularMatrix<size, size, T>::transposed();
        }

        Matrix<size, T> operator*(const Matrix<size, T>& other) const {
            return RectangularMatrix<size, size, T>::operator*(other);
        }
        template<std::size_t otherCols> RectangularMatrix<otherCols, size, T> operator*(const RectangularMatrix<otherCols, size, T>& other) const {
            return RectangularMatrix<size, size, T>::operator*(other);
        }
        Vector<size, T> operator*(const Vector<size, T>& other) const {
            return RectangularMatrix<size, size, T>::operator*(other);
        }
        Matrix<size, T> transposed() const {
            return RectangularMatrix<size, size, T>::transposed();
        }

        MAGNUM_RECTANGULARMATRIX_SUBCLASS_IMPLEMENTATION(size, size, Matrix<size, T>)
};

namespace Implementation {

template<std::size_t size, class T> struct MatrixDeterminant {
    T operator()(const Matrix<size, T>& m) const {
        T out(0);
        for(std::size_t col = 0; col != size; ++col)
            out += m[col][0]*m.cofactor(col, 0);
        return out;
    }
};

template<class T> struct MatrixDeterminant<3, T> {
    T operator()(const Matrix<3, T>& m) const {
        return m[0][0]*((m[1][1]*m[2][2]) - (m[2][1]*m[1][2])) -
               m[0][1]*(m[1][0]*m[2][2] - m[2][0]*m[1][2]) +
               m[0][2]*(m[1][0]*m[2][1] - m[2][0]*m[1][1]);
    }
};

template<class T> struct MatrixDeterminant<2, T> {
    T operator()(const Matrix<2, T>& m) const {
        return m[0][0]*m[1][1] - m[1][0]*m[0][1];
    }
};

template<class T> struct MatrixDeterminant<1, T> {
    T operator()(const Matrix<1, T>& m) const {
        return m[0][0];
    }
};

template<std::size_t size, class T> struct StrictWeakOrdering<Matrix<size, T>>: StrictWeakOrdering<RectangularMatrix<size, size, T>> {};

}

/* Re-declares the square matrix operations in a subclass */
#define MAGNUM_MATRIX_SUBCLASS_IMPLEMENTATION(size, Type, VectorType)       \
    VectorType<T>& operator[](std::size_t col) {                            \
        return static_cast<VectorType<T>&>(Math::Matrix<size, T>::operator[](col)); \
    }                                                                       \
    constexpr const VectorType<T> operator[](std::size_t col) const {       \
        return VectorType<T>(Math::Matrix<size, T>::operator[](col));       \
    }                                                                       \
    VectorType<T> row(std::size_t row) const {                              \
        return VectorType<T>(Math::Matrix<size, T>::row(row));              \
    }                                                                       \
    Type<T> operator*(const Math::Matrix<size, T>& other) const {           \
        return Math::Matrix<size, T>::operator*(other);                     \
    }                                                                       \
    template<std::size_t otherCols> Math::RectangularMatrix<otherCols, size, T> operator*(const Math::RectangularMatrix<otherCols, size, T>& other) const { \
        return Math::Matrix<size, T>::operator*(other);                     \
    }                                                                       \
    VectorType<T> operator*(const Math::Vector<size, T>& other) const {     \
        return Math::Matrix<size, T>::operator*(other);                     \
    }                                                                       \
    Type<T> transposed() const { return Math::Matrix<size, T>::transposed(); } \
    VectorType<T> diagonal() const { return Math::Matrix<size, T>::diagonal(); } \
    Type<T> comatrix() const { return Math::Matrix<size, T>::comatrix(); }  \
    Type<T> adjugate() const { return Math::Matrix<size, T>::adjugate(); }  \
    Type<T> inverted() const { return Math::Matrix<size, T>::inverted(); }  \
    Type<T> invertedOrthogonal() const {                                    \
        return Math::Matrix<size, T>::invertedOrthogonal();                 \
    }

}}

#endif
