#ifndef Magnum_Math_Range_h
#define Magnum_Math_Range_h
/* Axis-aligned ranges in 1D, 2D and 3D, join(), intersect(), intersects() */

#include "Corrade/Containers/Pair.h"
#include "Magnum/Math/Functions.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum { namespace Math {

namespace Implementation {
    template<UnsignedInt, class> struct RangeTraits;
    template<class T> struct RangeTraits<1, T> { typedef T Type; };
    template<class T> struct RangeTraits<2, T> { typedef Vector2<T> Type; };
    template<class T> struct RangeTraits<3, T> { typedef Vector3<T> Type; };

    template<UnsignedInt, class, class> struct RangeConverter;
}

/** Axis-aligned range, minimum inclusive and maximum exclusive */
template<UnsignedInt dimensions, class T> class Range {
    template<UnsignedInt, class> friend class Range;

    public:
        /** T in 1D, Vector2<T> in 2D, Vector3<T> in 3D */
        typedef typename Implementation::RangeTraits<dimensions, T>::Type VectorType;

        static Range<dimensions, T> fromSize(const VectorType& min, const VectorType& size) {
            return {min, min + size};
        }
        static Range<dimensions, T> fromCenter(const VectorType& center, const VectorType& halfSize) {
            return {center - halfSize, center + halfSize};
        }

        constexpr /*implicit*/ Range() noexcept: _min{}, _max{} {}
        constexpr explicit Range(ZeroInitT) noexcept: _min{}, _max{} {}
        explicit Range(Magnum::NoInitT) noexcept: Range{Magnum::NoInit, static_cast<VectorType*>(nullptr)} {}
        constexpr /*implicit*/ Range(const VectorType& min, const VectorType& max) noexcept: _min{min}, _max{max} {}

        /** From a pair of minimal and maximal coordinates such as from minmax() */
        /*implicit*/ Range(const Containers::Pair<VectorType, VectorType>& minmax) noexcept: _min{minmax.first()}, _max{minmax.second()} {}
        template<UnsignedInt d = dimensions, typename std::enable_if<d != 1, int>::type = 0> /*implicit*/ Range(const Containers::Pair<Vector<dimensions, T>, Vector<dimensions, T>>& minmax) noexcept: _min{minmax.first()}, _max{minmax.second()} {}

        /** Conversion from a different underlying type, no rounding done */
        template<class U> constexpr explicit Range(const Range<dimensions, U>& other) noexcept: _min(other._min), _max(other._max) {}

        template<class U, class = decltype(Implementation::RangeConverter<dimensions, T, U>::from(std::declval<U>()))> constexpr explicit Range(const U& other): Range{Implementation::RangeConverter<dimensions, T, U>::from(other)} {}

        template<class U, class = decltype(Implementation::RangeConverter<dimensions, T, U>::to(std::declval<Range<dimensions, T>>()))> constexpr explicit operator U() const {
            return Implementation::RangeConverter<dimensions, T, U>::to(*this);
        }

        /** Fuzzy for floating-point types */
        bool operator==(const Range<dimensions, T>& other) const {
            return TypeTraits<VectorType>::equals(_min, other._min) &&
                   TypeTraits<VectorType>::equals(_max, other._max);
        }
        bool operator!=(const Range<dimensions, T>& other) const {
            return !operator==(other);
        }

        /** Minimal coordinates followed by maximal ones */
        T* data() { return reinterpret_cast<T*>(&_min); }
        const T* data() const { return reinterpret_cast<const T*>(&_min); }

        VectorType& min() { return _min; }
        constexpr const VectorType min() const { return _min; }
        VectorType& max() { return _max; }
        constexpr const VectorType max() const { return _max; }

        VectorType size() const { return _max - _min; }
        VectorType center() const { return (_min + _max)/T(2); }

        Range<dimensions, T> translated(const VectorType& vector) const {
            return {_min + vector, _max + vector};
        }
        /** Grown by @p padding on each side */
        Range<dimensions, T> padded(const VectorType& padding) const {
            return {_min - padding, _max + padding};
        }
        /** Both corners multiplied, the center moves as well */
        Range<dimensions, T> scaled(const VectorType& scaling) const {
            return {_min*scaling, _max*scaling};
        }
        /** Size multiplied, the center stays */
        Range<dimensions, T> scaledFromCenter(const VectorType& scaling) const {
            return fromCenter(center(), size()*scaling/T(2));
        }

        /** Point inside, minimum inclusive and maximum exclusive */
        bool contains(const VectorType& b) const {
            return (Vector<dimensions, T>{b} >= Vector<dimensions, T>{_min}).all() &&
                   (Vector<dimensions, T>{b} < Vector<dimensions, T>{_max}).all();
        }
        /** Range fully inside */
        bool contains(const Range<dimensions, T>& b) const {
            return (Vector<dimensions, T>{b._min} >= Vector<dimensions, T>{_min}).all() &&
                   (Vector<dimensions, T>{b._max} <= Vector<dimensions, T>{_max}).all();
        }

    private:
        /* Scalars are left uninitialized, vectors get their NoInit constructor */
        explicit Range(Magnum::NoInitT, T*) noexcept {}
        template<class U> explicit Range(Magnum::NoInitT, U*) noexcept: _min{Magnum::NoInit}, _max{Magnum::NoInit} {}

        VectorType _min, _max;
};

