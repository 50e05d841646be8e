#!/usr/bin/env bash
# Runs every benchmark program of a build folder.
set -euo pipefail
build=${1:?build folder}
for b in "$build"/bench-*; do
  [[ -x "$b" ]] || continue
  echo "== $(basename "$b")"
  "$b"
done
