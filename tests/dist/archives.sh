# The packages `make dist` writes: the expected files under velmo-VERSION/, the programs as
# built and importing FFmpeg's DLLs shipped beside them, the licences, a read-me Notepad shows,
# and names every unpacker reads; the 64-bit package's vmrctool.exe saves a video where it was
# unpacked.
# $1 = tools/dist/make-dist.sh, $2 = version, $3 = i686 velmo.exe, $4 = x86_64 velmo.exe,
# $5 = tools/wine-run.sh
set -euo pipefail
make_dist=$1
version=$2
wine_run=$5
project=$(cd "$(dirname "$make_dist")/../.." && pwd)
about=$project/app/about.html
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

bash "$make_dist" "$work/dist" >/dev/null || fail "make-dist.sh failed"

# same_program TRIPLE BUILT PACKAGED: the packaged program is the built one less its debug
# sections: code, data and resources alike.
same_program() {
  local section
  "$1-objdump" -h "$3" | grep -q ' \.debug' && fail "$3 keeps its debug sections"
  for section in .text .rdata .data .rsrc; do
    "$1-objcopy" -O binary -j "$section" "$2" "$work/built-section"
    "$1-objcopy" -O binary -j "$section" "$3" "$work/packaged-section"
    cmp -s "$work/built-section" "$work/packaged-section" || fail "$3: $section is not the build's"
  done
}

# The DLLs of Windows itself that a shipped file may import (dwmapi: the overlay's frame bounds,
# on every system since Vista); anything else must be in the package.
system_dll='^(kernel32|user32|gdi32|msimg32|advapi32|shell32|shlwapi|comdlg32|comctl32|ole32|oleaut32|uxtheme|msvcrt|bcrypt|ws2_32|winmm|version|dwmapi)\.dll$'

# imports TRIPLE FILE: the DLL names FILE imports, one a line.
imports() {
  "$1-objdump" -p "$2" | sed -n 's/^\tDLL Name: //p'
}

# check_dlls TRIPLE FOLDER BUILD-FOLDER: FFmpeg's five DLLs, each the build's, stripped, and
# importing only the system and each other; the programs import them.
check_dlls() {
  local triple=$1 folder=$2 build=$3 library dll name
  for library in avcodec avformat avfilter avutil swscale; do
    dll=$(ls "$folder/$library"-*.dll 2>/dev/null) || fail "$folder: no $library DLL"
    cmp -s "$dll" "$build/app/${dll##*/}" || fail "$dll is not the one the build placed beside velmo.exe"
    "$triple-objdump" -h "$dll" | grep -q ' \.debug' && fail "$dll keeps its debug sections"
    "$triple-objdump" -t "$dll" | grep -q '^\[' && fail "$dll keeps its symbol table"
  done
  for dll in "$folder"/*.dll "$folder/velmo.exe" "$folder/vmrctool.exe"; do
    for name in $(imports "$triple" "$dll"); do
      [ -f "$folder/$name" ] || echo "$name" | tr 'A-Z' 'a-z' | grep -Eq "$system_dll" ||
        fail "${dll##*/} imports $name, neither a system DLL nor in the package"
    done
  done
  for library in avcodec avformat avfilter avutil swscale; do
    imports "$triple" "$folder/velmo.exe" | grep -q "^$library-[0-9]*\.dll$" || fail "velmo.exe does not import $library"
  done
  for library in avcodec avformat avutil; do
    imports "$triple" "$folder/vmrctool.exe" | grep -q "^$library-[0-9]*\.dll$" || fail "vmrctool.exe does not import $library"
  done
}

# check_licences FOLDER README: a licence per library headed by its source package and version,
# each version named in the read-me; FFmpeg's is the LGPL 2.1 and names the version built.
check_licences() {
  local folder=$1/LICENSES readme=$2 library heading
  for library in FFmpeg openh264 zlib minizip libjpeg-turbo libpng libtiff MinGW-w64; do
    [ -s "$folder/$library.txt" ] || fail "no licence of $library"
    heading=$(head -n 1 "$folder/$library.txt" | tr -d '\r')
    [[ $heading =~ ^$library:\ Debian\ source\ package\ ([^ ]+)\ ([^ ]+)$ ]] || fail "$library: heading '$heading'"
    grep -q "$library：Debian 源代码包 ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}" "$readme" ||
      fail "the read-me does not name $library's source version"
  done
  grep -q 'GNU LESSER GENERAL PUBLIC LICENSE' "$folder/FFmpeg.txt" && grep -q 'Version 2.1' "$folder/FFmpeg.txt" ||
    fail "FFmpeg's licence is not the LGPL 2.1"
  local built_version
  built_version=$(head -n 1 "$project/build/deps/$triple/.media-versions" | tr ';' '\n' | sed -n 's/^ *ffmpeg //p')
  [ "$(head -n 1 "$folder/FFmpeg.txt" | tr -d '\r')" = "FFmpeg: Debian source package ffmpeg $built_version" ] ||
    fail "FFmpeg's licence does not name the version built"
}

