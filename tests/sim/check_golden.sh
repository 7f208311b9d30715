#!/usr/bin/env bash
# Replays golden cases through zaptrail-sim and compares the output byte for byte.
#   check_golden.sh [--case NAME] GOLDEN_DIR SIM [...]   (SIM may be an emulator and the program)
#   level-SEED-LEVEL.txt      output of `zaptrail-sim level SEED LEVEL`
#   play-SEED-LEVEL.keys/.txt input and output of `zaptrail-sim play SEED LEVEL`
# Without --case every case is checked. scripts/regenerate-golden.sh rewrites the outputs.
set -u
only=
if [ "$1" = --case ]; then
  only=$2
  shift 2
fi
golden=$1
shift
sim=("$@")
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
failed=0
for expected in "$golden"/level-*.txt "$golden"/play-*.txt; do
  name=$(basename "$expected" .txt)
  [ -n "$only" ] && [ "$name" != "$only" ] && continue
  IFS=- read -r command seed level <<<"$name"
  if [ "$command" = play ]; then
    "${sim[@]}" play "$seed" "$level" <"$golden/$name.keys" >"$actual"
  else
    "${sim[@]}" level "$seed" "$level" >"$actual"
  fi
  if ! cmp -s "$expected" "$actual"; then
    echo "golden case $name differs:"
    diff -u "$expected" "$actual" | head -20
    failed=1
  fi
done
exit $failed
