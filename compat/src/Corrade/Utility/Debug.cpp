#include "Corrade/Utility/Debug.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "Corrade/Containers/EnumSet.hpp"
#include "Corrade/Containers/String.h"
#include "Corrade/Containers/StringView.h"
#include "Corrade/Utility/DebugStl.h"

namespace Corrade { namespace Utility {

namespace {
    /* Per thread, like the output redirection it serves */
    thread_local std::ostream* debugGlobalOutput = &std::cout;
    thread_local std::ostream* warningGlobalOutput = &std::cerr;
    thread_local std::ostream* errorGlobalOutput = &std::cerr;
}

void Debug::nospace(Debug& debug) { debug._immediateFlags |= Flag::NoSpace; }
void Debug::newline(Debug& debug) { debug << nospace << "\n" << nospace; }
void Debug::space(Debug& debug) { debug << nospace << " " << nospace; }
void Debug::packed(Debug& debug) { debug._immediateFlags |= Flag::Packed; }
void Debug::hex(Debug& debug) { debug._immediateFlags |= Flag::Hex; }

std::ostream* Debug::output() { return debugGlobalOutput; }
std::ostream* Debug::defaultOutput() { return &std::cout; }
bool Debug::isTty(std::ostream*) { return false; }
bool Debug::isTty() { return false; }

Debug::Debug(std::ostream** globalOutput, std::ostream* output, Flags flags, bool redirect): _globalOutput{globalOutput}, _output{redirect ? output : *globalOutput}, _previousGlobalOutput{*globalOutput}, _flags{flags} {
    if(redirect) *_globalOutput = output;
}

Debug::Debug(Flags flags): Debug{&debugGlobalOutput, nullptr, flags, false} {}
Debug::Debug(std::ostream* output, Flags flags): Debug{&debugGlobalOutput, output, flags, true} {}

Debug::~Debug() {
    if(_output && _valueWritten && !((_flags|_immediateFlags) & Flag::NoNewlineAtTheEnd)) {
        *_output << '\n';
        _output->flush();
    }
    *_globalOutput = _previousGlobalOutput;
}

void Debug::prepareValue() {
    if(_valueWritten && !((_immediateFlags|_flags) & Flag::NoSpace))
        *_output << ' ';
}

Debug& Debug::printRaw(const char* data, std::size_t size) {
    if(!_output) return *this;
    prepareValue();
    _output->write(data, std::streamsize(size));
    _valueWritten = true;
    _immediateFlags = {};
    return *this;
}

template<class T> Debug& Debug::printInteger(T value) {
    char buffer[32];
    int size;
    if((_immediateFlags|_flags) & Flag::Hex) {
        size = std::snprintf(buffer, sizeof(buffer), "0x%llx", static_cast<unsigned long long>(typename std::make_unsigned<T>::type(value)));
    } else if(std::is_signed<T>::value) {
        size = std::snprintf(buffer, sizeof(buffer), "%lld", static_cast<long long>(value));
    } else {
        size = std::snprintf(buffer, sizeof(buffer), "%llu", static_cast<unsigned long long>(value));
    }
    return printRaw(buffer, std::size_t(size));
}

Debug& Debug::operator<<(const char* value) {
    if(!value) return *this;
    return printRaw(value, std::strlen(value));
}

Debug& Debug::operator<<(Containers::StringView value) { return printRaw(value.data(), value.size()); }
Debug& Debug::operator<<(Containers::MutableStringView value) { return printRaw(value.data(), value.size()); }
Debug& Debug::operator<<(const Containers::String& value) { return printRaw(value.data(), value.size()); }

Debug& Debug::operator<<(const void* value) {
    char buffer[32];
    const int size = std::snprintf(buffer, sizeof(buffer), "0x%" PRIxPTR, reinterpret_cast<std::uintptr_t>(value));
    return printRaw(buffer, std::size_t(size));
}

Debug& Debug::operator<<(std::nullptr_t) { return printRaw("nullptr", 7); }
Debug& Debug::operator<<(bool value) { return value ? printRaw("true", 4) : printRaw("false", 5); }
/* Characters are numbers here */
Debug& Debug::operator<<(char value) { return printInteger(int(value)); }

Debug& Debug::operator<<(unsigned char value) {
    if(!((_immediateFlags|_flags) & Flag::Color))
        return printInteger(int(value));

    /* One of five shades, so some of the value survives copying the text */
    const char* const shades[]{"  ", "\u2591\u2591", "\u2592\u2592", "\u2593\u2593", "\u2588\u2588"};
    const char* const shade = shades[value < 51 ? 0 : value < 102 ? 1 : value < 153 ? 2 : value < 204 ? 3 : 4];
    if((_immediateFlags|_flags) & Flag::DisableColors)
        return printRaw(shade, std::strlen(shade));

    /* The same gray as foreground and background */
    char buffer[64];
    const int size = std::snprintf(buffer, sizeof(buffer), "\033[38;2;%1$d;%1$d;%1$dm\033[48;2;%1$d;%1$d;%1$dm%2$s\033[0m", int(value), shade);
    return printRaw(buffer, std::size_t(size));
}
Debug& Debug::operator<<(int value) { return printInteger(value); }
Debug& Debug::operator<<(unsigned int value) { return printInteger(value); }
Debug& Debug::operator<<(long value) { return printInteger(value); }
Debug& Debug::operator<<(unsigned long value) { return printInteger(value); }
Debug& Debug::operator<<(long long value) { return printInteger(value); }
Debug& Debug::operator<<(unsigned long long value) { return printInteger(value); }

Debug& Debug::operator<<(float value) {
    char buffer[64];
    const int size = std::snprintf(buffer, sizeof(buffer), "%.6g", double(value));
    return printRaw(buffer, std::size_t(size));
}

Debug& Debug::operator<<(double value) {
    char buffer[64];
    const int size = std::snprintf(buffer, sizeof(buffer), "%.15g", value);
    return printRaw(buffer, std::size_t(size));
}

Debug& Debug::operator<<(long double value) {
    char buffer[64];
    const int size = std::snprintf(buffer, sizeof(buffer), "%.18Lg", value);
    return printRaw(buffer, std::size_t(size));
}

Debug& Debug::operator<<(char32_t value) {
    char buffer[16];
    const int size = std::snprintf(buffer, sizeof(buffer), "U+%04X", unsigned(value));
    return printRaw(buffer, std::size_t(size));
}

std::ostream* Warning::output() { return warningGlobalOutput; }
std::ostream* Warning::defaultOutput() { return &std::cerr; }
Warning::Warning(Flags flags): Debug{&warningGlobalOutput, nullptr, flags, false} {}
Warning::Warning(std::ostream* output, Flags flags): Debug{&warningGlobalOutput, output, flags, true} {}

std::ostream* Error::output() { return errorGlobalOutput; }
std::ostream* Error::defaultOutput() { return &std::cerr; }
Error::Error(Flags flags): Debug{&errorGlobalOutput, nullptr, flags, false} {}
Error::Error(std::ostream* output, Flags flags): Debug{&errorGlobalOutput, output, flags, true} {}

Fatal::Fatal(int exitCode, Flags flags): Error{flags}, _exitCode{exitCode} {}
Fatal::Fatal(std::ostream* output, int exitCode, Flags flags): Error{output, flags}, _exitCode{exitCode} {}
Fatal::~Fatal() {
    /* Print the newline here, the base destructor would be too late */
    *this << nospace << "\n";
    setFlags(flags()|Flag::NoNewlineAtTheEnd);
    std::cerr.flush();
    std::cout.flush();
    std::exit(_exitCode);
}

Debug& operator<<(Debug& debug, const Debug::Flag value) {
    debug << "Utility::Debug::Flag" << Debug::nospace;
    switch(value) {
        #define _c(value) case Debug::Flag::value: return debug << "::" #value;
        _c(NoNewlineAtTheEnd)
        _c(DisableColors)
        _c(NoSpace)
        _c(Packed)
        _c(Color)
        _c(Hex)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << static_cast<unsigned char>(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const Debug::Flags value) {
    return Containers::enumSetDebugOutput(debug, value, "Utility::Debug::Flags{}", {
        Debug::Flag::NoNewlineAtTheEnd,
        Debug::Flag::DisableColors,
        Debug::Flag::NoSpace,
        Debug::Flag::Packed,
        Debug::Flag::Color,
        Debug::Flag::Hex});
}

Debug& operator<<(Debug& debug, const std::string& value) {
    return debug << Containers::StringView{value.data(), value.size()};
}

}}
