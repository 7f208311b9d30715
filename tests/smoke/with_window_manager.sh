#!/usr/bin/env bash
# Runs a command on a virtual X display managed by a real window manager.
# Usage: with_window_manager.sh COMMAND [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/on_xvfb.sh"
run_on_xvfb "$@"
# openbox writes its log into the cache folder and the sound system its client settings into
# the configuration folder: scratch folders stand in for the user's.
scratch=$(mktemp -d)
export XDG_CACHE_HOME="$scratch/cache" XDG_CONFIG_HOME="$scratch/config"
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
