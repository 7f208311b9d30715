# Sourced by the whole-program tests: runs the calling script again on a virtual display, then
# starts the game and waits for its main window to be mapped.
#   run_on_xvfb "$@"          first line of the script; the display's server is
#                             $ZAPTRAIL_XVFB_PID, which a test may kill
#   start_game GAME_BINARY [ARGUMENTS...]
#                             a copy of the game in a temporary directory (so no player's records
#                             are touched); sets work, pid and window
#   launch_game COMMAND...    the game as it is installed, or behind a prefix that ends in exec
#                             (env, setpriv); sets pid and window
#   expect_exit STATUS [PID]  waits up to ten seconds for the game to end with STATUS
#   quit_with_escape [WINDOW PID]
#                             holds Escape until the game is gone; fails unless it exits with 0

# Beside this file when copied for the package test, in scripts/ in the source tree.
helpers=$(dirname "${BASH_SOURCE[0]}")
if [ -f "$helpers/on_xvfb.sh" ]; then
  source "$helpers/on_xvfb.sh"
else
  source "$helpers/../../scripts/on_xvfb.sh"
fi

start_game() {
  local binary
  binary=$(realpath "$1")
  shift
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "$binary" "$work/zaptrail"
  cd "$work"
  # The player's own folders stay out of it: the records, and the sound system's client
  # settings written when the game opens its sound device.
  XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
    launch_game ./zaptrail "$@"
}

launch_game() {
  "$@" &
  pid=$!
  window=""
  # Only once mapped: the window may exist unmapped while the game is still setting up. Found
  # by its process, as two copies of the game may be running.
  for _ in $(seq 1 400); do
    if ! kill -0 "$pid" 2>/dev/null; then
      local status=0
      wait "$pid" || status=$?
      echo "FAIL: the game ended at start-up with status $status"
      exit 1
    fi
    window=$(xdotool search --all --onlyvisible --pid "$pid" --name '^zap trail$' 2>/dev/null |
      head -1 || true)
    [ -n "$window" ] && return
    sleep 0.05
  done
  echo "FAIL: no window titled 'zap trail'"
  kill -KILL "$pid"
  exit 1
}

expect_exit() {
  local expected=$1 game=${2:-$pid} status=0
  for _ in $(seq 1 200); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$game" 2>/dev/null; then
    echo "FAIL: the game still runs ten seconds after it was told to end"
    kill -KILL "$game"
    exit 1
  fi
  wait "$game" || status=$?
  [ "$status" -eq "$expected" ] ||
    { echo "FAIL: the game ended with status $status, expected $expected"; exit 1; }
}

quit_with_escape() {
  local target=${1:-$window} game=${2:-$pid}
  xdotool windowfocus --sync "$target"
  # Held until the game is gone: a tap between two ticks would not be seen.
  xdotool keydown Escape
  expect_exit 0 "$game"
  xdotool keyup Escape 2>/dev/null || true
}
