#!/usr/bin/env bash
# The Windows build, checked on this machine: cross-compiles quorvex_core, its tests
# and quorvex-cli with MinGW-w64, runs the tests under Wine with a Japanese locale
# (ANSI code page 932), then runs quorvex-cli.exe compare, dups and empty on one tree
# and checks that their rows and exit statuses are those of the Linux build, byte for
# byte (separators aside; both end lines with LF alone).
# Needs the packages of `scripts/setup-deps.sh --windows` and a Linux quorvex-cli
# (first argument, default build-test/quorvex-cli). The core's C libraries for MinGW
# are built first when they are not yet (scripts/setup-windows-libs.sh, QUORVEX_WINDOWS_LIBS).
set -euo pipefail
cd "$(dirname "$0")/.."

linux_cli=${1:-build-test/quorvex-cli}
build=${WINDOWS_BUILD:-build-windows}
jobs=${JOBS:-2}

libs=${QUORVEX_WINDOWS_LIBS:-$HOME/.cache/quorvex/mingw-libs}

QUORVEX_WINDOWS_LIBS="$libs" bash scripts/setup-windows-libs.sh

export WINEPREFIX="$PWD/$build/wine-prefix" WINEDEBUG=-all
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 TZ=Asia/Tokyo

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
        -DQUORVEX_WINDOWS_LIBS="$libs"
fi
cmake --build "$build" -j "$jobs"

# The prefix is made once, before tests start side by side in it.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
(cd "$build" && ctest --output-on-failure -j "$jobs" -LE long)

# --- quorvex-cli.exe against the Linux build on the same tree ---
tree=$(mktemp -d /tmp/qv-smoke-XXXXXX)
trap 'rm -rf "$tree" "$tree.linux" "$tree.wine" "$tree.windows" "$tree.data" "$tree.moved"' EXIT
# At most one name outside ASCII a folder: the two systems order such names each by
# its own rules (bytes in C.UTF-8, the Japanese locale's table on Windows).
mkdir -p "$tree/A/sub/deep" "$tree/A/empty" "$tree/A/wide" "$tree/B/sub" "$tree/B/onlyb"
printf 'same\n' >"$tree/A/same.txt"
printf 'same\n' >"$tree/B/same.txt"
printf 'abcdefgh' >"$tree/A/sub/日本語.txt"
printf 'abcdXXgh' >"$tree/B/sub/日本語.txt"
printf 'a name outside CP932' >"$tree/A/wide/한글.txt"
: >"$tree/A/zero.bin"
: >"$tree/A/sub/deep/zero2.bin"
cp "$tree/A/sub/日本語.txt" "$tree/B/onlyb/copy.txt"
find "$tree" -mindepth 1 -exec touch -d '2024-05-06 10:00:00' {} +

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
# The Windows rows with its separators (escaped in TSV as "\\") and drive written
# the Linux way.
linux_form() { sed -e 's/Z:\\\\/\//g' -e 's/\\\\/\//g'; }

check() {
    local name=$1
    shift
    local linux_args=() windows_args=()
    for arg in "$@"; do
        if [[ $arg == /* ]]; then
            linux_args+=("$arg")
            windows_args+=("$(windows_path "$arg")")
        else
            linux_args+=("$arg")
            windows_args+=("$arg")
        fi
    done
    # Each output ends with the program's exit status, which must agree too.
    local status=0
    LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=0 "$linux_cli" "${linux_args[@]}" >"$tree.linux" 2>&1 ||
        status=$?
    echo "exit status $status" >>"$tree.linux"
    status=0
    wine "$build/quorvex-cli.exe" "${windows_args[@]}" >"$tree.wine" 2>&1 || status=$?
    linux_form <"$tree.wine" >"$tree.windows"
    echo "exit status $status" >>"$tree.windows"
    if ! diff -u "$tree.linux" "$tree.windows"; then
        echo "test-windows: quorvex-cli.exe $name differs from the Linux build" >&2
        exit 1
    fi
    echo "test-windows: quorvex-cli.exe $name: $(wc -l <"$tree.linux") lines as on Linux"
}
check compare compare --content "$tree/A" "$tree/B"
check dups dups --threshold 50 "$tree"
check identical identical "$tree/A/same.txt" "$tree"
check empty empty "$tree/A"

# Acting on the groups: the plan of a dry run is the Linux build's; hard links made by
# the Windows build share the kept file's inode on the disk, and a move takes the
# copies away with their paths below the searched folder.
check dry-run dups --act hardlink --dry-run "$tree"
export QUORVEX_DATA_DIR="$(windows_path "$tree.data")\\"
wine "$build/quorvex-cli.exe" dups --act hardlink "$(windows_path "$tree")" >/dev/null
if [ "$(stat -c %i "$tree/A/same.txt")" != "$(stat -c %i "$tree/B/same.txt")" ]; then
    echo "test-windows: quorvex-cli.exe dups --act hardlink made no hard link" >&2
    exit 1
fi
# A copy that is the kept file under a second name is never moved away: the two get
# bytes of their own again first.
for copy in "$tree/B/same.txt" "$tree/B/onlyb/copy.txt"; do
    cp -p "$copy" "$copy.own" && mv "$copy.own" "$copy"
done
wine "$build/quorvex-cli.exe" dups --act "move=$(windows_path "$tree.moved")" "$(windows_path "$tree")" >/dev/null
if [ -e "$tree/B/same.txt" ] || ! cmp -s "$tree/A/same.txt" "$tree.moved/B/same.txt"; then
    echo "test-windows: quorvex-cli.exe dups --act move did not move the copy" >&2
    exit 1
fi
echo "test-windows: quorvex-cli.exe dups --act hardlink and move act as on Linux"
