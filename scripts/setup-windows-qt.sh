#!/usr/bin/env bash
# Builds the static Qt that the Windows desktop program links (make setup-windows-qt):
# Debian's qt6-base source, the version of the installed host tools, cross-compiled
# with MinGW-w64 into a folder outside the repository. Done once: when that folder
# already holds the Qt, nothing happens.
#
#   QUORVEX_WINDOWS_QT  where the Qt goes (default ~/.cache/quorvex/qt6-mingw-static)
#   JOBS                parallel compile jobs (default 2)
#   KEEP_QT_BUILD=1     keeps the source and objects (beside the Qt, ".work") after
#                       installing, so that a changed configuration rebuilds faster
#
# The source is fetched by apt with its own source list, lists and cache beside the
# build, from the archive the machine's apt sources use (scripts/fetch-debian-source.sh):
# the system's sources and package lists are left as they are. Needs the packages of
# `scripts/setup-deps.sh --windows`, qt6-base-dev-tools (moc, rcc, uic for the host)
# and dpkg-dev (apt-get source).
# Takes about two hours on a busy two-core machine and 2.5 GB of disk while it
# builds; the Qt itself is 111 MB.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

prefix=${QUORVEX_WINDOWS_QT:-$HOME/.cache/quorvex/qt6-mingw-static}
jobs=${JOBS:-2}
work="$prefix.work"
qt_version=6.4.2

if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "setup-windows-qt: the Windows Qt is already in $prefix"
    exit 0
fi

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
case $host_version in
"$qt_version"*) ;;
*)
    echo "setup-windows-qt: needs Debian's qt6-base-dev-tools $qt_version (found '${host_version:-none}')" >&2
    exit 1
    ;;
esac
for tool in x86_64-w64-mingw32-g++-posix cmake ninja perl; do
    command -v "$tool" >/dev/null || {
        echo "setup-windows-qt: $tool is missing; run scripts/setup-deps.sh --windows" >&2
        exit 1
    }
done

start=$(date +%s)
mkdir -p "$work"
cd "$work"

# --- the source, through apt with a private source list, lists and cache ---
src="$work/qtbase-source"
if [ ! -f "$src/configure" ]; then
    bash "$repo/scripts/fetch-debian-source.sh" "$work" "qt6-base=$host_version" "$src"
fi

# --- configure: static, MinGW, the modules the program and its tests use ---
# Without Direct2D, Qt 6.4 leaves out the DirectWrite font database that its
# directwrite3 feature makes the windows platform refer to; the GDI one is the
# default anyway.
build="$work/build"
if [ ! -f "$build/build.ninja" ]; then
    rm -rf "$build"
    mkdir -p "$build"
    (cd "$build" && "$src/configure" \
        -prefix "$prefix" \
        -static -static-runtime -release -optimize-size \
        -qt-host-path /usr \
        -nomake examples -nomake tests \
        -no-opengl -no-dbus -no-icu -no-glib -no-fontconfig \
        -qt-zlib -qt-pcre -qt-harfbuzz -qt-libpng -qt-freetype -qt-libjpeg \
        -no-feature-network -no-feature-sql -no-feature-printsupport -no-feature-xml \
        -no-feature-concurrent -no-feature-tabletevent -no-feature-direct2d -no-feature-vulkan \
        -no-feature-directwrite3 \
        -- \
        -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchains/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
fi

cmake --build "$build" --parallel "$jobs"
cmake --install "$build"

# The source and the objects are no longer needed once the Qt is installed.
[ "${KEEP_QT_BUILD:-0}" = 1 ] || rm -rf "$work"

elapsed=$(($(date +%s) - start))
echo "setup-windows-qt: the Windows Qt is in $prefix ($(du -sh "$prefix" | cut -f1)); it took $((elapsed / 60)) min $((elapsed % 60)) s"
