# Which folder may include which. Each folder of the program builds one
# library; its sources (and those of the programs beside it) may include the
# headers of the folder itself and of the folders whose libraries it links,
# directly or through their public links, nothing else of the program: a part
# that reached into another part would tie the two together behind the
# facade's back, and no library may reach up into a host (ui/, tools/,
# reader/). An include that climbs out of its folder ("../") is refused too,
# since it would pass by the libraries' faces.
#
# The check runs as part of the build (target rotacle_layering, which every
# checked library waits for) and again whenever a source of the checked
# folders changes. Run as a script it checks the tree:
#   cmake -DRULES=<rules file> -DSTAMP=<file written when all is well> -P layering.cmake
if(CMAKE_SCRIPT_MODE_FILE)
  cmake_policy(VERSION 3.25)
endif()

# The folder that one line of a source reaches: for a line that includes a
# header of one of `folders` (any form: "x/y.h" or <x/y.h>, spaces anywhere
# around "#" and "include"), that folder; ".." for an include that climbs out
# of its folder; empty for any other line.
function(rotacle_included_folder line folders out)
  set(result "")
  if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"]")
    set(path "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "^[ \t]+" "" path "${path}")
    string(REGEX REPLACE "^(\\./)+" "" path "${path}")
    if(path MATCHES "(^|/)\\.\\.(/|$)")
      set(result "..")
    elseif(path MATCHES "^([A-Za-z0-9_]+)/")
      if(CMAKE_MATCH_1 IN_LIST folders)
        set(result "${CMAKE_MATCH_1}")
      endif()
    endif()
  endif()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Empty when a source of `folder`, which may include the folders `allowed`,
# may hold `line`; otherwise the reason it may not.
function(rotacle_layering_verdict folder allowed folders line out)
  rotacle_included_folder("${line}" "${folders}" target)
  set(verdict "")
  if(target STREQUAL "..")
    set(verdict "climbs out of ${folder}/")
  elseif(target AND NOT target IN_LIST allowed)
    set(verdict "reaches into ${target}/, which ${folder}/ does not link")
  endif()
  set(${out} "${verdict}" PARENT_SCOPE)
endfunction()

# Configuration: rotacle_check_layering(FOLDER TARGET ...) for each folder and
# the library its sources build. Writes the rules and adds the build's check.
function(rotacle_check_layering)
  set(pairs ${ARGN})
  set(folders)
  set(targets)
  while(pairs)
    list(POP_FRONT pairs folder target)
    if(TARGET ${target})
      list(APPEND folders ${folder})
      list(APPEND targets ${target})
    endif()
  endwhile()
  # Every folder named, checked or not, is one that a source may not reach
  # into without linking it.
  set(all_folders ${ARGN})
  list(LENGTH all_folders n)
  set(named)
  math(EXPR last "${n} - 1")
  foreach(i RANGE 0 ${last} 2)
    list(GET all_folders ${i} f)
    list(APPEND named ${f})
  endforeach()

  set(rules "set(ROTACLE_LAYERING_ROOT \"${PROJECT_SOURCE_DIR}\")\n")
  string(APPEND rules "set(ROTACLE_LAYERING_FOLDERS ${named})\n")
  string(APPEND rules "set(ROTACLE_LAYERING_CHECKED ${folders})\n")
  set(sources)
  foreach(folder target IN ZIP_LISTS folders targets)
    # The folders of the libraries that `target` links, followed through
    # their public links.
    set(allowed ${folder})
    get_target_property(queue ${target} LINK_LIBRARIES)
    if(NOT queue)
      set(queue)
    endif()
    set(seen)
    while(queue)
      list(POP_FRONT queue lib)
      list(FIND targets "${lib}" at)
      if(at EQUAL -1 OR lib IN_LIST seen)
        continue()
      endif()
      list(APPEND seen ${lib})
      list(GET folders ${at} linked)
      list(APPEND allowed ${linked})
      get_target_property(more ${lib} INTERFACE_LINK_LIBRARIES)
      if(more)
        list(APPEND queue ${more})
      endif()
    endwhile()
    list(REMOVE_DUPLICATES allowed)
    string(APPEND rules "set(ROTACLE_LAYERING_ALLOWED_${folder} ${allowed})\n")
    file(GLOB folder_sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.h"
         "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
    list(APPEND sources ${folder_sources})
  endforeach()

  set(dir ${PROJECT_BINARY_DIR}/layering)
  file(WRITE ${dir}/rules.cmake.new "${rules}")
  file(COPY_FILE ${dir}/rules.cmake.new ${dir}/rules.cmake ONLY_IF_DIFFERENT)
  add_custom_command(OUTPUT ${dir}/checked
    COMMAND ${CMAKE_COMMAND} -DRULES=${dir}/rules.cmake -DSTAMP=${dir}/checked -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    DEPENDS ${sources} ${dir}/rules.cmake ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "Checking which folder includes which"
    VERBATIM)
  add_custom_target(rotacle_layering DEPENDS ${dir}/checked)
  foreach(target IN LISTS targets)
    add_dependencies(${target} rotacle_layering)
  endforeach()
endfunction()

# The check itself, run as a script by the build: every offending line of
# every checked folder, then failure; or the stamp.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE AND DEFINED RULES)
  include(${RULES})
  set(faults)
  foreach(folder IN LISTS ROTACLE_LAYERING_CHECKED)
    file(GLOB sources "${ROTACLE_LAYERING_ROOT}/${folder}/*.h" "${ROTACLE_LAYERING_ROOT}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
      file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include")
      foreach(line IN LISTS lines)
        rotacle_layering_verdict(${folder} "${ROTACLE_LAYERING_ALLOWED_${folder}}" "${ROTACLE_LAYERING_FOLDERS}"
                                 "${line}" verdict)
        if(verdict)
          file(RELATIVE_PATH rel "${ROTACLE_LAYERING_ROOT}" "${source}")
          list(APPEND faults "${rel}: '${line}' ${verdict}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(faults)
    list(JOIN faults "\n" text)
    file(REMOVE ${STAMP})
    message(FATAL_ERROR "Includes across the layers:\n${text}")
  endif()
  file(TOUCH ${STAMP})
endif()
