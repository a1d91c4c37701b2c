#ifndef Corrade_Containers_StringStl_h
#define Corrade_Containers_StringStl_h
/* Conversions between String, StringView and std::string */

#include <string>

#include "Corrade/Containers/String.h"

namespace Corrade { namespace Containers { namespace Implementation {

template<> struct StringConverter<std::string> {
    static String from(const std::string& other) { return String{other.data(), other.size()}; }
    static std::string to(const String& other) { return std::string{other.data(), other.size()}; }
};

template<> struct StringViewConverter<const char, std::string> {
    static StringView from(const std::string& other) { return StringView{other.data(), other.size(), StringViewFlag::NullTerminated}; }
    static std::string to(StringView other) { return std::string{other.data(), other.size()}; }
};

template<> struct StringViewConverter<char, std::string> {
    static MutableStringView from(std::string& other) { return MutableStringView{&other[0], other.size(), StringViewFlag::NullTerminated}; }
    static std::string to(MutableStringView other) { return std::string{other.data(), other.size()}; }
};

}}}

#endif
