#!/usr/bin/env bash
# The installed game: installs the build into a scratch prefix other than
# the one it was configured for (so the programs find their data from their
# own folder), makes the prefix read-only, and plays through the installed driver as an ordinary
# player with an empty home. The book must appear in the player's data
# folder, seeded from the installed one, then take a victory, while the
# prefix stays exactly as installed. A copy of the data the player may write
# keeps its book in place.
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
         share/man/man6/krepogor.6 share/doc/krepogor/LICENSE; do
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

# A copy of the data outside any installed layout: while the player cannot
# write it, the book goes home; once the player can, the book stays in it.
portable=$scratch/portable
mkdir "$portable"
cp -r "$prefix/share/krepogor/gamedata" "$portable/"
run_portable() {
  as_player "$1" "$prefix/bin/krepogor-script" --appdir "$portable" \
    --resources "$prefix/share/krepogor/resources"
}
home3=$scratch/home3
new_home "$home3"
echo start | run_portable "$home3" >/dev/null
cmp -s "$home3/.local/share/krepogor/tables/table.dat" "$installed_book" ||
  fail "a copy the player cannot write kept its book to itself"

chmod -R u+w "$portable"
if [ "$(id -u)" -eq 0 ]; then chown -R 65534:65534 "$portable"; fi
home4=$scratch/home4
new_home "$home4"
run_portable "$home4" <"$src/tests/scripts/victory.krs" >portable.out
cmp -s portable.out "$src/tests/scripts/victory.out" || fail "the portable copy plays differently"
grep -qF "$winner" "$portable/gamedata/tables/table.dat" || fail "the portable copy's book missed the victory"
[ ! -e "$home4/.local" ] || fail "a writable copy sent its book to the player's home"

# A player with no home at all (no HOME, no XDG_DATA_HOME, an account the
# system does not know, as in a container): the installed book is shown and
# never written, and the victory says why its score cannot be kept.
if [ "$(id -u)" -eq 0 ]; then
  sed 's/^answer text:.*/answer OK/' "$src/tests/scripts/victory.krs" >homeless.krs
  (cd / && setpriv --reuid=4242 --regid=4242 --clear-groups -- env -i PATH=/usr/bin:/bin \
    "$prefix/bin/krepogor-script" "$scratch/homeless.krs") >homeless.out 2>homeless.err ||
    fail "the driver of a player with no home failed: $(cat homeless.err)"
  grep -qF "Ваш результат негде сохранить" homeless.out || fail "no word on the score not kept"
  grep -qF '"InputBox"' homeless.out && fail "a name was asked with nowhere to keep it"
  grep -qF "Пушкарёв Иван" homeless.out || fail "the installed book was not read"
fi

snapshot "$prefix" >after.txt
diff before.txt after.txt >&2 || fail "the installed prefix changed"
echo "installed game: book seeded in the player's home, victory saved there, prefix untouched"
