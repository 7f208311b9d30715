#!/usr/bin/env bash
# Installs the Debian packages one job needs, and only those:
#   install-deps.sh SET...        install what is missing of each SET
#   install-deps.sh --list SET... print the packages of each SET, one a line, installing nothing
# Idempotent: prints nothing and changes nothing when everything is present.
set -euo pipefail

sets=(run test windows web package sanitize fuzz bench measure format)

# The sets, each a list of Debian packages. `run` is what building and playing the game needs;
# every other set is `run` or the compiler plus the tools of one kind of check.
packages_of() {
  local compiler=(build-essential cmake pkg-config)
  # zaptrail-sim's verify prints JSON: nlohmann-json3-dev, header-only, serves every build of it.
  local game=("${compiler[@]}" qt6-base-dev qt6-base-dev-tools libgl-dev zlib1g-dev
    nlohmann-json3-dev libfontconfig-dev libsdl2-dev fonts-ipafont-gothic fonts-dejavu-core)
  local display=(xvfb xauth xdotool x11-utils imagemagick)
  local sanitizers=("${compiler[@]}" clang libclang-rt-14-dev zlib1g-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev)
  case $1 in
    run) echo "${game[@]}" ;;
    test)
      echo "${game[@]}" libgtest-dev libgmock-dev "${display[@]}" openbox desktop-file-utils \
        python3-debian
      ;;
    # The game under Wine is played with a window manager, as a player's desktop has one.
    windows)
      echo "${compiler[@]}" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
        binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev libz-mingw-w64-dev nlohmann-json3-dev \
        googletest wine wine64 fonts-ipafont-gothic unzip python3 openbox "${display[@]}"
      ;;
    web)
      # npm comes inside some builds of Node.js and conflicts with Debian's npm there.
      # The dialogs' web font is cut from the desktop's face with fontTools, as WOFF2 (brotli).
      echo "${compiler[@]}" emscripten chromium nodejs python3 python3-fonttools python3-brotli \
        fonts-ipafont-gothic "$(command -v npm >/dev/null && echo nodejs || echo npm)"
      ;;
    package)
      echo "${game[@]}" dpkg-dev fakeroot file lintian appstream desktop-file-utils devscripts \
        dpkg-repack unzip "${display[@]}"
      ;;
    # The sanitizer build runs every test that needs no shell, the package's copyright check
    # among them.
    sanitize) echo "${sanitizers[@]}" python3-debian ;;
    fuzz) echo "${sanitizers[@]}" ;;
    bench) echo "${game[@]}" libbenchmark-dev ;;
    # The browser's figures come last in `make measure`.
    measure) echo "${game[@]}" "${display[@]}" "$(packages_of web)" ;;
    format) echo clang-format ;;
    *) return 1 ;;
  esac
}

usage() {
  echo "usage: install-deps.sh [--list] SET...   (sets: ${sets[*]})" >&2
  exit 2
}

list=false
if [ "${1:-}" = --list ]; then
  list=true
  shift
fi
[ $# -gt 0 ] || usage

wanted=()
for set in "$@"; do
  names=$(packages_of "$set") || { echo "install-deps: no set named '$set'" >&2; usage; }
  read -ra more <<<"$names"
  wanted+=("${more[@]}")
done
mapfile -t wanted < <(printf '%s\n' "${wanted[@]}" | awk '!seen[$0]++')

if $list; then
  printf '%s\n' "${wanted[@]}"
  exit 0
fi

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
