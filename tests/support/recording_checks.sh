# Sourced by the scripts that hold a saved recording against Info-ZIP.

# expect_frames RECORDING COUNT_FILE: the archive tests clean and holds exactly the root-level
# frames 1.jpg to N.jpg, N read from COUNT_FILE (written by the Windows side, CR LF allowed).
# Prints N; fails the script otherwise.
expect_frames() {
  local recording=$1 frames expected found
  unzip -tq "$recording" >/dev/null || { echo "FAIL: unzip -t refuses $recording" >&2; exit 1; }
  frames=$(tr -d '\r' <"$2")
  expected=$(seq 1 "$frames" | sed 's/$/.jpg/' | sort)
  found=$(zipinfo -1 "$recording" | sort)
  [ "$found" = "$expected" ] || { echo "FAIL: entries are not 1.jpg to $frames.jpg: $found" >&2; exit 1; }
  echo "$frames"
}
