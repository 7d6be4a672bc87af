#!/usr/bin/env bash
# Keeps FILE, the set-up's own apt source list, holding a deb-src entry for every deb entry the
# machine already uses that has none: the same addresses, suites, components and keys, so the
# sources come from whatever mirror the machine is set up with. Reads APT_DIR/sources.list and
# APT_DIR/sources.list.d/*.list and *.sources, one-line and deb822 formats alike, FILE itself
# excepted. Prints "changed" when it wrote or removed FILE, nothing when FILE was already right.
# Usage: deb-src-entries.sh APT_DIR FILE
set -euo pipefail
apt_dir=${1:?usage: deb-src-entries.sh APT_DIR FILE}
own=${2:?usage: deb-src-entries.sh APT_DIR FILE}

lists=()
for f in "$apt_dir/sources.list" "$apt_dir"/sources.list.d/*.list "$apt_dir"/sources.list.d/*.sources; do
  [ -f "$f" ] && [ "$f" != "$own" ] && lists+=("$f")
done

entries=""
if [ ${#lists[@]} -gt 0 ]; then
  entries=$(awk -f "$(dirname "$0")/deb-src-entries.awk" "${lists[@]}")
fi

if [ -n "$entries" ]; then
  if [ ! -f "$own" ] || [ "$(cat "$own")" != "$entries" ]; then
    printf '%s\n' "$entries" >"$own.tmp"
    mv -f "$own.tmp" "$own"
    echo changed
  fi
elif [ -f "$own" ]; then
  rm -f "$own"
  echo changed
fi
