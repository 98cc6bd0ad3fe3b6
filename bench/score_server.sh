#!/usr/bin/env bash
# Complete score submissions against morvel-scores, as the game makes them (a handshake, then the
# submission with its one-time value), with wrk (tools/bootstrap --bench installs it): SQLite and
# PostgreSQL, 1, 64 and 512 concurrent clients, SECONDS a run (default 45, for about 100,000
# submissions), each on a fresh database.
# For each run: complete submissions per second, the latency of a pair (p50, p99) and of a single
# request, the server's resident memory (at start, highest, at the end), the submissions wrk saw
# accepted, those the server's log says it accepted (after SIGTERM it has answered every request under
# way), and the count the database holds, which must equal the server's.
# Usage: bench/score_server.sh [BUILD_DIR] [SECONDS] [CLIENTS...]
# (MORVEL_BENCH_SERVER_OPTIONS="--threads 4" passes more options to the server.)
set -euo pipefail
build=$(realpath "${1:-build}")
seconds=${2:-45}
shift 2 2>/dev/null || shift $#
clients_list=("${@:-1 64 512}")
read -r -a clients_list <<< "${clients_list[*]}"
here=$(dirname "$(realpath "$0")")
server=$build/morvel-scores
record=$build/bench/libmorvel-bench-record.so
for needed in "$server" "$record"; do
  [[ -e "$needed" ]] || { echo "score_server.sh: $needed is missing; build first" >&2; exit 1; }
done
command -v wrk > /dev/null || { echo "score_server.sh: wrk is missing; run tools/bootstrap --bench" >&2; exit 1; }

work=$(mktemp -d)
chmod 755 "$work"  # PostgreSQL runs as the postgres user inside it
pg_bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -1)
as_postgres=()
[[ $(id -u) -eq 0 ]] && as_postgres=(runuser -u postgres --)
pg_port=0
cleanup() {
  [[ $pg_port -ne 0 ]] && "${as_postgres[@]}" "$pg_bin/pg_ctl" -D "$work/pg/data" -m fast -w stop > /dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

# A PostgreSQL server of its own with Debian's default settings (fsync and synchronous commits on).
start_postgres() {
  mkdir -p "$work/pg"
  [[ $(id -u) -eq 0 ]] && chown postgres "$work/pg"
  pg_port=$((20000 + RANDOM % 20000))
  "${as_postgres[@]}" "$pg_bin/initdb" -D "$work/pg/data" -U postgres -A trust -E UTF8 > /dev/null
  "${as_postgres[@]}" "$pg_bin/pg_ctl" -D "$work/pg/data" -l "$work/pg/log" -w \
    -o "-p $pg_port -k $work/pg -c listen_addresses=127.0.0.1 -c max_connections=200" start > /dev/null
}

run=0
measure() {
  local backend=$1 clients=$2 database
  run=$((run + 1))
  if [[ $backend == sqlite ]]; then
    database=$work/run$run.sqlite
  else
    "${as_postgres[@]}" psql -q -h "$work/pg" -p "$pg_port" -U postgres -c "CREATE DATABASE run$run" postgres
    database=postgresql://postgres@127.0.0.1:$pg_port/run$run
  fi
  # shellcheck disable=SC2086  # MORVEL_BENCH_SERVER_OPTIONS: more options of the server, word by word
  "$server" --listen 127.0.0.1:0 --db "$database" --rate-limit 0 ${MORVEL_BENCH_SERVER_OPTIONS:-} \
    > "$work/server.log" 2>&1 &
  local pid=$!
  until grep -q "listening on" "$work/server.log"; do sleep 0.1; done
  local port
  port=$(head -1 "$work/server.log" | sed 's/.*://')
  (while kill -0 "$pid" 2> /dev/null; do ps -o rss= -p "$pid" || true; sleep 0.5; done) > "$work/rss" &
  local sampler=$!
  MORVEL_BENCH_RECORD=$record \
    wrk -t"$clients" -c"$clients" -d"$seconds"s --timeout 10s -s "$here/score_server.lua" "http://127.0.0.1:$port/" \
    > "$work/wrk.out"
  local end_rss
  end_rss=$(ps -o rss= -p "$pid" | tr -d ' ')
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  wait "$sampler" || true
  local stored
  stored=$("$server" --db "$database" --count)
  local value
  value() { awk -v key="$1" '$1 == key { print $2 }' "$work/wrk.out"; }
  local start_rss peak_rss
  start_rss=$(head -1 "$work/rss" | tr -d ' ')
  peak_rss=$(sort -n "$work/rss" | tail -1 | tr -d ' ')
  local served
  served=$(grep -c 'inf=.* 200 [0-9]*us$' "$work/server.log" || true)
  printf "%-10s %7s %9s %8s %8s %8s %8s %7s %7s %7s %9s %9s %9s %6s %s\n" "$backend" "$clients" \
    "$(value submissions_per_second)" "$(value pair_p50_ms)" "$(value pair_p99_ms)" "$(value request_p50_ms)" \
    "$(value request_p99_ms)" "$((start_rss / 1024))" "$((peak_rss / 1024))" "$((end_rss / 1024))" \
    "$(value accepted)" "$served" "$stored" "$(value refused)" "exit $status, $(grep -c ' GET ' "$work/server.log") log lines"
}

echo "# $(nproc) cores; $(uname -r); $(wrk --version 2>&1 | head -1)"
printf "%-10s %7s %9s %8s %8s %8s %8s %7s %7s %7s %9s %9s %9s %6s %s\n" backend clients "subm/s" "pair50" \
  "pair99" "req50" "req99" "rssMB0" "rssMax" "rssEnd" "wrk-OK" "server-OK" stored refused server
for clients in "${clients_list[@]}"; do measure sqlite "$clients"; done
start_postgres
for clients in "${clients_list[@]}"; do measure postgres "$clients"; done
