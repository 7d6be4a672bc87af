# Sourced by make-dist.sh: the licence texts and exact source versions of the libraries inside
# a build, taken from the Debian source packages they were built from (build/deps/src) and the
# version stamps the dependency builds leave in build/deps/TRIPLE.

# The libraries: name in the package, Debian source package, licence files in its source tree.
# minizip's licence is the opening comment of its header.
licensed_libraries=(
  "FFmpeg|ffmpeg|LICENSE.md COPYING.LGPLv2.1"
  "openh264|openh264|LICENSE"
  "zlib|libz-mingw-w64|"
  "minizip|zlib|contrib/minizip/unzip.h"
  "libjpeg-turbo|libjpeg-turbo|LICENSE.md README.ijg"
  "libpng|libpng1.6|LICENSE"
  "libtiff|tiff|LICENSE.md"
  "MinGW-w64|mingw-w64|"
)

# source_version DEPS TRIPLE PACKAGE: the package's version as the stamps name it; zlib and the
# MinGW-w64 runtime come built from Debian's MinGW packages, so dpkg names theirs.
source_version() {
  case $3 in
    libz-mingw-w64) dpkg-query -W -f='${Version}' libz-mingw-w64-dev ;;
    mingw-w64) dpkg-query -W -f='${Version}' mingw-w64-common ;;
    *) head -q -n 1 "$1/$2/.deps-versions" "$1/$2/.media-versions" | tr ';' '\n' |
         sed -n "s/^ *$3 //p" ;;
  esac
}

# licence_text DEPS PACKAGE FILES: the licence as the package holds it.
licence_text() {
  local tree file
  case $2 in
    libz-mingw-w64) cat "$(ls -d "$1"/src/zlib-*/ | head -n 1)/LICENSE" ;;
    mingw-w64) cat /usr/share/doc/mingw-w64-common/copyright ;;
    *)
      tree=$(ls -d "$1/src/$2"-*/ | head -n 1)
      for file in $3; do
        case $file in
          *.h) sed '/\*\//q' "$tree/$file" ;;
          *) cat "$tree/$file" ;;
        esac
        echo
      done
      ;;
  esac
}

# write_licences DEPS TRIPLE FOLDER: FOLDER/NAME.txt for each library, headed by its source
# package and version, in CR LF for Notepad; prints "  NAME: PACKAGE VERSION" for each, for
# the read-me.
write_licences() {
  local entry name package files version
  mkdir -p "$3"
  for entry in "${licensed_libraries[@]}"; do
    IFS='|' read -r name package files <<<"$entry"
    version=$(source_version "$1" "$2" "$package")
    [ -n "$version" ] || { echo "make-dist: no source version of $package for $2" >&2; return 1; }
    { printf '%s: Debian source package %s %s\n\n' "$name" "$package" "$version"
      licence_text "$1" "$package" "$files"; } | sed 's/\r*$/\r/' >"$3/$name.txt"
    printf '  %s：Debian 源代码包 %s %s\n' "$name" "$package" "$version"
  done
}
