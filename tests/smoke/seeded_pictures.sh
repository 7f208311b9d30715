# Sourced by the whole-program tests that start the game with --seed: the pictures the sim
# draws for that seed, and whether the game's window shows them. Needs ImageMagick and $work.
#   expect_seed_pictures SEED SIM...   the title, the first level's maze in each of the goal's
#                                      three frames (the status lines below it change every
#                                      tick, the maze only with the goal's frame), and the maze
#                                      once Right has cleared it (its texts hold the time)
#   shows_title WINDOW                 the play field is the title screen, pixel for pixel
#   shows_first_level WINDOW           the maze above the status lines is the sim's
#   start_first_level WINDOW           holds Space until the title screen has gone
#   clear_first_level WINDOW           holds Right until the first level is cleared
# The last two fail the test after ten seconds.
#   trail_keys TRAIL                   the keys of a trail file as the sim's replay lines
#   shows_picture WINDOW PICTURE       the play field is PICTURE, pixel for pixel

# The play field lies at the window's bottom left, under the menu bar.
play_field_of() {
  import -window "$1" "$work/window.png"
  convert "$work/window.png" -gravity SouthWest -crop 240x224+0+0 +repage "$2"
}

maze_of() {
  convert "$1" -crop 240x208+0+0 +repage "$2"
}

# The maze between the texts at the top and the status lines at the bottom.
maze_between_texts_of() {
  convert "$1" -crop 240x192+0+16 +repage "$2"
}

same_picture() {
  [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = "0" ]
}

expect_seed_pictures() {
  local seed=$1 tick
  shift
  "$@" play "$seed" 0 --snapshot "$work/expected-title.png" </dev/null >/dev/null
  # Space held: eight title ticks, the ninth starts the level, the tenth draws it.
  for tick in 10 11 12; do
    { printf 'F\n%.0s' $(seq 9); printf '\n%.0s' $(seq $((tick - 9))); } |
      "$@" play "$seed" 0 --snapshot "$work/expected-level.png" >/dev/null
    maze_of "$work/expected-level.png" "$work/expected-maze-$tick.png"
  done
  { printf 'F\n%.0s' $(seq 9); printf 'R\n%.0s' $(seq 40); } |
    "$@" play "$seed" 0 --snapshot "$work/expected-cleared.png" >/dev/null
  maze_between_texts_of "$work/expected-cleared.png" "$work/expected-cleared-maze.png"
}

shows_title() {
  play_field_of "$1" "$work/field.png"
  same_picture "$work/field.png" "$work/expected-title.png"
}

shows_first_level() {
  local tick
  play_field_of "$1" "$work/field.png"
  maze_of "$work/field.png" "$work/maze.png"
  for tick in 10 11 12; do
    same_picture "$work/maze.png" "$work/expected-maze-$tick.png" && return 0
  done
  return 1
}

shows_cleared_level() {
  play_field_of "$1" "$work/field.png"
  maze_between_texts_of "$work/field.png" "$work/maze.png"
  same_picture "$work/maze.png" "$work/expected-cleared-maze.png"
}

# One line per tick, the keys held in the sim's order or - for none. A tick a dialog halted did
# nothing, so it has no line.
trail_keys() {
  python3 - "$1" <<'PY'
import re, sys
letters = "URDLF"
for line in open(sys.argv[1]):
    if not line.startswith("keys "):
        continue
    for run in line.split()[1:]:
        count, keys = re.fullmatch(r"(\d*)(.*)", run).groups()
        if keys == "H":
            continue
        held = "".join(l for l in letters if l in keys)
        print("\n".join([held or "-"] * int(count or 1)))
PY
}

shows_picture() {
  play_field_of "$1" "$work/field.png"
  same_picture "$work/field.png" "$2"
}

# hold_until KEY WINDOW TEST WHAT: holds KEY in WINDOW until TEST WINDOW succeeds.
hold_until() {
  local key=$1 target=$2 check=$3 what=$4
  # Raised, as a second copy of the game may lie over it and the picture is taken off the screen.
  xdotool windowraise "$target" windowfocus --sync "$target"
  xdotool keydown "$key"
  for _ in $(seq 1 100); do
    "$check" "$target" && break
    sleep 0.1
  done
  xdotool keyup "$key"
  "$check" "$target" || { echo "FAIL: $key held for ten seconds: $what" >&2; exit 1; }
}

not_title() { ! shows_title "$1"; }

start_first_level() {
  hold_until space "$1" not_title "the title screen stays"
  shows_first_level "$1" || { echo "FAIL: the first maze is not the sim's" >&2; exit 1; }
}

clear_first_level() {
  hold_until Right "$1" shows_cleared_level "the first level is not cleared as in the sim"
}
