#!/usr/bin/env bash
# Real input through xdotool reaches the demo's event callback with the
# right types and codes; closing the window runs cleanup once and exits 0.
# Needs DISPLAY (run under with_xvfb.sh). Usage: input_test.sh DEMO X_PROBE
set -euo pipefail
demo=$1
x_probe=$2
out=$(mktemp)
demo_pid=
finish() {
    if [ -n "$demo_pid" ] && kill -0 "$demo_pid" 2>/dev/null; then kill "$demo_pid" 2>/dev/null || true; fi
    rm -f "$out"
}
trap finish EXIT

"$demo" --log-events >"$out" 2>&1 &
demo_pid=$!
win=$(xdotool search --sync --onlyvisible --name '^Ostrelle$' | head -n1)
# Wait for the first frames, then give the window the keyboard.
for _ in $(seq 100); do grep -q '^init' "$out" && break; sleep 0.05; done
xdotool windowfocus --sync "$win"
sleep 0.3

xdotool mousemove --window "$win" 120 80
sleep 0.1
xdotool key --window "$win" d
xdotool key --window "$win" BackSpace
xdotool type --window "$win" '1.'
xdotool mousedown --window "$win" 1; sleep 0.15; xdotool mouseup --window "$win" 1
xdotool mousedown --window "$win" 3; sleep 0.15; xdotool mouseup --window "$win" 3
xdotool mousedown --window "$win" 2; sleep 0.15; xdotool mouseup --window "$win" 2
xdotool click --window "$win" 4
xdotool click --window "$win" 5
xdotool keydown --window "$win" shift; xdotool key --window "$win" a; xdotool keyup --window "$win" shift
xdotool windowsize --sync "$win" 480 360
sleep 0.3
# Held past the X server's auto-repeat delay.
xdotool keydown --window "$win" BackSpace; sleep 1.0; xdotool keyup --window "$win" BackSpace
sleep 0.3
"$x_probe" close "$win"

status=0
wait "$demo_pid" || status=$?
demo_pid=

passed=0
failed=0
expect() {   # expect DESCRIPTION REGEX [COUNT]
    local n
    n=$(grep -cE "$2" "$out" || true)
    if { [ -z "${3:-}" ] && [ "$n" -ge 1 ]; } || { [ -n "${3:-}" ] && [ "$n" -eq "$3" ]; }; then
        echo "PASS: $1"; passed=$((passed + 1))
    else
        echo "FAIL: $1 (found $n lines matching $2)"; failed=$((failed + 1))
    fi
}
expect "key down of D has type 1 and key code 68" '^event type=1 key=68 '
expect "key up of D has type 2" '^event type=2 key=68 '
expect "char d has type 3 and code 100" '^event type=3 key=0 char=100 '
expect "key down of Backspace has key code 259" '^event type=1 key=259 '
expect "a held Backspace repeats its key-down with key_repeat set" '^event type=1 key=259 char=0 repeat=1 '
expect "no char event below 32 (Backspace)" '^event type=3 key=0 char=([0-9]|[12][0-9]|3[01]) ' 0
expect "typing 1 gives char 49" '^event type=3 key=0 char=49 '
expect "typing . gives char 46" '^event type=3 key=0 char=46 '
expect "shift+a gives char 65 with the shift modifier" '^event type=3 key=0 char=65 repeat=0 mods=1 '
expect "mouse move has type 7 at the pointer position" '^event type=7 .* x=120 y=80 '
expect "left press: type 4, button 0" '^event type=4 .*button=0 x=120 y=80 '
expect "left release: type 5, button 0" '^event type=5 .*button=0 '
expect "right press: type 4, button 1" '^event type=4 .*button=1 '
expect "middle press: type 4, button 2" '^event type=4 .*button=2 '
expect "wheel up: type 6, scroll_y 1" '^event type=6 .*sy=1\.0 '
expect "wheel down: type 6, scroll_y -1" '^event type=6 .*sy=-1\.0 '
expect "mouse enter has type 8" '^event type=8 '
expect "focus has type 17" '^event type=17 '
expect "closing the window sends quit requested (21) once" '^event type=21 ' 1
expect "init runs once" '^init' 1
expect "cleanup runs once" '^cleanup' 1
expect "events carry the 400x300 framebuffer size" '^event .* fb=400x300$'
expect "resizing sends RESIZED (14) with the new framebuffer size" '^event type=14 .* fb=480x360$'
expect "later events carry the new size" '^event type=1 key=259 .* fb=480x360$'
first_line=$(grep -m1 -E '^(init|event)' "$out" || true)
case "$first_line" in init*) echo "PASS: init comes before the first event"; passed=$((passed + 1)) ;;
    *) echo "FAIL: first line is '$first_line'"; failed=$((failed + 1)) ;; esac
if [ "$status" -eq 0 ]; then echo "PASS: exit code 0"; passed=$((passed + 1)); else echo "FAIL: exit code $status"; failed=$((failed + 1)); fi
if [ "$failed" -ne 0 ]; then echo "--- demo output"; cat "$out"; fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