#define MAGNUM_RANGE_SUBCLASS_IMPLEMENTATION(dimensions, Type, VectorType)  \
    static Type<T> fromSize(const VectorType<T>& min, const VectorType<T>& size) { \
        return Range<dimensions, T>::fromSize(min, size);                   \
    }                                                                       \
    static Type<T> fromCenter(const VectorType<T>& center, const VectorType<T>& halfSize) { \
        return Range<dimensions, T>::fromCenter(center, halfSize);          \
    }                                                                       \
    Type<T> translated(const VectorType<T>& vector) const {                 \
        return Range<dimensions, T>::translated(vector);                    \
    }                                                                       \
    Type<T> padded(const VectorType<T>& padding) const {                    \
        return Range<dimensions, T>::padded(padding);                       \
    }                                                                       \
    Type<T> scaled(const VectorType<T>& scaling) const {                    \
        return Range<dimensions, T>::scaled(scaling);                       \
    }                                                                       \
    Type<T> scaledFromCenter(const VectorType<T>& scaling) const {          \
        return Range<dimensions, T>::scaledFromCenter(scaling);             \
    }

/** Two-dimensional range */
template<class T> class Range2D: public Range<2, T> {
    public:
        constexpr /*implicit*/ Range2D() noexcept: Range<2, T>{ZeroInit} {}
        constexpr explicit Range2D(ZeroInitT) noexcept: Range<2, T>{ZeroInit} {}
        explicit Range2D(Magnum::NoInitT) noexcept: Range<2, T>{Magnum::NoInit} {}
        constexpr /*implicit*/ Range2D(const Vector2<T>& min, const Vector2<T>& max) noexcept: Range<2, T>(min, max) {}
        /*implicit*/ Range2D(const Containers::Pair<Vector2<T>, Vector2<T>>& minmax) noexcept: Range<2, T>{minmax.first(), minmax.second()} {}
        /*implicit*/ Range2D(const Containers::Pair<Vector<2, T>, Vector<2, T>>& minmax) noexcept: Range<2, T>{minmax.first(), minmax.second()} {}
        template<class U> constexpr explicit Range2D(const Range2D<U>& other) noexcept: Range<2, T>(other) {}
        template<class U, class = decltype(Implementation::RangeConverter<2, T, U>::from(std::declval<U>()))> constexpr explicit Range2D(const U& other): Range<2, T>{Implementation::RangeConverter<2, T, U>::from(other)} {}
        constexpr /*implicit*/ Range2D(const Range<2, T>& other) noexcept: Range<2, T>(other) {}

        Vector2<T>& bottomLeft() { return Range<2, T>::min(); }
        constexpr Vector2<T> bottomLeft() const { return Range<2, T>::min(); }
        constexpr Vector2<T> bottomRight() const {
            return {Range<2, T>::max().x(), Range<2, T>::min().y()};
        }
        constexpr Vector2<T> topLeft() const {
            return {Range<2, T>::min().x(), Range<2, T>::max().y()};
        }
        Vector2<T>& topRight() { return Range<2, T>::max(); }
        constexpr Vector2<T> topRight() const { return Range<2, T>::max(); }

        T& left() { return Range<2, T>::min().x(); }
        constexpr T left() const { return Range<2, T>::min().x(); }
        T& right() { return Range<2, T>::max().x(); }
        constexpr T right() const { return Range<2, T>::max().x(); }
        T& bottom() { return Range<2, T>::min().y(); }
        constexpr T bottom() const { return Range<2, T>::min().y(); }
        T& top() { return Range<2, T>::max().y(); }
        constexpr T top() const { return Range<2, T>::max().y(); }

        constexpr Range<1, T> x() const {
            return {Range<2, T>::min().x(), Range<2, T>::max().x()};
        }
        constexpr Range<1, T> y() const {
            return {Range<2, T>::min().y(), Range<2, T>::max().y()};
        }

        T sizeX() const { return Range<2, T>::max().x() - Range<2, T>::min().x(); }
        T sizeY() const { return Range<2, T>::max().y() - Range<2, T>::min().y(); }
        T centerX() const { return (Range<2, T>::min().x() + Range<2, T>::max().x())/T(2); }
        T centerY() const { return (Range<2, T>::min().y() + Range<2, T>::max().y())/T(2); }

        MAGNUM_RANGE_SUBCLASS_IMPLEMENTATION(2, Range2D, Vector2)
};

