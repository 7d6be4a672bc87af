# The packages `make dist` writes: the expected files under velmo-VERSION/, the programs as
# built, a read-me Notepad shows, and names every unpacker reads.
# $1 = tools/dist/make-dist.sh, $2 = version, $3 = i686 velmo.exe, $4 = x86_64 velmo.exe
set -euo pipefail
make_dist=$1
version=$2
about=$(dirname "$make_dist")/../../app/about.html
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

# check_archive SUFFIX TRIPLE BUILT-VELMO MACHINE: lists, tests and unpacks one package whose
# programs are built for MACHINE (as `file` names it).
check_archive() {
  local archive=$work/dist/velmo-$version-$1.zip triple=$2 built=$3 machine=$4 top=velmo-$version
  [ -f "$archive" ] || fail "no $archive"
  unzip -tq "$archive" >/dev/null || fail "$archive does not test clean"
  unzip -Z1 "$archive" | sort >"$work/listed"
  printf '%s\n' "$top/" "$top/about.html" "$top/velmo.exe" "$top/vmrctool.exe" "$top/说明.txt" |
    sort >"$work/expected"
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
  cmp -s "$about" "$unpacked/$top/about.html" || fail "$archive: about.html is not the program's"
  local readme=$unpacked/$top/说明.txt
  [ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "$archive: the read-me has no UTF-8 mark"
  iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null || fail "$archive: the read-me is not UTF-8"
  [ "$(grep -c $'\r$' "$readme")" = "$(grep -c '' "$readme")" ] || fail "$archive: a read-me line does not end in CR LF"
  grep -q "Velmo屏幕录像器 $version" "$readme" || fail "$archive: the read-me does not name the version"
  grep -q '@VERSION@' "$readme" && fail "$archive: a placeholder is left in the read-me"
  grep -q 'vmrctool' "$readme" || fail "$archive: the read-me does not explain the companion tool"
  grep -q 'FFmpeg.*LGPL\|LGPL.*FFmpeg\|GNU LGPL' "$readme" || fail "$archive: the read-me does not name the libraries' licences"
}

check_archive win32 i686-w64-mingw32 "$3" "Intel 80386"
check_archive win64 x86_64-w64-mingw32 "$4" "x86-64"
echo "both packages hold"
