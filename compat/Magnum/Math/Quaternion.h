#ifndef Magnum_Math_Quaternion_h
#define Magnum_Math_Quaternion_h
/* Quaternion and its interpolation functions */

#include "Corrade/Utility/StlMath.h"
#include "Magnum/Math/Matrix.h"
#include "Magnum/Math/TypeTraits.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum { namespace Math {

namespace Implementation {
    template<class, class> struct QuaternionConverter;
}

/** Dot product of two quaternions */
template<class T> inline T dot(const Quaternion<T>& a, const Quaternion<T>& b) {
    return dot(a.vector(), b.vector()) + a.scalar()*b.scalar();
}

/** Half the angle between normalized quaternions, the dot product clamped to
    [-1, 1] */
template<class T> inline Rad<T> halfAngle(const Quaternion<T>& normalizedA, const Quaternion<T>& normalizedB) {
    CORRADE_DEBUG_ASSERT(normalizedA.isNormalized() && normalizedB.isNormalized(),
        "Math::halfAngle(): quaternions" << normalizedA << "and" << normalizedB << "are not normalized", {});
    return Rad<T>{std::acos(clamp(dot(normalizedA, normalizedB), T(-1), T(1)))};
}

/** Normalized linear interpolation, not taking the shortest path */
template<class T> inline Quaternion<T> lerp(const Quaternion<T>& normalizedA, const Quaternion<T>& normalizedB, T t) {
    CORRADE_ASSERT(normalizedA.isNormalized() && normalizedB.isNormalized(),
        "Math::lerp(): quaternions" << normalizedA << "and" << normalizedB << "are not normalized", {});
    return ((T(1) - t)*normalizedA + t*normalizedB).normalized();
}

/** Normalized linear interpolation along the shortest path */
template<class T> inline Quaternion<T> lerpShortestPath(const Quaternion<T>& normalizedA, const Quaternion<T>& normalizedB, T t) {
    return lerp(dot(normalizedA, normalizedB) < T(0) ? -normalizedA : normalizedA, normalizedB, t);
}

/** Spherical linear interpolation, not taking the shortest path */
template<class T> inline Quaternion<T> slerp(const Quaternion<T>& normalizedA, const Quaternion<T>& normalizedB, T t) {
    CORRADE_ASSERT(normalizedA.isNormalized() && normalizedB.isNormalized(),
        "Math::slerp(): quaternions" << normalizedA << "and" << normalizedB << "are not normalized", {});
    const T cosHalfAngle = dot(normalizedA, normalizedB);

    /* Nearly equal or opposite inputs would divide by a sine close to zero.
       A plain (shortest-path, so opposite inputs don't cancel out) linear
       interpolation stays normalized enough there, with half an epsilon of
       headroom for the isNormalized() tolerance. */
    if(std::abs(cosHalfAngle) > T(1) - T(0.5)*TypeTraits<T>::epsilon()) {
        const Quaternion<T> shortestA = cosHalfAngle < 0 ? -normalizedA : normalizedA;
        return (T(1) - t)*shortestA + t*normalizedB;
    }

    const T a = std::acos(cosHalfAngle);
    return (std::sin((T(1) - t)*a)*normalizedA + std::sin(t*a)*normalizedB)/std::sin(a);
}

/** Spherical linear interpolation along the shortest path */
template<class T> inline Quaternion<T> slerpShortestPath(const Quaternion<T>& normalizedA, const Quaternion<T>& normalizedB, T t) {
    CORRADE_ASSERT(normalizedA.isNormalized() && normalizedB.isNormalized(),
        "Math::slerpShortestPath(): quaternions" << normalizedA << "and" << normalizedB << "are not normalized", {});
    const T cosHalfAngle = dot(normalizedA, normalizedB);
    const Quaternion<T> shortestA = cosHalfAngle < 0 ? -normalizedA : normalizedA;

    /* Same fallback as in slerp() */
    if(std::abs(cosHalfAngle) >= T(1) - TypeTraits<T>::epsilon())
        return (T(1) - t)*shortestA + t*normalizedB;

    const T a = std::acos(std::abs(cosHalfAngle));
    return (std::sin((T(1) - t)*a)*shortestA + std::sin(t*a)*normalizedB)/std::sin(a);
}

