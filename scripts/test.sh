#!/usr/bin/env bash
# Sets up, builds and runs every test (logic, sanitized table loader, windows on the
# offscreen platform, the command-line tool).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
