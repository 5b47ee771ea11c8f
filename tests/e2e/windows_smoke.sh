#!/usr/bin/env bash
# The Windows game as a player gets it, under Wine: the zip unpacked into a
# folder whose name has Cyrillic letters and spaces, a victory entered into
# the book beside the program through the driver, then the real program on an
# X server of its own: the main menu, "Новая Игра", the battle window, Esc and
# "Да", exit status 0. Screenshots of each step in OUT.
#   tests/e2e/windows_smoke.sh BUILD_DIR SOURCE_DIR OUT
set -euo pipefail
build=$(cd "$1" && pwd) source=$(cd "$2" && pwd) out=$3
wine=${WINE:-/usr/lib/wine/wine64}
# A Wine prefix of its own: one whose desktop process was started without a
# display (by the tests) opens no windows.
export WINEPREFIX=$build/wine-smoke WINEDEBUG=-all SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER  # the game draws into its window on the X server below
rm -rf "$out" && mkdir -p "$out"
fail() { echo "windows smoke: $*" >&2; exit 1; }

# An X server of its own, up before any Wine program of the prefix starts.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null)
xvfb=$!
read -r -t 30 display <&3 || fail "Xvfb did not start"
export DISPLAY=:$display
trap 'kill $xvfb 2>/dev/null || true; [ -n "${pid:-}" ] && kill $pid 2>/dev/null; "${wine%/*}/wineserver" -k 2>/dev/null || true' EXIT
"${wine%/*}/wineserver" -k 2>/dev/null || true

zip=$(ls "$build"/krepogor-*-win64.zip 2>/dev/null | head -n 1)
[ -n "$zip" ] || fail "no zip in $build (cpack -G ZIP makes it)"
place="$out/Игры/Крепогор с пробелами"
mkdir -p "$place" && (cd "$place" && unzip -q "$zip")
game=$(find "$place" -maxdepth 2 -name krepogor.exe -printf '%h\n' | head -n 1)
book="$game/gamedata/tables/table.dat"
shipped=$(sha256sum <"$book")

# A won battle through the driver, on the unpacked game's own data.
"$wine" "$build/krepogor-script.exe" --appdir "Z:$game" "Z:$source/tests/scripts/victory.krs" \
  >"$out/victory.out" 2>"$out/victory.err" || fail "the driver failed: $(cat "$out/victory.err")"
[ "$(sha256sum <"$book")" != "$shipped" ] || fail "the book beside the program is unchanged"
winner=$(printf 'Добрыня Никитич, бог' | iconv -f UTF-8 -t CP1251)
LC_ALL=C grep -qF "$winner" "$book" || fail "the winner is not in the book"
[ "$(ls -A "$game/gamedata/tables")" = "table.dat" ] || fail "left beside the book: $(ls -A "$game/gamedata/tables")"

# The program itself.
(cd "$game" && exec "$wine" ./krepogor.exe) >"$out/game.log" 2>&1 &
pid=$!

# Waits until the game's window has the size given; prints its id.
wait_window() {
  local size=$1 what=$2 id geometry
  for _ in $(seq 1 120); do
    kill -0 $pid 2>/dev/null || fail "the game ended before $what"
    for id in $(xdotool search --name '^Крепогор$' 2>/dev/null); do
      geometry=$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: //p')
      if [ "$geometry" = "$size" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.5
  done
  fail "no window \"Крепогор\" of $size for $what"
}
shot() { sleep 1 && xwd -root -silent >"$out/$1.xwd" || true; }

menu=$(wait_window 659x398 "the main menu")
shot 1-menu
xdotool mousemove --window "$menu" 300 152 click 1 2>/dev/null  # "Новая Игра"
battle=$(wait_window 926x658 "the battle")
shot 2-battle
xdotool key --window "$battle" Escape 2>/dev/null
shot 3-exit-question
xdotool key --window "$battle" Return 2>/dev/null  # "Да", the default button
for _ in $(seq 1 60); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
kill -0 $pid 2>/dev/null && fail "the game still runs after Esc and Да"
status=0
wait $pid || status=$?
pid=
[ $status -eq 0 ] || fail "exit status $status: $(cat "$out/game.log")"
echo "windows smoke: the unpacked game played in \"$place\"; the book beside it holds the winner"
