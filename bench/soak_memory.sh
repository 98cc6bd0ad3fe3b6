#!/usr/bin/env bash
# Memory over fifty races back to back through the menus (tests/e2e/SoakScript.txt, autopilot,
# virtual clock): the resident size is read every 0.2 s and its peak printed for each tenth of the
# run, so growth from race to race shows as a rising row. RENDER=gl or software draws every frame
# off screen (far slower); the default draws nothing.
# Usage: [RENDER=null|gl|software] bench/soak_memory.sh PATH/TO/morvel-racing [SEED]
set -euo pipefail
game=${1:?usage: $0 PATH/TO/morvel-racing [SEED]}
seed=${2:-1}
script=$(cd "$(dirname "$0")/.." && pwd)/tests/e2e/SoakScript.txt
folder=$(mktemp -d)
samples=$(mktemp)
trap 'rm -rf "$folder" "$samples"' EXIT
cp -r "$(dirname "$game")/." "$folder"
rm -f "$folder"/Config.cfg "$folder"/Configdat.cfg

start=$(date +%s.%N)
"$game" --data-dir "$folder" --headless --render "${RENDER:-null}" --virtual-clock --seed "$seed" --autopilot \
  --script "$script" --frames 600000 >/dev/null 2>"$folder/stderr.txt" &
pid=$!
while kill -0 "$pid" 2>/dev/null; do
  awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null >>"$samples" || true
  sleep 0.2
done
wait "$pid"
end=$(date +%s.%N)
if [[ -s "$folder/stderr.txt" ]]; then
  cat "$folder/stderr.txt" >&2
  exit 1
fi

awk -v wall="$(echo "$end - $start" | bc)" '
  { rss[NR] = $1 }
  END {
    printf "50 races in %.1f s, %d samples; peak resident MB in each tenth of the run:\n", wall, NR
    for (t = 0; t < 10; ++t) {
      peak = 0
      for (i = int(t * NR / 10) + 1; i <= int((t + 1) * NR / 10); ++i) if (rss[i] > peak) peak = rss[i]
      printf " %.1f", peak / 1024
      if (t == 0) first = peak
      last = peak
    }
    printf "\nfrom the first tenth to the last: %+d kB\n", last - first
  }' "$samples"
