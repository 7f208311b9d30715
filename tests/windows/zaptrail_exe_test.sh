#!/usr/bin/env bash
# The Windows game as a player meets it, under Wine on a virtual display with a window manager:
# the main window and its play field, the settings dialog and its error box, the about box, a
# missing help page, keys meant for a menu or for another program, play, and Escape's save of the
# records file; a game kept as a trail, proved by the sim and watched; then logging off with the
# records saved and with a save that fails (Windows must not be kept waiting), and the question
# after a failed save of the player's own.
#   zaptrail_exe_test.sh WINE_RUN PREFIX ZIP SIM_EXE END_SESSION_EXE [SHOTS_FOLDER]
# ZIP is the game as a player downloads it, started with --seed; SIM_EXE draws the pictures that
# seed must give, the title screen and the first maze;
# END_SESSION_EXE sends the game the messages of logging off.
# Screenshots of the windows are left in SHOTS_FOLDER (default: a scratch folder).
set -euo pipefail
source "$(dirname "$0")/../../scripts/on_xvfb.sh"
source "$(dirname "$0")/../smoke/seeded_pictures.sh"
run_on_xvfb "$@"
wine_run=$(realpath "$1")
prefix=$(realpath -m "$2")
zip=$(realpath "$3")
sim=$(realpath "$4")
end_session=$(realpath "$5")

work=$(mktemp -d)
shots=${6:-$work/shots}
mkdir -p "$shots"
pid=""
blocker=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "$blocker" ] && rm -f "$blocker"
  # No Wine process of the prefix outlives this display.
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  [ -n "${manager:-}" ] && kill "$manager" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# On standard error, so that a failure inside $(...) is told too.
fail() {
  echo "FAIL: $*" >&2
  import -window root "$shots/failure.png" 2>/dev/null || true
  exit 1
}

# openbox's log and the sound system's client settings go to scratch folders, not the user's.
export XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config"
# No key bindings of its own, so that Alt+Space reaches the game's system menu.
printf '<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard/></openbox_config>\n' \
  >"$work/openbox.xml"
openbox --sm-disable --config-file "$work/openbox.xml" >/dev/null 2>&1 &
manager=$!
for _ in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

# The first start may have to make the Wine prefix, which takes a while on a busy machine.
wait_for_window() {
  local name=$1 tenths=${2:-300} found=""
  for _ in $(seq 1 "$tenths"); do
    kill -0 "$pid" 2>/dev/null || fail "the game ended while waiting for '$name'"
    found=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -1 || true)
    [ -n "$found" ] && { echo "$found"; return; }
    sleep 0.1
  done
  fail "no window '$name'"
}

wait_until_gone() {
  local name=$1
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "^$name\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "'$name' is still open"
}

# Managed by the window manager, a dialog's X window is its client area.

# Real key presses to the window that has the focus, as a player's would be.
hold() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

focus() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  sleep 0.3
}

# A window's caption and client size, as the X window that Wine makes for it has them.
expect_window() {
  local window=$1 caption=$2 width=$3 height=$4
  [ "$(xdotool getwindowname "$window")" = "$caption" ] ||
    fail "caption '$(xdotool getwindowname "$window")', not '$caption'"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" -eq "$width" ] && [ "$HEIGHT" -eq "$height" ] ||
    fail "'$caption' is $WIDTH x $HEIGHT, not $width x $height"
}

# start_game_as CAPTION ARGUMENTS...: the game, once its main window shows with CAPTION.
start_game_as() {
  local caption=$1
  shift
  "$wine_run" "$prefix" "$game/zaptrail.exe" "$@" 2>"$work/wine.log" &
  pid=$!
  window=$(wait_for_window "$caption" 1200)
}

start_game() {
  start_game_as "zap trail" --seed "$seed"
}

# Waits for the game to end on its own and checks its exit status.
expect_end() {
  local expected=$1 status=0
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the game is still running"
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq "$expected" ] || fail "exit status $status, not $expected"
}

# Wine's drive Z: is the root of the file system.
windows_path() {
  printf 'Z:%s' "${1//\//\\}"
}

records_bytes() {
  od -An -c "$game/zaptrail.ini" | tr -s ' '
}

# The pictures the seed gives, from the engine run by the replay driver.
cd "$work"
seed=52
expect_seed_pictures "$seed" "$wine_run" "$prefix" "$sim"

