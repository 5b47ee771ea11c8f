# Debian 12's source packages for the library builds (scripts/windows-deps.sh,
# scripts/web-deps.sh), sourced by them. The sources come from the mirror this
# machine's apt uses, through a private apt configuration in CACHE/debian (the
# machine's own apt sources are not touched), and are unpacked there once,
# with Debian's patches applied, for every build that needs them.
#
#   . scripts/debian-sources.sh
#   debian_sources CACHE PACKAGE...   fills version[PACKAGE] and folder[PACKAGE]
#
# The caller defines say() for its messages.

declare -gA version folder

# The same through apt's own downloader, file by file against the hashes the
# source index names, for a mirror that lacks an upstream tarball's
# detached signature (which only dpkg-source would read, and it may go without).
debian_fetch_files() {
  local p=$1 v=$2 dir=$3 uri name size hash asc
  rm -rf "${dir:?}"/*
  apt-get "${debian_apt_opts[@]}" -qq source --print-uris --only-source "$p=$v" |
    while read -r uri name size hash; do
      uri=${uri//\'/}
      /usr/lib/apt/apt-helper "${debian_apt_opts[@]}" download-file "$uri" "$dir/$name" "$hash" ||
        case $name in *.asc) true ;; *) exit 1 ;; esac
    done || return 1
  # A signature the mirror lacks is struck from the description.
  for asc in $(sed -n 's/^ [0-9a-f]\{32,\} [0-9]* \(.*\.asc\)$/\1/p' "$dir"/*.dsc | sort -u); do
    [ -f "$dir/$asc" ] || sed -i "/ ${asc//./\\.}\$/d" "$dir"/*.dsc
  done
  (cd "$dir" && dpkg-source -x ./*.dsc)
}

# Unpacks one source package, the newest version the mirror serves (a
# security update listed but not yet there is passed over), and names it in
# version[] and folder[].
debian_fetch() {
  local p=$1 top=$2 v dir
  for v in $(apt-cache "${debian_apt_opts[@]}" showsrc --only-source "$p" |
             sed -n 's/^Version: //p' | sort -Vru); do
    dir=$top/sources/$p-${v#*:}
    if [ ! -f "$dir/.unpacked" ] || [ -z "$(find "$dir" -mindepth 1 -maxdepth 1 -type d)" ]; then
      rm -rf "$dir" && mkdir -p "$dir"
      say "fetching $p $v"
      if ! (cd "$dir" && apt-get "${debian_apt_opts[@]}" -qq source --only-source "$p=$v" >"$dir.log" 2>&1) &&
         ! debian_fetch_files "$p" "$v" "$dir" >>"$dir.log" 2>&1; then
        tail -n 3 "$dir.log" >&2
        rm -rf "$dir" "$dir.log"
        continue
      fi
      rm -f "$dir.log"
      touch "$dir/.unpacked"
    fi
    version[$p]=$v
    folder[$p]=$(find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    return 0
  done
  say "no source of $p could be fetched"
  return 1
}

debian_sources() {
  local top=$1/debian p mirror apt
  shift
  mkdir -p "$top/sources"
  # One build at a time reads the lists and unpacks (the Windows and the web
  # libraries may be built side by side).
  exec {debian_lock}>"$top/lock"
  flock "$debian_lock"
  mirror=$(grep -rhoE '(URIs:|^deb)[[:space:]]+https?://[^[:space:]]+/debian/?([[:space:]]|$)' \
             /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null |
           grep -oE 'https?://[^[:space:]]+' | head -n 1 || true)
  mirror=${mirror:-http://deb.debian.org/debian}
  mirror=${mirror%/}
  apt=$top/apt
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d"
  cat >"$apt/sources.list.new" <<LIST
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] ${mirror}-security bookworm-security main
LIST
  debian_apt_opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/sources.list.d"
                   -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
                   -o "APT::Sandbox::User=$(id -un)" -o "Debug::NoLocking=1")
  if ! cmp -s "$apt/sources.list.new" "$apt/sources.list" ||
     [ -z "$(find "$apt/lists" -maxdepth 1 -name '*Sources*' -mtime -7 -print -quit)" ]; then
    mv "$apt/sources.list.new" "$apt/sources.list"
    say "reading Debian's source lists from $mirror"
    apt-get "${debian_apt_opts[@]}" -qq update >&2
  fi
  rm -f "$apt/sources.list.new"
  for p in "$@"; do
    debian_fetch "$p" "$top" || { flock -u "$debian_lock"; exit 1; }
  done
  flock -u "$debian_lock"
  exec {debian_lock}>&-
}
