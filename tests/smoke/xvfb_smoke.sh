#!/usr/bin/env bash
# Starts the real game on a virtual display, finds its window, checks the client size, holds
# Escape across a tick and expects a clean exit with the records file written.
# Usage: xvfb_smoke.sh GAME_BINARY
set -euo pipefail
if [ -z "${ZAPTRAIL_ON_XVFB:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" env ZAPTRAIL_ON_XVFB=1 "$0" "$@"
fi
binary=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$binary" "$work/zaptrail"

cd "$work"
./zaptrail &
pid=$!
window=""
for _ in $(seq 1 400); do
  window=$(xdotool search --name '^zap trail$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.05
done
[ -n "$window" ] || { echo "no window titled 'zap trail'"; kill "$pid"; exit 1; }

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"
# The client area is the 240 x 224 play field under the menu bar.
[ "$WIDTH" -eq 240 ] || { echo "client width $WIDTH, expected 240"; exit 1; }
{ [ "$HEIGHT" -gt 224 ] && [ "$HEIGHT" -lt 270 ]; } ||
  { echo "client height $HEIGHT, expected 224 plus a menu bar"; exit 1; }

xdotool windowfocus --sync "$window"
# Held until the game is gone: a tap between two ticks would not be seen.
xdotool keydown Escape
for _ in $(seq 1 200); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
xdotool keyup Escape 2>/dev/null || true
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "game exited with status $status"; exit 1; }
[ -f "$work/zaptrail.ini" ] || { echo "records file not written on close"; exit 1; }
echo "closed with status 0, records written"
