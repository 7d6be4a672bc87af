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
# Windows live on a virtual desktop of 1024x768: Wine draws their frames itself and the
# primary screen reads 1024x768 whatever the X display is.
if ! grep -q 'Explorer\\\\Desktops' "$WINEPREFIX/user.reg" 2>/dev/null; then
  "$WINELOADER" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$WINELOADER" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
fi
# Wine draws the caption buttons with its Marlett font, which this Wine does not find in its own
# data folder; the prefix's Fonts folder is where every Wine looks.
fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
exec "$WINELOADER" "$@"
