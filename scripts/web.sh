#!/usr/bin/env bash
# The browser build from this Debian machine, in one command: the libraries
# from Debian's source packages (built once into the cache, see
# scripts/web-deps.sh), playwright-core from npm at the version
# package-lock.json locks, then the page, the driver and the tests with the
# web preset (the driver and the unit tests under node, the page in Debian's
# chromium) and the zip for any static host.
#   scripts/web.sh [CACHE]    CACHE: $XDG_CACHE_HOME/krepogor by default
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
KREPOGOR_WEB_PREFIX=$(bash scripts/web-deps.sh "$@" | tail -n 1)
export KREPOGOR_WEB_PREFIX
# Only what the lock names, as it names it; nothing runs at install.
npm ci --ignore-scripts --no-audit --no-fund
cmake --workflow --preset web
ls -l build/web/krepogor-*-web.zip
