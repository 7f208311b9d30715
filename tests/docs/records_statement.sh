#!/usr/bin/env bash
# The player's guide (docs/playing.md), the help and the manual page state where the best times
# live and which endings save them in the same words: each sentence below appears in all three,
# whatever their markup.
#   records_statement.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
statements=(
  "A copy of the game that can write into its own folder keeps its best times in the zaptrail.ini there; only a copy that cannot, or whose zaptrail.ini there is read-only, keeps them in the player's own file."
  "At every start the game also reads the other of the two files when it exists and keeps the lower time of each level, so no best time a save wrote there is hidden."
  "The best times are saved whenever the game ends: by Quit, the close box, a held Escape, the about box's angry ending, SIGTERM, SIGINT or SIGHUP, a lost display, or on Windows logging off or shutting down."
  "Only a game killed outright or crashed loses the times of its run."
)
status=0
for document in docs/playing.md assets/zaptrail-help.html packaging/zaptrail.6.in; do
  # Markup off, every run of blanks and line breaks one space.
  text=$(sed -e 's/<[^>]*>//g' -e 's/`//g' "$source_dir/$document" | tr -s ' \n' '  ')
  for statement in "${statements[@]}"; do
    if [[ "$text" != *"$statement"* ]]; then
      echo "$document does not say: $statement"
      status=1
    fi
  done
done
exit $status
