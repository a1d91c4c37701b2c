#ifndef Magnum_Math_RectangularMatrix_h
#define Magnum_Math_RectangularMatrix_h
/* Column-major matrix of arbitrary size */

#include "Magnum/Math/Vector.h"

namespace Magnum { namespace Math {

namespace Implementation {
    template<std::size_t, std::size_t, class, class> struct RectangularMatrixConverter;

    /* Column @p col of a matrix with @p value on the diagonal */
    template<std::size_t size, class T, std::size_t ...i> constexpr Vector<size, T> diagonalColumn(std::size_t col, T value, Corrade::Containers::Implementation::Sequence<i...>) {
        return {(i == col ? value : T(0))...};
    }
}

/** Matrix with @p cols columns of @p rows components each */
template<std::size_t cols, std::size_t rows, class T> class RectangularMatrix {
    static_assert(cols != 0 && rows != 0, "RectangularMatrix cannot have zero elements");

    template<std::size_t, std::size_t, class> friend class RectangularMatrix;

    public:
        typedef T Type;

        enum: std::size_t {
            Cols = cols,
            Rows = rows,
            DiagonalSize = (cols < rows ? cols : rows)
        };

        static RectangularMatrix<cols, rows, T>& from(T* data) {
            return *reinterpret_cast<RectangularMatrix<cols, rows, T>*>(data);
        }
        static const RectangularMatrix<cols, rows, T>& from(const T* data) {
            return *reinterpret_cast<const RectangularMatrix<cols, rows, T>*>(data);
        }

        /** Matrix from a vector of all components in column-major order */
        static RectangularMatrix<cols, rows, T> fromVector(const Vector<cols*rows, T>& vector) {
            return from(vector.data());
        }

        /** Zero matrix with the given diagonal */
        static RectangularMatrix<cols, rows, T> fromDiagonal(const Vector<DiagonalSize, T>& diagonal) {
            RectangularMatrix<cols, rows, T> out;
            for(std::size_t i = 0; i != DiagonalSize; ++i) out._data[i][i] = diagonal[i];
            return out;
        }

        constexpr /*implicit*/ RectangularMatrix() noexcept: RectangularMatrix{ZeroInit} {}
        constexpr explicit RectangularMatrix(ZeroInitT) noexcept: RectangularMatrix{ZeroInit, typename Corrade::Containers::Implementation::GenerateSequence<cols>::Type{}} {}
        /** Identity with @p value on the diagonal */
        constexpr explicit RectangularMatrix(IdentityInitT, T value = T(1)) noexcept: RectangularMatrix{IdentityInit, value, typename Corrade::Containers::Implementation::GenerateSequence<cols>::Type{}} {}
        explicit RectangularMatrix(Magnum::NoInitT) noexcept: RectangularMatrix{Magnum::NoInit, typename Corrade::Containers::Implementation::GenerateSequence<cols>::Type{}} {}

        /** Construct from column vectors */
        template<class ...U, typename std::enable_if<sizeof...(U) + 1 == cols, int>::type = 0> constexpr /*implicit*/ RectangularMatrix(const Vector<rows, T>& first, const U&... next) noexcept: _data{first, next...} {}

        /** One value for all components */
        constexpr explicit RectangularMatrix(T value) noexcept: RectangularMatrix{value, typename Corrade::Containers::Implementation::GenerateSequence<cols>::Type{}} {}

        /** Conversion from a different underlying type, no rounding done */
        template<class U> constexpr explicit RectangularMatrix(const RectangularMatrix<cols, rows, U>& other) noexcept: RectangularMatrix(other, typename Corrade::Containers::Implementation::GenerateSequence<cols>::Type{}) {}

        template<class U, class = decltype(Implementation::RectangularMatrixConverter<cols, rows, T, U>::from(std::declval<U>()))> constexpr explicit RectangularMatrix(const U& other): RectangularMatrix(Implementation::RectangularMatrixConverter<cols, rows, T, U>::from(other)) {}

        template<class U, class = decltype(Implementation::RectangularMatrixConverter<cols, rows, T, U>::to(std::declval<RectangularMatrix<cols, rows, T>>()))> constexpr explicit operator U() const {
            return Implementation::RectangularMatrixConverter<cols, rows, T, U>::to(*this);
        }

        T* data() { return _data[0].data(); }
        constexpr const T* data() const { return _data[0].data(); }

        /** Column at given position */
        Vector<rows, T>& operator[](std::size_t col) { return _data[col]; }
        constexpr const Vector<rows, T>& operator[](std::size_t col) const { return _data[col]; }

        /** Row at given position, assembled from the columns */
        Vector<cols, T> row(std::size_t row) const {
            Vector<cols, T> out{Magnum::NoInit};
            for(std::size_t i = 0; i != cols; ++i) out[i] = _data[i][row];
            return out;
        }
        void setRow(std::size_t row, const Vector<cols, T>& data) {
            for(std::size_t i = 0; i != cols; ++i) _data[i][row] = data[i];
        }

        /** Fuzzy for floating-point types */
        bool operator==(const RectangularMatrix<cols, rows, T>& other) const {
            for(std::size_t i = 0; i != cols; ++i)
                if(_data[i] != other._data[i]) return false;
            return true;
        }
        bool operator!=(const RectangularMatrix<cols, rows, T>& other) const {
            return !operator==(other);
        }

        RectangularMatrix<cols, rows, T> operator+() const { return *this; }
        RectangularMatrix<cols, rows, T> operator-() const {
            RectangularMatrix<cols, rows, T> out{Magnum::NoInit};
            for(std::size_t i = 0; i != cols; ++i) out._data[i] = -_data[i];
            return out;
        }

        RectangularMatrix<cols, rows, T>& operator+=(const RectangularMatrix<cols, rows, T>& other) {
            for(std::size_t i = 0; i != cols; ++i) _data[i] += other._data[i];
            return *this;
        }
        RectangularMatrix<cols, rows, T> operator+(const RectangularMatrix<cols, rows, T>& other) const {
            return RectangularMatrix<cols, rows, T>(*this) += other;
        }
        RectangularMatrix<cols, rows, T>& operator-=(const RectangularMatrix<cols, rows, T>& other) {
            for(std::size_t i = 0; i != cols; ++i) _data[i] -= other._data[i];
            return *this;
        }
        RectangularMatrix<cols, rows, T> operator-(const RectangularMatrix<cols, rows, T>& other) const {
            return RectangularMatrix<cols, rows, T>(*this) -= other;
        }
        RectangularMatrix<cols, rows, T>& operator*=(T scalar) {
            for(std::size_t i = 0; i != cols; ++i) _data[i] *= scalar;
            return *this;
        }
        RectangularMatrix<cols, rows, T> operator*(T scalar) const {
            return RectangularMatrix<cols, rows, T>(*this) *= scalar;
        }
        friend RectangularMatrix<cols, rows, T> operator*(typename std::common_type<T>::type scalar, const RectangularMatrix<cols, rows, T>& matrix) {
            return matrix*scalar;
        }
        RectangularMatrix<cols, rows, T>& operator/=(T scalar) {
            for(std::size_t i = 0; i != cols; ++i) _data[i] /= scalar;
            return *this;
        }
        RectangularMatrix<cols, rows, T> operator/(T scalar) const {
            return RectangularMatrix<cols, rows, T>(*this) /= scalar;
        }
        /** Divides the scalar by each component */
        friend RectangularMatrix<cols, rows, T> operator/(typename std::common_type<T>::type scalar, const RectangularMatrix<cols, rows, T>& matrix) {
            RectangularMatrix<cols, rows, T> out{Magnum::NoInit};
            for(std::size_t i = 0; i != cols; ++i) out._data[i] = scalar/matrix._data[i];
            return out;
        }

        /** Matrix multiplication */
        template<std::size_t size> RectangularMatrix<size, rows, T> operator*(const RectangularMatrix<size, cols, T>& other) const {
            RectangularMatrix<size, rows, T> out{ZeroInit};
            for(std::size_t col = 0; col != size; ++col)
                for(std::size_t row = 0; row != rows; ++row)
                    for(std::size_t pos = 0; pos != cols; ++pos)
                        out._data[col][row] += _data[pos][row]*other._data[col][pos];
            return out;
        }

        /** Matrix-vector multiplication */
        Vector<rows, T> operator*(const Vector<cols, T>& other) const {
            Vector<rows, T> out;
            for(std::size_t row = 0; row != rows; ++row)
                for(std::size_t pos = 0; pos != cols; ++pos)
                    out[row] += _data[pos][row]*other[pos];
            return out;
        }

        RectangularMatrix<rows, cols, T> transposed() const {
            RectangularMatrix<rows, cols, T> out{Magnum::NoInit};
            for(std::size_t col = 0; col != cols; ++col)
                for(std::size_t row = 0; row != rows; ++row)
                    out._data[row][col] = _data[col][row];
            return out;
        }

        RectangularMatrix<cols, rows, T> flippedCols() const {
            RectangularMatrix<cols, rows, T> out{Magnum::NoInit};
            for(std::size_t i = 0; i != cols; ++i) out._data[i] = _data[cols - 1 - i];
            return out;
        }
        RectangularMatrix<cols, rows, T> flippedRows() const {
            RectangularMatrix<cols, rows, T> out{Magnum::NoInit};
            for(std::size_t i = 0; i != cols; ++i) out._data[i] = _data[i].flipped();
            return out;
        }

        Vector<DiagonalSize, T> diagonal() const {
            Vector<DiagonalSize, T> out{Magnum::NoInit};
            for(std::size_t i = 0; i != DiagonalSize; ++i) out[i] = _data[i][i];
            return out;
        }

        /** All components in column-major order */
        Vector<rows*cols, T> toVector() const {
            return Vector<rows*cols, T>::from(data());
        }

    protected:
        Vector<rows, T> _data[cols];

    private:
        template<std::size_t ...s> constexpr explicit RectangularMatrix(ZeroInitT, Corrade::Containers::Implementation::Sequence<s...>) noexcept: _data{Vector<rows, T>{(static_cast<void>(s), ZeroInit)}...} {}
        template<std::size_t ...s> constexpr explicit RectangularMatrix(IdentityInitT, T value, Corrade::Containers::Implementation::Sequence<s...>) noexcept: _data{Implementation::diagonalColumn<rows, T>(s, value, typename Corrade::Containers::Implementation::GenerateSequence<rows>::Type{})...} {}
        template<std::size_t ...s> explicit RectangularMatrix(Magnum::NoInitT, Corrade::Containers::Implementation::Sequence<s...>) noexcept: _data{Vector<rows, T>{(static_cast<void>(s), Magnum::NoInit)}...} {}
        template<std::size_t ...s> constexpr explicit RectangularMatrix(T value, Corrade::Containers::Implementation::Sequence<s...>) noexcept: _data{Vector<rows, T>((static_cast<void>(s), value))...} {}
        template<class U, std::size_t ...s> constexpr explicit RectangularMatrix(const RectangularMatrix<cols, rows, U>& other, Corrade::Containers::Implementation::Sequence<s...>) noexcept: _data{Vector<rows, T>(other._data[s])...} {}
};

/** Print as Matrix(a, b,\n       c, d), rows on separate lines */
template<std::size_t cols, std::size_t rows, class T> Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const RectangularMatrix<cols, rows, T>& value) {
    using Corrade::Utility::Debug;
    const bool packed = debug.immediateFlags() >= Debug::Flag::Packed;
    debug << (packed ? "{" : "Matrix(") << Debug::nospace;
    for(std::size_t row = 0; row != rows; ++row) {
        if(row != 0) debug << Debug::nospace << (packed ? ",\n" : ",\n      ");
        for(std::size_t col = 0; col != cols; ++col) {
            if(col != 0) debug << Debug::nospace << ",";
            debug << value[col][row];
        }
    }
    return debug << Debug::nospace << (packed ? "}" : ")");
}

namespace Implementation {

template<std::size_t cols, std::size_t rows, class T> struct StrictWeakOrdering<RectangularMatrix<cols, rows, T>> {
    bool operator()(const RectangularMatrix<cols, rows, T>& a, const RectangularMatrix<cols, rows, T>& b) const {
        StrictWeakOrdering<Vector<rows, T>> o;
        for(std::size_t i = 0; i != cols; ++i) {
            if(o(a[i], b[i])) return true;
            if(o(b[i], a[i])) return false;
        }
        return false;
    }
};

}

/* Re-declares the operators in a subclass so they return the subclass */
#define MAGNUM_RECTANGULARMATRIX_SUBCLASS_IMPLEMENTATION(cols, rows, ...)   \
    static __VA_ARGS__& from(T* data) {                                     \
        return *reinterpret_cast<__VA_ARGS__*>(data);                       \
    }                                                                       \
    static const __VA_ARGS__& from(const T* data) {                         \
        return *reinterpret_cast<const __VA_ARGS__*>(data);                 \
    }                                                                       \
    static __VA_ARGS__ fromVector(const Math::Vector<cols*rows, T>& vector) { \
        return Math::RectangularMatrix<cols, rows, T>::fromVector(vector);  \
    }                                                                       \
    static __VA_ARGS__ fromDiagonal(const Math::Vector<Math::RectangularMatrix<cols, rows, T>::DiagonalSize, T>& diagonal) { \
        return Math::RectangularMatrix<cols, rows, T>::fromDiagonal(diagonal); \
    }                                                                       \
    __VA_ARGS__ operator+() const { return *this; }                         \
    __VA_ARGS__ operator-() const {                                         \
        return Math::RectangularMatrix<cols, rows, T>::operator-();         \
    }                                                                       \
    __VA_ARGS__& operator+=(const Math::RectangularMatrix<cols, rows, T>& other) { \
        Math::RectangularMatrix<cols, rows, T>::operator+=(other);          \
        return *this;                                                       \
    }                                                                       \
    __VA_ARGS__ operator+(const Math::RectangularMatrix<cols, rows, T>& other) const { \
        return Math::RectangularMatrix<cols, rows, T>::operator+(other);    \
    }                                                                       \
    __VA_ARGS__& operator-=(const Math::RectangularMatrix<cols, rows, T>& other) { \
        Math::RectangularMatrix<cols, rows, T>::operator-=(other);          \
        return *this;                                                       \
    }                                                                       \
    __VA_ARGS__ operator-(const Math::RectangularMatrix<cols, rows, T>& other) const { \
        return Math::RectangularMatrix<cols, rows, T>::operator-(other);    \
    }                                                                       \
    __VA_ARGS__& operator*=(T number) {                                     \
        Math::RectangularMatrix<cols, rows, T>::operator*=(number);         \
        return *this;                                                       \
    }                                                                       \
    __VA_ARGS__ operator*(T number) const {                                 \
        return Math::RectangularMatrix<cols, rows, T>::operator*(number);   \
    }                                                                       \
    friend __VA_ARGS__ operator*(typename std::common_type<T>::type number, const __VA_ARGS__& matrix) { \
        return number*static_cast<const Math::RectangularMatrix<cols, rows, T>&>(matrix); \
    }                                                                       \
    __VA_ARGS__& operator/=(T number) {                                     \
        Math::RectangularMatrix<cols, rows, T>::operator/=(number);         \
        return *this;                                                       \
    }                                                                       \
    __VA_ARGS__ operator/(T number) const {                                 \
        return Math::RectangularMatrix<cols, rows, T>::operator/(number);   \
    }                                                                       \
    friend __VA_ARGS__ operator/(typename std::common_type<T>::type number, const __VA_ARGS__& matrix) { \
        return number/static_cast<const Math::RectangularMatrix<cols, rows, T>&>(matrix); \
    }                                                                       \
    __VA_ARGS__ flippedCols() const {                                       \
        return Math::RectangularMatrix<cols, rows, T>::flippedCols();       \
    }                                                                       \
    __VA_ARGS__ flippedRows() const {                                       \
        return Math::RectangularMatrix<cols, rows, T>::flippedRows();       \
    }

}}

#endif
