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
cd build
ctest --output-on-failure -j "$(nproc)" --timeout 900
