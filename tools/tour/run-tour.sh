#!/usr/bin/env bash
# The first-run tour on the current X display: tour.exe starts velmo.exe under Wine, drives it
# through its own windows and leaves the recording (tour.vmrc), a second take with the
# microphone on saved as a video (tour.mp4) and PNG pictures of the windows (tour-*.png) in
# OUT_FOLDER, whose paths it prints at the end.
# $1 = OUT_FOLDER (made when missing), $2 = the x86_64 build folder (build/x86_64-w64-mingw32
# unless given).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${2:-$top/build/x86_64-w64-mingw32}
mkdir -p "$1"
out=$(cd "$1" && pwd)
rm -f "$out/tour.vmrc" "$out/tour.mp4" "$out"/tour-*.png

# The microphone the tour turns on is the 440 Hz sine of a sound server of the tour's own.
source "$top/tools/private-sound.sh"
private_sound
trap 'kill "$pulse_pid" 2>/dev/null || true; rm -rf "$pulse_folder"' EXIT

# Wine sees the Linux file system as drive Z:.
windows_path() { local path="Z:$1"; echo "${path//\//\\}"; }

# Wine's file dialogs note on stderr that drive Z: has no volume label; that line is left out.
"$top/tools/wine-run.sh" "$build/tools/tour/tour.exe" "$(windows_path "$build/app/velmo.exe")" \
  "$(windows_path "$out")" 2> >(grep -v --line-buffered 'FS volume label and serial are not available' >&2)
echo "The tour left the recording, the video and the pictures of the windows:"
ls -1 "$out/tour.vmrc" "$out/tour.mp4" "$out"/tour-*.png
