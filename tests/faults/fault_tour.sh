#!/usr/bin/env bash
# Runs fault_tour.exe against velmo.exe on the suite's screen, then holds each recording saved
# from a take that survived a kill (in the middle of the take or of its save) against Info-ZIP:
# it tests clean and holds exactly the frames the take kept, 1.jpg to N.jpg, none of them the
# frame a kill cut short.
# $1 = the x86_64 build folder
set -euo pipefail
build=$1
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/velmo-faults.XXXXXX)
trap 'rm -rf "$work"' EXIT
windows_path() { local path="Z:$1"; echo "${path//\//\\}"; }

# A recording of three frames to open, in a folder with a space and Chinese characters.
played="$work/播放 测试"
mkdir -p "$played"
for n in 1 2 3; do
  ffmpeg -nostdin -v error -f lavfi -i "color=c=0x${n}0${n}0${n}0:s=64x48" -frames:v 1 "$played/$n.jpg"
done
(cd "$played" && python3 -c 'import zipfile
with zipfile.ZipFile("三帧 录像.vmrc", "w", zipfile.ZIP_DEFLATED) as z:
    for n in (1, 2, 3): z.write(f"{n}.jpg")' && rm 1.jpg 2.jpg 3.jpg)

"$top/tools/wine-run.sh" "$build/tests/faults/fault_tour.exe" "$(windows_path "$build/app/velmo.exe")" \
  "$(windows_path "$work")" 2> >(grep -v --line-buffered 'FS volume label' >&2)
source "$top/tests/support/recording_checks.sh"
for counted in "$work"/*-frames.txt; do
  name=$(basename "$counted" -frames.txt)
  frames=$(expect_frames "$work/$name.vmrc" "$counted")
  echo "$name.vmrc holds the $frames whole frames of its take"
done
