#!/usr/bin/env bash
# Builds the readers' fuzz targets with clang and runs them side by side for a short
# while (FUZZ_SECONDS, default 20). Non-zero when one finds a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
seconds="${FUZZ_SECONDS:-20}"
# The start-up files' target needs the built game: take the test build's
# rather than run every data tool again under the sanitizers.
data_from=()
if [[ -d build-test/game/Data ]]; then data_from=(-DVT_GAME_DATA_FROM="$PWD/build-test/game"); fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVT_FUZZ=ON -DVT_BUILD_TESTS=OFF -DVT_BUILD_BENCH=OFF "${data_from[@]}" >/dev/null
targets=()
for src in fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
cmake --build build-fuzz --target "${targets[@]}"
# The start-up files' target starts from the real files, each behind the
# byte that picks it (its place in the target's table of files).
startup_seeds() {
  local corpus=build-fuzz/corpus/fuzz_startup i=0
  mkdir -p "$corpus"
  for name in Currency.bin DivStren.bin popularity.bin fixtures.bin CareerPaths.bin PlayerValue.bin \
      GameInfo.bin fed.bin Stadiums.bin Country.bin Division.bin Clubs.bin FedCups.bin players.bin \
      Referees.bin Plans.bin PlayOffs.bin Shields.bin cups.bin; do
    if [[ -f "build-fuzz/game/Data/$name" && ! -f "$corpus/real-$name" ]]; then
      { printf "\\$(printf '%03o' "$i")"; cat "build-fuzz/game/Data/$name"; } >"$corpus/real-$name"
    fi
    i=$((i + 1))
  done
}
if [[ " ${targets[*]} " == *" fuzz_startup "* ]]; then startup_seeds; fi
# Each target runs its full time; up to one target per core at once.
run_target() {
  local t=$1
  local corpus="build-fuzz/corpus/$t" log="build-fuzz/$t.log"
  mkdir -p "$corpus"
  cp -n fuzz/seeds/"$t"/* "$corpus"/ 2>/dev/null || true
  if ! ASAN_OPTIONS=detect_leaks=1 "build-fuzz/fuzz/$t" -max_total_time="$seconds" -print_final_stats=0 \
      -artifact_prefix="build-fuzz/$t-" "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $t failed; the input that broke it is build-fuzz/$t-crash-*" >&2
    return 1
  fi
  echo "fuzz: $t: $(tail -n 1 "$log")"
}
jobs_max=$(nproc)
failed=0
running=0
for t in "${targets[@]}"; do
  if ((running >= jobs_max)); then
    wait -n || failed=1
    running=$((running - 1))
  fi
  echo "fuzz: $t for ${seconds}s"
  run_target "$t" &
  running=$((running + 1))
done
while ((running > 0)); do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
