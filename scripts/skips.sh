# SPDX-License-Identifier: MIT
# Sourced by test.sh and test-arm64.sh.

# Lists each test the last ctest run in build skipped, as "skipped <where>: <test>: <reason>".
# gtest prints the reason on the line after "Skipped"; each test ran in a process of its own.
list_skips() {
  awk -v where="$2" '/^\[ RUN      \] / { test = $4 }
    /: Skipped$/ { getline reason; print "skipped " where ": " test ": " reason }' \
    "$1/Testing/Temporary/LastTest.log"
}
