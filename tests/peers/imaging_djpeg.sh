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
# none to copy into its JFIF header. Perl is part of every Debian system.
write_bmp() {
  perl -e '
    my ($path, $width, $height, $pattern) = @ARGV;
    my $padding = int(($width * 24 + 31) / 32) * 4 - $width * 3;
    my $rows = "";
    for (my $y = $height - 1; $y >= 0; --$y) {
      for my $x (0 .. $width - 1) {
        my ($red, $green, $blue) = $pattern eq "gradient"
          ? (int($x * 255 / $width), int($y * 255 / $height), ($x * $y) % 256)
          : (int($x / 64) * 8 % 256, int($y / 36) * 8 % 256, 128);
        $rows .= pack("C3", $blue, $green, $red);
      }
      $rows .= "\0" x $padding;
    }
    open(my $file, ">:raw", $path) or die "$path: $!";
    print $file pack("A2 V v v V", "BM", 54 + length($rows), 0, 0, 54),
                pack("V l l v v V V l l V V", 40, $width, $height, 1, 24, 0, length($rows), 0, 0, 0, 0), $rows;
  ' "$@"
}
write_bmp "$work/a.bmp" 322 241 gradient
write_bmp "$work/big.bmp" 1920 1080 blocks

convert() { "$wine" "$tool" tojpeg "Z:$work/$1" "Z:$work/$2" 80 >/dev/null || fail "tojpeg $1 did not give 1"; }

convert a.bmp a.jpg
if djpeg -verbose -verbose -outfile "$work/a.ppm" "$work/a.jpg" 2>"$work/trace.txt"; then
  expect() { grep -qF -- "$1" "$work/trace.txt" || fail "djpeg does not report: $1"; }
  expect "JFIF APP0 marker: version 1.01, density 1x1  0"
  expect "Start Of Frame 0xc0: width=322, height=241, components=3"
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

# Progressive pictures are sources too; one split into a hundred scans (each a pass over the
# whole picture) is refused, as many more could keep the decoder busy for minutes.
cjpeg -quality 80 -progressive -outfile "$work/progressive.jpg" "$work/a.bmp"
convert progressive.jpg progressive-again.jpg
{
  echo "0,1,2: 0 0 0 0;"
  for k in $(seq 1 33); do for c in 0 1 2; do echo "$c: $k $k 0 0;"; done; done
} >"$work/many-scans.txt"
cjpeg -quality 80 -scans "$work/many-scans.txt" -outfile "$work/many-scans.jpg" "$work/a.bmp"
djpeg -outfile /dev/null "$work/many-scans.jpg" || fail "djpeg cannot decode many-scans.jpg"
result=$("$wine" "$tool" tojpeg "Z:$work/many-scans.jpg" "Z:$work/many-scans-again.jpg" 80 | tr -d '\r' || true)
[ "$result" = -3 ] || fail "a picture of 100 scans gave $result, not -3"

# Damaged pictures that djpeg shows with a warning convert too, to a picture of the same size
# whose top rows are the original's: a missing end marker, bytes before the end marker, and a
# scan cut short (libjpeg fills the missing rows).
head -c -2 "$work/a.jpg" >"$work/no-end.jpg"
{ head -c -2 "$work/a.jpg"; printf 'extraneous'; tail -c 2 "$work/a.jpg"; } >"$work/extraneous.jpg"
head -c $(($(stat -c %s "$work/a.jpg") * 2 / 3)) "$work/a.jpg" >"$work/short-scan.jpg"
for damaged in no-end extraneous short-scan; do
  # djpeg's exit status 2 says it wrote the picture with a warning.
  status=0
  djpeg -outfile "$work/$damaged-djpeg.ppm" "$work/$damaged.jpg" 2>"$work/$damaged-warning.txt" || status=$?
  [ "$status" = 2 ] || fail "djpeg gave status $status for $damaged.jpg, not 2 (shown with a warning)"
  grep -q "Corrupt JPEG data\|Premature end" "$work/$damaged-warning.txt" || fail "djpeg gives no warning for $damaged.jpg"
  result=$("$wine" "$tool" tojpeg "Z:$work/$damaged.jpg" "Z:$work/$damaged-again.jpg" 100 | tr -d '\r' || true)
  [ "$result" = 1 ] || fail "$damaged.jpg gave $result, not 1"
  djpeg -outfile "$work/$damaged-again.ppm" "$work/$damaged-again.jpg" 2>/dev/null || fail "djpeg cannot read $damaged-again.jpg"
  [ "$(head -c 15 "$work/$damaged-again.ppm" | tr '\n' ' ')" = "P6 322 241 255 " ] || fail "$damaged-again.jpg is not 322 x 241"
  # The first row, against the one djpeg shows of the damaged file: the same within JPEG's loss.
  python3 - "$work/$damaged-djpeg.ppm" "$work/$damaged-again.ppm" <<'PY' || fail "$damaged-again.jpg does not show the picture"
import sys
def first_row(path):
    data = open(path, "rb").read()
    header_end = data.index(b"255\n") + 4
    return data[header_end:header_end + 322 * 3]
theirs, ours = first_row(sys.argv[1]), first_row(sys.argv[2])
sys.exit(0 if max(abs(a - b) for a, b in zip(theirs, ours)) <= 24 else 1)
PY
done

[ "$failures" -eq 0 ] && echo "imaging_djpeg: all checks passed"
exit "$failures"
