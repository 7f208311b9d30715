#!/usr/bin/env bash
# `zaptrail --seed N` plays the sim's game of seed N: the same title screen, and once Space is
# held, the same first maze.
# Usage: seed_smoke.sh GAME_BINARY SIM_BINARY
set -euo pipefail
source "$(dirname "$0")/game_on_xvfb.sh"
source "$(dirname "$0")/seeded_pictures.sh"
run_on_xvfb "$@"
sim=$(realpath "$2")
seed=52
start_game "$1" --seed "$seed"
expect_seed_pictures "$seed" "$sim"

shows_title "$window" || { echo "the title screen differs from the sim's"; exit 1; }
xdotool windowfocus --sync "$window"
xdotool keydown space
for _ in $(seq 1 100); do
  shows_title "$window" || break
  sleep 0.05
done
xdotool keyup space
shows_first_level "$window" || {
  echo "the first maze differs from the sim's at seed $seed"
  cp "$work/field.png" "${TMPDIR:-/tmp}/seed_smoke-field.png"
  echo "the game's play field: ${TMPDIR:-/tmp}/seed_smoke-field.png"
  exit 1
}
quit_with_escape
echo "seed $seed: the sim's title and first maze"
