#!/usr/bin/env bash
# Without a display the program says so on standard error and exits
# non-zero; it does not crash. Usage: no_display_test.sh DEMO
set -uo pipefail
err=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" 2>&1 >/dev/null)
status=$?
echo "exit $status: $err"
if [ "$status" -ne 0 ] && [ "$status" -lt 128 ] && grep -q "cannot open a window" <<<"$err"; then
    echo "1 passed, 0 failed"
else
    echo "0 passed, 1 failed"
    exit 1
fi
