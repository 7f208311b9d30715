# Sourced by the whole-program tests: runs the calling script again on a virtual display, then
# starts the game and waits for its main window to be mapped.
#   run_on_xvfb "$@"          first line of the script
#   start_game GAME_BINARY    a copy of the game in a temporary directory (so no player's records
#                             are touched); sets work, pid and window
#   launch_game COMMAND       the game as it is installed; sets pid and window
#   quit_with_escape          holds Escape until the game is gone; fails unless it exits with 0

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
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "$binary" "$work/zaptrail"
  cd "$work"
  # The player's own folders stay out of it: the records, and the sound system's client
  # settings written when the game opens its sound device.
  XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
    launch_game ./zaptrail
}

launch_game() {
  "$1" &
  pid=$!
  window=""
  # Only once mapped: the window may exist unmapped while the game is still setting up.
  for _ in $(seq 1 400); do
    if ! kill -0 "$pid" 2>/dev/null; then
      local status=0
      wait "$pid" || status=$?
      echo "game ended at start-up with status $status"
      exit 1
    fi
    window=$(xdotool search --onlyvisible --name '^zap trail$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && return
    sleep 0.05
  done
  echo "no window titled 'zap trail'"
  kill -KILL "$pid"
  exit 1
}

quit_with_escape() {
  xdotool windowfocus --sync "$window"
  # Held until the game is gone: a tap between two ticks would not be seen.
  xdotool keydown Escape
  for _ in $(seq 1 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  xdotool keyup Escape 2>/dev/null || true
  if kill -0 "$pid" 2>/dev/null; then
    echo "game still running 10 s after Escape"
    kill -KILL "$pid"
    exit 1
  fi
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || { echo "game exited with status $status"; exit 1; }
}
