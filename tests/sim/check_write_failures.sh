#!/usr/bin/env bash
# The sim reports every failed write: a snapshot or a replay onto a full disk, a closed output.
# Usage: check_write_failures.sh SIM_BINARY
set -uo pipefail
sim=$1
expect_failure() {
  local what=$1
  shift
  local errors status
  errors=$("$@" 2>&1 >/dev/null </dev/null)
  status=$?
  [ "$status" -ne 0 ] && [[ "$errors" == zaptrail-sim:* ]] ||
    { echo "$what: status $status, standard error '$errors'"; exit 1; }
  [ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] || { echo "$what: more than one line: $errors"; exit 1; }
}
expect_failure "snapshot on a full disk" "$sim" play 1 0 --snapshot /dev/full
expect_failure "replay to a full disk" sh -c "\"$sim\" play 1 0 >/dev/full"
expect_failure "level to a closed output" sh -c "\"$sim\" level 1 0 >&-"
# Escape held at every tick: the records path cannot be written, and the run ends at once.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/folder"
mkfifo "$scratch/pipe"
for records in folder pipe; do
  expect_failure "records path a $records" sh -c "yes E | head -50 | \"$sim\" play 1 0 \"$scratch/$records\""
done
echo "every failed write reported"
