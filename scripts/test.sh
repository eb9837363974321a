#!/usr/bin/env bash
# Sets up, builds and runs every test: the logic, the command-line tool, the windows
# (on the offscreen platform) and the install in the Release build, packs the Debian
# package and looks into it, then builds the logic and the command-line tool once more,
# without Qt, with AddressSanitizer and UndefinedBehaviorSanitizer (the searches taking
# their plain paths instead of the vector ones) and runs their tests. Warnings in our own
# code are errors in both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DZARVO_WERROR=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"

# The Debian package, made as the README says, holds the programs and their files.
(cd build && cpack -G DEB >/dev/null)
contents=$(dpkg-deb --contents build/zarvo_*.deb)
for file in usr/bin/zarvo usr/bin/zarvo-tool usr/share/applications/org.zarvo.zarvo.desktop \
  usr/share/metainfo/org.zarvo.zarvo.metainfo.xml usr/share/icons/hicolor/scalable/apps/org.zarvo.zarvo.svg \
  usr/share/man/man1/zarvo.1.gz usr/share/man/man1/zarvo-tool.1.gz usr/share/doc/zarvo/manual.html \
  usr/share/bash-completion/completions/zarvo-tool; do
  grep -q " \./$file\$" <<<"$contents" || { echo "The Debian package lacks $file" >&2; exit 1; }
done
dpkg-deb --field build/zarvo_*.deb Package Version Depends

# Without the windows nothing may need Qt: it is kept out of reach of this build.
cmake -S . -B build-sanitized -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
  -DZARVO_SANITIZE=ON -DZARVO_WERROR=ON -DZARVO_SCALAR_SCANS=ON -DZARVO_BUILD_WINDOWS=OFF -DZARVO_BUILD_BENCHMARKS=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >/dev/null
cmake --build build-sanitized -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitized --output-on-failure -j"$(nproc)"
