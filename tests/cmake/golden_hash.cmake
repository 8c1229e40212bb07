# Hashed golden outputs of rotacle-sim: the whole output of long sessions and
# backtests must stay byte for byte what tests/golden/hashes.sha256 records.
#
#   cmake -DSIM=build/tools/rotacle-sim -DWORK=DIR [-DCASES="a;b"] [-DUPDATE=ON] -P golden_hash.cmake
#
# A case is a script tests/golden/scripts/NAME.script (output NAME.jsonl: one
# JSON line per command) or a number file tests/data/spins/NAME.txt, replayed
# as a backtest (outputs NAME.summary, the printed summary, and NAME.csv).
# Without CASES every case runs. Each case runs in WORK/NAME, holding the
# script, the test data as data/ and tests/golden/data as fixtures/; files the
# session writes stay there. The folder's absolute path, which messages about
# files quote, is written as @WORK@ before hashing, so the hash does not depend
# on where the build lives. The outputs are kept for comparison.
#
# UPDATE=ON writes the hashes of the cases run into hashes.sha256 instead of
# comparing: for a change of output that is meant.
cmake_minimum_required(VERSION 3.25)

get_filename_component(tests "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(golden "${tests}/golden")
set(hashes_file "${golden}/hashes.sha256")
foreach(var SIM WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "golden_hash.cmake: ${var} is not set")
  endif()
endforeach()
get_filename_component(SIM "${SIM}" ABSOLUTE)
get_filename_component(WORK "${WORK}" ABSOLUTE)

file(GLOB scripts "${golden}/scripts/*.script")
file(GLOB series "${tests}/data/spins/*.txt")
set(all_cases)
foreach(path IN LISTS scripts series)
  get_filename_component(name "${path}" NAME_WE)
  list(APPEND all_cases "${name}")
endforeach()
if(NOT DEFINED CASES OR CASES STREQUAL "")
  set(CASES ${all_cases})
endif()

# Recorded hashes, "HASH  FILE" per line as sha256sum writes them.
set(recorded_files)
if(EXISTS "${hashes_file}")
  file(STRINGS "${hashes_file}" lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "^([0-9a-f]+)  (.+)$")
      list(APPEND recorded_files "${CMAKE_MATCH_2}")
      set("recorded_${CMAKE_MATCH_2}" "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()

set(failures "")
foreach(name IN LISTS CASES)
  set(dir "${WORK}/${name}")
  file(REMOVE_RECURSE "${dir}")
  file(MAKE_DIRECTORY "${dir}")
  file(COPY "${tests}/data/" DESTINATION "${dir}/data")
  file(COPY "${golden}/data/" DESTINATION "${dir}/fixtures")
  if(EXISTS "${golden}/scripts/${name}.script")
    file(COPY "${golden}/scripts/${name}.script" DESTINATION "${dir}")
    set(args --script "${name}.script")
    set(outputs "${name}.jsonl")
  elseif(EXISTS "${tests}/data/spins/${name}.txt")
    set(args backtest "data/spins/${name}.txt" --csv "${name}.csv" --no-progress)
    set(outputs "${name}.summary" "${name}.csv")
  else()
    message(FATAL_ERROR "golden_hash.cmake: no case ${name}")
  endif()
  list(GET outputs 0 stdout_file)
  execute_process(
    COMMAND "${SIM}" ${args}
    WORKING_DIRECTORY "${dir}"
    OUTPUT_FILE "${dir}/${stdout_file}"
    ERROR_VARIABLE err
    RESULT_VARIABLE exit_code
    TIMEOUT 120)
  if(NOT exit_code STREQUAL "0" OR NOT err STREQUAL "")
    string(APPEND failures "${name}: exit code ${exit_code}, standard error: ${err}\n")
    continue()
  endif()

  file(REAL_PATH "${dir}" real_dir)
  foreach(out IN LISTS outputs)
    set(path "${dir}/${out}")
    file(READ "${path}" text)
    set(masked "${text}")
    foreach(prefix IN ITEMS "${dir}" "${real_dir}")
      string(REPLACE "${prefix}" "@WORK@" masked "${masked}")
    endforeach()
    if(NOT masked STREQUAL text)
      file(WRITE "${path}" "${masked}")
    endif()
    file(SHA256 "${path}" got)
    if(UPDATE)
      if(NOT DEFINED "recorded_${out}")
        list(APPEND recorded_files "${out}")
      endif()
      set("recorded_${out}" "${got}")
    elseif(NOT DEFINED "recorded_${out}")
      string(APPEND failures "${out}: no hash recorded in ${hashes_file}\n")
    elseif(NOT got STREQUAL "${recorded_${out}}")
      string(APPEND failures
        "${out} differs from its recorded hash:\n"
        "  SHA-256 now      ${got}\n"
        "  SHA-256 recorded ${recorded_${out}}\n"
        "  output kept at ${path}\n"
        "  to see what changed, run the case with the rotacle-sim of the last commit that passed\n"
        "  (built in OLD) and compare:\n"
        "    cmake -DSIM=OLD/tools/rotacle-sim -DWORK=/tmp/golden-old -DCASES=${name} -P ${CMAKE_CURRENT_LIST_FILE}\n"
        "    diff /tmp/golden-old/${name}/${out} ${path}\n"
        "  if the change is meant, record it:\n"
        "    cmake -DSIM=${SIM} -DWORK=${WORK} -DCASES=${name} -DUPDATE=ON -P ${CMAKE_CURRENT_LIST_FILE}\n")
    endif()
  endforeach()
endforeach()

if(UPDATE AND failures STREQUAL "")
  set(text "")
  list(SORT recorded_files)
  foreach(out IN LISTS recorded_files)
    string(APPEND text "${recorded_${out}}  ${out}\n")
  endforeach()
  file(WRITE "${hashes_file}" "${text}")
  message(STATUS "golden_hash.cmake: recorded ${hashes_file}")
endif()
if(NOT failures STREQUAL "")
  message(FATAL_ERROR "golden outputs differ:\n${failures}")
endif()
