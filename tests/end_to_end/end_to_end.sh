#!/usr/bin/env bash
# Records, saves and plays a take through the real windows (end_to_end_tests.exe), then holds
# the recording it saved against Info-ZIP: the archive tests clean and holds one root-level
# JPEG frame per captured frame, named 1.jpg to N.jpg.
# $1 = end_to_end_tests.exe, $2 = tools/wine-run.sh
set -euo pipefail
work=$(mktemp -d /tmp/velmo-e2e.XXXXXX)
trap 'rm -rf "$work"' EXIT
VELMO_E2E_FOLDER="Z:$work" "$2" "$1"
unzip -t "$work/take.vmrc"
frames=$(tr -d '\r' <"$work/frames.txt")
expected=$(seq 1 "$frames" | sed 's/$/.jpg/' | sort)
found=$(zipinfo -1 "$work/take.vmrc" | sort)
[ "$found" = "$expected" ] || { echo "FAIL: entries are not 1.jpg to $frames.jpg: $found" >&2; exit 1; }
echo "recording of $frames frames checked by Info-ZIP"
