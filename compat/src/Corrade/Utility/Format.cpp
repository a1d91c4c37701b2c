#include "Corrade/Utility/Format.h"
#include "Corrade/Utility/FormatStl.h"

#include <cstring>
#include <string>

#include "Corrade/Containers/String.h"
#include "Corrade/Containers/StringView.h"
#include "Corrade/Utility/Assert.h"

namespace Corrade { namespace Utility { namespace Implementation {

enum class FormatType: unsigned char {
    Unspecified,
    Character,
    Octal,
    Decimal,
    Hexadecimal,
    HexadecimalUppercase,
    General,
    GeneralUppercase,
    Exponent,
    ExponentUppercase,
    Fixed,
    FixedUppercase
};

namespace {

bool isFloatType(const FormatType type) {
    return type == FormatType::General || type == FormatType::GeneralUppercase ||
        type == FormatType::Exponent || type == FormatType::ExponentUppercase ||
        type == FormatType::Fixed || type == FormatType::FixedUppercase;
}

/* Copies what fits, reports the full size */
std::size_t copyOut(const Containers::MutableStringView& buffer, const char* data, const std::size_t size) {
    const std::size_t fits = size < buffer.size() ? size : buffer.size();
    if(fits) std::memcpy(buffer.data(), data, fits);
    return size;
}

/* Numbers go through snprintf(), which keeps the last byte of the buffer for
   a terminating zero: what fits of the rest, then the zero */
std::size_t copyOutTerminated(const Containers::MutableStringView& buffer, const char* data, const std::size_t size) {
    if(!buffer.size()) return size;
    const std::size_t fits = size < buffer.size() - 1 ? size : buffer.size() - 1;
    if(fits) std::memcpy(buffer.data(), data, fits);
    buffer.data()[fits] = '\0';
    return size;
}

/* printf() conversion of an integer; negative values in octal or hex come out
   as their two's complement like printf() gives them */
template<class T> std::size_t formatInteger(const Containers::MutableStringView& buffer, const T value, const int precision, const FormatType type, const char* const lengthModifier, const char* const kind) {
    char conversion;
    switch(type) {
        case FormatType::Character: conversion = 'c'; break;
        case FormatType::Octal: conversion = 'o'; break;
        case FormatType::Hexadecimal: conversion = 'x'; break;
        case FormatType::HexadecimalUppercase: conversion = 'X'; break;
        case FormatType::Unspecified:
        case FormatType::Decimal: conversion = std::is_signed<T>::value ? 'i' : 'u'; break;
        default:
            CORRADE_ASSERT_UNREACHABLE("Utility::format(): floating-point type used for an integral value", 0);
    }
    CORRADE_ASSERT(conversion != 'c' || !*lengthModifier,
        "Utility::format(): character type used for a" << kind << "value", 0);

    char format[8];
    std::snprintf(format, sizeof(format), "%%.*%s%c", lengthModifier, conversion);
    char local[80];
    const int size = std::snprintf(local, sizeof(local), format, precision < 0 ? 1 : precision, value);
    return copyOutTerminated(buffer, local, std::size_t(size));
}

char floatConversion(const FormatType type) {
    switch(type) {
        case FormatType::GeneralUppercase: return 'G';
        case FormatType::Exponent: return 'e';
        case FormatType::ExponentUppercase: return 'E';
        case FormatType::Fixed: return 'f';
        case FormatType::FixedUppercase: return 'F';
        default: return 'g';
    }
}

std::size_t formatFloatingPoint(const Containers::MutableStringView& buffer, const long double value, const bool isLongDouble, const int defaultPrecision, const int precision, const FormatType type) {
    CORRADE_ASSERT(type != FormatType::Character,
        "Utility::format(): character type used for a floating-point value", 0);
    CORRADE_ASSERT(type == FormatType::Unspecified || isFloatType(type),
        "Utility::format(): integral type used for a floating-point value", 0);

    char conversion[8];
    std::snprintf(conversion, sizeof(conversion), isLongDouble ? "%%.*L%c" : "%%.*%c", floatConversion(type));
    const int digits = precision < 0 ? defaultPrecision : precision;

    char local[128];
    const int size = isLongDouble ?
        std::snprintf(local, sizeof(local), conversion, digits, value) :
        std::snprintf(local, sizeof(local), conversion, digits, double(value));
    if(std::size_t(size) < sizeof(local))
        return copyOutTerminated(buffer, local, std::size_t(size));

    /* Huge fixed-point values don't fit the local buffer */
    std::string large(std::size_t(size) + 1, '\0');
    if(isLongDouble) std::snprintf(&large[0], large.size(), conversion, digits, value);
    else std::snprintf(&large[0], large.size(), conversion, digits, double(value));
    return copyOutTerminated(buffer, large.data(), std::size_t(size));
}

/* Parses the format string, either only measuring (null output) or
   writing; output past capacity is dropped but still counted. If asked to,
   asserts on the first piece that doesn't fit, reporting the size up to its
   end. */
std::size_t formatImplementation(char* const output, const std::size_t capacity, const bool assertFits, const char* const format, const FormatArgument* const args, const std::size_t count) {
    std::size_t size = 0;
    const auto put = [&](const char* data, const std::size_t dataSize) {
        CORRADE_ASSERT(!assertFits || size + dataSize <= capacity,
            "Utility::formatInto(): buffer too small, expected at least" << size + dataSize << "but got" << size + capacity, );
        if(output && size < capacity) {
            const std::size_t fits = dataSize < capacity - size ? dataSize : capacity - size;
            std::memcpy(output + size, data, fits);
        }
        size += dataSize;
    };

    std::size_t nextArgument = 0;
    const char* i = format;
    while(*i) {
        if(*i == '}') {
            CORRADE_ASSERT(i[1] == '}', "Utility::format(): mismatched }", size);
            put(i, 1);
            i += 2;

        } else if(*i != '{') {
            /* Copy the whole run of plain text at once */
            const char* end = i;
            while(*end && *end != '{' && *end != '}') ++end;
            put(i, std::size_t(end - i));
            i = end;

        } else if(i[1] == '{') {
            put(i, 1);
            i += 2;

        } else {
            const char* const placeholderBegin = i;
            ++i;

            bool numbered = false;
            std::size_t index = 0;
            while(*i >= '0' && *i <= '9') {
                numbered = true;
                index = index*10 + std::size_t(*i - '0');
                ++i;
            }

            int precision = -1;
            FormatType type = FormatType::Unspecified;
            if(*i == ':') {
                ++i;
                if(*i == '.') {
                    ++i;
                    CORRADE_ASSERT(*i >= '0' && *i <= '9',
                        "Utility::format(): invalid character in precision specifier:" << Containers::StringView(i, *i ? 1 : 0), size);
                    precision = 0;
                    while(*i >= '0' && *i <= '9') {
                        precision = precision*10 + (*i - '0');
                        ++i;
                    }
                }

                if(*i && *i != '}') {
                    switch(*i) {
                        case 'c': type = FormatType::Character; break;
                        case 'o': type = FormatType::Octal; break;
                        case 'd': type = FormatType::Decimal; break;
                        case 'x': type = FormatType::Hexadecimal; break;
                        case 'X': type = FormatType::HexadecimalUppercase; break;
                        case 'g': type = FormatType::General; break;
                        case 'G': type = FormatType::GeneralUppercase; break;
                        case 'e': type = FormatType::Exponent; break;
                        case 'E': type = FormatType::ExponentUppercase; break;
                        case 'f': type = FormatType::Fixed; break;
                        case 'F': type = FormatType::FixedUppercase; break;
                        default:
                            CORRADE_ASSERT_UNREACHABLE("Utility::format(): invalid type specifier:" << Containers::StringView(i, 1), size);
                    }
                    ++i;
                }
            }

            CORRADE_ASSERT(*i, "Utility::format(): unexpected end of format string", size);
            CORRADE_ASSERT(*i == '}',
                "Utility::format(): unknown placeholder content:" << Containers::StringView(i, 1), size);
            ++i;

            if(!numbered) index = nextArgument;
            nextArgument = index + 1;

            /* Placeholders without an argument stay as they are */
            if(index >= count) {
                put(placeholderBegin, std::size_t(i - placeholderBegin));
            } else {
                const FormatArgument& arg = args[index];
                const Containers::MutableStringView rest = output && size < capacity ?
                    Containers::MutableStringView{output + size, capacity - size} :
                    Containers::MutableStringView{};
                size += arg.fn(rest, arg.value, precision, type);
                CORRADE_ASSERT(!assertFits || size <= capacity,
                    "Utility::formatInto(): buffer too small, expected at least" << size << "but got" << capacity, size);
            }
        }
    }

    return size;
}

}

std::size_t Formatter<int>::format(const Containers::MutableStringView& buffer, const int value, const int precision, const FormatType type) {
    return formatInteger(buffer, value, precision, type, "", "");
}

std::size_t Formatter<unsigned int>::format(const Containers::MutableStringView& buffer, const unsigned int value, const int precision, const FormatType type) {
    return formatInteger(buffer, value, precision, type, "", "");
}

std::size_t Formatter<long long>::format(const Containers::MutableStringView& buffer, const long long value, const int precision, const FormatType type) {
    return formatInteger(buffer, value, precision, type, "ll", "64-bit");
}

std::size_t Formatter<unsigned long long>::format(const Containers::MutableStringView& buffer, const unsigned long long value, const int precision, const FormatType type) {
    return formatInteger(buffer, value, precision, type, "ll", "64-bit");
}

std::size_t Formatter<bool>::format(const Containers::MutableStringView& buffer, const bool value, const int precision, const FormatType type) {
    CORRADE_ASSERT(type != FormatType::Character,
        "Utility::format(): character type used for a boolean value", 0);
    return formatInteger(buffer, static_cast<unsigned int>(value), precision, type, "", "");
}

std::size_t Formatter<float>::format(const Containers::MutableStringView& buffer, const float value, const int precision, const FormatType type) {
    return formatFloatingPoint(buffer, value, false, 6, precision, type);
}

std::size_t Formatter<double>::format(const Containers::MutableStringView& buffer, const double value, const int precision, const FormatType type) {
    return formatFloatingPoint(buffer, value, false, 15, precision, type);
}

std::size_t Formatter<long double>::format(const Containers::MutableStringView& buffer, const long double value, const int precision, const FormatType type) {
    /* 18 digits round-trip the 80-bit x87 type, 15 where it's just double */
    return formatFloatingPoint(buffer, value, true, sizeof(long double) == sizeof(double) ? 15 : 18, precision, type);
}

std::size_t Formatter<Containers::StringView>::format(const Containers::MutableStringView& buffer, const Containers::StringView value, const int precision, const FormatType type) {
    CORRADE_ASSERT(type == FormatType::Unspecified,
        "Utility::format(): type specifier can't be used for a string value", 0);
    std::size_t size = value.size();
    if(precision >= 0 && std::size_t(precision) < size) size = std::size_t(precision);
    return copyOut(buffer, value.data(), size);
}

std::size_t Formatter<const char*>::format(const Containers::MutableStringView& buffer, const char* const value, const int precision, const FormatType type) {
    return Formatter<Containers::StringView>::format(buffer, Containers::StringView{value, value ? std::strlen(value) : 0}, precision, type);
}

std::size_t formatMeasure(const char* const format, const FormatArgument* const args, const std::size_t count) {
    return formatImplementation(nullptr, 0, false, format, args, count);
}

std::size_t formatWrite(const Containers::MutableStringView& buffer, const char* const format, const FormatArgument* const args, const std::size_t count) {
    return formatImplementation(buffer.data(), buffer.size(), false, format, args, count);
}

std::size_t formatIntoChecked(const Containers::MutableStringView& buffer, const char* const format, const FormatArgument* const args, const std::size_t count) {
    return formatImplementation(buffer.data(), buffer.size(), true, format, args, count);
}

Containers::String formatToString(const char* const format, const FormatArgument* const args, const std::size_t count) {
    const std::size_t size = formatMeasure(format, args, count);
    Containers::String out{NoInit, size};
    /* Includes the terminator byte the String has anyway, so the last number
       isn't cut short to make room for one */
    formatWrite(Containers::MutableStringView{out.data(), size + 1}, format, args, count);
    return out;
}

void formatToFile(std::FILE* const file, const char* const format, const FormatArgument* const args, const std::size_t count) {
    const Containers::String out = formatToString(format, args, count);
    std::fwrite(out.data(), 1, out.size(), file);
}

std::size_t formatIntoStlString(std::string& string, const std::size_t offset, const char* const format, const FormatArgument* const args, const std::size_t count) {
    const std::size_t size = formatMeasure(format, args, count);
    if(string.size() < offset + size) string.resize(offset + size);
    formatWrite(Containers::MutableStringView{&string[0] + offset, size + 1}, format, args, count);
    return offset + size;
}

}}}
