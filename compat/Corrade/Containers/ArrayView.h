#ifndef Corrade_Containers_ArrayView_h
#define Corrade_Containers_ArrayView_h
/* Non-owning views on contiguous memory */

#include <cstddef>
#include <initializer_list>
#include <type_traits>

#include "Corrade/Containers/Containers.h"
#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/DebugAssert.h"
#include "Corrade/Utility/Move.h"

namespace Corrade { namespace Containers {

namespace Implementation {
    template<class, class> struct ArrayViewConverter;
    template<class T> struct ErasedArrayViewConverter;

    /* A view on U converts to a view on T. A separate template so the size
       of T is only needed once a conversion is attempted, not already when a
       view on an incomplete T gets declared. */
    template<class U, class T, bool = std::is_convertible<U*, T*>::value> struct IsArrayViewCompatible: std::false_type {};
    template<class U, class T> struct IsArrayViewCompatible<U, T, true>: std::integral_constant<bool, sizeof(U) == sizeof(T)> {};
}

/** Non-owning view on an array of @p T */
template<class T> class ArrayView {
    public:
        typedef T Type; /**< Element type */

        constexpr /*implicit*/ ArrayView() noexcept: _data{}, _size{} {}
        /* A template so a literal 0 doesn't convert to a view */
        template<class U, class = typename std::enable_if<std::is_same<std::nullptr_t, U>::value>::type> constexpr /*implicit*/ ArrayView(U) noexcept: _data{}, _size{} {}
        /** View on @p size items starting at @p data */
        constexpr /*implicit*/ ArrayView(T* data, std::size_t size) noexcept: _data{data}, _size{size} {}
        /** View on a fixed-size array */
        template<class U, std::size_t size, class = typename std::enable_if<Implementation::IsArrayViewCompatible<U, T>::value>::type> constexpr /*implicit*/ ArrayView(U(&data)[size]) noexcept: _data{data}, _size{size} {}
        /** Convert from a view on a compatible type */
        template<class U, class = typename std::enable_if<Implementation::IsArrayViewCompatible<U, T>::value>::type> constexpr /*implicit*/ ArrayView(ArrayView<U> view) noexcept: _data{view.data()}, _size{view.size()} {}
        /** Convert from a static view on a compatible type */
        template<std::size_t size, class U, class = typename std::enable_if<Implementation::IsArrayViewCompatible<U, T>::value>::type> constexpr /*implicit*/ ArrayView(StaticArrayView<size, U> view) noexcept: _data{view.data()}, _size{size} {}
        /** Convert from an external type */
        template<class U, class = decltype(Implementation::ArrayViewConverter<T, typename std::decay<U&&>::type>::from(std::declval<U&&>()))> constexpr /*implicit*/ ArrayView(U&& other) noexcept: ArrayView{Implementation::ArrayViewConverter<T, typename std::decay<U&&>::type>::from(static_cast<U&&>(other))} {}

        constexpr T* data() const { return _data; }
        constexpr std::size_t size() const { return _size; }
        constexpr bool isEmpty() const { return !_size; }

        constexpr T* begin() const { return _data; }
        constexpr T* cbegin() const { return _data; }
        constexpr T* end() const { return _data + _size; }
        constexpr T* cend() const { return _data + _size; }

        T& front() const {
            CORRADE_DEBUG_ASSERT(_size, "Containers::ArrayView::front(): view is empty", _data[0]);
            return _data[0];
        }
        T& back() const {
            CORRADE_DEBUG_ASSERT(_size, "Containers::ArrayView::back(): view is empty", _data[_size - 1]);
            return _data[_size - 1];
        }

        T& operator[](std::size_t i) const {
            CORRADE_DEBUG_ASSERT(i < _size, "Containers::ArrayView::operator[](): index" << i << "out of range for" << _size << "elements", _data[0]);
            return _data[i];
        }

        /** View on items [@p begin, @p end) */
        ArrayView<T> slice(std::size_t begin, std::size_t end) const {
            CORRADE_DEBUG_ASSERT(begin <= end && end <= _size,
                "Containers::ArrayView::slice(): slice [" << Utility::Debug::nospace << begin << Utility::Debug::nospace << ":" << Utility::Debug::nospace << end << Utility::Debug::nospace << "] out of range for" << _size << "elements", nullptr);
            return {_data + begin, end - begin};
        }
        ArrayView<T> slice(T* begin, T* end) const {
            return slice(std::size_t(begin - _data), std::size_t(end - _data));
        }
        ArrayView<T> sliceSize(std::size_t begin, std::size_t size) const { return slice(begin, begin + size); }
        ArrayView<T> sliceSize(T* begin, std::size_t size) const { return slice(begin, begin + size); }
        ArrayView<T> prefix(std::size_t size) const { return slice(0, size); }
        ArrayView<T> prefix(T* end) const { return slice(_data, end); }
        /* No suffix(std::size_t): its meaning is changing, so neither the
           old nor the new one is offered */
        ArrayView<T> suffix(T* begin) const { return slice(begin, _data + _size); }
        ArrayView<T> exceptPrefix(std::size_t size) const { return slice(size, _size); }
        ArrayView<T> exceptSuffix(std::size_t size) const { return slice(0, _size - size); }

        template<std::size_t size> StaticArrayView<size, T> prefix() const;
        template<std::size_t begin, std::size_t end> StaticArrayView<end - begin, T> slice() const;

    private:
        T* _data;
        std::size_t _size;
};

/** Type-erased constant view */
template<> class ArrayView<const void> {
    public:
        typedef const void Type;

        constexpr /*implicit*/ ArrayView() noexcept: _data{}, _size{} {}
        /* A template so a literal 0 doesn't convert to a view */
        template<class U, class = typename std::enable_if<std::is_same<std::nullptr_t, U>::value>::type> constexpr /*implicit*/ ArrayView(U) noexcept: _data{}, _size{} {}
        constexpr /*implicit*/ ArrayView(const void* data, std::size_t size) noexcept: _data{data}, _size{size} {}
        template<class T, std::size_t size> constexpr /*implicit*/ ArrayView(T(&data)[size]) noexcept: _data{data}, _size{size*sizeof(T)} {}
        template<class T> constexpr /*implicit*/ ArrayView(ArrayView<T> array) noexcept: _data{array.data()}, _size{array.size()*sizeof(T)} {}
        template<std::size_t size, class T> constexpr /*implicit*/ ArrayView(StaticArrayView<size, T> array) noexcept: _data{array.data()}, _size{size*sizeof(T)} {}
        template<class U, class = decltype(Implementation::ErasedArrayViewConverter<typename std::decay<U&&>::type>::from(std::declval<U&&>()))> constexpr /*implicit*/ ArrayView(U&& other) noexcept: ArrayView{Implementation::ErasedArrayViewConverter<typename std::decay<U&&>::type>::from(static_cast<U&&>(other))} {}

        constexpr const void* data() const { return _data; }
        constexpr std::size_t size() const { return _size; }
        constexpr bool isEmpty() const { return !_size; }

    private:
        const void* _data;
        std::size_t _size;
};

/** Type-erased mutable view */
template<> class ArrayView<void> {
    public:
        typedef void Type;

        constexpr /*implicit*/ ArrayView() noexcept: _data{}, _size{} {}
        /* A template so a literal 0 doesn't convert to a view */
        template<class U, class = typename std::enable_if<std::is_same<std::nullptr_t, U>::value>::type> constexpr /*implicit*/ ArrayView(U) noexcept: _data{}, _size{} {}
        constexpr /*implicit*/ ArrayView(void* data, std::size_t size) noexcept: _data{data}, _size{size} {}
        template<class T, std::size_t size, class = typename std::enable_if<!std::is_const<T>::value>::type> constexpr /*implicit*/ ArrayView(T(&data)[size]) noexcept: _data{data}, _size{size*sizeof(T)} {}
        template<class T, class = typename std::enable_if<!std::is_const<T>::value>::type> constexpr /*implicit*/ ArrayView(ArrayView<T> array) noexcept: _data{array.data()}, _size{array.size()*sizeof(T)} {}
        template<std::size_t size, class T, class = typename std::enable_if<!std::is_const<T>::value>::type> constexpr /*implicit*/ ArrayView(StaticArrayView<size, T> array) noexcept: _data{array.data()}, _size{size*sizeof(T)} {}
        template<class U, class = decltype(Implementation::ErasedArrayViewConverter<typename std::decay<U&&>::type>::from(std::declval<U&&>()))> constexpr /*implicit*/ ArrayView(U&& other) noexcept: ArrayView{Implementation::ErasedArrayViewConverter<typename std::decay<U&&>::type>::from(static_cast<U&&>(other))} {}

        constexpr void* data() const { return _data; }
        constexpr std::size_t size() const { return _size; }
        constexpr bool isEmpty() const { return !_size; }

    private:
        void* _data;
        std::size_t _size;
};

/** Fixed-size non-owning view */
template<std::size_t size_, class T> class StaticArrayView {
    public:
        typedef T Type;
        enum: std::size_t { Size = size_ };

        constexpr /*implicit*/ StaticArrayView(std::nullptr_t = nullptr) noexcept: _data{} {}
        constexpr explicit StaticArrayView(T* data) noexcept: _data{data} {}
        template<class U, class = typename std::enable_if<Implementation::IsArrayViewCompatible<U, T>::value>::type> constexpr /*implicit*/ StaticArrayView(U(&data)[size_]) noexcept: _data{data} {}
        template<class U, class = typename std::enable_if<Implementation::IsArrayViewCompatible<U, T>::value>::type> constexpr /*implicit*/ StaticArrayView(StaticArrayView<size_, U> view) noexcept: _data{view.data()} {}

        constexpr T* data() const { return _data; }
        constexpr std::size_t size() const { return size_; }
        constexpr bool isEmpty() const { return !size_; }
        constexpr T* begin() const { return _data; }
        constexpr T* end() const { return _data + size_; }
        T& front() const { return _data[0]; }
        T& back() const { return _data[size_ - 1]; }
        T& operator[](std::size_t i) const {
            CORRADE_DEBUG_ASSERT(i < size_, "Containers::StaticArrayView::operator[](): index" << i << "out of range for" << size_ << "elements", _data[0]);
            return _data[i];
        }

        ArrayView<T> slice(std::size_t begin, std::size_t end) const { return ArrayView<T>{*this}.slice(begin, end); }
        ArrayView<T> prefix(std::size_t size) const { return ArrayView<T>{*this}.prefix(size); }
        ArrayView<T> exceptPrefix(std::size_t size) const { return ArrayView<T>{*this}.exceptPrefix(size); }
        ArrayView<T> exceptSuffix(std::size_t size) const { return ArrayView<T>{*this}.exceptSuffix(size); }

    private:
        T* _data;
};

template<class T> template<std::size_t size> StaticArrayView<size, T> ArrayView<T>::prefix() const {
    static_assert(size, "fixed-size slice needs to have a positive size");
    CORRADE_DEBUG_ASSERT(size <= _size, "Containers::ArrayView::slice(): slice [" << Utility::Debug::nospace << 0 << Utility::Debug::nospace << ":" << Utility::Debug::nospace << size << Utility::Debug::nospace << "] out of range for" << _size << "elements", nullptr);
    return StaticArrayView<size, T>{_data};
}

template<class T> template<std::size_t begin, std::size_t end> StaticArrayView<end - begin, T> ArrayView<T>::slice() const {
    static_assert(begin < end, "fixed-size slice needs to have a positive size");
    CORRADE_DEBUG_ASSERT(end <= _size, "Containers::ArrayView::slice(): slice [" << Utility::Debug::nospace << begin << Utility::Debug::nospace << ":" << Utility::Debug::nospace << end << Utility::Debug::nospace << "] out of range for" << _size << "elements", nullptr);
    return StaticArrayView<end - begin, T>{_data + begin};
}

/** Make a view */
template<class T> constexpr ArrayView<T> arrayView(T* data, std::size_t size) { return {data, size}; }
template<std::size_t size, class T> constexpr ArrayView<T> arrayView(T(&data)[size]) { return ArrayView<T>{data}; }
template<class T> constexpr ArrayView<const T> arrayView(std::initializer_list<T> list) { return {list.begin(), list.size()}; }
template<class T> constexpr ArrayView<T> arrayView(ArrayView<T> view) { return view; }
template<std::size_t size, class T> constexpr ArrayView<T> arrayView(StaticArrayView<size, T> view) { return ArrayView<T>{view}; }
template<class T, class U = decltype(Implementation::ErasedArrayViewConverter<typename std::remove_reference<T&&>::type>::from(std::declval<T&&>()))> constexpr U arrayView(T&& other) {
    return Implementation::ErasedArrayViewConverter<typename std::remove_reference<T&&>::type>::from(static_cast<T&&>(other));
}

/** Make a static view */
template<std::size_t size, class T> constexpr StaticArrayView<size, T> staticArrayView(T* data) { return StaticArrayView<size, T>{data}; }
template<std::size_t size, class T> constexpr StaticArrayView<size, T> staticArrayView(T(&data)[size]) { return StaticArrayView<size, T>{data}; }

/** Size of a fixed-size array */
template<std::size_t size_, class T> constexpr std::size_t arraySize(T(&)[size_]) { return size_; }
template<class T> constexpr std::size_t arraySize(ArrayView<T> view) { return view.size(); }
template<std::size_t size_, class T> constexpr std::size_t arraySize(StaticArrayView<size_, T>) { return size_; }

/** Reinterpret a view as a view on another type */
template<class U, class T> ArrayView<U> arrayCast(ArrayView<T> view) {
    static_assert(std::is_standard_layout<T>::value, "the source type is not standard layout");
    static_assert(std::is_standard_layout<U>::value, "the target type is not standard layout");
    const std::size_t size = view.size()*sizeof(T)/sizeof(U);
    CORRADE_ASSERT(size*sizeof(U) == view.size()*sizeof(T),
        "Containers::arrayCast(): can't reinterpret" << view.size() << sizeof(T) << Utility::Debug::nospace << "-byte items into a" << sizeof(U) << Utility::Debug::nospace << "-byte type", {});
    return {reinterpret_cast<U*>(view.begin()), size};
}
template<class U> ArrayView<U> arrayCast(ArrayView<const void> view) {
    static_assert(std::is_const<U>::value, "can't cast a const view to a mutable type");
    const std::size_t size = view.size()/sizeof(U);
    CORRADE_ASSERT(size*sizeof(U) == view.size(),
        "Containers::arrayCast(): can't reinterpret" << view.size() << "bytes into a" << sizeof(U) << Utility::Debug::nospace << "-byte type", {});
    return {static_cast<U*>(view.data()), size};
}
template<class U> ArrayView<U> arrayCast(ArrayView<void> view) {
    const std::size_t size = view.size()/sizeof(U);
    CORRADE_ASSERT(size*sizeof(U) == view.size(),
        "Containers::arrayCast(): can't reinterpret" << view.size() << "bytes into a" << sizeof(U) << Utility::Debug::nospace << "-byte type", {});
    return {static_cast<U*>(view.data()), size};
}
template<class U, std::size_t size, class T> StaticArrayView<size*sizeof(T)/sizeof(U), U> arrayCast(StaticArrayView<size, T> view) {
    static_assert(size*sizeof(T) % sizeof(U) == 0, "type sizes are not compatible");
    return StaticArrayView<size*sizeof(T)/sizeof(U), U>{reinterpret_cast<U*>(view.begin())};
}
template<class U, std::size_t size, class T> StaticArrayView<size*sizeof(T)/sizeof(U), U> arrayCast(T(&data)[size]) {
    return arrayCast<U>(StaticArrayView<size, T>{data});
}

}}

#endif
