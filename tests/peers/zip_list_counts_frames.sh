#!/usr/bin/env bash
# `vmrctool list` unpacks a recording made by Info-ZIP's zip as the player does and finds the
# frames a player counts: root-level .jpg files only, cover.jpg included, sub-folders and
# leftover bitmaps not; and it leaves no unpacked files behind.
source "$(dirname "$0")/zip_peer_common.sh"

mkdir -p "$work/take/frames"
for n in 1 2 3; do jpeg_like "$work/take/$n.jpg" 300; done
jpeg_like "$work/take/cover.jpg" 10
jpeg_like "$work/take/frames/4.jpg" 10
head -c 100 /dev/zero >"$work/take/5.bmp"
(cd "$work/take" && zip -q -r "$work/take.vmrc" .) || fail "zip could not write the recording"

listing=$(vmrc list "$(winpath "$work/take.vmrc")")
expect_line "$listing" '^frames: 4$' "list of the recording"
expect_line "$listing" '^ +313 +1\.jpg$' "list of the recording"
expect_line "$listing" '^ +23 +frames\\4\.jpg$' "list of the recording"
expect_line "$listing" '^1$' "list result"
[ "$(vmrc list "$(winpath "$work/missing.vmrc")" | tail -n 1)" = -1 ] || fail "a missing recording is not -1"
