#!/usr/bin/env bash
# The Windows game as a player meets it, under Wine on a virtual display with a window manager:
# the main window and its play field, the settings dialog and its error box, the about box, a
# missing help page, keys meant for a menu or for another program, play, and Escape's save of
# the records file.
#   zaptrail_exe_test.sh WINE_RUN PREFIX ZIP SIM_EXE [SHOTS_FOLDER]
# ZIP is the game as a player downloads it; SIM_EXE renders the expected title screen.
# Screenshots of the windows are left in SHOTS_FOLDER (default: a scratch folder).
set -euo pipefail
if [ -z "${ZAPTRAIL_ON_XVFB:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" env ZAPTRAIL_ON_XVFB=1 "$0" "$@"
fi
wine_run=$(realpath "$1")
prefix=$(realpath -m "$2")
zip=$(realpath "$3")
sim=$(realpath "$4")

work=$(mktemp -d)
shots=${5:-$work/shots}
mkdir -p "$shots"
pid=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "${manager:-}" ] && kill "$manager" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  import -window root "$shots/failure.png" 2>/dev/null || true
  exit 1
}

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

# The expected title screen, from the engine run by the replay driver.
cd "$work"
"$wine_run" "$prefix" "$sim" play 1 0 --snapshot title.png </dev/null >/dev/null

mkdir -p "$work/game"
(cd "$work/game" && cmake -E tar xf "$zip")
# F1 must then say that the help cannot be opened.
rm "$work/game/zaptrail-help.html"
# Lines with bare LF: read like CR LF, written back with CR LF.
printf '41\n57\n' >"$work/game/zaptrail.ini"
"$wine_run" "$prefix" "$work/game/zaptrail.exe" 2>"$work/wine.log" &
pid=$!

window=$(wait_for_window "zap trail" 1200)
wait_for_window "ｺﾝﾊﾟｽ" >/dev/null
sleep 1

# Managed by the window manager, the X window is the client area with the menu bar above it.
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" -eq 240 ] || fail "client width $WIDTH, not 240"
import -window "$window" "$shots/main-window.png"
convert "$shots/main-window.png" -gravity SouthWest -crop 240x224+0+0 +repage "$work/field.png"
differing=$(compare -metric AE "$work/field.png" "$work/title.png" null: 2>&1 || true)
[ "$differing" = "0" ] || fail "the play field differs from the title screen in $differing pixels"
[ "$HEIGHT" -gt 224 ] || fail "no menu bar above the 224 rows of the play field"
import -window root "$shots/title.png"

same_as_title() {
  import -window "$window" "$work/now.png"
  convert "$work/now.png" -gravity SouthWest -crop 240x224+0+0 +repage "$work/field-now.png"
  [ "$(compare -metric AE "$work/field-now.png" "$work/title.png" null: 2>&1 || true)" = "0" ]
}

# Alt+Space opens the system menu with Space still down: that Space is the menu's, and the title
# screen stays.
focus "$window"
xdotool keydown alt keydown space
sleep 0.5
import -window root "$shots/system-menu.png"
xdotool keyup space keyup alt
xdotool mousemove --window "$window" 200 200 click 1
sleep 0.5
same_as_title || fail "Space held in the system menu started a level"

# Alt+Enter: the settings dialog. A period that is no number gets the error box; once it is
# dismissed the main window has the keys again, so Alt+Enter reopens the dialog at once.
focus "$window"
xdotool key alt+Return
settings=$(wait_for_window "ﾌﾟﾛﾊﾟﾃｨ")
sleep 0.5
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
import -window root "$shots/about.png"
focus "$about"
xdotool key Return
wait_until_gone "ﾊﾞｰｼﾞｮﾝ表示"

# Play a little, then hold Escape: the game saves and ends with status 0.
focus "$window"
hold space 0.5
hold Right 0.5
hold Down 0.5
import -window root "$shots/playing.png"
hold Escape 0.5
status=0
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$(od -An -c "$work/game/zaptrail.ini" | tr -s ' ')" = " 4 1 \r \n 5 7 \r \n" ] ||
  fail "zaptrail.ini is not the two records with CR LF: $(od -c "$work/game/zaptrail.ini")"
echo "ok"
