#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the game for web browsers into build-web/site/, one folder of static files: the
# page, the program (noughts.js, noughts.wasm) and the seven pictures. SDL 1.2 is built
# for the browser from Debian's own source package (web/sdl12/), once, into
# build-web/sdl/; then the game from its usual sources with Emscripten's CMake toolchain.
# Safe to run again: it rebuilds only what changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
"$root/scripts/install-packages.sh" "${WEB_PACKAGES[@]}"

out=$root/build-web
sdl=$out/sdl
# Emscripten's JavaScript tools need Debian's acorn, which a node of another vendor does
# not look for where Debian keeps it.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Emscripten builds its C and C++ libraries on first use into its cache; a user who may
# not write the system's gets one in the build folder.
if [ ! -w "$(dirname "$(command -v emcc)")/../share/emscripten/cache" ] && [ -z "${EM_CACHE:-}" ]; then
  export EM_CACHE=$out/emscripten-cache
fi

# Everything SDL's build must be redone for; a change here rebuilds it. sed reads emcc's
# whole answer: head would close the pipe early, and emcc's failed write end the script.
sdl_stamp="$(cat "$root"/web/sdl12/* | sha256sum | cut -c1-16) $(emcc --version | sed -n 1p)"
if [ ! -f "$sdl/built" ] || [ "$(cat "$sdl/built")" != "$sdl_stamp" ]; then
  rm -rf "$out/sdl-source" "$out/sdl-build" "$sdl"
  source_dir=$(bash "$root/scripts/fetch-sdl-source.sh" "$out/sdl-source")
  echo "Building SDL 1.2 for the browser from $(basename "$source_dir") (log: $out/sdl-build/build.log)"
  mkdir -p "$out/sdl-build"
  log=$out/sdl-build/build.log
  if ! (emcmake cmake -S "$root/web/sdl12" -B "$out/sdl-build" -DCMAKE_BUILD_TYPE=Release \
    -DSDL_SOURCE_DIR="$source_dir" -DCMAKE_INSTALL_PREFIX="$sdl" &&
    cmake --build "$out/sdl-build" -j"$(nproc)" && cmake --install "$out/sdl-build") >"$log" 2>&1; then
    tail -n 40 "$log"
    exit 1
  fi
  echo "$sdl_stamp" >"$sdl/built"
fi

# Release: the browser downloads the program, so no debug information goes in it.
if [ ! -f "$out/game/CMakeCache.txt" ]; then
  emcmake cmake -S "$root" -B "$out/game" -DCMAKE_BUILD_TYPE=Release \
    -DNOUGHTS_WEB_SDL_DIR="$sdl" -DNOUGHTS_WEB_SITE_DIR="$out/site" \
    -DNOUGHTS_BUILD_TESTS=OFF -DNOUGHTS_BUILD_BENCHMARKS=OFF -DNOUGHTS_SANITIZE=OFF
fi
cmake --build "$out/game" -j"$(nproc)"
echo "The web build is in $out/site/"
