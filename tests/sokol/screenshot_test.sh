#!/usr/bin/env bash
# The demo's window as the X server shows it: a screenshot of the root
# window taken with `import`, checked pixel by pixel. Needs DISPLAY (run
# under with_xvfb.sh). Usage: screenshot_test.sh DEMO [KEEP_PNG]
set -euo pipefail
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
import -window root "$tmp/root.png"
[ -n "${2:-}" ] && cp "$tmp/root.png" "$2"
eval "$(xdotool getwindowgeometry --shell "$win")"   # X, Y, WIDTH, HEIGHT
# Every pixel of the window as "x,y: (r,g,b)" text, for lookups below.
convert "$tmp/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -depth 8 txt:- >"$tmp/px.txt"

passed=0
failed=0
rgb() { grep -m1 "^$1,$2: " "$tmp/px.txt" | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'; }
near() {   # near DESCRIPTION X Y R G B
    local got r g b
    got=$(rgb "$2" "$3")
    read -r r g b <<<"$got"
    if [ $(( (r-$4)*(r-$4) + (g-$5)*(g-$5) + (b-$6)*(b-$6) )) -le 27 ]; then
        echo "PASS: $1"; passed=$((passed + 1))
    else
        echo "FAIL: $1: ($2,$3) is $got, want $4 $5 $6"; failed=$((failed + 1))
    fi
}
check() {  # check DESCRIPTION CONDITION...
    local what=$1; shift
    if "$@"; then echo "PASS: $what"; passed=$((passed + 1)); else echo "FAIL: $what"; failed=$((failed + 1)); fi
}

check "the window's client area is 400x300" test "$WIDTH" -eq 400 -a "$HEIGHT" -eq 300
near "the border shows the grey clear colour" 4 4 128 128 128
near "white box" 200 100 255 255 255
near "opaque blue box" 50 130 0 0 255
near "translucent red blended over blue" 130 170 128 0 128
near "translucent red blended over white" 200 220 255 128 128
near "green box drawn after the text" 300 150 0 153 0
# The text "Ostrelle 192.168.1.20" at (30, 30), size 20: dark ink in its
# line, none above or below it.
ink_in() { awk -F'[,:() ]+' -v x0="$1" -v x1="$2" -v y0="$3" -v y1="$4" \
    '$1>=x0 && $1<x1 && $2>=y0 && $2<y1 && $4<100 {n++} END {print n+0}' "$tmp/px.txt"; }
line=$(ink_in 30 240 30 50)
check "the text leaves ink within its line (found $line dark pixels)" test "$line" -gt 300
check "no ink above the line" test "$(ink_in 10 390 10 29)" -eq 0
check "no ink below the line" test "$(ink_in 10 390 51 110)" -eq 0
check "no ink left of the text" test "$(ink_in 10 29 10 110)" -eq 0
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
