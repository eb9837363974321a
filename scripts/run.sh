#!/usr/bin/env bash
# Sets up, builds and starts the editor. Extra arguments are ignored by the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the editor on a virtual screen (xvfb-run)." >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/src/app/zarvo
fi
exec ./build/src/app/zarvo
