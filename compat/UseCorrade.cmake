# corrade_add_resource(<name> <resources.conf>): compiles the files a resource
# configuration lists into a source file that registers the group at load
# time. The generated file's path is put into the variable <name>; the group
# can be registered again with CORRADE_RESOURCE_INITIALIZE(<name>).
function(corrade_add_resource name configurationFile)
    get_filename_component(configurationFile "${configurationFile}" ABSOLUTE)
    get_filename_component(configurationDir "${configurationFile}" DIRECTORY)

    # Reconfigure when the list changes, so the dependencies below stay right
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${configurationFile})

    # Dependencies on the listed files, so an edit recompiles the group
    file(STRINGS "${configurationFile}" filenameLines REGEX "^[ \t]*filename[ \t]*=")
    set(dependencies)
    foreach(line IN LISTS filenameLines)
        string(REGEX REPLACE "^[ \t]*filename[ \t]*=[ \t]*\"?([^\"]*[^\" \t])\"?[ \t]*$" "\\1" filename "${line}")
        if(IS_ABSOLUTE "${filename}")
            list(APPEND dependencies "${filename}")
        else()
            list(APPEND dependencies "${configurationDir}/${filename}")
        endif()
    endforeach()

    set(out ${CMAKE_CURRENT_BINARY_DIR}/resource_${name}.cpp)
    add_custom_command(
        OUTPUT ${out}
        COMMAND $<TARGET_FILE:Corrade::rc> ${name} ${configurationFile} ${out}
        DEPENDS Corrade::rc ${configurationFile} ${dependencies}
        WORKING_DIRECTORY ${configurationDir}
        COMMENT "Compiling resource group ${name}"
        VERBATIM)
    set_source_files_properties(${out} PROPERTIES GENERATED ON)
    set(${name} ${out} PARENT_SCOPE)
endfunction()
