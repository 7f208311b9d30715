#!/usr/bin/env bash
# The board under wrk on this machine: one board, 64 connections. First rankings alone, then
# real daily trails submitted as fast as the verifying pool takes them while rankings are read
# beside them. SQLite in a scratch folder, or the PostgreSQL server ZAPTRAIL_BOARD_POSTGRES names
# (tests/board/run_on_postgres.sh starts one). Prints the figures; judges nothing.
#   measure.sh BOARD DAILY_TRAIL [SECONDS]
set -euo pipefail
board=$(realpath "$1")
daily_trail=$(realpath "$2")
seconds=${3:-10}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zaptrail-board-measure-XXXXXX")
pid=
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$scratch"
}
trap finish EXIT

if [ -n "${ZAPTRAIL_BOARD_POSTGRES:-}" ]; then
  psql -q "$ZAPTRAIL_BOARD_POSTGRES/postgres" -c 'CREATE DATABASE measure'
  db=$ZAPTRAIL_BOARD_POSTGRES/measure
  store=PostgreSQL
else
  db=sqlite:$scratch/board.db
  store=SQLite
fi

# Trails of the scripted player, each a different game, of up to five minutes' play (9,375
# ticks of 32 ms); it rarely lives that long.
echo "measure: playing the daily trails"
for title in $(seq 10 41); do
  "$daily_trail" 1000 32 "$title" 9375 |
    python3 -c 'import json, sys; print(json.dumps({"name": "measure%s" % sys.argv[1], "key": "measure-key-0123456789", "trail": sys.stdin.read()}))' "$title" \
    >"$scratch/submission-$title.json"
done

"$board" --listen 127.0.0.1:0 --db "$db" --per-address 1000000 --per-name 1000000 \
  >"$scratch/board.log" 2>&1 &
pid=$!
for _ in $(seq 100); do grep -q listening "$scratch/board.log" && break; sleep 0.1; done
port=$(sed -n 's/.*listening on .*:\([0-9]*\)$/\1/p' "$scratch/board.log")
url=http://127.0.0.1:$port
today=$(date -u +%F)
# A day with games in it: each trail once.
for body in "$scratch"/submission-*.json; do
  curl -s -o /dev/null -X POST -H 'Content-Type: application/json' --data-binary "@$body" "$url/api/trails"
done
games=$(curl -s "$url/api/daily/$today?limit=500" | python3 -c 'import json, sys; print(len(json.load(sys.stdin)["games"]))')
ticks=$("$daily_trail" 1000 32 10 9375 | python3 -c '
import re, sys
ticks = 0
for line in sys.stdin:
    if line.startswith("keys "):
        for run in line.split()[1:]:
            digits = re.match(r"\d*", run).group()
            ticks += int(digits) if digits else 1
print(ticks)')
echo "measure: $store, $games games ranked on $today, trails of $ticks ticks; $(nproc) cores: $(lscpu | sed -n 's/^Model name: *//p')"

echo "== rankings alone: 64 connections, ${seconds} s"
wrk -t2 -c64 -d"${seconds}s" --latency "$url/api/daily/$today" | grep -E 'Requests/sec|99%|50%|Non-2xx'

echo "== submissions (48 connections) with rankings read beside them (16 connections), ${seconds} s"
SUBMISSIONS="$scratch" wrk -t1 -c48 -d"${seconds}s" -s "$here/submit.lua" "$url" >"$scratch/submit.out" &
submitting=$!
wrk -t1 -c16 -d"${seconds}s" --latency "$url/api/daily/$today" >"$scratch/read.out"
wait "$submitting"
echo "submissions:"; grep -E 'Requests/sec|verified|busy' "$scratch/submit.out"
echo "rankings meanwhile:"; grep -E 'Requests/sec|99%|50%' "$scratch/read.out"
