# Builds one layer probe and checks that it compiles, or that it fails
# because HEADER cannot be found from the probe's target.
execute_process(
  COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${PROBE}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(EXPECT STREQUAL "compiles")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROBE} should compile:\n${output}")
  endif()
  return()
endif()
if(status EQUAL 0)
  message(FATAL_ERROR "${PROBE} compiled, but ${HEADER} must not be reachable from it")
endif()
string(FIND "${output}" "${HEADER}" at)
if(at EQUAL -1 OR NOT output MATCHES "No such file|file not found|Cannot open include file")
  message(FATAL_ERROR "${PROBE} failed, but not on ${HEADER}:\n${output}")
endif()
