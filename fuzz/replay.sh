#!/usr/bin/env bash
# Replays every fuzz target over its seed corpus (fuzz/corpus/<target>).
set -euo pipefail
build=${1:?build folder}
here=$(cd "$(dirname "$0")" && pwd)
status=0

source "$here/maxlen.sh"
for corpus in "$here"/corpus/*/; do
  target=$(basename "$corpus")
  if [[ ! -x "$build/$target" ]]; then echo "fuzz: no target $target" >&2; status=1; continue; fi
  echo "fuzz: replaying $target"
  "$build/$target" -runs=0 "$corpus" || status=1
  # A short exploration run beyond the seeds, bounded in time.
  # New inputs go to a scratch folder, never into the checked-in corpus.
  scratch=$(mktemp -d)
  "$build/$target" -max_total_time=20 $(max_len "$target") -artifact_prefix="$build/$target-" "$scratch" "$corpus" >"$build/$target.log" 2>&1 \
    || { echo "fuzz: $target failed, see $build/$target.log" >&2; status=1; }
  rm -rf "$scratch"
done
exit $status
