#!/usr/bin/env bash
# Checks the manual page of casewright-batch against the program's own help:
# every command has a subsection headed by its usage line, every option of a
# command is listed in that subsection as its help spells it, and nothing is
# listed that the help does not know. Then formats each page given and fails
# on any warning of man or groff, as lintian would.
#   man_page_test.sh CASEWRIGHT_BATCH BATCH_PAGE [OTHER_PAGE...]
set -uo pipefail
program=$1
page=$2
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Lines of an indented "Heading:" section of a help text, without the indent.
section() {
    awk -v heading="$1" '
        $0 == heading ":" { inside = 1; next }
        inside && /^[^ ]/ { inside = 0 }
        inside && /^  / { print substr($0, 3) }'
}

# The option column of a help line: up to the first run of two spaces.
option_column() {
    sed -e 's/  .*//'
}

# "HEADING<TAB>TAG" for every .TP entry of the page, as plain text.
page_entries() {
    awk '
        function plain(text) {
            gsub(/\\f[BIRP]/, "", text)
            gsub(/\\-/, "-", text)
            gsub(/^"|"$/, "", text)
            return text
        }
        /^\.SH/ { heading = plain(substr($0, 5)) }
        /^\.SS/ { heading = plain(substr($0, 5)) }
        tag { print heading "\t" plain($0); tag = 0; next }
        /^\.TP/ { tag = 1 }' "$page"
}

entries=$(page_entries)
help=$("$program" --help 2>/dev/null) || fail "casewright-batch --help failed"
commands=$(section Commands <<<"$help" | option_column | grep -v '^-')
[[ -n $commands ]] || fail "no commands in casewright-batch --help"

while IFS= read -r listed; do
    command=${listed%% *}
    usage=$("$program" "$command" --help 2>/dev/null | sed -n 's/^Usage: casewright-batch //p')
    [[ -n $usage ]] || fail "$command --help shows no usage line"
    grep -qxF ".SS \"$usage\"" "$page" || fail "no subsection .SS \"$usage\" for $command"
    [[ $listed == "$usage" ]] || fail "casewright-batch --help lists '$listed', $command --help '$usage'"

    documented=$(awk -F'\t' -v heading="$usage" '$1 == heading && $2 ~ /^-/ { print $2 }' \
        <<<"$entries" | sort)
    offered=$("$program" "$command" --help 2>/dev/null | section Options | option_column |
        grep -vxF -- '-h, --help' | sort)
    while IFS= read -r option; do
        [[ -z $option ]] && continue
        grep -qxF -- "$option" <<<"$documented" || fail "$command: '$option' is not in the page"
    done <<<"$offered"
    while IFS= read -r option; do
        [[ -z $option ]] && continue
        grep -qxF -- "$option" <<<"$offered" || fail "$command: the page lists '$option', the help does not"
    done <<<"$documented"
done <<<"$commands"

for option in $(section Commands <<<"$help" | option_column | grep '^-' | tr -d ,); do
    grep -qP "^OPTIONS\t.*\Q$option\E" <<<"$entries" || fail "'$option' is not under OPTIONS"
done

for manual in "${@:2}"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "$(basename "$manual"): $warnings"
done

if ((failures > 0)); then
    echo "$failures manual page check(s) failed"
    exit 1
fi
echo "the manual pages agree with the program's help"
