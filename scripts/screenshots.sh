#!/usr/bin/env bash
# make screenshots: starts the desktop program under its own Xvfb on example trees
# (scripts/screenshot-trees.py), runs a comparison with content, a duplicate search
# at 80 % and an empty-item search, opens the trash page, and writes one picture of
# the window per page: compare.png, duplicates.png, empty.png, trash.png,
# options.png, history.png. LANGUAGE ja (the default) or en chooses the locale the
# program starts in, and so its interface language.
#
#   screenshots.sh PROGRAM [OUTPUT_FOLDER [LANGUAGE]]   (default docs/screenshots ja)
set -euo pipefail
program=$(realpath "$1")
out=$(realpath -m "${2:-docs/screenshots}")
language=${3:-ja}
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${QUORVEX_SCREENSHOT_DISPLAY:-}" ]; then
    # A display of its own, so that every run takes the same pictures.
    exec xvfb-run -a -s "-screen 0 1024x768x24" env QUORVEX_SCREENSHOT_DISPLAY=1 \
        bash "$0" "$program" "$out" "$language"
fi
# The middle of each page's tab, in tab order, for the captions of the language.
case $language in
    ja) locale=ja_JP.UTF-8 tabs=(50 177 325 422 523 608) ;;
    en) locale=en_US.UTF-8 tabs=(52 197 378 505 577 665) ;;
    *) echo "screenshots: LANGUAGE is ja or en" >&2; exit 64 ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The trees lie where their paths read well in the pictures.
examples=${TMPDIR:-/tmp}/quorvex-examples
trash_entries=$(python3 "$here/screenshot-trees.py" "$examples")

# Fresh settings (the duplicate threshold at 80 %) and data (the trash list).
unset LC_ALL LC_MESSAGES LANGUAGE
export QUORVEX_CONFIG_HOME=$work/config QUORVEX_DATA_DIR=$work/data/ \
    XDG_RUNTIME_DIR=$work/runtime LANG=$locale TZ=Asia/Tokyo ASAN_OPTIONS=detect_leaks=0
mkdir -p "$work/config/Vorle" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Vorle\Quorvex]' '"sikii"=dword:00000050' \
    >"$work/config/Vorle/Quorvex.reg"
printf '%s\r\n' $trash_entries >"$work/data/gomi.txt"
mkdir -p "$out"

"$program" &
pid=$!
finish() {
    kill "$pid" 2>/dev/null || true
    rm -rf "$work" "$examples"
}
trap finish EXIT
main=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quorvex$' | head -1)
[ -n "$main" ] || { echo "screenshots: the program showed no window" >&2; exit 1; }

# Places in the window (it has a fixed size): page tabs, buttons, path inputs.
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.3; }
type_path() { # x y path: replaces the text of the input at x y
    click "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 2 "$3"
}
shot() { # name: waits for the page to settle, the pointer off the window
    xdotool mousemove 1020 760
    sleep "${2:-1}"
    import -window "$main" "$out/$1.png"
    echo "screenshots: $out/$1.png"
}

click "${tabs[0]}" 47 # ファイルの比較
type_path 400 108 "$examples/project"
type_path 400 133 "$examples/project-backup"
click 101 75 # 内容を比較する
click 43 75  # 開始
shot compare 3

click "${tabs[1]}" 47 # 重複と同一ファイルの検索
type_path 400 130 "$examples/photos"
click 46 74 # 開始
shot duplicates 3

click "${tabs[2]}" 47 # 空のフォルダとファイル
click 52 74  # 設定／開始 asks for the folder
chooser=""
for _ in $(seq 50); do
    chooser=$(xdotool search --onlyvisible --pid "$pid" '' 2>/dev/null | grep -vx "$main" | head -1) || true
    [ -n "$chooser" ] && break
    sleep 0.2
done
[ -n "$chooser" ] || { echo "screenshots: no folder chooser" >&2; exit 1; }
xdotool mousemove --window "$chooser" 5 5
xdotool type --delay 2 "$examples/cleanup"
for _ in 1 2 3; do # the first Return may only take the completion
    xdotool key Return
    sleep 0.5
    xdotool search --onlyvisible --pid "$pid" '' 2>/dev/null | grep -qx "$chooser" || break
done
shot empty 3

click "${tabs[3]}" 47 # ごみ箱
click 55 74  # ごみ箱を開く
shot trash

click "${tabs[4]}" 47 # Option
shot options

click "${tabs[5]}" 47 # 検索履歴の編集
shot history

click 121 16 # 終了
wait "$pid"
