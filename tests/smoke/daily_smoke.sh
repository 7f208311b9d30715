#!/usr/bin/env bash
# Two copies of `zaptrail --daily` started side by side show the same first maze: the sim's for
# the seed that the trail format gives today's UTC date.
# Usage: daily_smoke.sh GAME_BINARY SIM_BINARY
set -euo pipefail
source "$(dirname "$0")/game_on_xvfb.sh"
source "$(dirname "$0")/seeded_pictures.sh"
run_on_xvfb "$@"
sim=$(realpath "$2")
today=$(date -u +%F)
seed=$(python3 - "$today" <<'PY'
import datetime, sys
x = (datetime.date.fromisoformat(sys.argv[1]) - datetime.date(1970, 1, 1)).days
m = 0xFFFFFFFF
x ^= x >> 16; x = x * 0x85EBCA6B & m; x ^= x >> 13; x = x * 0xC2B2AE35 & m; x ^= x >> 16
print(x)
PY
)
start_game "$1" --daily
first=$pid first_window=$window
# The second copy keeps its trails apart, as another player's would be.
XDG_DATA_HOME="$work/other" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
  launch_game ./zaptrail --daily
expect_seed_pictures "$seed" "$sim"
start_first_level "$first_window"
start_first_level "$window"
quit_with_escape
quit_with_escape "$first_window" "$first"
# Started just before midnight, the two may rightly have played different days.
if [ "$(date -u +%F)" != "$today" ]; then
  echo "SKIP: the UTC date changed during the test"
  exit 77
fi
echo "$today (seed $seed): both copies show the sim's first maze"
