#ifndef Magnum_Math_Vector4_h
#define Magnum_Math_Vector4_h
/* Four-component vector */

#include "Magnum/Math/Vector3.h"

namespace Magnum { namespace Math {

/** Four-component vector */
template<class T> class Vector4: public Vector<4, T> {
    public:
        /** Pad with separate values for the XYZ and W components */
        template<std::size_t otherSize> constexpr static Vector4<T> pad(const Vector<otherSize, T>& a, T xyz, T w) {
            return {0 < otherSize ? a[0] : xyz,
                    1 < otherSize ? a[1 < otherSize ? 1 : 0] : xyz,
                    2 < otherSize ? a[2 < otherSize ? 2 : 0] : xyz,
                    3 < otherSize ? a[3 < otherSize ? 3 : 0] : w};
        }

        constexpr /*implicit*/ Vector4() noexcept: Vector<4, T>{ZeroInit} {}
        constexpr explicit Vector4(ZeroInitT) noexcept: Vector<4, T>{ZeroInit} {}
        explicit Vector4(Magnum::NoInitT) noexcept: Vector<4, T>{Magnum::NoInit} {}
        constexpr explicit Vector4(T value) noexcept: Vector<4, T>(value) {}
        constexpr /*implicit*/ Vector4(T x, T y, T z, T w) noexcept: Vector<4, T>(x, y, z, w) {}
        constexpr /*implicit*/ Vector4(const Vector3<T>& xyz, T w) noexcept: Vector<4, T>(xyz[0], xyz[1], xyz[2], w) {}
        template<std::size_t size_> constexpr explicit Vector4(const T(&data)[size_]) noexcept: Vector<4, T>{data} {}
        template<class U> constexpr explicit Vector4(const Vector<4, U>& other) noexcept: Vector<4, T>(other) {}
        constexpr explicit Vector4(const BitVector<4>& other) noexcept: Vector<4, T>{other} {}
        template<class U, class = decltype(Implementation::VectorConverter<4, T, U>::from(std::declval<U>()))> constexpr explicit Vector4(const U& other): Vector<4, T>(Implementation::VectorConverter<4, T, U>::from(other)) {}
        constexpr /*implicit*/ Vector4(const Vector<4, T>& other) noexcept: Vector<4, T>(other) {}

        T& x() { return Vector<4, T>::_data[0]; }
        constexpr T x() const { return Vector<4, T>::_data[0]; }
        T& y() { return Vector<4, T>::_data[1]; }
        constexpr T y() const { return Vector<4, T>::_data[1]; }
        T& z() { return Vector<4, T>::_data[2]; }
        constexpr T z() const { return Vector<4, T>::_data[2]; }
        T& w() { return Vector<4, T>::_data[3]; }
        constexpr T w() const { return Vector<4, T>::_data[3]; }

        T& r() { return Vector<4, T>::_data[0]; }
        constexpr T r() const { return Vector<4, T>::_data[0]; }
        T& g() { return Vector<4, T>::_data[1]; }
        constexpr T g() const { return Vector<4, T>::_data[1]; }
        T& b() { return Vector<4, T>::_data[2]; }
        constexpr T b() const { return Vector<4, T>::_data[2]; }
        T& a() { return Vector<4, T>::_data[3]; }
        constexpr T a() const { return Vector<4, T>::_data[3]; }

        Vector3<T>& xyz() { return Vector3<T>::from(Vector<4, T>::data()); }
        constexpr const Vector3<T> xyz() const {
            return {Vector<4, T>::_data[0], Vector<4, T>::_data[1], Vector<4, T>::_data[2]};
        }
        Vector3<T>& rgb() { return xyz(); }
        constexpr const Vector3<T> rgb() const { return xyz(); }

        Vector2<T>& xy() { return Vector2<T>::from(Vector<4, T>::data()); }
        constexpr const Vector2<T> xy() const {
            return {Vector<4, T>::_data[0], Vector<4, T>::_data[1]};
        }

        MAGNUM_VECTOR_SUBCLASS_IMPLEMENTATION(4, Vector4)
};

namespace Implementation {
    template<class T> struct StrictWeakOrdering<Vector4<T>>: StrictWeakOrdering<Vector<4, T>> {};
}

}}

#endif
