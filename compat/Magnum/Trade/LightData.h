#ifndef Magnum_Trade_LightData_h
#define Magnum_Trade_LightData_h
/* Imported light properties */

#include "Magnum/Magnum.h"
#include "Magnum/Math/Angle.h"
#include "Magnum/Math/Color.h"

namespace Magnum { namespace Trade {

/** Light type, zero is reserved for an invalid value */
enum class LightType: UnsignedByte {
    Ambient = 1,    /**< Ambient light, no attenuation and no direction */
    Directional,    /**< Light at infinite distance in the direction of -Z */
    Point,          /**< Point light emitting in all directions */
    Spot            /**< Spot light emitting in a cone in the direction of -Z */
};

/** Print a light type */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, LightType value);

/** Light data */
class LightData {
    public:
        /** Expects cone angles in [0°, 360°] with inner not above outer for a spot light, 360° for others, and (1, 0, 0) attenuation with an infinite range for ambient and directional lights */
        explicit LightData(LightType type, const Color3& color, Float intensity, const Vector3& attenuation, Float range, Rad innerConeAngle, Rad outerConeAngle, const void* importerState = nullptr) noexcept;
        /** Cone angles of 0° and 90° for a spot light, 360° otherwise */
        explicit LightData(LightType type, const Color3& color, Float intensity, const Vector3& attenuation, Float range, const void* importerState = nullptr) noexcept;
        /** Infinite range */
        explicit LightData(LightType type, const Color3& color, Float intensity, const Vector3& attenuation, Rad innerConeAngle, Rad outerConeAngle, const void* importerState = nullptr) noexcept;
        /** Infinite range, default cone angles */
        explicit LightData(LightType type, const Color3& color, Float intensity, const Vector3& attenuation, const void* importerState = nullptr) noexcept;
        /** Attenuation (1, 0, 1) for point and spot lights, (1, 0, 0) otherwise */
        explicit LightData(LightType type, const Color3& color, Float intensity, Float range, Rad innerConeAngle, Rad outerConeAngle, const void* importerState = nullptr) noexcept;
        /** Default attenuation and cone angles */
        explicit LightData(LightType type, const Color3& color, Float intensity, Float range, const void* importerState = nullptr) noexcept;
        /** Default attenuation, infinite range */
        explicit LightData(LightType type, const Color3& color, Float intensity, Rad innerConeAngle, Rad outerConeAngle, const void* importerState = nullptr) noexcept;
        /** Default attenuation, infinite range, default cone angles */
        explicit LightData(LightType type, const Color3& color, Float intensity, const void* importerState = nullptr) noexcept;

        LightData(const LightData&) = delete;
        LightData(LightData&&) noexcept = default;
        LightData& operator=(const LightData&) = delete;
        LightData& operator=(LightData&&) noexcept = default;

        /** Light type */
        LightType type() const { return _type; }
        /** Light color */
        Color3 color() const { return _color; }
        /** Light intensity */
        Float intensity() const { return _intensity; }
        /** Constant, linear and quadratic attenuation */
        Vector3 attenuation() const { return _attenuation; }
        /** Light range */
        Float range() const { return _range; }
        /** Inner cone angle */
        Rad innerConeAngle() const { return _innerConeAngle; }
        /** Outer cone angle */
        Rad outerConeAngle() const { return _outerConeAngle; }
        /** Importer-specific state */
        const void* importerState() const { return _importerState; }

    private:
        LightType _type;
        Color3 _color;
        Float _intensity;
        Vector3 _attenuation;
        Float _range;
        Rad _innerConeAngle, _outerConeAngle;
        const void* _importerState;
};

}}

#endif
