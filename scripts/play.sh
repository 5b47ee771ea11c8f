#!/usr/bin/env bash
# Installs what is missing, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target krepogor
exec ./build/default/krepogor
