# SPDX-License-Identifier: MIT
# cmake -DPAGE_DIR=<web/page> -P CheckWebManifest.cmake
# The web page as a phone installs it: the manifest's names, start, display and colours
# (the page's own background and theme colour), and every icon it and the page name as a
# PNG of the folder at its stated size, with the 192 and 512 a home screen needs, a
# maskable one and the 180 of iOS. Nothing the page asks for lies outside its folder.
include(${CMAKE_CURRENT_LIST_DIR}/ScriptSteps.cmake)
require_definitions(CheckWebManifest.cmake PAGE_DIR)
cmake_policy(SET CMP0057 NEW)  # IN_LIST

file(READ ${PAGE_DIR}/noughts.webmanifest.in manifest)
file(READ ${PAGE_DIR}/index.html page)
file(READ ${PAGE_DIR}/noughts-page.css style)
foreach(key name short_name start_url display background_color theme_color)
  string(JSON ${key} GET "${manifest}" ${key})
endforeach()
string(REGEX MATCH "html, body {[^}]*background: (#[0-9a-f]+)" found "${style}")
set(page_colour "${CMAKE_MATCH_1}")
if(NOT display STREQUAL "standalone" OR NOT background_color STREQUAL page_colour
   OR NOT "${page}" MATCHES "<meta name=\"theme-color\" content=\"${theme_color}\">")
  message(FATAL_ERROR "display ${display}, background ${background_color} (the page's "
    "${page_colour}), theme ${theme_color}: not the page's standalone app")
endif()

string(REGEX MATCHALL "(href|src)=\"[^\"]*\"" asked "${page}")
string(REGEX MATCHALL "\"(src|start_url)\": \"[^\"]*\"" named "${manifest}")
foreach(address IN LISTS asked named)
  if(address MATCHES "\"(/|[a-z]+:|.*\\.\\.)")
    message(FATAL_ERROR "the page asks for ${address}, outside its folder")
  endif()
endforeach()

# icon(<file> <size>): the folder's file is a PNG of size x size pixels.
function(icon file size)
  file(READ ${PAGE_DIR}/${file} head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 32 8 width)
  string(SUBSTRING "${head}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT head MATCHES "^89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${file} is not a ${size}x${size} PNG (${width}x${height})")
  endif()
endfunction()
string(JSON count LENGTH "${manifest}" icons)
set(kinds)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON src GET "${manifest}" icons ${i} src)
  string(JSON sizes GET "${manifest}" icons ${i} sizes)
  string(JSON purpose ERROR_VARIABLE no_purpose GET "${manifest}" icons ${i} purpose)
  if(no_purpose)
    set(purpose any)
  endif()
  string(REGEX REPLACE "x.*" "" size "${sizes}")
  icon(${src} ${size})
  list(APPEND kinds "${size} ${purpose}")
endforeach()
string(REGEX MATCH "rel=\"apple-touch-icon\" href=\"([^\"]+)\"" found "${page}")
icon("${CMAKE_MATCH_1}" 180)
foreach(kind "192 any" "512 any" "512 maskable")
  if(NOT kind IN_LIST kinds)
    message(FATAL_ERROR "no icon of ${kind} in the manifest: ${kinds}")
  endif()
endforeach()

