#!/usr/bin/env bash
# make windows-desktop: the desktop program for Windows, built with the static Qt of
# `make setup-windows-qt` and checked under Wine with a Japanese locale:
#   1. cross-builds quorvex.exe (a window program, one self-contained file),
#      quorvex-cli.exe and the widget tests in build-windows-desktop/;
#   2. runs the widget tests on Qt's offscreen platform;
#   3. starts quorvex.exe on an X server of its own (scripts/windows-desktop-run.sh):
#      a comparison, a duplicate search and an empty-item search on a tree with
#      Japanese names, each list saved and checked against the rows of the Linux
#      quorvex-cli (first argument), a picture of every page, a file of the
#      duplicate list deleted to the Recycle Bin, and the end of the Wine session,
#      which must close the program with its settings written;
#   4. packs quorvex-VERSION-windows-x64.zip: both programs and the help document.
#
#   QUORVEX_WINDOWS_QT   the Qt (default ~/.cache/quorvex/qt6-mingw-static)
#   WINDOWS_SCREENSHOTS  where the pictures go (default docs/screenshots/windows;
#                        empty: none are kept)
#   WINDOWS_DESKTOP_BUILD the build folder (default build-windows-desktop)
#   JOBS                 parallel compile jobs (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."

linux_cli=$(realpath "${1:-build-test/quorvex-cli}")
qt=${QUORVEX_WINDOWS_QT:-$HOME/.cache/quorvex/qt6-mingw-static}
build=$(realpath -m "${WINDOWS_DESKTOP_BUILD:-build-windows-desktop}")
jobs=${JOBS:-2}
shots=${WINDOWS_SCREENSHOTS-docs/screenshots/windows}

if [ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "windows-desktop: no Windows Qt in $qt; make setup-windows-qt builds it (about two hours)" >&2
    exit 1
fi
start=$(date +%s)
libs=${QUORVEX_WINDOWS_LIBS:-$HOME/.cache/quorvex/mingw-libs}
QUORVEX_WINDOWS_LIBS="$libs" bash scripts/setup-windows-libs.sh

# --- 1. the programs and the widget tests ---
# A build folder kept between clones (CI keeps one) starts afresh for another source.
if [ -f "$build/CMakeCache.txt" ] &&
    ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$PWD" "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
        -DQUORVEX_WINDOWS_QT="$qt" -DQUORVEX_WINDOWS_LIBS="$libs" >/dev/null
fi
cmake --build "$build" -j "$jobs" --target quorvex quorvex-cli quorvex_help_document desktop_tests
echo "windows-desktop: built in $(($(date +%s) - start)) s"

# --- 2. the widget tests under Wine ---
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 TZ=Asia/Tokyo
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
(cd "$build" && ctest --output-on-failure -j "$jobs" -L desktop)

# --- 3. the program itself ---
bash scripts/windows-desktop-run.sh "$build" "$linux_cli" "$shots"

# --- 4. the package: the installation folder, zipped ---
version=$(sed -n 's/^project(Quorvex VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=quorvex-$version-windows-x64
rm -rf "${build:?}/$name" "$name.zip"
cmake --install "$build" --prefix "$build/$name" >/dev/null
(cd "$build" && cmake -E tar cf "$OLDPWD/$name.zip" --format=zip "$name")
rm -rf "${build:?}/$name"
echo "windows-desktop: $name.zip ($(du -k "$name.zip" | cut -f1) KiB); all done in $(($(date +%s) - start)) s"
