#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the manual checks need.
# Does nothing when every package is already there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev libspng-dev
  fonts-ipafont-gothic
  libdeflate-dev
  cmark-gfm
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb imagemagick xdotool xauth
  desktop-file-utils appstream man-db dpkg-dev file
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
