#!/usr/bin/env bash
# The Windows desktop program under Wine on an X server of its own, driven like a
# user with xdotool (part of make windows-desktop): on a tree with Japanese names it
# runs a comparison with contents, a duplicate search at 80 % and an empty-item
# search, saves each result list and checks its rows against the Linux quorvex-cli;
# takes a picture of every page; deletes a file of the duplicate list to the Recycle
# Bin; then ends the Wine session, which must close the program with its state
# written.
#
#   windows-desktop-run.sh BUILD LINUX_CLI [SCREENSHOT_FOLDER]
#
# BUILD holds quorvex.exe and its Wine prefix; without SCREENSHOT_FOLDER no pictures
# are kept.
set -euo pipefail
build=$(realpath "$1")
linux_cli=$(realpath "$2")
shots=${3:+$(realpath -m "$3")}
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${QUORVEX_WINE_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env QUORVEX_WINE_DISPLAY=1 \
        bash "$0" "$@"
fi

export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 TZ=Asia/Tokyo

# The program in a folder of its own, which then holds its per-user data; the tree
# and the saved lists where their Windows paths are short and ASCII (drive Z: is /).
work=$(mktemp -d /tmp/qv-windows-XXXXXX)
pid=""
finish() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
mkdir -p "$work/Quorvex" "$work/lists" "$work/data-home"
cp "$build/quorvex.exe" "$work/Quorvex/"
cp -r "$build/Help" "$work/Quorvex/Help"
export XDG_DATA_HOME=$work/data-home # where Wine's Recycle Bin keeps what it takes

tree=$work/tree
# At most one name outside ASCII a folder: Linux and Windows order such names each
# by its own rules. The folders typed into the program are ASCII: xdotool cannot
# type other characters into a Wine window.
mkdir -p "$tree/A/資料/深い" "$tree/A/空のフォルダ" "$tree/B/資料" "$tree/pics/旅行"
printf 'same\n' >"$tree/A/same.txt"
printf 'same\n' >"$tree/B/same.txt"
printf 'abcdefgh' >"$tree/A/資料/報告書.txt"
printf 'abcdXXgh' >"$tree/B/資料/報告書.txt"
: >"$tree/A/空.txt"
: >"$tree/A/資料/深い/zero.bin"
head -c 20000 /dev/zero | tr '\0' 'a' >"$tree/pics/風景.jpg"
cp "$tree/pics/風景.jpg" "$tree/pics/旅行/copy.jpg"
{ head -c 18000 /dev/zero | tr '\0' 'a'; head -c 2000 /dev/zero | tr '\0' 'b'; } >"$tree/pics/旅行/near.jpg"
find "$tree" -mindepth 1 -exec touch -d '2024-05-06 10:00:00' {} +

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
# A saved list with its separators (escaped in TSV as "\\") and drive written the
# Linux way.
linux_form() { sed -e 's/Z:\\\\/\//g' -e 's/\\\\/\//g'; }

wine reg add 'HKCU\Software\Vorle\Quorvex' /v sikii /t REG_DWORD /d 80 /f >/dev/null 2>&1

wine "$work/Quorvex/quorvex.exe" &
pid=$!
# Wine may replace a window it has just shown: the main window is the one that stays.
main=""
for _ in $(seq 120); do
    main=$(xdotool search --onlyvisible --name '^Quorvex$' 2>/dev/null | head -1) || true
    sleep 1
    [ -n "$main" ] && xdotool getwindowgeometry "$main" >/dev/null 2>&1 && break
    main=""
done
[ -n "$main" ] || { echo "windows-desktop: the program showed no window" >&2; exit 1; }
sleep 2

click() { xdotool mousemove --window "$main" "$1" "$2" click "${3:-1}"; sleep 0.5; }
type_text() { xdotool type --delay 20 "$1"; }
type_path() { # x y path: replaces the text of the input at x y
    click "$1" "$2"
    xdotool key ctrl+a
    type_text "$3"
}
shot() { # name [seconds]: waits for the page to settle, the pointer off the window
    xdotool mousemove 1020 760
    sleep "${2:-1}"
    [ -n "$shots" ] || return 0
    mkdir -p "$shots"
    import -window root -crop "$(xdotool getwindowgeometry --shell "$main" |
        awk -F= '/WIDTH/{w=$2} /HEIGHT/{h=$2} /^X/{x=$2} /^Y/{y=$2} END{print w "x" h "+" x "+" y}')" \
        "$shots/$1.png"
    echo "windows-desktop: $shots/$1.png"
}
# A window of the program other than the main one (a dialog), once it shows.
other_window() {
    local found=""
    for _ in $(seq 100); do
        found=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$main" | tail -1) || true
        [ -n "$found" ] && break
        sleep 0.2
    done
    [ -n "$found" ] || { echo "windows-desktop: no $1 showed" >&2; exit 1; }
    echo "$found"
}
# Saves the list under the pointer's row (x y) with its popup's item before last,
# "リストを保存…" (the last is "リストを開く…"), into the file `name` and checks it
# against the Linux rows.
save_and_check() {
    local x=$1 y=$2 name=$3
    shift 3
    click "$x" "$y" 3
    xdotool key Up Up Return
    other_window "save dialog" >/dev/null
    xdotool key End shift+Home # the dialog offers the list's own name
    type_text "$(windows_path "$work/lists/$name")"
    xdotool key Return
    for _ in $(seq 50); do [ -s "$work/lists/$name" ] && break; sleep 0.2; done
    LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=0 "$linux_cli" "$@" >"$work/lists/$name.linux" 2>/dev/null || true
    if ! linux_form <"$work/lists/$name" | diff -u "$work/lists/$name.linux" -; then
        echo "windows-desktop: the program's $name differs from the Linux rows" >&2
        exit 1
    fi
    echo "windows-desktop: $name: $(wc -l <"$work/lists/$name.linux") lines as on Linux"
}

