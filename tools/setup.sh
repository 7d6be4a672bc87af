#!/usr/bin/env bash
# Installs what building and testing needs on Debian 12, as root. Quick when all is present:
# it asks dpkg first and touches apt only for what is missing.
set -euo pipefail

packages=(
  cmake ninja-build make dpkg-dev xz-utils bzip2 nasm
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 libz-mingw-w64-dev
  googletest
  wine64 xvfb xauth locales fonts-wqy-microhei fonts-wine
  unzip zip libjpeg-turbo-progs python3 perl
  # More archivers whose recordings must unpack (bsdtar, 7z), and the real keyboard for the
  # window tests (xdotool).
  libarchive-tools p7zip-full xdotool
  g++ icoutils file
  # The native fuzz targets (tools/fuzz.sh): clang with libFuzzer and Debian's own libraries.
  clang libclang-rt-14-dev pkg-config zlib1g-dev libminizip-dev libjpeg62-turbo-dev libpng-dev libtiff-dev
  # The performance report: ffmpeg is the capture peer, matplotlib draws the chart.
  ffmpeg python3-matplotlib
  # Sound for the tests: a PulseAudio server of their own, which Wine records and plays through.
  pulseaudio pulseaudio-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# The libraries that Debian ships no MinGW build of are built from Debian's own source
# packages, so apt needs to know where those sources are: the set-up lists them beside the
# machine's own deb entries, from the same mirrors with the same keys, and only where the machine
# lists no sources of its own.
src_list=/etc/apt/sources.list.d/velmo-deb-src.sources
sources_changed=$(bash "$(dirname "$0")/deb-src-entries.sh" /etc/apt "$src_list")
need_update=0
[ -z "$sources_changed" ] || need_update=1

if [ ${#missing[@]} -gt 0 ] || [ "$need_update" = 1 ]; then
  echo "setup: installing ${missing[*]:-(source lists only)}"
  apt-get update -qq
  if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
fi

# Wine takes its ANSI code page (936 for Simplified Chinese) from the locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
