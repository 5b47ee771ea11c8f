# What the tests of the Windows game under Wine share, sourced by them: an X
# server of their own and the game's windows on it. The sourcing script sets
# WINEPREFIX, build, source and out and defines fail() first; pid holds the
# game's process.
wine=${WINE:-/usr/lib/wine/wine64}
wineserver=${wine%/*}/wineserver
export WINEDEBUG=-all SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER  # the game draws into its window on the X server below

# Starts an X server, up before any Wine program of the prefix starts, and
# stops it, the game and the prefix's programs on exit.
start_x() {
  exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null)
  xvfb=$!
  read -r -t 30 display <&3 || fail "Xvfb did not start"
  export DISPLAY=:$display
  trap 'kill $xvfb 2>/dev/null || true; [ -n "${pid:-}" ] && kill $pid 2>/dev/null; "$wineserver" -k 2>/dev/null || true' EXIT
  "$wineserver" -k 2>/dev/null || true
}

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

# Enters a victory into the book of the game in $1 through the driver, on that
# game's own data; sets winner to the name it enters, as the book spells it.
win_into_book() {
  "$wine" "$build/krepogor-script.exe" --appdir "Z:$1" "Z:$source/tests/scripts/victory.krs" \
    >"$out/victory.out" 2>"$out/victory.err" || fail "the driver failed: $(cat "$out/victory.err")"
  winner=$(printf 'Добрыня Никитич, бог' | iconv -f UTF-8 -t CP1251)
  LC_ALL=C grep -qF "$winner" "$1/gamedata/tables/table.dat" || fail "the winner is not in the book"
}

# A screenshot of the whole screen into $out/$1.png.
shot() {
  sleep 1
  /usr/bin/python3 -c 'import sys; from PIL import ImageGrab
ImageGrab.grab(xdisplay=sys.argv[1]).save(sys.argv[2])' "$DISPLAY" "$out/$1.png" ||
    fail "no screenshot $1"
}

# Plays the game started as $pid from its main menu: "Новая Игра", the battle
# window, past the countdown a raised barrel and two shots, Esc and "Да";
# fails unless it then ends with status 0.
play_and_leave() {
  local menu battle status=0
  menu=$(wait_window 659x398 "the main menu")
  shot 1-menu
  xdotool mousemove --window "$menu" 300 152 click 1 2>/dev/null  # "Новая Игра"
  battle=$(wait_window 926x658 "the battle")
  shot 2-battle
  sleep 5.5
  xdotool key --window "$battle" Up Up space 2>/dev/null
  sleep 0.3
  xdotool key --window "$battle" space 2>/dev/null
  shot 3-fired
  xdotool key --window "$battle" Escape 2>/dev/null
  shot 4-exit-question
  xdotool key --window "$battle" Return 2>/dev/null  # "Да", the default button
  for _ in $(seq 1 60); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
  kill -0 $pid 2>/dev/null && fail "the game still runs after Esc and Да"
  wait $pid || status=$?
  pid=
  [ $status -eq 0 ] || fail "exit status $status: $(cat "$out/game.log")"
}
