#!/usr/bin/env bash
# Builds the libraries the browser game links (zlib, libpng, libjpeg-turbo,
# freetype, mpg123, SDL2 with its own Emscripten backend, SDL2_image,
# SDL2_mixer, SDL2_ttf, GoogleTest for the unit tests) as static WebAssembly
# archives with Debian's emscripten, from Debian's own source packages
# (fetched by scripts/debian-sources.sh), each with only what the game uses
# of it. The result lands in a folder named for the source versions, the
# compiler and this recipe, so it is built once and found again. `current`
# beside it links to the last one built.
#
#   scripts/web-deps.sh [CACHE]   CACHE: $XDG_CACHE_HOME/krepogor by default
#
# Prints the libraries' folder on its last line.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/krepogor}
cache=$(mkdir -p "$cache" && cd "$cache" && pwd)
top=$cache/web
mkdir -p "$top"
jobs=$(nproc)
say() { echo "web-deps: $*" >&2; }

# emcc's JavaScript optimiser reads acorn from Debian's node modules.
export NODE_PATH=/usr/share/nodejs
emscripten=/usr/share/emscripten
for tool in emcc emconfigure emmake node; do
  command -v "$tool" >/dev/null || { say "$tool is missing: apt-get install emscripten"; exit 1; }
done

packages=(zlib libpng1.6 libjpeg-turbo freetype mpg123 libsdl2 libsdl2-image libsdl2-mixer
          libsdl2-ttf googletest)
. "$here/debian-sources.sh"
debian_sources "$cache" "${packages[@]}"

key=$( (for p in "${packages[@]}"; do echo "$p ${version[$p]}"; done
        emcc --version | head -n 1; cat "$0") | sha256sum | cut -c1-16)
prefix=$top/libs-$key
if [ -f "$prefix/.complete" ]; then
  ln -sfn "libs-$key" "$top/current"
  say "already built: $prefix"
  echo "$prefix"
  exit 0
fi

