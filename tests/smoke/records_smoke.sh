#!/usr/bin/env bash
# Whole-program tests of the ways a game can end, each on a virtual display of its own: the game
# clears level 0 (seed 52 gives a maze whose goal lies straight to the right of the chick), then
# ends, and the new best time must be in the right file.
# Usage: records_smoke.sh GAME_BINARY SIM_BINARY hup|display|readonly|copies
#   hup       SIGHUP, in a folder whose name is not UTF-8, with the records file a link
#   display   the X server dies under the game: saved, status 1, one line saying so
#   readonly  an executable folder the player cannot write: the player's data folder instead
#   copies    two copies quit in turn and both copies' times survive
set -euo pipefail
source "$(dirname "$0")/game_on_xvfb.sh"
source "$(dirname "$0")/seeded_pictures.sh"
run_on_xvfb "$@"
game=$(realpath "$1")
sim=$(realpath "$2")
scenario=$3
seed=52

work=$(mktemp -d)
chmod 755 "$work"
cleanup() {
  { kill -KILL $(jobs -p) && wait; } 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
expect_seed_pictures "$seed" "$sim"
fail() { echo "FAIL: $*"; [ -s "$work/stderr" ] && sed 's/^/  game: /' "$work/stderr"; exit 1; }

# install FOLDER: a copy of the game in FOLDER.
install_game() {
  mkdir -p "$1"
  cp "$game" "$1/zaptrail"
}

# launch FOLDER [PREFIX...]: starts the game in FOLDER with the fixed seed and a data folder of
# its own (a prefix may change that); sets pid and window.
launch() {
  local folder=$1
  shift
  XDG_DATA_HOME="$work/data" launch_game "$@" env SDL_AUDIODRIVER=dummy "$folder/zaptrail" \
    --seed "$seed" 2>>"$work/stderr"
}

# clear_level WINDOW: Space past the title screen, then right onto the goal.
clear_level() {
  start_first_level "$1"
  clear_first_level "$1"
}

# expect_times FILE PATTERN: the file's lines, CR LF removed and joined by spaces, match.
expect_times() {
  [ -f "$1" ] || fail "no records file at $1"
  local times
  times=$(tr -d '\r' <"$1" | paste -sd ' ')
  [[ "$times" =~ ^$2$ ]] || fail "$1 holds '$times', expected '$2'"
}

new_time='([0-9]|[1-8][0-9]|[1-8][0-9][0-9])'  # cleared now: below the 900 put there before

case "$scenario" in
  hup)
    folder="$work/caf"$'\xe9'
    install_game "$folder"
    mkdir "$work/elsewhere"
    printf '900\n' >"$work/elsewhere/best.ini"
    ln -s ../elsewhere/best.ini "$folder/zaptrail.ini"
    launch "$folder"
    clear_level "$window"
    kill -HUP "$pid"
    expect_exit 0
    [ -L "$folder/zaptrail.ini" ] || fail "the records link was replaced by a file"
    expect_times "$work/elsewhere/best.ini" "$new_time"
    ;;
  display)
    install_game "$work/game"
    launch "$work/game"
    clear_level "$window"
    kill -TERM "$ZAPTRAIL_XVFB_PID"
    expect_exit 1
    expect_times "$work/game/zaptrail.ini" "$new_time"
    lines=$(grep -c . "$work/stderr" || true)
    grep -q 'zaptrail: lost the connection to the display; best times saved' "$work/stderr" ||
      fail "standard error does not say the display was lost"
    [ "$(grep -ci 'display\|X11' "$work/stderr")" -eq 1 ] || fail "more than one line about it"
    ;;
  readonly)
    install_game "$work/game"
    printf '900\r\n' >"$work/game/zaptrail.ini"
    mkdir "$work/home"
    as_player=()
    if [ "$(id -u)" -eq 0 ]; then
      # Root writes anywhere, so the player is someone else: the system's unprivileged user,
      # since a test adds no users.
      chown nobody "$work/home"
      as_player=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
    else
      chmod 555 "$work/game"
    fi
    launch "$work/game" "${as_player[@]}" env -u XDG_DATA_HOME HOME="$work/home"
    clear_level "$window"
    quit_with_escape
    expect_times "$work/home/.local/share/zaptrail/zaptrail.ini" "$new_time"
    expect_times "$work/game/zaptrail.ini" 900
    ;;
  copies)
    install_game "$work/game"
    printf '900\r\n900\r\n' >"$work/game/zaptrail.ini"
    launch "$work/game"
    first=$pid first_window=$window
    launch "$work/game"
    second=$pid second_window=$window
    clear_level "$first_window"
    quit_with_escape "$first_window" "$first"
    quit_with_escape "$second_window" "$second"
    expect_times "$work/game/zaptrail.ini" "$new_time 900"
    ;;
  *)
    fail "unknown scenario $scenario"
    ;;
esac
echo "records $scenario: ok"
