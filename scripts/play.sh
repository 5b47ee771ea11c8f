#!/usr/bin/env bash
# Installs what building and playing need (when missing), builds the game
# alone and starts it. Arguments go to the game (krepogor --help).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh play
cmake --preset release >/dev/null
cmake --build --preset release --target krepogor
exec ./build/release/krepogor "$@"
