# Shared by the zip_* peer checks (sourced, not run): arguments, a scratch folder removed on
# exit, Wine paths and failure reporting.
# $1 = vmrctool.exe, $2 = tools/wine-run.sh
set -euo pipefail
vmrctool=$1
wine_run=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The Windows path Wine gives a Unix path.
winpath() { echo "Z:$1"; }

# Runs a vmrctool command; prints its result line.
vmrc() { "$wine_run" "$vmrctool" "$@" 2>/dev/null | tr -d '\r'; }

# Writes a small file that starts like a JPEG, with `2` bytes of varying content after it.
jpeg_like() {
  printf '\xff\xd8\xff\xe0\x00\x10JFIF\x00' >"$1"
  head -c "$2" /dev/urandom >>"$1"
  printf '\xff\xd9' >>"$1"
}

# Fails unless `text` holds a line matching `pattern` (an extended regular expression).
expect_line() {
  local text=$1 pattern=$2 what=$3
  grep -Eq "$pattern" <<<"$text" || fail "$what: no line matching '$pattern' in:"$'\n'"$text"
}
