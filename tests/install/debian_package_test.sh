#!/usr/bin/env bash
# The Debian packages, built as Debian builds them: a copy of the source tree
# in a scratch folder (the tree itself stays clean), the source package and
# both binary packages from debian/, lintian on all of them (no error and no
# warning), their dependencies and contents, the manual page. Then the game,
# unpacked with dpkg -x and, when run as root on a machine without it,
# installed with apt-get (and purged afterwards), is started as an ordinary
# player with an empty home: its options, its book seeded into that home,
# and, given the headless driver, a victory saved there.
#   debian_package_test.sh SOURCE_DIR [DRIVER]
set -euo pipefail
src=$(realpath "$1")
given_driver=${2:+$(realpath "$2")}
source "$src/tests/install/player.sh"
# The player may not reach the build folder (a clone in a private folder):
# the driver runs from the scratch folder.
driver=""
if [ -n "$given_driver" ]; then
  driver=$scratch/krepogor-script
  install -m 755 "$given_driver" "$driver"
fi

# The tree as committed, with any work not yet committed (nothing ignored).
mkdir tree
if git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$src" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 cp --parents -t "$scratch/tree" 2>/dev/null) || true
  (cd "$src" && git ls-files -z --deleted | xargs -0 -r -I{} rm -f "$scratch/tree/{}")
else
  tar -C "$src" --exclude=./build --exclude='./obj-*' -cf - . | tar -C tree -xf -
fi

echo "building the source package and the binary packages"
(cd tree && dpkg-buildpackage -us -uc -S -d >"$scratch/source.log" 2>&1) ||
  { tail -30 source.log >&2; fail "dpkg-buildpackage -S failed"; }
(cd tree && dpkg-buildpackage -us -uc -b -J2 >"$scratch/binary.log" 2>&1) ||
  { tail -40 binary.log >&2; fail "dpkg-buildpackage -b failed"; }
grep -q -- "-DCMAKE_BUILD_TYPE=None" binary.log || fail "the build did not go through debhelper's cmake"
grep -q -- "-D_FORTIFY_SOURCE=2" binary.log || fail "the build did not take Debian's hardening flags"

