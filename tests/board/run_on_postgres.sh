#!/usr/bin/env bash
# The board's suite against a real PostgreSQL 15: a server of its own in a scratch folder on a
# free port of 127.0.0.1, run as an unprivileged user when we are root, stopped and removed
# after, whatever the suite did.
#   run_on_postgres.sh BOARD_TESTS [GTEST ARGUMENTS...]
set -euo pipefail
tests=$(realpath "$1")
shift
bin=/usr/lib/postgresql/15/bin
[ -x "$bin/initdb" ] || { echo "run_on_postgres: PostgreSQL 15 is not installed ($bin)" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zaptrail-postgres-XXXXXX")
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody:nogroup "$scratch"
  as_owner=(setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env)
fi
stop() {
  "${as_owner[@]}" "$bin/pg_ctl" -D "$scratch/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap stop EXIT

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"${as_owner[@]}" "$bin/initdb" -D "$scratch/data" -U board --auth=trust -E UTF8 --locale=C.UTF-8 \
  >"$scratch/initdb.log"
"${as_owner[@]}" "$bin/pg_ctl" -D "$scratch/data" -l "$scratch/server.log" -w \
  -o "-h 127.0.0.1 -p $port -k $scratch -c fsync=on -c max_connections=200" start >/dev/null

ZAPTRAIL_BOARD_POSTGRES="postgresql://board@127.0.0.1:$port" "$tests" "$@"
