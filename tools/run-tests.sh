#!/usr/bin/env bash
# Runs the whole suite: the x86_64 build's tests under Wine on a private Xvfb screen of
# 1024x768x24 and with a private PulseAudio server (a null output and a 440 Hz sine as the
# microphone), so results never depend on the developer's own display or sound.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build/x86_64-w64-mingw32

source "$top/tools/private-screen.sh"
source "$top/tools/private-sound.sh"
private_screen 1024x768
private_sound
export WINEPREFIX=$top/build/wine
cleanup() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb_pid" "$pulse_pid" 2>/dev/null || true
  rm -rf "$pulse_folder"
}
trap cleanup EXIT

# One prefix start-up before the tests run side by side, then a wineserver that stays up
# between test programs.
"$top/tools/wine-run.sh" cmd /c exit >/dev/null 2>&1
/usr/lib/wine/wineserver -p >/dev/null 2>&1 || true

cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
