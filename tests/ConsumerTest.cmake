# Installs the build into a fresh prefix, builds examples/consumer against
# the installed package alone and runs it, the way an engine project would.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... [-DCONSUMER_FLAGS=...]
#         [-DMODULE_PATH=...] [-DPREFIX_PATH=...] -P ConsumerTest.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed:\n${output}")
    endif()
    set(output "${output}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
# Called directly: the paths are lists, and passing them through run()
# would split them into separate arguments
execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE_DIR}/examples/consumer" -B "${WORK_DIR}/build"
    "-DCMAKE_PREFIX_PATH=${prefix};${PREFIX_PATH}"
    "-DCMAKE_MODULE_PATH=${MODULE_PATH}"
    "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "configuring the consumer failed:\n${output}")
endif()
run(${CMAKE_COMMAND} --build "${WORK_DIR}/build")
run("${WORK_DIR}/build/velmora-consumer" ${CONSUMER_ARGS})
message(STATUS "${output}")
if(NOT output MATCHES "mesh 33: [0-9]+ indices from index [0-9]+" OR NOT output MATCHES "34 meshes in one batch")
    message(FATAL_ERROR "unexpected output:\n${output}")
endif()
