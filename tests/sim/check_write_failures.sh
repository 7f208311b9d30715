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
}
expect_failure "snapshot on a full disk" "$sim" play 1 0 --snapshot /dev/full
expect_failure "replay to a full disk" sh -c "\"$sim\" play 1 0 >/dev/full"
expect_failure "level to a closed output" sh -c "\"$sim\" level 1 0 >&-"
echo "every failed write reported"