# Unzipped as a player does: one folder, zaptrail-<version>, with the game in it.
mkdir -p "$work/download"
(cd "$work/download" && cmake -E tar xf "$zip")
game=$(echo "$work"/download/zaptrail-*)
# F1 must then say that the help cannot be opened.
rm "$game/zaptrail-help.html"
# Lines with bare LF: read like CR LF, written back with CR LF. Times no run can beat, as the play
# below may clear a level.
printf '0\n0\n' >"$game/zaptrail.ini"
start_game
wait_for_window "ｺﾝﾊﾟｽ" >/dev/null
sleep 1

# Managed by the window manager, the X window is the client area with the menu bar above it.
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 240 ] || fail "client width $WIDTH, not 240"
import -window "$window" "$shots/main-window.png"
shows_title "$window" || fail "the play field differs from the sim's title screen"
[ "$HEIGHT" -gt 224 ] || fail "no menu bar above the 224 rows of the play field"
import -window root "$shots/title.png"

# Alt+Space opens the system menu with Space still down: that Space is the menu's, and the title
# screen stays.
focus "$window"
xdotool keydown alt keydown space
sleep 0.5
import -window root "$shots/system-menu.png"
xdotool keyup space keyup alt
xdotool mousemove --window "$window" 200 200 click 1
sleep 0.5
shows_title "$window" || fail "Space held in the system menu started a level"

# Alt+Enter: the settings dialog. A period that is no number gets the error box; once it is
# dismissed the main window has the keys again, so Alt+Enter reopens the dialog at once.
focus "$window"
xdotool key alt+Return
settings=$(wait_for_window "ﾌﾟﾛﾊﾟﾃｨ")
sleep 0.5
expect_window "$settings" "ﾌﾟﾛﾊﾟﾃｨ" 201 86
import -window root "$shots/settings.png"
focus "$settings"
xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type "abc"
xdotool key Tab Tab space
wait_for_window "Zaptrail" >/dev/null
import -window root "$shots/error-box.png"
xdotool key Return
wait_until_gone "Zaptrail"
[ "$(xdotool getactivewindow)" = "$window" ] || fail "the error box left the main window inactive"
xdotool key alt+Return
settings=$(wait_for_window "ﾌﾟﾛﾊﾟﾃｨ" 50)
# Tab, Tab and Space press OK, which keeps the period typed.
focus "$settings"
xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type "32"
xdotool key Tab Tab space
wait_until_gone "ﾌﾟﾛﾊﾟﾃｨ"

# F1 without the help page beside the game: the error box names it.
focus "$window"
xdotool key F1
wait_for_window "Zaptrail" >/dev/null
import -window root "$shots/no-help.png"
xdotool key Return
wait_until_gone "Zaptrail"

# Escape held in another program is that program's: the game goes on.
"$wine_run" "$prefix" notepad >/dev/null 2>&1 &
notepad=$(wait_for_window ".*Notepad")
focus "$notepad"
hold Escape 1
kill -0 "$pid" 2>/dev/null || fail "Escape held in Notepad closed the game"
xdotool key alt+F4
wait_until_gone ".*Notepad"

# The about box from the Help menu, closed with its OK button.
focus "$window"
xdotool key alt+h
sleep 0.3
xdotool key a
about=$(wait_for_window "ﾊﾞｰｼﾞｮﾝ表示")
sleep 0.5
expect_window "$about" "ﾊﾞｰｼﾞｮﾝ表示" 212 157
import -window root "$shots/about.png"
focus "$about"
xdotool key Return
wait_until_gone "ﾊﾞｰｼﾞｮﾝ表示"

# Play a little, then hold Escape: the game saves and ends with status 0.
focus "$window"
# Space on the title screen starts the level, whose maze is the sim's for the seed.
start_first_level "$window"
hold Right 0.5
hold Down 0.5
import -window root "$shots/playing.png"
hold Escape 0.5
expect_end 0
[ "$(records_bytes)" = " 0 \r \n 0 \r \n" ] ||
  fail "zaptrail.ini is not the two records with CR LF: $(od -c "$game/zaptrail.ini")"

