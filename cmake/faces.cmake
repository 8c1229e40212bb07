# A library's face: the headers that other folders may include. Each library
# of a folder publishes the headers it lists as PUBLIC through a folder of its
# own in the build tree, ${PROJECT_BINARY_DIR}/faces/<target>/<folder>/, which
# holds a link to each of them, so `#include "board/board.h"` works for every
# user of rotacle_board while the folder's other headers are out of reach.
# The library's own sources see the whole folder through a private include
# folder that holds only a link to it.
#
#   rotacle_face(rotacle_board PUBLIC board.h)
#
# A test that needs an internal header of the library it tests asks for it
# explicitly: rotacle_face_inside(<test target> <library>).
function(rotacle_face target)
  cmake_parse_arguments(PARSE_ARGV 1 face "" "" "PUBLIC")
  if(face_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "rotacle_face(${target}): unexpected ${face_UNPARSED_ARGUMENTS}")
  endif()
  get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  set(public_dir ${PROJECT_BINARY_DIR}/faces/${target})
  set(private_dir ${PROJECT_BINARY_DIR}/faces/${target}.inside)
  # Made anew on every configuration: a header taken off the list loses its link.
  file(REMOVE_RECURSE ${public_dir} ${private_dir})
  file(MAKE_DIRECTORY ${public_dir}/${folder} ${private_dir})
  foreach(header IN LISTS face_PUBLIC)
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${header})
      message(FATAL_ERROR "rotacle_face(${target}): ${folder}/${header} does not exist")
    endif()
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${public_dir}/${folder}/${header} SYMBOLIC)
  endforeach()
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${private_dir}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${public_dir} PRIVATE ${private_dir})
  set_property(TARGET ${target} PROPERTY ROTACLE_FACE_INSIDE ${private_dir})
endfunction()

# Lets `consumer` include every header of `library`'s folder, not only its face.
function(rotacle_face_inside consumer library)
  get_target_property(inside ${library} ROTACLE_FACE_INSIDE)
  if(NOT inside)
    message(FATAL_ERROR "rotacle_face_inside: ${library} has no face")
  endif()
  target_include_directories(${consumer} PRIVATE ${inside})
endfunction()
