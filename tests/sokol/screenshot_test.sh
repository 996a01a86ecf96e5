#!/usr/bin/env bash
# The demo's window as the X server shows it: a screenshot of the root
# window taken with `import`, checked pixel by pixel. Needs DISPLAY (run
# under with_xvfb.sh). Usage: screenshot_test.sh DEMO [KEEP_PNG]
set -euo pipefail
source "$(dirname "$0")/../support/window_pixels.sh"
demo=$1
tmp=$(mktemp -d)
demo_pid=
finish() {
    if [ -n "$demo_pid" ] && kill -0 "$demo_pid" 2>/dev/null; then
        kill "$demo_pid" 2>/dev/null || true
        wait "$demo_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap finish EXIT

"$demo" >"$tmp/out" 2>&1 &
demo_pid=$!
win=$(xdotool search --sync --onlyvisible --name '^Ostrelle$' | head -n1)
sleep 0.5
capture_window "$win" "${2:-}"

check "the window's client area is 400x300" test "$WIDTH" -eq 400 -a "$HEIGHT" -eq 300
near "the border shows the grey clear colour" 4 4 128 128 128
near "white box" 200 100 255 255 255
near "opaque blue box" 50 130 0 0 255
near "translucent red blended over blue" 130 170 128 0 128
near "translucent red blended over white" 200 220 255 128 128
near "green box drawn after the text" 300 150 0 153 0
# The text "Ostrelle 192.168.1.20" at (30, 30), size 20: dark ink in its
# line, none above or below it.
line=$(ink_in 30 240 30 50)
check "the text leaves ink within its line (found $line dark pixels)" test "$line" -gt 300
check "no ink above the line" test "$(ink_in 10 390 10 29)" -eq 0
check "no ink below the line" test "$(ink_in 10 390 51 110)" -eq 0
check "no ink left of the text" test "$(ink_in 10 29 10 110)" -eq 0
report
