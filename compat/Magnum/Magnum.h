#ifndef Magnum_Magnum_h
#define Magnum_Magnum_h
/* Forward declarations and basic typedefs for the Magnum namespace */

#include "Corrade/Containers/Containers.h"
#include "Corrade/Utility/Utility.h"
#include "Magnum/Types.h"
#include "Magnum/Math/Math.h"

namespace Corrade { namespace Utility {
    class Fatal;
}}

namespace Magnum {

using namespace Corrade;

using Corrade::Utility::Debug;
using Corrade::Utility::Warning;
using Corrade::Utility::Error;
using Corrade::Utility::Fatal;

typedef Math::BitVector<2> BitVector2;
typedef Math::BitVector<3> BitVector3;
typedef Math::BitVector<4> BitVector4;

typedef Math::Vector2<Float> Vector2;
typedef Math::Vector3<Float> Vector3;
typedef Math::Vector4<Float> Vector4;
typedef Math::Vector2<UnsignedByte> Vector2ub;
typedef Math::Vector3<UnsignedByte> Vector3ub;
typedef Math::Vector4<UnsignedByte> Vector4ub;
typedef Math::Vector2<Byte> Vector2b;
typedef Math::Vector3<Byte> Vector3b;
typedef Math::Vector4<Byte> Vector4b;
typedef Math::Vector2<UnsignedShort> Vector2us;
typedef Math::Vector3<UnsignedShort> Vector3us;
typedef Math::Vector4<UnsignedShort> Vector4us;
typedef Math::Vector2<Short> Vector2s;
typedef Math::Vector3<Short> Vector3s;
typedef Math::Vector4<Short> Vector4s;
typedef Math::Vector2<UnsignedInt> Vector2ui;
typedef Math::Vector3<UnsignedInt> Vector3ui;
typedef Math::Vector4<UnsignedInt> Vector4ui;
typedef Math::Vector2<Int> Vector2i;
typedef Math::Vector3<Int> Vector3i;
typedef Math::Vector4<Int> Vector4i;

typedef Math::Color3<Float> Color3;
typedef Math::Color4<Float> Color4;
typedef Math::ColorHsv<Float> ColorHsv;
typedef Math::Color3<UnsignedByte> Color3ub;
typedef Math::Color3<UnsignedShort> Color3us;
typedef Math::Color4<UnsignedByte> Color4ub;
typedef Math::Color4<UnsignedShort> Color4us;

typedef Math::Matrix2x1<Float> Matrix2x1;
typedef Math::Matrix2x2<Float> Matrix2x2;
typedef Math::Matrix2x3<Float> Matrix2x3;
typedef Math::Matrix2x4<Float> Matrix2x4;
typedef Math::Matrix3x1<Float> Matrix3x1;
typedef Math::Matrix3x2<Float> Matrix3x2;
typedef Math::Matrix3x3<Float> Matrix3x3;
typedef Math::Matrix3x4<Float> Matrix3x4;
typedef Math::Matrix4x1<Float> Matrix4x1;
typedef Math::Matrix4x2<Float> Matrix4x2;
typedef Math::Matrix4x3<Float> Matrix4x3;
typedef Math::Matrix4x4<Float> Matrix4x4;
typedef Math::Matrix3<Float> Matrix3;
typedef Math::Matrix4<Float> Matrix4;

typedef Math::Quaternion<Float> Quaternion;
typedef Math::CubicHermite1D<Float> CubicHermite1D;
typedef Math::CubicHermite2D<Float> CubicHermite2D;
typedef Math::CubicHermite3D<Float> CubicHermite3D;
typedef Math::CubicHermiteComplex<Float> CubicHermiteComplex;
typedef Math::CubicHermiteQuaternion<Float> CubicHermiteQuaternion;
typedef Math::Constants<Float> Constants;
typedef Math::Deg<Float> Deg;
typedef Math::Rad<Float> Rad;

typedef Math::Range1D<Float> Range1D;
typedef Math::Range2D<Float> Range2D;
typedef Math::Range3D<Float> Range3D;
typedef Math::Range1D<UnsignedInt> Range1Dui;
typedef Math::Range2D<UnsignedInt> Range2Dui;
typedef Math::Range3D<UnsignedInt> Range3Dui;
typedef Math::Range1D<Int> Range1Di;
typedef Math::Range2D<Int> Range2Di;
typedef Math::Range3D<Int> Range3Di;

typedef Math::Vector2<Double> Vector2d;
typedef Math::Vector3<Double> Vector3d;
typedef Math::Vector4<Double> Vector4d;
typedef Math::Matrix3<Double> Matrix3d;
typedef Math::Matrix4<Double> Matrix4d;
typedef Math::Matrix2x2<Double> Matrix2x2d;
typedef Math::Matrix3x3<Double> Matrix3x3d;
typedef Math::Matrix4x4<Double> Matrix4x4d;
typedef Math::Quaternion<Double> Quaterniond;
typedef Math::CubicHermite1D<Double> CubicHermite1Dd;
typedef Math::CubicHermite2D<Double> CubicHermite2Dd;
typedef Math::CubicHermite3D<Double> CubicHermite3Dd;
typedef Math::CubicHermiteComplex<Double> CubicHermiteComplexd;
typedef Math::CubicHermiteQuaternion<Double> CubicHermiteQuaterniond;
typedef Math::Constants<Double> Constantsd;
typedef Math::Deg<Double> Degd;
typedef Math::Rad<Double> Radd;
typedef Math::Range1D<Double> Range1Dd;
typedef Math::Range2D<Double> Range2Dd;
typedef Math::Range3D<Double> Range3Dd;

enum class ImageFlag1D: UnsignedShort;
enum class ImageFlag2D: UnsignedShort;
enum class ImageFlag3D: UnsignedShort;
typedef Containers::EnumSet<ImageFlag1D> ImageFlags1D;
typedef Containers::EnumSet<ImageFlag2D> ImageFlags2D;
typedef Containers::EnumSet<ImageFlag3D> ImageFlags3D;

template<UnsignedInt> class Image;
typedef Image<1> Image1D;
typedef Image<2> Image2D;
typedef Image<3> Image3D;

template<UnsignedInt> class CompressedImage;
typedef CompressedImage<1> CompressedImage1D;
typedef CompressedImage<2> CompressedImage2D;
typedef CompressedImage<3> CompressedImage3D;

template<UnsignedInt, class> class ImageView;
template<UnsignedInt dimensions> using BasicImageView = ImageView<dimensions, const char>;
typedef BasicImageView<1> ImageView1D;
typedef BasicImageView<2> ImageView2D;
typedef BasicImageView<3> ImageView3D;
template<UnsignedInt dimensions> using BasicMutableImageView = ImageView<dimensions, char>;
typedef BasicMutableImageView<1> MutableImageView1D;
typedef BasicMutableImageView<2> MutableImageView2D;
typedef BasicMutableImageView<3> MutableImageView3D;

template<UnsignedInt, class> class CompressedImageView;
template<UnsignedInt dimensions> using BasicCompressedImageView = CompressedImageView<dimensions, const char>;
typedef BasicCompressedImageView<1> CompressedImageView1D;
typedef BasicCompressedImageView<2> CompressedImageView2D;
typedef BasicCompressedImageView<3> CompressedImageView3D;
template<UnsignedInt dimensions> using BasicMutableCompressedImageView = CompressedImageView<dimensions, char>;
typedef BasicMutableCompressedImageView<1> MutableCompressedImageView1D;
typedef BasicMutableCompressedImageView<2> MutableCompressedImageView2D;
typedef BasicMutableCompressedImageView<3> MutableCompressedImageView3D;

enum class MeshPrimitive: UnsignedInt;
enum class MeshIndexType: UnsignedInt;
enum class VertexFormat: UnsignedInt;

enum class PixelFormat: UnsignedInt;
enum class CompressedPixelFormat: UnsignedInt;

class PixelStorage;
class CompressedPixelStorage;

enum class SamplerFilter: UnsignedInt;
enum class SamplerMipmap: UnsignedInt;
enum class SamplerWrapping: UnsignedInt;

}

#endif
