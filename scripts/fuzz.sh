#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the `fuzz` preset) and runs each
# for a while, the book reader and writer and the script driver, on a scratch
# copy of its seed corpus in tests/fuzz/corpus/. A crash, a sanitizer report,
# a leak or a hang fails the run and leaves the input in build/fuzz/.
#   scripts/fuzz.sh [SECONDS]   (60 each by default)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz
cmake --build --preset fuzz
for target in book script; do
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  echo "fuzz: ${target}_fuzzer for ${seconds} s"
  ./build/fuzz/${target}_fuzzer -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build/fuzz/${target}-" "$work" "tests/fuzz/corpus/$target"
  rm -rf "$work"
done
