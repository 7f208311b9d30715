#!/usr/bin/env bash
# Installs the built game into scratch prefixes and checks that it lands as one folder of its
# own with everything it opens beside the executable, a valid desktop menu entry that starts it,
# and the icon in both sizes; and that a prefix the entry could not name is refused up front.
# Usage: check_install.sh BUILD_DIR FILE... (the files that lie beside the executable)
set -euo pipefail
build=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "install: $*" >&2; exit 1; }

prefix="$scratch/home with space/.local"
cmake --install "$build" --prefix "$prefix" >/dev/null
game="$prefix/lib/zaptrail"
[ -x "$game/zaptrail" ] || fail "no executable in $game"
for file in "$@"; do
  [ -f "$game/$file" ] || fail "$file is not beside the executable"
done

entry="$prefix/share/applications/zaptrail.desktop"
[ -f "$entry" ] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
grep -qxF "Exec=\"$game/zaptrail\" %f" "$entry" || fail "the entry does not start $game/zaptrail"
grep -qxF "Exec=\"$game/zaptrail\" --daily" "$entry" || fail "the entry has no daily trail"
mime="$prefix/share/mime/packages/zaptrail.xml"
grep -qF '<glob pattern="*.zaptrail"/>' "$mime" || fail "no trail file type"
grep -qxF "Icon=zaptrail" "$entry" || fail "the entry names no icon"

for size in 16 32; do
  icon="$prefix/share/icons/hicolor/${size}x$size/apps/zaptrail.png"
  [ -f "$icon" ] || fail "no $size-pixel icon"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "$icon is not $size pixels"
done

bad="$scratch/cost\$s"
if cmake --install "$build" --prefix "$bad" >"$scratch/refused.txt" 2>&1; then
  fail "a prefix with a dollar sign was accepted"
fi
grep -q "choose another prefix" "$scratch/refused.txt" || fail "the refusal does not say why"
[ ! -e "$bad" ] || fail "files were copied before the prefix was refused"
echo "installed and checked under $prefix"
