#!/usr/bin/env bash
# Checks the files that introduce Casewright to the desktop: the desktop
# entry and the AppStream metainfo pass their validators and agree on the
# application id; the screenshots the metainfo names are there at the sizes
# it gives; the cover file type is known by name and by content once
# installed; the entry, the thumbnailer and the type's icon name one type.
#   desktop_files_test.sh SOURCE_DIR APP_ID VERSION
set -uo pipefail
source_dir=$1
app_id=$2
version=$3
resources=$source_dir/resources
desktop=$resources/$app_id.desktop
metainfo=$resources/$app_id.metainfo.xml
mime_xml=$resources/casewright-mime.xml
thumbnailer=$resources/casewright.thumbnailer
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# same WHAT EXPECTED ACTUAL
same() {
    [[ $2 == "$3" ]] || fail "$1: expected '$2', found '$3'"
}

desktop_key() {
    sed -n "s/^$2=//p" "$1" | head -n1
}

xpath() {
    xmllint --xpath "$2" "$1" 2>/dev/null
}

desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null ||
    fail "appstreamcli validate --no-net: $(appstreamcli validate --no-net "$metainfo")"

same "metainfo id" "$app_id" "$(xpath "$metainfo" 'string(/component/id)')"
same "metainfo launchable" "$app_id.desktop" "$(xpath "$metainfo" 'string(/component/launchable)')"
same "newest release" "$version" "$(xpath "$metainfo" 'string(/component/releases/release[1]/@version)')"
same "desktop entry icon" "$app_id" "$(desktop_key "$desktop" Icon)"

mime_type=$(xpath "$mime_xml" 'string(//*[local-name()="mime-type"]/@type)')
icon=$(xpath "$mime_xml" 'string(//*[local-name()="icon"]/@name)')
same "media type the metainfo provides" "$mime_type" \
    "$(xpath "$metainfo" 'string(/component/provides/mediatype)')"
same "desktop entry MimeType" "$mime_type;" "$(desktop_key "$desktop" MimeType)"
same "thumbnailer MimeType" "$mime_type;" "$(desktop_key "$thumbnailer" MimeType)"
same "thumbnailer TryExec" casewright-batch "$(desktop_key "$thumbnailer" TryExec)"
[[ -f $resources/icons/$icon.svg ]] || fail "no icon resources/icons/$icon.svg for $mime_type"

# Screenshots: each named one is stored, at its stated size; none is unused.
count=$(xpath "$metainfo" 'count(//screenshot/image)')
[[ $count -gt 0 ]] || fail "the metainfo has no screenshots"
named=()
for ((i = 1; i <= count; i++)); do
    url=$(xpath "$metainfo" "string((//screenshot/image)[$i])")
    file=$resources/screenshots/${url##*/}
    named+=("${url##*/}")
    [[ $url == https://*/resources/screenshots/* ]] || fail "screenshot $url is not under resources/screenshots"
    if [[ ! -f $file ]]; then
        fail "screenshot $file is missing"
        continue
    fi
    # The width and height are the big-endian words at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$file" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    same "size of ${url##*/}" \
        "$(xpath "$metainfo" "string((//screenshot/image)[$i]/@width)") x $(xpath "$metainfo" "string((//screenshot/image)[$i]/@height)")" \
        "$width x $height"
done
for file in "$resources"/screenshots/*.png; do
    [[ " ${named[*]} " == *" ${file##*/} "* ]] || fail "screenshot ${file##*/} is not in the metainfo"
done

# The file type, installed into a private data folder, as the desktop sees it.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/share/mime/packages"
cp "$mime_xml" "$work/share/mime/packages/casewright.xml"
XDG_DATA_HOME=$work/share update-mime-database "$work/share/mime" || fail "update-mime-database"
printf '[BEGIN][covertype]=1[ENDcovertype][fBGColor]=16777215[ENDfBGColor]' >"$work/cover-without-a-name"
cp "$work/cover-without-a-name" "$work/Summer.jkt"
printf 'not a cover' >"$work/renamed.jkt"
printf 'BEGIN: a plain note' >"$work/note"
content_type() {
    XDG_DATA_HOME=$work/share XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$1" |
        sed -n 's/^ *standard::content-type: //p'
}
same "type of a cover file without its extension" "$mime_type" "$(content_type "$work/cover-without-a-name")"
same "type of a cover file" "$mime_type" "$(content_type "$work/Summer.jkt")"
same "type of a .jkt file by its name" "$mime_type" "$(content_type "$work/renamed.jkt")"
[[ $(content_type "$work/note") != "$mime_type" ]] || fail "a plain note is taken for a cover file"

if ((failures > 0)); then
    echo "$failures desktop file check(s) failed"
    exit 1
fi
echo "the desktop entry, metainfo, file type and screenshots agree"
