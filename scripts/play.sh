#!/usr/bin/env bash
# Sets up everything on a fresh Debian machine, builds the game and its data
# in build/ (Release) and starts it. Arguments are passed to the game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVT_BUILD_TESTS=OFF -DVT_BUILD_BENCH=OFF
cmake --build build
exec build/vantorel "$@"
