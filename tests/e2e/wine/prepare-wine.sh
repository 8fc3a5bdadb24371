#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Unpacks the Windows zip into FOLDER/game and makes a fresh Wine prefix, FOLDER/prefix,
# for the real-window tests of this run: a new prefix has no DLL but Wine's own, so the
# game running there shows that the zip holds all it needs. Wine's server stays up
# between the tests (a start then takes half a second rather than two) and leaves by
# itself half a minute after the last one.
set -euo pipefail
zip=$1 folder=$2 wineserver=$3 wine64=$4
rm -rf "$folder/game" "$folder/prefix"
mkdir -p "$folder/game"
(cd "$folder/game" && cmake -E tar xf "$zip")
export WINEPREFIX=$folder/prefix
# Wine's servers keep no descriptor of ctest's, which would otherwise wait for them.
"$wine64" wineboot --init </dev/null >"$folder/wineboot.log" 2>&1
"$wineserver" -w
"$wineserver" -p30 </dev/null >/dev/null 2>&1
ls "$folder"/game/*/noughts.exe
