#!/usr/bin/env bash
# The installation as a distribution would check it: installs the build into a
# DESTDIR, starts both programs from there (the help document and the data folder
# must resolve), validates the desktop entry and the metainfo, builds the Debian
# package and runs lintian on it. Fails on any error; prints lintian's warnings.
#
#   install-test.sh BUILD_DIR PROJECT_VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
here=$(cd "$(dirname "$0")" && pwd)
id=com.vorle.Quorvex

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
step() { echo "== $*"; }

step "install into a DESTDIR"
DESTDIR=$work/stage cmake --install "$build" --prefix /usr >/dev/null
prefix=$work/stage/usr
for file in bin/quorvex bin/quorvex-cli share/quorvex/Help/Quorvex.htm \
    share/quorvex/Help/Quorvex_en.htm share/quorvex/translations/quorvex_en.qm \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/man/man1/quorvex.1.gz \
    share/man/man1/quorvex-cli.1.gz share/bash-completion/completions/quorvex-cli \
    share/doc/quorvex/copyright share/doc/quorvex/changelog.gz; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
compgen -G "$prefix/lib/*/quorvex/quorvex-pictures.so" >/dev/null ||
    compgen -G "$prefix/lib/quorvex/quorvex-pictures.so" >/dev/null ||
    fail "not installed: the picture module quorvex-pictures.so"
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "icon ${size}x$size: $(file "$icon")"
done

step "quorvex-cli"
cli=$prefix/bin/quorvex-cli
[ "$("$cli" --version)" = "quorvex-cli $version" ] || fail "--version: $("$cli" --version)"
mkdir -p "$work/tree/empty-folder"
: >"$work/tree/zero"
found=$("$cli" empty "$work/tree" | grep -c "^zero	\|^empty-folder	") || true
[ "$found" = 2 ] || fail "quorvex-cli empty found $found of 2 items"

step "man pages"
for page in quorvex quorvex-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $page: $warnings"
done

step "the desktop program, started from the DESTDIR"
home=$work/home
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
# No session bus: without one, D-Bus would start its own through dbus-launch (where
# dbus-x11 is installed), and the tracer would wait for that daemon forever.
env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 TZ=UTC \
    ASAN_OPTIONS=detect_leaks=0 DBUS_SESSION_BUS_ADDRESS=disabled: \
    timeout 300 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/start-desktop.sh" "$prefix/bin/quorvex" \
    "$work/trace" || fail "the desktop program did not start, open its help and close"
# The help window read the installed document.
grep -q "\"$prefix/share/quorvex/Help/Quorvex.htm\", O_RDONLY.*= [0-9]" "$work/trace" ||
    fail "the help document was not opened from $prefix/share/quorvex/Help"
[ -d "$home/.local/share/Quorvex" ] || fail "no data folder in ~/.local/share/Quorvex"
[ -s "$home/.config/Vorle/Quorvex.reg" ] || fail "no settings written to ~/.config/Vorle/Quorvex.reg"

step "the desktop program under an English locale"
env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$work/runtime" LANG=en_US.UTF-8 TZ=UTC \
    ASAN_OPTIONS=detect_leaks=0 DBUS_SESSION_BUS_ADDRESS=disabled: \
    timeout 300 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/start-desktop.sh" "$prefix/bin/quorvex" \
    "$work/trace-en" || fail "the desktop program did not start in English, open its help and close"
# The installed English catalogue and help document were read.
for file in translations/quorvex_en.qm Help/Quorvex_en.htm; do
    grep -q "\"$prefix/share/quorvex/$file\", O_RDONLY.*= [0-9]" "$work/trace-en" ||
        fail "$file was not opened from $prefix/share/quorvex"
done

step "desktop entry and metainfo"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo has no release $version"
zcat "$prefix/share/doc/quorvex/changelog.gz" | head -1 | grep -q "^quorvex ($version) " ||
    fail "the changelog does not begin with version $version"

step "Debian package"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/package/quorvex_*.deb 2>/dev/null | head -1)
if [ -n "$deb" ]; then
    dpkg-deb --field "$deb" Depends | grep -q "libqt6widgets6" || fail "Depends lacks the Qt libraries"
    # Lintian refuses to run as root unless told that this is meant.
    lintian --allow-root --fail-on error --display-info "$deb" | tee "$work/lintian.log" || fail "lintian"
    echo "lintian: $(grep -c '^E:' "$work/lintian.log") errors, $(grep -c '^W:' "$work/lintian.log") warnings"
else
    fail "no package built"
fi

if [ $failures -eq 0 ]; then
    echo "install test: passed"
fi
exit $((failures > 0))
