#!/usr/bin/env bash
# Installs the Debian packages that building, testing and screenshots need. Does
# nothing when they are all present.
#   --fuzz     also clang and libFuzzer for `make fuzz` (the tests never need them).
#   --windows  the packages of the Windows build instead (make test-windows): the
#              MinGW-w64 compilers with POSIX threads, GoogleTest's sources, Wine
#              (about 1.5 GB) and tclsh, with which SQLite's build makes its one-file
#              form for the Windows core (scripts/setup-windows-libs.sh).
#   --check    installs nothing; exits 1 when a package of the group is missing.
set -euo pipefail

fuzz=false
windows=false
check=false
for arg in "$@"; do
    case $arg in
    --fuzz) fuzz=true ;;
    --windows) windows=true ;;
    --check) check=true ;;
    *)
        echo "usage: $0 [--fuzz] [--windows] [--check]" >&2
        exit 64
        ;;
    esac
done

packages=(
    cmake g++ make ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
    # lrelease and lupdate: the English catalogue (translations/quorvex_en.ts)
    qt6-l10n-tools
    libgtest-dev libgmock-dev
    # the scan cache's database and content hash
    libsqlite3-dev libxxhash-dev
    xvfb xauth xdotool imagemagick
    fonts-ipafont-gothic fonts-ipafont-mincho adwaita-icon-theme shared-mime-info locales
    # the package and its checks (make package, make test-install)
    dpkg-dev file man-db bash-completion strace desktop-file-utils appstream lintian
    # the screen reader's view of the program on the accessibility bus (ctest -L long)
    dbus at-spi2-core python3-pyatspi
    # a file system that can clone files, for the reflink test (ctest -L long)
    xfsprogs
)
if $fuzz; then
    packages+=(clang libclang-rt-14-dev libfuzzer-14-dev)
fi
if $windows; then
    packages=(g++-mingw-w64-x86-64-posix googletest wine wine64 tcl)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if $check; then
    [ ${#missing[@]} -eq 0 ]
    exit
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "setup: these Debian packages are missing; run as root or install them: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The Japanese locale, for runs that ask for it.
if command -v locale >/dev/null && ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    if [ "$(id -u)" -eq 0 ] && [ -f /etc/locale.gen ]; then
        sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        locale-gen >/dev/null 2>&1 || true
    fi
fi
