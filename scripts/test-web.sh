#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the web folder (build-web.sh) and runs the real-window tests of a build folder
# against its page in three headless browser engines, one after the other: Chromium,
# Firefox and WebKitGTK. Each test starts the launcher (tests/e2e/web/browser-launcher.js),
# which serves the folder on 127.0.0.1 and runs its own browser; the page's own tests (its
# buttons, its scaling, its end-of-game notice) run too. The build folder is configured
# with the web folder and its web tests built here. Leaves nothing running. Needs
# WEB_TEST_PACKAGES (packages.sh).
#   bash scripts/test-web.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: test-web.sh BUILD_DIR}" && pwd)
source "$root/scripts/list-skips.sh"
source "$root/scripts/packages.sh"

"$root/scripts/install-packages.sh" "${WEB_TEST_PACKAGES[@]}"
bash "$root/scripts/build-web.sh"
site=$root/build-web/site
[ -f "$site/index.html" ] || { echo "FAILED in the browser: build-web.sh made no $site/index.html" >&2; exit 1; }
# The lint gate over the files only the web build compiles.
bash "$root/scripts/check-tidy.sh" "$root/build-web/game"

cmake -S "$root" -B "$build" -DNOUGHTS_E2E_WEB_SITE="$site" >/dev/null
cmake --build "$build" -j"$(nproc)" --target noughts_e2e_tests noughts_web_tests
# Each engine's run says its version, lists its skips and ends with its count; all three
# run even when one fails.
status=0
for engine in "Chromium|chromium|$(/usr/lib/chromium/chromium --version | awk '{print $2}')" \
  "Firefox|firefox|$(firefox-esr --version | awk '{print $NF}')" \
  "WebKitGTK|webkit|$(dpkg-query -W -f='${Version}' libwebkit2gtk-4.1-0 | cut -d- -f1)"; do
  IFS='|' read -r name label version <<<"$engine"
  echo "=== $(basename "$build") in headless $name $version, Debian $DEBIAN_RELEASE ==="
  run_label "$build" "$label" "$name" "in-$label" "in $name" "configure it with NOUGHTS_E2E_WEB_SITE" ||
    status=1
done
exit "$status"
