#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of its own:
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# The prefix is created on first use (several callers at once wait for one creation) and gets
# a Japanese face for the dialog font, so captions render. The program's exit status is passed
# on. The Windows build's CMAKE_CROSSCOMPILING_EMULATOR is this script with the build's own
# prefix (build-windows/wine-prefix), so add_test(COMMAND <target>) runs the target under Wine.
# Programs that open windows need a display: run such a test under `xvfb-run -a` and alone
# (RUN_SERIAL: beside other Wine tests in the same prefix, Wine starts stall), and end it with
# `WINEPREFIX=... wineserver -k`, which ends every Wine process of the prefix so that none
# outlives that display (`wineserver -w` would only wait for them, for as long as they run).
set -euo pipefail
prefix=$(realpath -m "$1")
shift

export WINEPREFIX=$prefix
export WINEDEBUG=-all
# No Mono or Gecko download prompts: the game needs neither .NET nor the HTML engine. No
# debugger either: a program that crashes ends at once instead of waiting on it. No menu
# entries and file associations in the user's desktop folders either: the prefix stays in the
# build folder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
export LC_ALL=C.UTF-8

# Captions ask for "ＭＳ Ｐゴシック"; IPA P Gothic (fonts-ipafont-gothic) stands in for it.
font_replacements() {
  printf '\xff\xfe'
  iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"

REG
}

# The marker is written last, so a creation that was cut short is done again.
create_prefix() {
  rm -rf "$prefix"
  mkdir -p "$prefix"
  wineboot -i >/dev/null 2>&1
  font_replacements >"$prefix/fonts.reg"
  wine regedit /S "$(winepath -w "$prefix/fonts.reg")" >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.zaptrail-ready"
}

if [ ! -e "$prefix/.zaptrail-ready" ]; then
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  [ -e "$prefix/.zaptrail-ready" ] || create_prefix
  exec 9>&-
fi

exec wine "$@"
