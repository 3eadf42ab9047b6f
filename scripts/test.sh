#!/usr/bin/env bash
# Sets up everything on a fresh Debian machine, builds in build-test/ with
# warnings as errors and runs every test. Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
# VT_DEBUG_INFO=1 (as CI sets it) keeps only line tables in the debug information.
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVT_WERROR=ON -DVT_DEBUG_INFO="${VT_DEBUG_INFO:-}"
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j "$(nproc)"
