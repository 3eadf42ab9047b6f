#!/usr/bin/env bash
# Writes pictures of the new-game pages for people to look at (they are not
# a check): the intro at three moments, the title page plain and hovered,
# the credits, both country maps with a hovered country and the manager
# set-up, from a run of the program in its window driven by a script; then the
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
# A profile and save folder of the run's own. The run plays its script in
# the real SDL window under a virtual X server, so the pictures are what a
# player's window shows; without xvfb-run (or when SDL cannot open its
# display) it runs headless instead.
home="$(mktemp -d)"
shown=false
if command -v xvfb-run >/dev/null 2>&1; then
  if XDG_CONFIG_HOME="$home" XDG_DATA_HOME="$home" SDL_AUDIODRIVER=dummy \
      xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
      "$build/vantorel" --script "$script" --run-ms 120000; then
    shown=true
  else
    echo "screenshots: the run in the SDL window failed; running headless" >&2
  fi
fi
if ! $shown; then
  XDG_CONFIG_HOME="$home" XDG_DATA_HOME="$home" \
    "$build/vantorel" --headless --script "$script" --run-ms 60000
fi

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
# Squad section, more: youth training as row 94 opens it, and long names
# fitted on Team Selection, its Formation tab and Individual Training.
if [ -x "$build/tests/test_screens" ]; then
  for shot in youth-training-94 team-selection-long-names team-selection-formation-long-names \
      training-individual-long-name; do
    if [ -f "$build/page-shots/$shot.png" ]; then cp "$build/page-shots/$shot.png" "$out/"; fi
  done
fi
# The player section's pages as their tests leave them: the section page, the
# transfer list in its three views, the scouts, the purchase page for a
# transfer and a loan, the contract page for a player, an employee, a market
# employee and a youth, the sale page, the person page on each sub-page and
# for an employee, a club's transfers, a player's transfer history and the
# bids in progress; and the purchase, contract and sale pages as a running
# game shows them, beside the tool bar and the navigator.
if [ -x "$build/tests/test_screens" ]; then
  "$build/tests/test_screens" --gtest_brief=1 \
    --gtest_filter='PlayerPages.*:PersonPage.*:MarketPages.*:DealPages.*:SalePage.*:TransferMarketInTheProgram.APlayerIsBought*' >/dev/null
  for shot in player-hub transfer-list-approach transfer-list-filters transfer-list-scout scouts purchase-1056 \
      purchase-1057 contract-player contract-employee contract-market-employee contract-youth sale person-sub0 \
      person-sub1 person-sub2 person-sub3 person-sub4 person-employee club-transfers transfer-history bids \
      game-purchase game-contract game-sale; do
    cp "$build/page-shots/$shot.png" "$out/"
  done
fi
# The stadium pages as their tests leave them: the plan with a hovered, a
# selected and a hovered stand in work, the side view in its four views,
# Stand Development; and contact sheets of every stadium picture family.
if [ -x "$build/tests/test_screens" ]; then
  "$build/tests/test_screens" --gtest_brief=1 --gtest_filter='StadiumPages.*' >/dev/null
  for shot in stadium-plan-hovered stadium-plan-selected stadium-plan-works-hovered stadium-view-normal \
      stadium-view-reversed stadium-view-reversed-cut stadium-view-cut stand-development; do
    cp "$build/page-shots/$shot.png" "$out/"
  done
fi
# The club and finance pages as their tests leave them: the club hub, Club
# Information in its three record modes, Honours, the kit editor, the finance hub, Payroll, Manager
# Funding with the board's refusals and with an approval, Accounts, the Job Centre and the three
# graphs.
if [ -x "$build/tests/test_screens" ]; then
  "$build/tests/test_screens" --gtest_brief=1 \
    --gtest_filter='Club*.*:KitEditor*.*:FinancePages.*:FundingPage.*:JobCentre.*' >/dev/null
  for shot in club-hub club-information-gates club-information-results club-information-transfers \
      club-honours kit-editor finance-hub finance-payroll \
      finance-funding finance-funding-approved finance-accounts finance-jobcentre graph-attendance graph-league graph-accounts; do
    if [ -f "$build/page-shots/$shot.png" ]; then cp "$build/page-shots/$shot.png" "$out/"; fi
  done
fi
if [ -x "$build/tools/make_stadium" ]; then
  "$build/tools/make_stadium" "$(dirname "$0")/../assets" "$build/stadium-sheets-game" --sheets "$out/stadium-sheets"
fi
# The news pages as their tests leave them: the hub plain and with the
# mole's rumours, League and Club Messages, the newspaper's front page on two
# days and the back page with the day's news, the pages after a turn, the
# day's paper after Skip to Next Match Date in the running program with its
# fixtures spread, a fixtures spread with no results yet, a fixtures and a
# table spread and the back page of England in the largest world;
# then the contact sheets of the paper's photographs.
if [ -x "$build/tests/test_screens" ]; then
  "$build/tests/test_screens" --gtest_brief=1 \
    --gtest_filter='NewsPages.*:Newspaper.*:NewspaperPixels.*:NewsInTheProgram.*:LargestWorldPaper.*' >/dev/null
  for shot in news-hub news-hub-rumours news-league-messages news-club-messages newspaper-front \
      newspaper-front-next-day newspaper-back-news newspaper-turn-front newspaper-turn-spread-20652 \
      newspaper-turn-spread-after-back newspaper-after-skip newspaper-endtoend-table newspaper-fixtures-spread \
      newspaper-table-spread newspaper-endtoend-fixtures newspaper-fixtures-no-results newspaper-back-largest; do
    cp "$build/page-shots/$shot.png" "$out/"
  done
fi
if [ -x "$build/tools/make_press_sheets" ]; then
  "$build/tools/make_press_sheets" "$out/press"
fi
# The fixtures, tables, information, manager and discipline pages after some
# weeks of a Scottish season, as their screenshot test leaves them.
if [ -x "$build/tests/test_screens" ]; then
  "$build/tests/test_screens" --gtest_brief=1 \
    --gtest_filter='CompetitionShots.*:StatsPages.PlayedCupGroupsAreOfferedInTheTreeAndGiveOneRowPerClub' >/dev/null
  for shot in fixtures-hub fixtures-league-schedule fixtures-league-fixtures fixtures-cup-schedule \
      fixtures-cup-fixtures fixtures-friendlies information-hub tables-league-table tables-current-form tables-cup-group \
      stats-scorers stats-gates information-man-of-the-match manager-profile-finances \
      stats-manager-ratings information-highest-gates information-match-results information-description \
      information-match-summary manager-hub manager-of-the-month manager-honours manager-profile \
      manager-vacancies discipline-hub discipline-clubs discipline-players discipline-referees; do
    if [ -f "$build/page-shots/$shot.png" ]; then cp "$build/page-shots/$shot.png" "$out/"; fi
  done
fi
ls "$out"
