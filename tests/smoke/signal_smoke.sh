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
for _ in $(seq 1 200); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
if kill -0 "$pid" 2>/dev/null; then
  echo "game still running 10 s after SIG$signal"
  kill -KILL "$pid"
  exit 1
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "game exited with status $status after SIG$signal"; exit 1; }
[ -f "$work/zaptrail.ini" ] || { echo "records file not written on SIG$signal"; exit 1; }
echo "SIG$signal closed the game with status 0, records written"
