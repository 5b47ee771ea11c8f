#!/usr/bin/env bash
# The Windows installer as a player runs it, under Wine: installed silently
# into a folder with Cyrillic letters, with the program, its libraries and
# data, the fonts, the uninstaller and the Start menu entry in place; the
# installed game plays from its main menu to a battle and leaves, its settings
# kept in %APPDATA%\krepogor; a victory
# the driver enters into the book beside the program survives the
# uninstaller, which takes everything else away. Screenshots in OUT.
#   tests/e2e/windows_installer.sh BUILD_DIR SOURCE_DIR OUT
set -euo pipefail
build=$(cd "$1" && pwd) source=$(cd "$2" && pwd) out=$3
export WINEPREFIX=$build/wine-installer
# Wine would also make entries for the host's own desktop menus.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
rm -rf "$out" "$WINEPREFIX" && mkdir -p "$out"
fail() { echo "windows installer: $*" >&2; exit 1; }
. "$(dirname "$0")/wine_desktop.sh"
start_x

installer=$(ls "$build"/krepogor-*-win64.exe 2>/dev/null | head -n 1)
[ -n "$installer" ] || fail "no installer in $build (cpack -G NSIS makes it)"
file -b "$installer" | grep -q "x86-64" || fail "the installer is not a 64-bit program: $(file -b "$installer")"
# NSIS reads the folder after /D= (and _?=) to the end of its command line,
# unquoted: a folder without spaces, which Wine would quote.
target='C:\Игры\Крепогор'
dir=$WINEPREFIX/drive_c/Игры/Крепогор
"$wine" "$installer" /S "/D=$target" >"$out/install.log" 2>&1 || fail "the installer failed"
"$wineserver" -w
for f in krepogor.exe SDL2.dll SDL2_image.dll SDL2_mixer.dll SDL2_ttf.dll Uninstall.exe \
  gamedata/tables/table.dat gamedata/pics/map.jpg resources/frm_menu.png LICENSE.txt README.txt; do
  [ -e "$dir/$f" ] || fail "not installed: $f"
done
ls "$dir"/fonts/*.* >/dev/null 2>&1 || fail "no fonts installed"
start_menu_entry() { find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Крепогор.lnk'; }
[ -n "$(start_menu_entry)" ] || fail "no Start menu entry \"Крепогор\""

# The installed game.
(cd "$dir" && exec "$wine" ./krepogor.exe) >"$out/game.log" 2>&1 &
pid=$!
play_and_leave
# What the run remembers, in the roaming folder of the player's programs.
[ -n "$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Roaming/krepogor/settings.ini')" ] ||
  fail "no settings in %APPDATA%\\krepogor"

# A won battle through the driver, into the book beside the installed program.
win_into_book "$dir"

# The uninstaller, waited for where it lies.
"$wine" "$dir/Uninstall.exe" /S "_?=$target" >"$out/uninstall.log" 2>&1 || fail "the uninstaller failed"
"$wineserver" -w
for f in krepogor.exe SDL2.dll gamedata/pics resources fonts LICENSE.txt; do
  [ ! -e "$dir/$f" ] || fail "left after the uninstall: $f"
done
[ -z "$(start_menu_entry)" ] ||
  fail "the Start menu entry is left"
LC_ALL=C grep -qF "$winner" "$dir/gamedata/tables/table.dat" ||
  fail "the uninstaller took the player's book"
echo "windows installer: installed into $target, played, uninstalled; the player's book is kept"