# Places in the window (it has a fixed size): page tabs, buttons, path inputs.
click 50 47 # ファイルの比較
type_path 400 108 "$(windows_path "$tree/A")"
type_path 400 133 "$(windows_path "$tree/B")"
click 101 75 # 内容を比較する
click 43 75  # 開始
shot compare 3
save_and_check 200 200 compare.tsv compare --content "$tree/A" "$tree/B"

click 177 47 # 重複と同一ファイルの検索
type_path 400 130 "$(windows_path "$tree/pics")"
click 46 74 # 開始
shot duplicates 3
save_and_check 200 200 duplicates.tsv dups --threshold 80 "$tree/pics"

# Deletes the row under the pointer with the popup's "削除(&D)" and agrees: the file
# leaves the tree whole into the Recycle Bin, which Wine keeps as the desktop trash.
cp -r "$tree/pics" "$work/before"
click 200 200
click 200 200 3
xdotool key d
other_window "confirmation" >/dev/null
xdotool key Return
trashed=""
for _ in $(seq 50); do
    trashed=$(find "$work/data-home/Trash/files" -type f 2>/dev/null | head -1) || true
    [ -n "$trashed" ] && break
    sleep 0.2
done
gone=$(cd "$work/before" && find . -type f | while read -r f; do
    if [ ! -e "$tree/pics/$f" ]; then echo "$f"; fi
done)
if [ -z "$trashed" ] || [ "$(printf '%s\n' "$gone" | grep -c .)" != 1 ] ||
    ! cmp -s "$work/before/$gone" "$trashed"; then
    echo "windows-desktop: the delete did not move one file whole to the Recycle Bin" >&2
    exit 1
fi
echo "windows-desktop: ${gone#./} went to the Recycle Bin"

click 325 47 # 空のフォルダとファイル
click 52 74  # 設定／開始 asks for the folder
other_window "folder chooser" >/dev/null
xdotool key End shift+Home
type_text "$(windows_path "$tree/A")"
xdotool key Return
shot empty 3
save_and_check 200 125 empty.tsv empty "$tree/A"

click 422 47 # ごみ箱
shot trash
click 500 47 # Option
shot options
click 600 47 # 検索履歴の編集
shot histories

# Ends the session as logging off does: the program must close and write its state.
wineboot --end-session >/dev/null 2>&1 || true
if ! timeout 60 tail --pid="$pid" -f /dev/null; then
    echo "windows-desktop: the program did not close at the end of the session" >&2
    exit 1
fi
pid=""
history=$(find "$work/Quorvex/data" -name data1.txt | head -1)
if [ -z "$history" ] || ! iconv -f CP932 -t UTF-8 "$history" | grep -q 'tree\\A'; then
    echo "windows-desktop: the program closed without writing its histories" >&2
    exit 1
fi
echo "windows-desktop: the end of the session closed the program with its state written"
