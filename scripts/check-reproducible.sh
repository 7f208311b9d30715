#!/usr/bin/env bash
# Builds the Debian package, the Windows zip and the page's zip twice from this checkout and
# compares them byte for byte. Each build gets its own copy of the source (the files git knows,
# as they are now) in a folder of a different name, and runs later than the other with another
# time zone and umask, so a path, a clock, a zone or a permission that leaks into the result
# shows up as a difference. On a difference it names the first file that differs and keeps both
# builds. The scratch folders lie under $TMPDIR (default /tmp).
# Usage: check-reproducible.sh [JOBS]
set -euo pipefail
jobs=${1:-$(nproc)}
root=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel) ||
  { echo "reproducible: needs a git checkout" >&2; exit 1; }
# Both builds take the last commit's time; the copies are no checkouts to read it from.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zaptrail-reproducible.XXXXXX")
keep=0
trap '[ $keep -eq 1 ] || rm -rf "$scratch"' EXIT

artifacts=(build-release/zaptrail_*_amd64.deb build-windows/zaptrail.exe
           build-windows/zaptrail-windows-x64.zip build-web/zaptrail-web.zip)

build() { # FOLDER TZ UMASK
  local source=$scratch/$1
  mkdir -p "$source"
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
     while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
     tar --null -T - -cf -) | tar -xf - -C "$source"
  echo "reproducible: building in $source"
  (umask "$3" && cd "$source" &&
   TZ=$2 SOURCE_DATE_EPOCH=$epoch make --no-print-directory deb windows-zip web JOBS="$jobs") \
    >"$scratch/$1.log" 2>&1 || {
    keep=1
    tail -30 "$scratch/$1.log"
    echo "reproducible: the build in $source failed; its log is $scratch/$1.log" >&2
    exit 1
  }
}

# The first file two unpacked trees differ in, else the listings (order, times, owners,
# permissions) of the two archives.
first_difference() { # ARCHIVE_A ARCHIVE_B
  local a=$scratch/unpacked-a b=$scratch/unpacked-b
  rm -rf "$a" "$b" && mkdir -p "$a" "$b"
  case $1 in
    *.deb)
      dpkg-deb -R "$1" "$a" && dpkg-deb -R "$2" "$b"
      list() { dpkg-deb -c "$1"; dpkg-deb -I "$1"; } ;;
    *.zip)
      (cd "$a" && unzip -q "$1") && (cd "$b" && unzip -q "$2")
      list() { zipinfo -v "$1"; } ;;
    *)
      echo "    $(cmp "$1" "$2" || true)"; return ;;
  esac
  local differing
  differing=$(diff -rq "$a" "$b" | head -1 || true)
  if [ -n "$differing" ]; then
    echo "    first differing file: $differing" | sed "s|$scratch/unpacked-[ab]/||g"
  else
    echo "    the files inside are the same; the archives' listings differ:"
    diff <(list "$1") <(list "$2") | head -10 | sed 's/^/    /' || true
  fi
}

build first Etc/UTC 022
build second-folder Asia/Tokyo 002

differ=0
for pattern in "${artifacts[@]}"; do
  a=$(echo "$scratch"/first/$pattern)
  b=$(echo "$scratch"/second-folder/$pattern)
  if cmp -s "$a" "$b"; then
    echo "reproducible: ${pattern##*/} is the same byte for byte ($(sha256sum <"$a" | cut -c1-16))"
  else
    echo "reproducible: ${a##*/} differs between the two builds"
    first_difference "$a" "$b"
    differ=1
  fi
done
if [ $differ -eq 1 ]; then
  keep=1
  echo "reproducible: both builds kept in $scratch (diffoscope explains a difference)" >&2
  exit 1
fi
