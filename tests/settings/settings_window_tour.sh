#!/usr/bin/env bash
# Runs settings_window_tour.exe against a portable copy of velmo.exe: the program, its DLLs and
# about.html copied into a folder of their own beside an empty settings.ini, so the tour's
# settings never reach the Wine prefix's application data.
# $1 = the x86_64 build folder
set -euo pipefail
build=$1
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/velmo-settings.XXXXXX)
trap 'rm -rf "$work"' EXIT
windows_path() { local path="Z:$1"; echo "${path//\//\\}"; }

cp "$build/app/velmo.exe" "$build/app/about.html" "$work/"
cp "$build"/app/*.dll "$work/" 2>/dev/null || true
: >"$work/settings.ini"
"$top/tools/wine-run.sh" "$build/tests/settings/settings_window_tour.exe" "$(windows_path "$work/velmo.exe")"
