#ifndef Corrade_Containers_String_h
#define Corrade_Containers_String_h
/* Owning null-terminated string */

#include <cstddef>
#include <type_traits>

#include "Corrade/Containers/StringView.h"

namespace Corrade { namespace Containers {

namespace Implementation {
    template<class> struct StringConverter;
}

/** Owning string, always null-terminated */
class String {
    public:
        typedef void(*Deleter)(char*, std::size_t);

        /** Wrap a global null-terminated view without copying, copy anything else */
        static String nullTerminatedView(StringView view);
        /** Wrap a global null-terminated view without copying, copy anything else */
        static String nullTerminatedGlobalView(StringView view);
        /** Wrap a global view without copying, copy anything else */
        static String globalView(StringView view);

        /** Empty string */
        /*implicit*/ String() noexcept;
        /** Copy of a view */
        /*implicit*/ String(StringView view);
        /*implicit*/ String(MutableStringView view);
        /*implicit*/ String(ArrayView<const char> view);
        /*implicit*/ String(ArrayView<char> view);
        /** Copy of a null-terminated string */
        /*implicit*/ String(const char* data);
        /** Copy of @p size bytes */
        /*implicit*/ String(const char* data, std::size_t size);
        /** Take ownership of a null-terminated allocation */
        explicit String(char* data, std::size_t size, Deleter deleter) noexcept;
        /** String of @p size uninitialized bytes */
        explicit String(NoInitT, std::size_t size);
        /** String of @p size zero bytes */
        explicit String(ValueInitT, std::size_t size);
        /** String of @p count copies of @p c */
        explicit String(DirectInitT, std::size_t count, char c);
        /** Convert from an external type */
        template<class U, class = decltype(Implementation::StringConverter<typename std::decay<U&&>::type>::from(std::declval<U&&>()))> /*implicit*/ String(U&& other): String{Implementation::StringConverter<typename std::decay<U&&>::type>::from(static_cast<U&&>(other))} {}

        String(const String& other);
        String(String&& other) noexcept;
        ~String();
        String& operator=(const String& other);
        String& operator=(String&& other) noexcept;

        /** Convert to an external type */
        template<class U, class = decltype(Implementation::StringConverter<U>::to(std::declval<const String&>()))> /*implicit*/ operator U() const {
            return Implementation::StringConverter<U>::to(*this);
        }

        /*implicit*/ operator StringView() const noexcept;
        /*implicit*/ operator MutableStringView() noexcept;
        /*implicit*/ operator ArrayView<const char>() const noexcept;
        /*implicit*/ operator ArrayView<char>() noexcept;
        /** Move to an array, without the null terminator in its size */
        /*implicit*/ operator Array<char>() &&;

        /** Whether the string is stored inside the object */
        bool isSmall() const { return _small; }

        char* data() { return _data; }
        const char* data() const { return _data; }
        std::size_t size() const { return _size; }
        bool isEmpty() const { return !_size; }
        Deleter deleter() const { return _deleter; }

        char* begin() { return _data; }
        const char* begin() const { return _data; }
        char* end() { return _data + _size; }
        const char* end() const { return _data + _size; }
        char& front() { return _data[0]; }
        char front() const { return _data[0]; }
        char& back() { return _data[_size - 1]; }
        char back() const { return _data[_size - 1]; }
        char& operator[](std::size_t i) { return _data[i]; }
        char operator[](std::size_t i) const { return _data[i]; }

        MutableStringView slice(std::size_t begin, std::size_t end) { return MutableStringView{*this}.slice(begin, end); }
        StringView slice(std::size_t begin, std::size_t end) const { return StringView{*this}.slice(begin, end); }
        MutableStringView prefix(std::size_t size) { return MutableStringView{*this}.prefix(size); }
        StringView prefix(std::size_t size) const { return StringView{*this}.prefix(size); }
        MutableStringView exceptPrefix(std::size_t size) { return MutableStringView{*this}.exceptPrefix(size); }
        StringView exceptPrefix(std::size_t size) const { return StringView{*this}.exceptPrefix(size); }
        MutableStringView exceptSuffix(std::size_t size) { return MutableStringView{*this}.exceptSuffix(size); }
        StringView exceptSuffix(std::size_t size) const { return StringView{*this}.exceptSuffix(size); }
        bool hasPrefix(StringView prefix) const { return StringView{*this}.hasPrefix(prefix); }
        bool hasSuffix(StringView suffix) const { return StringView{*this}.hasSuffix(suffix); }
        StringView find(StringView substring) const { return StringView{*this}.find(substring); }
        bool contains(StringView substring) const { return StringView{*this}.contains(substring); }
        Array<StringView> split(char delimiter) const;
        StringView trimmed() const { return StringView{*this}.trimmed(); }

        /** Release the owned allocation, the string becomes empty */
        char* release();

    private:
        void allocate(std::size_t size);
        void destroy();

        char* _data;
        std::size_t _size;
        Deleter _deleter;
        bool _small;
        char _smallData[23];
};

}}

#endif
