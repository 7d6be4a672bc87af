#!/usr/bin/env bash
# Runs the two-monitor test of recorder_tests.exe on a Wine desktop of 2048x768, the width of
# two 1024x768 monitors side by side, on an X screen of its own as wide, so the second one's
# copy is real; in a Wine prefix of its own, whose server lives on that screen and ends with it,
# so the suite's own server and desktop are left alone.
# $1 = recorder_tests.exe, $2 = tools/wine-run.sh
set -euo pipefail
# The X screen must hold the whole desktop for its right half to be drawn at all.
source "$(dirname "$0")/../../tools/private-screen.sh"
private_screen 2048x768
home=$(mktemp -d)
export WINEPREFIX=$home/wine
cleanup() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
sleep 1
"$2" cmd /c exit >/dev/null 2>&1
output=$("$2" explorer /desktop=velmo-two-monitors,2048x768 "$1" \
  --gtest_filter=CaptureChoice.TheSecondOfTwoMonitorsSideBySideRecordsOnlyThatMonitor 2>&1 | tr -d '\r')
echo "$output"
grep -q '^frame of the second monitor: 1024x768$' <<<"$output" || { echo "FAIL: no frame of the second monitor" >&2; exit 1; }
grep -q '^\[  PASSED  \] 1 test\.$' <<<"$output" || { echo "FAIL: the two-monitor test did not pass" >&2; exit 1; }
