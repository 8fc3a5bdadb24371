# SPDX-License-Identifier: MIT
# The real-window tests a second time, on a headless Wayland compositor (sway) instead of
# Xvfb: the same test program, told by NOUGHTS_E2E_WINDOW_SYSTEM to drive the game through
# SwaySession. Built where wayland-client, xkbcommon, wayland-scanner and the protocols'
# descriptions are (Debian 13: see WAYLAND_PACKAGES in scripts/packages.sh); ctest -L wayland
# runs them. Included from the folder of noughts_e2e_tests, which gtest_discover_tests needs.
set(NOUGHTS_E2E_WAYLAND AUTO CACHE STRING
  "Build the Wayland driver of the real-window tests: ON, OFF, or AUTO (where its packages are)")
# Debian ships the virtual-input protocols' XML only inside the Rust crates that carry them.
set(NOUGHTS_WAYLAND_PROTOCOLS_DIR /usr/share/cargo/registry CACHE PATH
  "A folder below which virtual-keyboard-unstable-v1.xml and wlr-virtual-pointer-unstable-v1.xml lie")

if(NOUGHTS_E2E_WAYLAND STREQUAL "OFF")
  return()
endif()
find_package(PkgConfig)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(WAYLAND_CLIENT_LIBS IMPORTED_TARGET wayland-client xkbcommon)
endif()
find_program(WAYLAND_SCANNER_PROGRAM wayland-scanner)
set(protocols)
foreach(name virtual-keyboard-unstable-v1 wlr-virtual-pointer-unstable-v1)
  file(GLOB_RECURSE match ${NOUGHTS_WAYLAND_PROTOCOLS_DIR}/${name}.xml)
  if(match)
    list(GET match 0 first)
    list(APPEND protocols ${first})
  endif()
endforeach()
list(LENGTH protocols found)
if(NOT WAYLAND_CLIENT_LIBS_FOUND OR NOT WAYLAND_SCANNER_PROGRAM OR NOT found EQUAL 2)
  if(NOUGHTS_E2E_WAYLAND STREQUAL "ON")
    message(FATAL_ERROR "The Wayland driver needs wayland-client, xkbcommon, wayland-scanner and "
      "the two protocols' XML (Debian 13: scripts/packages.sh, WAYLAND_PACKAGES)")
  endif()
  message(STATUS "Real-window tests on Wayland: off (their packages are missing)")
  return()
endif()
message(STATUS "Real-window tests on Wayland: on (${protocols})")

# Each protocol's client header and glue code, made by wayland-scanner; the code is C.
enable_language(C)
set(generated_dir ${CMAKE_CURRENT_BINARY_DIR}/wayland-protocols)
set(generated)
foreach(xml IN LISTS protocols)
  get_filename_component(name ${xml} NAME_WE)
  add_custom_command(OUTPUT ${generated_dir}/${name}-client-protocol.h ${generated_dir}/${name}-protocol.c
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated_dir}
    COMMAND ${WAYLAND_SCANNER_PROGRAM} client-header ${xml} ${generated_dir}/${name}-client-protocol.h
    COMMAND ${WAYLAND_SCANNER_PROGRAM} private-code ${xml} ${generated_dir}/${name}-protocol.c
    DEPENDS ${xml} VERBATIM)
  list(APPEND generated ${generated_dir}/${name}-client-protocol.h ${generated_dir}/${name}-protocol.c)
endforeach()

target_sources(noughts_e2e_support PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/wayland/SwaySession.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/wayland/SwayWindow.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/wayland/VirtualInput.cpp
  ${generated})
target_include_directories(noughts_e2e_support PRIVATE ${generated_dir})
target_link_libraries(noughts_e2e_support PUBLIC PkgConfig::WAYLAND_CLIENT_LIBS)
target_compile_definitions(noughts_e2e_support PRIVATE NOUGHTS_E2E_WAYLAND)

# Every real-window test but the valgrind session, whose suppressions know X11 and SDL 2
# only; serial, as on X.
gtest_discover_tests(noughts_e2e_tests
  TEST_PREFIX wayland.
  TEST_FILTER "-ValgrindSessionTest.*"
  TEST_LIST NOUGHTS_WAYLAND_TESTS
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  DISCOVERY_TIMEOUT 30
  PROPERTIES LABELS wayland TIMEOUT 180 RUN_SERIAL TRUE
  ENVIRONMENT NOUGHTS_E2E_WINDOW_SYSTEM=wayland)
