# The deb-src list the set-up writes, from sample apt configurations: deb822 and one-line files,
# options in brackets, keys written into a stanza, entries that already have their sources,
# disabled entries, and a second run that must change nothing.
# $1 = tools/deb-src-entries.sh
set -euo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The samples' addresses grow from the machine's own first package address, so the test names
# no host of its own; a machine without one gets a local folder.
base=$(apt-get indextargets --format '$(REPO_URI)' 2>/dev/null | head -n 1)
base=${base%/}
[ -n "$base" ] || base=file:/srv/mirror

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# machine NAME: a fresh apt folder for one case; its own list is $apt/sources.list.d/own.sources.
machine() {
  apt=$work/$1
  own=$apt/sources.list.d/own.sources
  mkdir -p "$apt/sources.list.d"
}

# expect CASE: runs the conversion and compares the list with what the case's here-document says.
expect() {
  local said
  said=$(bash "$script" "$apt" "$own")
  [ "$said" = changed ] || fail "$1: the first run did not report a change"
  cat >"$work/expected"
  diff -u "$work/expected" "$own" >&2 || fail "$1: the list differs"
  said=$(bash "$script" "$apt" "$own")
  [ -z "$said" ] || fail "$1: a second run changed the list"
  diff -q "$work/expected" "$own" >/dev/null || fail "$1: a second run rewrote the list"
}

# A stock Debian 12 machine, comments inside the stanzas; a disabled list is not read.
machine stock
cat >"$apt/sources.list.d/debian.sources" <<LIST
Types: deb
# a mirror snapshot
URIs: $base/stock/
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $base/security
Suites: bookworm-security
Components: main contrib
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
LIST
echo "deb $base/elsewhere stable main" >"$apt/sources.list.d/vendor.list.disabled"
expect stock <<LIST
Types: deb-src
URIs: $base/stock
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: $base/stock
Suites: bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: $base/security
Suites: bookworm-security
Components: main contrib
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
LIST

# One-line lists: options with and without blanks, several keys, comments, a CD-ROM, an entry
# whose sources are already listed (with a trailing slash), one whose sources cover part of its
# components, a flat repository.
machine one_line
cat >"$apt/sources.list" <<LIST
# deb $base/commented bookworm main
deb cdrom:[Debian GNU/Linux 12]/ bookworm main
deb [arch=amd64 signed-by=/k/a.gpg] $base/one bookworm main contrib non-free  # mirror
deb-src $base/one/ bookworm main
deb [ signed-by=/k/b.gpg,/k/c.gpg ] $base/two bookworm-updates main
deb $base/two bookworm-updates main
deb-src [signed-by=/k/b.gpg] $base/three bookworm main
deb [signed-by=/k/b.gpg] $base/three bookworm main
LIST
echo 'deb [trusted=yes] file:/srv/repo ./' >"$apt/sources.list.d/local.list"
expect one_line <<LIST
Types: deb-src
URIs: $base/one
Suites: bookworm
Components: contrib non-free
Signed-By: /k/a.gpg

Types: deb-src
URIs: $base/two
Suites: bookworm-updates
Components: main
Signed-By: /k/b.gpg /k/c.gpg

Types: deb-src
URIs: $base/two
Suites: bookworm-updates
Components: main

Types: deb-src
URIs: file:/srv/repo
Suites: ./
LIST

# deb822 stanzas that already carry their sources or are switched off add nothing; a key written
# into the stanza is carried over line for line, as are fields folded over several lines.
machine deb822
cat >"$apt/sources.list.d/many.sources" <<LIST
Types: deb deb-src
URIs: $base/both
Suites: bookworm
Components: main

Types: deb
URIs: $base/off
Suites: bookworm
Components: main
Enabled: no

types: deb
uris: $base/key
suites: stable
  testing
components: main
signed-by:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGKey
 -----END PGP PUBLIC KEY BLOCK-----
LIST
expect deb822 <<LIST
Types: deb-src
URIs: $base/key
Suites: stable
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGKey
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb-src
URIs: $base/key
Suites: testing
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGKey
 -----END PGP PUBLIC KEY BLOCK-----
LIST

# When the machine gains its own deb-src entries, the set-up's list goes away; with its own list
# gone nothing is added twice, and the entries of the list itself never count as the machine's.
machine own_list
printf 'deb %s bookworm main\n' "$base/own" >"$apt/sources.list"
bash "$script" "$apt" "$own" >/dev/null
grep -qF "$base/own" "$own" || fail "own_list: no entry written"
printf 'deb-src %s bookworm main\n' "$base/own" >>"$apt/sources.list"
[ "$(bash "$script" "$apt" "$own")" = changed ] || fail "own_list: the change was not reported"
[ ! -e "$own" ] || fail "own_list: the list stays although the machine lists the sources"
[ -z "$(bash "$script" "$apt" "$own")" ] || fail "own_list: a second run changed something"
[ ! -e "$own" ] || fail "own_list: the list came back"
echo "the source lists hold"
