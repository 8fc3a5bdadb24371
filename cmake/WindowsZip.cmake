# SPDX-License-Identifier: MIT
# The program for Windows and its zip, noughts-<version>-windows-x86_64.zip, in the build
# folder: the program, SDL.dll, the pictures and their terms, the licences and a README for players,
# under one folder of the same name. NOUGHTS_WINDOWS_SDL_DIR is where the cross-built
# SDL was installed, with its licence (scripts/build-windows.sh makes both).
set(NOUGHTS_WINDOWS_SDL_DIR "" CACHE PATH "Install folder of SDL 1.2 cross-built for Windows")
if(NOT EXISTS "${NOUGHTS_WINDOWS_SDL_DIR}/bin/SDL.dll")
  message(FATAL_ERROR "No SDL.dll under NOUGHTS_WINDOWS_SDL_DIR (${NOUGHTS_WINDOWS_SDL_DIR}): "
    "build for Windows with scripts/build-windows.sh")
endif()

# SDL's WinMain calls SDL_main, which lies in the entry library (noughts_entry); that comes
# before libSDLmain on the link line, so the linker must be told to keep SDL_main.
target_link_options(noughts PRIVATE LINKER:--undefined=SDL_main)

set(NOUGHTS_ZIP_NAME noughts-${PROJECT_VERSION}-windows-x86_64)
set(zip_stage ${PROJECT_BINARY_DIR}/zip/${NOUGHTS_ZIP_NAME})
set(zip_file ${PROJECT_BINARY_DIR}/${NOUGHTS_ZIP_NAME}.zip)

# Text files with Windows line ends, so that Notepad shows them right.
set(zip_texts)
foreach(text IN ITEMS
    "${PROJECT_SOURCE_DIR}/LICENSE|LICENSE.txt"
    "${NOUGHTS_WINDOWS_SDL_DIR}/SDL-LICENSE.txt|SDL-LICENSE.txt"
    "${PROJECT_SOURCE_DIR}/assets/README|PICTURES.txt"
    "${PROJECT_SOURCE_DIR}/packaging/windows/README.txt|README.txt")
  string(REPLACE "|" ";" pair "${text}")
  list(GET pair 0 from)
  list(GET pair 1 to)
  configure_file(${from} ${zip_stage}/${to} @ONLY NEWLINE_STYLE CRLF)
  list(APPEND zip_texts ${zip_stage}/${to})
endforeach()

set(zip_members)
foreach(file IN LISTS NOUGHTS_PICTURES ITEMS "${NOUGHTS_WINDOWS_SDL_DIR}/bin/SDL.dll")
  get_filename_component(name ${file} NAME)
  list(APPEND zip_members ${name})
endforeach()
list(APPEND zip_members noughts.exe LICENSE.txt SDL-LICENSE.txt PICTURES.txt README.txt)
list(TRANSFORM zip_members PREPEND ${NOUGHTS_ZIP_NAME}/)

# Packed again on every build: the last commit's time, which dates the entries, is no file
# that the zip could depend on.
add_custom_target(noughts_windows_zip ALL
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:noughts> ${NOUGHTS_PICTURES}
    ${NOUGHTS_WINDOWS_SDL_DIR}/bin/SDL.dll ${zip_stage}
  COMMAND ${CMAKE_COMMAND} -DZIP=${zip_file} "-DMEMBERS=${zip_members}"
    "-DPROGRAMS=${NOUGHTS_ZIP_NAME}/noughts.exe;${NOUGHTS_ZIP_NAME}/SDL.dll"
    -DSTRIP=${CMAKE_STRIP} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
    -DRELEASE_DATE=${NOUGHTS_RELEASE_DATE} -P ${PROJECT_SOURCE_DIR}/cmake/PackWindowsZip.cmake
  BYPRODUCTS ${zip_file}
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/zip
  DEPENDS noughts ${NOUGHTS_PICTURES} ${zip_texts}
  VERBATIM)
