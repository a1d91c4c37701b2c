#ifndef Magnum_Math_Vector3_h
#define Magnum_Math_Vector3_h
/* Three-component vector and the cross product */

#include "Magnum/Math/Vector2.h"

namespace Magnum { namespace Math {

/** Cross product */
template<class T> inline Vector3<T> cross(const Vector3<T>& a, const Vector3<T>& b) {
    return {
        a._data[1]*b._data[2] - b._data[1]*a._data[2],
        a._data[2]*b._data[0] - b._data[2]*a._data[0],
        a._data[0]*b._data[1] - b._data[0]*a._data[1]
    };
}

/** Three-component vector */
template<class T> class Vector3: public Vector<3, T> {
    public:
        constexpr static Vector3<T> xAxis(T length = T(1)) { return {length, T(0), T(0)}; }
        constexpr static Vector3<T> yAxis(T length = T(1)) { return {T(0), length, T(0)}; }
        constexpr static Vector3<T> zAxis(T length = T(1)) { return {T(0), T(0), length}; }
        constexpr static Vector3<T> xScale(T scale) { return {scale, T(1), T(1)}; }
        constexpr static Vector3<T> yScale(T scale) { return {T(1), scale, T(1)}; }
        constexpr static Vector3<T> zScale(T scale) { return {T(1), T(1), scale}; }

        constexpr /*implicit*/ Vector3() noexcept: Vector<3, T>{ZeroInit} {}
        constexpr explicit Vector3(ZeroInitT) noexcept: Vector<3, T>{ZeroInit} {}
        explicit Vector3(Magnum::NoInitT) noexcept: Vector<3, T>{Magnum::NoInit} {}
        constexpr explicit Vector3(T value) noexcept: Vector<3, T>(value) {}
        constexpr /*implicit*/ Vector3(T x, T y, T z) noexcept: Vector<3, T>(x, y, z) {}
        constexpr /*implicit*/ Vector3(const Vector2<T>& xy, T z) noexcept: Vector<3, T>(xy[0], xy[1], z) {}
        template<std::size_t size_> constexpr explicit Vector3(const T(&data)[size_]) noexcept: Vector<3, T>{data} {}
        template<class U> constexpr explicit Vector3(const Vector<3, U>& other) noexcept: Vector<3, T>(other) {}
        constexpr explicit Vector3(const BitVector<3>& other) noexcept: Vector<3, T>{other} {}
        template<class U, class = decltype(Implementation::VectorConverter<3, T, U>::from(std::declval<U>()))> constexpr explicit Vector3(const U& other): Vector<3, T>(Implementation::VectorConverter<3, T, U>::from(other)) {}
        constexpr /*implicit*/ Vector3(const Vector<3, T>& other) noexcept: Vector<3, T>(other) {}

        T& x() { return Vector<3, T>::_data[0]; }
        constexpr T x() const { return Vector<3, T>::_data[0]; }
        T& y() { return Vector<3, T>::_data[1]; }
        constexpr T y() const { return Vector<3, T>::_data[1]; }
        T& z() { return Vector<3, T>::_data[2]; }
        constexpr T z() const { return Vector<3, T>::_data[2]; }

        T& r() { return Vector<3, T>::_data[0]; }
        constexpr T r() const { return Vector<3, T>::_data[0]; }
        T& g() { return Vector<3, T>::_data[1]; }
        constexpr T g() const { return Vector<3, T>::_data[1]; }
        T& b() { return Vector<3, T>::_data[2]; }
        constexpr T b() const { return Vector<3, T>::_data[2]; }

        /** XY part, a reference for the mutable variant */
        Vector2<T>& xy() { return Vector2<T>::from(Vector<3, T>::data()); }
        constexpr const Vector2<T> xy() const {
            return {Vector<3, T>::_data[0], Vector<3, T>::_data[1]};
        }

        MAGNUM_VECTOR_SUBCLASS_IMPLEMENTATION(3, Vector3)

    private:
        template<class U> friend Vector3<U> cross(const Vector3<U>&, const Vector3<U>&);
};

namespace Implementation {
    template<class T> struct StrictWeakOrdering<Vector3<T>>: StrictWeakOrdering<Vector<3, T>> {};
}

}}

#endif
