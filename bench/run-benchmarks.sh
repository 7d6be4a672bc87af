#!/usr/bin/env bash
# Runs every benchmark of the x86_64 build under Wine beside its peer from Debian (ffmpeg's
# x11grab, cjpeg, zip, unzip, djpeg, ffmpeg's libx264 and GIF palette) in the same run, on a private Xvfb screen of 1920x1080x24,
# and writes docs/PERFORMANCE.md with docs/performance.png from the figures
# (bench/write-report.py, prose from bench/performance-notes.md), which it keeps as
# docs/performance-figures.txt. `make bench` calls it after building. The timed benchmarks run
# VELMO_BENCH_ROUNDS rounds (3 unless set), each program followed at once by its peer, so that a
# busy machine slows both alike; the report gives the median round and the spread. Everything
# else it makes goes into one temporary folder, removed at the end.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build/x86_64-w64-mingw32/bench
rounds=${VELMO_BENCH_ROUNDS:-3}
# Debian's own Python, the one python3-matplotlib is installed for.
python=/usr/bin/python3
source "$top/tools/private-screen.sh"
source "$top/tools/private-sound.sh"
private_screen 1920x1080
private_sound
work=$(mktemp -d /tmp/velmo-bench.XXXXXX)
trap 'kill "$xvfb_pid" "$pulse_pid" 2>/dev/null || true; rm -rf "$work" "$pulse_folder"' EXIT
figures=$work/figures.txt
round=0
sleep 1

say() { echo "bench: $*" >&2; }

# record NAME=VALUE...: figures of the current round.
record() { echo "round=$round $*" >>"$figures"; }

# on_desktop SIZE PROGRAM [ARGUMENTS...]: one benchmark program on a Wine virtual desktop of
# SIZE; its "figures" lines go into the record, anything else it says to the terminal.
on_desktop() {
  local size=$1 output
  shift
  output=$("$top/tools/wine-run.sh" explorer "/desktop=velmo-bench-$size,$size" "$@" 2>&1 | tr -d '\r' || true)
  grep '^figures ' <<<"$output" | while read -r _ values; do record "$values"; done
  grep -v '^figures ' <<<"$output" | grep -v '^$' | sed 's/^/  /' >&2 || true
}

now_ns() { date +%s%N; }

# median_ms TIMES COMMAND...: the median wall time of TIMES runs of COMMAND, in milliseconds.
median_ms() {
  local times=$1 start
  shift
  for _ in $(seq "$times"); do
    start=$(now_ns)
    "$@" >/dev/null 2>&1
    echo $(($(now_ns) - start))
  done | sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", v[int(NR / 2) + 1] / 1e6 }'
}

# ffmpeg_bench ARGUMENTS...: ffmpeg's own processor and wall times of an x11grab run, and the
# frames it took: "user system real frames" (seconds).
ffmpeg_bench() {
  ffmpeg -hide_banner -nostats -benchmark -f x11grab -video_size 1920x1080 "$@" 2>&1 |
    tr '\r' '\n' | awk '
      /^frame=/ { sub(/^frame= */, ""); frames = $1 }
      /bench: utime/ { for (i = 2; i <= 4; i++) { split($i, kv, "="); sub(/s$/, "", kv[2]); t[i] = kv[2] } }
      END { print t[2], t[3], t[4], frames }'
}

capture_peer() {
  local user system real frames
  # At the take's own rate, 10 frames a second for 10 seconds, as bgr24 rows like a frame file's.
  read -r user system real frames < <(ffmpeg_bench -framerate 10 -i "$DISPLAY" -t 10 -pix_fmt bgr24 -f rawvideo -y /dev/null)
  record "ffmpeg_fps=$(awk "BEGIN { print $frames / $real }") ffmpeg_cpu_ms=$(awk "BEGIN { print 1000 * ($user + $system) / $frames }")"
  # A frame's cost unpaced: 100 frames as fast as they come, ffmpeg's start-up shared out among
  # them (about 2 ms each), to /dev/null and to a file.
  read -r _ _ real frames < <(ffmpeg_bench -framerate 1000 -i "$DISPLAY" -frames:v 100 -fps_mode passthrough -pix_fmt bgr24 -f rawvideo -y /dev/null)
  record "ffmpeg_frame_ms=$(awk "BEGIN { print 1000 * $real / $frames }")"
  read -r _ _ real frames < <(ffmpeg_bench -framerate 1000 -i "$DISPLAY" -frames:v 100 -fps_mode passthrough -pix_fmt bgr24 -f rawvideo -y "$work/grab.raw")
  rm -f "$work/grab.raw"
  record "ffmpeg_file_frame_ms=$(awk "BEGIN { print 1000 * $real / $frames }")"
}

