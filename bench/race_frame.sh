#!/usr/bin/env bash
# Processor time per frame, frames per second and peak memory of the game racing (the autopilot
# driving) and in its main menu (the demonstration race behind it), full screen on a 1024 x 768
# Xvfb display (with a window manager) drawn by Mesa's software rasteriser; then the same for the peer racer Dust Racing 2D
# when it is installed (tools/bootstrap --bench installs it). All runs share one Xvfb.
# Usage: [RUNS="race menu peer"] [WINDOW=1] bench/race_frame.sh BUILD_DIR [SECONDS]
# (SECONDS measured after a warm-up, default 20)
set -euo pipefail

if [[ "${1:-}" != --inside ]]; then
  build=${1:?usage: $0 BUILD_DIR [SECONDS]}
  exec xvfb-run -a -s "-screen 0 1024x768x${XDEPTH:-24}" "$0" --inside "$(realpath "$build")" "${2:-20}"
fi
build=$2 seconds=$3
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null ALSOFT_DRIVERS=null

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hud_fps() { [[ -s "$1/fps" ]] && awk -v from="$2" 'NR > from { s += $1; n++ } END { if (n) printf "%.1f", s / n }' "$1/fps"; }
lines() { [[ -f "$1" ]] && wc -l <"$1" || echo 0; }

# measure NAME WARMUP SECONDS TRACE DRIVE -- COMMAND...: starts COMMAND, lets DRIVE (a function or
# "true") steer it, samples its processor time and frame count from WARMUP to WARMUP + SECONDS.
measure() {
  local name=$1 warmup=$2 span=$3 trace=$4 drive=$5
  shift 6
  local hud="$work/hud-$name" tick
  tick=$(getconf CLK_TCK)
  mkdir -p "$hud"
  GALLIUM_HUD=${HUD-fps} GALLIUM_HUD_DUMP_DIR="$hud" GALLIUM_HUD_PERIOD=0.5 "$@" >"$work/$name.out" 2>&1 &
  local pid=$!
  $drive &
  sleep "$warmup"
  local c0 f0 h0 x0 t0 c1 f1 x1 t1
  c0=$(cpu_ticks "$pid") f0=$(lines "$trace") h0=$(lines "$hud/fps") x0=$(cpu_ticks "$xserver") t0=$(date +%s.%N)
  local during=0 rss
  for _ in $(seq $((span * 2))); do
    sleep 0.5
    rss=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
    if ((rss > during)); then during=$rss; fi
  done
  c1=$(cpu_ticks "$pid") f1=$(lines "$trace") x1=$(cpu_ticks "$xserver") t1=$(date +%s.%N)
  [[ -n "$screenshot_dir" ]] && xwd -root -silent >"$work/$name.xwd" &&
    python3 "$here/xwd_to_png.py" "$work/$name.xwd" "$screenshot_dir/$name.png"
  local peak
  peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  local fps
  fps=$(hud_fps "$hud" "$h0" || true)
  awk -v n="$name" -v c="$((c1 - c0))" -v x="$((x1 - x0))" -v k="$tick" -v t="$(echo "$t1 - $t0" | bc)" \
      -v f="$((f1 - f0))" -v hf="${fps:-0}" -v m="$peak" -v d="$during" 'BEGIN {
    own = f > 0 ? f / t : 0; rate = own > 0 ? own : hf
    printf "%-13s %4.2f cores %5.1f frames/s (rasteriser %5.1f) %5.2f ms CPU a frame, X server %4.2f cores, memory %3d MiB at most while measured, %3d MiB peak\n",
           n, c / k / t, rate, hf, (rate > 0 ? 1000 * c / k / t / rate : 0), x / k / t, d / 1024, m / 1024 }'
}

xserver=$(pgrep -n Xvfb)
# A window manager, as on a desktop: it is what makes a window full screen.
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
screenshot_dir=${SCREENSHOT_DIR:-}
game="$work/game"
cp -rs "$build/game" "$game"
# The first line of the settings: anything but "false" is full screen. WINDOW=1: an 800 x 600 window.
if [[ -n "${WINDOW:-}" ]]; then rm -f "$game/Config.cfg"; else printf 'full screen\r\n' >"$game/Config.cfg"; fi
cd "$game"  # the settings are read from the working folder

runs=${RUNS:-race menu peer}  # which of the three runs, e.g. RUNS=race

[[ $runs == *race* ]] && measure race 8 "$seconds" "$work/race.csv" true -- \
  "$game/morvel-racing" --data-dir "$game" --race 0:0 --autopilot --trace "$work/race.csv"

printf '500 text Bench\n560 down 13\n561 up 13\n' >"$work/menu.txt"
[[ $runs == *menu* ]] && measure menu 12 "$seconds" none true -- "$game/morvel-racing" --data-dir "$game" --script "$work/menu.txt"

if [[ $runs == *peer* && -x /usr/games/dustrac-game ]]; then
  # Through its menus into a race, then full throttle.
  peer_drive() {
    sleep 6
    for _ in 1 2 3 4 5; do xdotool key Return; sleep 1.5; done
    xdotool keydown Up
  }
  measure dustracing2d 25 "$seconds" none peer_drive -- /usr/games/dustrac-game
  xdotool keyup Up
fi
