# Fails when a file under src/ includes a header of a higher layer, or of another folder of its own
# layer. Run with: cmake -DROOT=<repo>/src -P CheckLayerOrder.cmake
#
# The layers, lowest first; the folders of one entry are peers and include none of each other.
set(LAYERS
  "files,resources"
  "link"
  "menulist"
  "serial,command,panel"
  "windows,equalizer,rigctl"
  "platform"
  "sim"
  "app"
  "gui"
  "main")

set(level 0)
foreach(layer IN LISTS LAYERS)
  string(REPLACE "," ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    set(level_of_${folder} ${level})
  endforeach()
  math(EXPR level "${level} + 1")
endforeach()

file(GLOB folders LIST_DIRECTORIES true RELATIVE ${ROOT} ${ROOT}/*)
set(bad)
foreach(folder IN LISTS folders)
  if(NOT IS_DIRECTORY ${ROOT}/${folder})
    continue()
  endif()
  if(NOT DEFINED level_of_${folder})
    list(APPEND bad "src/${folder}/ is in no layer")
    continue()
  endif()
  file(GLOB_RECURSE files ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(f IN LISTS files)
    file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" target "${line}")
      if(target STREQUAL folder OR NOT IS_DIRECTORY ${ROOT}/${target})
        continue()
      endif()
      if(NOT DEFINED level_of_${target} OR NOT level_of_${target} LESS level_of_${folder})
        file(RELATIVE_PATH rel ${ROOT}/.. ${f})
        string(STRIP "${line}" line)
        list(APPEND bad "${rel}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(bad)
  list(JOIN LAYERS " -> " order)
  list(JOIN bad "\n" text)
  message(FATAL_ERROR "Includes against the layer order ${order}:\n${text}")
endif()
