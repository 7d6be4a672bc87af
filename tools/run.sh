#!/usr/bin/env bash
# make run. With an X display it launches the program, velmo.exe, under Wine on that display.
# Without one (DISPLAY unset, or a display that does not answer) it gives the first-run tour on
# a private Xvfb screen of 1024x768 instead: the program records, saves and plays a take through
# its own windows, and the recording and pictures of the windows are left in out/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

# A local display answers through its socket, a remote one (such as ssh's forwarding) through
# its TCP port.
display_answers() {
  [ -n "${DISPLAY:-}" ] || return 1
  local host=${DISPLAY%%:*} number=${DISPLAY#*:}
  number=${number%%.*}
  if [ -z "$host" ] || [ "$host" = unix ]; then
    [ -S "/tmp/.X11-unix/X$number" ]
  else
    timeout 2 bash -c "exec 3<>/dev/tcp/$host/$((6000 + number))" 2>/dev/null
  fi
}

if display_answers; then
  exec "$top/tools/wine-run.sh" "$top/build/x86_64-w64-mingw32/app/velmo.exe"
fi

source "$top/tools/private-screen.sh"
private_screen 1024x768
export WINEPREFIX=${WINEPREFIX:-$top/build/wine}
# Nothing of the tour keeps running: Wine is given time to end by itself, then ended.
finish() {
  timeout 20 /usr/lib/wine/wineserver -w 2>/dev/null || /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap finish EXIT
for _ in $(seq 50); do display_answers && break; sleep 0.1; done

echo "No X display: a guided tour of velmo.exe on a virtual screen ($DISPLAY, 1024x768)."
"$top/tools/tour/run-tour.sh" "$top/out"
