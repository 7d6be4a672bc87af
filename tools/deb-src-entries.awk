# Reads apt source lists (one-line *.list files and deb822 *.sources files) and prints, in the
# deb822 format, a deb-src stanza for each address and suite whose deb entries name components
# that no deb-src entry covers yet. POSIX awk, so it runs on a machine with nothing installed.
# A Signed-By key written into a stanza (several lines) is carried over line for line.

function reset_stanza() {
  types = ""; uris = ""; suites = ""; components = ""; key = ""; enabled = 1; field = ""
}

# Records one entry per type, address and suite of the stanza just read.
function end_stanza(    t, u, s, nt, nu, ns, i, j, k) {
  if (enabled) {
    nt = split(types, t, " "); nu = split(uris, u, " "); ns = split(suites, s, " ")
    for (i = 1; i <= nt; i++)
      for (j = 1; j <= nu; j++)
        for (k = 1; k <= ns; k++) add_entry(t[i], u[j], s[k], components, key)
  }
  reset_stanza()
}

# The system's own CD-ROM entries name no place sources could come from.
function add_entry(type, uri, suite, comps, signed_by,    c, n, i, group) {
  if (uri ~ /^cdrom:/) return
  sub(/\/+$/, "", uri)
  n = split(comps, c, " ")
  if (n == 0) { n = 1; c[1] = "" }
  if (type == "deb-src") {
    for (i = 1; i <= n; i++) covered[uri SUBSEP suite SUBSEP c[i]] = 1
    return
  }
  if (type != "deb") return
  group = uri SUBSEP suite SUBSEP signed_by
  if (!(group in group_comps)) {
    order[++groups] = group
    group_uri[group] = uri; group_suite[group] = suite; group_key[group] = signed_by
    group_comps[group] = ""
  }
  for (i = 1; i <= n; i++) {
    if ((group SUBSEP c[i]) in wanted) continue
    wanted[group SUBSEP c[i]] = 1
    group_comps[group] = group_comps[group] (group_comps[group] == "" ? "" : " ") c[i]
  }
}

function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }

# deb822: fields, continuation lines that start with a blank, stanzas ended by an empty line.
FNR == 1 { if (in_stanza) end_stanza(); reset_stanza(); in_stanza = 0; deb822 = FILENAME ~ /\.sources$/ }

deb822 && /^#/ { next }
deb822 && /^[ \t]*$/ { if (in_stanza) end_stanza(); in_stanza = 0; next }
deb822 && /^[ \t]/ {
  if (field == "signed-by") key = key "\n" $0
  else if (field == "types") types = types " " $0
  else if (field == "uris") uris = uris " " $0
  else if (field == "suites") suites = suites " " $0
  else if (field == "components") components = components " " $0
  next
}
deb822 {
  in_stanza = 1
  colon = index($0, ":")
  if (colon == 0) next
  field = tolower(trim(substr($0, 1, colon - 1)))
  value = trim(substr($0, colon + 1))
  if (field == "types") types = value
  else if (field == "uris") uris = value
  else if (field == "suites") suites = value
  else if (field == "components") components = value
  else if (field == "signed-by") key = value
  else if (field == "enabled") enabled = tolower(value) != "no"
  next
}

# One-line: TYPE [OPTIONS] URI SUITE [COMPONENT...], options as key=value inside brackets.
{
  line = $0
  sub(/#.*/, "", line)
  signed_by = ""
  if (match(line, /\[[^]]*\]/)) {
    n = split(substr(line, RSTART + 1, RLENGTH - 2), options, " ")
    for (i = 1; i <= n; i++)
      if (tolower(options[i]) ~ /^signed-by=/) signed_by = substr(options[i], 11)
    line = substr(line, 1, RSTART - 1) " " substr(line, RSTART + RLENGTH)
  }
  n = split(line, word, " ")
  if (n < 3) next
  comps = ""
  for (i = 4; i <= n; i++) comps = comps (i == 4 ? "" : " ") word[i]
  gsub(/,/, " ", signed_by)
  add_entry(word[1], word[2], word[3], comps, signed_by)
}

END {
  if (in_stanza) end_stanza()
  for (g = 1; g <= groups; g++) {
    group = order[g]
    n = split(group_comps[group], c, " ")
    if (n == 0) { n = 1; c[1] = "" }
    missing = ""; needed = 0
    for (i = 1; i <= n; i++) {
      if ((group_uri[group] SUBSEP group_suite[group] SUBSEP c[i]) in covered) continue
      needed++
      missing = missing (missing == "" ? "" : " ") c[i]
    }
    if (!needed) continue
    printf "%sTypes: deb-src\nURIs: %s\nSuites: %s\n", (printed++ ? "\n" : ""), group_uri[group], group_suite[group]
    if (missing != "") printf "Components: %s\n", missing
    if (group_key[group] != "") printf "Signed-By:%s%s\n", (group_key[group] ~ /^\n/ ? "" : " "), group_key[group]
  }
}
