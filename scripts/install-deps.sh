#!/usr/bin/env bash
# Installs the Debian packages Крепогор needs, only those that are missing.
# Safe to run again and again.
#   install-deps.sh        everything: building, playing and every test
#   install-deps.sh play   only what building and playing the game need
# As root it runs apt-get; otherwise through sudo when the user may use it,
# else it prints the one apt-get line to run as root and stops. While another
# apt runs (an update, an install, the daily upgrades) it waits for it to
# finish, up to KREPOGOR_APT_WAIT seconds (600 by default).
set -euo pipefail

play=(
  build-essential cmake pkgconf
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev libsdl2-ttf-dev libfontconfig-dev
  libmpg123-dev libx11-dev
  fonts-urw-base35 fonts-liberation2
)
tests=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xfonts-base xdotool libxdamage-dev openbox
  fonts-ebgaramond fonts-dejavu-core
  python3 python3-pil python3-numpy lame
  desktop-file-utils appstream dpkg-dev file man-db
  debhelper lintian
  clang libclang-rt-dev
  # The Windows build (scripts/windows-deps.sh, the windows preset) and its tests.
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 nsis zip
  # The browser build (scripts/web-deps.sh, the web preset) and its tests in Debian's chromium.
  emscripten chromium
)
# Programs taken from any package that gives them: a machine with Node.js
# from elsewhere keeps it; else Debian's packages give them.
tests_commands=(node:nodejs npm:npm)

case "${1:-all}" in
  play) packages=("${play[@]}") ;;
  all) packages=("${play[@]}" "${tests[@]}") ;;
  *)
    echo "usage: install-deps.sh [play]" >&2
    exit 2
    ;;
esac

[ "${1:-all}" = play ] || for c in "${tests_commands[@]}"; do
  command -v "${c%%:*}" >/dev/null || packages+=("${c#*:}")
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

# sudo counts when it works without a password, or when the user is in an
# administrators' group and can type one.
sudo_works() {
  command -v sudo >/dev/null || return 1
  sudo -n true 2>/dev/null && return 0
  [ -t 0 ] && id -nG | grep -qwE "sudo|admin|wheel"
}

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! sudo_works; then
    echo "install-deps: these Debian packages are missing; as root (su -), run:" >&2
    echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
    echo "then run this script again." >&2
    exit 1
  fi
  as_root=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
wait_s=${KREPOGOR_APT_WAIT:-600}
# apt waits this long for dpkg's locks, those of an install...
apt_get=("${as_root[@]}" apt-get -o "DPkg::Lock::Timeout=$wait_s")

# ...but not for the package lists' lock an update takes. While another apt
# holds that one (an fcntl lock, listed in /proc/locks) the update waits
# here, and waits again when it lost the race for the lock.
eval "$(apt-config shell lists Dir::State::Lists/d)"
lists_locked() {
  local dev inode id
  read -r dev inode < <(stat -c '%d %i' "${lists}lock" 2>/dev/null) || return 1
  # /proc/locks names a file as MAJOR:MINOR:INODE, the device's numbers in hex.
  id=$(printf '%02x:%02x:%d' $(((dev >> 8) & 0xfff)) $(((dev & 0xff) | ((dev >> 12) & 0xfff00))) "$inode")
  awk -v id="$id" '{ for (i = 1; i <= NF; i++) if ($i == id) held = 1 } END { exit !held }' /proc/locks
}
update_lists() {
  local deadline=$((SECONDS + wait_s)) told="" status
  while :; do
    while lists_locked; do
      if [ $SECONDS -ge $deadline ]; then
        echo "install-deps: another apt still holds ${lists}lock after ${wait_s} s" >&2
        return 100
      fi
      if [ -z "$told" ]; then
        echo "install-deps: waiting for another apt to finish with the package lists"
        told=1
      fi
      sleep 1
    done
    "${apt_get[@]}" update -qq && return 0
    status=$?
    lists_locked || return $status
  done
}
update_lists
"${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
