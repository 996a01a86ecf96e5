#!/usr/bin/env bash
# The idle window's CPU share under Xvfb: the program runs untouched for a few
# seconds and its user + system time is divided by the wall time.
# Target: at most 5 % of one core.   idle_cpu.sh <path to ostrelle>
# Runs itself in a network namespace of its own; nothing is ever pressed.
set -euo pipefail
if [ "${OSTRELLE_IN_NETNS:-}" != 1 ]; then
  exec env OSTRELLE_IN_NETNS=1 "$(dirname "$0")/../../tests/netns.sh" bash "$0" "$@"
fi
program=$(realpath "$1")
root=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$root"; }
trap cleanup EXIT

mkdir -p "$root/run" "$root/home/.config"
chmod 700 "$root/run"
export XDG_RUNTIME_DIR=$root/run HOME=$root/home LP_NUM_THREADS=${LP_NUM_THREADS:-1}
exec 3> "$root/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null & pids+=($!)
for _ in $(seq 100); do [ -s "$root/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$root/display")
pulseaudio --daemonize=no --exit-idle-time=-1 -n --load=module-native-protocol-unix \
  --load="module-null-sink sink_name=idle_out" >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done

"$program" >/dev/null & pid=$!; pids+=($pid)
sleep 3
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
t0=$(ticks); s0=$(date +%s.%N)
sleep 5
t1=$(ticks); s1=$(date +%s.%N)
hz=$(getconf CLK_TCK)
awk -v t="$((t1 - t0))" -v hz="$hz" -v s0="$s0" -v s1="$s1" \
  'BEGIN { printf "idle window CPU share: %.1f %% of one core (target <= 5 %%)\n", 100 * t / hz / (s1 - s0) }'
