#ifndef Corrade_Utility_FormatStl_h
#define Corrade_Utility_FormatStl_h
/* std::string support for Utility::format() */

#include <string>

#include "Corrade/Containers/StringView.h"
#include "Corrade/Utility/Format.h"

namespace Corrade { namespace Utility {

namespace Implementation {
    template<> struct Formatter<std::string> {
        static std::size_t format(const Containers::MutableStringView& buffer, const std::string& value, int precision, FormatType type) {
            return Formatter<Containers::StringView>::format(buffer, Containers::StringView{value.data(), value.size()}, precision, type);
        }
    };

    std::size_t formatIntoStlString(std::string& string, std::size_t offset, const char* format, const FormatArgument* args, std::size_t count);
}

/** Format into @p string at @p offset, growing it if needed; returns @p offset plus the size written */
template<class ...Args> std::size_t formatInto(std::string& string, std::size_t offset, const char* format, const Args&... args) {
    const Implementation::FormatArgument list[]{Implementation::formatArgument(args)..., Implementation::FormatArgument{}};
    return Implementation::formatIntoStlString(string, offset, format, list, sizeof...(Args));
}

/** Format a string into a std::string */
template<class ...Args> std::string formatString(const char* format, const Args&... args) {
    std::string out;
    formatInto(out, std::size_t{}, format, args...);
    return out;
}

}}

#endif
