#ifndef Magnum_Math_Vector2_h
#define Magnum_Math_Vector2_h
/* Two-component vector and the 2D cross product */

#include "Magnum/Math/Vector.h"

namespace Magnum { namespace Math {

/** 2D cross product, the z component of the 3D cross product */
template<class T> inline T cross(const Vector2<T>& a, const Vector2<T>& b) {
    return a._data[0]*b._data[1] - a._data[1]*b._data[0];
}

/** Two-component vector */
template<class T> class Vector2: public Vector<2, T> {
    public:
        /** Vector in the direction of X axis */
        constexpr static Vector2<T> xAxis(T length = T(1)) { return {length, T(0)}; }
        /** Vector in the direction of Y axis */
        constexpr static Vector2<T> yAxis(T length = T(1)) { return {T(0), length}; }
        /** Scaling vector in the direction of X axis */
        constexpr static Vector2<T> xScale(T scale) { return {scale, T(1)}; }
        /** Scaling vector in the direction of Y axis */
        constexpr static Vector2<T> yScale(T scale) { return {T(1), scale}; }

        constexpr /*implicit*/ Vector2() noexcept: Vector<2, T>{ZeroInit} {}
        constexpr explicit Vector2(ZeroInitT) noexcept: Vector<2, T>{ZeroInit} {}
        explicit Vector2(Magnum::NoInitT) noexcept: Vector<2, T>{Magnum::NoInit} {}
        constexpr explicit Vector2(T value) noexcept: Vector<2, T>(value) {}
        constexpr /*implicit*/ Vector2(T x, T y) noexcept: Vector<2, T>(x, y) {}
        template<std::size_t size_> constexpr explicit Vector2(const T(&data)[size_]) noexcept: Vector<2, T>{data} {}
        template<class U> constexpr explicit Vector2(const Vector<2, U>& other) noexcept: Vector<2, T>(other) {}
        constexpr explicit Vector2(const BitVector<2>& other) noexcept: Vector<2, T>{other} {}
        template<class U, class = decltype(Implementation::VectorConverter<2, T, U>::from(std::declval<U>()))> constexpr explicit Vector2(const U& other): Vector<2, T>(Implementation::VectorConverter<2, T, U>::from(other)) {}
        constexpr /*implicit*/ Vector2(const Vector<2, T>& other) noexcept: Vector<2, T>(other) {}

        T& x() { return Vector<2, T>::_data[0]; }
        constexpr T x() const { return Vector<2, T>::_data[0]; }
        T& y() { return Vector<2, T>::_data[1]; }
        constexpr T y() const { return Vector<2, T>::_data[1]; }

        /** Perpendicular vector, rotated 90 degrees counterclockwise */
        template<class U = T, typename std::enable_if<std::is_signed<U>::value, int>::type = 0> constexpr Vector2<T> perpendicular() const {
            return {-y(), x()};
        }

        /** Ratio of x and y */
        template<class U = T, typename std::enable_if<std::is_floating_point<U>::value, int>::type = 0> constexpr T aspectRatio() const {
            return x()/y();
        }

        MAGNUM_VECTOR_SUBCLASS_IMPLEMENTATION(2, Vector2)

    private:
        template<class U> friend U cross(const Vector2<U>&, const Vector2<U>&);
};

namespace Implementation {
    template<class T> struct StrictWeakOrdering<Vector2<T>>: StrictWeakOrdering<Vector<2, T>> {};
}

}}

#endif
