#!/usr/bin/env bash
# Records, saves and plays a take through the real windows (end_to_end_tests.exe), then holds
# the recording it saved against Info-ZIP: the archive tests clean and holds one root-level
# JPEG frame per captured frame, named 1.jpg to N.jpg.
# $1 = end_to_end_tests.exe, $2 = tools/wine-run.sh
set -euo pipefail
work=$(mktemp -d /tmp/velmo-e2e.XXXXXX)
trap 'rm -rf "$work"' EXIT
VELMO_E2E_FOLDER="Z:$work" "$2" "$1"
source "$(dirname "$0")/../support/recording_checks.sh"
frames=$(expect_frames "$work/take.vmrc" "$work/frames.txt")
echo "recording of $frames frames checked by Info-ZIP"
