#!/usr/bin/env bash
# `vmrctool unpack` extracts archives written by Info-ZIP's zip, stored (-0) and deflated,
# with folders and modification times, byte for byte; and a UTF-8 name marked by flag bit 11
# (Python's zipfile marks non-ASCII names; this zip build does not).
source "$(dirname "$0")/zip_peer_common.sh"

mkdir -p "$work/tree/sub/deeper"
jpeg_like "$work/tree/1.jpg" 20000
jpeg_like "$work/tree/2.jpg" 10
jpeg_like "$work/tree/sub/a.jpg" 70000
head -c 5000 /dev/zero >"$work/tree/sub/deeper/zeros.bin"
seq 1 30000 >"$work/tree/sub/numbers.txt"
: >"$work/tree/sub/empty.txt"
touch -d '2019-11-30 08:09:10 UTC' "$work/tree/1.jpg"

for kind in stored deflated; do
  level=-0
  [ "$kind" = deflated ] && level=-9
  (cd "$work/tree" && zip -q -r "$level" "$work/$kind.zip" .) || fail "zip could not write the $kind archive"
  result=$(vmrc unpack "$(winpath "$work/$kind.zip")" "$(winpath "$work/out-$kind/new")")
  [ "$result" = 1 ] || fail "unpack of the $kind archive answered '$result'"
  diff -r "$work/tree" "$work/out-$kind/new" || fail "the $kind archive unpacks to another tree"
  [ "$(stat -c %Y "$work/out-$kind/new/1.jpg")" = "$(stat -c %Y "$work/tree/1.jpg")" ] ||
    fail "1.jpg from the $kind archive lost its modification time"
done
expect_line "$(zipinfo -v "$work/deflated.zip" sub/numbers.txt)" 'compression method: +deflated' "zip's sub/numbers.txt"
python3 - "$work/utf8.zip" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as archive:
    archive.writestr("屏幕 录像.jpg", "录像")
assert zipfile.ZipFile(sys.argv[1]).getinfo("屏幕 录像.jpg").flag_bits & 0x800
PY
[ "$(vmrc unpack "$(winpath "$work/utf8.zip")" "$(winpath "$work/out-utf8")")" = 1 ] || fail "unpack of the UTF-8 archive failed"
[ "$(cat "$work/out-utf8/屏幕 录像.jpg")" = "录像" ] || fail "the UTF-8 name was not decoded: $(ls "$work/out-utf8")"
echo "vmrctool unpack reads Info-ZIP archives"
