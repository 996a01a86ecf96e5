#!/usr/bin/env bash
# Installs what is needed, builds the program and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
if [ -x build/app/ostrelle ]; then
  exec build/app/ostrelle
fi
echo "Built. The window is not part of the build yet, so there is nothing to start."
