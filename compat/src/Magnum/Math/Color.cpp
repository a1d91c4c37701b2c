#include "Magnum/Math/Color.h"

#include <cstdio>

#include "Magnum/Math/Functions.h"

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

/* With Debug::Flag::Color a colour is a square of its own colour, its shade
   picked from the lightness so some of it survives copying the text */
Corrade::Utility::Debug& printSquare(Corrade::Utility::Debug& debug, const UnsignedByte* channels, const Float lightness, const bool background) {
    using Corrade::Utility::Debug;
    const char* const shade =
        lightness <= 0.2f ? "  " :
        lightness <= 0.4f ? "\u2591\u2591" :
        lightness <= 0.6f ? "\u2592\u2592" :
        lightness <= 0.8f ? "\u2593\u2593" : "\u2588\u2588";
    if(debug.immediateFlags() & Debug::Flag::DisableColors)
        return debug << shade;

    char out[64];
    int size = std::snprintf(out, sizeof(out), "\033[38;2;%d;%d;%dm", int(channels[0]), int(channels[1]), int(channels[2]));
    if(background)
        size += std::snprintf(out + size, sizeof(out) - size, "\033[48;2;%d;%d;%dm", int(channels[0]), int(channels[1]), int(channels[2]));
    std::snprintf(out + size, sizeof(out) - size, "%s\033[0m", shade);
    return debug << static_cast<const char*>(out);
}

Float maxChannel(const UnsignedByte* channels) {
    return Float(Math::max(Math::max(channels[0], channels[1]), channels[2]))/255.0f;
}

}

Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Color3<UnsignedByte>& value) {
    if(debug.immediateFlags() & Corrade::Utility::Debug::Flag::Color)
        return printSquare(debug, value.data(), maxChannel(value.data()), true);
    return printHex(debug, value.data(), 3);
}

Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Color4<UnsignedByte>& value) {
    if(debug.immediateFlags() & Corrade::Utility::Debug::Flag::Color) {
        /* The shade is the lightness covered by alpha, the background only
           when alpha is above the lightness */
        const Float lightness = maxChannel(value.data());
        const Float alpha = Float(value.a())/255.0f;
        return printSquare(debug, value.data(), lightness*alpha, alpha > lightness);
    }
    return printHex(debug, value.data(), 4);
}

}}
