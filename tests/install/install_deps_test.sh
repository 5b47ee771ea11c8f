#!/usr/bin/env bash
# scripts/install-deps.sh beside another apt: with every package missing and
# apt, dpkg and sudo replaced by stand-ins that log their calls, it waits for
# a package lists' lock another process holds, gives every apt-get call apt's
# own lock timeout, and fails at once when an update fails for another reason.
#   install_deps_test.sh SOURCE_DIR
set -euo pipefail
script=$1/scripts/install-deps.sh
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/lists"
touch "$work/lists/lock"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Holds an fcntl lock on the lists' lock file, as apt does, for $1 seconds.
hold_lists() {
  /usr/bin/python3 -c 'import fcntl, os, sys, time
fd = os.open(sys.argv[1], os.O_RDWR)
fcntl.lockf(fd, fcntl.LOCK_EX)
open(sys.argv[3], "w").close()
time.sleep(float(sys.argv[2]))' "$work/lists/lock" "$1" "$work/held" &
  until [ -e "$work/held" ]; do sleep 0.05; done
}

cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/sh
exit 1
EOF
cat >"$work/bin/sudo" <<'EOF'
#!/bin/sh
[ "$1" = -n ] && shift
exec "$@"
EOF
cat >"$work/bin/apt-config" <<EOF
#!/bin/sh
echo "lists='$work/lists/'"
EOF
# apt-get: logs its arguments; an update fails as apt's does while the lock is
# held, or always when FAKE_UPDATE_FAILS is set.
cat >"$work/bin/apt-get" <<EOF
#!/bin/sh
echo "\$*" >>"$work/calls"
case " \$* " in
  *" update "*)
    [ -z "\${FAKE_UPDATE_FAILS:-}" ] || exit 100
    /usr/bin/python3 -c 'import fcntl, os, sys
fcntl.lockf(os.open(sys.argv[1], os.O_RDWR), fcntl.LOCK_EX | fcntl.LOCK_NB)' "$work/lists/lock" \
      2>/dev/null || { echo "E: Could not get lock $work/lists/lock" >&2; exit 100; }
    ;;
esac
EOF
chmod +x "$work/bin/"*

# name | seconds another apt holds the lists | extra environment | status | apt-get calls
cases=(
  "nothing else runs|0||0|update install"
  "another update runs|2||0|update install"
  "the update fails on its own|0|FAKE_UPDATE_FAILS=1|100|update"
  "another update outlasts the wait|3|KREPOGOR_APT_WAIT=1|100|"
)
for row in "${cases[@]}"; do
  IFS='|' read -r name hold extra want_status want_calls <<<"$row"
  rm -f "$work/calls" "$work/held"
  [ "$hold" = 0 ] || hold_lists "$hold"
  status=0
  env PATH="$work/bin:$PATH" $extra bash "$script" >"$work/out" 2>&1 || status=$?
  wait
  calls=$(awk '{ for (i = 1; i <= NF; i++) if ($i == "-o") i++; else if ($i !~ /^-/) { print $i; break } }' \
            "$work/calls" 2>/dev/null | paste -sd' ' || true)
  [ "$status" = "$want_status" ] || fail "$name: status $status, expected $want_status: $(cat "$work/out")"
  [ "$calls" = "$want_calls" ] || fail "$name: apt-get ran for '$calls', expected '$want_calls'"
  if [ -s "$work/calls" ] && grep -qv -- '-o DPkg::Lock::Timeout=' "$work/calls"; then
    fail "$name: an apt-get call without apt's lock timeout: $(cat "$work/calls")"
  fi
  if [ "$hold" != 0 ] && ! grep -q "waiting for another apt" "$work/out"; then
    fail "$name: nothing said about waiting"
  fi
  echo "ok: $name"
done
