# Shared by build-deps.sh and build-media-deps.sh (sourced, not run): Debian's source packages,
# their versions for a stamp, and their unpacked trees. `me` names the calling script in messages.

# A mirror may list a source version that it does not serve (some security mirrors list their
# sources but keep no source pool): such a version is noted in FOLDER/.unserved when fetching it
# fails, and from then on the next newest version that apt knows is used instead.

# known_versions FOLDER PACKAGE: the source versions apt knows of PACKAGE, newest first, less
# those FOLDER's note says the mirror does not serve.
known_versions() {
  apt-cache showsrc "$2" | sed -n 's/^Version: //p' | sort -Vru |
    grep -vxF -f <(awk -v p="$2" 'index($0, p "=") == 1 { print substr($0, length(p) + 2) }' "$1/.unserved" 2>/dev/null) || true
}

# source_versions FOLDER PACKAGE...: prints "PACKAGE VERSION; " for each package, the newest
# source version apt knows and the mirror serves.
source_versions() {
  local folder=$1 p v versions=""
  shift
  for p in "$@"; do
    v=$(known_versions "$folder" "$p" | head -n 1)
    [ -n "$v" ] || { echo "$me: no Debian source for $p (run tools/setup.sh)" >&2; exit 1; }
    versions+="$p $v; "
  done
  printf '%s' "$versions"
}

# fetch_sources FOLDER PACKAGE...: unpacks the newest served source of each package into FOLDER
# once, replacing an older one. Its .dsc file tells which revision a tree is: the unpacked tree
# is named by the upstream version alone, so a Debian update (a security fix) keeps its name.
fetch_sources() {
  local folder=$1 p v
  shift
  mkdir -p "$folder"
  for p in "$@"; do
    while :; do
      v=$(known_versions "$folder" "$p" | head -n 1)
      [ -n "$v" ] || { echo "$me: apt-get source $p failed for every version apt knows" >&2; exit 1; }
      [ -f "$folder/${p}_${v#*:}.dsc" ] && break
      rm -rf "$folder/$p"-*/ "$folder/$p"_*
      (cd "$folder" && apt-get source -qq "$p=$v" >/dev/null 2>&1) && break
      echo "$me: the mirror does not serve $p $v; trying the version before it" >&2
      echo "$p=$v" >>"$folder/.unserved"
    done
  done
}
