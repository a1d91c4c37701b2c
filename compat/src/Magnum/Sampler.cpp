#include "Magnum/Sampler.h"

#include "Corrade/Utility/Debug.h"

namespace Magnum {

namespace {

/* The generic enums count from zero, so the name table starts at value 0 */
Debug& printSamplerEnum(Debug& debug, const char* const enumName, const UnsignedInt value, const char* const* const names, const UnsignedInt nameCount) {
    const bool packed = debug.immediateFlags() >= Debug::Flag::Packed;
    if(!packed) debug << enumName << Debug::nospace;
    if(value < nameCount) {
        if(!packed) debug << "::" << Debug::nospace;
        return debug << names[value];
    }
    if(packed) return debug << Debug::hex << value;
    return debug << "(" << Debug::nospace << Debug::hex << value << Debug::nospace << ")";
}

}

Debug& operator<<(Debug& debug, const SamplerFilter value) {
    static const char* const names[]{"Nearest", "Linear"};
    return printSamplerEnum(debug, "SamplerFilter", UnsignedInt(value), names, 2);
}

Debug& operator<<(Debug& debug, const SamplerMipmap value) {
    static const char* const names[]{"Base", "Nearest", "Linear"};
    return printSamplerEnum(debug, "SamplerMipmap", UnsignedInt(value), names, 3);
}

Debug& operator<<(Debug& debug, const SamplerWrapping value) {
    static const char* const names[]{"Repeat", "MirroredRepeat", "ClampToEdge", "ClampToBorder", "MirrorClampToEdge"};
    return printSamplerEnum(debug, "SamplerWrapping", UnsignedInt(value), names, 5);
}

}
