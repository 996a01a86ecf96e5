#!/usr/bin/env bash
# One frame of the bridge on a real X server: runs the frame app, screenshots
# the root window with `import` and checks pixels. Needs DISPLAY (run under
# with_xvfb.sh); the app is stopped by its PID on any exit.
# Usage: frame_test.sh FRAME_APP [KEEP_PNG]
set -euo pipefail
source "$(dirname "$0")/../support/window_pixels.sh"
NEAR_TOLERANCE=48
app=$1
tmp=$(mktemp -d)
app_pid=
finish() {
    for pid in $app_pid; do
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$tmp"
}
trap finish EXIT
trap 'exit 130' INT TERM

"$app" >"$tmp/out" 2>&1 &
app_pid=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name '^sclay frame$' | head -n1 || true)
[ -n "$win" ] || { echo "no window"; cat "$tmp/out"; exit 1; }
sleep 0.5
capture_window "$win" "${2:-}"

check "the window's client area is 400x300" test "$WIDTH" -eq 400 -a "$HEIGHT" -eq 300
near "white background box" 390 10 255 255 255
# Blue box (20,20,120,80) with arcs of radius 24.
near "blue box centre" 60 40 0 0 255
near "blue box left edge" 21 60 0 0 255
near "blue box top-left corner cut out" 23 23 255 255 255
near "blue box bottom-right corner cut out, under the red" 137 97 255 127 127
near "blue box bottom-left corner cut out" 23 97 255 255 255
near "blue box just inside its arc" 30 30 0 0 255
# Half-transparent red box (100,60,80,60), blended once over each colour.
near "red over blue" 120 80 128 0 127
near "red over white" 160 110 255 127 127
# Green border (180,20,160,100), width 6, radius 20.
near "border left side" 182 70 0 153 0
near "border top side" 260 22 0 153 0
near "border top-left ring" 188 28 0 153 0
near "border bottom-right ring" 332 112 0 153 0
near "border inside stays white" 260 70 255 255 255
near "border corner outside its arc" 182 22 255 255 255
near "border corner inside its ring" 193 33 255 255 255
# Orange box (280,140,100,100) clipped to (300,150,50,50).
near "scissored box inside the clip" 320 170 255 128 0
near "scissored box cut by the clip" 290 145 255 255 255
near "scissored box cut below the clip" 320 220 255 255 255
near "box after the scissor end is whole" 40 265 0 0 0
# "Ostrelle" at (30,180), size 32: ink in its line only.
line=$(ink_in 30 200 180 220)
check "the text leaves ink in its line (found $line dark pixels)" test "$line" -gt 400
check "no ink left of the text" test "$(ink_in 0 29 150 240)" -eq 0
check "no ink above the text" test "$(ink_in 30 280 125 179)" -eq 0
check "no ink between the text and the black box" test "$(ink_in 70 280 221 300)" -eq 0
if [ "$failed" -ne 0 ]; then cat "$tmp/out"; fi
report
