#!/usr/bin/env bash
# Replays every golden case through zaptrail-sim and compares the output byte for byte.
#   check_golden.sh GOLDEN_DIR SIM [...]    (SIM may be an emulator followed by the program)
#   level-SEED-LEVEL.txt      output of `zaptrail-sim level SEED LEVEL`
#   play-SEED-LEVEL.keys/.txt input and output of `zaptrail-sim play SEED LEVEL`
set -u
golden=$1
shift
sim=("$@")
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
failed=0
for expected in "$golden"/level-*.txt "$golden"/play-*.txt; do
  name=$(basename "$expected" .txt)
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
