#ifndef Corrade_Containers_Array_h
#define Corrade_Containers_Array_h
/* Owning array with a custom deleter */

#include <initializer_list>
#include <new>

#include "Corrade/Containers/ArrayView.h"
#include "Corrade/Tags.h"
#include "Corrade/Utility/Move.h"

namespace Corrade { namespace Containers {

namespace Implementation {
    template<class D> struct DefaultDeleter {
        static constexpr D value() { return D(); }
    };
    template<class T> struct DefaultDeleter<void(*)(T*, std::size_t)> {
        static constexpr void(*value())(T*, std::size_t) { return nullptr; }
    };

    template<class T, class D> struct CallDeleter {
        void operator()(D deleter, T* data, std::size_t size) const { deleter(data, size); }
    };
    template<class T> struct CallDeleter<T, void(*)(T*, std::size_t)> {
        void operator()(void(*deleter)(T*, std::size_t), T* data, std::size_t size) const {
            if(deleter) deleter(data, size);
            else delete[] data;
        }
    };

    /* Memory for NoInit arrays comes from raw storage so no constructor runs */
    template<class T> T* noInitAllocate(std::size_t size) {
        return size ? reinterpret_cast<T*>(new char[size*sizeof(T)]) : nullptr;
    }
    template<class T> void noInitDeleter(T* data, std::size_t size) {
        if(!data) return;
        for(T *it = data, *end = data + size; it != end; ++it) it->~T();
        delete[] reinterpret_cast<char*>(data);
    }
}

/** Array wrapper with size information and a custom deleter */
template<class T, class D> class Array {
    public:
        typedef T Type;      /**< Element type */
        typedef D Deleter;   /**< Deleter type */

        /** Empty array */
        /*implicit*/ Array(std::nullptr_t = nullptr) noexcept: _data{}, _size{}, _deleter{Implementation::DefaultDeleter<D>::value()} {}

        /** Array with default-initialized items */
        explicit Array(DefaultInitT, std::size_t size): _data{size ? new T[size] : nullptr}, _size{size}, _deleter{Implementation::DefaultDeleter<D>::value()} {}
        /** Array with value-initialized items */
        explicit Array(ValueInitT, std::size_t size): _data{size ? new T[size]() : nullptr}, _size{size}, _deleter{Implementation::DefaultDeleter<D>::value()} {}
        /** Array with uninitialized items */
        explicit Array(NoInitT, std::size_t size): _data{Implementation::noInitAllocate<T>(size)}, _size{size}, _deleter{Implementation::noInitDeleter<T>} {}
        /** Array with items constructed from @p args */
        template<class ...Args> explicit Array(DirectInitT, std::size_t size, Args&&... args): Array{NoInit, size} {
            for(std::size_t i = 0; i != size; ++i)
                new(_data + i) T{args...};
        }
        /** Array with items copied from a list */
        explicit Array(InPlaceInitT, std::initializer_list<T> list): Array{NoInit, list.size()} {
            std::size_t i = 0;
            for(const T& item: list) new(_data + i++) T{item};
        }
        /** Array with items copied from a view */
        explicit Array(InPlaceInitT, ArrayView<const T> list): Array{NoInit, list.size()} {
            for(std::size_t i = 0; i != list.size(); ++i) new(_data + i) T{list[i]};
        }
        /** Take ownership of existing memory */
        explicit Array(T* data, std::size_t size, D deleter = Implementation::DefaultDeleter<D>::value()) noexcept: _data{data}, _size{size}, _deleter{deleter} {}
        /** Take ownership of the memory a view points to */
        explicit Array(ArrayView<T> view, D deleter) noexcept: Array{view.data(), view.size(), deleter} {}

        Array(const Array<T, D>&) = delete;
        Array(Array<T, D>&& other) noexcept: _data{other._data}, _size{other._size}, _deleter{other._deleter} {
            other._data = nullptr;
            other._size = 0;
            other._deleter = Implementation::DefaultDeleter<D>::value();
        }
        ~Array() { if(_data || _deleter) destruct(); }

        Array<T, D>& operator=(const Array<T, D>&) = delete;
        Array<T, D>& operator=(Array<T, D>&& other) noexcept {
            Utility::swap(_data, other._data);
            Utility::swap(_size, other._size);
            Utility::swap(_deleter, other._deleter);
            return *this;
        }

        /* V delays the sizeof, so an Array of an incomplete type can be a
           class member */
        template<class U, class V = T, class = typename std::enable_if<std::is_convertible<V*, U*>::value && sizeof(V) == sizeof(U)>::type> /*implicit*/ operator ArrayView<U>() noexcept { return {_data, _size}; }
        template<class U, class V = T, class = typename std::enable_if<std::is_convertible<const V*, U*>::value && sizeof(V) == sizeof(U)>::type> /*implicit*/ operator ArrayView<U>() const noexcept { return {_data, _size}; }
        /*implicit*/ operator ArrayView<const void>() const noexcept { return {_data, _size*sizeof(T)}; }
        template<class U = T, class = typename std::enable_if<!std::is_const<U>::value>::type> /*implicit*/ operator ArrayView<void>() noexcept { return {_data, _size*sizeof(T)}; }

        /** Whether the array is non-empty */
        explicit operator bool() const { return _data; }

        T* data() { return _data; }
        const T* data() const { return _data; }
        D deleter() const { return _deleter; }
        std::size_t size() const { return _size; }
        bool isEmpty() const { return !_size; }

        T* begin() { return _data; }
        const T* begin() const { return _data; }
        const T* cbegin() const { return _data; }
        T* end() { return _data + _size; }
        const T* end() const { return _data + _size; }
        const T* cend() const { return _data + _size; }

        T& front() { return view().front(); }
        const T& front() const { return view().front(); }
        T& back() { return view().back(); }
        const T& back() const { return view().back(); }

        T& operator[](std::size_t i) { return view()[i]; }
        const T& operator[](std::size_t i) const { return view()[i]; }

        ArrayView<T> slice(std::size_t begin, std::size_t end) { return view().slice(begin, end); }
        ArrayView<const T> slice(std::size_t begin, std::size_t end) const { return view().slice(begin, end); }
        ArrayView<T> sliceSize(std::size_t begin, std::size_t size) { return view().sliceSize(begin, size); }
        ArrayView<const T> sliceSize(std::size_t begin, std::size_t size) const { return view().sliceSize(begin, size); }
        ArrayView<T> prefix(std::size_t size) { return view().prefix(size); }
        ArrayView<const T> prefix(std::size_t size) const { return view().prefix(size); }
        ArrayView<T> exceptPrefix(std::size_t size) { return view().exceptPrefix(size); }
        ArrayView<const T> exceptPrefix(std::size_t size) const { return view().exceptPrefix(size); }
        ArrayView<T> exceptSuffix(std::size_t size) { return view().exceptSuffix(size); }
        ArrayView<const T> exceptSuffix(std::size_t size) const { return view().exceptSuffix(size); }

        /** Release ownership, the array becomes empty */
        T* release() {
            T* const data = _data;
            _data = nullptr;
            _size = 0;
            _deleter = Implementation::DefaultDeleter<D>::value();
            return data;
        }

    private:
        ArrayView<T> view() { return {_data, _size}; }
        ArrayView<const T> view() const { return {_data, _size}; }
        void destruct() { Implementation::CallDeleter<T, D>{}(_deleter, _data, _size); }

        T* _data;
        std::size_t _size;
        D _deleter;
};

/** Make a view on an array */
template<class T, class D> ArrayView<T> arrayView(Array<T, D>& array) { return array; }
template<class T, class D> ArrayView<const T> arrayView(const Array<T, D>& array) { return array; }

/** Reinterpret an array as a view on another type */
template<class U, class T, class D> ArrayView<U> arrayCast(Array<T, D>& array) { return arrayCast<U>(arrayView(array)); }
template<class U, class T, class D> ArrayView<const U> arrayCast(const Array<T, D>& array) { return arrayCast<const U>(arrayView(array)); }

/** Size of an array */
template<class T, class D> std::size_t arraySize(const Array<T, D>& array) { return array.size(); }

}}

#endif
