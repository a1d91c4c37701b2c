#ifndef Magnum_Math_Matrix4_h
#define Magnum_Math_Matrix4_h
/* 4x4 matrix for 3D transformations */

#include "Magnum/Math/Matrix.h"
#include "Magnum/Math/Vector4.h"

namespace Magnum { namespace Math {

/** 3D transformation matrix, column-major */
template<class T> class Matrix4: public Matrix4x4<T> {
    public:
        constexpr static Matrix4<T> translation(const Vector3<T>& vector) {
            return {{T(1), T(0), T(0), T(0)},
                    {T(0), T(1), T(0), T(0)},
                    {T(0), T(0), T(1), T(0)},
                    {vector.x(), vector.y(), vector.z(), T(1)}};
        }

        constexpr static Matrix4<T> scaling(const Vector3<T>& vector) {
            return {{vector.x(), T(0), T(0), T(0)},
                    {T(0), vector.y(), T(0), T(0)},
                    {T(0), T(0), vector.z(), T(0)},
                    {T(0), T(0), T(0), T(1)}};
        }

        /** Counterclockwise rotation around a normalized axis */
        static Matrix4<T> rotation(Rad<T> angle, const Vector3<T>& normalizedAxis);

        static Matrix4<T> rotationX(Rad<T> angle) {
            const T sine = std::sin(T(angle));
            const T cosine = std::cos(T(angle));
            return {{T(1), T(0), T(0), T(0)},
                    {T(0), cosine, sine, T(0)},
                    {T(0), -sine, cosine, T(0)},
                    {T(0), T(0), T(0), T(1)}};
        }
        static Matrix4<T> rotationY(Rad<T> angle) {
            const T sine = std::sin(T(angle));
            const T cosine = std::cos(T(angle));
            return {{cosine, T(0), -sine, T(0)},
                    {T(0), T(1), T(0), T(0)},
                    {sine, T(0), cosine, T(0)},
                    {T(0), T(0), T(0), T(1)}};
        }
        static Matrix4<T> rotationZ(Rad<T> angle) {
            const T sine = std::sin(T(angle));
            const T cosine = std::cos(T(angle));
            return {{cosine, sine, T(0), T(0)},
                    {-sine, cosine, T(0), T(0)},
                    {T(0), T(0), T(1), T(0)},
                    {T(0), T(0), T(0), T(1)}};
        }

        /** Orthographic projection with the camera looking at -Z */
        static Matrix4<T> orthographicProjection(const Vector2<T>& size, T near, T far) {
            const Vector2<T> xyScale = T(2.0)/size;
            const T zScale = T(2.0)/(near - far);
            return {{xyScale.x(), T(0), T(0), T(0)},
                    {T(0), xyScale.y(), T(0), T(0)},
                    {T(0), T(0), zScale, T(0)},
                    {T(0), T(0), near*zScale - T(1), T(1)}};
        }

        /** Perspective projection, @p far can be infinity */
        static Matrix4<T> perspectiveProjection(const Vector2<T>& size, T near, T far) {
            const Vector2<T> xyScale = 2*near/size;
            T m22, m32;
            if(far == Constants<T>::inf()) {
                m22 = T(-1);
                m32 = T(-2)*near;
            } else {
                const T zScale = T(1.0)/(near - far);
                m22 = (far + near)*zScale;
                m32 = T(2)*far*near*zScale;
            }
            return {{xyScale.x(), T(0), T(0), T(0)},
                    {T(0), xyScale.y(), T(0), T(0)},
                    {T(0), T(0), m22, T(-1)},
                    {T(0), T(0), m32, T(0)}};
        }

        /** Perspective projection from a horizontal field of view */
        static Matrix4<T> perspectiveProjection(Rad<T> fov, T aspectRatio, T near, T far) {
            /* Multiplying by the reciprocal rounds differently than dividing */
            const T xyScale = T(2)*near*std::tan(T(fov)*T(0.5));
            return perspectiveProjection(Vector2<T>(xyScale, xyScale*(T(1)/aspectRatio)), near, far);
        }

        /** Camera at @p eye looking at @p target */
        static Matrix4<T> lookAt(const Vector3<T>& eye, const Vector3<T>& target, const Vector3<T>& up) {
            const Vector3<T> backward = (eye - target).normalized();
            const Vector3<T> right = cross(up, backward).normalized();
            const Vector3<T> realUp = cross(backward, right);
            return from(Matrix3x3<T>{right, realUp, backward}, eye);
        }

        /** Matrix from a rotation/scaling part and a translation */
        constexpr static Matrix4<T> from(const Matrix3x3<T>& rotationScaling, const Vector3<T>& translation) {
            return {{rotationScaling[0], T(0)},
                    {rotationScaling[1], T(0)},
                    {rotationScaling[2], T(0)},
                    {translation, T(1)}};
        }

        constexpr /*implicit*/ Matrix4() noexcept: Matrix4x4<T>{IdentityInit, T(1)} {}
        constexpr explicit Matrix4(IdentityInitT, T value = T(1)) noexcept: Matrix4x4<T>{IdentityInit, value} {}
        constexpr explicit Matrix4(ZeroInitT) noexcept: Matrix4x4<T>{ZeroInit} {}
        explicit Matrix4(Magnum::NoInitT) noexcept: Matrix4x4<T>{Magnum::NoInit} {}
        constexpr /*implicit*/ Matrix4(const Vector4<T>& first, const Vector4<T>& second, const Vector4<T>& third, const Vector4<T>& fourth) noexcept: Matrix4x4<T>(first, second, third, fourth) {}
        constexpr explicit Matrix4(T value) noexcept: Matrix4x4<T>{value} {}
        template<class U> constexpr explicit Matrix4(const RectangularMatrix<4, 4, U>& other) noexcept: Matrix4x4<T>(other) {}
        template<class U, class = decltype(Implementation::RectangularMatrixConverter<4, 4, T, U>::from(std::declval<U>()))> constexpr explicit Matrix4(const U& other): Matrix4x4<T>(Implementation::RectangularMatrixConverter<4, 4, T, U>::from(other)) {}
        constexpr /*implicit*/ Matrix4(const RectangularMatrix<4, 4, T>& other) noexcept: Matrix4x4<T>(other) {}

        /** Orthogonal rotation part and the bottom row being (0, 0, 0, 1) */
        bool isRigidTransformation() const {
            return rotationScaling().isOrthogonal() && row(3) == Vector4<T>(T(0), T(0), T(0), T(1));
        }

        /** Upper-left 3x3 part */
        constexpr Matrix3x3<T> rotationScaling() const {
            return {(*this)[0].xyz(), (*this)[1].xyz(), (*this)[2].xyz()};
        }

        /** Rotation part with normalized columns, expected to be orthogonal */
        Matrix3x3<T> rotation() const {
            Matrix3x3<T> rotation{(*this)[0].xyz().normalized(),
                                  (*this)[1].xyz().normalized(),
                                  (*this)[2].xyz().normalized()};
            CORRADE_ASSERT(rotation.isOrthogonal(),
                "Math::Matrix4::rotation(): the normalized rotation part is not orthogonal:" << Corrade::Utility::Debug::newline << rotation, {});
            return rotation;
        }

        Vector3<T> scalingSquared() const {
            return {(*this)[0].xyz().dot(), (*this)[1].xyz().dot(), (*this)[2].xyz().dot()};
        }
        /** Lengths of the first three columns */
        Vector3<T> scaling() const {
            return {(*this)[0].xyz().length(), (*this)[1].xyz().length(), (*this)[2].xyz().length()};
        }

        /** Cofactor matrix of the upper-left 3x3 part */
        Matrix3x3<T> normalMatrix() const {
            return rotationScaling().inverted().transposed();
        }

        Vector3<T>& right() { return (*this)[0].xyz(); }
        constexpr Vector3<T> right() const { return (*this)[0].xyz(); }
        Vector3<T>& up() { return (*this)[1].xyz(); }
        constexpr Vector3<T> up() const { return (*this)[1].xyz(); }
        Vector3<T>& backward() { return (*this)[2].xyz(); }
        constexpr Vector3<T> backward() const { return (*this)[2].xyz(); }
        Vector3<T>& translation() { return (*this)[3].xyz(); }
        constexpr Vector3<T> translation() const { return (*this)[3].xyz(); }

        /** Inverse of a rigid transformation */
        Matrix4<T> invertedRigid() const {
            CORRADE_ASSERT(isRigidTransformation(),
                "Math::Matrix4::invertedRigid(): the matrix doesn't represent a rigid transformation:" << Corrade::Utility::Debug::newline << *this, {});
            Matrix3x3<T> inverseRotation = rotationScaling().transposed();
            return from(inverseRotation, inverseRotation*-translation());
        }

        /** Transforms a vector, translation not applied */
        Vector3<T> transformVector(const Vector3<T>& vector) const {
            return ((*this)*Vector4<T>(vector, T(0))).xyz();
        }
        /** Transforms a point with a perspective divide */
        Vector3<T> transformPoint(const Vector3<T>& vector) const {
            const Vector4<T> transformed{(*this)*Vector4<T>(vector, T(1))};
            return transformed.xyz()/transformed.w();
        }

        MAGNUM_RECTANGULARMATRIX_SUBCLASS_IMPLEMENTATION(4, 4, Matrix4<T>)
        MAGNUM_MATRIX_SUBCLASS_IMPLEMENTATION(4, Matrix4, Vector4)
};

template<class T> Matrix4<T> Matrix4<T>::rotation(const Rad<T> angle, const Vector3<T>& normalizedAxis) {
    CORRADE_ASSERT(normalizedAxis.isNormalized(),
        "Math::Matrix4::rotation(): axis" << normalizedAxis << "is not normalized", {});

    const T sine = std::sin(T(angle));
    const T cosine = std::cos(T(angle));
    const T oneMinusCosine = T(1) - cosine;

    const T xx = normalizedAxis.x()*normalizedAxis.x();
    const T xy = normalizedAxis.x()*normalizedAxis.y();
    const T xz = normalizedAxis.x()*normalizedAxis.z();
    const T yy = normalizedAxis.y()*normalizedAxis.y();
    const T yz = normalizedAxis.y()*normalizedAxis.z();
    const T zz = normalizedAxis.z()*normalizedAxis.z();

    return {
        {cosine + xx*oneMinusCosine,
         xy*oneMinusCosine + normalizedAxis.z()*sine,
         xz*oneMinusCosine - normalizedAxis.y()*sine,
         T(0)},
        {xy*oneMinusCosine - normalizedAxis.z()*sine,
         cosine + yy*oneMinusCosine,
         yz*oneMinusCosine + normalizedAxis.x()*sine,
         T(0)},
        {xz*oneMinusCosine + normalizedAxis.y()*sine,
         yz*oneMinusCosine - normalizedAxis.x()*sine,
         cosine + zz*oneMinusCosine,
         T(0)},
        {T(0), T(0), T(0), T(1)}
    };
}

namespace Implementation {
    template<class T> struct StrictWeakOrdering<Matrix4<T>>: StrictWeakOrdering<RectangularMatrix<4, 4, T>> {};
}

}}

#endif
