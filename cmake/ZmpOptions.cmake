# Compiler options shared by every target of the project.
add_library(zmp_options INTERFACE)
target_compile_options(zmp_options INTERFACE -Wall -Wextra -Wpedantic)
if(ZMP_WERROR)
  target_compile_options(zmp_options INTERFACE -Werror)
endif()
if(ZMP_SANITIZE)
  target_compile_options(zmp_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(zmp_options INTERFACE -fsanitize=address,undefined)
endif()
if(ZMP_FUZZ)
  # -O1 as libFuzzer recommends: unoptimised code runs the targets several times slower.
  target_compile_options(zmp_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -O1)
  target_link_options(zmp_options INTERFACE -fsanitize=address,undefined)
endif()

# zmp_add_library(name SOURCES ... [DEPS ...])
# A core or Qt library of one subsystem; headers are included as "subsystem/file.h".
function(zmp_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC zmp_options ${ARG_DEPS})
endfunction()
