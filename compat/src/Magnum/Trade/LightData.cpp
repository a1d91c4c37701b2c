#include "Magnum/Trade/LightData.h"

#include <Corrade/Utility/Assert.h>

#include "Magnum/Math/Constants.h"
#include "Magnum/Math/TypeTraits.h"

namespace Magnum { namespace Trade {

namespace {
    inline bool isPointLike(const LightType type) {
        return type == LightType::Point || type == LightType::Spot;
    }
    inline Vector3 defaultAttenuation(const LightType type) {
        return isPointLike(type) ? Vector3{1.0f, 0.0f, 1.0f} : Vector3{1.0f, 0.0f, 0.0f};
    }
    inline bool isFullCircle(const Rad angle) {
        return Math::TypeTraits<Float>::equals(Float(Deg(angle)), 360.0f);
    }
    inline Rad defaultInnerConeAngle(const LightType type) {
        return Rad{Deg{type == LightType::Spot ? 0.0f : 360.0f}};
    }
    inline Rad defaultOuterConeAngle(const LightType type) {
        return Rad{Deg{type == LightType::Spot ? 90.0f : 360.0f}};
    }
}

LightData::LightData(const LightType type, const Color3& color, const Float intensity, const Vector3& attenuation, const Float range, const Rad innerConeAngle, const Rad outerConeAngle, const void* const importerState) noexcept: _type{type}, _color{color}, _intensity{intensity}, _attenuation{attenuation}, _range{range}, _innerConeAngle{innerConeAngle}, _outerConeAngle{outerConeAngle}, _importerState{importerState} {
    CORRADE_ASSERT(type != LightType::Spot || (Deg(innerConeAngle) >= Deg{0.0f} && innerConeAngle <= outerConeAngle && Deg(outerConeAngle) <= Deg{360.0f}),
        "Trade::LightData: spot light inner and outer cone angles have to be in range [0°, 360°] and inner not larger than outer but got" << Deg(innerConeAngle) << "and" << Deg(outerConeAngle), );
    CORRADE_ASSERT(type == LightType::Spot || ((isFullCircle(innerConeAngle) && isFullCircle(outerConeAngle))),
        "Trade::LightData: cone angles have to be 360° for lights that aren't spot but got" << Deg(innerConeAngle) << "and" << Deg(outerConeAngle), );
    CORRADE_ASSERT(isPointLike(type) || (attenuation == Vector3{1.0f, 0.0f, 0.0f}),
        "Trade::LightData: attenuation has to be (1, 0, 0) for an ambient or directional light but got" << attenuation, );
    CORRADE_ASSERT(isPointLike(type) || range == Constants::inf(),
        "Trade::LightData: range has to be infinity for an ambient or directional light but got" << range, );
}

LightData::LightData(const LightType type, const Color3& color, const Float intensity, const Vector3& attenuation, const Float range, const void* const importerState) noexcept: LightData{type, color, intensity, attenuation, range, defaultInnerConeAngle(type), defaultOuterConeAngle(type), importerState} {}

LightData::LightData(const LightType type, const Color3& color, const Float intensity, const Vector3& attenuation, const Rad innerConeAngle, const Rad outerConeAngle, const void* const importerState) noexcept: LightData{type, color, intensity, attenuation, Constants::inf(), innerConeAngle, outerConeAngle, importerState} {}

LightData::LightData(const LightType type, const Color3& color, const Float intensity, const Vector3& attenuation, const void* const importerState) noexcept: LightData{type, color, intensity, attenuation, Constants::inf(), importerState} {}

LightData::LightData(const LightType type, const Color3& color, const Float intensity, const Float range, const Rad innerConeAngle, const Rad outerConeAngle, const void* const importerState) noexcept: LightData{type, color, intensity, defaultAttenuation(type), range, innerConeAngle, outerConeAngle, importerState} {}

LightData::LightData(const LightType type, const Color3& color, const Float intensity, const Float range, const void* const importerState) noexcept: LightData{type, color, intensity, defaultAttenuation(type), range, importerState} {}

LightData::LightData(const LightType type, const Color3& color, const Float intensity, const Rad innerConeAngle, const Rad outerConeAngle, const void* const importerState) noexcept: LightData{type, color, intensity, Constants::inf(), innerConeAngle, outerConeAngle, importerState} {}

LightData::LightData(const LightType type, const Color3& color, const Float intensity, const void* const importerState) noexcept: LightData{type, color, intensity, Constants::inf(), importerState} {}

Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const LightType value) {
    debug << "Trade::LightType" << Corrade::Utility::Debug::nospace;
    switch(value) {
        #define _c(value) case LightType::value: return debug << "::" #value;
        _c(Ambient)
        _c(Directional)
        _c(Point)
        _c(Spot)
        #undef _c
    }
    return debug << "(" << Corrade::Utility::Debug::nospace << Corrade::Utility::Debug::hex << UnsignedByte(value) << Corrade::Utility::Debug::nospace << ")";
}

}}
