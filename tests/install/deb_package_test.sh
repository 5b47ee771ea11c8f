#!/usr/bin/env bash
# The Debian package: builds it with cpack, checks its dependencies and
# contents, unpacks it into a scratch root with dpkg -x, and starts the
# unpacked game under SDL's dummy video driver as an ordinary player.
#   deb_package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
src=$(realpath "$2")
source "$src/tests/install/player.sh"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >cpack.log ||
  { cat cpack.log >&2; fail "cpack could not build the package"; }
deb=$(ls "$scratch"/pkg/*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for want in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 \
            libfontconfig1 libc6 fonts-ebgaramond fonts-liberation2; do
  grep -q "$want" <<<"$depends" || fail "Depends lacks $want: $depends"
done
contents=$(dpkg-deb -c "$deb")
for want in ./usr/bin/krepogor ./usr/share/krepogor/gamedata/tables/table.dat \
            ./usr/share/krepogor/resources/frm_menu.png ./usr/share/doc/krepogor/copyright \
            ./usr/share/applications/ru.krepogor.Krepogor.desktop \
            ./usr/share/metainfo/ru.krepogor.Krepogor.metainfo.xml \
            ./usr/share/icons/hicolor/48x48/apps/ru.krepogor.Krepogor.png; do
  grep -qF " $want" <<<"$contents" || fail "the package lacks $want"
done
if grep -qF krepogor-script <<<"$contents"; then fail "the package ships the test driver"; fi

dpkg -x "$deb" root
chmod -R a-w root
home=$scratch/home
new_home "$home"
# The game runs until it is stopped; one that cannot find its data ends at once.
status=0
as_player "$home" timeout -k 2 3 root/usr/bin/krepogor 2>game.err || status=$?
# 124: stopped by timeout's TERM, 137: by its KILL two seconds later.
if [ "$status" -ne 124 ] && [ "$status" -ne 137 ]; then
  cat game.err >&2
  fail "the unpacked game ended by itself with status $status"
fi
if grep -qiE "no game data|couldn't open|cannot" game.err; then
  cat game.err >&2
  fail "the unpacked game misses some of its data"
fi
cmp -s "$home/.local/share/krepogor/tables/table.dat" root/usr/share/krepogor/gamedata/tables/table.dat ||
  fail "the unpacked game did not seed the player's book from its own data"
echo "package $(basename "$deb"): depends on $depends"
