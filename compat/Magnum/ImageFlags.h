#ifndef Magnum_ImageFlags_h
#define Magnum_ImageFlags_h
/* Layout flags of one-, two- and three-dimensional images */

#include "Corrade/Containers/EnumSet.h"
#include "Magnum/Magnum.h"

namespace Magnum {

/** 1D image layout flag, none defined */
enum class ImageFlag1D: UnsignedShort {};

/** 2D image layout flag */
enum class ImageFlag2D: UnsignedShort {
    /** A 1D array image instead of 2D, same value as ImageFlag3D::Array */
    Array = 1 << 0,
};

/** 3D image layout flag */
enum class ImageFlag3D: UnsignedShort {
    /** A 2D array image instead of 3D, same value as ImageFlag2D::Array */
    Array = 1 << 0,

    /** Six square faces of a cube map, or a multiple of six with Array */
    CubeMap = 1 << 1
};

/** Debug output of a 1D image flag */
Debug& operator<<(Debug& debug, ImageFlag1D value);

/** Debug output of a 2D image flag */
Debug& operator<<(Debug& debug, ImageFlag2D value);

/** Debug output of a 3D image flag */
Debug& operator<<(Debug& debug, ImageFlag3D value);

CORRADE_ENUMSET_OPERATORS(ImageFlags1D)
CORRADE_ENUMSET_OPERATORS(ImageFlags2D)
CORRADE_ENUMSET_OPERATORS(ImageFlags3D)

/** Debug output of 1D image flags */
Debug& operator<<(Debug& debug, ImageFlags1D value);

/** Debug output of 2D image flags */
Debug& operator<<(Debug& debug, ImageFlags2D value);

/** Debug output of 3D image flags */
Debug& operator<<(Debug& debug, ImageFlags3D value);

namespace Implementation {

template<UnsignedInt> struct ImageFlagTraits;
template<> struct ImageFlagTraits<1> {
    typedef ImageFlag1D Type;
    typedef ImageFlags1D SetType;
};
template<> struct ImageFlagTraits<2> {
    typedef ImageFlag2D Type;
    typedef ImageFlags2D SetType;
};
template<> struct ImageFlagTraits<3> {
    typedef ImageFlag3D Type;
    typedef ImageFlags3D SetType;
};

}

/** Image layout flag for a dimension count */
template<UnsignedInt dimensions> using ImageFlag = typename Implementation::ImageFlagTraits<dimensions>::Type;

/** Image layout flags for a dimension count */
template<UnsignedInt dimensions> using ImageFlags = typename Implementation::ImageFlagTraits<dimensions>::SetType;

}

#endif
