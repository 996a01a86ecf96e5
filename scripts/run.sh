#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it on the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-run -G Ninja -DOSTRELLE_TESTS=OFF
cmake --build build-run --target ostrelle
exec build-run/app/ostrelle
