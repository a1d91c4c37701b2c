#ifndef Corrade_Utility_Format_h
#define Corrade_Utility_Format_h
/* Type-safe Python-like string formatting */

#include <cstdio>

#include "Corrade/Containers/Containers.h"

namespace Corrade { namespace Utility {

namespace Implementation {

enum class FormatType: unsigned char;

/* Each formatter writes at most buffer.size() bytes and returns the size the
   full output needs, so an empty buffer measures */
template<class T, class = void> struct Formatter;

template<> struct Formatter<int> {
    static std::size_t format(const Containers::MutableStringView& buffer, int value, int precision, FormatType type);
};
template<> struct Formatter<char>: Formatter<int> {};
template<> struct Formatter<signed char>: Formatter<int> {};
template<> struct Formatter<short>: Formatter<int> {};

template<> struct Formatter<unsigned int> {
    static std::size_t format(const Containers::MutableStringView& buffer, unsigned int value, int precision, FormatType type);
};
template<> struct Formatter<unsigned char>: Formatter<unsigned int> {};
template<> struct Formatter<unsigned short>: Formatter<unsigned int> {};

template<> struct Formatter<long long> {
    static std::size_t format(const Containers::MutableStringView& buffer, long long value, int precision, FormatType type);
};
template<> struct Formatter<long>: Formatter<long long> {};

template<> struct Formatter<unsigned long long> {
    static std::size_t format(const Containers::MutableStringView& buffer, unsigned long long value, int precision, FormatType type);
};
template<> struct Formatter<unsigned long>: Formatter<unsigned long long> {};

template<> struct Formatter<bool> {
    static std::size_t format(const Containers::MutableStringView& buffer, bool value, int precision, FormatType type);
};

template<> struct Formatter<float> {
    static std::size_t format(const Containers::MutableStringView& buffer, float value, int precision, FormatType type);
};
template<> struct Formatter<double> {
    static std::size_t format(const Containers::MutableStringView& buffer, double value, int precision, FormatType type);
};
template<> struct Formatter<long double> {
    static std::size_t format(const Containers::MutableStringView& buffer, long double value, int precision, FormatType type);
};

template<> struct Formatter<Containers::StringView> {
    static std::size_t format(const Containers::MutableStringView& buffer, Containers::StringView value, int precision, FormatType type);
};
template<> struct Formatter<Containers::MutableStringView>: Formatter<Containers::StringView> {};
template<> struct Formatter<Containers::String>: Formatter<Containers::StringView> {};
template<> struct Formatter<const char*> {
    static std::size_t format(const Containers::MutableStringView& buffer, const char* value, int precision, FormatType type);
};
template<> struct Formatter<char*>: Formatter<const char*> {};

/* Enums are formatted as their underlying type */
template<class T> struct Formatter<T, typename std::enable_if<std::is_enum<T>::value>::type>: Formatter<typename std::underlying_type<T>::type> {};

/* Type-erased argument, a null function marks the end of the list */
struct FormatArgument {
    std::size_t(*fn)(const Containers::MutableStringView&, const void*, int, FormatType);
    const void* value;
};

template<class T> FormatArgument formatArgument(const T& value) {
    return FormatArgument{[](const Containers::MutableStringView& buffer, const void* erased, int precision, FormatType type) -> std::size_t {
        return Formatter<typename std::decay<T>::type>::format(buffer, *static_cast<const T*>(erased), precision, type);
    }, &value};
}

std::size_t formatMeasure(const char* format, const FormatArgument* args, std::size_t count);
std::size_t formatWrite(const Containers::MutableStringView& buffer, const char* format, const FormatArgument* args, std::size_t count);
std::size_t formatIntoChecked(const Containers::MutableStringView& buffer, const char* format, const FormatArgument* args, std::size_t count);
Containers::String formatToString(const char* format, const FormatArgument* args, std::size_t count);
void formatToFile(std::FILE* file, const char* format, const FormatArgument* args, std::size_t count);

}

/** Format a string; the result type is a template parameter so this header
    doesn't need String.h, the caller includes it */
template<class ...Args, class String = Containers::String> String format(const char* format, const Args&... args) {
    const Implementation::FormatArgument list[]{Implementation::formatArgument(args)..., Implementation::FormatArgument{}};
    return Implementation::formatToString(format, list, sizeof...(Args));
}

/** Format into an existing buffer, returns the size of the output. A number
    formatted last is followed by a terminating zero if there's room, and a
    number never takes the last byte of the buffer */
template<class ...Args> std::size_t formatInto(const Containers::MutableStringView& buffer, const char* format, const Args&... args) {
    const Implementation::FormatArgument list[]{Implementation::formatArgument(args)..., Implementation::FormatArgument{}};
    return Implementation::formatIntoChecked(buffer, format, list, sizeof...(Args));
}

/** Format into a character array, same as for a view */
template<class ...Args, std::size_t size, class MutableStringView = Containers::MutableStringView> std::size_t formatInto(char(&buffer)[size], const char* format, const Args&... args) {
    return formatInto(MutableStringView{buffer, size}, format, args...);
}

/** Format into a file */
template<class ...Args> void formatInto(std::FILE* file, const char* format, const Args&... args) {
    const Implementation::FormatArgument list[]{Implementation::formatArgument(args)..., Implementation::FormatArgument{}};
    Implementation::formatToFile(file, format, list, sizeof...(Args));
}

/** Print to the standard output */
template<class ...Args> inline void print(const char* format, const Args&... args) {
    formatInto(stdout, format, args...);
}

/** Print to the standard error output */
template<class ...Args> inline void printError(const char* format, const Args&... args) {
    formatInto(stderr, format, args...);
}

}}

#endif
