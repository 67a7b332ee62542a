# The layers of the program are libraries, and each sees only the headers of the layers it
# links. A layer's headers are reachable through one include root of its own, a folder in the
# build tree that links to the layer's source folders (src/runtime as runtime/, ...); linking a
# layer PUBLIC passes its root on. So a header included across the layers' order is not found:
# a build error, not a habit.
#
#   totechita_layer(NAME FOLDERS folder... SOURCES file... [DEPENDS target...])
function(totechita_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "FOLDERS;SOURCES;DEPENDS")
  set(root ${PROJECT_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS layer_FOLDERS)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  list(TRANSFORM layer_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/src/)
  add_library(${name} STATIC ${layer_SOURCES})
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${layer_DEPENDS} PRIVATE totechita_warnings)
endfunction()
