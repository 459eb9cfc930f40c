#!/usr/bin/env bash
# Runs the thumbnailer entry's command as a file manager does: the Exec line
# with %s, %i and %o filled in, found through PATH, in a fresh home. It must
# make the thumbnail and write nothing else: the home, its configuration,
# cache and data folders and the runtime folder stay empty, and the output
# folder holds the thumbnail alone. A file that is no cover gets no output.
# The install rules must install the entry.
#   thumbnailer_test.sh THUMBNAILER CASEWRIGHT_BATCH BUILD_DIR
set -uo pipefail
entry=$1
program=$2
build=$3
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

key() {
    sed -n "s/^$1=//p" "$entry" | head -n1
}

exec_line=$(key Exec)
[[ $exec_line == "casewright-batch thumbnail -s %s %i %o" ]] || fail "Exec is '$exec_line'"
[[ $(key TryExec) == casewright-batch ]] || fail "TryExec is '$(key TryExec)'"
[[ $(key MimeType) == "application/x-casewright-cover;" ]] || fail "MimeType is '$(key MimeType)'"
grep -q 'share/thumbnailers.*casewright.thumbnailer\|casewright.thumbnailer.*share/thumbnailers' \
    "$build/resources/cmake_install.cmake" || fail "the entry is not installed to share/thumbnailers"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/maker" "$work/in" "$work/out" "$work/runtime"
chmod 700 "$work/runtime"
HOME=$work/maker XDG_CONFIG_HOME=$work/maker XDG_CACHE_HOME=$work/maker \
    "$program" new --type 2 --front-title "Summer" -o "$work/in/summer.jkt" >/dev/null 2>&1 ||
    fail "cannot make a cover file to draw"
printf 'not a cover' >"$work/in/note.jkt"

# run_entry SIZE INPUT OUTPUT: the Exec line as a file manager runs it.
run_entry() {
    local command=${exec_line//%s/$1}
    command=${command//%i/$2}
    command=${command//%o/$3}
    # shellcheck disable=SC2086  # the line is split into words as the entry's Exec is
    env -i HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        XDG_CACHE_HOME="$work/home/.cache" XDG_DATA_HOME="$work/home/.local/share" \
        XDG_RUNTIME_DIR="$work/runtime" PATH="$(dirname "$program"):/usr/bin:/bin" $command
}

run_entry 128 "$work/in/summer.jkt" "$work/out/summer.png" || fail "the thumbnailer failed"
read -r width height < <(od -An -tu1 -j16 -N8 "$work/out/summer.png" 2>/dev/null |
    awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
[[ ${height-} == 128 && ${width-0} -lt 128 ]] || fail "a DVD front of ${width-?} x ${height-?}, not ... x 128"
run_entry 128 "$work/in/note.jkt" "$work/out/note.png" && fail "a file that is no cover was drawn"

left=$(find "$work/home" "$work/runtime" -mindepth 1)
[[ -z $left ]] || fail "written besides the thumbnail: $left"
[[ $(ls -A "$work/out") == summer.png ]] || fail "the output folder holds: $(ls -A "$work/out")"
[[ $(ls -A "$work/in") == "$(printf 'note.jkt\nsummer.jkt')" ]] || fail "the input folder changed"

if ((failures > 0)); then
    echo "$failures thumbnailer check(s) failed"
    exit 1
fi
echo "the thumbnailer entry draws covers and writes nothing else"