# A game from start-up kept as a trail in the player's data folder: the sim proves it with the
# times the records file holds, watching it shows the sim's last frame under the replay caption,
# and the files stay as they were. A trail whose claimed time was changed is refused with --watch
# before anything plays.
local_app_data=$("$wine_run" "$prefix" cmd /c 'echo %LOCALAPPDATA%' </dev/null | tr -d '\r')
kept="$(WINEPREFIX=$prefix winepath -u "$local_app_data")/zaptrail"
rm "$game/zaptrail.ini"
start_game
start_first_level "$window"
clear_first_level "$window"
hold Escape 0.5
expect_end 0
trail="$kept/trails/last.zaptrail"
[ -f "$trail" ] || fail "no trail kept in $kept/trails"
trail_on_windows=$(windows_path "$trail")
"$wine_run" "$prefix" "$sim" verify "$trail_on_windows" >"$work/proof.txt" ||
  fail "the kept trail does not verify: $(cat "$work/proof.txt")"
proved=$(sed -n 's/^level [0-9]* time //p' "$work/proof.txt" | tr -d '\r')
recorded=$(tr -d '\r' <"$game/zaptrail.ini")
[ -n "$proved" ] && [ "$proved" = "$recorded" ] ||
  fail "proved times '$proved', the records file holds '$recorded'"
trail_keys "$trail" | "$wine_run" "$prefix" "$sim" play "$seed" 0 --snapshot last-frame.png >/dev/null
files_before=$(md5sum "$game/zaptrail.ini" "$kept/trails/"*)
# Given alone, as a file dropped on the game is.
start_game_as "zap trail - replay" "$trail_on_windows"
for _ in $(seq 1 300); do
  shows_picture "$window" last-frame.png && break
  sleep 0.1
done
shows_picture "$window" last-frame.png || fail "watching never showed the sim's last frame"
import -window root "$shots/watching.png"
focus "$window"
hold Escape 0.5
expect_end 0
[ "$(md5sum "$game/zaptrail.ini" "$kept/trails/"*)" = "$files_before" ] ||
  fail "watching changed the records or a kept trail"
sed 's/^cleared 0 /cleared 0 1/' "$trail" >"$work/tampered.zaptrail"
"$wine_run" "$prefix" "$game/zaptrail.exe" --watch "$(windows_path "$work/tampered.zaptrail")" &
pid=$!
box=$(wait_for_window "Zaptrail" 1200)
xdotool search --onlyvisible --name '^zap trail' >/dev/null 2>&1 &&
  fail "a tampered trail opened the game's window"
import -window root "$shots/tampered-trail.png"
focus "$box"
xdotool key Return
expect_end 2

# Logging off: the game agrees at once, saves when the session ends, and ends with status 0.
printf '30\n' >"$game/zaptrail.ini"
start_game
"$wine_run" "$prefix" "$end_session" || fail "logging off: end_session said $?"
expect_end 0
[ "$(records_bytes)" = " 3 0 \r \n" ] ||
  fail "logging off did not save: $(od -c "$game/zaptrail.ini")"

# Logging off with nowhere to save (a folder in the way here, a file where the player's folder
# would be made): no dialog keeps Windows waiting, standard error says why, and the status is 1.
rm "$game/zaptrail.ini"
mkdir "$game/zaptrail.ini"
blocker=$kept
# The games above kept their trails there; the prefix is this test's own.
rm -rf "$blocker"
touch "$blocker"
start_game
status=0
"$wine_run" "$prefix" "$end_session" || status=$?
[ "$status" -eq 0 ] || fail "logging off with a failed save: end_session said $status"
expect_end 1
grep -q "best times not saved" "$work/wine.log" || fail "no word on standard error: $(cat "$work/wine.log")"

# The player's own close with neither place taking the file: the question, whose OK keeps the
# game, and whose second button quits without saving.
start_game
# Held for less than the key repeat's delay, so that no repeat reaches the question.
focus "$window"
hold Escape 0.3
question=$(wait_for_window "Zaptrail")
sleep 0.5
import -window root "$shots/failed-save.png"
focus "$question"
xdotool key Return
wait_until_gone "Zaptrail"
# OK keeps the game: holding Escape again asks again.
kill -0 "$pid" 2>/dev/null || fail "OK on the failed-save question ended the game"
focus "$window"
hold Escape 0.3
question=$(wait_for_window "Zaptrail")
focus "$question"
xdotool key alt+q
expect_end 0
[ -d "$game/zaptrail.ini" ] || fail "the folder in the way was replaced"
rm -f "$blocker"
blocker=""
echo "ok"
