#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, and only the missing ones.
# Extra package names on the command line are installed too (CI adds its fuzzing compiler).
set -euo pipefail

packages=(cmake g++ libxkbcommon-dev qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-charts-dev kdegames-card-data-kf5 libgtest-dev libbenchmark-dev
          festival festvox-us-slt-hts espeak-ng sox xvfb xauth imagemagick xdotool openbox
          librsvg2-bin desktop-file-utils appstream python3 "$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "error: these packages are missing and I am not root and there is no sudo: ${missing[*]}" >&2
  exit 1
fi
if ! "${sudo[@]}" apt-get update -qq; then
  echo "error: apt-get update failed; cannot install ${missing[*]}" >&2
  exit 1
fi
if ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"; then
  echo "error: apt-get could not install: ${missing[*]}" >&2
  exit 1
fi
