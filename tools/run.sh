#!/usr/bin/env bash
# Launches the program under Wine. The recorder window is not built yet; until it is, this
# says so and shows the companion tool's usage instead.
top=$(cd "$(dirname "$0")/.." && pwd)
echo "The recorder window is not built yet; here is the companion tool, vmrctool.exe:"
"$top/tools/wine-run.sh" "$top/build/x86_64-w64-mingw32/tools/vmrctool/vmrctool.exe" || true
