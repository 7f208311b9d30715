#!/usr/bin/env bash
# A game played with real keys is kept as a trail that zaptrail-sim proves, with the times the
# records file holds; watching it draws
# the sim's last frame of the same keys, under a caption that says it is a replay, and leaves
# the records file and the kept trails as they were. A tampered trail is refused before it plays.
# Usage: trail_smoke.sh GAME_BINARY SIM_BINARY
set -euo pipefail
source "$(dirname "$0")/game_on_xvfb.sh"
source "$(dirname "$0")/seeded_pictures.sh"
run_on_xvfb "$@"
sim=$(realpath "$2")
start_game "$1" --seed 52
xdotool windowfocus --sync "$window"
for key in space Right Down; do
  xdotool keydown "$key"
  sleep 1
  xdotool keyup "$key"
done
quit_with_escape

trail="$work/data/zaptrail/trails/last.zaptrail"
[ -f "$trail" ] || { echo "FAIL: no trail kept for the game"; exit 1; }
grep -q '^keys .*[RD]' "$trail" || { echo "FAIL: the arrows held are not in the trail"; exit 1; }
"$sim" verify "$trail" >"$work/proof.txt" || { echo "FAIL: the trail does not verify"; exit 1; }
# The times the proof finds are the ones the game recorded (seed 52's first maze is cleared by
# Right then Down).
proved=$(sed -n 's/^level [0-9]* time //p' "$work/proof.txt")
recorded=$(tr -d '\r' <"$work/zaptrail.ini")
[ -n "$proved" ] && [ "$proved" = "$recorded" ] ||
  { echo "FAIL: proved times '$proved', the records file holds '$recorded'"; exit 1; }

# The sim's picture after the trail's last tick, from the same keys as replay lines.
trail_keys "$trail" >"$work/lines.txt"
"$sim" play 52 0 --snapshot "$work/expected.png" <"$work/lines.txt" >/dev/null
before=$(md5sum "$work/zaptrail.ini" "$work/data/zaptrail/trails/"*)

XDG_DATA_HOME="$work/data" ./zaptrail --watch "$trail" &
pid=$!
window=""
for _ in $(seq 1 400); do
  window=$(xdotool search --all --onlyvisible --pid "$pid" --name '^zap trail - replay$' \
    2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.05
done
[ -n "$window" ] || { echo "FAIL: no window titled 'zap trail - replay'"; exit 1; }
shown=false
for _ in $(seq 1 300); do
  shows_picture "$window" "$work/expected.png" && { shown=true; break; }
  sleep 0.1
done
$shown || {
  cp "$work/field.png" "${TMPDIR:-/tmp}/trail_smoke-field.png"
  echo "FAIL: watching never showed the sim's last frame (${TMPDIR:-/tmp}/trail_smoke-field.png)"
  exit 1
}
quit_with_escape
[ "$(md5sum "$work/zaptrail.ini" "$work/data/zaptrail/trails/"*)" = "$before" ] ||
  { echo "FAIL: watching changed the records or a kept trail"; exit 1; }

# A trail whose claimed time was changed is refused before anything plays: the error box and
# never the replay's window, then status 2.
sed 's/^cleared 0 /cleared 0 1/' "$trail" >"$work/tampered.zaptrail"
XDG_DATA_HOME="$work/data" ./zaptrail --watch "$work/tampered.zaptrail" &
pid=$!
box=""
for _ in $(seq 1 400); do
  box=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Zaptrail$' 2>/dev/null |
    head -1 || true)
  [ -n "$box" ] && break
  sleep 0.05
done
[ -n "$box" ] || { echo "FAIL: no error box for a tampered trail"; exit 1; }
if xdotool search --all --onlyvisible --pid "$pid" --name '^zap trail' >/dev/null 2>&1; then
  echo "FAIL: a tampered trail opened the game's window"
  exit 1
fi
xdotool windowfocus --sync "$box" key Return
expect_exit 2
echo "played, proved and watched: $(grep -c '' "$work/lines.txt") ticks"
