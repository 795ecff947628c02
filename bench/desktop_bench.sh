#!/usr/bin/env bash
# The bar's cost on a desktop: starts it under a private Xvfb and openbox with one local channel
# at the default scroll (2 pixels every 30 ms), then reports
#   - the time from start to the first headlines on screen,
#   - the CPU of the bar's processes (the program and anything it starts) over 20 s, as a share
#     of one core,
#   - their summed proportional set size (PSS) at the end,
# against the targets: first page within 0.2 s, CPU at most 1.5 %, PSS at most 30 MB.
#   bench/desktop_bench.sh [PROGRAM] [SECONDS]
# PROGRAM defaults to the Release build of scripts/run-velloband. Exit status 1 when a target is
# missed.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/src/platform/linux/velloband}")
seconds=${2:-20}
[ -x "$program" ] || { echo "desktop_bench: no program at $program" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vb-bench.XXXXXX")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
}

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache
export NO_AT_BRIDGE=1 ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
Xvfb -displayfd 7 -screen 0 1024x768x24 -nolisten tcp 7>"$work/display" 2>/dev/null &
pids+=($!)
wait_for 20 test -s "$work/display"
export DISPLAY=:$(head -n 1 "$work/display")
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

# One channel whose feed is already downloaded, so the first page carries headlines.
feed=$PWD/resources/demo/city-news.xml
cp "$feed" "$XDG_CONFIG_HOME/velloband0"
printf '[Window]\nFixed=1\nAutoLoad=0\n[FileNo]\nMaxFileNo=1\n[URL]\n0=file://%s\n' "$feed" \
  >"$XDG_CONFIG_HOME/velloband.ini"

# The page area right of the icons, to the right edge where the headlines come in, shows them
# once it has more than a few colours. The probe reads it straight from the X server every few
# milliseconds, and is polling before the program starts.
python3 bench/first_pixels.py "$work/probe-ready" 100 0 924 24 15 >"$work/shown" &
probe=$!
pids+=($probe)
wait_for 10 test -e "$work/probe-ready"

# A bus that starts no services, so nothing outlives the run. The clock starts when the program
# does, and stops at the middle of the first read that shows headlines.
dbus-run-session --config-file=tests/platform/e2e/session-bus.conf -- \
  sh -c 'date +%s.%N >"$0"; exec "$1"' "$work/start" "$program" >"$work/bar.log" 2>&1 &
pids+=($!)
wait "$probe" || { echo "desktop_bench: no page appeared" >&2; exit 2; }
shown=$(cat "$work/shown")
first_page=$(awk -v a="$shown" -v b="$(cat "$work/start")" 'BEGIN {printf "%.3f", a - b}')

bar_pid=$(pgrep -n -f "^$program" || true)
[ -n "$bar_pid" ] || { echo "desktop_bench: the program is not running" >&2; exit 2; }
pids=("$bar_pid" "${pids[@]}")

# The program and every process below it.
family() {
  local queue=("$1") all=() pid
  while [ ${#queue[@]} -gt 0 ]; do
    pid=${queue[0]}
    queue=("${queue[@]:1}")
    all+=("$pid")
    for child in $(pgrep -P "$pid" || true); do queue+=("$child"); done
  done
  echo "${all[@]}"
}

# Summed user and system time of the family, in clock ticks.
cpu_ticks() {
  local total=0 pid
  for pid in $(family "$bar_pid"); do
    [ -r "/proc/$pid/stat" ] || continue
    read -r utime stime < <(sed 's/^.*) //' "/proc/$pid/stat" | awk '{print $12, $13}')
    total=$((total + utime + stime))
  done
  echo "$total"
}

# Let start-up settle, then measure the steady scroll.
sleep 2
ticks_before=$(cpu_ticks)
sleep "$seconds"
ticks_after=$(cpu_ticks)
hz=$(getconf CLK_TCK)
cpu=$(awk -v d=$((ticks_after - ticks_before)) -v hz="$hz" -v s="$seconds" \
  'BEGIN {printf "%.2f", 100 * d / (hz * s)}')

pss_kb=0
for pid in $(family "$bar_pid"); do
  kb=$(awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup" 2>/dev/null || echo 0)
  pss_kb=$((pss_kb + ${kb:-0}))
  [ -n "${VB_BENCH_DETAIL:-}" ] && echo "  $(tr -d '\0' </proc/$pid/comm) pss ${kb} kB" \
    "cpu $(sed 's/^.*) //' "/proc/$pid/stat" | awk '{print $12 + $13}') ticks"
done
pss=$(awk -v kb="$pss_kb" 'BEGIN {printf "%.1f", kb / 1024}')

verdict() { awk -v v="$1" -v limit="$2" 'BEGIN {print (v <= limit) ? "ok" : "MISSED"}'; }
r1=$(verdict "$first_page" 0.2)
r2=$(verdict "$cpu" 1.5)
r3=$(verdict "$pss" 30)
printf 'first page on screen  %6.3f s    target <= 0.2 s   %s\n' "$first_page" "$r1"
printf 'CPU over %2d s         %6.2f %%    target <= 1.5 %%   %s\n' "$seconds" "$cpu" "$r2"
printf 'PSS, all processes    %6.1f MB   target <= 30 MB   %s\n' "$pss" "$r3"
printf 'processes             %s\n' "$(family "$bar_pid" | wc -w)"
[ "$r1$r2$r3" = okokok ]
