#!/usr/bin/env bash
# Builds the libraries Debian ships no MinGW build of (minizip, libjpeg-turbo, libpng, libtiff)
# from Debian's own source packages, for one target, into build/deps/TRIPLE. zlib itself comes
# from Debian's libz-mingw-w64-dev. Runs once: a stamp naming the source versions marks a
# finished prefix, and a later run with the same versions does nothing.
set -euo pipefail

triple=${1:?usage: build-deps.sh i686-w64-mingw32|x86_64-w64-mingw32}
top=$(cd "$(dirname "$0")/.." && pwd)
deps=$top/build/deps
src=$deps/src
prefix=$deps/$triple
work=$deps/build-$triple
toolchain=$top/cmake/toolchain-$triple.cmake
packages=(zlib libjpeg-turbo libpng1.6 tiff)

me=build-deps
source "$top/tools/deps-sources.sh"
versions=$(source_versions "$src" "${packages[@]}")
stamp=$prefix/.deps-versions
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$versions" ]; then
  exit 0
fi

echo "build-deps: building for $triple"
fetch_sources "$src" "${packages[@]}"
versions=$(source_versions "$src" "${packages[@]}")
zlib_src=$(ls -d "$src"/zlib-*/ | head -n 1)
jpeg_src=$(ls -d "$src"/libjpeg-turbo-*/ | head -n 1)
png_src=$(ls -d "$src"/libpng1.6-*/ | head -n 1)
tiff_src=$(ls -d "$src"/tiff-*/ | head -n 1)

rm -rf "$prefix" "$work"
mkdir -p "$prefix/include/minizip" "$prefix/lib" "$work"
jobs=$(nproc)

cmake_build() { # name source-dir cmake-args...
  local name=$1 dir=$2; shift 2
  cmake -S "$dir" -B "$work/$name" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DBUILD_SHARED_LIBS=OFF "$@" >"$work/$name.log" 2>&1 \
    && cmake --build "$work/$name" -j "$jobs" >>"$work/$name.log" 2>&1 \
    && cmake --install "$work/$name" >>"$work/$name.log" 2>&1 \
    || { echo "build-deps: $name failed, see $work/$name.log" >&2; tail -n 30 "$work/$name.log" >&2; exit 1; }
}

# minizip: only the unzip interface with its Win32 file functions; decryption left out, since
# the program supports no encrypted archives.
mz=$zlib_src/contrib/minizip
for f in unzip ioapi iowin32; do
  "$triple-gcc" -O2 -DNOUNCRYPT -c "$mz/$f.c" -o "$work/mz-$f.o"
done
"$triple-ar" rcs "$prefix/lib/libminizip.a" "$work"/mz-*.o
cp "$mz/unzip.h" "$mz/ioapi.h" "$mz/iowin32.h" "$prefix/include/minizip/"

case $triple in i686-*) simd_proc=i686 ;; *) simd_proc=x86_64 ;; esac
cmake_build libjpeg-turbo "$jpeg_src" -DWITH_JPEG7=ON -DWITH_SIMD=ON -DENABLE_SHARED=OFF \
  -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DCMAKE_SYSTEM_PROCESSOR=$simd_proc \
  -DCMAKE_ASM_NASM_COMPILER=nasm -DCMAKE_INSTALL_DOCDIR="$work/unused-doc" \
  -DCMAKE_INSTALL_MANDIR="$work/unused-man" -DCMAKE_INSTALL_BINDIR="$work/unused-bin"
cmake_build libpng "$png_src" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
  -DPNG_EXECUTABLES=OFF -DZLIB_USE_STATIC_LIBS=ON -DSKIP_INSTALL_PROGRAMS=ON
cmake_build libtiff "$tiff_src" -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF \
  -Dtiff-docs=OFF -Djpeg=OFF -Dold-jpeg=OFF -Djbig=OFF -Dlzma=OFF -Dzstd=OFF -Dwebp=OFF \
  -Dlerc=OFF -Dlibdeflate=OFF -Dcxx=OFF -DZLIB_USE_STATIC_LIBS=ON

printf '%s' "$versions" > "$stamp"
echo "build-deps: $triple ready in $prefix"
