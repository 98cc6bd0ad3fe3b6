#!/usr/bin/env bash
# Races every track of the catalogue with the game itself (off screen, virtual clock, the player's
# car on autopilot, a new game's folder) at each difficulty over the seeds given, the player's car
# taken in turn from the cars given, and prints per level how often the autopilot won, its median
# place, and how far behind the winner the last car came in (slowest / winner, median and worst),
# then the same per track.
# Usage: bench/difficulty_sweep.sh GAME_FOLDER FIRST_SEED SEEDS "CARS" ["LEVELS"]
#        (e.g. build/game 90001 6 "0 1"; LEVELS default "Easy Normal Hard")
set -euo pipefail
game=${1:?usage: $0 GAME_FOLDER FIRST_SEED SEEDS "CARS" ["LEVELS"]}
first=${2:?}
seeds=${3:?}
cars=${4:?}
levels=${5:-Easy Normal Hard}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$game" "$work/game"  # a new game's folder, whatever the one given has saved

# One line a race: LEVEL TRACK SEED CAR PLACE WINNER_S SLOWEST_S, or LEVEL TRACK SEED CAR none.
race() {
  local out
  if out=$("$work/game/morvel-racing" --data-dir "$work/game" --headless --render null --virtual-clock \
    --seed "$3" --race "$2:$4" --autopilot --difficulty "$1" 2>/dev/null); then
    awk -v head="$*" '
      function seconds(t, p) { split(t, p, ":"); return p[1] * 60 + p[2] + p[3] / 100 }
      /^finish position/ { place = $3 }
      /^place 1 / { winner = seconds($6) }
      /^place / { slowest = seconds($6) }
      END { printf "%s %d %.2f %.2f\n", head, place, winner, slowest }' <<<"$out"
  else
    echo "$* none"
  fi
}
export -f race
export work
read -r -a carList <<<"$cars"
for level in $levels; do
  for track in $(seq 0 11); do
    for ((n = 0; n < seeds; ++n)); do
      echo "$level $track $((first + n)) ${carList[$(((track + n) % ${#carList[@]}))]}"
    done
  done
done | xargs -P "$(nproc)" -L1 bash -c 'race "$@"' _ >"$work/races.txt"

python3 - "$work/races.txt" "$levels" <<'PY'
import statistics, sys
rows = [line.split() for line in open(sys.argv[1])]
levels = sys.argv[2].split()

def line(label, races):
    done = [r for r in races if r[4] != "none"]
    spreads = sorted(float(r[6]) / float(r[5]) for r in done)
    places = [int(r[4]) for r in done]
    wins = sum(1 for p in places if p == 1)
    if not done:
        return f"| {label} | {len(races)} | 0 | | | | |"
    return (f"| {label} | {len(races)} | {len(done)} | {100 * wins / len(done):.0f} % | "
            f"{statistics.median(places):g} | {statistics.median(spreads):.3f} | {spreads[-1]:.3f} |")

print("| Level | Races | Every car in | Autopilot won | Autopilot's place, median | Slowest / winner, median | Slowest / winner, worst |")
print("|---|---|---|---|---|---|---|")
for level in levels:
    print(line(level, [r for r in rows if r[0] == level]))
print()
print("| Track | " + " | ".join(f"{l}: won, slowest / winner" for l in levels) + " |")
print("|---|" + "---|" * len(levels))
for track in range(12):
    cells = []
    for level in levels:
        done = [r for r in rows if r[0] == level and int(r[1]) == track and r[4] != "none"]
        wins = sum(1 for r in done if r[4] == "1")
        spread = statistics.median(float(r[6]) / float(r[5]) for r in done) if done else 0
        cells.append(f"{wins} of {len(done)}, {spread:.3f}")
    print(f"| Track {track + 1} | " + " | ".join(cells) + " |")
PY
