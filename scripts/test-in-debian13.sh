#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the test command (scripts/test.sh) on Debian 13 from a Debian 12 (or 13) machine: makes
# a fresh Debian 13 root with debootstrap from the Debian archive the machine's own apt uses,
# clones this repository's committed HEAD into it, as a person who cloned it would have it,
# and runs the command there as root with nothing kept from an earlier run. Removes the root
# afterwards, once nothing is mounted in it any more. Needs root (debootstrap, chroot).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/scripts/install-packages.sh" debootstrap

# The first archive line of the system's sources that is Debian itself (not its security
# archive or another repository), in the one-line format or in a deb822 stanza.
mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
  2>/dev/null | grep -v '^[[:space:]]*#' | grep -oE '[a-z+]+://[^[:space:]]*/debian/?([[:space:]]|$)' |
  head -n 1 | tr -d '[:space:]') || true
if [ -z "$mirror" ]; then
  echo "FAILED on Debian 13: no Debian archive among the system's package sources in /etc/apt" >&2
  exit 1
fi

target=$(mktemp -d /var/tmp/noughts-debian13.XXXXXX)
mounts=(proc sys dev dev/pts dev/shm)

# The processes whose root is the Debian 13 root, one a line.
processes_in_root() {
  local proc
  for proc in /proc/[0-9]*; do
    if [ "$(readlink "$proc/root" 2>/dev/null)" = "$target" ]; then echo "${proc#/proc/}"; fi
  done
}

# Stops what the run left running in the root (Wine's server stays half a minute after
# its last program), which would keep its mounts busy; unmounts them, last first; deletes
# the root only if nothing is left mounted in it, since rm -rf through a live bind mount
# would delete the host's files.
remove_root() {
  local status=$? point pids
  for ((i = 0; i < 50; i++)); do
    mapfile -t pids < <(processes_in_root)
    [ ${#pids[@]} -gt 0 ] || break
    kill -KILL "${pids[@]}" 2>/dev/null || true
    sleep 0.1
  done
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    point=$target/${mounts[i]}
    if mountpoint -q "$point"; then umount "$point" || umount -l "$point"; fi
  done
  if grep -q " $target/" /proc/mounts; then
    echo "Still mounted in $target: not removed" >&2
  else
    rm -rf --one-file-system "$target"
  fi
  [ "$status" -eq 0 ] || echo "FAILED on Debian 13: the run in the Debian 13 root failed" >&2
  exit "$status"
}
trap remove_root EXIT

echo "=== a fresh Debian 13 root in $target, from $mirror ==="
debootstrap --variant=minbase --include=git,ca-certificates trixie "$target" "$mirror" \
  >"$target.debootstrap.log" 2>&1 || { cat "$target.debootstrap.log" >&2; exit 1; }
rm -f "$target.debootstrap.log"
# mktemp made the folder private; apt's download user must reach its lists inside.
chmod 755 "$target"
# The root is thrown away after the run: dpkg need not wait for each file to reach the disk.
echo force-unsafe-io >"$target/etc/dpkg/dpkg.cfg.d/throwaway-root"
for point in "${mounts[@]}"; do
  mount --bind "/$point" "$target/$point"
done

git clone --quiet "$repo" "$target/root/noughts"
# A clean environment, as a login on that machine would give, with no display.
chroot "$target" /usr/bin/env -i HOME=/root LANG=C.UTF-8 CI="${CI:-}" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash -c 'cd /root/noughts && bash scripts/test.sh' </dev/null
