#!/usr/bin/env bash
# Runs a command in a fresh network namespace whose only interface is the
# loopback one, so that no datagram can leave 127.0.0.0/8.
set -euo pipefail
exec unshare --net -- bash -c 'ip link set lo up && exec "$@"' netns "$@"
