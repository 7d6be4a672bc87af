#!/usr/bin/env bash
# `vmrctool unpack` refuses archives whose entry names lead out of the target folder (parent
# elements, roots, drives, shares, streams, devices): it answers 0, keeps the entries before
# the hostile one, and nothing appears outside the target.
source "$(dirname "$0")/zip_peer_common.sh"

prefix=${WINEPREFIX:-$(cd "$(dirname "$wine_run")/.." && pwd)/build/wine}
# Places a name could reach if it were joined as it stands: the Unix root (Wine's Z:) and
# the prefix's C: drive.
outside=(/abs.txt /x.txt /evil.txt "$prefix/drive_c/x.txt" "$prefix/drive_c/abs.txt" "$prefix/drive_c/evil.txt")
before_outside=$(ls -d "${outside[@]}" 2>/dev/null || true)

names=("../evil.txt" '..\evil.txt' "../../evil.txt" "sub/../../evil.txt" "/abs.txt" '\abs.txt' "C:/x.txt"
       "C:x.txt" '\\server\share\x.txt' "a.txt:stream" "/:../x" ".. /evil.txt" "CON" "nul.txt")
for i in "${!names[@]}"; do
  name=${names[$i]}
  python3 - "$work/hostile-$i.zip" "$name" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w") as archive:
    archive.writestr("good.txt", "kept")
    archive.writestr(zipfile.ZipInfo(sys.argv[2]), "evil")
    archive.writestr("late.txt", "never")
PY
  mkdir -p "$work/box-$i"
  set +e
  result=$(vmrc unpack "$(winpath "$work/hostile-$i.zip")" "$(winpath "$work/box-$i/target")")
  status=$?
  set -e
  [ "$result" = 0 ] || fail "'$name': unpack answered '$result', not 0"
  [ "$status" = 1 ] || fail "'$name': vmrctool exited with $status, not 1"
  [ "$(ls -A "$work/box-$i")" = target ] || fail "'$name': wrote beside the target: $(ls -A "$work/box-$i")"
  [ "$(ls -A "$work/box-$i/target")" = good.txt ] || fail "'$name': target holds $(ls -A "$work/box-$i/target")"
  [ "$(cat "$work/box-$i/target/good.txt")" = kept ] || fail "'$name': the entry before it was not kept"
done
leftovers=$(ls -A "$work" | grep -Ev '^(hostile-[0-9]+\.zip|box-[0-9]+)$' || true)
[ -z "$leftovers" ] || fail "files appeared in the work folder: $leftovers"
[ "$(ls -d "${outside[@]}" 2>/dev/null || true)" = "$before_outside" ] || fail "files appeared outside: $(ls -d "${outside[@]}" 2>/dev/null)"
echo "vmrctool unpack refuses hostile names"
