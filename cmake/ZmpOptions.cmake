# Compiler options shared by every target of the project.
add_library(zmp_options INTERFACE)
target_compile_options(zmp_options INTERFACE -Wall -Wextra -Wpedantic)
if(ZMP_WERROR)
  target_compile_options(zmp_options INTERFACE -Werror)
endif()
# The fuzz targets are built with the sanitizers; the tests of such a build
# run under them too, so one clang build serves both.
if(ZMP_FUZZ)
  # -O1 as libFuzzer recommends: unoptimised code runs the targets several times slower.
  target_compile_options(zmp_options INTERFACE -fsanitize=fuzzer-no-link -O1)
endif()
if(ZMP_SANITIZE OR ZMP_FUZZ)
  target_compile_options(zmp_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(zmp_options INTERFACE -fsanitize=address,undefined)
endif()

# zmp_include_root(subsystem out)
# The include root of one folder of src/: a folder in the build tree that
# holds only "subsystem/file.h", one forwarding header per header of the
# folder. A target that does not link the subsystem's target does not have
# its root on the path, so a wrong-way include fails to compile. Forwarding
# headers, unlike symbolic links, work on every build host. The headers are
# found by a glob only so that a new header gets its forwarder at once; the
# sources stay listed by hand.
function(zmp_include_root subsystem out)
  set(root ${PROJECT_BINARY_DIR}/include/${subsystem})
  set(${out} ${root} PARENT_SCOPE)
  get_property(made GLOBAL PROPERTY zmp_include_root_${subsystem})
  if(made)
    return()
  endif()
  set_property(GLOBAL PROPERTY zmp_include_root_${subsystem} TRUE)
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${subsystem}/*.h)
  file(GLOB stale ${root}/${subsystem}/*.h)
  foreach(header IN LISTS headers)
    get_filename_component(file ${header} NAME)
    list(REMOVE_ITEM stale ${root}/${subsystem}/${file})
    file(CONFIGURE OUTPUT ${root}/${subsystem}/${file}
      CONTENT "#pragma once\n#include \"${header}\"\n" @ONLY)
  endforeach()
  if(stale)
    file(REMOVE ${stale})
  endif()
endfunction()

# zmp_add_library(name SOURCES ... [DEPS ...])
# A core or Qt library. One in a folder of src/ exposes that folder's
# headers, included as "subsystem/file.h", and sees only its DEPS' headers.
function(zmp_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  get_filename_component(parent ${CMAKE_CURRENT_SOURCE_DIR} DIRECTORY)
  if(parent STREQUAL "${PROJECT_SOURCE_DIR}/src")
    get_filename_component(subsystem ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    zmp_include_root(${subsystem} root)
    target_include_directories(${name} PUBLIC ${root})
  endif()
  target_link_libraries(${name} PUBLIC zmp_options ${ARG_DEPS})
endfunction()

# Debian's hardening flags, as dpkg-buildflags gives them with every
# hardening feature on (fortified functions, stack protector, relro and
# immediate binding), for the optimised builds: `make` and the package's.
# The build type keeps its say over optimisation and debug information.
if(ZMP_HARDENING)
  find_program(ZMP_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
              ${ZMP_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O.*)$")
    set(ZMP_HARDENING_${kind} ${flags})
  endforeach()
  set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  target_compile_options(zmp_options INTERFACE
    "$<${optimised}:${ZMP_HARDENING_CPPFLAGS};${ZMP_HARDENING_CXXFLAGS}>")
  target_link_options(zmp_options INTERFACE "$<${optimised}:${ZMP_HARDENING_LDFLAGS}>")
endif()
