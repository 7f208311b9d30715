# Sourced by scripts that need a display. `run_on_xvfb "$@"`, called first, runs the calling
# script again on a virtual display of its own and ends with that run's status; the second run
# goes on past it. The server picks a free display itself (-displayfd), so scripts started at
# the same moment, by this user or another, never share one. The second run finds the server's
# process in ZAPTRAIL_XVFB_PID, for a test of what the game does when its display goes away.
run_on_xvfb() {
  if [ -n "${ZAPTRAIL_ON_XVFB:-}" ]; then
    # A command whose failure ends the script names itself, so that no test fails in silence.
    set -o errtrace
    trap 'echo "FAIL: line $LINENO of $0: $BASH_COMMAND" >&2' ERR
    return 0
  fi
  local ready server status=0
  ready=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$ready" >/dev/null 2>&1 &
  server=$!
  for _ in $(seq 1 200); do
    [ -s "$ready" ] || ! kill -0 "$server" 2>/dev/null && break
    sleep 0.05
  done
  if [ -s "$ready" ]; then
    DISPLAY=":$(cat "$ready")" ZAPTRAIL_ON_XVFB=1 ZAPTRAIL_XVFB_PID=$server "$0" "$@" || status=$?
  else
    echo "Xvfb did not start" >&2
    status=1
  fi
  kill "$server" 2>/dev/null || true  # gone already when the test ended it
  wait "$server" 2>/dev/null || true
  rm -f "$ready"
  exit "$status"
}
