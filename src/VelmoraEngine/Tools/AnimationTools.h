#ifndef VelmoraEngine_Tools_AnimationTools_h
#define VelmoraEngine_Tools_AnimationTools_h
/* Animation keyframe reduction */

#include <Magnum/Trade/Trade.h>

#include "VelmoraEngine/visibility.h"

namespace VelmoraEngine { namespace AnimationTools {

using namespace Magnum;

/**
 * Copy of @p animation without the keyframes that linear interpolation
 * between their neighbours reproduces. Handles Vector3 and Quaternion tracks,
 * aborts on any other track type.
 */
VELMORAENGINE_TOOLS_EXPORT Trade::AnimationData removeLinearlyRedundantKeyframes(const Trade::AnimationData& animation);

}}

#endif
