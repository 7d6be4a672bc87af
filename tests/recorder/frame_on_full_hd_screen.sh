#!/usr/bin/env bash
# Runs the frame-layout test of recorder_tests.exe on a Wine desktop of 1920x1080, so a frame
# is taken of a full-HD primary screen: 6,220,854 bytes with every header field.
# $1 = recorder_tests.exe, $2 = tools/wine-run.sh
set -euo pipefail
output=$("$2" explorer /desktop=velmo-full-hd,1920x1080 "$1" \
  --gtest_filter=CaptureLoop.FramesAreWholeScreenBitmapsWithEveryHeaderField 2>&1 | tr -d '\r')
echo "$output"
grep -q '^frame of a 1920x1080 screen: 6220854 bytes$' <<<"$output" || { echo "FAIL: no full-HD frame" >&2; exit 1; }
grep -q '^\[  PASSED  \] 1 test\.$' <<<"$output" || { echo "FAIL: the frame test did not pass" >&2; exit 1; }
