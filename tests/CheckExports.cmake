# Fails when the shipped library exports anything outside its own namespace:
# no std:: instantiations, no Corrade or Magnum templates, no MikkTSpace.
#   cmake -DLIBRARY=<path> -P CheckExports.cmake
execute_process(COMMAND nm -DC --defined-only "${LIBRARY}"
    OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" symbols "${symbols}")
set(foreign)
set(count 0)
foreach(line IN LISTS symbols)
    if(line STREQUAL "")
        continue()
    endif()
    # <address> <type> <name>
    string(REGEX REPLACE "^[0-9a-fA-F]+ [A-Za-z] " "" name "${line}")
    math(EXPR count "${count} + 1")
    # Function templates demangle with their return type first
    if(NOT name MATCHES "^VelmoraEngine::" AND NOT name MATCHES "^[^(]* VelmoraEngine::MeshTools::cast(Normalized)?Attribute<")
        list(APPEND foreign "${name}")
    endif()
endforeach()
if(foreign)
    list(LENGTH foreign foreignCount)
    list(JOIN foreign "\n  " foreignList)
    message(FATAL_ERROR "${foreignCount} of ${count} exported symbols are not the library's own:\n  ${foreignList}")
endif()
message(STATUS "all ${count} exported symbols are in namespace VelmoraEngine")
