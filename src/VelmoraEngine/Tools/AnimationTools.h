#ifndef VelmoraEngine_Tools_AnimationTools_h
#define VelmoraEngine_Tools_AnimationTools_h
/* Animation keyframe reduction */

#include <Magnum/Trade/Trade.h>

#include "VelmoraEngine/visibility.h"

namespace VelmoraEngine { namespace AnimationTools {

/**
 * Copy of @p animation without the keyframes that linear interpolation
 * between their neighbours reproduces, for quaternions the shortest-path
 * slerp, whatever interpolation a track declares. Expects that every track
 * is of Vector3 or Quaternion values, with a result of the same type.
 */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::AnimationData removeLinearlyRedundantKeyframes(const Magnum::Trade::AnimationData& animation);

}}

#endif