/** Quaternion [vector, scalar], representing a 3D rotation */
template<class T> class Quaternion {
    template<class> friend class Quaternion;

    public:
        typedef T Type;

        /** Counterclockwise rotation around a normalized axis */
        static Quaternion<T> rotation(Rad<T> angle, const Vector3<T>& normalizedAxis) {
            CORRADE_ASSERT(normalizedAxis.isNormalized(),
                "Math::Quaternion::rotation(): axis" << normalizedAxis << "is not normalized", {});
            return {normalizedAxis*std::sin(T(angle)/2), std::cos(T(angle)/2)};
        }

        /** From an orthogonal rotation matrix */
        static Quaternion<T> fromMatrix(const Matrix3x3<T>& matrix);

        constexpr /*implicit*/ Quaternion() noexcept: _scalar{T(1)} {}
        constexpr explicit Quaternion(IdentityInitT) noexcept: _scalar{T(1)} {}
        constexpr explicit Quaternion(ZeroInitT) noexcept: _vector{ZeroInit}, _scalar{T{0}} {}
        explicit Quaternion(Magnum::NoInitT) noexcept: _vector{Magnum::NoInit} {}
        constexpr /*implicit*/ Quaternion(const Vector3<T>& vector, T scalar) noexcept: _vector(vector), _scalar(scalar) {}
        /** Pure quaternion with a zero scalar part */
        constexpr explicit Quaternion(const Vector3<T>& vector) noexcept: _vector(vector), _scalar(T(0)) {}
        template<class U> constexpr explicit Quaternion(const Quaternion<U>& other) noexcept: _vector{other._vector}, _scalar{T(other._scalar)} {}
        template<class U, class = decltype(Implementation::QuaternionConverter<T, U>::from(std::declval<U>()))> constexpr explicit Quaternion(const U& other): Quaternion{Implementation::QuaternionConverter<T, U>::from(other)} {}

        template<class U, class = decltype(Implementation::QuaternionConverter<T, U>::to(std::declval<Quaternion<T>>()))> constexpr explicit operator U() const {
            return Implementation::QuaternionConverter<T, U>::to(*this);
        }

        /** Vector part first, scalar after */
        T* data() { return _vector.data(); }
        constexpr const T* data() const { return _vector.data(); }

        /** Fuzzy for floating-point types */
        bool operator==(const Quaternion<T>& other) const {
            return _vector == other._vector && TypeTraits<T>::equals(_scalar, other._scalar);
        }
        bool operator!=(const Quaternion<T>& other) const {
            return !operator==(other);
        }

        bool isNormalized() const {
            return Implementation::isNormalizedSquared(dot());
        }

        Vector3<T>& vector() { return _vector; }
        constexpr const Vector3<T> vector() const { return _vector; }
        T& scalar() { return _scalar; }
        constexpr T scalar() const { return _scalar; }

        /** Rotation angle of a normalized quaternion */
        Rad<T> angle() const {
            CORRADE_ASSERT(isNormalized(),
                "Math::Quaternion::angle():" << *this << "is not normalized", {});
            return Rad<T>(T(2)*std::acos(_scalar));
        }

        /** Rotation axis of a normalized quaternion, NaN for identity */
        Vector3<T> axis() const {
            CORRADE_ASSERT(isNormalized(),
                "Math::Quaternion::axis():" << *this << "is not normalized", {});
            return _vector/std::sqrt(1 - _scalar*_scalar);
        }

        Matrix3x3<T> toMatrix() const;

        Quaternion<T> operator-() const { return {-_vector, -_scalar}; }

        Quaternion<T>& operator+=(const Quaternion<T>& other) {
            _vector += other._vector;
            _scalar += other._scalar;
            return *this;
        }
        Quaternion<T> operator+(const Quaternion<T>& other) const {
            return Quaternion<T>(*this) += other;
        }
        Quaternion<T>& operator-=(const Quaternion<T>& other) {
            _vector -= other._vector;
            _scalar -= other._scalar;
            return *this;
        }
        Quaternion<T> operator-(const Quaternion<T>& other) const {
            return Quaternion<T>(*this) -= other;
        }
        Quaternion<T>& operator*=(T scalar) {
            _vector *= scalar;
            _scalar *= scalar;
            return *this;
        }
        Quaternion<T> operator*(T scalar) const {
            return Quaternion<T>(*this) *= scalar;
        }
        Quaternion<T>& operator/=(T scalar) {
            _vector /= scalar;
            _scalar /= scalar;
            return *this;
        }
        Quaternion<T> operator/(T scalar) const {
            return Quaternion<T>(*this) /= scalar;
        }

        /** Hamilton product */
        Quaternion<T> operator*(const Quaternion<T>& other) const {
            return {_scalar*other._vector + other._scalar*_vector + Math::cross(_vector, other._vector),
                    _scalar*other._scalar - Math::dot(_vector, other._vector)};
        }

        /** Squared length */
        T dot() const { return Math::dot(*this, *this); }
        T length() const { return std::sqrt(dot()); }
        Quaternion<T> normalized() const { return (*this)/length(); }
        Quaternion<T> conjugated() const { return {-_vector, _scalar}; }
        Quaternion<T> inverted() const { return conjugated()/dot(); }
        Quaternion<T> invertedNormalized() const {
            CORRADE_ASSERT(isNormalized(),
                "Math::Quaternion::invertedNormalized():" << *this << "is not normalized", {});
            return conjugated();
        }

        /** Rotates a vector as q*v*q^-1 */
        Vector3<T> transformVector(const Vector3<T>& vector) const {
            return ((*this)*Quaternion<T>(vector)*inverted()).vector();
        }

        /** Rotates a vector with a normalized quaternion, using two cross products */
        Vector3<T> transformVectorNormalized(const Vector3<T>& vector) const {
            CORRADE_ASSERT(isNormalized(),
                "Math::Quaternion::transformVectorNormalized():" << *this << "is not normalized", {});
            const Vector3<T> t = T(2)*Math::cross(_vector, vector);
            return vector + _scalar*t + Math::cross(_vector, t);
        }

    private:
        Vector3<T> _vector;
        T _scalar;
};

