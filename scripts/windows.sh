#!/usr/bin/env bash
# The Windows game from this Debian machine, in one command: the libraries
# from Debian's source packages (built once into the cache, see
# scripts/windows-deps.sh), then the game with the windows preset, its tests
# under Wine, the zip and the installer, a smoke run of the unpacked game
# under Wine on an X server of its own, and the installer run, played and
# uninstalled there.
#   scripts/windows.sh [CACHE]    CACHE: $XDG_CACHE_HOME/krepogor by default
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
KREPOGOR_WINDOWS_PREFIX=$(bash scripts/windows-deps.sh "$@" | tail -n 1)
export KREPOGOR_WINDOWS_PREFIX
# Wine's own setup of its prefix, done once here rather than by two tests at once.
WINEDEBUG=-all /usr/lib/wine/wine64 wineboot --init
# Test programs Wine failed to start are started again (cmake/wine-run.sh):
# say how many, whether the tests passed or not.
restarts=build/windows/wine-restarts.log
rm -f "$restarts"
status=0
cmake --workflow --preset windows || status=$?
if [ -s "$restarts" ]; then
  echo "windows: Wine failed to start $(grep -c '^wine-run: ' "$restarts") test program(s), each started again:"
  cat "$restarts"
else
  echo "windows: Wine started every test program at the first attempt"
fi
[ $status -eq 0 ] || exit $status
bash tests/e2e/windows_smoke.sh build/windows . build/windows/smoke
bash tests/e2e/windows_installer.sh build/windows . build/windows/installer
ls -l build/windows/krepogor-*-win64.zip build/windows/krepogor-*-win64.exe
