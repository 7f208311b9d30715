#!/usr/bin/env bash
# A game played with real keys is kept as a trail that zaptrail-sim proves, with the times the
# records file holds; watching it draws
# the sim's last frame of the same keys, under a caption that says it is a replay, and leaves
# the records file and the kept trails as they were.
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
python3 - "$trail" >"$work/lines.txt" <<'PY'
import re, sys
letters = "URDLF"
for line in open(sys.argv[1]):
    if not line.startswith("keys "):
        continue
    for run in line.split()[1:]:
        count, keys = re.fullmatch(r"(\d*)(.*)", run).groups()
        held = "".join(l for i, l in enumerate(letters) if l in keys)
        print("\n".join([held or "-"] * int(count or 1)))
PY
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
  play_field_of "$window" "$work/field.png"
  if same_picture "$work/field.png" "$work/expected.png"; then
    shown=true
    break
  fi
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
echo "played, proved and watched: $(grep -c '' "$work/lines.txt") ticks"
