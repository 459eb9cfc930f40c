#!/usr/bin/env bash
# Takes the screenshots the AppStream metainfo shows, from the built designer
# running under Xvfb with a window manager, into resources/screenshots/. It
# builds nothing: build first (bash scripts/build.sh). The programs run with
# a private home folder, so the user's settings and cache are left alone.
#   bash scripts/make-screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build}
designer=$build/src/casewright
batch=$build/src/casewright-batch
out=$root/resources/screenshots
for program in "$designer" "$batch"; do
    if [ ! -x "$program" ]; then
        echo "make-screenshots: $program is missing; build first (bash scripts/build.sh)" >&2
        exit 1
    fi
done

tools=(xvfb openbox xdotool imagemagick x11-utils)
missing=()
for pkg in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY

# A standard CD design from the shipped templates, with a track listing.
templates=$root/resources/CLIPART
printf '%s\n' "1	Morning Light	3:42" "2	Coastal Road	4:05" "3	Harbour Lights	5:11" \
    "4	Drift	3:27" "5	Long Way Home	4:48" "6	Salt and Stone	3:59" >"$work/tracks.txt"
cover=$work/summer-tides.jkt
QT_QPA_PLATFORM=offscreen "$batch" new --type 1 -o "$cover" --front-title "Summer Tides" --front-text "The Harbour Band" \
    --back-title "Summer Tides" --disc-title "Summer Tides" --disc-text "The Harbour Band" \
    --spine "The Harbour Band - Summer Tides" --text-color '#FFFFFF' \
    --front-image "$templates/CD-[FRONT]-Ocean Waves.jpg" \
    --back-image "$templates/CD-[BACK]-Ocean Waves.jpg" \
    --disc-image "$templates/CD-[DISC]-Ocean Waves.jpg" --tracks "$work/tracks.txt"

# A display of its own, at 96 dpi as the dialog layout expects.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=:$(head -n1 "$work/display")
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# visible_window PID TITLE: waits for the program's window of that title.
visible_window() {
    local window
    for _ in $(seq 100); do
        window=$(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n1) || true
        [ -n "$window" ] && { echo "$window"; return; }
        sleep 0.1
    done
    echo "make-screenshots: no window \"$2\" appeared" >&2
    return 1
}

# shoot WINDOW NAME: the window with its frame, cut from the screen, the
# pointer out of the way.
shoot() {
    local x y width height left right top bottom
    xdotool mousemove 1279 799
    sleep 1.5
    eval "$(xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/ { print "x=" $2 }
        /Absolute upper-left Y/ { print "y=" $2 }
        /Width/ { print "width=" $2 }
        /Height/ { print "height=" $2 }' | tr -d ' ')"
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
    import -window root -crop "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))" \
        +repage "$out/$2.png"
    echo "$2.png: $(identify -format '%w x %h' "$out/$2.png")"
}

# click WINDOW X Y: a click at a point of the window's client area.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

mkdir -p "$out"

# The New Cover dialog, as the designer starts without a file.
QT_QPA_PLATFORM=xcb "$designer" >"$work/new-cover.log" 2>&1 &
newcover=$!
pids+=($newcover)
shoot "$(visible_window $newcover "Create A New Cover")" new-cover
kill $newcover

# The designer on the cover file: it opens on the back cover. Points on the
# window are where the layout puts the buttons at 96 dpi in the window's opening size on this screen.
QT_QPA_PLATFORM=xcb "$designer" "$cover" >"$work/designer.log" 2>&1 &
designer_pid=$!
pids+=($designer_pid)
window=$(visible_window $designer_pid "summer-tides.jkt – Casewright")
shoot "$window" designer-back
click "$window" 299 549 # View Front Cover
shoot "$window" designer-front
click "$window" 459 549 # View Disc
shoot "$window" designer-disc
click "$window" 789 82 # Choose Template
shoot "$(visible_window $designer_pid Templates)" templates
