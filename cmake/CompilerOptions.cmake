# Warnings and sanitizers for every target of the project (not for imported ones).
add_compile_options(-Wall -Wextra -Wpedantic)
if(VELMORA_WERROR)
  add_compile_options(-Werror)
endif()

if(VELMORA_SANITIZE)
  add_compile_options(-fsanitize=${VELMORA_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${VELMORA_SANITIZE})
endif()

# Collects the .cpp files of the given folders (below the current source dir), leaving out
# program entry points (files ending in _main.cpp), into OUT.
function(velmora_collect_sources OUT)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  list(FILTER files EXCLUDE REGEX "_main\\.cpp$")
  set(${OUT} ${files} PARENT_SCOPE)
endfunction()
