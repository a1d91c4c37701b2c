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

}}

#endif