# check_archive SUFFIX TRIPLE BUILT-VELMO MACHINE: lists, tests and unpacks one package whose
# programs are built for MACHINE (as `file` names it).
check_archive() {
  local archive=$work/dist/velmo-$version-$1.zip triple=$2 built=$3 machine=$4 top=velmo-$version
  [ -f "$archive" ] || fail "no $archive"
  unzip -tq "$archive" >/dev/null || fail "$archive does not test clean"
  unzip -Z1 "$archive" | sort >"$work/listed"
  { printf '%s\n' "$top/" "$top/about.html" "$top/velmo.exe" "$top/vmrctool.exe" "$top/说明.txt" "$top/LICENSES/"
    ls "$(dirname "$built")" | grep '\.dll$' | sed "s|^|$top/|"
    for library in FFmpeg openh264 zlib minizip libjpeg-turbo libpng libtiff MinGW-w64; do
      echo "$top/LICENSES/$library.txt"
    done; } | sort >"$work/expected"
  diff -u "$work/expected" "$work/listed" >&2 || fail "$archive lists other files"
  python3 - "$archive" <<'PY' || fail "$archive: the read-me's name is not flagged as UTF-8"
import sys, zipfile
entries = zipfile.ZipFile(sys.argv[1]).infolist()
sys.exit(0 if all(e.flag_bits & 0x800 for e in entries if not e.filename.isascii()) else 1)
PY
  local unpacked=$work/$1
  unzip -q "$archive" -d "$unpacked"
  file -b "$unpacked/$top/velmo.exe" | grep -q "(GUI) $machine" || fail "$archive: velmo.exe is not a GUI program for $machine"
  file -b "$unpacked/$top/vmrctool.exe" | grep -q "(console) $machine" || fail "$archive: vmrctool.exe is not for $machine"
  same_program "$triple" "$built" "$unpacked/$top/velmo.exe"
  check_dlls "$triple" "$unpacked/$top" "$(dirname "$built")/.."
  cmp -s "$about" "$unpacked/$top/about.html" || fail "$archive: about.html is not the program's"
  local readme=$unpacked/$top/说明.txt
  [ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "$archive: the read-me has no UTF-8 mark"
  iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null || fail "$archive: the read-me is not UTF-8"
  [ "$(grep -c $'\r$' "$readme")" = "$(grep -c '' "$readme")" ] || fail "$archive: a read-me line does not end in CR LF"
  grep -q "Velmo屏幕录像器 $version" "$readme" || fail "$archive: the read-me does not name the version"
  grep -q '@VERSION@' "$readme" && fail "$archive: a placeholder is left in the read-me"
  grep -q 'vmrctool' "$readme" || fail "$archive: the read-me does not explain the companion tool"
  grep -q 'FFmpeg.*LGPL\|LGPL.*FFmpeg\|GNU LGPL' "$readme" || fail "$archive: the read-me does not name the libraries' licences"
  check_licences "$unpacked/$top" "$readme"
}

check_archive win32 i686-w64-mingw32 "$3" "Intel 80386"
check_archive win64 x86_64-w64-mingw32 "$4" "x86-64"

# The unpacked 64-bit package at work, started from another folder: vmrctool.exe loads FFmpeg's
# DLLs from its own folder and saves two frames as an MP4.
frames=$work/frames
mkdir -p "$frames"
for n in 1 2; do
  { printf 'P6\n16 16\n255\n'; head -c 768 /dev/zero | tr '\0' "\\$((100 + n))"; } | cjpeg >"$frames/$n.jpg"
done
(cd "$work" && "$wine_run" "$work/win64/velmo-$version/vmrctool.exe" export "Z:$frames" "Z:$work/two.mp4" >/dev/null 2>&1) ||
  fail "the packaged vmrctool.exe did not export a video"
[ "$(head -c 8 "$work/two.mp4" | tail -c 4)" = ftyp ] || fail "the packaged vmrctool.exe wrote no MP4"
echo "both packages hold"
