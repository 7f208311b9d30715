# Sourced by the whole-program tests that start the game with --seed: the pictures the sim
# draws for that seed, and whether the game's window shows them. Needs ImageMagick and $work.
#   expect_seed_pictures SEED SIM...   the title, and the first level's maze in each of the
#                                      goal's three frames (the status lines below it change
#                                      every tick, the maze only with the goal's frame)
#   shows_title WINDOW                 the play field is the title screen, pixel for pixel
#   shows_first_level WINDOW           the maze above the status lines is the sim's

# The play field lies at the window's bottom left, under the menu bar.
play_field_of() {
  import -window "$1" "$work/window.png"
  convert "$work/window.png" -gravity SouthWest -crop 240x224+0+0 +repage "$2"
}

maze_of() {
  convert "$1" -crop 240x208+0+0 +repage "$2"
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
