#!/usr/bin/env bash
# Replays every fuzz target over its seed corpus (fuzz/corpus/<target>),
# then explores beyond the seeds for a bounded time; as many targets run
# side by side as there are cores.
set -euo pipefail
build=${1:?build folder}
here=$(cd "$(dirname "$0")" && pwd)
seconds=${ZMP_FUZZ_SECONDS:-15}
source "$here/maxlen.sh"

replay() {
  local target=$1 corpus=$here/corpus/$1 scratch
  if [[ ! -x "$build/$target" ]]; then echo "fuzz: no target $target" >&2; return 1; fi
  "$build/$target" -runs=0 "$corpus" >"$build/$target.log" 2>&1 || { echo "fuzz: $target fails on its seeds, see $build/$target.log" >&2; return 1; }
  # New inputs go to a scratch folder, never into the checked-in corpus.
  scratch=$(mktemp -d)
  "$build/$target" -max_total_time="$seconds" $(max_len "$target") -artifact_prefix="$build/$target-" \
    "$scratch" "$corpus" >>"$build/$target.log" 2>&1 || { echo "fuzz: $target failed, see $build/$target.log" >&2; rm -rf "$scratch"; return 1; }
  rm -rf "$scratch"
  echo "fuzz: $target replayed and explored for ${seconds}s"
}

status=0
running=0
for corpus in "$here"/corpus/*/; do
  replay "$(basename "$corpus")" &
  if ((++running >= $(nproc))); then
    wait -n || status=1
    ((running--))
  fi
done
while ((running > 0)); do
  wait -n || status=1
  ((running--))
done
exit $status
