#!/usr/bin/env bash
# Without a display the game says so in one line and ends with status 1, for an unset DISPLAY
# and for one that names no server.
# Usage: no_display.sh GAME_BINARY
set -uo pipefail
for display in "" ":0.999"; do
  errors=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$1" 2>&1 >/dev/null)
  status=$?
  [ "$status" -eq 1 ] || { echo "DISPLAY='$display': status $status, expected 1"; exit 1; }
  [ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] && [[ "$errors" == "zaptrail: cannot open the display"* ]] ||
    { echo "DISPLAY='$display': standard error was:"; echo "$errors"; exit 1; }
done
echo "no display: one line, status 1"
