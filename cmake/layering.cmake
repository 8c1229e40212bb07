# The engine's parts may include only the folders they link: a part that
# reached into another part would tie the two together behind the facade's
# back. Each folder NAME builds the library rotacle_NAME; its sources may
# include headers of NAME and of the rotacle_ libraries it links, nothing
# else of the engine. Configuration stops at the first line that breaks this.
function(rotacle_check_layering)
  set(folders ${ARGN})
  string(REPLACE ";" "|" folder_regex "${folders}")
  foreach(folder IN LISTS folders)
    set(allowed ${folder})
    get_target_property(links rotacle_${folder} LINK_LIBRARIES)
    foreach(lib IN LISTS links)
      if(lib MATCHES "^rotacle_([a-z]+)$")
        list(APPEND allowed ${CMAKE_MATCH_1})
      endif()
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.h" "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
      file(STRINGS "${source}" includes REGEX "^#include \"(${folder_regex}|tools|ui)/")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
        if(NOT target IN_LIST allowed)
          file(RELATIVE_PATH rel "${PROJECT_SOURCE_DIR}" "${source}")
          message(FATAL_ERROR "${rel}: '${line}' reaches into ${target}/, which ${folder}/ does not link")
        endif()
      endforeach()
    endforeach()
  endforeach()
endfunction()
