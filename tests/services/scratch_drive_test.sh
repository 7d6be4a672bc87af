#!/usr/bin/env bash
# Maps a spare drive letter of the Wine prefix to a throw-away folder and runs the folder-removal
# tests that try drive roots and linked folders there, where a fault costs only that folder.
# Usage: scratch_drive_test.sh <services_tests.exe> <wine-run.sh>
set -euo pipefail
tests=$1
wine_run=$2
top=$(cd "$(dirname "$wine_run")/.." && pwd)
prefix=${WINEPREFIX:-$top/build/wine}
[ -d "$prefix/dosdevices" ] || "$wine_run" cmd /c exit >/dev/null 2>&1

scratch=$(mktemp -d)
letter=""
cleanup() {
  [ -z "$letter" ] || rm -f "$prefix/dosdevices/$letter:"
  rm -rf "$scratch"
}
trap cleanup EXIT

mkdir -p "$scratch/tree" "$scratch/outside"
echo precious >"$scratch/precious.txt"
echo precious >"$scratch/outside/precious.txt"
echo own >"$scratch/tree/own.txt"
ln -s ../outside "$scratch/tree/linked"

# Claiming the letter by creating its link is atomic, so parallel runs never share one.
for candidate in r s t u v w x y; do
  if ln -sT "$scratch" "$prefix/dosdevices/$candidate:" 2>/dev/null; then
    letter=$candidate
    break
  fi
done
[ -n "$letter" ] || { echo "no spare drive letter in $prefix/dosdevices" >&2; exit 1; }

output=$(VELMO_SCRATCH_DRIVE=$letter "$wine_run" "$tests" --gtest_filter='ScratchDrive.*' 2>&1) || {
  echo "$output"
  exit 1
}
echo "$output"
if grep -q 'SKIPPED' <<<"$output"; then
  echo "the scratch drive tests did not run" >&2
  exit 1
fi
test -f "$scratch/precious.txt"
test -f "$scratch/outside/precious.txt"
