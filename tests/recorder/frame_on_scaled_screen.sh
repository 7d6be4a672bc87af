#!/usr/bin/env bash
# Runs the physical-pixels frame test of recorder_tests.exe in a Wine prefix of its own whose
# display is scaled to 150 percent (LogPixels 144) on a desktop of 1024x768: the program's
# windows are told a screen of about 683x512, and the frame must still be 1024x768, as must the
# room a take asks for before it starts; the mouse pointer is drawn at its physical place.
# $1 = recorder_tests.exe, $2 = tools/wine-run.sh
set -euo pipefail
tests=$1
wine_run=$2
home=$(mktemp -d)
export WINEPREFIX=$home/wine
cleanup() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  rm -rf "$home"
}
trap cleanup EXIT

"$wine_run" cmd /c exit >/dev/null 2>&1
for key in 'HKCU\Control Panel\Desktop' 'HKEY_CURRENT_CONFIG\Software\Fonts'; do
  "$wine_run" reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
done
/usr/lib/wine/wineserver -w

output=$(VELMO_PHYSICAL_SCREEN=1024x768 "$wine_run" explorer /desktop=velmo-scaled,1024x768 "$tests" \
  --gtest_filter='CaptureLoop.FramesHoldTheWholeScreenInPhysicalPixels:CaptureLoop.TheRoomCheckAsksForAWholeFrameInPhysicalPixels:PointerInFramesScaled.*' 2>&1 | tr -d '\r')
echo "$output"
told=$(sed -n 's/^screen told \([0-9]*x[0-9]*\), frame .*$/\1/p' <<<"$output")
[ -n "$told" ] && [ "$told" != 1024x768 ] || { echo "FAIL: the screen is not scaled (told '$told')" >&2; exit 1; }
grep -q '^screen told .*, frame 1024x768$' <<<"$output" || { echo "FAIL: the frame is not 1024x768" >&2; exit 1; }
grep -q '^\[  PASSED  \] 3 tests\.$' <<<"$output" || { echo "FAIL: the frame, room and pointer tests did not pass" >&2; exit 1; }