template<class T> inline Quaternion<T> operator*(T scalar, const Quaternion<T>& quaternion) {
    return quaternion*scalar;
}

/** Divides the scalar by each component */
template<class T> inline Quaternion<T> operator/(T scalar, const Quaternion<T>& quaternion) {
    return {scalar/quaternion.vector(), scalar/quaternion.scalar()};
}

/** Print as Quaternion({x, y, z}, w) */
template<class T> Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Quaternion<T>& value) {
    using Corrade::Utility::Debug;
    return debug << "Quaternion({" << Debug::nospace
        << value.vector().x() << Debug::nospace << ","
        << value.vector().y() << Debug::nospace << ","
        << value.vector().z() << Debug::nospace << "},"
        << value.scalar() << Debug::nospace << ")";
}

namespace Implementation {

/* Without the orthogonality assertion */
template<class T> Quaternion<T> quaternionFromMatrix(const Matrix3x3<T>& m) {
    const Vector<3, T> diagonal = m.diagonal();
    const T trace = diagonal.sum();

    if(trace > T(0)) {
        const T s = std::sqrt(trace + T(1));
        const T t = T(0.5)/s;
        return {Vector3<T>(m[1][2] - m[2][1],
                           m[2][0] - m[0][2],
                           m[0][1] - m[1][0])*t, s*T(0.5)};
    }

    /* Pick the largest diagonal element for numerical stability */
    std::size_t i = 0;
    if(diagonal[1] > diagonal[0]) i = 1;
    if(diagonal[2] > diagonal[i]) i = 2;
    const std::size_t j = (i + 1) % 3;
    const std::size_t k = (i + 2) % 3;

    const T s = std::sqrt(diagonal[i] - diagonal[j] - diagonal[k] + T(1));
    const T t = (s == T(0) ? T(0) : T(0.5)/s);

    Vector3<T> vec;
    vec[i] = s*T(0.5);
    vec[j] = (m[i][j] + m[j][i])*t;
    vec[k] = (m[i][k] + m[k][i])*t;
    return {vec, (m[j][k] - m[k][j])*t};
}

template<class T> struct StrictWeakOrdering<Quaternion<T>> {
    bool operator()(const Quaternion<T>& a, const Quaternion<T>& b) const {
        StrictWeakOrdering<Vector<3, T>> o;
        if(o(a.vector(), b.vector())) return true;
        if(o(b.vector(), a.vector())) return false;
        return a.scalar() < b.scalar();
    }
};

}

template<class T> inline Quaternion<T> Quaternion<T>::fromMatrix(const Matrix3x3<T>& matrix) {
    CORRADE_ASSERT(matrix.isOrthogonal(),
        "Math::Quaternion::fromMatrix(): the matrix is not orthogonal:" << Corrade::Utility::Debug::newline << matrix, {});
    return Implementation::quaternionFromMatrix(matrix);
}

template<class T> Matrix3x3<T> Quaternion<T>::toMatrix() const {
    const T xx = _vector.x()*_vector.x();
    const T yy = _vector.y()*_vector.y();
    const T zz = _vector.z()*_vector.z();
    return {
        Vector<3, T>(T(1) - 2*yy - 2*zz,
            2*_vector.x()*_vector.y() + 2*_vector.z()*_scalar,
            2*_vector.x()*_vector.z() - 2*_vector.y()*_scalar),
        Vector<3, T>(2*_vector.x()*_vector.y() - 2*_vector.z()*_scalar,
            T(1) - 2*xx - 2*zz,
            2*_vector.y()*_vector.z() + 2*_vector.x()*_scalar),
        Vector<3, T>(2*_vector.x()*_vector.z() + 2*_vector.y()*_scalar,
            2*_vector.y()*_vector.z() - 2*_vector.x()*_scalar,
            T(1) - 2*xx - 2*yy)
    };
}

}}

#endif
