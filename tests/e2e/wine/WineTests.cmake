# SPDX-License-Identifier: MIT
# The real-window tests again, against the Windows program of the zip that
# NOUGHTS_E2E_WINDOWS_ZIP names, run by Debian's Wine in one fresh prefix for the run.
# Included from the folder of noughts_e2e_tests, which gtest_discover_tests needs.
find_program(NOUGHTS_WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
find_program(NOUGHTS_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine REQUIRED)
set(NOUGHTS_WINE_DIR ${CMAKE_CURRENT_BINARY_DIR}/wine)
get_filename_component(zip_folder ${NOUGHTS_E2E_WINDOWS_ZIP} NAME_WLE)
set(NOUGHTS_WINE_GAME ${NOUGHTS_WINE_DIR}/game/${zip_folder}/noughts.exe)
# No Mono or Gecko installer prompts in a new prefix, and none of Wine's debug chatter.
set(NOUGHTS_WINE_ENVIRONMENT WINEPREFIX=${NOUGHTS_WINE_DIR}/prefix WINEDEBUG=-all
  "WINEDLLOVERRIDES=mscoree,mshtml=")

add_test(NAME wine.Prepare COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/wine/prepare-wine.sh
  ${NOUGHTS_E2E_WINDOWS_ZIP} ${NOUGHTS_WINE_DIR} ${NOUGHTS_WINESERVER} ${NOUGHTS_WINE64})
set_tests_properties(wine.Prepare PROPERTIES LABELS "e2e;wine" FIXTURES_SETUP wine
  TIMEOUT 120 ENVIRONMENT "${NOUGHTS_WINE_ENVIRONMENT}")

# What Wine can show as on Linux: the start-up, the screens, quitting, whole games and
# the missing pictures; the tests that cannot work there say why they skip. One at a
# time: half a second after a Windows program has ended, Wine's server kills its Linux
# process if that is still there, and a clean exit would then read as signal 9.
gtest_discover_tests(noughts_e2e_tests
  TEST_PREFIX wine.
  TEST_FILTER "ProgramStartTest.*:ScreenFlowTest.*:MissingPictureTest.*:*/WholeGameTest.*:*BadPictureMatrixTest.*/*_missing:ValgrindSessionTest.*"
  TEST_LIST NOUGHTS_WINE_TESTS
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  DISCOVERY_TIMEOUT 30
  PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/wine/WineTestProperties.cmake.in
  ${NOUGHTS_WINE_DIR}/WineTestProperties.cmake @ONLY)
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${NOUGHTS_WINE_DIR}/WineTestProperties.cmake)
