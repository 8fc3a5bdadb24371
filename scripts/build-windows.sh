#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows zip, build-windows/noughts-<version>-windows-x86_64.zip, on Debian:
# SDL 1.2 cross-built with mingw-w64 from Debian's own source package, then the game
# against it with cmake/mingw-w64-x86_64.cmake. SDL is built once and kept in
# build-windows/sdl/; later runs only rebuild what changed in the game.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-packages.sh" "${WINDOWS_PACKAGES[@]}"

out=$root/build-windows
sdl=$out/sdl
# Everything SDL's build must be redone for; a change here rebuilds it.
sdl_options=(--host=x86_64-w64-mingw32 --disable-static --disable-rpath
  # The game is a console program and its standard output and error stay wherever its
  # starter put them; SDL's default would send them to files beside the .exe.
  --disable-stdio-redirect
  # No link time in SDL.dll's export table, so that the zip is the same on every build.
  LDFLAGS=-Wl,--no-insert-timestamp)
# Nor the build folder in its assertions; the stamp names the folder without its path.
sdl_cflags="-g -O2 -ffile-prefix-map=$out=."
sdl_stamp="configure ${sdl_options[*]} CFLAGS=${sdl_cflags/$out/build-windows}"

if [ ! -f "$sdl/built" ] || [ "$(cat "$sdl/built")" != "$sdl_stamp" ]; then
  rm -rf "$out/sdl-source" "$out/sdl-build" "$sdl"
  mkdir -p "$out/sdl-build"
  source_dir=$(bash "$root/scripts/fetch-sdl-source.sh" "$out/sdl-source")
  source_version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
  echo "Cross-building SDL 1.2 from $(basename "$source_dir") (log: $out/sdl-build/build.log)"
  log=$out/sdl-build/build.log
  # SDL's own warnings stay in the log; it is shown when the build fails.
  if ! (cd "$out/sdl-build" && "$source_dir/configure" --prefix="$sdl" "${sdl_options[@]}" \
    CFLAGS="$sdl_cflags" CC=x86_64-w64-mingw32-gcc-win32 && make -j"$(nproc)" && make install) >"$log" 2>&1; then
    tail -n 40 "$log"
    exit 1
  fi
  # SDL's licence travels with SDL.dll, with where its source can be had.
  {
    echo "SDL.dll is the Simple DirectMedia Layer 1.2.15, built unchanged from Debian's"
    echo "source package libsdl1.2, version $source_version (\"apt-get source libsdl1.2\" on"
    echo "Debian 12, or from Debian's archive and its snapshot service), configured with:"
    echo "  $sdl_stamp"
    echo "It is free software under the GNU Lesser General Public License, version 2.1 or"
    echo "later, which follows; after it, the copyright holders of each part as the source"
    echo "package records them."
    echo
    cat "$source_dir/COPYING"
    echo
    cat "$source_dir/debian/copyright"
  } >"$sdl/SDL-LICENSE.txt"
  echo "$sdl_stamp" >"$sdl/built"
fi

cmake -S "$root" -B "$out" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DNOUGHTS_WINDOWS_SDL_DIR="$sdl" \
  -DNOUGHTS_BUILD_TESTS=OFF -DNOUGHTS_BUILD_BENCHMARKS=OFF -DNOUGHTS_SANITIZE=OFF
cmake --build "$out" -j"$(nproc)"
ls "$out"/noughts-*-windows-x86_64.zip
