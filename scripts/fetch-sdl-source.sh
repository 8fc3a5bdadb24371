#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fetches SDL 1.2's source, Debian's source package libsdl1.2, into the folder given
# (made if missing) and prints the unpacked tree's path. apt works there from a private
# state: a deb-src list copied from the system's own package sources, and its own
# package lists and cache, so the system's apt state is never touched.
set -euo pipefail
dest=$1
state=$dest/apt
mkdir -p "$state/sources.list.d" "$state/lists/partial" "$state/cache/archives/partial"
: >"$state/sources.list"

# The system's archive lines, as source lines: the one-line format and deb822 stanzas.
# Only the Debian archive itself is wanted; other repositories are left out.
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$list" ] && sed -n 's/^deb \(.*\/debian\/\{0,1\} .*\)$/deb-src \1/p' "$list"
done >"$state/sources.list.d/debian-src.list"
for sources in /etc/apt/sources.list.d/*.sources; do
  [ -f "$sources" ] && awk '
    BEGIN { RS = ""; ORS = "\n\n" }
    /(^|\n)URIs:[^\n]*\/debian\/?([ \n]|$)/ { sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }
  ' "$sources"
done >"$state/sources.list.d/debian-src.sources"

if [ ! -s "$state/sources.list.d/debian-src.list" ] && [ ! -s "$state/sources.list.d/debian-src.sources" ]; then
  echo "No Debian archive among the system's package sources in /etc/apt: nowhere to fetch SDL's source from" >&2
  exit 1
fi

apt_options=(
  -o Dir::Etc::sourcelist="$state/sources.list"
  -o Dir::Etc::sourceparts="$state/sources.list.d"
  -o Dir::State::Lists="$state/lists"
  -o Dir::Cache="$state/cache"
  # The private folders belong to whoever runs this; apt's download user could not write there.
  -o APT::Sandbox::User="$(id -un)"
)
apt-get "${apt_options[@]}" update >&2
cd "$dest"
apt-get "${apt_options[@]}" source --only-source libsdl1.2 >&2
ls -d "$dest"/libsdl1.2-*/ | head -n 1
