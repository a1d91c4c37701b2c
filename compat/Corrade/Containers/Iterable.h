#ifndef Corrade_Containers_Iterable_h
#define Corrade_Containers_Iterable_h
/* Type-erased view over values, references or pointers to @p T */

#include <initializer_list>
#include <type_traits>

#include "Corrade/Containers/Containers.h"
#include "Corrade/Utility/DebugAssert.h"

namespace Corrade { namespace Containers {

template<class> class IterableIterator;

/** Wrapper for any sequential container of values or references to @p T */
template<class T> class Iterable {
    public:
        typedef T Type;

        /*implicit*/ Iterable(std::nullptr_t = nullptr) noexcept: _data{}, _size{}, _stride{}, _accessor{} {}
        /** From a view of values */
        template<class U, class = typename std::enable_if<std::is_convertible<U&, T&>::value>::type> /*implicit*/ Iterable(ArrayView<U> view) noexcept: _data{view.data()}, _size{view.size()}, _stride{sizeof(U)}, _accessor{&valueAccessor<U>} {}
        /** From a strided view of values */
        template<class U, class = typename std::enable_if<std::is_convertible<U&, T&>::value>::type> /*implicit*/ Iterable(const StridedArrayView1D<U>& view) noexcept: _data{view.data()}, _size{view.size()}, _stride{view.stride()}, _accessor{&valueAccessor<U>} {}
        /** From a view of references */
        template<class U, class = typename std::enable_if<std::is_convertible<U&, T&>::value>::type> /*implicit*/ Iterable(ArrayView<Reference<U>> view) noexcept: _data{view.data()}, _size{view.size()}, _stride{sizeof(Reference<U>)}, _accessor{&referenceAccessor<U>} {}
        template<class U, class = typename std::enable_if<std::is_convertible<U&, T&>::value>::type> /*implicit*/ Iterable(ArrayView<const Reference<U>> view) noexcept: _data{view.data()}, _size{view.size()}, _stride{sizeof(Reference<U>)}, _accessor{&referenceAccessor<U>} {}
        /** From anything convertible to a view of values or references, such as an Array */
        template<class U, class = typename std::enable_if<!std::is_convertible<U&&, T&>::value && !std::is_same<typename std::decay<U>::type, Iterable<T>>::value && !std::is_same<typename std::decay<U>::type, decltype(arrayView(std::declval<U&&>()))>::value, decltype(arrayView(std::declval<U&&>()))>::type, class V = decltype(Iterable<T>{arrayView(std::declval<U&&>())})> /*implicit*/ Iterable(U&& other) noexcept: Iterable{arrayView(static_cast<U&&>(other))} {}
        /** From a list of references */
        /*implicit*/ Iterable(std::initializer_list<Reference<T>> list) noexcept: Iterable{arrayView(list)} {}

        bool isEmpty() const { return !_size; }
        std::size_t size() const { return _size; }
        std::ptrdiff_t stride() const { return _stride; }
        const void* data() const { return _data; }

        T& operator[](std::size_t i) const {
            CORRADE_DEBUG_ASSERT(i < _size, "Containers::Iterable::operator[](): index" << i << "out of range for" << _size << "elements", _accessor(_data));
            return _accessor(static_cast<const char*>(_data) + std::ptrdiff_t(i)*_stride);
        }
        T& front() const { return operator[](0); }
        T& back() const { return operator[](_size - 1); }

        IterableIterator<T> begin() const { return {_data, _stride, _accessor, 0}; }
        IterableIterator<T> cbegin() const { return begin(); }
        IterableIterator<T> end() const { return {_data, _stride, _accessor, _size}; }
        IterableIterator<T> cend() const { return end(); }

    private:
        template<class U> static T& valueAccessor(const void* data) {
            return *const_cast<U*>(static_cast<const U*>(data));
        }
        template<class U> static T& referenceAccessor(const void* data) {
            return static_cast<const Reference<U>*>(data)->get();
        }

        const void* _data;
        std::size_t _size;
        std::ptrdiff_t _stride;
        T&(*_accessor)(const void*);
};

/** Iterator of an Iterable */
template<class T> class IterableIterator {
    public:
        /*implicit*/ IterableIterator(const void* data, std::ptrdiff_t stride, T&(*accessor)(const void*), std::size_t i) noexcept: _data{data}, _stride{stride}, _accessor{accessor}, _i{i} {}

        bool operator==(const IterableIterator<T>& other) const { return _data == other._data && _i == other._i; }
        bool operator!=(const IterableIterator<T>& other) const { return !operator==(other); }
        IterableIterator<T>& operator++() { ++_i; return *this; }
        IterableIterator<T>& operator--() { --_i; return *this; }
        std::ptrdiff_t operator-(const IterableIterator<T>& other) const { return std::ptrdiff_t(_i) - std::ptrdiff_t(other._i); }
        T& operator*() const { return _accessor(static_cast<const char*>(_data) + std::ptrdiff_t(_i)*_stride); }

    private:
        const void* _data;
        std::ptrdiff_t _stride;
        T&(*_accessor)(const void*);
        std::size_t _i;
};

}}

#endif
