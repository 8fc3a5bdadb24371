#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fetches SDL 1.2's source, Debian 12's source package libsdl1.2, into the folder given
# (made if missing) and prints the unpacked tree's path. apt works there from a private
# state: deb-src lines for Debian 12 at the archive the system's own package sources name,
# and its own package lists and cache, so the system's apt state is never touched. apt
# checks Debian 12's release file against the system's archive keys, as for any suite.
set -euo pipefail
dest=$1
# Debian 12 is the last release whose libsdl1.2 is the classic SDL 1.2.15; from Debian 13
# on, SDL 1.2 is sdl12-compat, which needs SDL 2 and so cannot be the zip's SDL.dll.
suite=bookworm
state=$dest/apt
mkdir -p "$state/sources.list.d" "$state/lists/partial" "$state/cache/archives/partial"
: >"$state/sources.list"

# The system's archive lines, as source lines of $suite: the one-line format and deb822
# stanzas. Only the Debian archive itself is wanted; other repositories are left out, and
# the system's suites (the release, its updates) all become $suite, listed once.
# "deb [options] URI suite components": the options and URI kept, the suite replaced.
to_source="s/^deb \(\(\[[^]]*\] \)\{0,1\}[^ ]*\/debian\/\{0,1\}\) [^ ]* /deb-src \1 $suite /p"
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ ! -f "$list" ] || sed -n "$to_source" "$list"
done | sort -u >"$state/sources.list.d/debian-src.list"
for sources in /etc/apt/sources.list.d/*.sources; do
  [ -f "$sources" ] && awk -v suite="$suite" '
    BEGIN { RS = ""; ORS = "\n\n" }
    /(^|\n)URIs:[^\n]*\/debian\/?([ \n]|$)/ {
      sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/(^|\n)Suites:[^\n]*/, "\nSuites: " suite)
      sub(/^\n/, ""); print
    }
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
