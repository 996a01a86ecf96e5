#!/usr/bin/env bash
# Installs what is needed, builds everything (the Linux program and tests, and
# the Windows program cross-built for the Wine tests) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh --tests
bash scripts/setup_windows.sh
cache=${OSTRELLE_CACHE:-/var/cache/ostrelle}

cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -Dglfw3_DIR="$cache/glfw-mingw/lib/cmake/glfw3"
cmake --build build-windows

cmake -S . -B build -G Ninja -DOSTRELLE_WINDOWS_BUILD="$root/build-windows"
cmake --build build

# What a test that did not clean up after itself would leave in the
# temporary folders: its own folders, Wine's server folder, an X server's
# lock or socket. Whatever of it the run adds fails the run.
leftovers() {
    (cd "${TMPDIR:-/tmp}" && ls -d ostrelle-* wine-* 2>/dev/null || true)
    (cd /tmp && ls -d .X*-lock .X11-unix/X* 2>/dev/null || true)
}
before=$(leftovers | sort)
had_x11_dir=$([ -d /tmp/.X11-unix ] && echo yes || true)

status=0
(cd build && ctest --output-on-failure -j "$(nproc)" --timeout 900) || status=$?

left=$(comm -13 <(echo "$before") <(leftovers | sort))
if [ -n "$left" ]; then
    printf 'The tests left these behind:\n%s\n' "$left" >&2
    status=1
fi
# The first X server of a run on a fresh machine makes the sockets' folder.
[ -n "$had_x11_dir" ] || rmdir /tmp/.X11-unix 2>/dev/null || true
exit "$status"
