#!/usr/bin/env bash
# The zaptrail-board package from a release build folder: the server, its systemd unit
# (a dynamic user, its state under /var/lib/zaptrail-board), its options file, manual page,
# copyright and changelog. Modes and owners as Debian wants them; dependencies from the binary.
#   make_deb.sh BUILD
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
version=$(sed -n 's/^project(zaptrail VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
release=$(sed -n 's/^set(ZAPTRAIL_RELEASE_DATE \(.*\))/\1/p' "$source_dir/CMakeLists.txt")
stage=$build/zaptrail-board-package
rm -rf "$stage"
umask 022
install -d "$stage/DEBIAN" "$stage/usr/bin" "$stage/lib/systemd/system" "$stage/etc/default" \
  "$stage/usr/share/doc/zaptrail-board" "$stage/usr/share/man/man8"
install -m 755 -s "$build/zaptrail-board" "$stage/usr/bin/zaptrail-board"
install -m 644 "$here/zaptrail-board.service" "$stage/lib/systemd/system/"
install -m 644 "$here/zaptrail-board.default" "$stage/etc/default/zaptrail-board"
install -m 644 "$source_dir/packaging/copyright" "$stage/usr/share/doc/zaptrail-board/copyright"
gzip -9n <"$here/zaptrail-board.8" >"$stage/usr/share/man/man8/zaptrail-board.8.gz"
{
  echo "zaptrail-board ($version) unstable; urgency=medium"
  echo
  echo "  * The trail board: daily trails ranked after re-simulation."
  echo
  echo " -- zap trail maintainers <zaptrail@lumlum.example>  $(date -R -u -d "$release")"
} | gzip -9n >"$stage/usr/share/doc/zaptrail-board/changelog.gz"
echo /etc/default/zaptrail-board >"$stage/DEBIAN/conffiles"
chmod 644 "$stage/DEBIAN/conffiles"

# The service is enabled and started as Debian's helpers would do it.
cat >"$stage/DEBIAN/postinst" <<'SCRIPT'
#!/bin/sh
set -e
if [ "$1" = configure ] && [ -d /run/systemd/system ]; then
  systemctl daemon-reload >/dev/null || true
  deb-systemd-helper enable zaptrail-board.service >/dev/null || true
  deb-systemd-invoke restart zaptrail-board.service >/dev/null || true
fi
SCRIPT
cat >"$stage/DEBIAN/prerm" <<'SCRIPT'
#!/bin/sh
set -e
if [ -d /run/systemd/system ]; then
  deb-systemd-invoke stop zaptrail-board.service >/dev/null || true
fi
SCRIPT
cat >"$stage/DEBIAN/postrm" <<'SCRIPT'
#!/bin/sh
set -e
if [ -d /run/systemd/system ]; then
  systemctl daemon-reload >/dev/null || true
fi
if [ "$1" = purge ] && command -v deb-systemd-helper >/dev/null; then
  deb-systemd-helper purge zaptrail-board.service >/dev/null || true
fi
SCRIPT
chmod 755 "$stage/DEBIAN/postinst" "$stage/DEBIAN/prerm" "$stage/DEBIAN/postrm"

# dpkg-shlibdeps reads debian/control from the folder it runs in.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/debian"
printf 'Source: zaptrail\n\nPackage: zaptrail-board\nArchitecture: amd64\n' >"$work/debian/control"
depends=$(cd "$work" && dpkg-shlibdeps -O "$stage/usr/bin/zaptrail-board" 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')
size=$(du -sk --exclude=DEBIAN "$stage" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@SIZE@/$size/" -e "s/@DEPENDS@/$depends/" \
  "$here/control.in" >"$stage/DEBIAN/control"
find "$stage" -exec touch -h -d "$release" {} +
rm -f "$build"/zaptrail-board_*_amd64.deb
dpkg-deb --root-owner-group --build "$stage" "$build/zaptrail-board_${version}_amd64.deb" >/dev/null
echo "$build/zaptrail-board_${version}_amd64.deb"
