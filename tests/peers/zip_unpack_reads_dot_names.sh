#!/usr/bin/env bash
# Recordings whose entry names carry "./" prefixes, a "./" folder entry or doubled separators,
# as other tools write them, unpack in full and play: `vmrctool unpack` answers 1 with every
# frame in the target's root, and `vmrctool list` counts the frames the player would find.
# Made by Python's zipfile, by Info-ZIP's zip (names rewritten with zipnote), by bsdtar and by
# 7-Zip, each where the machine has it.
source "$(dirname "$0")/zip_peer_common.sh"

mkdir -p "$work/take"
for n in 1 2 3; do jpeg_like "$work/take/$n.jpg" $((n * 700)); done

# Unpacks `archive` and checks that the three frames came out at the target's root, byte for
# byte, and that the player would count them.
expect_frames() {
  local archive=$1 what=$2
  local result
  result=$(vmrc unpack "$(winpath "$archive")" "$(winpath "$work/out-$what")") || true
  [ "$result" = 1 ] || fail "$what: unpack answered '$result', not 1"
  diff -r "$work/take" "$work/out-$what" || fail "$what: unpacks to another tree"
  expect_line "$(vmrc list "$(winpath "$archive")")" '^frames: 3$' "$what: list"
}

python3 - "$work/python.zip" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as archive:
    archive.writestr(zipfile.ZipInfo("./"), "")  # no folder attributes: the name alone says it
    # ZipInfo keeps a name as given, where write() would tidy it.
    for n, name in ((1, "./1.jpg"), (2, ".//2.jpg"), (3, "3.jpg")):
        with open(f"{sys.argv[1].rsplit('/', 1)[0]}/take/{n}.jpg", "rb") as frame:
            archive.writestr(zipfile.ZipInfo(name), frame.read())
names = zipfile.ZipFile(sys.argv[1]).namelist()
assert names == ["./", "./1.jpg", ".//2.jpg", "3.jpg"], names
PY
expect_frames "$work/python.zip" python

(cd "$work/take" && zip -q "$work/infozip.zip" 1.jpg 2.jpg 3.jpg) || fail "zip could not write the archive"
zipnote "$work/infozip.zip" | sed -e 's|^@ \([13]\.jpg\)$|@ \1\n@=./\1|' -e 's|^@ 2\.jpg$|@ 2.jpg\n@=.//2.jpg|' >"$work/notes"
zipnote -w "$work/infozip.zip" <"$work/notes" || fail "zipnote could not rename the entries"
expect_line "$(unzip -Z1 "$work/infozip.zip")" '^\./1\.jpg$' "Info-ZIP's names"
expect_frames "$work/infozip.zip" infozip

# A nested folder reached through doubled separators lands in its place too.
python3 - "$work/nested.zip" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w") as archive:
    folder = zipfile.ZipInfo("./a//")
    folder.external_attr = 0x10
    archive.writestr(folder, "")
    archive.writestr("a//1.jpg", "one")
    archive.writestr("./a/./2.jpg", "two")
PY
[ "$(vmrc unpack "$(winpath "$work/nested.zip")" "$(winpath "$work/out-nested")" || true)" = 1 ] || fail "nested: unpack failed"
[ "$(cat "$work/out-nested/a/1.jpg")$(cat "$work/out-nested/a/2.jpg")" = onetwo ] || fail "nested: $(ls -R "$work/out-nested")"

if command -v bsdtar >/dev/null; then
  bsdtar -a -cf "$work/bsdtar.zip" -C "$work/take" . || fail "bsdtar could not write the archive"
  expect_line "$(unzip -Z1 "$work/bsdtar.zip")" '^\./1\.jpg$' "bsdtar's names"
  expect_frames "$work/bsdtar.zip" bsdtar
fi

if command -v 7z >/dev/null; then
  (cd "$work/take" && 7z a -tzip -bd "$work/7z.zip" ./1.jpg ./2.jpg ./3.jpg >/dev/null) || fail "7z could not write the archive"
  expect_frames "$work/7z.zip" 7z
fi
echo "vmrctool unpack reads names with \"./\" and doubled separators"