shopt -s nullglob
games=(krepogor_*_*.deb)
datas=(krepogor-data_*_all.deb)
[ ${#games[@]} -eq 1 ] || fail "not one krepogor package: ${games[*]:-none}"
[ ${#datas[@]} -eq 1 ] || fail "not one architecture-independent krepogor-data package: ${datas[*]:-none}"
game=$scratch/${games[0]}
data=$scratch/${datas[0]}
version=$(dpkg-deb -f "$game" Version)

# lintian: everything it says, and no error or warning among it.
lintian --info --pedantic ./*.changes >lintian.txt 2>lintian.err || true
grep -v "running with root privileges" lintian.err >&2 || true
echo "lintian says (empty when it has nothing to say):"
cat lintian.txt
if grep -qE "^[EW]: " lintian.txt; then fail "lintian reports errors or warnings"; fi

depends=$(dpkg-deb -f "$game" Depends)
for want in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 \
            libfontconfig1 libmpg123-0 libc6 fonts-urw-base35 fonts-liberation2 \
            "krepogor-data (= $version)"; do
  grep -qF "$want" <<<"$depends" || fail "Depends lacks $want: $depends"
done
if grep -q ebgaramond <<<"$depends"; then fail "Depends names a font only the generator uses"; fi
[ "$(dpkg-deb -f "$game" Section)" = games ] || fail "krepogor is not in section games"

game_files=$(dpkg-deb -c "$game")
data_files=$(dpkg-deb -c "$data")
icons=()
for size in 16 22 24 32 48 64 128 256; do
  icons+=("./usr/share/icons/hicolor/${size}x${size}/apps/ru.krepogor.Krepogor.png")
done
for want in ./usr/games/krepogor ./usr/share/man/man6/krepogor.6.gz \
            ./usr/share/applications/ru.krepogor.Krepogor.desktop \
            ./usr/share/metainfo/ru.krepogor.Krepogor.metainfo.xml \
            ./usr/share/doc/krepogor/copyright "${icons[@]}"; do
  grep -qF " $want" <<<"$game_files" || fail "krepogor lacks $want"
done
for want in ./usr/share/games/krepogor/gamedata/tables/table.dat \
            ./usr/share/games/krepogor/gamedata/music/1.mp3 \
            ./usr/share/games/krepogor/resources/frm_menu.png \
            ./usr/share/doc/krepogor-data/copyright; do
  grep -qF " $want" <<<"$data_files" || fail "krepogor-data lacks $want"
done
if grep -qF ./usr/share/games/ <<<"$game_files"; then fail "the game's data are in krepogor"; fi
if grep -qE "krepogor-script|/usr/bin/" <<<"$game_files$data_files"; then
  fail "the packages ship the test driver or a program outside /usr/games"
fi

dpkg -x "$game" root
dpkg -x "$data" root
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l root/usr/share/man/man6/krepogor.6.gz >man.txt 2>man.err
[ ! -s man.err ] || { cat man.err >&2; fail "the manual page has warnings"; }
grep -q "КЛАВИШИ" man.txt || fail "the manual page does not list the keys"
chmod -R a-w root

# check_game PROGRAM BOOK LABEL: the options, and a start that seeds the book.
check_game() {
  local program=$1 installed_book=$2 label=$3 home status out
  out=$(as_player "$scratch" "$program" --version) || fail "$label --version failed"
  [ "$out" = "krepogor ${version%%-*}" ] || fail "$label --version says \"$out\""
  as_player "$scratch" "$program" --help >help.out 2>help.err || fail "$label --help failed"
  grep -q "^Использование: krepogor" help.out || fail "$label --help prints no usage"
  [ ! -s help.err ] || fail "$label --help wrote to standard error"
  status=0
  as_player "$scratch" "$program" --bogus >bogus.out 2>bogus.err || status=$?
  [ "$status" -eq 2 ] || fail "$label --bogus ended with $status, expected 2"
  [ ! -s bogus.out ] && grep -q "«--bogus»" bogus.err && grep -q "^Использование" bogus.err ||
    fail "$label --bogus did not name the option and print the usage on standard error"

  # The game runs until it is stopped; one that cannot find its data ends at once.
  home=$(mktemp -d "$scratch/home.XXXXXX")
  new_home "$home"
  status=0
  as_player "$home" timeout -k 2 3 "$program" 2>game.err || status=$?
  # 124: stopped by timeout's TERM, 137: by its KILL two seconds later.
  if [ "$status" -ne 124 ] && [ "$status" -ne 137 ]; then
    cat game.err >&2
    fail "$label ended by itself with status $status"
  fi
  if grep -qiE "no game data|данных игры нет|couldn.t open|cannot" game.err; then
    cat game.err >&2
    fail "$label misses some of its data"
  fi
  cmp -s "$home/.local/share/krepogor/tables/table.dat" "$installed_book" ||
    fail "$label did not seed the player's book from its own data"
  echo "$label: options answered, the player's book seeded in the home folder"
}

check_game root/usr/games/krepogor root/usr/share/games/krepogor/gamedata/tables/table.dat \
  "the unpacked game"

# Installed for real only where that harms nothing: as root, and only when
# the machine has no krepogor of its own.
installed=""
remove_packages() {
  [ -z "$installed" ] || apt-get purge -y -qq krepogor krepogor-data >/dev/null 2>&1 || true
  cleanup
}
trap remove_packages EXIT
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W krepogor krepogor-data >/dev/null 2>&1; then
  installed=yes
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "$game" "$data" >apt.log 2>&1 || { cat apt.log >&2; fail "apt-get could not install the packages"; }
  check_game /usr/games/krepogor /usr/share/games/krepogor/gamedata/tables/table.dat \
    "the installed game"
  MANPAGER=cat LC_ALL=C.UTF-8 man 6 krepogor 2>&1 | grep -q "КЛАВИШИ" || fail "man 6 krepogor shows no page"
  if [ -n "$driver" ]; then
    # A whole victory on the installed data, the book going to the player's home.
    home=$scratch/victor
    new_home "$home"
    as_player "$home" "$driver" --appdir /usr/share/games/krepogor \
      <"$src/tests/scripts/victory.krs" >victory.out
    cmp -s victory.out "$src/tests/scripts/victory.out" || fail "the victory plays differently"
    winner=$(printf 'Добрыня Никитич' | iconv -f UTF-8 -t CP1251)
    grep -qF "$winner" "$home/.local/share/krepogor/tables/table.dat" ||
      fail "the victory is not in the player's book"
    echo "the installed data: a victory saved in the player's home"
  fi
else
  echo "not installed with apt-get: needs root and a machine without krepogor"
fi

for deb in "$game" "$data"; do
  echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, installed $(dpkg-deb -f "$deb" Installed-Size) KiB"
done
echo "Depends: $depends"
