#!/usr/bin/env bash
# Races every track of the catalogue with the game itself (off screen, virtual clock, autopilot)
# over the seeds given, the player's car taken in turn from the cars given, and prints per race
# whether every car finished and each opponent's longest stall (bench/trace_stalls.py), then the
# longest stall of all.
# Usage: bench/stall_sweep.sh GAME_FOLDER FIRST_SEED SEEDS "CARS"   (e.g. build/game 70001 8 "0 1 2 3 4")
set -euo pipefail
game=${1:?usage: $0 GAME_FOLDER FIRST_SEED SEEDS "CARS"}
first=${2:?}
seeds=${3:?}
cars=${4:?}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
race() {  # TRACK SEED CAR
  local name="$work/t$1-s$2-c$3"
  if "$game/morvel-racing" --headless --render null --virtual-clock --seed "$2" --race "$1:$3" \
    --autopilot --trace "$name.csv" >"$name.out" 2>&1; then
    echo "track $1 seed $2 car $3: every car finished; $(python3 "$here/trace_stalls.py" "$name.csv" | cut -d' ' -f2-)"
  else
    echo "track $1 seed $2 car $3: the race did not end (exit $?)"
  fi
}
export -f race
export game work here
read -r -a carList <<<"$cars"
for track in $(seq 0 11); do
  for ((n = 0; n < seeds; ++n)); do
    echo "$track $((first + n)) ${carList[$(((track + n) % ${#carList[@]}))]}"
  done
done | xargs -P "$(nproc)" -L1 bash -c 'race "$@"' _ | sort -V | tee "$work/all.txt"
echo "races: $(wc -l <"$work/all.txt"), every car finished in $(grep -c 'every car finished' "$work/all.txt")"
echo "longest stall: $(grep -o 'longest [0-9.]*' "$work/all.txt" | sort -k2 -n | tail -1)"
echo "races with a stall of 2 s or more: $(grep -o 'longest [0-9.]*' "$work/all.txt" | awk '$2 >= 2' | wc -l)"
