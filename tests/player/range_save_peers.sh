#!/usr/bin/env bash
# The player's saves of frames 3 to 7 of a 10-frame recording held against Debian's own tools:
# player_window_tests.exe saves them as .vmrc, MP4 and GIF into a folder of this script's; the
# recording must test clean with Info-ZIP and list exactly 1.jpg to 5.jpg, deflated; each video
# must hold exactly the range's 5 frames at 10 a second and decode cleanly. The same range of a
# recording at 15 frames a second lists its rate entry after the frames, and its videos play at 15.
# The same range of a recording at 15 with an 8 kHz sound (player_sound_tests.exe) keeps the
# range's 2,667 samples as its last entry, from the source's sample 1,066 on, and its MP4 carries
# them as AAC.
# $1 = player_window_tests.exe, $2 = tools/wine-run.sh, $3 = player_sound_tests.exe
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
output=$(VELMO_RANGE_OUT="Z:${work//\//\\}" "$2" "$3" --gtest_filter='PlayerSound.ARangeKeepsTheSoundOfItsFrames' 2>&1 |
  tr -d '\r')
grep -q '^\[  PASSED  \] 1 test\.$' <<<"$output" || fail "the save with sound did not pass:"$'\n'"$output"
unzip -t "$work/range-sound.vmrc" >/dev/null || fail "unzip -t refuses range-sound.vmrc"
names=$(unzip -Z1 "$work/range-sound.vmrc" | tr '\n' ' ')
[ "$names" = "1.jpg 2.jpg 3.jpg 4.jpg 5.jpg framerate.txt sound.wav " ] || fail "range-sound.vmrc lists: $names"
unzip -p "$work/range-sound.vmrc" sound.wav >"$work/sound.wav"
report=$(ffprobe -v error -show_entries stream=codec_name,sample_rate,channels,duration_ts -of default=noprint_wrappers=1 \
  "$work/sound.wav")
for field in codec_name=pcm_s16le sample_rate=8000 channels=1 duration_ts=2667; do
  expect_probe "$report" "${field%=*}" "${field#*=}" sound.wav
done
first=$(ffmpeg -nostdin -v error -i "$work/sound.wav" -f s16le - | head -c 2 | od -An -td2 | tr -d ' ')
[ "$first" = "-8538" ] || fail "sound.wav begins with $first, not the source's sample 1066 (-8538)"
report=$(ffprobe -v error -select_streams a:0 -show_entries stream=codec_name:format=duration \
  -of default=noprint_wrappers=1 "$work/range-sound.mp4")
expect_probe "$report" codec_name aac range-sound.mp4
awk -F= '/^duration=/ { exit !($2 > 0.3 && $2 < 0.5) }' <<<"$report" || fail "range-sound.mp4 lasts: $report"
echo "range saves: all checks passed"
