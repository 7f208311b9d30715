#!/usr/bin/env bash
# Checks a built package with Debian's own tools: its menu entry and its AppStream metadata
# validate, and lintian finds no error (its warnings are printed; the README says why each one
# stays).
# Usage: check_package.sh DEB
set -euo pipefail
deb=$1
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/zaptrail.desktop"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml
lintian --fail-on error "$deb"
echo "$deb checked"
