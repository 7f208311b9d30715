#!/usr/bin/env bash
# Rewrites every golden replay output in tests/golden from the current zaptrail-sim, for when a
# change to the game's behaviour is meant. Review `git diff tests/golden` before committing.
#   scripts/regenerate-golden.sh [SIM]     (default: build/zaptrail-sim)
# A new case is a file name: touch tests/golden/level-SEED-LEVEL.txt, or write the keys into
# tests/golden/play-SEED-LEVEL.keys and touch the matching .txt, then run this script.
set -euo pipefail
cd "$(dirname "$0")/.."
sim=${1:-build/zaptrail-sim}
for output in tests/golden/level-*.txt tests/golden/play-*.txt; do
  name=$(basename "$output" .txt)
  IFS=- read -r command seed level <<<"$name"
  if [ "$command" = play ]; then
    "$sim" play "$seed" "$level" <"tests/golden/$name.keys" >"$output"
  else
    "$sim" level "$seed" "$level" >"$output"
  fi
done
echo "regenerated $(ls tests/golden/*.txt | wc -l) golden cases; see git diff tests/golden"
