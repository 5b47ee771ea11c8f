#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once in the normal
# build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# No display and no sound card needed: everything runs headless.
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
# The end-to-end tests start an X server of their own (Xvfb): here they must run.
export KREPOGOR_E2E_REQUIRED=1
# The build a package is made from: the game alone, here with warnings as errors.
# (In a folder of its own, so that build/release stays as players configure it.)
cmake --preset release -B build/release-werror -DKREPOGOR_WERROR=ON
cmake --build build/release-werror -j2
cmake --workflow --preset default
# The Debian packages, built from a scratch copy of the tree, linted,
# installed and played (a victory through the driver just built).
bash tests/install/debian_package_test.sh . build/default/krepogor-script
cmake --workflow --preset asan
# The Windows game: its libraries from Debian's sources (built once, then
# cached), the cross build, its tests under Wine, the zip and the installer,
# and a smoke run of the unpacked game under Wine on an X server of its own.
bash scripts/windows.sh
# The browser build: its libraries from Debian's sources (built once, then
# cached), the page, the driver and the unit tests under node, the page in
# Debian's chromium, and the zip for a static host.
bash scripts/web.sh
# A minute of each fuzzer (clang's libFuzzer) on the book and the driver.
bash scripts/fuzz.sh 60
