#!/usr/bin/env bash
# Runs every fuzz target of a ZAPTRAIL_FUZZ build for a bounded time, one after the other.
# New inputs go to the build's own corpus; a crash copies its input into
# tests/fuzz/corpus/<target>/, where ctest replays it from then on, and fails the run.
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-25}
kept=$(cd "$(dirname "$0")" && pwd)/corpus

# The records target saves a file per input; a memory-backed folder keeps fsync cheap.
[ -w /dev/shm ] && export TMPDIR=/dev/shm

status=0
for target in records integer sim_input trail; do
  case $target in
    integer) max_len=64 ;;
    sim_input) max_len=512 ;;
    trail) max_len=2048 ;;
    *) max_len=4096 ;;
  esac
  work=$build/fuzz-work/$target
  mkdir -p "$work/corpus" "$work/crashes"
  rm -f "$work"/crashes/*
  if "$build/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$work/crashes/" \
      "$work/corpus" "$kept/$target" >"$work/log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    echo "fuzz_$target: $runs inputs in ${seconds} s, no crash"
  else
    tail -n 40 "$work/log"
    for crash in "$work"/crashes/*; do
      [ -e "$crash" ] && cp "$crash" "$kept/$target/"
    done
    echo "fuzz_$target: FAILED; the input is kept in tests/fuzz/corpus/$target/" >&2
    status=1
  fi
done
exit $status
