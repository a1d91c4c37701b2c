# Installs the shipped library, its public headers and a CMake package, so an
# engine project finds it with find_package(VelmoraEngineTools CONFIG). With
# compat/ the subset's libraries and headers go along, under upstream's
# target names; with upstream the package finds Corrade and Magnum the way
# this build did.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VELMORA_CMAKE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/VelmoraEngineTools)

# Installed side by side, the libraries find each other in any prefix
set(_velmora_installed_libraries VelmoraEngineTools)
if(NOT VELMORA_USE_SYSTEM_MAGNUM)
    list(APPEND _velmora_installed_libraries CorradeUtility MagnumMagnum MagnumTrade MagnumMeshTools MagnumGL MagnumWindowlessEglApplication)
endif()
set_target_properties(${_velmora_installed_libraries} PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS VelmoraEngineTools EXPORT VelmoraEngineToolsTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT VelmoraEngineToolsTargets
    NAMESPACE VelmoraEngineTools::
    DESTINATION ${VELMORA_CMAKE_INSTALL_DIR})

if(NOT VELMORA_USE_SYSTEM_MAGNUM)
    set_target_properties(CorradeUtility PROPERTIES EXPORT_NAME Utility)
    set_target_properties(CorradeContainers PROPERTIES EXPORT_NAME Containers)
    install(TARGETS CorradeUtility CorradeContainers EXPORT VelmoraCorradeTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(EXPORT VelmoraCorradeTargets
        NAMESPACE Corrade::
        DESTINATION ${VELMORA_CMAKE_INSTALL_DIR})

    set(_velmora_magnum_targets)
    foreach(_component Magnum Trade MeshTools GL WindowlessEglApplication)
        set(_target Magnum${_component})
        set_target_properties(${_target} PROPERTIES EXPORT_NAME ${_component})
        list(APPEND _velmora_magnum_targets ${_target})
    endforeach()
    install(TARGETS ${_velmora_magnum_targets} EXPORT VelmoraMagnumTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(EXPORT VelmoraMagnumTargets
        NAMESPACE Magnum::
        DESTINATION ${VELMORA_CMAKE_INSTALL_DIR})

    install(DIRECTORY ${PROJECT_SOURCE_DIR}/compat/Corrade ${PROJECT_SOURCE_DIR}/compat/Magnum
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h" PATTERN "*.hpp")
endif()

configure_package_config_file(
    ${PROJECT_SOURCE_DIR}/cmake/VelmoraEngineToolsConfig.cmake.in
    ${PROJECT_BINARY_DIR}/VelmoraEngineToolsConfig.cmake
    INSTALL_DESTINATION ${VELMORA_CMAKE_INSTALL_DIR})
write_basic_package_version_file(
    ${PROJECT_BINARY_DIR}/VelmoraEngineToolsConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES
    ${PROJECT_BINARY_DIR}/VelmoraEngineToolsConfig.cmake
    ${PROJECT_BINARY_DIR}/VelmoraEngineToolsConfigVersion.cmake
    DESTINATION ${VELMORA_CMAKE_INSTALL_DIR})

# Debian package of everything installed above
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora-engine-tools)
set(CPACK_PACKAGE_VENDOR "VelmoraEngineTools")
set(CPACK_PACKAGE_CONTACT "VelmoraEngineTools maintainers <maintainers@velmora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Asset-processing and GPU-resource tools for a real-time 3D engine")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
# Libraries the binaries link, found by dpkg-shlibdeps; the software
# renderer and the headers users compile against on top
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libegl-mesa0, libgl1-mesa-dri, libepoxy-dev, libegl-dev, nlohmann-json3-dev")
include(CPack)
