#!/usr/bin/env bash
# CPU used by the real-time loop while the game shows its screen at 90 frames per second in a
# window under Xvfb, and the frame rate it reaches. Usage: bench/loop_cpu.sh PATH/TO/morvel-racing
set -euo pipefail
game=${1:?usage: $0 PATH/TO/morvel-racing}
frames=${FRAMES:-900}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
xvfb-run -a -s '-screen 0 1024x768x24' \
  /usr/bin/time -f '%e %U %S' -o "$out" "$game" --frames "$frames" >/dev/null
read -r wall user sys <"$out"
awk -v f="$frames" -v w="$wall" -v u="$user" -v s="$sys" 'BEGIN {
  printf "frames %d in %.2f s: %.1f frames/s; CPU %.2f s user + %.2f s system = %.3f of a core\n",
         f, w, f / w, u, s, (u + s) / w }'
