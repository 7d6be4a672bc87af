#!/usr/bin/env bash
# SaveDialog's MP4 and GIF saves held against Debian's ffprobe and ffmpeg: recorder_tests.exe
# saves a 12-frame moving take through the real dialog at the default 80 percent in each format
# and leaves beside the files the frames the canvas shrank for them; each file must read as
# H.264 4:2:0 or GIF at the save size, 10 frames a second, 12 frames, 1.2 seconds, decode
# without a warning, and stay near every frame it came from.
# $1 = recorder_tests.exe, $2 = tools/wine-run.sh
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
source "$(dirname "$0")/../peers/video_peer_common.sh"

output=$(VELMO_VIDEO_OUT="Z:${work//\//\\}" "$2" "$1" --gtest_filter='BothFormats/VideoSave.ATakeForThePeers/*' 2>&1 | tr -d '\r')
grep -q '^\[  PASSED  \] 2 tests\.$' <<<"$output" || fail "the saves did not pass:"$'\n'"$output"

check() { # file codec pix_fmt width floor
  local file=$work/$1 report
  report=$(probe_video "$file")
  expect_probe "$report" codec_name "$2" "$1"
  expect_probe "$report" pix_fmt "$3" "$1"
  expect_probe "$report" width "$4" "$1"
  expect_probe "$report" height 614 "$1"
  expect_probe "$report" r_frame_rate 10/1 "$1"
  expect_probe "$report" nb_read_frames 12 "$1"
  expect_probe "$report" duration 1.200000 "$1"
  expect_clean_decode "$file"
  expect_psnr_floor "$(frame_psnr "$file" "$work/ref-%d.bmp" "$4" 614)" 12 "$5" "$1"
}
# 819x614 frames at 80 percent of the 1024x768 test screen; the MP4 drops the odd last column.
# Floors for this screen-like picture (flat areas, thin strokes, a gradient): quantiser 20 keeps
# the MP4 above 45 dB, where no difference shows; the GIF's one palette holds every colour but
# the gradient's, which dithering spreads, so it stays above 40 dB.
check take.mp4 h264 yuv420p 818 45
expect_index_first "$work/take.mp4"
check take.gif gif bgra 819 40
echo "video saves through SaveDialog: all checks passed"
