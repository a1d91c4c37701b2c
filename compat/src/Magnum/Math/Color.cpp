#include "Magnum/Math/Color.h"

namespace Magnum { namespace Math {

namespace {

Corrade::Utility::Debug& printHex(Corrade::Utility::Debug& debug, const UnsignedByte* channels, std::size_t count) {
    constexpr char digits[] = "0123456789abcdef";
    char out[10];
    out[0] = '#';
    for(std::size_t i = 0; i != count; ++i) {
        out[1 + 2*i] = digits[channels[i] >> 4];
        out[2 + 2*i] = digits[channels[i] & 0xf];
    }
    out[1 + 2*count] = '\0';
    return debug << static_cast<const char*>(out);
}

}

Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Color3<UnsignedByte>& value) {
    return printHex(debug, value.data(), 3);
}

Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Color4<UnsignedByte>& value) {
    return printHex(debug, value.data(), 4);
}

}}
