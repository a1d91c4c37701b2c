#ifndef Corrade_Containers_StridedArrayView_h
#define Corrade_Containers_StridedArrayView_h
/* Multi-dimensional views with arbitrary (also zero and negative) strides */

#include <cstddef>
#include <type_traits>

#include "Corrade/Containers/ArrayView.h"
#include "Corrade/Tags.h"
#include "Corrade/Utility/DebugAssert.h"
#include "Corrade/Utility/Move.h"

namespace Corrade { namespace Containers {

/** Size or stride in each dimension */
template<unsigned dimensions, class T> class StridedDimensions {
    public:
        constexpr /*implicit*/ StridedDimensions() noexcept: _data{} {}
        explicit StridedDimensions(NoInitT) noexcept {}
        /** One value per dimension */
        template<class ...Args, class = typename std::enable_if<sizeof...(Args) + 1 == dimensions>::type> constexpr /*implicit*/ StridedDimensions(T first, Args... next) noexcept: _data{T(first), T(next)...} {}
        /** From a plain array */
        /*implicit*/ StridedDimensions(const T(&values)[dimensions]) noexcept {
            for(unsigned i = 0; i != dimensions; ++i) _data[i] = values[i];
        }

        /** The only value of a one-dimensional instance */
        template<unsigned d = dimensions, class = typename std::enable_if<d == 1>::type> constexpr /*implicit*/ operator T() const { return _data[0]; }

        bool operator==(const StridedDimensions<dimensions, T>& other) const {
            for(unsigned i = 0; i != dimensions; ++i) if(_data[i] != other._data[i]) return false;
            return true;
        }
        bool operator!=(const StridedDimensions<dimensions, T>& other) const { return !operator==(other); }

        T& operator[](std::size_t i) { return _data[i]; }
        constexpr const T& operator[](std::size_t i) const { return _data[i]; }

        T* data() { return _data; }
        constexpr const T* data() const { return _data; }
        T* begin() { return _data; }
        constexpr const T* begin() const { return _data; }
        T* end() { return _data + dimensions; }
        constexpr const T* end() const { return _data + dimensions; }

    private:
        T _data[dimensions];
};

template<unsigned dimensions> using Size = StridedDimensions<dimensions, std::size_t>;
template<unsigned dimensions> using Stride = StridedDimensions<dimensions, std::ptrdiff_t>;
typedef Size<1> Size1D;
typedef Size<2> Size2D;
typedef Size<3> Size3D;
typedef Size<4> Size4D;
typedef Stride<1> Stride1D;
typedef Stride<2> Stride2D;
typedef Stride<3> Stride3D;
typedef Stride<4> Stride4D;

namespace Implementation {
    template<unsigned dimensions> bool isAnyDimensionZero(const Size<dimensions>& size) {
        for(std::size_t i: size) if(!i) return true;
        return false;
    }
    template<unsigned dimensions> std::size_t largestStride(const Size<dimensions>& size, const Stride<dimensions>& stride) {
        std::size_t max = 0;
        for(unsigned i = 0; i != dimensions; ++i) {
            const std::size_t extent = size[i]*std::size_t(stride[i] < 0 ? -stride[i] : stride[i]);
            if(extent > max) max = extent;
        }
        return max;
    }

    template<unsigned dimensions, class T> struct StridedElement {
        typedef StridedArrayView<dimensions - 1, T> Type;
        static Type get(typename std::conditional<std::is_const<T>::value, const char, char>::type* data, const Size<dimensions>& size, const Stride<dimensions>& stride, std::size_t i) {
            Size<dimensions - 1> subSize{NoInit};
            Stride<dimensions - 1> subStride{NoInit};
            for(unsigned j = 1; j != dimensions; ++j) {
                subSize[j - 1] = size[j];
                subStride[j - 1] = stride[j];
            }
            return Type{subSize, subStride, data + std::ptrdiff_t(i)*stride[0]};
        }
    };
    template<class T> struct StridedElement<1, T> {
        typedef T& Type;
        static Type get(typename std::conditional<std::is_const<T>::value, const char, char>::type* data, const Size<1>&, const Stride<1>& stride, std::size_t i) {
            return *reinterpret_cast<T*>(data + std::ptrdiff_t(i)*stride[0]);
        }
    };

