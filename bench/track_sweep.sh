#!/usr/bin/env bash
# Races every car of the catalogue on every track over many seeds, all five cars unlocked (the
# opponents drawn from all of them) and the player's car on autopilot, and prints per track the
# share of races in which every car finished and the slowest finisher's time against the
# winner's. Usage: bench/track_sweep.sh BUILD_DIR [SEEDS]   (SEEDS per car, default 10)
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [SEEDS]}
seeds=${2:-10}
echo "| Track | Races | All cars finished | Slowest / winner, median | Slowest / winner, worst | Back-offs per race |"
echo "|---|---|---|---|---|---|"
seq 0 11 | xargs -P "$(nproc)" -I{} "$build/bench/track_sweep" "$build/game" "$seeds" {} |
  sort -t'|' -k2,2V
