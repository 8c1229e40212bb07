# The build for the browser (emcmake cmake; scripts/test-wasm): the engine's
# libraries, the driver's library and their tests as WebAssembly. The window,
# the page reader and the package stay out; the tests run under node.
#
# Exceptions are WebAssembly's own (every object, the test framework's too);
# the programs read and write the real file system through node (NODERAWFS),
# load their module synchronously (no fetch), flush their output at exit and
# see node's environment variables (wasm-env.js).
set(ROTACLE_GUI OFF CACHE BOOL "" FORCE)
set(ROTACLE_BENCH OFF CACHE BOOL "" FORCE)
set(ROTACLE_FUZZ OFF CACHE BOOL "" FORCE)
#
# With ROTACLE_WEB the build is the browser edition's instead (web/): the
# game's face as an ES module for pages and workers, on the page's own
# in-memory files, and no tests (they run under node in the build above).
option(ROTACLE_WEB "Build the browser edition (web/) instead of the tests under node" OFF)
add_compile_options(-fwasm-exceptions)
if(ROTACLE_WEB)
  set(BUILD_TESTING OFF CACHE BOOL "" FORCE)
  add_link_options(-fwasm-exceptions -sENVIRONMENT=web,worker -sMODULARIZE=1 -sEXPORT_ES6=1
    -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=32MB -sFILESYSTEM=1)
else()
  add_link_options(-fwasm-exceptions -sENVIRONMENT=node -sNODERAWFS=1 -sWASM_ASYNC_COMPILATION=0
    -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB
    "SHELL:--pre-js ${CMAKE_CURRENT_LIST_DIR}/wasm-env.js")
  # CTest runs the programs, the tests among them, with node.
  find_program(ROTACLE_NODE node REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ROTACLE_NODE})
endif()

# Header-only libraries come from the host's Debian packages. Their CMake
# packages would put the host's /usr/include on the include path, whose C
# headers are not emscripten's: only their own folders are linked into a
# folder of the build tree.
set(ROTACLE_HOST_INCLUDE ${PROJECT_BINARY_DIR}/host-include)
file(MAKE_DIRECTORY ${ROTACLE_HOST_INCLUDE})
foreach(pair IN ITEMS "nlohmann_json:nlohmann" "CLI11:CLI")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 package)
  list(GET pair 1 folder)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: install the Debian package of ${package}")
  endif()
  file(CREATE_LINK /usr/include/${folder} ${ROTACLE_HOST_INCLUDE}/${folder} SYMBOLIC)
  add_library(${package}::${package} INTERFACE IMPORTED GLOBAL)
  target_include_directories(${package}::${package} SYSTEM INTERFACE ${ROTACLE_HOST_INCLUDE})
  set(${package}_FOUND TRUE)
endforeach()

if(ROTACLE_WEB)
  return()
endif()

# GoogleTest from its Debian sources (package googletest), built with the
# same flags but without the project's warnings.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)
