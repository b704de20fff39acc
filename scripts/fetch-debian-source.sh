#!/usr/bin/env bash
# Fetches and unpacks one Debian source package through apt, with a source list,
# package lists and cache of its own below WORK: the system's sources and lists are
# left as they are. The deb-src lines name the archive the machine's apt sources
# already use (scripts/apt-source-lines.py), so a configured mirror or proxy serves
# it; Debian's own archive only when no source of this release is configured.
#
#   fetch-debian-source.sh WORK PACKAGE=VERSION DEST
#
# DEST is replaced by the unpacked source tree. Needs dpkg-dev (dpkg-source).
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: $0 WORK PACKAGE=VERSION DEST" >&2
    exit 64
fi
work=$1
package=$2
dest=$3
name=${package%%=*}
here=$(cd "$(dirname "$0")" && pwd)

command -v dpkg-source >/dev/null || {
    echo "fetch-debian-source: dpkg-source is missing; run scripts/setup-deps.sh" >&2
    exit 1
}

apt="$work/apt"
mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/cache/archives/partial"
python3 "$here/apt-source-lines.py" --key-folder "$apt/keys" >"$apt/sources.list"
apt_options=(
    -o "Dir::Etc::SourceList=$apt/sources.list"
    -o "Dir::Etc::SourceParts=$apt/parts"
    -o "Dir::State::Lists=$apt/lists"
    -o "Dir::Cache=$apt/cache"
    -o "APT::Sandbox::User=root"
)
apt-get "${apt_options[@]}" update -qq

download="$work/download-$name"
rm -rf "$download"
mkdir -p "$download"
(cd "$download" && apt-get "${apt_options[@]}" source -qq "$package" >/dev/null)
unpacked=$(find "$download" -mindepth 1 -maxdepth 1 -type d -name "$name-*" | head -n 1)
[ -n "$unpacked" ] || {
    echo "fetch-debian-source: apt-get source left no $name folder" >&2
    exit 1
}
rm -rf "$dest"
mkdir -p "$(dirname "$dest")"
mv "$unpacked" "$dest"
rm -rf "$download"
