#!/usr/bin/env bash
# Runs the benchmarks of the x86_64 build under Wine on a private Xvfb screen and prints their
# table rows. `make bench` calls it after building.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build/x86_64-w64-mingw32
source "$top/tools/private-screen.sh"
private_screen 1920x1080
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1

echo "Capture tick: medians of 60 ticks; sustained rate of a 10-second take on the 100 ms timer."
echo "| screen | snapshot | frame write | tick | of the 100 ms budget | frames per second |"
echo "|---|---|---|---|---|---|"
for size in 1024x768 1920x1080; do
  "$top/tools/wine-run.sh" explorer "/desktop=velmo-bench-$size,$size" "$build/bench/capture_tick_bench.exe" |
    tr -d '\r' | grep '^|'
done
