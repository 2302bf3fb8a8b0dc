#!/bin/sh
# Starts each program on a virtual X display, fills its worksheet from the
# keyboard, presses Compute and saves pictures of the worksheet, of a refusal
# message and of the results window into the folder given as argument.
# Needs Xvfb, xdotool and ImageMagick's import.
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 <output folder>" >&2
    exit 2
fi
for tool in xdotool import xdpyinfo Xvfb; do
    command -v "$tool" >/dev/null 2>&1 && continue
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        xdotool imagemagick x11-utils xvfb >/dev/null
    break
done
out=$(realpath -m "$1")
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
mkdir -p "$out"

display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done 2>/dev/null || sleep 1

window_of() {  # window id of the visible window whose title matches $1
    xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

shoot() {  # program, window title pattern, picture name
    sleep 0.5
    import -window "$(window_of "$2")" "$out/$1-$3.png"
}

for program in orvane tessik pellan; do
    # A copy of its own, so the saved worksheet lands beside the copy.
    mkdir -p "$work/$program"
    cp "$build/programs/$program/$program" "$work/$program/" 2>/dev/null \
        || cp "$build/programs/$program" "$work/$program/"
    "$work/$program/$program" &
    pid=$!
    title=$(echo "$program" | sed 's/./\U&/')".EXE"
    sheet=$(window_of "^$title")
    xdotool windowfocus --sync "$sheet"
    sleep 0.3

    # A letter in a box is refused with a message.
    xdotool type --delay 40 "x"
    shoot "$program" "^$(echo "$program" | sed 's/./\U&/')\$" refusal
    xdotool key Return
    # Without a window manager nobody hands the focus back after a box.
    xdotool windowfocus --sync "$sheet"
    sleep 0.3

    # The eight values, from the first box on.
    for value in 100 15 50 10 0,6 25 70 45; do
        xdotool type --delay 40 "$value"
        xdotool key Tab
    done
    # On to the notes: past the option groups.
    if [ "$program" = pellan ]; then xdotool key Tab; else xdotool key Tab Tab; fi
    xdotool type --delay 20 "Case AB, tested after a left frontal lesion."
    xdotool key Return
    xdotool type --delay 20 "Second line of notes."
    shoot "$program" "^$title" worksheet-notes
    xdotool key Tab
    shoot "$program" "^$title" worksheet

    # Compute has the focus after the notes; Space presses it.
    xdotool key space
    shoot "$program" "^Results viewer" results
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
echo "pictures in $out"
