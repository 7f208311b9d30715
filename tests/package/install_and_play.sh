#!/usr/bin/env bash
# Installs the built Debian package with apt as a player would, plays it as an unprivileged user
# on a virtual display and checks that the best times went to that user's own data folder and
# that nothing was written under /usr; then purges the package and checks that none of its files
# is left. The machine is left as it was found: a zaptrail package installed before is put back
# as it was, and the player is removed again if this test created it. Installing needs root:
# without it the test is skipped (status 77).
# Usage: install_and_play.sh DEB SOURCE_DIR
set -euo pipefail
deb=$(realpath "$1")
source_dir=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
skip() { echo "skipped: $*"; exit 77; }
fail() { echo "package: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
for tool in dpkg-repack Xvfb xdotool runuser; do
  command -v "$tool" >/dev/null || fail "no $tool (scripts/install-deps.sh package)"
done

scratch=$(mktemp -d)
chmod 755 "$scratch"
player=zaptrail-player
created_player=false
earlier=""
earlier_auto=false
apt_get() { apt-get -y -q -o DPkg::Lock::Timeout=300 "$@" >"$scratch/apt.log" 2>&1 ||
  { cat "$scratch/apt.log"; fail "apt-get $* failed"; }; }
cleanup() {
  status=$?
  trap - EXIT
  if [ -e "$scratch/ours" ]; then
    apt-get purge -y -qq zaptrail >/dev/null 2>&1 || true
  fi
  if [ -n "$earlier" ]; then
    apt-get install -y -qq --allow-downgrades "$scratch/earlier/"*.deb >/dev/null 2>&1 ||
      { echo "package: could not put back $earlier" >&2; status=1; }
    $earlier_auto && apt-mark auto zaptrail >/dev/null
    [ "$(dpkg-query -W -f='${Version}' zaptrail 2>/dev/null)" = "${earlier#* }" ] ||
      { echo "package: $earlier is not back" >&2; status=1; }
  fi
  if $created_player; then
    userdel "$player" || { echo "package: could not remove $player" >&2; status=1; }
  fi
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT
# One package install at a time on this machine, whoever runs the test.
exec 9>/tmp/zaptrail-package-test.lock
flock 9

# A zaptrail package already installed (a player's, or an older version) is kept as a package
# file, rebuilt from what dpkg holds, to be installed again at the end.
if dpkg-query -W -f='${Status}' zaptrail 2>/dev/null | grep -q 'install ok installed'; then
  earlier="zaptrail $(dpkg-query -W -f='${Version}' zaptrail)"
  apt-mark showauto | grep -qx zaptrail && earlier_auto=true
  mkdir "$scratch/earlier"
  if ! (cd "$scratch/earlier" && dpkg-repack zaptrail >"$scratch/repack.log" 2>&1); then
    cat "$scratch/repack.log"
    earlier=""
    fail "could not keep the installed package"
  fi
  echo "keeping the installed $earlier to put back"
fi

touch "$scratch/ours"
apt_get install --allow-downgrades "$deb"
touch "$scratch/installed"
dpkg -L zaptrail >"$scratch/files"
[ -L /usr/games/zaptrail ] || fail "no /usr/games/zaptrail"

if ! id "$player" >/dev/null 2>&1; then
  useradd --no-create-home --shell /usr/sbin/nologin "$player"
  created_player=true
fi
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
rm "$scratch/ours"
# Folders such as /usr/share/man are shared with other packages; every file of ours must go.
while read -r path; do
  if [ -L "$path" ] || { [ -e "$path" ] && [ ! -d "$path" ]; }; then
    fail "$path is left after the purge"
  fi
done <"$scratch/files"
[ ! -e /usr/lib/zaptrail ] || fail "/usr/lib/zaptrail is left after the purge"
echo "installed, played as $player, records in its data folder, purged without a trace"
