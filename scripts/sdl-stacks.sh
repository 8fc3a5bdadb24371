# SPDX-License-Identifier: MIT
# The SDL 1.2 stacks of this machine's Debian release, and a run of a build's tests on one
# of them; sourced by test.sh after packages.sh. One build serves every stack: the game
# links libSDL-1.2.so.0, and LD_LIBRARY_PATH decides which file that is and what it loads.

multiarch=$(gcc -print-multiarch)

# The private folder in which a package keeps a library that would hide the system's.
private_folder_of() {
  local package=$1 library=$2
  dirname "$(dpkg -L "$package" | grep "/$library\$" | head -n 1)"
}

# Each stack: its name, the folder put first in LD_LIBRARY_PATH (empty: the system's
# libraries) and the lowest SDL that must then be loaded; the classic library loads none
# below itself, sdl12-compat SDL 2, sdl2-compat SDL 3.
case $DEBIAN_RELEASE in
  bookworm)
    SDL_STACKS=("classic-sdl1.2||libSDL-1.2"
      "sdl12-compat-over-sdl2|$(private_folder_of libsdl1.2-compat libSDL-1.2.so.0)|libSDL2-2.0")
    ;;
  *)
    SDL_STACKS=("sdl12-compat-over-sdl2||libSDL2-2.0"
      "sdl12-compat-over-sdl3|$(private_folder_of libsdl2-compat libSDL2-2.0.so.0)|libSDL3")
    ;;
esac
# Every test can run on the classic library, so none may skip there.
NO_SKIP_STACK=classic-sdl1.2

# Prints each SDL library that build's probe loads with folder first, as "file (package
# version)", and fails unless the lowest of them is the one wanted.
describe_stack() {
  local build=$1 folder=$2 wanted=$3
  local libraries
  libraries=$(LD_LIBRARY_PATH=$folder${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH} \
    SDL_VIDEODRIVER=dummy "$build/tests/noughts_sdl_stack") || return 1
  local library package
  for library in $libraries; do
    package=$(dpkg -S "$library" 2>/dev/null | cut -d: -f1,2) || package=""
    if [ -n "$package" ]; then
      echo "  $library ($package $(dpkg-query -W -f='${Version}' "$package"))"
    else
      echo "  $library (from no package)"
    fi
  done
  local lowest
  lowest=$(grep -oE 'libSDL(3|2-2\.0|-1\.2)' <<<"$libraries" | LC_ALL=C sort | tail -n 1)
  # sort puts libSDL-1.2 before libSDL2-2.0 before libSDL3: the last is the lowest layer.
  [ "$lowest" = "$wanted" ]
}

# Runs build's tests (all but the Windows program's) on one stack, named as in
# SDL_STACKS. Says which libraries the game really loads, and where and why tests were
# skipped; every line of a failure names the stack.
run_suite_on_stack() {
  local build=$1 stack=$2
  local name folder wanted
  IFS='|' read -r name folder wanted <<<"$stack"
  echo "=== $(basename "$build") on $name, Debian $DEBIAN_RELEASE ==="
  echo "the game loads:"
  if ! describe_stack "$build" "$folder" "$wanted"; then
    echo "FAILED on $name: the game does not load $wanted there" >&2
    return 1
  fi
  local status=0
  LD_LIBRARY_PATH=$folder${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH} run_suite "$build" |
    tee "$build/ctest-on-$name.log" || status=$?
  list_skips "$build" "on $name" | tee "$build/skipped-on-$name.txt"
  if [ "$name" = "$NO_SKIP_STACK" ] && [ -s "$build/skipped-on-$name.txt" ]; then
    echo "FAILED on $name: tests skipped where every test must run" >&2
    status=1
  fi
  [ "$status" -eq 0 ] || echo "FAILED on $name (Debian $DEBIAN_RELEASE): see the tests listed above" >&2
  return "$status"
}
