# velmo.exe as Windows sees the file: a GUI program of its architecture, RecorderWindow's icon
# as its icon, and a version block in Simplified Chinese.
# $1 = write_recorder_icon.exe, $2 = tools/wine-run.sh, $3 = version, $4 = i686 velmo.exe,
# $5 = x86_64 velmo.exe
set -euo pipefail
icon_writer=$1
wine_run=$2
version=$3
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The icon as RecorderIconFile() gives it, from the Windows build of the writer.
"$wine_run" "$icon_writer" "Z:$work/reference.ico" >/dev/null 2>&1 || fail "the icon writer failed"
[ "$(stat -c %s "$work/reference.ico")" = 2238 ] || fail "the reference icon is not 2238 bytes"

# check_icon EXE: one icon image, byte for byte the image of the .ico file, and one icon group
# whose entry is the .ico file's directory entry pointing at that image.
check_icon() {
  local exe=$1
  local images groups
  images=$(wrestool -l --type=3 "$exe" | wc -l)
  groups=$(wrestool -l --type=14 "$exe" | wc -l)
  [ "$images" = 1 ] && [ "$groups" = 1 ] || fail "$exe: $images icon images and $groups icon groups"
  local image_id
  image_id=$(wrestool -l --type=3 "$exe" | sed -n 's/.*--name=\([0-9]*\).*/\1/p')
  wrestool -x --raw --type=3 "$exe" >"$work/image"
  # The image is what follows the .ico file's 6-byte header and one 16-byte directory entry.
  tail -c +23 "$work/reference.ico" | cmp -s - "$work/image" || fail "$exe: the icon image differs from RecorderIconFile()"
  {
    head -c 18 "$work/reference.ico"
    printf "\\x$(printf %02x $((image_id & 255)))\\x$(printf %02x $((image_id >> 8)))"
  } >"$work/expected-group"
  wrestool -x --raw --type=14 "$exe" | cmp -s - "$work/expected-group" ||
    fail "$exe: the icon group is not the directory of RecorderIconFile()"
}

# check_version EXE: the fixed and the string parts carry the project's version and names.
check_version() {
  local exe=$1
  wrestool -x --raw --type=16 "$exe" | python3 "$here/version_block.py" >"$work/version.txt"
  cat >"$work/expected-version.txt" <<LINES
Key=VS_VERSION_INFO
Fixed.FileVersion=$version.0
Fixed.ProductVersion=$version.0
Fixed.FileOS=0x40004
Fixed.FileType=1
StringTable=080404B0
CompanyName=Velmo
FileDescription=Velmo屏幕录像器
FileVersion=$version
InternalName=velmo
OriginalFilename=velmo.exe
ProductName=Velmo屏幕录像器
ProductVersion=$version
Translation=0x0804,1200
LINES
  diff -u "$work/expected-version.txt" "$work/version.txt" >&2 || fail "$exe: unexpected version block"
}

# check_program EXE KIND: the PE header as `file` reads it, then the resources, all of them in
# Simplified Chinese (2052).
# check_manifest EXE: the manifest Windows reads at start (type 24, id 1) declares the windows
# DPI unaware, so that a scaled display stretches them instead of showing them tiny.
check_manifest() {
  local exe=$1
  [ "$(wrestool -l --type=24 "$exe" | grep -c -- '--name=1 ')" = 1 ] || fail "$exe: no manifest of id 1"
  wrestool -x --raw --type=24 "$exe" >"$work/manifest.xml"
  python3 - "$work/manifest.xml" <<'PY' || fail "$exe: the manifest does not declare the windows DPI unaware"
import sys, xml.etree.ElementTree as tree
settings = {element.tag.split("}")[1]: element.text for element in tree.parse(sys.argv[1]).iter() if "}" in element.tag}
sys.exit(0 if settings.get("dpiAware") == "false" and settings.get("dpiAwareness") == "unaware" else 1)
PY
}

check_program() {
  local exe=$1 kind=$2
  [ -f "$exe" ] || fail "$exe is missing: build both targets (make build)"
  file -b "$exe" | grep -q "^$kind" || fail "$exe: file says '$(file -b "$exe")', not '$kind'"
  wrestool -l "$exe" | grep -v -- '--language=2052 ' && fail "$exe: a resource not in Simplified Chinese"
  check_icon "$exe"
  check_version "$exe"
  check_manifest "$exe"
}

check_program "$4" "PE32 executable (GUI) Intel 80386"
check_program "$5" "PE32+ executable (GUI) x86-64"
echo "velmo.exe resources hold in both builds"
