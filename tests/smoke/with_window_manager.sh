#!/usr/bin/env bash
# Runs a command on a virtual X display managed by a real window manager.
# Usage: with_window_manager.sh COMMAND [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/on_xvfb.sh"
run_on_xvfb "$@"
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