    template<class> struct IsStridedArrayView: std::false_type {};
    template<unsigned dimensions, class T> struct IsStridedArrayView<StridedArrayView<dimensions, T>>: std::true_type {};

    template<unsigned, class> struct StridedArrayViewAccess;
}

/** Iterator over a strided view */
template<unsigned dimensions, class T> class StridedIterator {
    public:
        typedef T Type;
        typedef typename Implementation::StridedElement<dimensions, T>::Type ElementType;
        typedef typename std::conditional<std::is_const<T>::value, const char, char>::type ArithmeticType;

        /*implicit*/ StridedIterator(ArithmeticType* data, const Size<dimensions>& size, const Stride<dimensions>& stride, std::size_t i) noexcept: _data{data}, _size{size}, _stride{stride}, _i{i} {}

        bool operator==(const StridedIterator& other) const { return _data == other._data && _i == other._i; }
        bool operator!=(const StridedIterator& other) const { return _data != other._data || _i != other._i; }
        bool operator<(const StridedIterator& other) const { return _data == other._data && _i < other._i; }
        bool operator<=(const StridedIterator& other) const { return _data == other._data && _i <= other._i; }
        bool operator>(const StridedIterator& other) const { return _data == other._data && _i > other._i; }
        bool operator>=(const StridedIterator& other) const { return _data == other._data && _i >= other._i; }

        StridedIterator operator+(std::ptrdiff_t i) const { return {_data, _size, _stride, _i + i}; }
        StridedIterator operator-(std::ptrdiff_t i) const { return {_data, _size, _stride, _i - i}; }
        std::ptrdiff_t operator-(const StridedIterator& other) const { return std::ptrdiff_t(_i) - std::ptrdiff_t(other._i); }
        StridedIterator& operator+=(std::ptrdiff_t i) { _i += i; return *this; }
        StridedIterator& operator-=(std::ptrdiff_t i) { _i -= i; return *this; }
        StridedIterator& operator++() { ++_i; return *this; }
        StridedIterator operator++(int) { StridedIterator copy = *this; ++_i; return copy; }
        StridedIterator& operator--() { --_i; return *this; }
        StridedIterator operator--(int) { StridedIterator copy = *this; --_i; return copy; }

        ElementType operator*() const { return Implementation::StridedElement<dimensions, T>::get(_data, _size, _stride, _i); }
        ElementType operator[](std::size_t i) const { return Implementation::StridedElement<dimensions, T>::get(_data, _size, _stride, _i + i); }

    private:
        ArithmeticType* _data;
        Size<dimensions> _size;
        Stride<dimensions> _stride;
        std::size_t _i;
};

/** Multi-dimensional strided view on typed data */
template<unsigned dimensions, class T> class StridedArrayView {
    static_assert(dimensions, "can't have a zero-dimensional view");

    public:
        typedef T Type;
        typedef typename std::conditional<std::is_const<T>::value, const void, void>::type ErasedType;
        typedef typename std::conditional<std::is_const<T>::value, const char, char>::type ArithmeticType;
        typedef typename Implementation::StridedElement<dimensions, T>::Type ElementType;
        typedef Containers::Size<dimensions> Size;
        typedef Containers::Stride<dimensions> Stride;
        enum: unsigned { Dimensions = dimensions };

        constexpr /*implicit*/ StridedArrayView() noexcept: _data{}, _size{}, _stride{} {}
        /* A template so a literal 0 doesn't convert to a view */
        template<class U, class = typename std::enable_if<std::is_same<std::nullptr_t, U>::value>::type> constexpr /*implicit*/ StridedArrayView(U) noexcept: _data{}, _size{}, _stride{} {}

        /** View on @p member items inside @p data, with given size and stride */
        StridedArrayView(ArrayView<ErasedType> data, T* member, const Size& size, const Stride& stride) noexcept: _data{member}, _size{size}, _stride{stride} {
            CORRADE_DEBUG_ASSERT(Implementation::isAnyDimensionZero(size) || Implementation::largestStride(size, stride) <= data.size(),
                "Containers::StridedArrayView: data size" << data.size() << "is not enough for" << size << "elements of stride" << stride, );
            static_cast<void>(data);
        }
        /** View on @p data with given size and stride */
        StridedArrayView(ArrayView<T> data, const Size& size, const Stride& stride) noexcept: StridedArrayView{data, data.data(), size, stride} {}
        /** View on @p data with given size, tightly packed */
        StridedArrayView(ArrayView<T> data, const Size& size) noexcept: StridedArrayView{data, data.data(), size, packedStride(size)} {}

        /** One-dimensional view on a contiguous view */
        template<class U, unsigned d = dimensions, class = typename std::enable_if<d == 1 && Implementation::IsArrayViewCompatible<U, T>::value>::type> constexpr /*implicit*/ StridedArrayView(ArrayView<U> view) noexcept: _data{view.data()}, _size{view.size()}, _stride{std::ptrdiff_t(sizeof(T))} {}
        template<class U, std::size_t size, unsigned d = dimensions, class = typename std::enable_if<d == 1 && Implementation::IsArrayViewCompatible<U, T>::value>::type> constexpr /*implicit*/ StridedArrayView(U(&data)[size]) noexcept: _data{data}, _size{size}, _stride{std::ptrdiff_t(sizeof(T))} {}
        template<std::size_t size, class U, unsigned d = dimensions, class = typename std::enable_if<d == 1 && Implementation::IsArrayViewCompatible<U, T>::value>::type> constexpr /*implicit*/ StridedArrayView(StaticArrayView<size, U> view) noexcept: _data{view.data()}, _size{size}, _stride{std::ptrdiff_t(sizeof(T))} {}
        /** One-dimensional view on anything convertible to a contiguous view, such as an Array */
        template<class U, unsigned d = dimensions, class = typename std::enable_if<d == 1 && !Implementation::IsStridedArrayView<typename std::decay<U>::type>::value && !std::is_array<typename std::remove_reference<U>::type>::value && std::is_convertible<U&&, ArrayView<T>>::value>::type> /*implicit*/ StridedArrayView(U&& other) noexcept: StridedArrayView{ArrayView<T>(static_cast<U&&>(other))} {}

        /** Convert from a view on a compatible type */
        template<class U, class = typename std::enable_if<Implementation::IsArrayViewCompatible<U, T>::value>::type> constexpr /*implicit*/ StridedArrayView(const StridedArrayView<dimensions, U>& other) noexcept: _data{other._data}, _size{other._size}, _stride{other._stride} {}

        /** Type-erased data pointer */
        constexpr ErasedType* data() const { return _data; }
        /** Size, a scalar for one-dimensional views */
        constexpr typename std::conditional<dimensions == 1, std::size_t, const Size&>::type size() const { return _size; }
        /** Stride, a scalar for one-dimensional views */
        constexpr typename std::conditional<dimensions == 1, std::ptrdiff_t, const Stride&>::type stride() const { return _stride; }
        /** Whether the view is empty, per dimension */
        StridedDimensions<dimensions, bool> isEmpty() const {
            StridedDimensions<dimensions, bool> out{NoInit};
            for(unsigned i = 0; i != dimensions; ++i) out[i] = !_size[i];
            return out;
        }

        /** Element or sub-view at @p i */
        ElementType operator[](std::size_t i) const {
            CORRADE_DEBUG_ASSERT(i < _size[0], "Containers::StridedArrayView::operator[](): index" << i << "out of range for" << _size[0] << "elements", (Implementation::StridedElement<dimensions, T>::get(bytes(), _size, _stride, 0)));
            return Implementation::StridedElement<dimensions, T>::get(bytes(), _size, _stride, i);
        }
        /** Element at a multi-dimensional position */
        template<unsigned d = dimensions, class = typename std::enable_if<(d > 1)>::type> T& operator[](const Size& i) const {
            ArithmeticType* data = bytes();
            for(unsigned j = 0; j != dimensions; ++j) {
                CORRADE_DEBUG_ASSERT(i[j] < _size[j], "Containers::StridedArrayView::operator[](): index" << i << "out of range for" << _size << "elements", *reinterpret_cast<T*>(data));
                data += std::ptrdiff_t(i[j])*_stride[j];
            }
            return *reinterpret_cast<T*>(data);
        }

        StridedIterator<dimensions, T> begin() const { return {bytes(), _size, _stride, 0}; }
        StridedIterator<dimensions, T> cbegin() const { return begin(); }
        StridedIterator<dimensions, T> end() const { return {bytes(), _size, _stride, _size[0]}; }
        StridedIterator<dimensions, T> cend() const { return end(); }

        ElementType front() const {
            CORRADE_DEBUG_ASSERT(_size[0], "Containers::StridedArrayView::front(): view is empty", (Implementation::StridedElement<dimensions, T>::get(bytes(), _size, _stride, 0)));
            return Implementation::StridedElement<dimensions, T>::get(bytes(), _size, _stride, 0);
        }
        ElementType back() const {
            CORRADE_DEBUG_ASSERT(_size[0], "Containers::StridedArrayView::back(): view is empty", (Implementation::StridedElement<dimensions, T>::get(bytes(), _size, _stride, 0)));
            return Implementation::StridedElement<dimensions, T>::get(bytes(), _size, _stride, _size[0] - 1);
        }

        /** Items [@p begin, @p end) of the first dimension */
        StridedArrayView<dimensions, T> slice(std::size_t begin, std::size_t end) const {
            CORRADE_DEBUG_ASSERT(begin <= end && end <= _size[0],
                "Containers::StridedArrayView::slice(): slice [" << Utility::Debug::nospace << begin << Utility::Debug::nospace << ":" << Utility::Debug::nospace << end << Utility::Debug::nospace << "] out of range for" << _size[0] << "elements", {});
            Size size = _size;
            size[0] = end - begin;
            return StridedArrayView<dimensions, T>{size, _stride, bytes() + std::ptrdiff_t(begin)*_stride[0]};
        }
        /** Items [@p begin, @p end) in every dimension */
        template<unsigned d = dimensions, class = typename std::enable_if<(d > 1)>::type> StridedArrayView<dimensions, T> slice(const Size& begin, const Size& end) const {
            ArithmeticType* data = bytes();
            Size size{NoInit};
            for(unsigned i = 0; i != dimensions; ++i) {
                CORRADE_DEBUG_ASSERT(begin[i] <= end[i] && end[i] <= _size[i],
                    "Containers::StridedArrayView::slice(): slice [" << Utility::Debug::nospace << begin << Utility::Debug::nospace << ":" << Utility::Debug::nospace << end << Utility::Debug::nospace << "] out of range for" << _size << "elements in dimension" << i, {});
                data += std::ptrdiff_t(begin[i])*_stride[i];
                size[i] = end[i] - begin[i];
            }
            return StridedArrayView<dimensions, T>{size, _stride, data};
        }
        /** Slice to a member of each item */
        template<class U, class V, class = typename std::enable_if<std::is_same<typename std::remove_const<T>::type, V>::value>::type> StridedArrayView<dimensions, typename std::conditional<std::is_const<T>::value, const U, U>::type> slice(U V::*member) const {
            typedef typename std::conditional<std::is_const<T>::value, const U, U>::type Member;
            return StridedArrayView<dimensions, Member>{_size, _stride, _data ? reinterpret_cast<ArithmeticType*>(&(static_cast<T*>(_data)->*member)) : nullptr};
        }

        StridedArrayView<dimensions, T> sliceSize(std::size_t begin, std::size_t size) const { return slice(begin, begin + size); }
        template<unsigned d = dimensions, class = typename std::enable_if<(d > 1)>::type> StridedArrayView<dimensions, T> sliceSize(const Size& begin, const Size& size) const {
            Size end{NoInit};
            for(unsigned i = 0; i != dimensions; ++i) end[i] = begin[i] + size[i];
            return slice(begin, end);
        }
        StridedArrayView<dimensions, T> prefix(std::size_t size) const { return slice(0, size); }
        template<unsigned d = dimensions, class = typename std::enable_if<(d > 1)>::type> StridedArrayView<dimensions, T> prefix(const Size& size) const { return slice(Size{}, size); }
        StridedArrayView<dimensions, T> exceptPrefix(std::size_t size) const { return slice(size, _size[0]); }
        template<unsigned d = dimensions, class = typename std::enable_if<(d > 1)>::type> StridedArrayView<dimensions, T> exceptPrefix(const Size& size) const { return slice(size, _size); }
        StridedArrayView<dimensions, T> exceptSuffix(std::size_t size) const { return slice(0, _size[0] - size); }
        template<unsigned d = dimensions, class = typename std::enable_if<(d > 1)>::type> StridedArrayView<dimensions, T> exceptSuffix(const Size& size) const {
            Size end{NoInit};
            for(unsigned i = 0; i != dimensions; ++i) end[i] = _size[i] - size[i];
            return slice(Size{}, end);
        }

        /** Every @p step-th item of the first dimension, a negative step goes backwards */
        StridedArrayView<dimensions, T> every(std::ptrdiff_t step) const {
            Stride steps;
            steps[0] = step;
            for(unsigned i = 1; i != dimensions; ++i) steps[i] = 1;
            return everyInternal(steps);
        }
        /** Every n-th item in each dimension */
        template<unsigned d = dimensions, class = typename std::enable_if<(d > 1)>::type> StridedArrayView<dimensions, T> every(const Stride& step) const { return everyInternal(step); }

        /** Swap two dimensions */
        template<unsigned dimensionA, unsigned dimensionB> StridedArrayView<dimensions, T> transposed() const {
            static_assert(dimensionA < dimensions && dimensionB < dimensions, "dimensions out of range");
            Size size = _size;
            Stride stride = _stride;
            Utility::swap(size[dimensionA], size[dimensionB]);
            Utility::swap(stride[dimensionA], stride[dimensionB]);
            return StridedArrayView<dimensions, T>{size, stride, bytes()};
        }

        /** Reverse the order in a dimension */
        template<unsigned dimension> StridedArrayView<dimensions, T> flipped() const {
            static_assert(dimension < dimensions, "dimension out of range");
            Stride stride = _stride;
            stride[dimension] = -stride[dimension];
            return StridedArrayView<dimensions, T>{_size, stride, bytes() + (_size[dimension] ? std::ptrdiff_t(_size[dimension] - 1)*_stride[dimension] : 0)};
        }

        /** Repeat a dimension of size 1 @p size times with a zero stride */
        template<unsigned dimension> StridedArrayView<dimensions, T> broadcasted(std::size_t size) const {
            static_assert(dimension < dimensions, "dimension out of range");
            CORRADE_DEBUG_ASSERT(_size[dimension] == 1,
                "Containers::StridedArrayView::broadcasted(): can't broadcast dimension" << dimension << "with" << _size[dimension] << "elements", {});
            Size newSize = _size;
            newSize[dimension] = size;
            Stride stride = _stride;
            stride[dimension] = 0;
            return StridedArrayView<dimensions, T>{newSize, stride, bytes()};
        }

        /** Splits @p dimension into @p count dimensions of given sizes, whose product has to match */
        template<unsigned dimension, unsigned count> StridedArrayView<dimensions + count - 1, T> expanded(const Containers::Size<count>& size) const {
            static_assert(dimension < dimensions, "dimension out of range");
            Containers::Size<dimensions + count - 1> newSize{NoInit};
            Containers::Stride<dimensions + count - 1> newStride{NoInit};
            for(unsigned i = 0; i != dimension; ++i) {
                newSize[i] = _size[i];
                newStride[i] = _stride[i];
            }
            for(unsigned i = dimension + 1; i < dimensions; ++i) {
                newSize[i + count - 1] = _size[i];
                newStride[i + count - 1] = _stride[i];
            }
            /* The innermost new dimension keeps the original stride */
            std::size_t total = 1;
            for(unsigned i = count; i != 0; --i) {
                newSize[dimension + i - 1] = size[i - 1];
                newStride[dimension + i - 1] = _stride[dimension]*std::ptrdiff_t(total);
                total *= size[i - 1];
            }
            CORRADE_DEBUG_ASSERT(total == _size[dimension],
                "Containers::StridedArrayView::expanded(): product of" << size << "doesn't match" << _size[dimension] << "elements in dimension" << dimension, {});
            return Implementation::StridedArrayViewAccess<dimensions + count - 1, T>::make(newSize, newStride, _data);
        }

        /** Whether dimensions from @p dimension on are tightly packed */
        template<unsigned dimension = 0> bool isContiguous() const {
            static_assert(dimension < dimensions, "dimension out of range");
            std::size_t nextSize = sizeof(T);
            for(unsigned i = dimensions; i != dimension; --i) {
                if(_stride[i - 1] != std::ptrdiff_t(nextSize)) return false;
                nextSize *= _size[i - 1];
            }
            return true;
        }

        /** Contiguous view on the whole data, the view has to be contiguous */
        ArrayView<T> asContiguous() const {
            CORRADE_DEBUG_ASSERT(isContiguous(), "Containers::StridedArrayView::asContiguous(): the view is not contiguous", {});
            std::size_t size = 1;
            for(std::size_t i: _size) size *= i;
            return {static_cast<T*>(_data), size};
        }

    private:
        template<unsigned, class> friend class StridedArrayView;
        template<unsigned, class> friend struct Implementation::StridedElement;
        template<unsigned, class> friend struct Implementation::StridedArrayViewAccess;
        template<class U, unsigned d, class V> friend StridedArrayView<d, U> arrayCast(const StridedArrayView<d, V>&);

        constexpr explicit StridedArrayView(const Size& size, const Stride& stride, ErasedType* data) noexcept: _data{data}, _size{size}, _stride{stride} {}

        static Stride packedStride(const Size& size) {
            Stride stride{NoInit};
            std::size_t next = sizeof(T);
            for(unsigned i = dimensions; i != 0; --i) {
                stride[i - 1] = std::ptrdiff_t(next);
                next *= size[i - 1];
            }
            return stride;
        }

        ArithmeticType* bytes() const { return static_cast<ArithmeticType*>(_data); }

        StridedArrayView<dimensions, T> everyInternal(const Stride& step) const {
            ArithmeticType* data = bytes();
            Size size = _size;
            Stride stride = _stride;
            for(unsigned i = 0; i != dimensions; ++i) {
                CORRADE_DEBUG_ASSERT(step[i], "Containers::StridedArrayView::every(): expected a non-zero step, got" << step, {});
                std::size_t divisor;
                if(step[i] < 0) {
                    data += (_size[i] ? std::ptrdiff_t(_size[i] - 1)*_stride[i] : 0);
                    divisor = std::size_t(-step[i]);
                } else divisor = std::size_t(step[i]);
                size[i] = (size[i] + divisor - 1)/divisor;
                stride[i] *= step[i];
            }
            return StridedArrayView<dimensions, T>{size, stride, data};
        }

        ErasedType* _data;
        Size _size;
        Stride _stride;
};

namespace Implementation {
    /* Shared implementation of the type-erased views */
    template<unsigned dimensions, class T> class StridedArrayViewErased {
        public:
            typedef T ErasedType;
            typedef typename std::conditional<std::is_const<T>::value, const char, char>::type ArithmeticType;
            typedef Containers::Size<dimensions> Size;
            typedef Containers::Stride<dimensions> Stride;
            enum: unsigned { Dimensions = dimensions };

            constexpr /*implicit*/ StridedArrayViewErased() noexcept: _data{}, _size{}, _stride{} {}
            StridedArrayViewErased(ArrayView<T> data, T* member, const Size& size, const Stride& stride) noexcept: _data{member}, _size{size}, _stride{stride} {
                CORRADE_DEBUG_ASSERT(Implementation::isAnyDimensionZero(size) || Implementation::largestStride(size, stride) <= data.size(),
                    "Containers::StridedArrayView: data size" << data.size() << "is not enough for" << size << "elements of stride" << stride, );
                static_cast<void>(data);
            }
            StridedArrayViewErased(ArrayView<T> data, const Size& size, const Stride& stride) noexcept: StridedArrayViewErased{data, data.data(), size, stride} {}

            constexpr T* data() const { return _data; }
            constexpr typename std::conditional<dimensions == 1, std::size_t, const Size&>::type size() const { return _size; }
            constexpr typename std::conditional<dimensions == 1, std::ptrdiff_t, const Stride&>::type stride() const { return _stride; }
            StridedDimensions<dimensions, bool> isEmpty() const {
                StridedDimensions<dimensions, bool> out{NoInit};
                for(unsigned i = 0; i != dimensions; ++i) out[i] = !_size[i];
                return out;
            }

        protected:
            constexpr explicit StridedArrayViewErased(const Size& size, const Stride& stride, T* data) noexcept: _data{data}, _size{size}, _stride{stride} {}

            T* _data;
            Size _size;
            Stride _stride;
    };
}

/** Type-erased constant strided view */
template<unsigned dimensions> class StridedArrayView<dimensions, const void>: public Implementation::StridedArrayViewErased<dimensions, const void> {
    typedef Implementation::StridedArrayViewErased<dimensions, const void> Base;
    public:
        typedef const void Type;
        using Base::Base;
        constexpr /*implicit*/ StridedArrayView() noexcept: Base{} {}
        template<class U, class = typename std::enable_if<std::is_same<std::nullptr_t, U>::value>::type> constexpr /*implicit*/ StridedArrayView(U) noexcept: Base{} {}
        /** From a typed view, keeping its stride */
        template<class U> constexpr /*implicit*/ StridedArrayView(const StridedArrayView<dimensions, U>& other) noexcept: Base{other.size(), other.stride(), other.data()} {}
        template<class U, unsigned d = dimensions, class = typename std::enable_if<d == 1>::type> constexpr /*implicit*/ StridedArrayView(ArrayView<U> view) noexcept: Base{view.size(), std::ptrdiff_t(sizeof(U)), view.data()} {}
        template<class U, std::size_t size, unsigned d = dimensions, class = typename std::enable_if<d == 1>::type> constexpr /*implicit*/ StridedArrayView(U(&data)[size]) noexcept: Base{size, std::ptrdiff_t(sizeof(U)), data} {}

    private:
        template<unsigned, class> friend class StridedArrayView;
        template<class U, unsigned d> friend StridedArrayView<d, U> arrayCast(const StridedArrayView<d, const void>&);
        constexpr explicit StridedArrayView(const typename Base::Size& size, const typename Base::Stride& stride, const void* data) noexcept: Base{size, stride, data} {}
};

/** Type-erased mutable strided view */
template<unsigned dimensions> class StridedArrayView<dimensions, void>: public Implementation::StridedArrayViewErased<dimensions, void> {
    typedef Implementation::StridedArrayViewErased<dimensions, void> Base;
    public:
        typedef void Type;
        using Base::Base;
        constexpr /*implicit*/ StridedArrayView() noexcept: Base{} {}
        template<class U, class = typename std::enable_if<std::is_same<std::nullptr_t, U>::value>::type> constexpr /*implicit*/ StridedArrayView(U) noexcept: Base{} {}
        template<class U, class = typename std::enable_if<!std::is_const<U>::value>::type> constexpr /*implicit*/ StridedArrayView(const StridedArrayView<dimensions, U>& other) noexcept: Base{other.size(), other.stride(), other.data()} {}
        template<class U, unsigned d = dimensions, class = typename std::enable_if<d == 1 && !std::is_const<U>::value>::type> constexpr /*implicit*/ StridedArrayView(ArrayView<U> view) noexcept: Base{view.size(), std::ptrdiff_t(sizeof(U)), view.data()} {}
        template<class U, std::size_t size, unsigned d = dimensions, class = typename std::enable_if<d == 1 && !std::is_const<U>::value>::type> constexpr /*implicit*/ StridedArrayView(U(&data)[size]) noexcept: Base{size, std::ptrdiff_t(sizeof(U)), data} {}

    private:
        template<unsigned, class> friend class StridedArrayView;
        template<class U, unsigned d> friend StridedArrayView<d, U> arrayCast(const StridedArrayView<d, void>&);
        constexpr explicit StridedArrayView(const typename Base::Size& size, const typename Base::Stride& stride, void* data) noexcept: Base{size, stride, data} {}
};

/** Make a one-dimensional strided view */
template<class T> StridedArrayView1D<T> stridedArrayView(ArrayView<T> data, T* member, std::size_t size, std::ptrdiff_t stride) {
    return {data, member, size, stride};
}
template<class T> StridedArrayView1D<T> stridedArrayView(ArrayView<T> view) { return view; }
template<class T, std::size_t size> StridedArrayView1D<T> stridedArrayView(T(&data)[size]) { return StridedArrayView1D<T>{data}; }
template<unsigned dimensions, class T> StridedArrayView<dimensions, T> stridedArrayView(const StridedArrayView<dimensions, T>& view) { return view; }

namespace Implementation {
    template<unsigned newDimensions, class U> struct StridedArrayViewAccess {
        template<class Data> static StridedArrayView<newDimensions, U> make(const Size<newDimensions>& size, const Stride<newDimensions>& stride, Data* data) {
            return StridedArrayView<newDimensions, U>{size, stride, const_cast<typename std::remove_const<Data>::type*>(data)};
        }
    };
}

/** Reinterpret a strided view, each stride has to fit the new type */
template<class U, unsigned dimensions, class T> StridedArrayView<dimensions, U> arrayCast(const StridedArrayView<dimensions, T>& view) {
    static_assert(std::is_standard_layout<T>::value, "the source type is not standard layout");
    static_assert(std::is_standard_layout<U>::value, "the target type is not standard layout");
    for(unsigned i = 0; i != dimensions; ++i) {
        const std::ptrdiff_t stride = view._stride[i];
        CORRADE_ASSERT(!stride || sizeof(U) <= std::size_t(stride < 0 ? -stride : stride),
            "Containers::arrayCast(): can't fit a" << sizeof(U) << Utility::Debug::nospace << "-byte type into a stride of" << stride, {});
    }
    return Implementation::StridedArrayViewAccess<dimensions, U>::make(view._size, view._stride, view.data());
}

/** Reinterpret a type-erased constant strided view */
template<class U, unsigned dimensions> StridedArrayView<dimensions, U> arrayCast(const StridedArrayView<dimensions, const void>& view) {
    static_assert(std::is_const<U>::value, "can't cast a const view to a mutable type");
    for(unsigned i = 0; i != dimensions; ++i) {
        const std::ptrdiff_t stride = Stride<dimensions>(view.stride())[i];
        CORRADE_ASSERT(!stride || sizeof(U) <= std::size_t(stride < 0 ? -stride : stride),
            "Containers::arrayCast(): can't fit a" << sizeof(U) << Utility::Debug::nospace << "-byte type into a stride of" << stride, {});
    }
    return Implementation::StridedArrayViewAccess<dimensions, U>::make(view.size(), view.stride(), view.data());
}

/** Reinterpret a type-erased mutable strided view */
template<class U, unsigned dimensions> StridedArrayView<dimensions, U> arrayCast(const StridedArrayView<dimensions, void>& view) {
    for(unsigned i = 0; i != dimensions; ++i) {
        const std::ptrdiff_t stride = Stride<dimensions>(view.stride())[i];
        CORRADE_ASSERT(!stride || sizeof(U) <= std::size_t(stride < 0 ? -stride : stride),
            "Containers::arrayCast(): can't fit a" << sizeof(U) << Utility::Debug::nospace << "-byte type into a stride of" << stride, {});
    }
    return Implementation::StridedArrayViewAccess<dimensions, U>::make(view.size(), view.stride(), view.data());
}

/** Reinterpret and add a dimension (splitting the last one) or drop one (merging a packed last dimension) */
template<unsigned newDimensions, class U, unsigned dimensions, class T> StridedArrayView<newDimensions, U> arrayCast(const StridedArrayView<dimensions, T>& view) {
    static_assert(std::is_standard_layout<T>::value, "the source type is not standard layout");
    static_assert(std::is_standard_layout<U>::value, "the target type is not standard layout");
    static_assert(newDimensions == dimensions + 1 || newDimensions + 1 == dimensions, "can cast only into one more or one less dimension");
    Size<newDimensions> size{NoInit};
    Stride<newDimensions> stride{NoInit};
    if constexpr(newDimensions > dimensions) {
        static_assert(sizeof(T) % sizeof(U) == 0, "original type not a multiple of the new type");
        for(unsigned i = 0; i != dimensions; ++i) {
            size[i] = Size<dimensions>(view.size())[i];
            stride[i] = Stride<dimensions>(view.stride())[i];
        }
        size[newDimensions - 1] = sizeof(T)/sizeof(U);
        stride[newDimensions - 1] = sizeof(U);
    } else {
        const std::size_t lastSize = Size<dimensions>(view.size())[dimensions - 1];
        const std::ptrdiff_t lastStride = Stride<dimensions>(view.stride())[dimensions - 1];
        CORRADE_ASSERT(lastStride == std::ptrdiff_t(sizeof(T)),
            "Containers::arrayCast(): last dimension needs to be contiguous in order to be flattened, expected stride" << sizeof(T) << "but got" << lastStride, {});
        CORRADE_ASSERT(sizeof(T)*lastSize == sizeof(U),
            "Containers::arrayCast(): last dimension needs to have byte size equal to new type size in order to be flattened, expected" << sizeof(U) << "but got" << sizeof(T)*lastSize, {});
        for(unsigned i = 0; i != newDimensions; ++i) {
            size[i] = Size<dimensions>(view.size())[i];
            stride[i] = Stride<dimensions>(view.stride())[i];
        }
    }
    return Implementation::StridedArrayViewAccess<newDimensions, U>::make(size, stride, view.data());
}

}}

#endif
