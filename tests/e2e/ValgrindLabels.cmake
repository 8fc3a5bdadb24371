# SPDX-License-Identifier: MIT
# Read by ctest after the discovered tests: gives the valgrind session its second label.
# gtest_discover_tests cannot pass a list in its PROPERTIES; it splits it into words.
foreach(test IN LISTS NOUGHTS_VALGRIND_TESTS)
  set_tests_properties("${test}" PROPERTIES LABELS "e2e;valgrind")
endforeach()
