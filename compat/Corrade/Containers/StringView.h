#ifndef Corrade_Containers_StringView_h
#define Corrade_Containers_StringView_h
/* Non-owning string views */

#include <cstddef>
#include <type_traits>

#include "Corrade/Containers/Containers.h"
#include "Corrade/Containers/EnumSet.h"
#include "Corrade/Utility/DebugAssert.h"

namespace Corrade { namespace Containers {

/** String view flag */
enum class StringViewFlag: std::size_t {
    Global = std::size_t{1} << (sizeof(std::size_t)*8 - 1),         /**< Points to global memory */
    NullTerminated = std::size_t{1} << (sizeof(std::size_t)*8 - 2)  /**< Followed by a null terminator */
};

/** String view flags */
typedef EnumSet<StringViewFlag> StringViewFlags;
CORRADE_ENUMSET_OPERATORS(StringViewFlags)

namespace Implementation {
    template<class, class> struct StringViewConverter;
    enum: std::size_t {
        StringViewSizeMask = std::size_t(StringViewFlag::NullTerminated)|std::size_t(StringViewFlag::Global)
    };
}

/** String view, mutable or constant */
template<class T> class BasicStringView {
    public:
        constexpr /*implicit*/ BasicStringView(std::nullptr_t = nullptr) noexcept: _data{}, _sizePlusFlags{std::size_t(StringViewFlag::Global)} {}
        /** View on @p size bytes with given flags */
        constexpr /*implicit*/ BasicStringView(T* data, std::size_t size, StringViewFlags flags = {}) noexcept: _data{data}, _sizePlusFlags{size|(std::size_t(StringViewFlag::Global) & (data ? std::size_t(enumSetUnderlyingType(flags)) : std::size_t(StringViewFlag::Global)))|(std::size_t(StringViewFlag::NullTerminated) & std::size_t(enumSetUnderlyingType(flags)))} {}
        /** View on a null-terminated string */
        /*implicit*/ BasicStringView(T* data, StringViewFlags extraFlags = {}) noexcept;
        /** View on a byte array */
        /*implicit*/ BasicStringView(ArrayView<T> view, StringViewFlags flags = {}) noexcept;
        /** Mutable to constant view */
        template<class U, class = typename std::enable_if<std::is_same<const U, T>::value>::type> constexpr /*implicit*/ BasicStringView(BasicStringView<U> other) noexcept: _data{other._data}, _sizePlusFlags{other._sizePlusFlags} {}
        /** Convert from an external type */
        template<class U, class = decltype(Implementation::StringViewConverter<T, typename std::decay<U&&>::type>::from(std::declval<U&&>()))> constexpr /*implicit*/ BasicStringView(U&& other) noexcept: BasicStringView{Implementation::StringViewConverter<T, typename std::decay<U&&>::type>::from(static_cast<U&&>(other))} {}

        /** Convert to an external type */
        template<class U, class = decltype(Implementation::StringViewConverter<T, U>::to(std::declval<BasicStringView<T>>()))> constexpr /*implicit*/ operator U() const {
            return Implementation::StringViewConverter<T, U>::to(*this);
        }

        /*implicit*/ operator ArrayView<T>() const noexcept;
        /*implicit*/ operator ArrayView<typename std::conditional<std::is_const<T>::value, const void, void>::type>() const noexcept;

        constexpr StringViewFlags flags() const { return StringViewFlag(_sizePlusFlags & Implementation::StringViewSizeMask); }
        constexpr T* data() const { return _data; }
        constexpr std::size_t size() const { return _sizePlusFlags & ~Implementation::StringViewSizeMask; }
        constexpr bool isEmpty() const { return !size(); }

        constexpr T* begin() const { return _data; }
        constexpr T* cbegin() const { return _data; }
        constexpr T* end() const { return _data + size(); }
        constexpr T* cend() const { return _data + size(); }
        T& front() const { return _data[0]; }
        T& back() const { return _data[size() - 1]; }
        T& operator[](std::size_t i) const {
            CORRADE_DEBUG_ASSERT(i < size() + (flags() & StringViewFlag::NullTerminated ? 1 : 0), "Containers::StringView::operator[](): index" << i << "out of range for" << size() << (flags() & StringViewFlag::NullTerminated ? "null-terminated bytes" : "bytes"), _data[0]);
            return _data[i];
        }

        /** Bytes [@p begin, @p end) */
        BasicStringView<T> slice(std::size_t begin, std::size_t end) const {
            const std::size_t size = this->size();
            CORRADE_DEBUG_ASSERT(begin <= end && end <= size,
                "Containers::StringView::slice(): slice [" << Utility::Debug::nospace << begin << Utility::Debug::nospace << ":" << Utility::Debug::nospace << end << Utility::Debug::nospace << "] out of range for" << size << "elements", {});
            return BasicStringView<T>{_data + begin, end - begin,
                StringViewFlag(std::size_t(StringViewFlag::Global) & _sizePlusFlags)|
                (end == size ? StringViewFlag(std::size_t(StringViewFlag::NullTerminated) & _sizePlusFlags) : StringViewFlag{})};
        }
        BasicStringView<T> slice(T* begin, T* end) const { return slice(std::size_t(begin - _data), std::size_t(end - _data)); }
        BasicStringView<T> sliceSize(std::size_t begin, std::size_t size) const { return slice(begin, begin + size); }
        BasicStringView<T> prefix(std::size_t size) const { return slice(0, size); }
        BasicStringView<T> prefix(T* end) const { return slice(_data, end); }
        BasicStringView<T> suffix(T* begin) const { return slice(begin, _data + size()); }
        BasicStringView<T> exceptPrefix(std::size_t size) const { return slice(size, this->size()); }
        BasicStringView<T> exceptSuffix(std::size_t size) const { return slice(0, this->size() - size); }

        /** Whether the view begins with @p prefix */
        bool hasPrefix(BasicStringView<const T> prefix) const;
        bool hasPrefix(char prefix) const { return size() && _data[0] == prefix; }
        /** Whether the view ends with @p suffix */
        bool hasSuffix(BasicStringView<const T> suffix) const;
        bool hasSuffix(char suffix) const { return size() && _data[size() - 1] == suffix; }
        /** The view without @p prefix, which it has to begin with */
        BasicStringView<T> exceptPrefix(BasicStringView<const T> prefix) const {
            CORRADE_DEBUG_ASSERT(hasPrefix(prefix), "Containers::StringView::exceptPrefix(): string doesn't begin with" << prefix, {});
            return exceptPrefix(prefix.size());
        }
        /** The view without @p suffix, which it has to end with */
        BasicStringView<T> exceptSuffix(BasicStringView<const T> suffix) const {
            CORRADE_DEBUG_ASSERT(hasSuffix(suffix), "Containers::StringView::exceptSuffix(): string doesn't end with" << suffix, {});
            return exceptSuffix(suffix.size());
        }

        /** First occurrence of @p substring, an empty view pointing nowhere if not found */
        BasicStringView<T> find(BasicStringView<const T> substring) const;
        BasicStringView<T> find(char character) const {
            const std::size_t size = this->size();
            for(std::size_t i = 0; i != size; ++i) if(_data[i] == character) return slice(i, i + 1);
            return notFound();
        }
        /** Last occurrence of @p substring */
        BasicStringView<T> findLast(BasicStringView<const T> substring) const;
        BasicStringView<T> findLast(char character) const {
            for(std::size_t i = size(); i != 0; --i) if(_data[i - 1] == character) return slice(i - 1, i);
            return notFound();
        }
        bool contains(BasicStringView<const T> substring) const { return find(substring).data(); }
        bool contains(char character) const { return find(character).data(); }

        /** Split on a character, keeping empty parts */
        Array<BasicStringView<T>> split(char delimiter) const;
        /** Split on a character, dropping empty parts */
        Array<BasicStringView<T>> splitWithoutEmptyParts(char delimiter) const;

        /** The view without leading and trailing whitespace */
        BasicStringView<T> trimmed() const { return trimmedPrefix().trimmedSuffix(); }
        BasicStringView<T> trimmedPrefix() const {
            std::size_t i = 0;
            const std::size_t size = this->size();
            while(i != size && isWhitespace(_data[i])) ++i;
            return exceptPrefix(i);
        }
        BasicStringView<T> trimmedSuffix() const {
            std::size_t i = size();
            while(i && isWhitespace(_data[i - 1])) --i;
            return prefix(i);
        }

    private:
        template<class> friend class BasicStringView;

        /* What find() and findLast() return when there's no match: no data
           and no flags, unlike a default-constructed view, which is global */
        static BasicStringView<T> notFound() {
            BasicStringView<T> out;
            out._sizePlusFlags = 0;
            return out;
        }

        static bool isWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

        T* _data;
        std::size_t _sizePlusFlags;
};

bool operator==(StringView a, StringView b);
bool operator!=(StringView a, StringView b);
bool operator<(StringView a, StringView b);
bool operator<=(StringView a, StringView b);
bool operator>(StringView a, StringView b);
bool operator>=(StringView a, StringView b);
/** Concatenate two views into a new string */
String operator+(StringView a, StringView b);

/* Members that need <cstring> or complete array types are defined in the
   library for these two */
extern template class BasicStringView<char>;
extern template class BasicStringView<const char>;

namespace Literals {
    inline namespace StringLiterals {
        /** String view literal, global and null-terminated */
        constexpr StringView operator"" _s(const char* data, std::size_t size) {
            return StringView{data, size, StringViewFlag(std::size_t(StringViewFlag::Global)|std::size_t(StringViewFlag::NullTerminated))};
        }
    }
}

}}

#endif
