#!/usr/bin/env bash
# Replays every golden case through zaptrail-sim and compares the output byte for byte.
#   level-SEED-LEVEL.txt      output of `zaptrail-sim level SEED LEVEL`
#   play-SEED-LEVEL.keys/.txt input and output of `zaptrail-sim play SEED LEVEL`
set -u
sim=$1
golden=$2
failed=0
for expected in "$golden"/level-*.txt "$golden"/play-*.txt; do
  name=$(basename "$expected" .txt)
  IFS=- read -r command seed level <<<"$name"
  if [ "$command" = play ]; then
    actual=$("$sim" play "$seed" "$level" <"$golden/$name.keys")
  else
    actual=$("$sim" level "$seed" "$level")
  fi
  if ! diff -u "$expected" <(printf '%s\n' "$actual") >/dev/null; then
    echo "golden case $name differs:"
    diff -u "$expected" <(printf '%s\n' "$actual") | head -20
    failed=1
  fi
done
exit $failed
