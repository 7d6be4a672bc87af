#!/usr/bin/env bash
# A recording past the classic ZIP limits is written in the ZIP64 form: Info-ZIP's unzip and
# zipinfo accept one, and `vmrctool list` unpacks it as the player does and counts its frames.
# The default run reads a small recording in that form; with VELMO_HOSTILE_LONG set, Pack also
# writes one of 70,000 entries and the frames of another lie beyond 4 GiB (a sparse file).
source "$(dirname "$0")/zip_peer_common.sh"
make_zip64=$(dirname "$0")/make_zip64_recording.py

for n in 1 2 3; do jpeg_like "$work/$n.jpg" 2000; done
python3 "$make_zip64" "$work/small.vmrc" "$work"/{1,2,3}.jpg
unzip -tq "$work/small.vmrc" >/dev/null || fail "unzip -t refuses the ZIP64 recording"
zipinfo "$work/small.vmrc" | grep -q '3 files' || fail "zipinfo does not count 3 files"
listing=$(vmrc list "$(winpath "$work/small.vmrc")")
expect_line "$listing" '^frames: 3$' "list of the ZIP64 recording"
expect_line "$listing" '^1$' "list result"

[ -n "${VELMO_HOSTILE_LONG:-}" ] || exit 0

mkdir "$work/many"
(cd "$work/many" && seq 1 70000 | sed 's/$/.jpg/' | xargs touch)
[ "$(vmrc pack "$(winpath "$work/many")" "$(winpath "$work/many.vmrc")" | tail -n 1)" = 1 ] || fail "Pack of 70,000 entries"
unzip -tq "$work/many.vmrc" >/dev/null || fail "unzip -t refuses 70,000 entries"
zipinfo -h "$work/many.vmrc" | grep -q 'number of entries: 70000' || fail "zipinfo does not count 70,000 entries"
python3 - "$work/many.vmrc" <<'PY' || fail "the archive of 70,000 entries has no ZIP64 end record"
import sys
data = open(sys.argv[1], 'rb').read()
assert data[-22:-18] == b'PK\x05\x06' and data[-42:-38] == b'PK\x06\x07' and data[-98:-94] == b'PK\x06\x06'
PY

python3 "$make_zip64" "$work/beyond.vmrc" --pad $((4 * 1024 * 1024 * 1024 + 4096)) "$work"/{1,2,3}.jpg
unzip -tq "$work/beyond.vmrc" >/dev/null || fail "unzip -t refuses frames beyond 4 GiB"
listing=$(vmrc list "$(winpath "$work/beyond.vmrc")")
expect_line "$listing" '^frames: 3$' "list of frames beyond 4 GiB"
