#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine in the project's own prefix (build/wine), with the
# Simplified Chinese locale so the ANSI code page is 936. Never the wine32 loader: this kernel
# cannot start 32-bit Linux processes.
top=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$top/build/wine}
export WINELOADER=/usr/lib/wine/wine64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$WINELOADER" wineboot -i >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
fi
exec "$WINELOADER" "$@"
