#!/usr/bin/env bash
# vmrctool's tojpeg, called as the save pipeline calls ConvertToJpeg, against libjpeg-turbo's own
# tools: djpeg must read what we write and report the JFIF header, baseline frame and sampling the
# recording files promise, and cjpeg at the same quality shows the Huffman tables are optimised.
# Arguments: vmrctool.exe, tools/wine-run.sh.
set -euo pipefail
tool=$1
wine=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# 24-bit bottom-up BMP files like the recorder's frames, with no resolution so that cjpeg has
# none to copy into its JFIF header.
python3 - "$work" <<'PY'
import struct, sys
def bmp(path, width, height, colour):
    row_bytes = (width * 24 + 31) // 32 * 4
    rows = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            red, green, blue = colour(x, y)
            row += bytes((blue, green, red))
        rows += row + bytes(row_bytes - len(row))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(rows), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 0, 0, 0, 0)
    open(path, 'wb').write(header + info + rows)
work = sys.argv[1]
bmp(work + '/a.bmp', 320, 240, lambda x, y: (x * 255 // 320, y * 255 // 240, (x * y) % 256))
bmp(work + '/big.bmp', 1920, 1080, lambda x, y: ((x // 64) * 8 % 256, (y // 36) * 8 % 256, 128))
PY

convert() { "$wine" "$tool" tojpeg "Z:$work/$1" "Z:$work/$2" 80 >/dev/null || fail "tojpeg $1 did not give 1"; }

convert a.bmp a.jpg
if djpeg -verbose -verbose -outfile "$work/a.ppm" "$work/a.jpg" 2>"$work/trace.txt"; then
  expect() { grep -qF -- "$1" "$work/trace.txt" || fail "djpeg does not report: $1"; }
  expect "JFIF APP0 marker: version 1.01, density 1x1  0"
  expect "Start Of Frame 0xc0: width=320, height=240, components=3"
  expect "Component 1: 2hx2v q=0"
  expect "Component 2: 1hx1v q=1"
  expect "Component 3: 1hx1v q=1"
  ! grep -q "Define Restart Interval" "$work/trace.txt" || fail "restart markers written"
  [ "$(head -c 2 "$work/a.ppm")" = P6 ] || fail "djpeg wrote no picture"
else
  fail "djpeg cannot decode a.jpg"
fi

# Without optimised tables our file would be exactly as large as cjpeg's plain one.
cjpeg -quality 80 -outfile "$work/plain.jpg" "$work/a.bmp"
cjpeg -quality 80 -optimize -outfile "$work/optimized.jpg" "$work/a.bmp"
ours=$(stat -c %s "$work/a.jpg")
plain=$(stat -c %s "$work/plain.jpg")
[ "$ours" -lt "$plain" ] || fail "a.jpg ($ours bytes) is not smaller than cjpeg without -optimize ($plain bytes)"
cmp -s "$work/a.jpg" "$work/optimized.jpg" || fail "a.jpg differs from cjpeg -quality 80 -optimize"

convert big.bmp big.jpg
if djpeg -outfile "$work/big.ppm" "$work/big.jpg" 2>/dev/null; then
  [ "$(head -c 16 "$work/big.ppm" | tr '\n' ' ')" = "P6 1920 1080 255" ] || fail "big.jpg is not 1920 x 1080"
else
  fail "djpeg cannot decode big.jpg"
fi

[ "$failures" -eq 0 ] && echo "imaging_djpeg: all checks passed"
exit "$failures"
