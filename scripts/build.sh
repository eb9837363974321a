#!/usr/bin/env bash
# Configures and builds everything into build/ (Release). Called by run.sh and test.sh.
# Extra arguments are passed to CMake's configure step (test.sh adds -DZARVO_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build build -j"$(nproc)"
