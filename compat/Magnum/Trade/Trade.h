#ifndef Magnum_Trade_Trade_h
#define Magnum_Trade_Trade_h
/* Forward declarations for the Trade namespace */

#include <Corrade/Containers/Containers.h>

#include "Magnum/Types.h"

namespace Magnum { namespace Trade {

enum class DataFlag: UnsignedByte;
typedef Corrade::Containers::EnumSet<DataFlag> DataFlags;

enum class AnimationTrackType: UnsignedByte;
enum class AnimationTrackTarget: UnsignedShort;
class AnimationTrackData;
class AnimationData;

enum class MeshAttribute: UnsignedShort;
class MeshAttributeData;
class MeshIndexData;
class MeshData;

class AbstractImporter;
enum class ImporterFeature: UnsignedByte;
typedef Corrade::Containers::EnumSet<ImporterFeature> ImporterFeatures;
enum class ImporterFlag: UnsignedByte;
typedef Corrade::Containers::EnumSet<ImporterFlag> ImporterFlags;

enum class SceneMappingType: UnsignedByte;
enum class SceneField: UnsignedInt;
enum class SceneFieldType: UnsignedShort;
enum class SceneFieldFlag: UnsignedByte;
typedef Corrade::Containers::EnumSet<SceneFieldFlag> SceneFieldFlags;
class SceneFieldData;
class SceneData;

template<UnsignedInt> class ImageData;
typedef ImageData<1> ImageData1D;
typedef ImageData<2> ImageData2D;
typedef ImageData<3> ImageData3D;

enum class TextureType: UnsignedByte;
class TextureData;

enum class MaterialAttribute: UnsignedInt;
enum class MaterialLayer: UnsignedInt;
enum class MaterialTextureSwizzle: UnsignedInt;
enum class MaterialAttributeType: UnsignedByte;
enum class MaterialType: UnsignedInt;
typedef Corrade::Containers::EnumSet<MaterialType> MaterialTypes;
enum class MaterialAlphaMode: UnsignedByte;
class MaterialAttributeData;
class MaterialData;

template<UnsignedInt> class SkinData;
typedef SkinData<2> SkinData2D;
typedef SkinData<3> SkinData3D;

enum class CameraType: UnsignedByte;
class CameraData;

enum class LightType: UnsignedByte;
class LightData;

}}

#endif
