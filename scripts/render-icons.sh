#!/usr/bin/env bash
# Renders the program's icon (data/icons/org.zarvo.zarvo.svg, drawn by hand) as the PNGs
# that icon themes want, into data/icons/SIZExSIZE/. Run after changing the SVG and
# commit the PNGs with it; rsvg-convert comes with Debian's librsvg2-bin.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --output "${size}x${size}/org.zarvo.zarvo.png" org.zarvo.zarvo.svg
done
