#!/usr/bin/env bash
# Starts the real game on a virtual display, starts a level with Fire, walks with the arrow keys
# for ten seconds, quits with Escape and prints: the time from the start of the process to the
# first frame shown, the peak resident memory, the game's CPU use while playing (percent of one
# core) and the tick period (mean and 99th percentile of the deviation from 32 ms).
# The game must be built for measuring (ZAPTRAIL_MEASURE): it then writes the time of its first
# frame and of every tick to the standard error when it ends.
# Usage: measure-game.sh GAME_BINARY
set -euo pipefail
source "$(dirname "$0")/on_xvfb.sh"
run_on_xvfb "$@"
binary=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$binary" "$work/zaptrail"
cp "$(dirname "$binary")"/*.WAV "$work/"
cd "$work"

period_ms=32
play_seconds=10

# Process times of the game in clock ticks: user plus system, all threads.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
now_ns() { local t=$EPOCHREALTIME; echo "${t/./}000"; }

# The start is taken by the shell that then becomes the game, just before it does.
bash -c 'echo "${EPOCHREALTIME/./}000" > start; exec ./zaptrail 2> log' &
pid=$!
window=$(timeout 10 xdotool search --sync --name '^zap trail$' | head -1)
xdotool windowfocus --sync "$window"

# Fire starts level 0 once the title screen has counted its ticks. It stays held, so that a
# level the walk happens to clear is followed by the next one at once.
xdotool keydown space
sleep 0.6

play_start=$(now_ns)
cpu_start=$(cpu_ticks "$pid")
keys=(Right Down Left Up)
for ((second = 0; second < play_seconds; ++second)); do
  key=${keys[second % 4]}
  xdotool keydown "$key"
  sleep 1
  xdotool keyup "$key"
done
cpu_end=$(cpu_ticks "$pid")
play_end=$(now_ns)
xdotool keyup space
peak_kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")

xdotool keydown Escape
sleep 0.2
xdotool keyup Escape || true
wait "$pid"

# The ticks inside the ten seconds (the period does not depend on the phase, and a cleared
# level spends one tick on the title screen), then how far each period is off the setting.
awk -v from="$play_start" -v to="$play_end" '$1 == "tick" && $2 >= from && $2 <= to { print $2 }' log >ticks
playing=$(awk -v from="$play_start" -v to="$play_end" \
  '$1 == "tick" && $3 == 1 && $2 >= from && $2 <= to { ++n } END { print n + 0 }' log)
[ "$playing" -ge 2 ] || { echo "measure: the game logged no playing ticks"; exit 1; }
awk -v period="$period_ms" 'NR > 1 { d = ($1 - last) / 1e6 - period; print d < 0 ? -d : d } { last = $1 }' \
  ticks | sort -n >deviations

first_frame_ms=$(awk -v start="$(cat start)" '$1 == "frame" { printf "%.1f", ($2 - start) / 1e6 }' log)
[ -n "$first_frame_ms" ] || { echo "measure: the game logged no frame"; exit 1; }
peak_mb=$(awk -v kb="$peak_kb" 'BEGIN { printf "%.1f", kb / 1024 }')
cpu_percent=$(awk -v cpu="$((cpu_end - cpu_start))" -v hz="$(getconf CLK_TCK)" \
  -v ns="$((play_end - play_start))" 'BEGIN { printf "%.2f", 100 * cpu / hz / (ns / 1e9) }')
mean_ms=$(awk 'NR == 1 { first = $1 } { last = $1; n = NR } END { printf "%.3f", (last - first) / (n - 1) / 1e6 }' ticks)
p99_ms=$(awk '{ d[NR] = $1 } END { printf "%.3f", d[int(0.99 * (NR - 1)) + 1] }' deviations)

verdict() { awk "BEGIN { exit !($1) }" && echo ok || echo MISSED; }
printf 'first frame after start  %8s ms   target < 50 ms          %s\n' "$first_frame_ms" "$(verdict "$first_frame_ms < 50")"
printf 'peak resident memory     %8s MB   target < 40 MB          %s\n' "$peak_mb" "$(verdict "$peak_mb < 40")"
printf 'CPU while playing        %8s %%    target < 2 %% of a core  %s\n' "$cpu_percent" "$(verdict "$cpu_percent < 2")"
printf 'tick period, mean        %8s ms   target %s ms +- 0.5 %%   %s\n' "$mean_ms" "$period_ms" \
  "$(verdict "$mean_ms > $period_ms * 0.995 && $mean_ms < $period_ms * 1.005")"
printf 'tick period, p99 off     %8s ms   target < 1.5 ms         %s\n' "$p99_ms" "$(verdict "$p99_ms < 1.5")"
echo "($(wc -l <ticks) ticks in ${play_seconds} s, $playing of them playing)"
