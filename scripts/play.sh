#!/usr/bin/env bash
# Installs what is missing, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target krepogor-script
# Until the desktop window lands, the game runs headless: a short battle
# played by a script, its frames written as pictures to build/demo/.
mkdir -p build/demo
./build/default/krepogor-script --appdir "$PWD" scripts/demo.krs
echo "Frames of the demo battle are in build/demo/"
