#ifndef VelmoraEngine_visibility_h
#define VelmoraEngine_visibility_h
/* Symbol visibility of the VelmoraEngineTools library. The library is built
   with hidden visibility; this marks what it exports. */

#ifdef _WIN32
    #ifdef VelmoraEngineToolsObjects_EXPORTS
        #define VELMORAENGINE_TOOLS_EXPORT __declspec(dllexport)
    #else
        #define VELMORAENGINE_TOOLS_EXPORT __declspec(dllimport)
    #endif
#else
    /* Default visibility on both sides, so a user built with hidden
       visibility still binds to the library's definitions */
    #define VELMORAENGINE_TOOLS_EXPORT __attribute__((visibility("default")))
#endif

#endif
