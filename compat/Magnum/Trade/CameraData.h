#ifndef Magnum_Trade_CameraData_h
#define Magnum_Trade_CameraData_h
/* Imported camera properties */

#include "Magnum/Magnum.h"
#include "Magnum/Math/Angle.h"
#include "Magnum/Math/Vector2.h"

namespace Magnum { namespace Trade {

/** Camera type */
enum class CameraType: UnsignedByte {
    Orthographic2D,     /**< 2D orthographic camera */
    Orthographic3D,     /**< 3D orthographic camera */
    Perspective3D       /**< 3D perspective camera */
};

/** Print a camera type */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, CameraType value);

/** Camera data */
class CameraData {
    public:
        /** Perspective camera from a horizontal field of view; expects @p type to be CameraType::Perspective3D */
        explicit CameraData(CameraType type, Rad fov, Float aspectRatio, Float near, Float far, const void* importerState = nullptr) noexcept;

        /** Camera from the size of its near plane; expects zero near and far for a 2D camera */
        explicit CameraData(CameraType type, const Vector2& size, Float near, Float far, const void* importerState = nullptr) noexcept;

        CameraData(const CameraData&) = delete;
        CameraData(CameraData&&) noexcept = default;
        CameraData& operator=(const CameraData&) = delete;
        CameraData& operator=(CameraData&&) noexcept = default;

        /** Camera type */
        CameraType type() const { return _type; }
        /** Size of the near plane */
        Vector2 size() const { return _size; }
        /** Horizontal field of view; expects a perspective camera */
        Rad fov() const;
        /** Aspect ratio */
        Float aspectRatio() const { return _size.x()/_size.y(); }
        /** Near clipping plane */
        Float near() const { return _near; }
        /** Far clipping plane */
        Float far() const { return _far; }
        /** Importer-specific state */
        const void* importerState() const { return _importerState; }

    private:
        CameraType _type;
        Vector2 _size;
        Float _near, _far;
        const void* _importerState;
};

}}

#endif
