# SPDX-License-Identifier: MIT
# Sourced by the test scripts.

# Lists each test the last ctest run in build skipped, as "skipped <where>: <test>: <reason>".
# gtest prints the reason on the line after "Skipped"; each test ran in a process of its own.
list_skips() {
  awk -v where="$2" '/^\[ RUN      \] / { test = $4 }
    /: Skipped$/ { getline reason; print "skipped " where ": " test ": " reason }' \
    "$1/Testing/Temporary/LastTest.log"
}

# Runs the tests of one label in build, one at a time (each starts a display server or a
# browser of its own), and lists what they skipped; fails if the build has no such tests,
# which must not pass unseen, or if one of them fails. name says where they ran
# ("Wayland", "Browser"), log the name of the logs in build.
#   run_label BUILD LABEL NAME LOG "WHERE" "HOW TO GET THEM"
run_label() {
  local build=$1 label=$2 name=$3 log=$4 where=$5 remedy=$6 status=0
  if ! ctest --test-dir "$build" -N -L "$label" | grep -q 'Total Tests: [1-9]'; then
    echo "FAILED $where: $build has no $label tests ($remedy)" >&2
    return 1
  fi
  ctest --test-dir "$build" --output-on-failure -L "$label" | tee "$build/ctest-$log.log" ||
    status=$?
  list_skips "$build" "$where" | tee "$build/skipped-$log.txt"
  echo "$name: $(grep -E 'tests passed' "$build/ctest-$log.log" || echo 'no result')" \
    "($(wc -l < "$build/skipped-$log.txt") skipped)"
  [ "$status" -eq 0 ] || echo "FAILED $where: see the tests listed above" >&2
  return "$status"
}
