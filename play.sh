#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
ensure_packages $GAME_PACKAGES || exit 1
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXMOOR_TESTS=OFF -DVEXMOOR_BENCH=OFF >/dev/null
cmake --build build/release --target vexmoor
exec build/release/vexmoor
