#!/usr/bin/env bash
# Processor time of one race frame, full screen on a 1024 x 768 Xvfb display (with a window
# manager) drawn by Mesa's software rasteriser: the game races track 1 with the autopilot for
# FIRST and for LAST frames, and the difference of the two runs' processor time is divided by
# the frames between. The frames are the same in every run, so the figure varies far less than a
# sampled one (bench/race_frame.sh). Usage: [FIRST=300] [LAST=1500] bench/race_cpu.sh BUILD_DIR
set -euo pipefail

if [[ "${1:-}" != --inside ]]; then
  build=${1:?usage: $0 BUILD_DIR}
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$(realpath "$build")"
fi
build=$2 first=${FIRST:-300} last=${LAST:-1500}
work=$(mktemp -d)
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
cp -rs "$build/game" "$work/game"
printf 'full screen\r\n' >"$work/game/Config.cfg"
cd "$work/game"  # the settings are read from the working folder
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null

cpu_seconds() {
  /usr/bin/time -f '%U %S' -o "$work/time" ./morvel-racing --data-dir . --race 0:0 --autopilot --frames "$1" \
    >/dev/null 2>&1
  awk '{ print $1 + $2 }' "$work/time"
}
a=$(cpu_seconds "$first")
b=$(cpu_seconds "$last")
awk -v a="$a" -v b="$b" -v n="$((last - first))" \
  'BEGIN { printf "race frame: %.2f ms of processor time (frames %d to %d, full screen)\n", 1000 * (b - a) / n, '"$first"', '"$last"' }'
