#!/usr/bin/env bash
# The zip a player downloads holds one folder, zaptrail-<version>/, with the game, exactly the
# files it opens from its folder (each as in assets/), the read-me, our licence and the
# third-party notices with Windows line ends; the executable in it is stripped, hardened, says
# its version on its Properties page and starts on a bare Windows.
#   check_zip.sh ZIP ASSETS_DIR OBJDUMP WINDRES VERSION FILE... (the files that lie beside the
#   executable)
set -eu
zip=$(realpath "$1")
assets=$2
objdump=$3
windres=$4
version=$5
folder=zaptrail-$version
shift 5
here=$(dirname "$0")
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
fail() { echo "$zip: $*"; exit 1; }
(cd "$unpacked" && cmake -E tar xf "$zip")

texts="LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt"
expected=$(printf "$folder/%s\n" "" "$@" $texts zaptrail.exe | sed 's|/$||' | LC_ALL=C sort)
actual=$(cd "$unpacked" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  echo "the zip holds:"
  echo "$actual"
  echo "instead of:"
  echo "$expected"
  exit 1
fi
game=$unpacked/$folder
for file in "$@"; do
  cmp "$assets/$file" "$game/$file"
done

# Every line ends in CR LF: no bare LF, and no CR without its LF.
for text in $texts; do
  [ -s "$game/$text" ] || fail "$text is empty"
  lines=$(tr -cd '\n' <"$game/$text" | wc -c)
  crlfs=$(grep -c $'\r$' "$game/$text" || true)
  carriage_returns=$(tr -cd '\r' <"$game/$text" | wc -c)
  [ "$lines" -eq "$crlfs" ] && [ "$carriage_returns" -eq "$lines" ] ||
    fail "$text: $lines lines, $crlfs ending in CR LF, $carriage_returns CRs"
done
grep -q "MIT License" "$game/LICENSE.txt" || fail "LICENSE.txt is not the MIT licence"
for notice in "GCC RUNTIME LIBRARY EXCEPTION" "winpthreads" "GNU GENERAL PUBLIC LICENSE"; do
  grep -q "$notice" "$game/THIRD-PARTY-NOTICES.txt" || fail "no \"$notice\" in the notices"
done

headers=$("$objdump" -h -p "$game/zaptrail.exe")
! grep -q '\.debug_' <<<"$headers" || fail "zaptrail.exe still has debugging sections"
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
  grep -qx "\s*$flag" <<<"$headers" || fail "zaptrail.exe lacks $flag"
done
grep -q '^Time/Date\s*Thu Jan  1 00:00:00 1970$' <<<"$headers" ||
  fail "zaptrail.exe carries a link time: $(grep '^Time/Date' <<<"$headers")"
resources=$("$windres" -J coff -i "$game/zaptrail.exe" -O rc)
for value in '"ProductName", "zap trail"' "\"ProductVersion\", \"$version\"" \
             '"OriginalFilename", "zaptrail.exe"' 'The zap trail developers (MIT licence)'; do
  grep -qF "$value" <<<"$resources" || fail "zaptrail.exe's version resource lacks $value"
done
# The program icon: 16 colours at 32 and 16 pixels, true colour at 48 and 256 (a side of 256 is
# written as 0), as "width height bits" of each image.
icons=$(sed -n '/"MAINICON" 14/,/^END/p' <<<"$resources" |
  sed -n 's/^ *"\\\([0-7]*\)\\\([0-7]*\)\\[0-7]*\\[0-7]*", *[0-9]*, *\([0-9]*\),.*/\1 \2 \3/p' |
  while read -r width height bits; do echo "$((8#$width)) $((8#$height)) $bits"; done |
  LC_ALL=C sort | tr '\n' ';')
[ "$icons" = "0 0 32;16 16 4;32 32 4;48 48 32;" ] || fail "the program icon's images are $icons"
"$here/check_imports.sh" "$objdump" "$game/zaptrail.exe"
