#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the web build (build-web.sh) and serves its folder on this machine only, at
# http://127.0.0.1:PORT/ (PORT is the first argument, 8000 by default), until stopped
# with Ctrl+C. Any static web server would do as well; this one is Python's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
port=${1:-8000}
bash "$root/scripts/build-web.sh"
echo "Open http://127.0.0.1:$port/ in a web browser (Ctrl+C stops the server)."
exec python3 -m http.server --bind 127.0.0.1 --directory "$root/build-web/site" "$port"
