#!/usr/bin/env bash
# Info-ZIP's unzip and zipinfo accept what `vmrctool pack` writes and see the header fields it
# promises: version made by 2.3 on NTFS, deflate at maximum for frames, stored folders, no data
# descriptor, the UT extra field, the attributes; an empty folder gives the 22-byte empty archive.
source "$(dirname "$0")/zip_peer_common.sh"

# A take of three frames.
mkdir "$work/take"
for n in 1 2 3; do jpeg_like "$work/take/$n.jpg" 3000; done
[ "$(vmrc pack "$(winpath "$work/take")" "$(winpath "$work/take.vmrc")")" = 1 ] || fail "pack of the take did not answer 1"
unzip -t "$work/take.vmrc" >"$work/test.txt" || fail "unzip -t rejects the take: $(cat "$work/test.txt")"
expect_line "$(cat "$work/test.txt")" '^No errors detected' "unzip -t of the take"
listing=$(zipinfo -1 "$work/take.vmrc" | sort)
[ "$listing" = $'1.jpg\n2.jpg\n3.jpg' ] || fail "take entries are: $listing"
unzip -q -d "$work/take-out" "$work/take.vmrc" || fail "unzip cannot extract the take"
diff -r "$work/take" "$work/take-out" || fail "unzip extracts other bytes than were packed"

frame=$(zipinfo -v "$work/take.vmrc" 2.jpg)
expect_line "$frame" 'file system or operating system of origin: +NTFS' "2.jpg made-by system"
expect_line "$frame" 'version of encoding software: +2\.3' "2.jpg made-by version"
expect_line "$frame" 'minimum software version required to extract: +2\.0' "2.jpg version needed"
expect_line "$frame" 'compression method: +deflated' "2.jpg method"
expect_line "$frame" 'compression sub-type \(deflation\): +maximum' "2.jpg flags"
expect_line "$frame" 'extended local header: +no' "2.jpg data descriptor"
expect_line "$frame" 'uncompressed size: +3013 bytes' "2.jpg size"
expect_line "$frame" 'non-MSDOS external file attributes: +818000 hex' "2.jpg Unix mode"
expect_line "$frame" 'MS-DOS file attributes \(20 hex\): +arc' "2.jpg DOS attributes"
expect_line "$frame" 'length of extra field: +9 bytes' "2.jpg central extra length"
expect_line "$frame" 'subfield with ID 0x5455 \(universal time\) and 5 data bytes' "2.jpg central UT field"
expect_line "$frame" 'local extra field has UTC/GMT modification/access/creation times' "2.jpg local UT field"

# A folder with a subfolder.
mkdir -p "$work/tree/sub"
jpeg_like "$work/tree/1.jpg" 100
jpeg_like "$work/tree/sub/a.jpg" 100
printf 'stored as it is' >"$work/tree/sub/b.ZIP"
[ "$(vmrc pack "$(winpath "$work/tree")" "$(winpath "$work/tree.vmrc")")" = 1 ] || fail "pack of the tree did not answer 1"
unzip -t "$work/tree.vmrc" >/dev/null || fail "unzip -t rejects the tree"
order=$(zipinfo -1 "$work/tree.vmrc")
[ "$(head -n 2 <<<"$order")" = $'1.jpg\nsub/' ] || fail "files of the root must come before sub/: $order"
[ "$(tail -n 2 <<<"$order" | sort)" = $'sub/a.jpg\nsub/b.ZIP' ] || fail "sub/ contents must follow it: $order"
folder=$(zipinfo -v "$work/tree.vmrc" sub/)
expect_line "$folder" 'compression method: +none \(stored\)' "sub/ method"
expect_line "$folder" 'non-MSDOS external file attributes: +41C000 hex' "sub/ Unix mode"
expect_line "$folder" 'MS-DOS file attributes \(10 hex\): +dir' "sub/ DOS attributes"
expect_line "$folder" 'uncompressed size: +0 bytes' "sub/ size"
stored=$(zipinfo -v "$work/tree.vmrc" sub/b.ZIP)
expect_line "$stored" 'compression method: +none \(stored\)' "sub/b.ZIP method"
unzip -q -d "$work/tree-out" "$work/tree.vmrc" || fail "unzip cannot extract the tree"
diff -r "$work/tree" "$work/tree-out" || fail "unzip extracts another tree than was packed"

# An empty folder.
mkdir "$work/empty"
[ "$(vmrc pack "$(winpath "$work/empty")" "$(winpath "$work/empty.vmrc")")" = 1 ] || fail "pack of an empty folder did not answer 1"
[ "$(stat -c %s "$work/empty.vmrc")" = 22 ] || fail "empty archive is $(stat -c %s "$work/empty.vmrc") bytes, not 22"
expect_line "$(zipinfo "$work/empty.vmrc" 2>&1 || true)" '^Empty zipfile\.' "zipinfo of the empty archive"
expect_line "$(unzip -t "$work/empty.vmrc" 2>&1 || true)" 'zipfile is empty' "unzip -t of the empty archive"
echo "Info-ZIP reads packed archives"
