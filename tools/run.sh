#!/usr/bin/env bash
# Launches the program, velmo.exe, under Wine on the current X display. Without one, it starts
# a virtual Xvfb screen of 1024x768 and says so (the windows then show on no monitor).
top=$(cd "$(dirname "$0")/.." && pwd)
program=$top/build/x86_64-w64-mingw32/app/velmo.exe

xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
  source "$top/tools/private-screen.sh"
  private_screen 1024x768
  echo "No X display is set: velmo.exe runs on a virtual Xvfb display $DISPLAY (1024x768)."
  sleep 1
fi
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; }
trap cleanup EXIT

"$top/tools/wine-run.sh" "$program"
