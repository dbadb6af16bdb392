#!/bin/bash
# Pictures of the program for the manual and the README, taken as a user sees
# them: the program in a virtual X display with a window manager, driven by
# xdotool, each picture cut from the whole screen (`import -window root`).
#   scripts/screenshots.sh [OUTPUT_DIR] [PROGRAM]
# Writes main-window.png (first skin), main-window-red.png (after 更换皮肤),
# page-6.png (生辰八字), dictionary-window.png and dictionary.png (龍 looked up).
# Needs xvfb, xauth, openbox, wmctrl, xdotool, x11-utils and imagemagick.
# Uses a scratch settings file: the user's own settings stay untouched.
set -eu
out=$(realpath -m "${1:-docs/screenshots}")
program=$(realpath "${2:-build/jiaming}")
if [ -z "${JIAMING_SHOTS_INSIDE:-}" ]; then
    exec env JIAMING_SHOTS_INSIDE=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$out" "$program"
fi
mkdir -p "$out"
scratch=$(mktemp -d)
openbox >/dev/null 2>&1 &
wm=$!
JIAMING_CONFIG=$scratch/config.dat JIAMING_DATA_DIR=$scratch/data "$program" >"$scratch/log" 2>&1 &
app=$!
trap 'kill $app $wm 2>/dev/null; rm -rf "$scratch"' EXIT

window() { # the id of the first window whose title contains $1, waiting for it
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.2
    done
    echo "no window $1" >&2
    return 1
}
shoot() { # $1 file, $2 window id: the window with its frame, cut from the screen
    sleep 0.8
    xdotool mousemove 1020 760
    sleep 0.3
    # xwininfo gives the client area's place on the screen; xdotool's is off by the frame under openbox.
    local info X Y WIDTH HEIGHT
    info=$(xwininfo -id "$2")
    X=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
    Y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
    WIDTH=$(echo "$info" | sed -n 's/^ *Width: *//p')
    HEIGHT=$(echo "$info" | sed -n 's/^ *Height: *//p')
    local left=0 right=0 top=0 bottom=0
    if extents=$(xprop -id "$2" _NET_FRAME_EXTENTS | grep '='); then
        read -r left right top bottom < <(echo "$extents" | sed 's/.*= //; s/,//g')
    fi
    import -window root -crop "$((WIDTH + left + right))x$((HEIGHT + top + bottom))+$((X - left))+$((Y - top))" \
        +repage "$out/$1"
    echo "$out/$1"
}
click() { # $1 window id, $2 $3 position inside it
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.5
}

main=$(window "宝宝起名")
sleep 2 # the database loads
shoot main-window.png "$main"
click "$main" 289 12 # 帮助
click "$main" 313 37 # 更换皮肤
shoot main-window-red.png "$main"
click "$main" 289 12
click "$main" 313 37 # back to the first skin: 更换皮肤 goes round the skins
for _ in 3 4 5 6 7 8; do click "$main" 289 12; click "$main" 313 37; done
click "$main" 117 55 # 生辰八字 on the tool bar
shoot page-6.png "$main"
click "$main" 359 55 # 新华字典
dictionary=$(window "汉字查询")
click "$dictionary" 176 39
xdotool type --delay 150 "龍"
click "$dictionary" 238 39 # 查询
page=$(window "的详细解释")
shoot dictionary.png "$page"
shoot dictionary-window.png "$dictionary"
