# SPDX-License-Identifier: MIT
# Finds SDL 1.2 and presents it as the target Sdl12::Sdl12.
# CMake's own SDL module comes first; pkg-config's "sdl" is the fall-back, which also
# finds the compatibility build of SDL 1.2 where that is what the machine has.
if(MINGW)
  # FindSDL would add -mwindows and make a program without a console. The game is a
  # console program on Windows as on Linux: started from a console it prints there, and
  # its exit status reaches the shell.
  set(MINGW32_LIBRARY mingw32 CACHE STRING "MinGW's own library, linked before SDLmain")
endif()
if(EMSCRIPTEN)
  # The browser's SDL 1.2 is built for it by scripts/build-web.sh (web/sdl12/), laid out
  # as an installed SDL; nothing on the build machine would do.
  set(NOUGHTS_WEB_SDL_DIR "" CACHE PATH "Install folder of SDL 1.2 built for the browser")
  if(NOT EXISTS "${NOUGHTS_WEB_SDL_DIR}/lib/libSDL.a")
    message(FATAL_ERROR "No lib/libSDL.a under NOUGHTS_WEB_SDL_DIR (${NOUGHTS_WEB_SDL_DIR}): "
      "scripts/build-web.sh builds it")
  endif()
  add_library(Sdl12::Sdl12 INTERFACE IMPORTED)
  set_target_properties(Sdl12::Sdl12 PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${NOUGHTS_WEB_SDL_DIR}/include/SDL"
    INTERFACE_LINK_LIBRARIES "${NOUGHTS_WEB_SDL_DIR}/lib/libSDL.a")
  return()
endif()
find_package(SDL QUIET)
if(SDL_FOUND AND NOT SDL_VERSION_STRING VERSION_LESS 1.2 AND SDL_VERSION_STRING VERSION_LESS 2.0)
  add_library(Sdl12::Sdl12 INTERFACE IMPORTED)
  set_target_properties(Sdl12::Sdl12 PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${SDL_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES "${SDL_LIBRARY}")
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(SDL12 REQUIRED IMPORTED_TARGET sdl>=1.2)
  add_library(Sdl12::Sdl12 INTERFACE IMPORTED)
  set_target_properties(Sdl12::Sdl12 PROPERTIES INTERFACE_LINK_LIBRARIES PkgConfig::SDL12)
endif()
