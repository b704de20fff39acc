#!/usr/bin/env bash
# The bash completion of quorvex-cli, fed command lines as bash would feed them.
# Usage: completion-test.sh COMPLETION_SCRIPT
set -u
source /usr/share/bash-completion/bash_completion || { echo "bash-completion is not installed"; exit 1; }
source "$1"

failures=0
expect() { # expected replies (space-separated), then the words; the last is being completed
    local expected=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _quorvex_cli quorvex-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    got=${got% }
    if [ "$got" != "$expected" ]; then
        echo "FAIL: quorvex-cli ${*:2}: expected [$expected], got [$got]"
        failures=$((failures + 1))
    fi
}

cd "$(mktemp -d)" || exit 1
trap 'rm -rf "$PWD"' EXIT
mkdir folder1 folder2
touch file1 list.tsv

expect 'cache compare dupdirs dups empty identical' quorvex-cli ''
expect 'clear' quorvex-cli cache c
expect '' quorvex-cli cache stats ''
expect '--no-cache' quorvex-cli identical --no
expect 'dupdirs dups' quorvex-cli --hidden d
expect '--layout' quorvex-cli dupdirs --la
expect '--threads --threshold' quorvex-cli dups --th
expect '--content' quorvex-cli compare A --con
expect '' quorvex-cli empty --con
expect 'json tsv' quorvex-cli --format ''
expect '80' quorvex-cli identical --threshold 8
expect 'folder1 folder2' quorvex-cli empty ''
expect 'file1 folder1 folder2 list.tsv' quorvex-cli identical ''
expect 'folder1 folder2' quorvex-cli identical file1 ''
expect 'file1 folder1 folder2 list.tsv' quorvex-cli --masks ''
expect 'folder1 folder2 list.tsv' quorvex-cli dups --load ''
expect 'folder1 folder2' quorvex-cli --load list.tsv dups f
expect '--act' quorvex-cli dups --a
expect '--dry-run' quorvex-cli dups --act trash --dr
expect 'hardlink' quorvex-cli dups --act h
expect 'update-b update-both' quorvex-cli compare --act up
expect '--only-missing' quorvex-cli compare A B --act copy-a-to-b --on
expect 'delete' quorvex-cli empty --act d
expect '--versioned' quorvex-cli compare A B --act copy-a-to-b --versione
expect 'move=folder1/ move=folder2/' quorvex-cli dups --act move=f
expect 'under=' quorvex-cli dups --keep u
expect 'folder1 folder2' quorvex-cli dups --act trash --keep newest f
# An option's value is not the command; after "--" words are never options.
expect 'folder1 folder2' quorvex-cli --format tsv dups f
expect '' quorvex-cli empty -- --h

[ $failures -eq 0 ] && echo "completion: all cases passed"
exit $((failures > 0))
