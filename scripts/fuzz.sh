#!/usr/bin/env bash
# Builds the readers' fuzz targets with clang and runs each for a short
# while (FUZZ_SECONDS, default 20). Non-zero when one finds a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
seconds="${FUZZ_SECONDS:-20}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVT_FUZZ=ON -DVT_BUILD_TESTS=OFF -DVT_BUILD_BENCH=OFF >/dev/null
targets=()
for src in fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
cmake --build build-fuzz --target "${targets[@]}"
for t in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$t"
  mkdir -p "$corpus"
  cp -n fuzz/seeds/"$t"/* "$corpus"/ 2>/dev/null || true
  echo "fuzz: $t for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1 "build-fuzz/fuzz/$t" -max_total_time="$seconds" -print_final_stats=0 \
    "$corpus" 2>&1 | tail -n 3
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "fuzz: $t failed" >&2; exit 1; }
done
