# SPDX-License-Identifier: MIT
# The real-window tests again, against the web game of the folder NOUGHTS_E2E_WEB_SITE names
# (scripts/build-web.sh), in three browser engines, each headless: Chromium (web.*), Firefox
# (web.firefox.*) and WebKitGTK (web.webkit.*). The same test program, told by
# NOUGHTS_E2E_WINDOW_SYSTEM to drive the page through WebBrowser, is started through the
# launcher that serves the page and runs the browser NOUGHTS_E2E_BROWSER names. ctest -L web
# runs them all, -L chromium, -L firefox or -L webkit one engine's. Included from the folder
# of noughts_e2e_tests, which gtest_discover_tests needs.
# The launcher runs on the node its first line finds; it and the browsers are found here so
# that a missing one fails the configuration rather than every test.
find_program(NOUGHTS_NODE node REQUIRED)
find_program(NOUGHTS_CHROMIUM chromium PATHS /usr/lib/chromium NO_DEFAULT_PATH REQUIRED)
find_program(NOUGHTS_FIREFOX firefox-esr REQUIRED)
find_program(NOUGHTS_WEBKIT_DRIVER WebKitWebDriver REQUIRED)
find_program(NOUGHTS_XVFB Xvfb REQUIRED)
set(launcher ${CMAKE_CURRENT_SOURCE_DIR}/web/browser-launcher.js)
set(page ${NOUGHTS_E2E_WEB_SITE}/index.html)
set(NOUGHTS_WEB_ENVIRONMENT NOUGHTS_E2E_WINDOW_SYSTEM=web NOUGHTS_E2E_GAME=${page}
  NOUGHTS_E2E_LAUNCHER=${launcher} NOUGHTS_E2E_CHROMIUM=${NOUGHTS_CHROMIUM}
  NOUGHTS_E2E_FIREFOX=${NOUGHTS_FIREFOX})
set(NOUGHTS_WEB_ENGINES chromium firefox webkit)

# Every real-window test, with the mouse, in a window where the canvas shows at its own size.
# Serial: each test starts a browser, and the machine's cores are few. Of the matrix of
# broken pictures, the page's part is fetching each file by its name into the game's folder,
# whatever it holds; the loader that reads it is the desktop's SDL. So every picture runs
# missing, every damage runs on a screen's picture (intro) and a cell's (NULL), and every
# size and depth of the cell picture runs; the other pictures' damaged rows would repeat
# those and cost a browser each.
set(repeated_rows)
foreach(picture menu item win1 win2 DRAW)
  foreach(damage empty truncated garbage directory huge_header)
    list(APPEND repeated_rows "Pictures/BadPictureMatrixTest.*/${picture}_${damage}")
  endforeach()
endforeach()
list(JOIN repeated_rows ":" repeated_rows)
# Firefox and WebKitGTK run the matrix's rows of the title picture only: one for each answer
# the page's fetch can get (a 404, an empty, a short or a garbled file, a folder's redirect,
# a huge header). What the other rows vary, the picture and the cell picture's size and
# depth, is read and drawn by the same SDL in the same WebAssembly in every engine, and
# Chromium runs them all.
set(title_rows_only)
foreach(picture menu item NULL win1 win2 DRAW)
  list(APPEND title_rows_only "Pictures/BadPictureMatrixTest.*/${picture}_*")
endforeach()
list(JOIN title_rows_only ":" title_rows_only)
# What only the page has: its buttons, its scaling, its end-of-game notice and its service
# worker's update; with the mouse and with taps, at each case's screen, and offline.
add_executable(noughts_web_tests ${CMAKE_CURRENT_SOURCE_DIR}/web/WebPageTest.cpp)
target_link_libraries(noughts_web_tests PRIVATE noughts_e2e_support)
# A test makes a new build of the folder with the build's own step for its service worker.
target_compile_definitions(noughts_web_tests PRIVATE NOUGHTS_CMAKE_COMMAND="${CMAKE_COMMAND}"
  NOUGHTS_WEB_PAGE_SOURCE="${PROJECT_SOURCE_DIR}/web/page")
foreach(engine IN LISTS NOUGHTS_WEB_ENGINES)
  set(prefix web.${engine}.)
  set(rows_left_out ${title_rows_only})
  # The phone held sideways is a layout of the page, which Chromium checks; the other
  # engines' phone (where they have one) is the upright one.
  set(cases touch large offline)
  if(engine STREQUAL "chromium")
    set(prefix web.)
    set(rows_left_out ${repeated_rows})
    set(cases touch landscape large offline)
  endif()
  gtest_discover_tests(noughts_e2e_tests
    TEST_PREFIX ${prefix}
    TEST_FILTER "-${rows_left_out}"
    TEST_LIST NOUGHTS_WEB_${engine}_plain_TESTS
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    DISCOVERY_TIMEOUT 30
    PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)
  # The driver's other cases, on the tests that click most: taps on a phone held upright,
  # whose canvas is scaled to whole device pixels below its CSS pixels, and held sideways,
  # with the keys beside the picture; the mouse on a large screen, where the canvas shows
  # three times its size; and offline, the page opened again from what its service worker
  # kept at a first visit, with the server stopped: every picture of a whole game, and in
  # the page's own tests the restart after the game's end. An engine that cannot give a
  # case skips its tests, saying why.
  foreach(name IN LISTS cases)
    gtest_discover_tests(noughts_e2e_tests
      TEST_PREFIX ${prefix}${name}.
      TEST_FILTER "*/WholeGameTest.*"
      TEST_LIST NOUGHTS_WEB_${engine}_${name}_TESTS
      WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
      DISCOVERY_TIMEOUT 30
      PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)
  endforeach()
  foreach(name IN ITEMS plain LISTS cases)
    gtest_discover_tests(noughts_web_tests
      TEST_PREFIX ${prefix}${name}.
      TEST_LIST NOUGHTS_WEB_PAGE_${engine}_${name}_TESTS
      WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
      DISCOVERY_TIMEOUT 30
      PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
  endforeach()
endforeach()
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/web/WebTestProperties.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/WebTestProperties.cmake @ONLY)
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES
  ${CMAKE_CURRENT_BINARY_DIR}/WebTestProperties.cmake)
