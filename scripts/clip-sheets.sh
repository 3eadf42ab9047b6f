#!/usr/bin/env bash
# Draws the contact sheets of the match clips for people to look at: every
# clip folder at the first, middle and last frames of each clip, and every
# backdrop, recoloured with two generated clubs' kits as the match page
# would show them. Builds the game's data in the build folder first.
#   scripts/clip-sheets.sh [build folder] [home club] [away club] [clip...]
# The sheets go to <build folder>/clipsheets; with clip numbers, each of
# those clips at full size instead.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j "${VT_JOBS:-2}" --target make_clip_sheets gamedata
shift || true
"$build/tools/make_clip_sheets" "$build/game" "$build/clipsheets" "$@"