components() {
  local in=$work/inputs bench=$build/components_bench.exe
  on_desktop 1920x1080 "$bench" tojpeg "Z:$in/desktop.bmp" "Z:$work/velmo.jpg" 9
  record "cjpeg_ms=$(median_ms 9 cjpeg -quality 80 -optimize -outfile "$work/cjpeg.jpg" "$in/desktop.bmp")"
  record "cjpeg_start_ms=$(median_ms 9 cjpeg -quality 80 -optimize -outfile "$work/tiny.jpg" "$in/tiny.bmp")"
  record "same_jpeg=$(cmp -s "$work/velmo.jpg" "$work/cjpeg.jpg" && echo 1 || echo 0)"
  on_desktop 1920x1080 "$bench" pack "Z:$in/frames" "Z:$work/velmo.zip" 5
  record "zip_ms=$(median_ms 5 bash -c "rm -f '$work/zip.zip' && cd '$in/frames' && zip -q -8 -r '$work/zip.zip' ." )"
  record "pack_mb=$(stat -c %s "$work/velmo.zip") zip_mb=$(stat -c %s "$work/zip.zip")"
  on_desktop 1920x1080 "$bench" unpack "Z:$work/velmo.zip" "Z:$work/velmo-out" 5
  record "unzip_ms=$(median_ms 5 bash -c "rm -rf '$work/unzip-out' && unzip -q -o '$work/velmo.zip' -d '$work/unzip-out'")"
  record "same_frames=$(diff -rq "$in/frames" "$work/velmo-out" >/dev/null && diff -rq "$in/frames" "$work/unzip-out" >/dev/null && echo 1 || echo 0)"
  rm -rf "$work/velmo-out" "$work/unzip-out" "$work"/*.jpg "$work"/*.zip
}

# The save, and Debian's cjpeg and zip on the very frames the save's canvas rescaled.
save() {
  mkdir -p "$work/save" "$work/tools"
  on_desktop 1920x1080 "$build/save_bench.exe" "Z:$work/save"
  local start converted
  start=$(now_ns)
  for bmp in "$work"/save/*.bmp; do
    cjpeg -quality 80 -optimize -outfile "$work/tools/$(basename "$bmp" .bmp).jpg" "$bmp"
  done
  converted=$(now_ns)
  (cd "$work/tools" && zip -q -8 "$work/tools.zip" ./*.jpg)
  record "tools_cjpeg_total_ms=$(((converted - start) / 1000000)) tools_zip_ms=$((($(now_ns) - converted) / 1000000))"
  rm -rf "$work/save" "$work/tools" "$work/tools.zip"
}

# The saves as MP4 and GIF, and Debian's ffmpeg encoding the very frames the save's canvas shrank
# into the same formats: libx264 at its veryfast preset, and a palette of the frames' own colours
# (palettegen, then paletteuse).
video() {
  mkdir -p "$work/video"
  on_desktop 1920x1080 "$build/video_save_bench.exe" "Z:$work/video"
  local start
  start=$(now_ns)
  ffmpeg -nostdin -v error -framerate 10 -i "$work/video/%d.bmp" -c:v libx264 -preset veryfast -pix_fmt yuv420p \
    -y "$work/ffmpeg.mp4"
  record "ffmpeg_mp4_ms=$((($(now_ns) - start) / 1000000)) ffmpeg_mp4_mb=$(stat -c %s "$work/ffmpeg.mp4")"
  start=$(now_ns)
  ffmpeg -nostdin -v error -framerate 10 -i "$work/video/%d.bmp" -lavfi "split[a][b];[a]palettegen[p];[b][p]paletteuse" \
    -y "$work/ffmpeg.gif"
  record "ffmpeg_gif_ms=$((($(now_ns) - start) / 1000000)) ffmpeg_gif_mb=$(stat -c %s "$work/ffmpeg.gif")"
  rm -rf "$work/video" "$work/ffmpeg.mp4" "$work/ffmpeg.gif"
}

playback() {
  mkdir -p "$work/play"
  on_desktop 1920x1080 "$build/playback_tick_bench.exe" "Z:$work/play"
  record "djpeg_ms=$(median_ms 15 djpeg -outfile /dev/null "$work/play/frame.jpg")"
  rm -rf "$work/play"
}

# An hour's recording: 36,000 small frames in the order a listing sorted by name gives them (1,
# 10, 100, 1000, 10000, 10001, ...), made natively from cjpeg frames with Python's zipfile. The
# player opens it; unzip unpacks it; then the platform's floor for creating as many files. Seeks:
# in a ten-second recording of the same frames once it is unpacked, and in the hour's recording
# while it is still being unpacked.
long_open() {
  local long=$work/long
  mkdir -p "$long"
  "$python" - "$long" <<'PY'
import os, struct, subprocess, sys, zipfile
folder = sys.argv[1]
def bitmap(colour, width=160, height=90):
    row = bytes(colour) * width
    rows = row * height
    head = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    return head + struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 0, 0, 0, 0) + rows
frames = []
for colour in ((40, 40, 200), (40, 200, 40), (200, 40, 40), (200, 200, 40)):
    frames.append(subprocess.run(["cjpeg", "-quality", "80"], input=bitmap(colour), capture_output=True, check=True).stdout)
with zipfile.ZipFile(os.path.join(folder, "long.vmrc"), "w", zipfile.ZIP_STORED) as archive:
    for name in sorted(str(n) for n in range(1, 36001)):
        archive.writestr(name + ".jpg", frames[int(name) % 4])
with zipfile.ZipFile(os.path.join(folder, "short.vmrc"), "w", zipfile.ZIP_STORED) as archive:
    for n in range(1, 101):
        archive.writestr(str(n) + ".jpg", frames[n % 4])
PY
  on_desktop 1920x1080 "$build/long_open_bench.exe" open "Z:$long/long.vmrc"
  record "long_unzip_ms=$(median_ms 1 bash -c "rm -rf '$long/out' && unzip -q -o '$long/long.vmrc' -d '$long/out'")"
  on_desktop 1920x1080 "$build/long_open_bench.exe" floor "Z:$long/floor" 36000
  on_desktop 1920x1080 "$build/seek_bench.exe" "Z:$long/short.vmrc" short wait
  on_desktop 1920x1080 "$build/seek_bench.exe" "Z:$long/long.vmrc" long
  rm -rf "$long"
}

say "inputs: a 1920x1080 desktop frame and 100 saved frames of 1536x864"
mkdir -p "$work/inputs"
"$top/tools/wine-run.sh" "$build/components_bench.exe" inputs "Z:$work/inputs" >/dev/null 2>&1
# An 8x8 picture: what cjpeg costs to start and stop, apart from the work.
"$python" - "$work/inputs/tiny.bmp" <<'PY'
import struct, sys
rows = b"\x80\x80\x80" * 8 * 8
head = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, 8, 8, 1, 24, 0, len(rows), 0, 0, 0, 0)
open(sys.argv[1], "wb").write(head + info + rows)
PY

for round in $(seq "$rounds"); do
  record "load=$(cut -d' ' -f1 /proc/loadavg)"
  say "round $round of $rounds: capture and ffmpeg"
  on_desktop 1920x1080 "$build/capture_tick_bench.exe"
  capture_peer
  say "round $round of $rounds: ConvertToJpeg, Pack, Unpack and cjpeg, zip, unzip"
  components
  say "round $round of $rounds: the save of a 100-frame take"
  save
  say "round $round of $rounds: the saves as MP4 and GIF, and ffmpeg"
  video
  say "round $round of $rounds: playback ticks and djpeg"
  playback
done

round=0
# Lean takes, once: the working folder of a minute's take of three desktops, and a ten-minute
# take through the program's tick with its saves, beside today's bitmap frames (600 of them,
# 3.7 GB, and their save). The take and the bitmaps need about 10 GB of disk at the most.
lean_takes() {
  local free_gb
  free_gb=$(df --output=avail -B1G /tmp | tail -1 | tr -d ' ')
  record "lean_load=$(cut -d' ' -f1 /proc/loadavg) lean_disk_free_gb=$free_gb"
  if [ "$free_gb" -lt 15 ]; then
    say "lean takes skipped: $free_gb GB free, 15 needed"
    return
  fi
  on_desktop 1920x1080 "$build/lean_folder_bench.exe"
  on_desktop 1920x1080 "$build/lean_save_bench.exe"
  # Today's form saved at 60 too, so the lean take's save at 60 is held against its like.
  on_desktop 1920x1080 "$build/lean_save_bench.exe" 0 60
}
say "lean takes: a minute's working folder of three desktops, a ten-minute take and its saves (about 15 minutes)"
lean_takes
say "the rate a take keeps at 10, 15, 20 and 30 a second, whole screen and a 1280x720 region, and a two-minute take's drift (about 3 minutes)"
on_desktop 1920x1080 "$build/take_rate_bench.exe"
say "the processor time sound costs a take, and picture-to-sound offsets over ten-minute takes (about 1 minute)"
on_desktop 1920x1080 "$build/take_sound_bench.exe"
say "an hour's recording opened in the player, unzip and the floor of creating its files (about 10 minutes)"
long_open
say "memory during a 300-frame save"
on_desktop 1920x1080 "$build/save_memory_bench.exe"
say "GDI objects, windows and handles over 1,000 ticks"
on_desktop 1024x768 "$build/resource_bench.exe"

record "rounds=$rounds cores=$(nproc) wine=$("$top/tools/wine-run.sh" --version 2>/dev/null | tr -d '\r' | tr ' ' '-')"
# The figures stay beside the report, so that edited notes can be filled in again without a run:
#   /usr/bin/python3 bench/write-report.py docs/performance-figures.txt bench/performance-notes.md \
#     docs/PERFORMANCE.md docs/performance.png
cp "$figures" "$top/docs/performance-figures.txt"
"$python" "$top/bench/write-report.py" "$top/docs/performance-figures.txt" "$top/bench/performance-notes.md" \
  "$top/docs/PERFORMANCE.md" "$top/docs/performance.png"
say "wrote docs/PERFORMANCE.md, docs/performance.png and docs/performance-figures.txt"
