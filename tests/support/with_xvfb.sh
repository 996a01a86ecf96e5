#!/usr/bin/env bash
# Runs a command under a private Xvfb on a free display (Xvfb -displayfd),
# with Mesa's llvmpipe held to one thread and its shader cache, which would
# stay in the user's home, off. Xvfb is stopped by its PID whatever way the
# command ends.
set -euo pipefail
tmp=$(mktemp -d)
xvfb_pid=
child_pid=
stop() {
    if [ -n "$child_pid" ]; then kill "$child_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap stop EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
    [ -s "$tmp/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$tmp/xvfb.log" >&2; exit 1; }
    sleep 0.05
done
[ -s "$tmp/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/display")"
export LP_NUM_THREADS=1 MESA_SHADER_CACHE_DISABLE=true
# In the background, so that a signal to this script is acted on at once.
"$@" &
child_pid=$!
status=0
wait "$child_pid" || status=$?
child_pid=
exit "$status"
