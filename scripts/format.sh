#!/usr/bin/env bash
# `format.sh check` lists the sources that do not match .clang-format and
# fails when there is one; `format.sh apply` rewrites them in place. The
# clang-format of Debian 12 is the reference: another version lays out some
# constructs differently, so a file clean here could fail there.
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${CLANG_FORMAT:-clang-format-14}
if ! command -v "$clang_format" >/dev/null; then
  echo "format: $clang_format not found; run 'make setup'" >&2
  exit 2
fi

mapfile -d '' files < <(find src tests tools fuzz bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if [[ "${1:-check}" == "apply" ]]; then
  printf '%s\0' "${files[@]}" | xargs -0 -n 32 "$clang_format" -i
  exit 0
fi

# Many files to a clang-format run, as many runs at once as there are cores:
# starting clang-format once per file took two minutes. A run that fails
# without naming a mismatch could not read a file: that is reported as such.
violation='^(.+):[0-9]+:[0-9]+: error: code should be clang-formatted \[-Wclang-format-violations\]$'
status=0
report=$(printf '%s\0' "${files[@]}" | xargs -0 -n 64 -P "$(nproc)" "$clang_format" --dry-run --Werror 2>&1) || status=$?
mapfile -t mismatched < <(sed -nE "s/${violation}/\\1/p" <<<"$report" | sort -u)
if ((status != 0 && ${#mismatched[@]} == 0)); then
  printf '%s\n' "$report" >&2
  exit 2
fi

if ((${#mismatched[@]} > 0)); then
  printf '%s\n' "${mismatched[@]}"
  echo "format: ${#mismatched[@]} of ${#files[@]} files do not match .clang-format; 'make format' rewrites them" >&2
  exit 1
fi
echo "format: all ${#files[@]} files match .clang-format"
