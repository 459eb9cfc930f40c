#!/usr/bin/env bash
# Completes command lines with the bash completion of casewright-batch, once
# against the real program and once against a stand-in that has a "stocks"
# command and a command the completion has never heard of.
#   completion_test.sh COMPLETION_FILE CASEWRIGHT_BATCH
set -uo pipefail
completion=$1
program=$(realpath "$2")

source /usr/share/bash-completion/bash_completion || exit 1
source "$completion" || exit 1

failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir -p bin sub
touch summer.jkt notes.txt cover.png

# complete WORD... : the reply for the last word, one per line, sorted. The
# words are split as bash splits them ("--dpi=3" is --dpi, =, 3), and the line
# is joined back without spaces around an equals sign.
complete_words() {
    local word
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=""
    for word in "$@"; do
        if [[ -z $COMP_LINE || $word == = || $COMP_LINE == *= ]]; then
            COMP_LINE+=$word
        else
            COMP_LINE+=" $word"
        fi
    done
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _casewright_batch casewright-batch 2>/dev/null
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

# expect DESCRIPTION WANTED_LINE|!UNWANTED_LINE... -- WORD...
expect() {
    local what=$1 wanted=() reply line
    shift
    while [[ $1 != -- ]]; do
        wanted+=("$1")
        shift
    done
    shift
    reply=$(complete_words "$@")
    for line in "${wanted[@]}"; do
        if [[ $line == !* ]]; then
            grep -qxF -- "${line#!}" <<<"$reply" || continue
        elif grep -qxF -- "$line" <<<"$reply"; then
            continue
        fi
        echo "FAIL: $what: '$line' in [$(tr '\n' ' ' <<<"$reply")]"
        failures=$((failures + 1))
    done
}

run_cases() {
    expect "commands" info new render print help -- casewright-batch ""
    expect "top-level options" --version -- casewright-batch --v
    expect "options of render" --dpi --font-dpi "!--force" -- casewright-batch render --
    expect "options of print" --disc-stock --bottom-label --no-disc -o -- casewright-batch print -
    expect "cover files after a command" summer.jkt sub "!notes.txt" -- casewright-batch info ""
    expect "surface after the file" front back cover disc -- casewright-batch render summer.jkt ""
    expect "cover file after an option's value" summer.jkt "!front" -- \
        casewright-batch render --dpi 300 ""
    expect "surface option" front disc -- casewright-batch render --surface ""
    expect "image file of an option" notes.txt cover.png -- casewright-batch new --front-image ""
    expect "PNG output" cover.png "!notes.txt" -- casewright-batch render -o ""
    expect "surface of --image" front= whole= -- casewright-batch new --image ""
    expect "value after --option=" front "!summer.jkt" -- casewright-batch render --surface = ""
    expect "stock names, escaped" 'Neato\ CD/DVD\ Labels\ \(A4\)' -- \
        casewright-batch print --disc-stock Nea
    expect "stock names inside quotes" 'Plain Paper' -- casewright-batch print --disc-stock '"Pl'
    expect "options of calibrate" --disc-stock -o --printer -- casewright-batch calibrate -
    expect "label sheets of calibrate" 'Neato\ CD/DVD\ Labels\ \(A4\)' -- \
        casewright-batch calibrate --disc-stock Nea
    if [[ -d /usr/share/libglabels-3.0/templates ]]; then
        expect "sheets of the template database" 'Desmat\ A4ST-3CD\ -\ CD\ Labels' -- \
            casewright-batch print --disc-stock Desm
    fi
}

echo "== the real program"
PATH="$(dirname "$program"):$PATH"
unset "${!_casewright_batch_@}"
run_cases

echo "== a program with a stocks command and a thumbnail command"
cat >bin/casewright-batch <<'STANDIN'
#!/bin/sh
case "$1 $2" in
"--help "*) printf 'Usage: casewright-batch COMMAND [options]\n\nCommands:\n  info FILE.jkt   show\n  thumbnail [options] IN.jkt OUT.png   draw\n  stocks   list the stocks\n  --version   print the version\n\nExit status: 0\n' ;;
"thumbnail --help") printf 'Usage: casewright-batch thumbnail [options] IN.jkt OUT.png\n\nOptions:\n  -h, --help                   show this help\n  -s, --size SIZE              fit in SIZE x SIZE\n' ;;
"print --help") printf 'Usage: x\n\nOptions:\n  --disc-stock NAME            paper or label sheet\n' ;;
"stocks ") printf 'Plain Paper\tA4\t1\nFuture Labels (A4)\tA4\t2\n' ;;
*) exit 2 ;;
esac
STANDIN
chmod +x bin/casewright-batch
PATH="$work/bin:$PATH"
unset "${!_casewright_batch_@}"
expect "commands listed by the help" thumbnail stocks info -- casewright-batch ""
expect "options of a new command" --size -s -- casewright-batch thumbnail -
expect "first argument of a new command" summer.jkt "!cover.png" -- casewright-batch thumbnail ""
expect "second argument of a new command" cover.png "!summer.jkt" -- \
    casewright-batch thumbnail -s 128 summer.jkt ""
expect "stock names from the stocks command" 'Future\ Labels\ \(A4\)' 'Plain\ Paper' -- \
    casewright-batch print --disc-stock ""

if ((failures > 0)); then
    echo "$failures completion case(s) failed"
    exit 1
fi
echo "all completion cases passed"
