#ifndef VelmoraEngine_visibility_h
#define VelmoraEngine_visibility_h
/* Symbol visibility of the VelmoraEngineTools library */

#ifdef VelmoraEngineTools_EXPORTS
#define VELMORAENGINE_TOOLS_EXPORT __attribute__((visibility("default")))
#else
#define VELMORAENGINE_TOOLS_EXPORT __attribute__((visibility("default")))
#endif
/* Internal classes, compiled into the library and into its tests */
#define VELMORAENGINE_TOOLS_LOCAL __attribute__((visibility("hidden")))

#endif
