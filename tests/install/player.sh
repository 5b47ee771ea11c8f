# Shared by the install tests: a scratch folder, removed on exit, and a way to
# run a command as an ordinary player (the superuser writes everywhere, so
# under root the command runs as "nobody").
scratch=$(mktemp -d /tmp/krepogor-test.XXXXXX)
cleanup() {
  chmod -R u+w "$scratch" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
chmod 755 "$scratch"
cd "$scratch"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# An empty home folder the player owns.
new_home() {
  mkdir -p "$1"
  if [ "$(id -u)" -eq 0 ]; then chown 65534:65534 "$1"; fi
}

# as_player HOME [VAR=VALUE...] COMMAND...: runs with a clean environment,
# no display and no sound card.
as_player() {
  local home=$1
  shift
  local run=(env -i "HOME=$home" PATH=/usr/bin:/bin SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy)
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid=65534 --regid=65534 --clear-groups -- "${run[@]}" "$@"
  else
    "${run[@]}" "$@"
  fi
}

# Every file of a tree with its size, mode and checksum.
snapshot() {
  (cd "$1" && find . -printf '%p %s %m %y\n' | sort && find . -type f -exec md5sum {} + | sort)
}
