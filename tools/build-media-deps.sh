#!/usr/bin/env bash
# Builds the video libraries for one target into build/deps/TRIPLE, beside the picture libraries
# of build-deps.sh, from Debian's own source packages: openh264 (BSD, the H.264 encoder) and
# FFmpeg's libavcodec, libavformat, libavfilter, libswscale and libavutil (LGPL 2.1 or later).
# FFmpeg is configured with nothing but what the MP4 and GIF saves use, and without its GPL and
# non-free parts, and is built as DLLs (avcodec-NN.dll and so on, in bin/) that the programs
# import, so a user can replace them as its licence allows. A stamp of its own, naming the source
# versions and FFmpeg's configuration, marks a finished build, so these libraries and the picture
# libraries are rebuilt only when their own sources or this configuration change.
set -euo pipefail

triple=${1:?usage: build-media-deps.sh i686-w64-mingw32|x86_64-w64-mingw32}
top=$(cd "$(dirname "$0")/.." && pwd)
deps=$top/build/deps
src=$deps/src
prefix=$deps/$triple
work=$deps/build-$triple
packages=(openh264 ffmpeg)

me=build-media-deps
source "$top/tools/deps-sources.sh"
versions=$(source_versions "$src" "${packages[@]}")
case $triple in i686-*) arch=i386 ff_arch=x86 ;; *) arch=x86_64 ff_arch=x86_64 ;; esac
# The compilers of the program itself (cmake/mingw-common.cmake), so that one C++ runtime and one
# thread model serve every object of an executable.
cc=$triple-gcc-posix
cxx=$triple-g++-posix

# FFmpeg: everything off, then the H.264 encoder through openh264, the GIF encoder, FFmpeg's own
# AAC encoder (the MP4's sound), the MP4 and GIF muxers, the file protocol, and the filters of
# the GIF palette (palettegen, paletteuse, with buffer, buffersink and the format and scale
# filters the graph inserts). Nothing is
# detected from the build machine; Win32 threads are asked for by name for that reason. The
# DLLs carry the runtime support they need (libgcc and the compiler's POSIX threads, which its
# posix variant would otherwise link as a DLL), so they depend on nothing but the system and
# each other.
ff_options=(--prefix="$prefix" --target-os=mingw32 --arch=$ff_arch --enable-cross-compile
  --cross-prefix="$triple-" --cc="$cc" --cxx="$cxx" --pkg-config=pkg-config
  --enable-shared --disable-static --extra-ldflags="-static-libgcc -no-pthread"
  --extra-libs=-l:libwinpthread.a
  --disable-debug --disable-doc --disable-programs
  --disable-autodetect --enable-w32threads --disable-network
  --disable-everything --disable-avdevice --disable-swresample --disable-postproc
  --enable-libopenh264 --enable-encoder=libopenh264,gif,aac --enable-muxer=mp4,gif
  --enable-protocol=file --enable-filter=buffer,buffersink,format,scale,palettegen,paletteuse)
stamp=$prefix/.media-versions
stamp_text=$(printf '%s\nffmpeg configured with: %s' "$versions" "${ff_options[*]}")
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$stamp_text" ]; then
  exit 0
fi
[ -f "$prefix/.deps-versions" ] || { echo "build-media-deps: run build-deps.sh $triple first" >&2; exit 1; }

echo "build-media-deps: building for $triple"
started=$SECONDS
fetch_sources "$src" "${packages[@]}"
versions=$(source_versions "$src" "${packages[@]}")
stamp_text=$(printf '%s\nffmpeg configured with: %s' "$versions" "${ff_options[*]}")
openh264_src=$(ls -d "$src"/openh264-*/ | head -n 1)
ffmpeg_src=$(ls -d "$src"/ffmpeg-*/ | head -n 1)
jobs=$(nproc)

fail() { # name log
  echo "build-media-deps: $1 failed, see $2" >&2
  tail -n 30 "$2" >&2
  exit 1
}

# openh264 builds only inside its source tree, so a copy of it is built: the static library
# without its decoder, which nothing here uses.
oh_work=$work/openh264
rm -rf "$oh_work" "$stamp"
mkdir -p "$work"
cp -a "$openh264_src" "$oh_work"
oh_log=$work/openh264.log
make -C "$oh_work" -j "$jobs" OS=mingw_nt ARCH=$arch CC="$cc" CXX="$cxx" AR="$triple-ar" \
  DECODER_OBJS= PREFIX="$prefix" install-static >"$oh_log" 2>&1 || fail openh264 "$oh_log"
# openh264 is C++: its pkg-config file asks for the C++ runtime, which avcodec's DLL takes in
# by file name, the static libraries, rather than as the compiler's DLLs no system has.
sed -i 's/ -lstdc++/ -l:libstdc++.a -l:libwinpthread.a/' "$prefix/lib/pkgconfig/openh264.pc"
echo "build-media-deps: openh264 took $((SECONDS - started)) s"

ff_started=$SECONDS
ff_work=$work/ffmpeg
ff_log=$work/ffmpeg.log
rm -rf "$ff_work"
mkdir -p "$ff_work"
# A prefix that held the static libraries of an earlier configuration loses them, so nothing
# can link them by mistake.
ff_libraries="avcodec avformat avfilter avutil swscale"
for library in $ff_libraries; do
  rm -f "$prefix/lib/lib$library.a" "$prefix/lib/lib$library.dll.a" "$prefix/bin/$library"-*.dll
done
(cd "$ff_work" && PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH= "$ffmpeg_src/configure" "${ff_options[@]}" \
  >"$ff_log" 2>&1) || fail "ffmpeg configure" "$ff_log"
grep -q '^License: LGPL version 2.1 or later' "$ff_log" || fail "ffmpeg licence (not LGPL)" "$ff_log"
make -C "$ff_work" -j "$jobs" install >>"$ff_log" 2>&1 || fail ffmpeg "$ff_log"
# Shipped as built: the DLLs the tests load are the ones the packages hold.
for library in $ff_libraries; do "$triple-strip" --strip-unneeded "$prefix/bin/$library"-*.dll; done
echo "build-media-deps: ffmpeg took $((SECONDS - ff_started)) s"

rm -rf "$oh_work" "$ff_work"
printf '%s' "$stamp_text" > "$stamp"
echo "build-media-deps: $triple ready in $prefix after $((SECONDS - started)) s"
