#!/usr/bin/env bash
# cmake/wine-run.sh, the launcher of the Windows tests under Wine, with a
# stand-in for Wine that ends each start as a table says: a program Wine did
# not start is started once more and the restart logged; a program that ran
# and failed is never started again; a crash fails even when Wine says 0;
# what the program printed and its status come through unchanged.
#   wine_run_test.sh LAUNCHER
set -euo pipefail
launcher=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The stand-in: start N ends as $work/start.N says (status, then what goes
# to standard output and to standard error, printf escapes); it logs its
# arguments, one a line.
cat >"$work/wine" <<EOF
#!/usr/bin/env bash
n=\$(( \$(cat "$work/starts" 2>/dev/null || echo 0) + 1 ))
echo \$n >"$work/starts"
printf '%s\n' "\$@" >"$work/args"
IFS='|' read -r status out err <"$work/start.\$n"
printf "\$out"
printf "\$err" >&2
exit \$status
EOF
chmod +x "$work/wine"

gtest_header='Running main() from gtest_main.cc\n[==========] Running 1 test from 1 test suite.\n'
loader='wine: could not load kernel32.dll, status c0000135\n'
channels='0024:err:module:import_dll Library SDL2.dll not found\n0024:fixme:hid:query_id type 5\n'
crash='wine: Unhandled page fault on read access to 0000000000000000 at address 0000000140001549\n'
# name | how each start ends (status|stdout|stderr), ";" between starts |
# status | starts | restarts logged | standard output
cases=(
  "passes|0|${gtest_header}[  PASSED  ] 1 test.\n||0|1|0|${gtest_header}[  PASSED  ] 1 test.\n"
  "Wine fails silently, then it passes|53||;0|ok\n||0|2|1|ok\n"
  "Wine fails twice|66||;66||;0|ok\n||66|2|1|"
  "Wine says why it failed|53||${loader};0|ok\n||0|2|1|ok\n"
  "Wine's debug channels say why|53||${channels};0|ok\n||0|2|1|ok\n"
  "the test fails|1|${gtest_header}[  FAILED  ] A.B\n||1|1|0|${gtest_header}[  FAILED  ] A.B\n"
  "the program refuses its arguments|2||usage\n|2|1|0|"
  "the program crashes|5||${crash}|5|1|0|"
  "the program crashes, Wine says 0|0||${crash}|1|1|0|"
  "the program passes silently|0|||0|1|0|"
  "output without a last newline|0|a\nb||0|1|0|a\nb"
)
for row in "${cases[@]}"; do
  IFS='|' read -r name _ <<<"$row"
  rest=${row#*|}
  want_out=${rest##*|}
  rest=${rest%|*}
  want_logged=${rest##*|}
  rest=${rest%|*}
  want_starts=${rest##*|}
  rest=${rest%|*}
  want_status=${rest##*|}
  starts=${rest%|*}
  rm -f "$work"/start.* "$work/starts" "$work/log"
  n=0
  IFS=';' read -ra ends <<<"$starts"
  for end in "${ends[@]}"; do
    n=$((n + 1))
    echo "$end" >"$work/start.$n"
  done

  status=0
  "$launcher" --log "$work/log" "$work/wine" 'C:\tests\render tests.exe' --gtest_filter='A.*' '' \
    >"$work/out" 2>"$work/err" </dev/null || status=$?
  logged=$(grep -c '^wine-run: ' "$work/log" 2>/dev/null || true)
  cat "$work/log" >>"$work/logs" 2>/dev/null || true
  [ "$status" = "$want_status" ] || fail "$name: status $status, expected $want_status"
  [ "$(cat "$work/starts")" = "$want_starts" ] || fail "$name: $(cat "$work/starts") starts, expected $want_starts"
  [ "${logged:-0}" = "$want_logged" ] || fail "$name: $logged restarts logged, expected $want_logged"
  cmp -s "$work/out" <(printf "$want_out") || fail "$name: standard output $(od -c "$work/out")"
  printf '%s\n' 'C:\tests\render tests.exe' --gtest_filter='A.*' '' | cmp -s - "$work/args" ||
    fail "$name: the program got other arguments: $(cat "$work/args")"
  echo "ok: $name"
done

# The log names the program and keeps what Wine said; without a log the
# restart is told on standard error.
grep -qx 'wine-run: Wine did not start render tests.exe (status 53, nothing of its own printed); started again: .*' \
  "$work/logs" || fail "the log reads: $(cat "$work/logs")"
grep -qx "    ${loader%\\n}" "$work/logs" || fail "the log lost Wine's words: $(cat "$work/logs")"
printf '53||\n' >"$work/start.1"
printf '0|ok\\n|\n' >"$work/start.2"
rm -f "$work/starts"
"$launcher" "$work/wine" prog.exe >/dev/null 2>"$work/err"
grep -q '^wine-run: Wine did not start prog.exe' "$work/err" || fail "no restart told: $(cat "$work/err")"
echo "ok: the restarts are told"
