#!/usr/bin/env bash
# Runs the first-run tour (tools/tour/run-tour.sh) into a temporary folder and checks what it
# left: the pictures are PNG files of the windows' sizes, and the recording it saved at 80
# percent through SaveDialog tests clean with Info-ZIP and holds frames 1.jpg to N.jpg of 80
# percent of the 1024x768 screen, N being the 30 or more frames of its three-second take; the
# second take it saved as tour.mp4 reads with ffprobe as H.264 4:2:0 at 10 frames a second with
# 15 or more frames, every one decoding cleanly, and an AAC track with the microphone's tone.
# $1 = the x86_64 build folder
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/velmo-tour.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$top/tools/tour/run-tour.sh" "$work" "$1"

# Width and height of a PNG file, from its IHDR chunk.
png_size() {
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$1 is not a PNG file"
  local w h
  w=$(od -An -j16 -N4 -tu1 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  h=$(od -An -j20 -N4 -tu1 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  echo "${w}x$h"
}
[ "$(png_size "$work/tour-recorder.png")" = 244x115 ] || fail "tour-recorder.png is not RecorderWindow"
[ "$(png_size "$work/tour-recorder-paused.png")" = 244x115 ] || fail "tour-recorder-paused.png is not RecorderWindow"
[ "$(png_size "$work/tour-save-dialog.png")" = 317x184 ] || fail "tour-save-dialog.png is not SaveDialog"
# PlayerWindow fits itself around the first frame at 80 percent: 655 + 6 pixels wide.
player=$(png_size "$work/tour-player.png")
[ "${player%x*}" = 661 ] || fail "tour-player.png is $player, not PlayerWindow around a 819x614 frame"
png_size "$work/tour-tray-menu.png" >/dev/null
[ "$(png_size "$work/tour-region-overlay.png")" = 1024x768 ] || fail "tour-region-overlay.png is not the whole screen"
[ "$(png_size "$work/tour-settings.png")" = 300x536 ] || fail "tour-settings.png is not the settings window"

unzip -tq "$work/tour.vmrc"
frames=$(zipinfo -1 "$work/tour.vmrc" | wc -l)
[ "$frames" -ge 30 ] || fail "a three-second take of only $frames frames"
expected=$(seq 1 "$frames" | sed 's/$/.jpg/' | sort)
[ "$(zipinfo -1 "$work/tour.vmrc" | sort)" = "$expected" ] || fail "entries are not 1.jpg to $frames.jpg"
unzip -p "$work/tour.vmrc" 1.jpg >"$work/1.jpg"
djpeg -pnm -outfile "$work/1.ppm" "$work/1.jpg"
size=$(sed -n 2p "$work/1.ppm")
[ "$size" = "819 614" ] || fail "frame 1 is $size, not 80 percent of 1024x768"

video=$(ffprobe -v error -select_streams v:0 -count_frames \
  -show_entries stream=codec_name,pix_fmt,width,height,r_frame_rate,nb_read_frames -of default=noprint_wrappers=1 \
  "$work/tour.mp4") || fail "ffprobe cannot read tour.mp4"
# The second take is of the 981x591 region dragged around the test picture, saved at 80 percent;
# its bottom edge may snap to the taskbar's top, a few pixels lower.
grep -Eqx 'height=4(7[2-9]|80)' <<<"$video" || fail "tour.mp4 is not as high as the region:"$'\n'"$video"
for field in codec_name=h264 pix_fmt=yuv420p width=784 r_frame_rate=10/1; do
  grep -qx "$field" <<<"$video" || fail "tour.mp4: no $field in"$'\n'"$video"
done
video_frames=$(sed -n 's/^nb_read_frames=//p' <<<"$video")
[ "$video_frames" -ge 15 ] || fail "tour.mp4 holds only $video_frames frames of a take of one and a half seconds"
# The second take had the microphone on: an AAC track as long as the video within a frame,
# carrying the sound server's 440 Hz sine.
durations=$(ffprobe -v error -show_entries stream=codec_name,duration -of csv=p=0 "$work/tour.mp4")
grep -q '^aac,' <<<"$durations" || fail "tour.mp4 has no AAC track:"$'\n'"$durations"
python3 - "$durations" <<'PY' || fail "tour.mp4's sound and video lengths differ by more than a frame: $durations"
import sys
lengths = dict(line.split(",") for line in sys.argv[1].split())
sys.exit(0 if abs(float(lengths["aac"]) - float(lengths["h264"])) <= 0.1 else 1)
PY
ffmpeg -nostdin -v error -i "$work/tour.mp4" -map 0:a -ac 1 -ar 8000 -f f32le "$work/sound.raw"
python3 - "$work/sound.raw" <<'PY' || fail "tour.mp4's sound does not carry the 440 Hz tone"
import array, math, sys
samples = array.array("f", open(sys.argv[1], "rb").read())
middle = samples[len(samples) // 4: len(samples) * 3 // 4]
def amplitude(frequency):
    step = 2 * math.pi * frequency / 8000
    re = sum(s * math.cos(step * i) for i, s in enumerate(middle))
    im = sum(s * math.sin(step * i) for i, s in enumerate(middle))
    return 2 * math.hypot(re, im) / len(middle)
best = max(range(400, 481, 2), key=amplitude)
sys.exit(0 if abs(best - 440) <= 5 and amplitude(best) > 0.05 else 1)
PY
errors=$(ffmpeg -nostdin -v warning -i "$work/tour.mp4" -f null - 2>&1)
[ -z "$errors" ] || fail "tour.mp4 decodes with: $errors"
echo "the tour saved $frames frames at 80 percent, a video of $video_frames frames, and pictured the windows"
