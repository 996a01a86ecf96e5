#!/usr/bin/env bash
# Installs what is needed, builds the program and runs it on the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
exec build/app/ostrelle
