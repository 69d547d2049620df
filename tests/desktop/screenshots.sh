#!/usr/bin/env bash
# Takes the desktop pictures of docs/ from the demo program under Xvfb with a tray host:
#   tests/desktop/screenshots.sh <build folder> <output folder>
set -euo pipefail
build=$1
out=$2
demo=$build/tests/desktop/desktopdemo
mkdir -p "$out"
display=:$((20 + RANDOM % 60))
Xvfb "$display" -screen 0 1024x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
demo_pid=""
trap 'kill $demo_pid $tray $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge top --align right --widthtype pixel --width 120 --height 26 --tint 0xC5D3E3 \
    --transparent true --alpha 0 --margin 0 >/dev/null 2>&1 &
tray=$!
sleep 1

# The top-right corner, where the tray and the drag zone sit, twice as large.
shot() { import -window root "$out/$1"; convert "$out/$1" -crop "$2" +repage -scale 200% "$out/$1"; }
corner() { shot "$1" 300x170+724+0; }

"$demo" >/dev/null 2>&1 &
demo_pid=$!
sleep 2
corner desktop-tray-idle.png
xdotool mousemove 1010 13 click 3
sleep 1
shot desktop-main-menu.png 460x170+564+0
kill $demo_pid

"$demo" --busy 42% >/dev/null 2>&1 &
demo_pid=$!
sleep 2
corner desktop-busy.png
