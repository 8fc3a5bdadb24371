#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The game for 64-bit ARM (a Raspberry Pi's Debian), on Debian 12: installs what is
# missing, unpacks the arm64 libraries into build-arm64/sysroot (the machine's packages
# stay as they are), cross-builds build-arm64/ with cmake/aarch64-linux-gnu.cmake, runs every
# test there under qemu's user-mode emulation, the installation tests building and
# checking the arm64 package among them; then leaves that package in build-arm64/.
# ctest starts each test program through qemu itself; the game that the real-window tests
# start is handed to qemu by the kernel (binfmt_misc), registered for this run only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-arm64
source "$root/scripts/packages.sh"
source "$root/scripts/list-skips.sh"

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"$root/scripts/install-packages.sh" "${ARM64_PACKAGES[@]}"

# The arm64 libraries, unpacked (no maintainer script runs) from this system's own package
# sources and release, made again only when the list changes.
tree=$build/sysroot
if [ "$(cat "$tree.packages" 2>/dev/null)" != "${ARM64_TREE_PACKAGES[*]}" ]; then
  echo "=== the arm64 libraries, into $tree ==="
  rm -rf "$tree" "$tree.packages"
  mkdir -p "$build"
  release=$(. /etc/os-release && echo "$VERSION_CODENAME")
  sources=()
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    if [ -e "$file" ]; then sources+=("$file"); fi
  done
  mmdebstrap --quiet --variant=extract --arch=arm64 --skip=cleanup/apt/cache \
    --include="$(IFS=,; echo "${ARM64_TREE_PACKAGES[*]}")" "$release" "$tree" "${sources[@]}"
  # Unpacked, the libraries are in no dpkg database: their packages' shlibs and symbols
  # files go where dpkg-shlibdeps -S reads them when it builds the arm64 package.
  mkdir "$tree/DEBIAN"
  for part in shlibs symbols; do
    for deb in "$tree"/var/cache/apt/archives/*.deb; do
      dpkg-deb --info "$deb" "$part" 2>/dev/null || true
    done >"$tree/DEBIAN/$part"
  done
  rm -f "$tree"/var/cache/apt/archives/*.deb
  echo "${ARM64_TREE_PACKAGES[*]}" >"$tree.packages"
fi

echo "=== build-arm64 ==="
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/aarch64-linux-gnu.cmake" \
  -DNOUGHTS_SANITIZE=OFF -DNOUGHTS_BUILD_TESTS=ON -DNOUGHTS_BUILD_BENCHMARKS=OFF \
  -DNOUGHTS_E2E_WINDOWS_ZIP=
cmake --build "$build" -j"$(nproc)"

# binfmt_misc as it was found: mounted or not, and without our entry, even on failure.
binfmt=/proc/sys/fs/binfmt_misc
entry=$binfmt/noughts-arm64
mounted_here=false
remove_entry() { [ ! -e "$entry" ] || echo -1 | "${as_root[@]}" tee "$entry" >/dev/null; }
restore_binfmt() {
  remove_entry
  ! $mounted_here || "${as_root[@]}" umount "$binfmt"
}
trap restore_binfmt EXIT
if ! mountpoint -q "$binfmt"; then
  "${as_root[@]}" mount -t binfmt_misc binfmt_misc "$binfmt"
  mounted_here=true
fi
remove_entry # one left by a run that was killed
# Debian's own entry for qemu-aarch64 under our name. Its flags: P passes the game its
# own argv[0], F opens qemu now, so that the entry works wherever the game runs.
sed "s/^:qemu-aarch64:/:$(basename "$entry"):/" /usr/lib/binfmt.d/qemu-aarch64.conf |
  "${as_root[@]}" tee "$binfmt/register" >/dev/null

echo "=== build-arm64 under qemu ==="
status=0
SDL_AUDIODRIVER=dummy ctest --test-dir "$build" --output-on-failure -j"$(nproc)" |
  tee "$build/ctest-on-arm64.log" || status=$?
list_skips "$build" "on arm64" | tee "$build/skipped-on-arm64.txt"
echo "arm64: $(grep -E 'tests passed' "$build/ctest-on-arm64.log" || echo 'no result')" \
  "($(wc -l <"$build/skipped-on-arm64.txt") skipped)"
if [ "$status" -ne 0 ]; then
  echo "FAILED on arm64: see the tests listed above" >&2
  exit "$status"
fi

# The package the tests have checked, built once more where players find it.
cmake --build "$build" --target package
