# Shared by build-deps.sh and build-media-deps.sh (sourced, not run): Debian's source packages,
# their versions for a stamp, and their unpacked trees. `me` names the calling script in messages.

# Prints "PACKAGE VERSION; " for each package, the newest source version apt knows.
source_versions() {
  local p v versions=""
  for p in "$@"; do
    v=$(apt-cache showsrc "$p" | sed -n 's/^Version: //p' | sort -V | tail -n 1)
    [ -n "$v" ] || { echo "$me: no Debian source for $p (run tools/setup.sh)" >&2; exit 1; }
    versions+="$p $v; "
  done
  printf '%s' "$versions"
}

# fetch_sources FOLDER PACKAGE...: unpacks each package's source into FOLDER once.
fetch_sources() {
  local folder=$1 p
  shift
  mkdir -p "$folder"
  for p in "$@"; do
    if ! ls -d "$folder/$p"-*/ >/dev/null 2>&1; then
      (cd "$folder" && apt-get source -qq "$p" >/dev/null 2>&1) || { echo "$me: apt-get source $p failed" >&2; exit 1; }
    fi
  done
}
