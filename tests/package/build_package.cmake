# Makes the Debian package with CPack from the build tree (nothing is built again) into
# OUTPUT_DIR and checks that PACKAGE, the file named as Debian names it, is there.
#   -DCPACK=... -DCONFIG=.../CPackConfig.cmake -DOUTPUT_DIR=... -DPACKAGE=...
file(REMOVE_RECURSE ${OUTPUT_DIR})
execute_process(COMMAND ${CPACK} --config ${CONFIG} -G DEB -B ${OUTPUT_DIR}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
message(STATUS "${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed (${result})")
endif()
if(NOT EXISTS ${PACKAGE})
    file(GLOB made ${OUTPUT_DIR}/*.deb)
    message(FATAL_ERROR "cpack made '${made}', not ${PACKAGE}")
endif()
