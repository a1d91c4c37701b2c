#ifndef VelmoraEngine_Tools_AnimationTools_h
#define VelmoraEngine_Tools_AnimationTools_h
/* Animation keyframe reduction */

#include <Magnum/Trade/Trade.h>

#include "VelmoraEngine/visibility.h"

namespace VelmoraEngine { namespace AnimationTools {

/**
 * Copy of @p animation without the keyframes that linear interpolation
 * between their neighbours reproduces. Handles Vector3 and Quaternion tracks,
 * aborts on any other track type.
 */
VELMORAENGINE_TOOLS_EXPORT Magnum::Trade::AnimationData removeLinearlyRedundantKeyframes(const Magnum::Trade::AnimationData& animation);

}}

#endif
