#!/usr/bin/env bash
# Builds the libraries the Windows game links (SDL2 and its image, mixer and
# font libraries, freetype, libpng, libjpeg-turbo, mpg123, GoogleTest) from
# Debian's own source packages with MinGW-w64, each with only what the game
# uses of it. The sources come through scripts/debian-sources.sh (a private
# apt configuration in the cache, shared with the web build); the result lands in
# a folder named for the source versions and this recipe, so it is built
# once and found again. `current` beside it links to the last one built.
#
#   scripts/windows-deps.sh [CACHE]   CACHE: $XDG_CACHE_HOME/krepogor by default
#
# Prints the libraries' folder on its last line.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/krepogor}
cache=$(mkdir -p "$cache" && cd "$cache" && pwd)
top=$cache/windows
mkdir -p "$top"
triple=x86_64-w64-mingw32
jobs=$(nproc)
say() { echo "windows-deps: $*" >&2; }

packages=(freetype libpng1.6 libjpeg-turbo mpg123 libsdl2 libsdl2-image libsdl2-mixer libsdl2-ttf
          googletest)
. "$here/debian-sources.sh"
debian_sources "$cache" "${packages[@]}"

key=$( (for p in "${packages[@]}"; do echo "$p ${version[$p]}"; done
        "$triple-g++-posix" -dumpversion; cat "$0") | sha256sum | cut -c1-16)
prefix=$top/libs-$key
if [ -f "$prefix/.complete" ]; then
  ln -sfn "libs-$key" "$top/current"
  say "already built: $prefix"
  echo "$prefix"
  exit 0
fi

rm -rf "$prefix" "$top/work"
mkdir -p "$prefix" "$top/work"
work=$top/work
toolchain=$work/toolchain.cmake
cat >"$toolchain" <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $triple-gcc-posix)
set(CMAKE_CXX_COMPILER $triple-g++-posix)
set(CMAKE_RC_COMPILER $triple-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triple $prefix)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} "$prefix/lib/pkgconfig:/usr/$triple/lib/pkgconfig")
TC
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig:/usr/$triple/lib/pkgconfig PKG_CONFIG_PATH=

# Configures, builds and installs one CMake project into the prefix.
cmake_build() {
  local p=$1 src=${folder[$1]}
  shift
  say "building $p ${version[$p]}"
  cmake -S "$src" -B "$work/$p" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_SHARED_LINKER_FLAGS="-static-libgcc" -DCMAKE_EXE_LINKER_FLAGS="-static-libgcc" \
    -DBUILD_SHARED_LIBS=ON -Wno-dev "$@" >"$work/$p.log" 2>&1 ||
    { tail -n 40 "$work/$p.log" >&2; exit 1; }
  cmake --build "$work/$p" -j"$jobs" >>"$work/$p.log" 2>&1 &&
    cmake --install "$work/$p" >>"$work/$p.log" 2>&1 ||
    { tail -n 40 "$work/$p.log" >&2; exit 1; }
}

start=$SECONDS
# freetype: TrueType outlines only, no compressed or colour fonts.
cmake_build freetype -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
cmake_build libpng1.6 -DPNG_SHARED=ON -DPNG_STATIC=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DSKIP_INSTALL_PROGRAMS=ON
cmake_build libjpeg-turbo -DENABLE_SHARED=ON -DENABLE_STATIC=OFF -DWITH_TURBOJPEG=OFF \
  -DWITH_SIMD=OFF
# mpg123: the decoding library is what the game links (no audio output
# modules); the programs made beside it are not shipped.
src=${folder[mpg123]}
say "building mpg123 ${version[mpg123]}"
mkdir -p "$work/mpg123"
(cd "$work/mpg123" &&
   "$src/configure" --host=$triple --prefix="$prefix" --enable-shared --disable-static \
     --with-audio=dummy --disable-modules \
     CC=$triple-gcc-posix LDFLAGS=-static-libgcc &&
   make -j"$jobs" && make install) >"$work/mpg123.log" 2>&1 ||
  { tail -n 40 "$work/mpg123.log" >&2; exit 1; }
# SDL2: video, audio, events, timers and game controllers (XInput, DirectInput,
# raw input and HID, with SDL's virtual controller for the tests); no haptics,
# sensors, OpenGL or Direct3D.
cmake_build libsdl2 -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF -DSDL_JOYSTICK=ON \
  -DSDL_HAPTIC=OFF -DSDL_HIDAPI=ON -DSDL_SENSOR=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF \
  -DSDL_VULKAN=OFF -DSDL_RENDER_D3D=OFF
# SDL2_image: PNG (read and written through libpng) and JPEG (libjpeg-turbo).
cmake_build libsdl2-image -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF \
  -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_TESTS=OFF -DSDL2IMAGE_BACKEND_STB=OFF \
  -DSDL2IMAGE_BACKEND_WIC=OFF -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_JPG=ON -DSDL2IMAGE_AVIF=OFF \
  -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_BMP=OFF \
  -DSDL2IMAGE_GIF=OFF -DSDL2IMAGE_LBM=OFF -DSDL2IMAGE_PCX=OFF -DSDL2IMAGE_PNM=OFF \
  -DSDL2IMAGE_QOI=OFF -DSDL2IMAGE_SVG=OFF -DSDL2IMAGE_TGA=OFF -DSDL2IMAGE_XCF=OFF \
  -DSDL2IMAGE_XPM=OFF -DSDL2IMAGE_XV=OFF
# SDL2_mixer: WAV only (the MP3s are decoded by libmpg123 itself).
cmake_build libsdl2-mixer -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF \
  -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
  -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OGG=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_WAVE=ON
cmake_build libsdl2-ttf -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF
# GoogleTest for the unit tests, linked statically into them.
cmake_build googletest -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON

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
