#!/usr/bin/env bash
# The installed game: installs the build into a scratch prefix, makes the
# prefix read-only, and plays through the installed driver as an ordinary
# player with an empty home. The book must appear in the player's data
# folder, seeded from the installed one, then take a victory, while the
# prefix stays exactly as installed.
#   installed_book_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
src=$(realpath "$2")
source "$src/tests/install/player.sh"

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
cmake --install "$build" --prefix "$prefix" --component driver >/dev/null
installed_book=$prefix/share/krepogor/gamedata/tables/table.dat
for f in bin/krepogor bin/krepogor-script share/krepogor/resources/frm_menu.png \
         share/krepogor/gamedata/music/1.mp3 share/krepogor/gamedata/tables/table.dat \
         share/applications/ru.krepogor.Krepogor.desktop \
         share/metainfo/ru.krepogor.Krepogor.metainfo.xml \
         share/icons/hicolor/48x48/apps/ru.krepogor.Krepogor.png \
         share/icons/hicolor/256x256/apps/ru.krepogor.Krepogor.png \
         share/doc/krepogor/copyright; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
# The programs carry no folder of the source or build tree to look in (the
# source files' own names, which debug builds keep for their messages, aside).
for exe in krepogor krepogor-script; do
  objcopy -O binary --only-section=.rodata "$prefix/bin/$exe" "$scratch/$exe.rodata"
  for dir in "$src" "$build"; do
    if grep -qaP "\Q$dir\E(/gamedata|/resources|/?\x00)" "$scratch/$exe.rodata"; then
      fail "$exe names $dir as a place to look for its data"
    fi
  done
done

chmod -R a-w "$prefix"
snapshot "$prefix" >before.txt

# The first start seeds the player's book from the installed one.
home=$scratch/home
new_home "$home"
book=$home/.local/share/krepogor/tables/table.dat
echo start | as_player "$home" "$prefix/bin/krepogor-script" >start.out
[ -f "$book" ] || fail "no book in $book after the first start"
cmp -s "$book" "$installed_book" || fail "the player's book is not the installed one"

# A victory goes into the player's book.
as_player "$home" "$prefix/bin/krepogor-script" <"$src/tests/scripts/victory.krs" >victory.out
cmp -s victory.out "$src/tests/scripts/victory.out" || {
  diff "$src/tests/scripts/victory.out" victory.out | head -20
  fail "the installed driver plays the victory differently"
}
[ "$(stat -c %s "$book")" -eq 130 ] || fail "the player's book is not five records"
winner=$(printf 'Добрыня Никитич' | iconv -f UTF-8 -t CP1251)
grep -qF "$winner" "$book" || fail "the victory is not in the player's book"

# XDG_DATA_HOME names the player's data folder when it is set.
home2=$scratch/home2
new_home "$home2"
echo start | as_player "$home2" XDG_DATA_HOME="$home2/data" "$prefix/bin/krepogor-script" >/dev/null
cmp -s "$home2/data/krepogor/tables/table.dat" "$installed_book" ||
  fail "the book is not seeded into \$XDG_DATA_HOME/krepogor"
[ ! -e "$home2/.local" ] || fail "the book went to ~/.local although XDG_DATA_HOME is set"

snapshot "$prefix" >after.txt
diff before.txt after.txt >&2 || fail "the installed prefix changed"
echo "installed game: book seeded in the player's home, victory saved there, prefix untouched"
