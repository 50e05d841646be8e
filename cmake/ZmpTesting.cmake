# zmp_add_test(name SOURCES ... [DEPS ...] [QT] [REAL_TIME])
# One test executable registered with CTest. Every test runs in its own
# scratch folder with its own settings store, so tests never see the
# user's configuration or each other's files. QT tests run offscreen.
# The link waits a tenth of its real times (ZMP_TEST_TIME_SCALE), so that
# transfers against the emulator take seconds; REAL_TIME tests check the
# waits themselves and keep them.
function(zmp_add_test name)
  cmake_parse_arguments(ARG "QT;REAL_TIME" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE zmp_options ${ARG_DEPS})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE Qt6::Test)
  else()
    if(NOT TARGET GTest::gtest)
      find_package(GTest REQUIRED)
    endif()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main GTest::gmock)
  endif()
  set(scratch ${PROJECT_BINARY_DIR}/test-scratch/${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "XDG_CONFIG_HOME=${scratch}/config;XDG_DATA_HOME=${scratch}/data;HOME=${scratch}/home;QT_QPA_PLATFORM=offscreen;ZMP_TEST_SCRATCH=${scratch};ZMP_PROGRAM_DIR=${ZMP_PROGRAM_DIR};ZMP_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    TIMEOUT 300)
  if(NOT ARG_REAL_TIME)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT "ZMP_TEST_TIME_SCALE=0.1")
  endif()
endfunction()
