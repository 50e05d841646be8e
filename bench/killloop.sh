#!/usr/bin/env bash
# kill -9 at random moments of zmp-cli's saves: convert, import, report and
# export in turn, each over an output that already holds a good copy. Every
# output must afterwards be either the old copy or the new one, whole
# (none torn), and the folder must hold no temporary file, counted right
# after the loop before any further save could sweep one away.
#   bench/killloop.sh BUILD [RUNS]    (RUNS defaults to 2000)
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
runs=${2:-2000}
cli="$build/zmp-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
cd "$work"
z() { "$cli" --program-dir "$build" --no-backup "$@"; }

# Inputs, and for each output its old and its new whole copy.
z new boat.dat 2>/dev/null
z export boat.dat usa usa.csv
sed 's/^1,1,/1,0,/' usa.csv >edited.csv
commands=("convert boat.dat out.hex" "import boat.dat usa edited.csv out.dat"
          "report boat.dat out.txt" "export boat.dat usa out.csv")
for command in "${commands[@]}"; do
  out=${command##* }
  z $command 2>/dev/null
  cp "$out" "new-$out"
done
z --destination usa new other.dat 2>/dev/null
z convert other.dat out.hex && cp out.hex old-out.hex
z import other.dat usa usa.csv out.dat && cp out.dat old-out.dat
z report other.dat out.txt && cp out.txt old-out.txt
z export other.dat intl out.csv && cp out.csv old-out.csv

torn=0
for ((i = 0; i < runs; i++)); do
  command=${commands[i % 4]}
  out=${command##* }
  cp "old-$out" "$out"
  z $command 2>/dev/null &
  pid=$!
  sleep "0.0$((RANDOM % 60))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if ! cmp -s "$out" "old-$out" && ! cmp -s "$out" "new-$out"; then
    torn=$((torn + 1))
    echo "torn: run $i, $out"
  fi
done
# The watchers of the last runs take their names away in a moment.
sleep 1
left=$(find . -maxdepth 1 -name '.*.tmp' | wc -l)
echo "runs: $runs  torn files: $torn  temporary files left: $left"
[[ $torn -eq 0 && $left -eq 0 ]]
