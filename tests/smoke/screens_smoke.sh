#!/usr/bin/env bash
# Displays the game can be put on: one it cannot draw on (8 bits per pixel) is refused with one
# line and status 1; on a screen smaller than its windows they start inside the screen.
# Usage: screens_smoke.sh GAME_BINARY 8bit|small
set -euo pipefail
case "$2" in
  8bit) export XVFB_SCREEN=640x480x8 ;;
  small) export XVFB_SCREEN=320x240x24 ;;
  *) echo "no such case: $2"; exit 2 ;;
esac
source "$(dirname "$0")/game_on_xvfb.sh"
run_on_xvfb "$@"

if [ "$2" = 8bit ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "$(realpath "$1")" "$work/zaptrail"
  mkdir -m 700 "$work/runtime"
  status=0
  XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" timeout 20 "$work/zaptrail" \
    2>"$work/errors" || status=$?
  [ "$status" -eq 1 ] || { echo "status $status, expected 1"; cat "$work/errors"; exit 1; }
  [ "$(wc -l <"$work/errors")" -eq 1 ] && grep -q '^zaptrail: the display has 8 bits' "$work/errors" ||
    { echo "standard error:"; cat "$work/errors"; exit 1; }
  echo "refused: $(cat "$work/errors")"
  exit 0
fi

start_game "$1"
inside() {
  local name=$1 id=$2
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$name at $X,$Y size ${WIDTH}x$HEIGHT"
  # A window taller or wider than the screen starts at its edge.
  { [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] &&
    { [ $((X + WIDTH)) -le 320 ] || [ "$X" -eq 0 ]; } &&
    { [ $((Y + HEIGHT)) -le 240 ] || [ "$Y" -eq 0 ]; }; } ||
    { echo "$name lies outside the 320 x 240 screen"; exit 1; }
}
inside "main window" "$window"
compass=""
for _ in $(seq 1 100); do
  compass=$(xdotool search --onlyvisible --name '^ｺﾝﾊﾟｽ$' 2>/dev/null | head -1 || true)
  [ -n "$compass" ] && break
  sleep 0.05
done
[ -n "$compass" ] || { echo "no compass window"; exit 1; }
inside compass "$compass"
quit_with_escape
