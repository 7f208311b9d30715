#!/usr/bin/env bash
# Checks a built package with Debian's own tools: its menu entry and its AppStream metadata
# validate, lintian finds neither an error nor a warning (its notes are printed;
# docs/packaging.md says why each one stays), and the game's binary has every hardening
# feature hardening-check knows.
# Usage: check_package.sh DEB
set -euo pipefail
deb=$1
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/zaptrail.desktop"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
lintian --fail-on error,warning --display-info "$deb"
# The linker marks a program as protected against control-flow attacks only when every object
# in it is, the C library's start-up files included; Debian 12's are not, so none of its
# programs can carry the mark and the check waits for a C library that has it.
unmarked=()
readelf -n "$(gcc -print-file-name=Scrt1.o)" | grep -q 'IBT, SHSTK' || unmarked=(--nocfprotection)
hardening-check "${unmarked[@]}" "$unpacked/usr/lib/zaptrail/zaptrail"
echo "$deb checked"
