#!/usr/bin/env bash
# `zaptrail --seed N` plays the sim's game of seed N: the same title screen, once Space is held
# the same first maze, and once Right is held the same cleared level.
# Usage: seed_smoke.sh GAME_BINARY SIM_BINARY
set -euo pipefail
source "$(dirname "$0")/game_on_xvfb.sh"
source "$(dirname "$0")/seeded_pictures.sh"
run_on_xvfb "$@"
sim=$(realpath "$2")
seed=52
start_game "$1" --seed "$seed"
expect_seed_pictures "$seed" "$sim"

shows_title "$window" || { echo "FAIL: the title screen differs from the sim's"; exit 1; }
start_first_level "$window"
clear_first_level "$window"
quit_with_escape
echo "seed $seed: the sim's title, first maze and cleared level"
