# SPDX-License-Identifier: MIT
# The game's layers (HACKING.md has the map). Each is a static library that sees the
# headers of, and links, only itself and the layers it names:
#
# - Headers are included by folder ("draw/Draw.h"), and a layer's folder is found through
#   an include root of its own: a folder in the build holding one link to the layer's
#   source folder. A header of a layer that is not linked is simply not found.
# - Each layer is also linked whole into a program of its own with nothing but the
#   layers it names, so a call to a layer it does not name is an undefined reference.
#   (Skipped on Windows, where SDL's own main glue wants the game's entry point, and in
#   the fuzz build, whose instrumentation needs libFuzzer's driver.)
#
# noughts_add_layer(TARGET FOLDER SOURCES files... [PUBLIC layers...] [PRIVATE layers...])
# PUBLIC: layers whose headers this layer's headers include; PRIVATE: the others it uses.
function(noughts_add_layer target folder)
  cmake_parse_arguments(PARSE_ARGV 2 layer "" "" "SOURCES;PUBLIC;PRIVATE")
  set(root ${PROJECT_BINARY_DIR}/layer-roots/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)

  add_library(${target} STATIC ${layer_SOURCES})
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PUBLIC Sdl12::Sdl12 ${layer_PUBLIC} PRIVATE ${layer_PRIVATE})

  if(NOT WIN32 AND NOT NOUGHTS_FUZZ)
    set(main ${PROJECT_BINARY_DIR}/layer-roots/links-main.cpp)
    if(NOT EXISTS ${main})
      file(WRITE ${main} "int main() { return 0; }\n")
    endif()
    add_executable(${target}_links ${main})
    target_link_libraries(${target}_links PRIVATE
      -Wl,--whole-archive ${target} -Wl,--no-whole-archive)
  endif()
endfunction()
