#!/usr/bin/env bash
# Runs a command and fails if it changed the machine outside this clone and the temporary
# folders: a package installed or removed, a user or group added, or a file written under the
# home folder or the system's writable places.
#   check-untouched.sh [--ignore PATH]... COMMAND [ARGUMENTS...]
# --ignore leaves out a place that others write to meanwhile, such as a shared machine's logs.
set -euo pipefail
clone=$(realpath "$(dirname "$0")/..")
ignored=()
while [ "${1:-}" = --ignore ]; do
  ignored+=("$(realpath -m "$2")")
  shift 2
done
[ $# -gt 0 ] || { echo "usage: check-untouched.sh [--ignore PATH]... COMMAND [ARGUMENTS...]" >&2; exit 2; }

before=$(mktemp -d)
trap 'rm -rf "$before"' EXIT
packages() { dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture} ${Version}\n' | sort; }
packages >"$before/packages"
cp /etc/passwd /etc/group "$before/"
# A second early, since a file written at once may carry the very same time.
touch -d "-1 second" "$before/start"

"$@"

# Every place a test could write to besides the clone and the temporary folders; those, the
# system's logs, and the folder where an X server started by root compiles its keymap for a
# moment (server-N.xkm, deleted once loaded) are left out.
watched=("$HOME" /etc /usr /opt /srv /var)
skipped=("$clone" /tmp /var/tmp /var/log /var/lib/xkb /dev/shm "${TMPDIR:-/tmp}" "${ignored[@]}")
prune=()
for place in "${skipped[@]}"; do
  prune+=(-path "$(realpath -m "$place")" -prune -o)
done
changed=$(find "${watched[@]}" -xdev "${prune[@]}" -newer "$before/start" -print 2>/dev/null | sort -u)

status=0
# report WHAT DIFFERENCES: prints them under a heading and marks the run failed.
report() {
  [ -n "$2" ] || return 0
  echo "check-untouched: $1" >&2
  sed 's/^/  /' <<<"$2" >&2
  status=1
}
report "the package database changed:" "$(packages | diff "$before/packages" - | grep '^[<>]' || true)"
for file in passwd group; do
  report "/etc/$file changed:" "$(diff "$before/$file" "/etc/$file" | grep '^[<>]' || true)"
done
report "files changed outside the clone and the temporary folders:" "$changed"
[ "$status" -ne 0 ] || echo "check-untouched: no package, user or file outside the clone changed"
exit "$status"
