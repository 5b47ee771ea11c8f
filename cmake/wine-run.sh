#!/usr/bin/env bash
# Runs a Windows program of the tests under Wine: the windows build's
# CROSSCOMPILING_EMULATOR (see mingw-w64-x86_64.cmake).
#   wine-run.sh [--log FILE] WINE PROGRAM [ARGUMENT...]
#
# On a loaded machine Wine now and then ends a program before it runs: at
# once, with its loader's status (an NTSTATUS cut to its low byte, 53 for a
# library not found) and, under WINEDEBUG=-all, without a word. Every program
# tested here says something when it runs and fails: GoogleTest prints its
# header before any test, the game and the driver their reason. So a run that
# ends with a status other than 0 having printed nothing but Wine's own lines
# never started: the program is started once more, and the restart is added
# to FILE (or told on standard error without --log). A program that printed
# anything of its own has run, and its status stands. Wine's lines of a start
# that failed stay in the output, before those of the second start.
set -uo pipefail
log=
if [ "${1:-}" = --log ]; then
  log=$2
  shift 2
fi
if [ $# -lt 2 ]; then
  echo "usage: wine-run.sh [--log FILE] WINE PROGRAM [ARGUMENT...]" >&2
  exit 2
fi
wine=$1
shift
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT

# What the program prints comes through as it prints it (a test that hangs
# shows how far it got), and is kept to be read afterwards.
run() {
  rm -f "$scratch/o" "$scratch/e"
  mkfifo "$scratch/o" "$scratch/e" || exit 1
  tee "$scratch/out" <"$scratch/o" &
  local out=$!
  tee "$scratch/err" <"$scratch/e" >&2 &
  local err=$!
  "$wine" "$@" >"$scratch/o" 2>"$scratch/e"
  status=$?
  wait $out $err
}

# Whether the program printed a line of its own. Wine's lines are its notes
# on the prefix and its loader's messages ("wine: ...") and, unless WINEDEBUG
# silences them, its debug channels ("0024:err:module:..."); a crash report
# ("wine: Unhandled ...") comes from a program that ran.
ran() {
  LC_ALL=C awk '/^wine: (Unhandled|Call from|Assertion)/ { own = 1; exit }
                !/^wine: / && !/^[0-9a-f]+:(fixme|err|warn|trace):/ { own = 1; exit }
                END { exit !own }' "$scratch/out" "$scratch/err"
}

run "$@"
if [ $status -ne 0 ] && ! ran; then
  note="wine-run: Wine did not start ${1##*[/\\]} (status $status, nothing of its own printed); started again"
  if [ -n "$log" ]; then
    # One write, so that programs restarted side by side keep their lines.
    printf '%s\n' "$note: $*" "$(sed 's/^/    /' "$scratch/err")" | sed '/^$/d' >"$scratch/note"
    cat "$scratch/note" >>"$log"
  else
    echo "$note" >&2
  fi
  run "$@"
fi
# Wine 8 now and then gives status 0 for a program that crashed: its crash
# report fails the run whatever the status.
if [ $status -eq 0 ] && grep -q '^wine: Unhandled' "$scratch/err"; then
  echo "wine-run: ${1##*[/\\]} crashed, though Wine gave status 0" >&2
  status=1
fi
exit $status
