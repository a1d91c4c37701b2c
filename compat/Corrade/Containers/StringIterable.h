#ifndef Corrade_Containers_StringIterable_h
#define Corrade_Containers_StringIterable_h
/* Type-erased view over a sequence of strings, string views or C strings */

#include <initializer_list>
#include <type_traits>

#include "Corrade/Containers/Containers.h"
#include "Corrade/Utility/Move.h"

namespace Corrade { namespace Containers {

class StringIterableIterator;

/** @brief Wrapper for any sequential container of strings or string views */
class StringIterable {
    /* Lets the generic constructor try the contiguous views before the
       strided ones, so an Array of strings isn't ambiguous */
    struct Strided {};
    struct Contiguous: Strided {};

    public:
        /** @brief Accessor turning an element into a view */
        typedef StringView(*Accessor)(const void*, const void*, std::ptrdiff_t, std::size_t);

        /** @brief Default constructor, an empty iterable */
        constexpr /*implicit*/ StringIterable() noexcept: _data{}, _context{}, _size{}, _stride{}, _accessor{} {}

        /* A template so a literal 0 passed where a std::size_t overload
           competes isn't ambiguous */
        template<class T, typename std::enable_if<std::is_same<std::nullptr_t, T>::value, int>::type = 0> constexpr /*implicit*/ StringIterable(T) noexcept: _data{}, _context{}, _size{}, _stride{}, _accessor{} {}

        /** @brief From anything convertible to a (strided) view of strings, string views or C strings */
        template<class U, class = decltype(StringIterable{std::declval<U&&>(), Contiguous{}})> /*implicit*/ StringIterable(U&& data) noexcept: StringIterable{Utility::forward<U>(data), Contiguous{}} {}

        /** @brief From a list of string views */
        /*implicit*/ StringIterable(std::initializer_list<StringView> list) noexcept;

        /** @brief From type-erased data and an accessor */
        explicit StringIterable(const void* data, const void* context, std::size_t size, std::ptrdiff_t stride, Accessor accessor) noexcept: _data{data}, _context{context}, _size{size}, _stride{stride}, _accessor{accessor} {}

        /** @brief Whether the iterable is non-empty */
        explicit operator bool() const { return _size; }

        /** @brief Element data */
        const void* data() const { return _data; }

        /** @brief Accessor context */
        const void* context() const { return _context; }

        /** @brief Element count */
        std::size_t size() const { return _size; }

        /** @brief Element stride */
        std::ptrdiff_t stride() const { return _stride; }

        /** @brief Whether the iterable is empty */
        bool isEmpty() const { return !_size; }

        /** @brief Iterator to the first element */
        inline StringIterableIterator begin() const;
        /** @overload */
        inline StringIterableIterator cbegin() const;

        /** @brief Iterator to (one item after) the last element */
        inline StringIterableIterator end() const;
        /** @overload */
        inline StringIterableIterator cend() const;

        /** @brief First element */
        StringView front() const;

        /** @brief Last element */
        StringView back() const;

        /** @brief Element access */
        StringView operator[](std::size_t i) const;

    private:
        explicit StringIterable(ArrayView<const StringView> view, Contiguous) noexcept;
        explicit StringIterable(ArrayView<const MutableStringView> view, Contiguous) noexcept;
        explicit StringIterable(ArrayView<const String> view, Contiguous) noexcept;
        explicit StringIterable(ArrayView<const char* const> view, Contiguous) noexcept;
        explicit StringIterable(StridedArrayView1D<const StringView> view, Strided) noexcept;
        explicit StringIterable(StridedArrayView1D<const MutableStringView> view, Strided) noexcept;
        explicit StringIterable(StridedArrayView1D<const String> view, Strided) noexcept;
        explicit StringIterable(StridedArrayView1D<const char* const> view, Strided) noexcept;

        const void* _data;
        const void* _context;
        std::size_t _size;
        std::ptrdiff_t _stride;
        Accessor _accessor;
};

/** @brief String iterable iterator */
class StringIterableIterator {
    public:
        /* Iterators of different iterables never compare equal or ordered */
        bool operator==(const StringIterableIterator& other) const {
            return sameIterable(other) && _i == other._i;
        }
        bool operator!=(const StringIterableIterator& other) const {
            return !operator==(other);
        }
        bool operator<(const StringIterableIterator& other) const {
            return sameIterable(other) && _i < other._i;
        }
        bool operator<=(const StringIterableIterator& other) const {
            return sameIterable(other) && _i <= other._i;
        }
        bool operator>(const StringIterableIterator& other) const {
            return sameIterable(other) && _i > other._i;
        }
        bool operator>=(const StringIterableIterator& other) const {
            return sameIterable(other) && _i >= other._i;
        }

        StringIterableIterator operator+(std::ptrdiff_t i) const {
            return StringIterableIterator{_data, _context, _stride, _accessor, _i + i};
        }
        StringIterableIterator& operator+=(std::ptrdiff_t i) {
            _i += i;
            return *this;
        }
        StringIterableIterator operator-(std::ptrdiff_t i) const {
            return StringIterableIterator{_data, _context, _stride, _accessor, _i - i};
        }
        StringIterableIterator& operator-=(std::ptrdiff_t i) {
            _i -= i;
            return *this;
        }
        std::ptrdiff_t operator-(const StringIterableIterator& other) const {
            return std::ptrdiff_t(_i) - std::ptrdiff_t(other._i);
        }
        StringIterableIterator& operator++() {
            ++_i;
            return *this;
        }
        StringIterableIterator& operator--() {
            --_i;
            return *this;
        }

        /** @brief Dereference */
        StringView operator*() const;

    private:
        friend StringIterable;

        explicit StringIterableIterator(const void* data, const void* context, std::ptrdiff_t stride, StringIterable::Accessor accessor, std::size_t i) noexcept: _data{static_cast<const char*>(data)}, _context{context}, _stride{stride}, _accessor{accessor}, _i{i} {}

        bool sameIterable(const StringIterableIterator& other) const {
            return _data == other._data && _context == other._context && _stride == other._stride;
        }

        const char* _data;
        const void* _context;
        std::ptrdiff_t _stride;
        StringIterable::Accessor _accessor;
        std::size_t _i;
};

/** @brief Add an offset to an iterator */
inline StringIterableIterator operator+(std::ptrdiff_t i, const StringIterableIterator& it) {
    return it + i;
}

inline StringIterableIterator StringIterable::begin() const {
    return StringIterableIterator{_data, _context, _stride, _accessor, 0};
}

inline StringIterableIterator StringIterable::cbegin() const {
    return begin();
}

inline StringIterableIterator StringIterable::end() const {
    return StringIterableIterator{_data, _context, _stride, _accessor, _size};
}

inline StringIterableIterator StringIterable::cend() const {
    return end();
}

}}

#endif
