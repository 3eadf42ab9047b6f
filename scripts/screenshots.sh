#!/usr/bin/env bash
# Writes pictures of the new-game pages for people to look at (they are not
# a check): the intro at three moments, the title page plain and hovered,
# the credits, both country maps with a hovered country and the manager
# set-up, from a headless run of the program driven by a script; then the
# rest of the new-game road, the match-day set and the squad section's pages
# (below).
#   scripts/screenshots.sh [build folder, default build-test] [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-test}"
out="${2:-$build/screenshots}"
mkdir -p "$out"
script="$(mktemp)"
trap 'rm -f "$script"' EXIT
sed "s#SHOTS#$out#g" scripts/shots/newgame.txt >"$script"
# A profile and save folder of the run's own.
home="$(mktemp -d)"
XDG_CONFIG_HOME="$home" XDG_DATA_HOME="$home" \
  "$build/vantorel" --headless --script "$script" --run-ms 60000

# The rest of the new-game road, as the end-to-end run leaves each page: page
# 97 with two faces, page 90 with a club, page 61 with two managers, the
# start page, Game Options, Manager Selection, the options hub plain and with
# an emblem lit, and the processing page's save, load and week-summary
# layouts.
if [ -x "$build/tests/test_screens" ]; then
  "$build/tests/test_screens" --gtest_brief=1 --gtest_filter='EndToEndTest.*' >/dev/null
  for shot in setup-manager-1 setup-manager-2 setup-club setup-managers start-page game-options \
      manager-selection options-hub options-hub-hovered progress-save progress-load progress-week-summary; do
    cp "$build/title-shots/$shot.png" "$out/"
  done
fi

# The match-day set (the intro and result pages' views, the eight sections,
# a goal's caption, the half-time banner, a penalty choice with the card
# open, the shoot-out board, the enlarged view): the page's tests write it as
# they play over the short clips.
if [ -x "$build/tests/test_screens" ]; then
  "$build/tests/test_screens" --gtest_brief=1 \
    --gtest_filter='HighScreenSkips.TheScreenshotSet*:HighScreenShortClips.AHumanSidesPenalty*:HighScreenShortClips.ACupTieLevel*' >/dev/null
  cp "$build"/screens-shots/matchday-*.png "$out"/
fi

# The squad section's pages as their tests leave them: the hub with an
# advisor, the physio with injuries, the youth squad, Team Selection on both
# tabs and during a name drag, the tactics editor on both pages with a
# marker moved and during a drag, training on its three tabs and during a
# drag, and youth training.
if [ -x "$build/tests/test_screens" ]; then
  "$build/tests/test_screens" --gtest_brief=1 \
    --gtest_filter='SquadHub.*:PhysioPage.*:YouthPage.*:TeamSelection.*:TacticsEditor.*:TrainingPage.*' >/dev/null
  for shot in squad-hub physio youth-squad team-selection team-selection-formation team-selection-dragging \
      tactics-formation tactics-moved tactics-dragging tactics-team training-schedule training-individual \
      training-team training-dragging youth-training; do
    cp "$build/page-shots/$shot.png" "$out/"
  done
fi
ls "$out"