/** Three-dimensional range */
template<class T> class Range3D: public Range<3, T> {
    public:
        constexpr /*implicit*/ Range3D() noexcept: Range<3, T>{ZeroInit} {}
        constexpr explicit Range3D(ZeroInitT) noexcept: Range<3, T>{ZeroInit} {}
        explicit Range3D(Magnum::NoInitT) noexcept: Range<3, T>{Magnum::NoInit} {}
        constexpr /*implicit*/ Range3D(const Vector3<T>& min, const Vector3<T>& max) noexcept: Range<3, T>(min, max) {}
        /*implicit*/ Range3D(const Containers::Pair<Vector3<T>, Vector3<T>>& minmax) noexcept: Range<3, T>{minmax.first(), minmax.second()} {}
        /*implicit*/ Range3D(const Containers::Pair<Vector<3, T>, Vector<3, T>>& minmax) noexcept: Range<3, T>{minmax.first(), minmax.second()} {}
        template<class U> constexpr explicit Range3D(const Range3D<U>& other) noexcept: Range<3, T>(other) {}
        template<class U, class = decltype(Implementation::RangeConverter<3, T, U>::from(std::declval<U>()))> constexpr explicit Range3D(const U& other): Range<3, T>{Implementation::RangeConverter<3, T, U>::from(other)} {}
        constexpr /*implicit*/ Range3D(const Range<3, T>& other) noexcept: Range<3, T>(other) {}

        Vector3<T>& backBottomLeft() { return Range<3, T>::min(); }
        constexpr Vector3<T> backBottomLeft() const { return Range<3, T>::min(); }
        constexpr Vector3<T> backBottomRight() const {
            return {Range<3, T>::max().x(), Range<3, T>::min().y(), Range<3, T>::min().z()};
        }
        constexpr Vector3<T> backTopLeft() const {
            return {Range<3, T>::min().x(), Range<3, T>::max().y(), Range<3, T>::min().z()};
        }
        constexpr Vector3<T> backTopRight() const {
            return {Range<3, T>::max().x(), Range<3, T>::max().y(), Range<3, T>::min().z()};
        }
        Vector3<T>& frontTopRight() { return Range<3, T>::max(); }
        constexpr Vector3<T> frontTopRight() const { return Range<3, T>::max(); }
        constexpr Vector3<T> frontTopLeft() const {
            return {Range<3, T>::min().x(), Range<3, T>::max().y(), Range<3, T>::max().z()};
        }
        constexpr Vector3<T> frontBottomRight() const {
            return {Range<3, T>::max().x(), Range<3, T>::min().y(), Range<3, T>::max().z()};
        }
        constexpr Vector3<T> frontBottomLeft() const {
            return {Range<3, T>::min().x(), Range<3, T>::min().y(), Range<3, T>::max().z()};
        }

        T& left() { return Range<3, T>::min().x(); }
        constexpr T left() const { return Range<3, T>::min().x(); }
        T& right() { return Range<3, T>::max().x(); }
        constexpr T right() const { return Range<3, T>::max().x(); }
        T& bottom() { return Range<3, T>::min().y(); }
        constexpr T bottom() const { return Range<3, T>::min().y(); }
        T& top() { return Range<3, T>::max().y(); }
        constexpr T top() const { return Range<3, T>::max().y(); }
        T& back() { return Range<3, T>::min().z(); }
        constexpr T back() const { return Range<3, T>::min().z(); }
        T& front() { return Range<3, T>::max().z(); }
        constexpr T front() const { return Range<3, T>::max().z(); }

        constexpr Range<1, T> x() const {
            return {Range<3, T>::min().x(), Range<3, T>::max().x()};
        }
        constexpr Range<1, T> y() const {
            return {Range<3, T>::min().y(), Range<3, T>::max().y()};
        }
        constexpr Range<1, T> z() const {
            return {Range<3, T>::min().z(), Range<3, T>::max().z()};
        }
        constexpr Range2D<T> xy() const {
            return {Range<3, T>::min().xy(), Range<3, T>::max().xy()};
        }

        T sizeX() const { return Range<3, T>::max().x() - Range<3, T>::min().x(); }
        T sizeY() const { return Range<3, T>::max().y() - Range<3, T>::min().y(); }
        T sizeZ() const { return Range<3, T>::max().z() - Range<3, T>::min().z(); }
        T centerX() const { return (Range<3, T>::min().x() + Range<3, T>::max().x())/T(2); }
        T centerY() const { return (Range<3, T>::min().y() + Range<3, T>::max().y())/T(2); }
        T centerZ() const { return (Range<3, T>::min().z() + Range<3, T>::max().z())/T(2); }

        MAGNUM_RANGE_SUBCLASS_IMPLEMENTATION(3, Range3D, Vector3)
};

