#!/usr/bin/env bash
# vmrctool export against Debian's ffprobe and ffmpeg: a recording made by the program (its own
# tojpeg and pack), one made by Info-ZIP from cjpeg frames, and a folder of bitmap frames become
# MP4 and GIF files that ffprobe reads as H.264 4:2:0 or GIF at 10 frames a second with every
# frame, each decoding cleanly and near the picture it came from; a recording of 321x241 frames
# whose rate entry says 30 frames a second exports at 30; a recording's sound entry becomes the
# MP4's AAC track; bad recordings and targets give their result codes and leave no file.
# Arguments: vmrctool.exe, tools/wine-run.sh.
here=$(dirname "$0")
source "$here/zip_peer_common.sh"
source "$here/video_peer_common.sh"

frames=15
# ffmpeg's moving test picture (gradients, text, a sweeping hand), 15 frames of 320x240.
mkdir -p "$work/src" "$work/own" "$work/infozip" "$work/bitmaps"
ffmpeg -nostdin -v error -f lavfi -i testsrc2=size=320x240:rate=10 -frames:v $frames "$work/src/%d.ppm"
for i in $(seq 1 $frames); do
  cjpeg -quality 95 "$work/src/$i.ppm" >"$work/infozip/$i.jpg"
  ffmpeg -nostdin -v error -i "$work/src/$i.ppm" -pix_fmt bgr24 "$work/bitmaps/$i.bmp"
  cp "$work/bitmaps/$i.bmp" "$work/own/$i.bmp"
  [ "$(vmrc tojpeg "$(winpath "$work/own/$i.bmp")" "$(winpath "$work/own/$i.jpg")" 95)" = 1 ] || fail "tojpeg $i"
  rm "$work/own/$i.bmp"
done
mkdir -p "$work/own-ref" "$work/infozip-ref"
for i in $(seq 1 $frames); do
  djpeg -ppm "$work/own/$i.jpg" >"$work/own-ref/$i.ppm"
  djpeg -ppm "$work/infozip/$i.jpg" >"$work/infozip-ref/$i.ppm"
done
(cd "$work/infozip" && zip -q -X "$work/infozip.zip" $(seq -f '%g.jpg' 1 $frames))
[ "$(vmrc pack "$(winpath "$work/own")" "$(winpath "$work/own.vmrc")")" = 1 ] || fail "pack"

# Each frame is held against the picture it came from: the JPEG frames of a recording as
# libjpeg-turbo's djpeg decodes them (as the program does; decoders differ in how they spread
# the colour of 4:2:0 JPEG frames), the bitmaps of a folder. MP4 at the default quality 80 keeps this picture above 36 dB; a GIF of 256
# colours with dithering above 28 dB (see the floors' reasons in docs/PERFORMANCE.md).
export_and_check() { # recording frames target codec pix_fmt floor
  local recording=$1 frames_from=$2 target=$3 codec=$4 pix_fmt=$5 floor=$6 report answer
  answer=$(vmrc export "$(winpath "$recording")" "$(winpath "$work/$target")")
  [ "$answer" = 1 ] || fail "export $target answered '$answer'"
  report=$(probe_video "$work/$target")
  expect_probe "$report" codec_name "$codec" "$target"
  expect_probe "$report" pix_fmt "$pix_fmt" "$target"
  expect_probe "$report" width 320 "$target"
  expect_probe "$report" height 240 "$target"
  expect_probe "$report" r_frame_rate 10/1 "$target"
  expect_probe "$report" nb_read_frames $frames "$target"
  expect_probe "$report" duration 1.500000 "$target"
  expect_clean_decode "$work/$target"
  expect_psnr_floor "$(frame_psnr "$work/$target" "$frames_from" 320 240)" $frames "$floor" "$target"
}

export_and_check "$work/own.vmrc" "$work/own-ref/%d.ppm" own.mp4 h264 yuv420p 42
expect_index_first "$work/own.mp4"
export_and_check "$work/own.vmrc" "$work/own-ref/%d.ppm" own.gif gif bgra 32
export_and_check "$work/infozip.zip" "$work/infozip-ref/%d.ppm" infozip.mp4 h264 yuv420p 42
export_and_check "$work/infozip.zip" "$work/infozip-ref/%d.ppm" infozip.gif gif bgra 32
export_and_check "$work/bitmaps" "$work/src/%d.ppm" bitmaps.mp4 h264 yuv420p 42

# Quality 100 is visually lossless for the bitmaps themselves: above 46 dB on every frame.
[ "$(vmrc export "$(winpath "$work/bitmaps")" "$(winpath "$work/best.mp4")" 100)" = 1 ] || fail "export at 100"
expect_psnr_floor "$(frame_psnr "$work/best.mp4" "$work/src/%d.ppm" 320 240)" $frames 46 "best.mp4"
[ "$(stat -c %s "$work/best.mp4")" -gt "$(stat -c %s "$work/bitmaps.mp4")" ] || fail "quality 100 is not larger than 80"

