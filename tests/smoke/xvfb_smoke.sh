#!/usr/bin/env bash
# Starts the real game on a virtual display, finds its window, checks the client size, holds
# Escape across a tick and expects a clean exit with the records file written.
# Usage: xvfb_smoke.sh GAME_BINARY
set -euo pipefail
source "$(dirname "$0")/game_on_xvfb.sh"
run_on_xvfb "$@"
start_game "$1"

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"
# The client area is the 240 x 224 play field under the menu bar.
[ "$WIDTH" -eq 240 ] || { echo "client width $WIDTH, expected 240"; exit 1; }
{ [ "$HEIGHT" -gt 224 ] && [ "$HEIGHT" -lt 270 ]; } ||
  { echo "client height $HEIGHT, expected 224 plus a menu bar"; exit 1; }

quit_with_escape
[ -f "$work/zaptrail.ini" ] || { echo "records file not written on close"; exit 1; }
echo "closed with status 0, records written"
