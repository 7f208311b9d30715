#!/usr/bin/env bash
# Builds the Debian package, installs it with apt as a player would, plays it as an unprivileged
# user on a virtual display and checks that the best times went to that user's own data folder
# and that nothing was written under /usr; then purges the package and checks that none of its
# files is left. Installing needs root: without it, or without the packaging tools, the test is
# skipped (status 77).
# Usage: install_and_play.sh SOURCE_DIR
set -euo pipefail
source_dir=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
skip() { echo "skipped: $*"; exit 77; }
fail() { echo "package: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
for tool in cpack dpkg-shlibdeps lintian appstreamcli desktop-file-validate xvfb-run xdotool; do
  command -v "$tool" >/dev/null || skip "no $tool"
done

make -C "$source_dir" package
deb=$(echo "$source_dir"/build-release/zaptrail_*_amd64.deb)

scratch=$(mktemp -d)
chmod 755 "$scratch"
cleanup() {
  dpkg -s zaptrail >/dev/null 2>&1 && apt-get purge -y -qq zaptrail >/dev/null 2>&1
  rm -rf "$scratch"
}
trap cleanup EXIT
# One package install at a time on this machine, whoever runs the test.
exec 9>/tmp/zaptrail-package-test.lock
flock 9
apt_get() { apt-get -y -q -o DPkg::Lock::Timeout=300 "$@" >"$scratch/apt.log" 2>&1 ||
  { cat "$scratch/apt.log"; fail "apt-get $* failed"; }; }

apt_get install "$deb"
dpkg -L zaptrail >"$scratch/files"
[ -L /usr/games/zaptrail ] || fail "no /usr/games/zaptrail"
touch "$scratch/installed"

player=zaptrail-player
id "$player" >/dev/null 2>&1 || useradd --no-create-home --shell /usr/sbin/nologin "$player"
home="$scratch/home"
mkdir -m 700 "$home" "$home/run"
chown "$player:" "$home" "$home/run"
cp "$here/play_installed.sh" "$source_dir/tests/smoke/game_on_xvfb.sh" "$source_dir/scripts/on_xvfb.sh" \
  "$scratch/"
runuser -u "$player" -- env -i HOME="$home" XDG_RUNTIME_DIR="$home/run" \
  PATH=/usr/bin:/bin:/usr/games SDL_AUDIODRIVER=dummy "$scratch/play_installed.sh" ||
  fail "playing the installed game failed"

[ -f "$home/.local/share/zaptrail/zaptrail.ini" ] || fail "no records in the player's data folder"
written=$(find /usr -xdev -newer "$scratch/installed" -print)
[ -z "$written" ] || fail "the game wrote under /usr: $written"

apt_get purge zaptrail
# Folders such as /usr/share/man are shared with other packages; every file of ours must go.
while read -r path; do
  if [ -L "$path" ] || { [ -e "$path" ] && [ ! -d "$path" ]; }; then
    fail "$path is left after the purge"
  fi
done <"$scratch/files"
[ ! -e /usr/lib/zaptrail ] || fail "/usr/lib/zaptrail is left after the purge"
echo "installed, played as $player, records in its data folder, purged without a trace"
