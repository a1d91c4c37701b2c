# Picks upstream Corrade and Magnum or our compat/ subset. Upstream's importer
# interface needs PluginManager, compat's importer doesn't. Either way the
# rest of the build sees the upstream target names and corrade_add_resource().

set(_velmora_magnum_components GL MeshTools Trade WindowlessEglApplication)

if(VELMORA_WITH_SYSTEM_MAGNUM STREQUAL "ON")
    find_package(Corrade REQUIRED Containers PluginManager Utility rc)
    find_package(Magnum REQUIRED ${_velmora_magnum_components})
    set(VELMORA_USE_SYSTEM_MAGNUM ON)
elseif(VELMORA_WITH_SYSTEM_MAGNUM STREQUAL "AUTO")
    find_package(Corrade QUIET COMPONENTS Containers PluginManager Utility rc)
    if(Corrade_FOUND)
        find_package(Magnum QUIET COMPONENTS ${_velmora_magnum_components})
    endif()
    if(Corrade_FOUND AND Magnum_FOUND)
        set(VELMORA_USE_SYSTEM_MAGNUM ON)
    else()
        set(VELMORA_USE_SYSTEM_MAGNUM OFF)
    endif()
elseif(VELMORA_WITH_SYSTEM_MAGNUM STREQUAL "OFF")
    set(VELMORA_USE_SYSTEM_MAGNUM OFF)
else()
    message(FATAL_ERROR "VELMORA_WITH_SYSTEM_MAGNUM must be AUTO, ON or OFF, got ${VELMORA_WITH_SYSTEM_MAGNUM}")
endif()

if(VELMORA_USE_SYSTEM_MAGNUM)
    message(STATUS "Using upstream Corrade and Magnum")
else()
    message(STATUS "Using the compat/ Corrade and Magnum subset")
    add_subdirectory(${PROJECT_SOURCE_DIR}/compat ${PROJECT_BINARY_DIR}/compat)
    include(${PROJECT_SOURCE_DIR}/compat/UseCorrade.cmake)
endif()

# MikkTSpace: the reference sources when given, our own otherwise
if(VELMORA_MIKKTSPACE_DIR)
    add_library(VelmoraMikkTSpace STATIC ${VELMORA_MIKKTSPACE_DIR}/mikktspace.c)
    target_include_directories(VelmoraMikkTSpace PUBLIC ${VELMORA_MIKKTSPACE_DIR})
else()
    add_subdirectory(${PROJECT_SOURCE_DIR}/compat/mikktspace ${PROJECT_BINARY_DIR}/compat/mikktspace)
endif()
# Linked into the library privately; none of its symbols may leave it
set_target_properties(VelmoraMikkTSpace PROPERTIES
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
