#!/usr/bin/env bash
# The player's saves of frames 3 to 7 of a 10-frame recording held against Debian's own tools:
# player_window_tests.exe saves them as .vmrc, MP4 and GIF into a folder of this script's; the
# recording must test clean with Info-ZIP and list exactly 1.jpg to 5.jpg, deflated; each video
# must hold exactly the range's 5 frames at 10 a second and decode cleanly. The same range of a
# recording at 15 frames a second lists its rate entry after the frames, and its videos play at 15.
# $1 = player_window_tests.exe, $2 = tools/wine-run.sh
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
source "$(dirname "$0")/../peers/video_peer_common.sh"

output=$(VELMO_RANGE_OUT="Z:${work//\//\\}" "$2" "$1" \
  --gtest_filter='RangeSave.ARecordingFileHolds*:RangeSave.VideosOfTheRange:RangeSave.ARangeAtFifteen*' 2>&1 |
  tr -d '\r')
grep -q '^\[  PASSED  \] 3 tests\.$' <<<"$output" || fail "the saves did not pass:"$'\n'"$output"

unzip -t "$work/range.vmrc" >/dev/null || fail "unzip -t refuses range.vmrc"
names=$(zipinfo -1 "$work/range.vmrc" | sort -n | tr '\n' ' ')
[ "$names" = "1.jpg 2.jpg 3.jpg 4.jpg 5.jpg " ] || fail "range.vmrc lists: $names"
zipinfo "$work/range.vmrc" | grep -c ' defX ' | grep -qx 5 || fail "range.vmrc's entries are not all deflated"

names=$(unzip -Z1 "$work/range15.vmrc" | tr '\n' ' ')
[ "$names" = "1.jpg 2.jpg 3.jpg 4.jpg 5.jpg framerate.txt " ] || fail "range15.vmrc lists: $names"
[ "$(unzip -p "$work/range15.vmrc" framerate.txt)" = $'15\r' ] || fail "range15.vmrc's rate is not 15 CR LF"

# A GIF counts in hundredths of a second: at 15 its delays alternate (7, 6, 7); its average is 15.
for video in range.{mp4,gif}:r_frame_rate:10 range15.mp4:r_frame_rate:15 range15.gif:avg_frame_rate:15; do
  IFS=: read -r file field rate <<<"$video"
  report=$(probe_video "$work/$file")
  expect_probe "$report" nb_read_frames 5 "$file"
  expect_probe "$report" "$field" "$rate/1" "$file"
  expect_clean_decode "$work/$file"
done
echo "range saves: all checks passed"
