#!/usr/bin/env bash
# Run as the player: starts the installed game on a virtual display, holds Fire across the title
# screen's ticks so a level starts, then quits with Escape held.
set -euo pipefail
source "$(dirname "$0")/game_on_xvfb.sh"
run_on_xvfb "$@"
launch_game /usr/games/zaptrail
xdotool windowfocus --sync "$window"
xdotool keydown space
sleep 1
xdotool keyup space
quit_with_escape
