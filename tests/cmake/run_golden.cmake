# Runs one golden session: cmake -DSIM=... -DSCRIPTS=... -DNAME=... -DWORK=... -P run_golden.cmake
#
# The scripts folder is copied to WORK first, so that files a script saves stay
# out of the source tree. Each line of NAME.expected is a JSON object; the line
# of the same number in the output must hold every key of it with an equal
# value (keys the driver prints beyond those are not compared).
cmake_minimum_required(VERSION 3.25)

foreach(var SIM SCRIPTS NAME WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_golden.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SCRIPTS}/" DESTINATION "${WORK}")
set(script "${WORK}/${NAME}.script")

set(args --script "${script}")
set(stdin_args)
if(EXISTS "${WORK}/${NAME}.args")
  file(READ "${WORK}/${NAME}.args" args_text)
  string(STRIP "${args_text}" args_text)
  separate_arguments(args UNIX_COMMAND "${args_text}")
  list(TRANSFORM args REPLACE "@SCRIPT@" "${script}")
  list(FIND args "-" dash)
  if(NOT dash EQUAL -1)
    set(stdin_args INPUT_FILE "${script}")
  endif()
endif()

set(expected_exit 0)
if(EXISTS "${WORK}/${NAME}.exit")
  file(READ "${WORK}/${NAME}.exit" expected_exit)
  string(STRIP "${expected_exit}" expected_exit)
endif()

execute_process(
  COMMAND "${SIM}" ${args}
  WORKING_DIRECTORY "${WORK}"
  ${stdin_args}
  RESULT_VARIABLE exit_code
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  TIMEOUT 60)

set(failures "")
if(NOT "${exit_code}" STREQUAL "${expected_exit}")
  string(APPEND failures "exit code ${exit_code}, expected ${expected_exit}\n")
endif()

if(EXISTS "${WORK}/${NAME}.stderr")
  file(READ "${WORK}/${NAME}.stderr" want_err)
  string(STRIP "${want_err}" want_err)
  string(FIND "${err}" "${want_err}" at)
  if(at EQUAL -1)
    string(APPEND failures "standard error lacks \"${want_err}\"\n")
  endif()
elseif(NOT err STREQUAL "")
  string(APPEND failures "unexpected standard error output\n")
endif()

# Lines of both texts; CMake lists need the semicolons protected.
function(split_lines text out_var)
  string(REPLACE ";" "\\;" text "${text}")
  string(REGEX REPLACE "\r?\n$" "" text "${text}")
  if(text STREQUAL "")
    set(${out_var} "" PARENT_SCOPE)
    return()
  endif()
  string(REGEX REPLACE "\r?\n" ";" lines "${text}")
  set(${out_var} "${lines}" PARENT_SCOPE)
endfunction()

file(READ "${WORK}/${NAME}.expected" expected_text)
split_lines("${expected_text}" expected_lines)
split_lines("${out}" actual_lines)
list(LENGTH expected_lines n_expected)
list(LENGTH actual_lines n_actual)
if(NOT n_expected EQUAL n_actual)
  string(APPEND failures "${n_actual} output lines, expected ${n_expected}\n")
endif()

if(n_expected GREATER 0 AND n_expected EQUAL n_actual)
  math(EXPR last "${n_expected} - 1")
  foreach(i RANGE ${last})
    list(GET expected_lines ${i} want)
    list(GET actual_lines ${i} got)
    math(EXPR line_no "${i} + 1")
    string(JSON n_keys ERROR_VARIABLE json_err LENGTH "${want}")
    if(json_err)
      string(APPEND failures "expected line ${line_no} is no JSON object: ${json_err}\n")
      continue()
    endif()
    string(JSON got_type ERROR_VARIABLE json_err TYPE "${got}")
    if(json_err OR NOT got_type STREQUAL "OBJECT")
      string(APPEND failures "output line ${line_no} is no JSON object: ${got}\n")
      continue()
    endif()
    math(EXPR last_key "${n_keys} - 1")
    foreach(k RANGE ${last_key})
      string(JSON key MEMBER "${want}" ${k})
      string(JSON want_value GET "${want}" "${key}")
      string(JSON want_type TYPE "${want}" "${key}")
      string(JSON got_value ERROR_VARIABLE json_err GET "${got}" "${key}")
      if(json_err)
        string(APPEND failures "output line ${line_no}: key \"${key}\" missing\n")
        continue()
      endif()
      string(JSON got_type TYPE "${got}" "${key}")
      if(NOT want_type STREQUAL got_type OR NOT want_value STREQUAL got_value)
        string(APPEND failures
          "output line ${line_no}: \"${key}\" is ${got_value}, expected ${want_value}\n")
      endif()
    endforeach()
  endforeach()
endif()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "golden session ${NAME} differs:\n${failures}\n--- output ---\n${out}--- stderr ---\n${err}")
endif()
