#!/usr/bin/env bash
# The zip a player downloads holds the game and exactly the files it opens from its folder,
# each as in assets/, and the executable in it starts on a bare Windows.
#   check_zip.sh ZIP ASSETS_DIR OBJDUMP FILE... (the files that lie beside the executable)
set -eu
zip=$(realpath "$1")
assets=$2
objdump=$3
shift 3
here=$(dirname "$0")
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip")

expected=$(printf '%s\n' "$@" zaptrail.exe | LC_ALL=C sort)
actual=$(cd "$unpacked" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  echo "the zip holds:"
  echo "$actual"
  echo "instead of:"
  echo "$expected"
  exit 1
fi
for file in "$@"; do
  cmp "$assets/$file" "$unpacked/$file"
done
"$here/check_imports.sh" "$objdump" "$unpacked/zaptrail.exe"
