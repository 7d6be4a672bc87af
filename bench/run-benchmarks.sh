#!/usr/bin/env bash
# Runs the benchmarks of the x86_64 build under Wine on a private Xvfb screen and prints their
# tables, with Debian's own cjpeg, zip and djpeg measured on the same frames beside the save and
# the playback tick. `make bench` calls it after building.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build/x86_64-w64-mingw32
source "$top/tools/private-screen.sh"
private_screen 1920x1080
# The frames handed over for Debian's tools live here, never beside the program's own files.
work=$(mktemp -d /tmp/velmo-bench.XXXXXX)
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1

# run_on_desktop SIZE PROGRAM [ARGUMENTS...]: one benchmark on a Wine virtual desktop of SIZE;
# prints its table rows and its "figures" and "peak" lines.
run_on_desktop() {
  local size=$1
  shift
  "$top/tools/wine-run.sh" explorer "/desktop=velmo-bench-$size,$size" "$@" | tr -d '\r' |
    grep -E '^(\||figures|peak)' || true
}

# figure NAME OUTPUT: the value of NAME in the "figures" line of OUTPUT.
figure() { sed -n "s/^figures.* $1=\([^ ]*\).*/\1/p" <<<"$2"; }

now_ns() { date +%s%N; }

# calc EXPRESSION: a number worked out by awk, printed with the given format (default %.1f).
calc() { awk "BEGIN { printf \"${2:-%.1f}\", $1 }"; }

echo "Capture tick: medians of 60 ticks; sustained rate of a 10-second take on the 100 ms timer."
echo "| screen | snapshot | frame write | tick | of the 100 ms budget | frames per second |"
echo "|---|---|---|---|---|---|"
for size in 1024x768 1920x1080; do
  run_on_desktop "$size" "$build/bench/capture_tick_bench.exe"
done

echo
echo "Save: a 100-frame take of a 1920x1080 desktop at 80 percent through the real SaveDialog,"
echo "timed from the click on 保存按钮 until the dialog is gone."
save=$(run_on_desktop 1920x1080 "$build/bench/save_bench.exe" "Z:$work/save")
echo "| take | whole save | frames per second | of the take's 10 | conversion loop | Pack | folder removal | message and close | archive |"
echo "|---|---|---|---|---|---|---|---|---|"
grep '^|' <<<"$save" | sed -n 1p
echo
echo "A frame's time in the conversion loop; the rescale and ConvertToJpeg also measured apart on the same frames (medians)."
echo "| per frame in the save | rescale through 隐藏画板 (read, draw, write back) | ConvertToJpeg | the rest (delete, progress, messages) | first touch of new memory |"
echo "|---|---|---|---|---|"
grep '^|' <<<"$save" | sed -n 2p

# Debian's tools on the very frames the save rescaled (1536x864 BMPs from 隐藏画板), natively.
mkdir -p "$work/cjpeg"
start=$(now_ns)
for bmp in "$work"/save/*.bmp; do
  cjpeg -quality 80 -optimize -outfile "$work/cjpeg/$(basename "$bmp" .bmp).jpg" "$bmp"
done
converted=$(now_ns)
(cd "$work/cjpeg" && zip -q -8 "$work/cjpeg.zip" ./*.jpg)
zipped=$(now_ns)
cjpeg_ms=$(calc "($converted - $start) / 1e6")
zip_ms=$(calc "($zipped - $converted) / 1e6")
zip_mb=$(calc "$(stat -c %s "$work/cjpeg.zip") / 1048576" "%.2f")
convert_ms=$(figure convert_total_ms "$save")
pack_ms=$(figure pack_ms "$save")
whole_ms=$(figure whole_ms "$save")
echo
echo "Beside Debian's cjpeg -quality 80 -optimize (one run per frame) and zip -8, native, on the same 100 rescaled frames."
echo "| 100 frames of 1536x864 | Velmo under Wine | Debian's tools | Velmo's time ÷ the tools' |"
echo "|---|---|---|---|"
echo "| JPEG conversion (ConvertToJpeg / cjpeg) | $(calc "$convert_ms / 1000" %.2f) s | $(calc "$cjpeg_ms / 1000" %.2f) s | $(calc "$convert_ms / $cjpeg_ms" %.2f) |"
echo "| packing (Pack / zip -8) | $(calc "$pack_ms / 1000" %.2f) s | $(calc "$zip_ms / 1000" %.2f) s | $(calc "$pack_ms / $zip_ms" %.2f) |"
echo "| conversion and packing | $(calc "($convert_ms + $pack_ms) / 1000" %.2f) s | $(calc "($cjpeg_ms + $zip_ms) / 1000" %.2f) s | $(calc "($convert_ms + $pack_ms) / ($cjpeg_ms + $zip_ms)" %.2f) |"
echo "| frames per second: the whole save / cjpeg and zip | $(calc "100000 / $whole_ms") | $(calc "100000 / ($cjpeg_ms + $zip_ms)") | $(calc "(100000 / ($cjpeg_ms + $zip_ms)) / (100000 / $whole_ms)" %.2f) |"
echo "| archive | $(figure archive_mb "$save") MB | $zip_mb MB | |"
rm -rf "$work/save" "$work/cjpeg" "$work/cjpeg.zip"

echo
echo "Memory during the real save of a 300-frame take of a 1920x1080 desktop at 80 percent, sampled after every frame."
echo "| screen | counter | before the save | frame 10 | frame 100 | frame 200 | frame 300 | largest sample | growth per frame, 10 to 300 |"
echo "|---|---|---|---|---|---|---|---|---|"
run_on_desktop 1920x1080 "$build/bench/save_memory_bench.exe"

echo
echo "Playback tick: medians of 60 ticks of the real PlayerWindow, each painted at once."
mkdir -p "$work/play"
play=$(run_on_desktop 1920x1080 "$build/bench/playback_tick_bench.exe" "Z:$work/play")
echo "| frame | tick handler (read, hand to 画板) | panel paint (decode, draw) | rest of the window | tick | of the 100 ms budget |"
echo "|---|---|---|---|---|---|"
grep '^|' <<<"$play"
djpeg_runs=()
for _ in $(seq 15); do
  start=$(now_ns)
  djpeg -outfile /dev/null "$work/play/frame.jpg"
  djpeg_runs+=("$(calc "($(now_ns) - $start) / 1e6" %.2f)")
done
djpeg_ms=$(printf '%s\n' "${djpeg_runs[@]}" | sort -n | sed -n 8p)
tick_ms=$(figure tick_ms "$play")
panel_ms=$(figure panel_ms "$play")
echo
echo "Beside Debian's djpeg decoding the same 1536x864 frame natively (median of 15 runs, process start included)."
echo "| djpeg | panel paint ÷ djpeg | tick ÷ djpeg |"
echo "|---|---|---|"
echo "| $djpeg_ms ms | $(calc "$panel_ms / $djpeg_ms" %.2f) | $(calc "$tick_ms / $djpeg_ms" %.2f) |"
