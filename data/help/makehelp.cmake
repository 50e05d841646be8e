# Makes one help file from the help source:
#   cmake -DSOURCE=zmphelp.html.in -DOUTPUT=QMxx.HLP -DVARIANT=ATIS -P makehelp.cmake
# Text between "<!-- @IF ATIS -->" and "<!-- @ENDIF -->" is kept only for
# VARIANT ATIS (a model with ATIS), text between "<!-- @IF NOATIS -->" and
# "<!-- @ENDIF -->" only for VARIANT NOATIS. The markers may stand inside a
# line; they do not nest.
cmake_minimum_required(VERSION 3.25)

foreach(required SOURCE OUTPUT VARIANT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "makehelp.cmake: ${required} is not set")
  endif()
endforeach()

set(open_marker "<!-- @IF ")
set(close_marker " -->")
set(end_marker "<!-- @ENDIF -->")
string(LENGTH "${open_marker}" open_length)
string(LENGTH "${close_marker}" close_length)
string(LENGTH "${end_marker}" end_length)

file(READ "${SOURCE}" text)
set(result "")
while(TRUE)
  string(FIND "${text}" "${open_marker}" start)
  if(start EQUAL -1)
    string(APPEND result "${text}")
    break()
  endif()
  string(SUBSTRING "${text}" 0 ${start} before)
  string(APPEND result "${before}")
  math(EXPR condition_start "${start} + ${open_length}")
  string(SUBSTRING "${text}" ${condition_start} -1 text)
  string(FIND "${text}" "${close_marker}" condition_end)
  string(FIND "${text}" "${end_marker}" body_end)
  if(condition_end EQUAL -1 OR body_end EQUAL -1)
    message(FATAL_ERROR "makehelp.cmake: ${SOURCE}: a conditional block has no end")
  endif()
  string(SUBSTRING "${text}" 0 ${condition_end} condition)
  math(EXPR body_start "${condition_end} + ${close_length}")
  math(EXPR body_length "${body_end} - ${body_start}")
  string(SUBSTRING "${text}" ${body_start} ${body_length} body)
  string(FIND "${body}" "${open_marker}" nested)
  if(NOT nested EQUAL -1)
    message(FATAL_ERROR "makehelp.cmake: ${SOURCE}: conditional blocks do not nest")
  endif()
  if(NOT condition MATCHES "^(ATIS|NOATIS)$")
    message(FATAL_ERROR "makehelp.cmake: ${SOURCE}: unknown condition '${condition}'")
  endif()
  if(condition STREQUAL VARIANT)
    string(APPEND result "${body}")
  endif()
  math(EXPR rest_start "${body_end} + ${end_length}")
  string(SUBSTRING "${text}" ${rest_start} -1 text)
endwhile()

# Written beside and then renamed, so an interrupted build never leaves half a file.
file(WRITE "${OUTPUT}.tmp" "${result}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
