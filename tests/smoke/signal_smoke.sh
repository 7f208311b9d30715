#!/usr/bin/env bash
# Starts the real game on a virtual display, sends it a signal once its window is up and expects
# a clean exit with the records file written, as the close box does.
# Usage: signal_smoke.sh GAME_BINARY TERM|INT
set -euo pipefail
if [ -z "${ZAPTRAIL_ON_XVFB:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" env ZAPTRAIL_ON_XVFB=1 "$0" "$@"
fi
binary=$(realpath "$1")
signal=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$binary" "$work/zaptrail"

cd "$work"
# Started in the background, the game inherits SIGINT ignored; it must catch it all the same.
./zaptrail &
pid=$!
# The main window is mapped only once the game watches for signals; it may exist unmapped before.
shown=""
for _ in $(seq 1 100); do
  if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    echo "game ended at start-up with status $status"
    exit 1
  fi
  shown=$(xdotool search --onlyvisible --name '^zap trail$' 2>/dev/null | head -1 || true)
  [ -n "$shown" ] && break
  sleep 0.05
done
[ -n "$shown" ] || { echo "no window titled 'zap trail'"; kill -KILL "$pid"; exit 1; }

kill "-$signal" "$pid"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
if kill -0 "$pid" 2>/dev/null; then
  echo "game still running 5 s after SIG$signal"
  kill -KILL "$pid"
  exit 1
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "game exited with status $status after SIG$signal"; exit 1; }
[ -f "$work/zaptrail.ini" ] || { echo "records file not written on SIG$signal"; exit 1; }
echo "SIG$signal closed the game with status 0, records written"