/** Whether the ranges overlap, touching edges don't count */
template<UnsignedInt dimensions, class T> inline bool intersects(const Range<dimensions, T>& a, const Range<dimensions, T>& b) {
    return (Vector<dimensions, T>{a.max()} > Vector<dimensions, T>{b.min()}).all() &&
           (Vector<dimensions, T>{a.min()} < Vector<dimensions, T>{b.max()}).all();
}

/** Range containing both, an empty range is ignored */
template<UnsignedInt dimensions, class T> inline Range<dimensions, T> join(const Range<dimensions, T>& a, const Range<dimensions, T>& b) {
    if(a.min() == a.max()) return b;
    if(b.min() == b.max()) return a;
    return {Math::min(a.min(), b.min()), Math::max(a.max(), b.max())};
}

/** Overlap of the ranges, a default-constructed range if there's none */
template<UnsignedInt dimensions, class T> inline Range<dimensions, T> intersect(const Range<dimensions, T>& a, const Range<dimensions, T>& b) {
    if(!intersects(a, b)) return {};
    return {Math::max(a.min(), b.min()), Math::min(a.max(), b.max())};
}

/** Print as Range({minX, minY}, {maxX, maxY}) */
template<UnsignedInt dimensions, class T> Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Range<dimensions, T>& value) {
    using Corrade::Utility::Debug;
    const Vector<dimensions, T> min{value.min()}, max{value.max()};
    debug << "Range({" << Debug::nospace << min[0];
    for(UnsignedInt i = 1; i != dimensions; ++i)
        debug << Debug::nospace << "," << min[i];
    debug << Debug::nospace << "}, {" << Debug::nospace << max[0];
    for(UnsignedInt i = 1; i != dimensions; ++i)
        debug << Debug::nospace << "," << max[i];
    return debug << Debug::nospace << "})";
}

namespace Implementation {

template<UnsignedInt dimensions, class T> struct StrictWeakOrdering<Range<dimensions, T>> {
    bool operator()(const Range<dimensions, T>& a, const Range<dimensions, T>& b) const {
        StrictWeakOrdering<Vector<dimensions, T>> o;
        const Vector<dimensions, T> aMin{a.min()}, bMin{b.min()};
        if(o(aMin, bMin)) return true;
        if(o(bMin, aMin)) return false;
        return o(Vector<dimensions, T>{a.max()}, Vector<dimensions, T>{b.max()});
    }
};

}

}}

#endif
