#!/usr/bin/env bash
# The Windows game as a player gets it, under Wine: the zip unpacked into a
# folder whose name has Cyrillic letters and spaces, a victory entered into
# the book beside the program through the driver, then the real program on an
# X server of its own: the main menu, "Новая Игра", the battle window, Esc and
# "Да", exit status 0. Screenshots of each step in OUT.
#   tests/e2e/windows_smoke.sh BUILD_DIR SOURCE_DIR OUT
set -euo pipefail
build=$(cd "$1" && pwd) source=$(cd "$2" && pwd) out=$3
# A Wine prefix of its own: one whose desktop process was started without a
# display (by the tests) opens no windows.
export WINEPREFIX=$build/wine-smoke
rm -rf "$out" && mkdir -p "$out"
fail() { echo "windows smoke: $*" >&2; exit 1; }
. "$(dirname "$0")/wine_desktop.sh"
start_x

zip=$(ls "$build"/krepogor-*-win64.zip 2>/dev/null | head -n 1)
[ -n "$zip" ] || fail "no zip in $build (cpack -G ZIP makes it)"
place="$out/Игры/Крепогор с пробелами"
mkdir -p "$place" && (cd "$place" && unzip -q "$zip")
game=$(find "$place" -maxdepth 2 -name krepogor.exe -printf '%h\n' | head -n 1)
book="$game/gamedata/tables/table.dat"
shipped=$(sha256sum <"$book")

# A won battle through the driver, on the unpacked game's own data.
win_into_book "$game"
[ "$(sha256sum <"$book")" != "$shipped" ] || fail "the book beside the program is unchanged"
[ "$(ls -A "$game/gamedata/tables")" = "table.dat" ] || fail "left beside the book: $(ls -A "$game/gamedata/tables")"

# The program itself.
(cd "$game" && exec "$wine" ./krepogor.exe) >"$out/game.log" 2>&1 &
pid=$!

play_and_leave
echo "windows smoke: the unpacked game played in \"$place\"; the book beside it holds the winner"
