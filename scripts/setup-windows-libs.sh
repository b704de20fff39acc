#!/usr/bin/env bash
# Builds the C libraries that the Windows core links (the scan cache's SQLite and
# xxHash), static, with MinGW-w64, from Debian's source packages of the versions the
# Linux build uses, into a folder outside the repository. Done once: when that folder
# already holds the libraries of those versions, nothing happens. make test-windows
# runs it; the Windows CMake build finds them through QUORVEX_WINDOWS_LIBS.
#
#   QUORVEX_WINDOWS_LIBS  where they go (default ~/.cache/quorvex/mingw-libs)
#
# SQLite's source tree is turned into its one-file form (sqlite3.c) by its own
# build on the host (C compiler, tclsh), then that file is cross-compiled. Needs the
# packages of `scripts/setup-deps.sh --windows` and dpkg-dev (apt-get source).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

prefix=${QUORVEX_WINDOWS_LIBS:-$HOME/.cache/quorvex/mingw-libs}
work="$prefix.work"
cc=x86_64-w64-mingw32-gcc-posix
ar=x86_64-w64-mingw32-ar

source_version() {
    dpkg-query -W -f='${source:Version}' "$1" 2>/dev/null || {
        echo "setup-windows-libs: $1 is not installed; run scripts/setup-deps.sh" >&2
        exit 1
    }
}
sqlite_version=$(source_version libsqlite3-dev)
xxhash_version=$(source_version libxxhash-dev)
stamp="sqlite3=$sqlite_version xxhash=$xxhash_version"

if [ "$(cat "$prefix/versions" 2>/dev/null)" = "$stamp" ]; then
    exit 0
fi
for tool in $cc $ar cc make tclsh python3; do
    command -v "$tool" >/dev/null || {
        echo "setup-windows-libs: $tool is missing; run scripts/setup-deps.sh --windows" >&2
        exit 1
    }
done

start=$(date +%s)
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix/include" "$prefix/lib"

bash "$here/fetch-debian-source.sh" "$work" "sqlite3=$sqlite_version" "$work/sqlite3"
bash "$here/fetch-debian-source.sh" "$work" "xxhash=$xxhash_version" "$work/xxhash"

# The one-file form, made by SQLite's build for the host.
mkdir -p "$work/sqlite3-host"
(cd "$work/sqlite3-host" &&
    "$work/sqlite3/configure" --disable-tcl --disable-readline >configure.log 2>&1 &&
    make sqlite3.c >make.log 2>&1) || {
    echo "setup-windows-libs: SQLite's one-file form could not be made; see $work/sqlite3-host" >&2
    exit 1
}

# Debian's settings where they matter here: deleted content overwritten (the cache
# holds path names), the same limits; no extensions loaded into a static program.
sqlite_flags=(-O2 -DSQLITE_THREADSAFE=1 -DSQLITE_SECURE_DELETE -DSQLITE_MAX_VARIABLE_NUMBER=250000
    -DSQLITE_MAX_SCHEMA_RETRY=25 -DSQLITE_OMIT_LOAD_EXTENSION)
"$cc" "${sqlite_flags[@]}" -c "$work/sqlite3-host/sqlite3.c" -o "$work/sqlite3.o" &
"$cc" -O2 -c "$work/xxhash/xxhash.c" -o "$work/xxhash.o"
wait $!
"$ar" rcs "$prefix/lib/libsqlite3.a" "$work/sqlite3.o"
"$ar" rcs "$prefix/lib/libxxhash.a" "$work/xxhash.o"
cp "$work/sqlite3-host/sqlite3.h" "$work/xxhash/xxhash.h" "$prefix/include/"
echo "$stamp" >"$prefix/versions"
rm -rf "$work"

elapsed=$(($(date +%s) - start))
echo "setup-windows-libs: $stamp for MinGW in $prefix; it took $((elapsed / 60)) min $((elapsed % 60)) s"
