#!/usr/bin/env bash
# Starts the real game on a virtual display, sends it a signal once its window is up and expects
# a clean exit with the records file written, as the close box does.
# Usage: signal_smoke.sh GAME_BINARY TERM|INT
set -euo pipefail
source "$(dirname "$0")/game_on_xvfb.sh"
run_on_xvfb "$@"
signal=$2
# Started in the background, the game inherits SIGINT ignored; it must catch it all the same.
start_game "$1"

kill "-$signal" "$pid"
expect_exit 0
[ -f "$work/zaptrail.ini" ] || { echo "records file not written on SIG$signal"; exit 1; }
echo "SIG$signal closed the game with status 0, records written"