# A recording of 321x241 frames at 30 a second: the MP4 leaves out the last column and row and
# runs at 30 exactly; a GIF counts in hundredths of a second, so its delays alternate (3, 4, 3)
# and its average is 30. Both last 15 frames' 0.5 s within a frame's time.
mkdir -p "$work/odd"
for i in $(seq 1 $frames); do
  ffmpeg -nostdin -v error -i "$work/src/$i.ppm" -vf scale=321:241 -c:v ppm -f image2pipe - |
    cjpeg -quality 95 >"$work/odd/$i.jpg"
done
printf '30\r\n' >"$work/odd/framerate.txt"
[ "$(vmrc pack "$(winpath "$work/odd")" "$(winpath "$work/odd.vmrc")")" = 1 ] || fail "pack odd"
for video in odd.mp4:r_frame_rate:320:240 odd.gif:avg_frame_rate:321:241; do
  IFS=: read -r target rate width height <<<"$video"
  [ "$(vmrc export "$(winpath "$work/odd.vmrc")" "$(winpath "$work/$target")")" = 1 ] || fail "export $target"
  report=$(probe_video "$work/$target")
  for field in "$rate=30/1" "width=$width" "height=$height" "nb_read_frames=$frames"; do
    expect_probe "$report" "${field%=*}" "${field#*=}" "$target"
  done
  awk -v s="$(sed -n 's/^duration=//p' <<<"$report")" 'BEGIN { exit !(s > 0.5 - 1 / 30 && s < 0.5 + 1 / 30) }' ||
    fail "$target does not last 0.5 s:"$'\n'"$report"
  expect_clean_decode "$work/$target"
done

# Failures: the result code, exit status 1, and no file under the target's name or beside it.
expect_failure() { # code recording target [quality]
  local code=$1 recording=$2 target=$3 result
  result=$(vmrc export "$(winpath "$recording")" "$(winpath "$work/out/$target")" ${4:-} || true)
  [ "$result" = "$code" ] || fail "export $recording to $target gave '$result', expected $code"
  "$wine_run" "$vmrctool" export "$(winpath "$recording")" "$(winpath "$work/out/$target")" ${4:-} >/dev/null 2>&1 \
    && fail "export $recording to $target ended with status 0"
  [ -z "$(ls -A "$work/out")" ] || fail "export to $target left: $(ls -A "$work/out")"
}
mkdir -p "$work/out" "$work/sizes" "$work/gap" "$work/damaged" "$work/empty"
cp "$work/infozip/1.jpg" "$work/sizes/1.jpg"
ffmpeg -nostdin -v error -i "$work/src/2.ppm" -vf scale=322:240 "$work/sizes/2.jpg"
cp "$work/infozip/1.jpg" "$work/gap/1.jpg"
cp "$work/infozip/3.jpg" "$work/gap/3.jpg"
cp "$work/infozip/1.jpg" "$work/damaged/1.jpg"
# Cut inside its headers: a JPEG cut later still shows what it holds, as djpeg shows it.
head -c 20 "$work/infozip/2.jpg" >"$work/damaged/2.jpg"
echo "not a recording" >"$work/text.vmrc"

expect_failure -5 "$work/sizes" sizes.mp4
expect_failure -5 "$work/sizes" sizes.gif
expect_failure -3 "$work/gap" gap.mp4
expect_failure -3 "$work/damaged" damaged.gif
expect_failure -3 "$work/text.vmrc" text.mp4
expect_failure -7 "$work/empty" empty.mp4
expect_failure -7 "$work/infozip.zip" video.avi
expect_failure -7 "$work/infozip.zip" low.mp4 0
expect_failure -2 "$work/infozip.zip" missing/folder.mp4

# A recording with a sound entry as ffmpeg writes one (a LIST chunk before the samples): the MP4
# carries it as AAC as long as the pictures, the GIF has none; an entry that is no WAV fails.
mkdir -p "$work/sound" && cp "$work/own/"*.jpg "$work/sound/"
ffmpeg -nostdin -v error -f lavfi -i sine=frequency=440:sample_rate=44100:duration=1.5 "$work/sound/sound.wav"
[ "$(vmrc pack "$(winpath "$work/sound")" "$(winpath "$work/sound.vmrc")")" = 1 ] || fail "pack sound"
heard() { # target: its sound as ffprobe reads it
  [ "$(vmrc export "$(winpath "$work/sound.vmrc")" "$(winpath "$work/$1")")" = 1 ] || fail "export $1"
  ffprobe -v error -select_streams a -show_entries stream=codec_name,sample_rate,duration -of csv=p=0 "$work/$1"
}
[ "$(heard sound.mp4)" = "aac,44100,1.500000" ] && [ -z "$(heard sound.gif)" ] || fail "the sound of sound.mp4 or .gif"
echo "no sound" >"$work/sound/sound.wav"
expect_failure -8 "$work/sound" sound.mp4
echo "video export peers: all checks passed"
