#!/usr/bin/env bash
# Installs the Debian packages Крепогор needs to build, test and run, only
# those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev libfontconfig-dev
  libmpg123-dev
  xvfb xdotool libxdamage-dev
  fonts-ebgaramond fonts-liberation2 fonts-dejavu-core fonts-urw-base35
  python3 python3-pil python3-numpy lame
  desktop-file-utils appstream dpkg-dev file
  clang libclang-rt-dev
  # The Windows build (scripts/windows-deps.sh, the windows preset) and its tests.
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 nsis zip
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
