#!/usr/bin/env bash
# Packs the two Windows builds, as they are, into dist/ (or the folder given as $1):
#   velmo-VERSION-win32.zip  the i686 build, the one users get
#   velmo-VERSION-win64.zip  the x86_64 build
# Each holds one folder velmo-VERSION/ with velmo.exe and vmrctool.exe (stripped), FFmpeg's DLLs
# beside them as the build placed them, about.html, the Chinese read-me 说明.txt and LICENSES/
# with each library's licence and source version. `make dist` builds both targets first; VERSION
# is the one the builds read from the project() line of the top CMakeLists.txt.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
here=$top/tools/dist
out=${1:-$top/dist}

fail() {
  echo "make-dist: $*" >&2
  exit 1
}
source "$here/licences.sh"

build_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$top/build/$1/CMakeCache.txt" 2>/dev/null || true
}

version=$(build_version i686-w64-mingw32)
[ -n "$version" ] || fail "no i686 build in build/i686-w64-mingw32: run make dist"
[ "$(build_version x86_64-w64-mingw32)" = "$version" ] ||
  fail "the two builds disagree on the version (or one is missing): run make dist"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# The read-me as Notepad on any Windows shows it: UTF-8 with a byte-order mark, since without
# one older Notepads read the ANSI code page, and CR LF line ends, since they show a bare LF
# as nothing at all. $1 lists the libraries' source versions.
write_readme() {
  printf '\xEF\xBB\xBF'
  sed -e "s/@VERSION@/$version/" -e "/@LIBRARIES@/{r $1" -e 'd}' "$here/readme-zh.txt" | sed 's/$/\r/'
}

# package TRIPLE SUFFIX: stages one build and zips it as velmo-VERSION-SUFFIX.zip.
package() {
  local build=$top/build/$1 folder=velmo-$version archive=velmo-$version-$2.zip
  local stage=$work/$2/$folder
  mkdir -p "$stage"
  for file in app/velmo.exe tools/vmrctool/vmrctool.exe app/about.html; do
    [ -f "$build/$file" ] || fail "$build/$file is missing: run make dist"
  done
  # The programs without the debug sections the static runtime libraries bring: a quarter
  # less to download, and nothing a user's machine can read.
  "$1-strip" -o "$stage/velmo.exe" "$build/app/velmo.exe"
  "$1-strip" -o "$stage/vmrctool.exe" "$build/tools/vmrctool/vmrctool.exe"
  # FFmpeg's DLLs as they sit beside the built programs, where the tests loaded them from.
  local dlls=("$build"/app/*.dll)
  [ -f "${dlls[0]}" ] || fail "no DLLs beside $build/app/velmo.exe: run make dist"
  cp "${dlls[@]}" "$stage/"
  cp "$build/app/about.html" "$stage/"
  write_licences "$top/build/deps" "$1" "$stage/LICENSES" >"$work/libraries-$2" || fail "the licences of $1"
  write_readme "$work/libraries-$2" >"$stage/说明.txt"
  (cd "$work/$2" && zip -q -r -X -9 "$work/$archive" "$folder")
  python3 "$here/mark_utf8_names.py" "$work/$archive"
  mv -f "$work/$archive" "$out/$archive"
  echo "$out/$archive"
}

package i686-w64-mingw32 win32
package x86_64-w64-mingw32 win64
