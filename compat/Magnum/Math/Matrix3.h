#ifndef Magnum_Math_Matrix3_h
#define Magnum_Math_Matrix3_h
/* 3x3 matrix for 2D transformations */

#include "Magnum/Math/Matrix.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum { namespace Math {

/** 2D transformation matrix, column-major */
template<class T> class Matrix3: public Matrix3x3<T> {
    public:
        constexpr static Matrix3<T> translation(const Vector2<T>& vector) {
            return {{T(1), T(0), T(0)},
                    {T(0), T(1), T(0)},
                    {vector.x(), vector.y(), T(1)}};
        }

        constexpr static Matrix3<T> scaling(const Vector2<T>& vector) {
            return {{vector.x(), T(0), T(0)},
                    {T(0), vector.y(), T(0)},
                    {T(0), T(0), T(1)}};
        }

        /** Counterclockwise rotation */
        static Matrix3<T> rotation(Rad<T> angle) {
            const T sine = std::sin(T(angle));
            const T cosine = std::cos(T(angle));
            return {{ cosine,   sine, T(0)},
                    {  -sine, cosine, T(0)},
                    {   T(0),   T(0), T(1)}};
        }

        /** Reflection around a line through the origin with given normal */
        static Matrix3<T> reflection(const Vector2<T>& normal) {
            CORRADE_ASSERT(normal.isNormalized(),
                "Math::Matrix3::reflection(): normal" << normal << "is not normalized", {});
            return from(Matrix2x2<T>() - T(2)*Matrix2x2<T>{normal*normal.x(), normal*normal.y()}, {});
        }

        constexpr static Matrix3<T> shearingX(T amount) {
            return {{T(1), T(0), T(0)},
                    {amount, T(1), T(0)},
                    {T(0), T(0), T(1)}};
        }
        constexpr static Matrix3<T> shearingY(T amount) {
            return {{T(1), amount, T(0)},
                    {T(0), T(1), T(0)},
                    {T(0), T(0), T(1)}};
        }

        /** 2D orthographic projection */
        static Matrix3<T> projection(const Vector2<T>& size) {
            return scaling(T(2.0)/size);
        }

        /** Matrix from a rotation/scaling part and a translation */
        constexpr static Matrix3<T> from(const Matrix2x2<T>& rotationScaling, const Vector2<T>& translation) {
            return {{rotationScaling[0], T(0)},
                    {rotationScaling[1], T(0)},
                    {translation, T(1)}};
        }

        constexpr /*implicit*/ Matrix3() noexcept: Matrix3x3<T>{IdentityInit, T(1)} {}
        constexpr explicit Matrix3(IdentityInitT, T value = T(1)) noexcept: Matrix3x3<T>{IdentityInit, value} {}
        constexpr explicit Matrix3(ZeroInitT) noexcept: Matrix3x3<T>{ZeroInit} {}
        explicit Matrix3(Magnum::NoInitT) noexcept: Matrix3x3<T>{Magnum::NoInit} {}
        constexpr /*implicit*/ Matrix3(const Vector3<T>& first, const Vector3<T>& second, const Vector3<T>& third) noexcept: Matrix3x3<T>(first, second, third) {}
        constexpr explicit Matrix3(T value) noexcept: Matrix3x3<T>{value} {}
        template<class U> constexpr explicit Matrix3(const RectangularMatrix<3, 3, U>& other) noexcept: Matrix3x3<T>(other) {}
        template<class U, class = decltype(Implementation::RectangularMatrixConverter<3, 3, T, U>::from(std::declval<U>()))> constexpr explicit Matrix3(const U& other): Matrix3x3<T>(Implementation::RectangularMatrixConverter<3, 3, T, U>::from(other)) {}
        constexpr /*implicit*/ Matrix3(const RectangularMatrix<3, 3, T>& other) noexcept: Matrix3x3<T>(other) {}

        /** Orthogonal rotation part and the bottom row being (0, 0, 1) */
        bool isRigidTransformation() const {
            return rotationScaling().isOrthogonal() && row(2) == Vector3<T>(T(0), T(0), T(1));
        }

        /** Upper-left 2x2 part */
        constexpr Matrix2x2<T> rotationScaling() const {
            return {(*this)[0].xy(), (*this)[1].xy()};
        }

        /** Rotation part with normalized columns, expected to be orthogonal */
        Matrix2x2<T> rotation() const {
            Matrix2x2<T> rotation{(*this)[0].xy().normalized(),
                                  (*this)[1].xy().normalized()};
            CORRADE_ASSERT(rotation.isOrthogonal(),
                "Math::Matrix3::rotation(): the normalized rotation part is not orthogonal:" << Corrade::Utility::Debug::newline << rotation, {});
            return rotation;
        }

        Vector2<T> scalingSquared() const {
            return {(*this)[0].xy().dot(), (*this)[1].xy().dot()};
        }
        /** Lengths of the first two columns */
        Vector2<T> scaling() const {
            return {(*this)[0].xy().length(), (*this)[1].xy().length()};
        }

        Vector2<T>& right() { return (*this)[0].xy(); }
        constexpr Vector2<T> right() const { return (*this)[0].xy(); }
        Vector2<T>& up() { return (*this)[1].xy(); }
        constexpr Vector2<T> up() const { return (*this)[1].xy(); }
        Vector2<T>& translation() { return (*this)[2].xy(); }
        constexpr Vector2<T> translation() const { return (*this)[2].xy(); }

        /** Inverse of a rigid transformation */
        Matrix3<T> invertedRigid() const {
            CORRADE_ASSERT(isRigidTransformation(),
                "Math::Matrix3::invertedRigid(): the matrix doesn't represent a rigid transformation:" << Corrade::Utility::Debug::newline << *this, {});
            Matrix2x2<T> inverseRotation = rotationScaling().transposed();
            return from(inverseRotation, inverseRotation*-translation());
        }

        /** Transforms a vector, translation not applied */
        Vector2<T> transformVector(const Vector2<T>& vector) const {
            return ((*this)*Vector3<T>(vector, T(0))).xy();
        }
        /** Transforms a point, translation applied */
        Vector2<T> transformPoint(const Vector2<T>& vector) const {
            return ((*this)*Vector3<T>(vector, T(1))).xy();
        }

        MAGNUM_RECTANGULARMATRIX_SUBCLASS_IMPLEMENTATION(3, 3, Matrix3<T>)
        MAGNUM_MATRIX_SUBCLASS_IMPLEMENTATION(3, Matrix3, Vector3)
};

namespace Implementation {
    template<class T> struct StrictWeakOrdering<Matrix3<T>>: StrictWeakOrdering<RectangularMatrix<3, 3, T>> {};
}

}}

#endif
