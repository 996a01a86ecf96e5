# Pixel checks of a window on the current X display, for test scripts
# (sourced, not run). The caller sets `tmp` to a scratch folder.
#   capture_window WIN [KEEP_PNG]  screenshot of the root window with `import`,
#                                  cut to WIN; sets X, Y, WIDTH, HEIGHT
#   near DESCRIPTION X Y R G B     the pixel is within NEAR_TOLERANCE (squared
#                                  distance, default 27) of the colour
#   check DESCRIPTION COMMAND...   the command succeeds
#   ink_in X0 X1 Y0 Y1             counts pixels darker than 100 in every channel
#   report                         prints the tally; fails when a check failed
passed=0
failed=0

capture_window() {
    import -window root "$tmp/root.png"
    if [ -n "${2:-}" ]; then cp "$tmp/root.png" "$2"; fi
    eval "$(xdotool getwindowgeometry --shell "$1")"
    # Every pixel of the window as "x,y: (r,g,b)" text, for the lookups below.
    convert "$tmp/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -depth 8 txt:- >"$tmp/px.txt"
}

rgb() { grep -m1 "^$1,$2: " "$tmp/px.txt" | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'; }

near() {
    local got r g b
    got=$(rgb "$2" "$3")
    read -r r g b <<<"$got"
    if [ $(( (r-$4)*(r-$4) + (g-$5)*(g-$5) + (b-$6)*(b-$6) )) -le "${NEAR_TOLERANCE:-27}" ]; then
        echo "PASS: $1"; passed=$((passed + 1))
    else
        echo "FAIL: $1: ($2,$3) is $got, want $4 $5 $6"; failed=$((failed + 1))
    fi
}

check() {
    local what=$1; shift
    if "$@"; then echo "PASS: $what"; passed=$((passed + 1)); else echo "FAIL: $what"; failed=$((failed + 1)); fi
}

ink_in() {
    awk -F'[,:() ]+' -v x0="$1" -v x1="$2" -v y0="$3" -v y1="$4" \
        '$1>=x0 && $1<x1 && $2>=y0 && $2<y1 && $4<100 && $5<100 && $6<100 {n++} END {print n+0}' "$tmp/px.txt"
}

report() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
