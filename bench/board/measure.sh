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

# Trails of five minutes' play (9,375 ticks of 32 ms) on today's and yesterday's courses, as
# the scripted player plays them, each submission a different trail. The first ones fill the day
# before it is read; the others are what wrk submits, each once.
seeded=100
count=${ZAPTRAIL_MEASURE_TRAILS:-5000}
echo "measure: playing the daily trails"
"$daily_trail" --submissions "$scratch" "$count"

"$board" --listen 127.0.0.1:0 --db "$db" --per-address 1000000 --per-name 1000000 \
  >"$scratch/board.log" 2>&1 &
pid=$!
for _ in $(seq 100); do grep -q listening "$scratch/board.log" && break; sleep 0.1; done
port=$(sed -n 's/.*listening on .*:\([0-9]*\)$/\1/p' "$scratch/board.log")
url=http://127.0.0.1:$port
today=$(date -u +%F)
# A day with games in it.
for n in $(seq "$seeded"); do
  curl -s -o /dev/null -X POST -H 'Content-Type: application/json' \
    --data-binary "@$scratch/submission-$n.json" "$url/api/trails"
done
games=$(curl -s "$url/api/daily/$today?limit=500" | python3 -c 'import json, sys; print(len(json.load(sys.stdin)["games"]))')
ticks=$(python3 -c '
import json, re, sys
ticks = 0
for line in json.load(open(sys.argv[1]))["trail"].splitlines():
    if line.startswith("keys "):
        for run in line.split()[1:]:
            digits = re.match(r"\d*", run).group()
            ticks += int(digits) if digits else 1
print(ticks)' "$scratch/submission-1.json")
echo "measure: $store, $games games ranked on $today, trails of about $ticks ticks; $(nproc) cores: $(lscpu | sed -n 's/^Model name: *//p'); load $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== rankings alone: 64 connections, ${seconds} s"
wrk -t2 -c64 -d"${seconds}s" --latency "$url/api/daily/$today" | grep -E 'Requests/sec|^ +(50|99)%|Non-2xx'

# Sixteen submitting connections fill the verifying pool and its queue, so it never idles, and
# few are turned away. First alone, then with rankings read beside them on 48 more; each step
# submits trails of its own, each once.
half=$(((count - seeded) / 2))
echo "== submissions alone (16 connections), ${seconds} s"
cpu_before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
SUBMISSIONS="$scratch" FIRST=$((seeded + 1)) LAST=$((seeded + half)) \
  wrk -t1 -c16 -d"${seconds}s" -s "$here/submit.lua" "$url" | grep -E 'verified' | tee "$scratch/alone.out"
cpu_after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
# The board's own processor time per verified trail does not depend on what else runs.
python3 -c '
import re, sys
verified = int(re.match(r"verified (\d+)", open(sys.argv[1]).read()).group(1))
ms = (int(sys.argv[3]) - int(sys.argv[2])) * 1000 / int(sys.argv[4]) / verified
print("board processor time per verified trail: %.1f ms, so %d verified/s on %s idle cores" % (ms, int(sys.argv[5]) * 1000 / ms, sys.argv[5]))
' "$scratch/alone.out" "$cpu_before" "$cpu_after" "$(getconf CLK_TCK)" "$(nproc)"

echo "== submissions (16 connections) with rankings read beside them (48 connections), ${seconds} s"
SUBMISSIONS="$scratch" FIRST=$((seeded + half + 1)) LAST=$count \
  wrk -t1 -c16 -d"${seconds}s" -s "$here/submit.lua" "$url" >"$scratch/submit.out" &
submitting=$!
wrk -t1 -c48 -d"${seconds}s" --latency "$url/api/daily/$today" >"$scratch/read.out"
wait "$submitting"
echo "submissions:"; grep -E 'verified' "$scratch/submit.out"
echo "rankings meanwhile:"; grep -E 'Requests/sec|^ +(50|99)%' "$scratch/read.out"
