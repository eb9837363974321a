#!/usr/bin/env bash
# Sets up, builds and runs every test: the logic, the command-line tool and the windows
# (on the offscreen platform) in the Release build, then the logic and the command-line
# tool once more built with AddressSanitizer and UndefinedBehaviorSanitizer, whose
# searches take their plain paths instead of the vector ones. Warnings in our own code
# are errors in both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DZARVO_WERROR=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"

cmake -S . -B build-sanitized -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
  -DZARVO_SANITIZE=ON -DZARVO_WERROR=ON -DZARVO_SCALAR_SCANS=ON -DZARVO_BUILD_WINDOWS=OFF -DZARVO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitized -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitized --output-on-failure -j"$(nproc)"
