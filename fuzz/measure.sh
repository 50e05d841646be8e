#!/usr/bin/env bash
# Speed of every fuzz target: each runs SECONDS (default 300) from its seed
# corpus, and the table gives executions per CPU-second (user + system
# time of the target). Outside CI: it takes minutes per target.
#   fuzz/measure.sh FUZZ-BUILD [SECONDS]
set -euo pipefail
build=$(cd "${1:?fuzz build folder}" && pwd)
seconds=${2:-300}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/maxlen.sh"
printf '%-20s %12s %10s %14s\n' target executions cpu-s per-cpu-s
for corpus in "$here"/corpus/*/; do
  target=$(basename "$corpus")
  scratch=$(mktemp -d)
  log="$scratch/log"
  /usr/bin/time -f '%U %S' -o "$scratch/time" "$build/$target" -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix="$scratch/" $(max_len "$target") "$scratch" "$corpus" >"$log" 2>&1 || true
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cpu=$(awk '{print $1 + $2}' "$scratch/time")
  printf '%-20s %12s %10s %14.0f\n' "$target" "${runs:-0}" "$cpu" "$(awk -v r="${runs:-0}" -v c="$cpu" 'BEGIN{print (c > 0 ? r / c : 0)}')"
  rm -rf "$scratch"
done
