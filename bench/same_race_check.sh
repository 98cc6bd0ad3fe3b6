#!/usr/bin/env bash
# Races every track with two builds of the game (off screen, virtual clock, autopilot, one seed a
# track) and says per track whether the two wrote the same trace and results, byte for byte: a
# change meant to leave the race alone (such as a new level beside Normal) is checked against the
# game before it. Extra arguments go to the second game only (e.g. --difficulty normal).
# Usage: bench/same_race_check.sh OLD_GAME_FOLDER NEW_GAME_FOLDER FIRST_SEED [ARGS...]
set -euo pipefail
old=${1:?usage: $0 OLD_GAME_FOLDER NEW_GAME_FOLDER FIRST_SEED [ARGS...]}
new=${2:?}
first=${3:?}
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$old" "$work/old"
cp -r "$new" "$work/new"
race() {  # WHICH TRACK SEED [ARGS...]
  local which=$1 track=$2 seed=$3
  shift 3
  "$work/$which/morvel-racing" --data-dir "$work/$which" --headless --render null --virtual-clock \
    --seed "$seed" --race "$track:$((track % 2))" --autopilot --trace "$work/$which-$track.csv" "$@" \
    >"$work/$which-$track.out" 2>/dev/null
}
same=0
for track in $(seq 0 11); do
  seed=$((first + track))
  race old "$track" "$seed"
  race new "$track" "$seed" "$@"
  if cmp -s "$work/old-$track.csv" "$work/new-$track.csv" && cmp -s "$work/old-$track.out" "$work/new-$track.out"; then
    echo "track $((track + 1)), seed $seed: the same race ($(wc -l <"$work/old-$track.csv") trace lines)"
    same=$((same + 1))
  else
    echo "track $((track + 1)), seed $seed: the races differ"
  fi
done
echo "$same of 12 tracks ran the same race"
[[ $same == 12 ]]