rm -rf "$prefix" "$top/work"
mkdir -p "$prefix/lib/pkgconfig" "$top/work"
work=$top/work
# Emscripten's own toolchain, with an emulator node 20 accepts (the one
# emcmake names takes an option node refuses, which spoils every try_run)
# and pkg-config seeing only this prefix (not the machine's own libraries).
toolchain=$work/toolchain.cmake
cat >"$toolchain" <<TC
set(CMAKE_CROSSCOMPILING_EMULATOR node;--no-experimental-fetch)
include($emscripten/cmake/Modules/Platform/Emscripten.cmake)
list(APPEND CMAKE_FIND_ROOT_PATH $prefix)
set(ENV{PKG_CONFIG_LIBDIR} "$prefix/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
TC
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig PKG_CONFIG_PATH=

fail() { tail -n 40 "$work/$1.log" >&2; exit 1; }

# Configures, builds and installs one CMake project into the prefix.
cmake_build() {
  local p=$1 src=${folder[$1]}
  shift
  say "building $p ${version[$p]}"
  cmake -S "$src" -B "$work/$p" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -Wno-dev "$@" >"$work/$p.log" 2>&1 || fail "$p"
  cmake --build "$work/$p" -j"$jobs" >>"$work/$p.log" 2>&1 &&
    cmake --install "$work/$p" >>"$work/$p.log" 2>&1 || fail "$p"
}

# Builds one autotools project from a copy of its source (a build may touch it).
autotools_copy() {
  local p=$1
  say "building $p ${version[$p]}"
  rm -rf "$work/$p" && cp -a "${folder[$p]}" "$work/$p"
}

start=$SECONDS
# zlib by its own configure: its CMake wants a Windows resource file that
# Debian's source leaves out.
autotools_copy zlib
(cd "$work/zlib" && emconfigure ./configure --static --prefix="$prefix" &&
   emmake make -j"$jobs" libz.a && emmake make install) >"$work/zlib.log" 2>&1 || fail zlib
cmake_build libpng1.6 -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DPNG_HARDWARE_OPTIMIZATIONS=OFF -DSKIP_INSTALL_PROGRAMS=ON -DZLIB_ROOT="$prefix"
cmake_build libjpeg-turbo -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
  -DWITH_SIMD=OFF
# freetype: TrueType and CFF outlines, no colour fonts; the zlib above, whose
# symbols its private copy would repeat.
cmake_build freetype -DFT_REQUIRE_ZLIB=ON -DZLIB_ROOT="$prefix" -DFT_DISABLE_BZIP2=ON \
  -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
# mpg123: the decoding library alone, in plain C with floating point. Its
# config.sub predates WebAssembly: Debian's own knows it.
autotools_copy mpg123
cp /usr/share/misc/config.sub "$work/mpg123/build/config.sub"
(cd "$work/mpg123" &&
   emconfigure ./configure --host=wasm32-unknown-emscripten --prefix="$prefix" \
     --enable-static --disable-shared --with-cpu=generic_fpu --disable-modules \
     --with-audio=dummy --disable-network &&
   emmake make -j"$jobs" src/libmpg123/libmpg123.la) >"$work/mpg123.log" 2>&1 || fail mpg123
install -m 644 "$work/mpg123/src/libmpg123/.libs/libmpg123.a" "$prefix/lib/"
install -m 644 "$work/mpg123/src/libmpg123/mpg123.h" "$work/mpg123/src/libmpg123/fmt123.h" \
  "$prefix/include/"
install -m 644 "$work/mpg123/libmpg123.pc" "$prefix/lib/pkgconfig/"
# SDL2 on its own Emscripten backend (canvas, Web Audio, the browser's
# gamepads), with no threads: the page needs no SharedArrayBuffer.
cmake_build libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF \
  -DSDL_PTHREADS=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF -DSDL_HAPTIC=OFF -DSDL_SENSOR=OFF \
  -DSDL2_DISABLE_SDL2MAIN=ON
# SDL2_image: PNG (read and written through libpng) and JPEG (libjpeg-turbo).
cmake_build libsdl2-image -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF \
  -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_TESTS=OFF -DSDL2IMAGE_BACKEND_STB=OFF \
  -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_JPG=ON -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JXL=OFF \
  -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_BMP=OFF -DSDL2IMAGE_GIF=OFF \
  -DSDL2IMAGE_LBM=OFF -DSDL2IMAGE_PCX=OFF -DSDL2IMAGE_PNM=OFF -DSDL2IMAGE_QOI=OFF \
  -DSDL2IMAGE_SVG=OFF -DSDL2IMAGE_TGA=OFF -DSDL2IMAGE_XCF=OFF -DSDL2IMAGE_XPM=OFF \
  -DSDL2IMAGE_XV=OFF -DCMAKE_POSITION_INDEPENDENT_CODE=OFF
# SDL2_mixer: WAV only (the MP3s are decoded by libmpg123 itself).
cmake_build libsdl2-mixer -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF \
  -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
  -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OGG=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_WAVE=ON \
  -DCMAKE_POSITION_INDEPENDENT_CODE=OFF
cmake_build libsdl2-ttf -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF \
  -DCMAKE_POSITION_INDEPENDENT_CODE=OFF
# GoogleTest for the unit tests, with exceptions as the game is built.
cmake_build googletest -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON -Dgtest_disable_pthreads=ON \
  -DCMAKE_CXX_FLAGS=-fexceptions

# The static SDL2_image, SDL2_mixer and SDL2_ttf write no pkg-config file:
# these name each archive by its path with what it needs (emcc would take
# -lSDL2_mixer for its own port and try to download it).
pc() {
  local name=$1 description=$2 libs=$3
  cat >"$prefix/lib/pkgconfig/$name.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: $name
Description: $description (static, for the browser)
Version: ${version[$4]%%+*}
Requires: sdl2
Libs: $libs
Cflags: -I\${includedir}/SDL2
PC
}
pc SDL2_image "image loading library" \
  "\${libdir}/libSDL2_image.a \${libdir}/libpng16.a \${libdir}/libjpeg.a \${libdir}/libz.a" \
  libsdl2-image
pc SDL2_mixer "mixer library" "\${libdir}/libSDL2_mixer.a" libsdl2-mixer
pc SDL2_ttf "TrueType font library" \
  "\${libdir}/libSDL2_ttf.a \${libdir}/libfreetype.a \${libdir}/libz.a" libsdl2-ttf

# Each library's terms travel with the game: Debian's copyright file of its source.
mkdir -p "$prefix/share/licenses"
for p in "${packages[@]}"; do
  cp "${folder[$p]}/debian/copyright" "$prefix/share/licenses/$p.txt"
done

touch "$prefix/.complete"
ln -sfn "libs-$key" "$top/current"
rm -rf "$work"
say "built in $((SECONDS - start)) s: $prefix"
echo "$prefix"
