# Shared by build-deps.sh and build-media-deps.sh (sourced, not run): Debian's source packages,
# their versions for a stamp, and their unpacked trees. `me` names the calling script in messages.

# The newest source version of a package that apt knows.
newest_version() {
  apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -n 1
}

# Prints "PACKAGE VERSION; " for each package, the newest source version apt knows.
source_versions() {
  local p v versions=""
  for p in "$@"; do
    v=$(newest_version "$p")
    [ -n "$v" ] || { echo "$me: no Debian source for $p (run tools/setup.sh)" >&2; exit 1; }
    versions+="$p $v; "
  done
  printf '%s' "$versions"
}

# fetch_sources FOLDER PACKAGE...: unpacks the newest source of each package into FOLDER once,
# replacing an older one. Its .dsc file tells which revision a tree is: the unpacked tree is
# named by the upstream version alone, so a Debian update (a security fix) keeps its name.
fetch_sources() {
  local folder=$1 p v
  shift
  mkdir -p "$folder"
  for p in "$@"; do
    v=$(newest_version "$p")
    if [ ! -f "$folder/${p}_${v#*:}.dsc" ]; then
      rm -rf "$folder/$p"-*/ "$folder/$p"_*
      (cd "$folder" && apt-get source -qq "$p=$v" >/dev/null 2>&1) || { echo "$me: apt-get source $p failed" >&2; exit 1; }
    fi
  done
}
