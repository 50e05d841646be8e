#!/bin/sh
# Removes what `cmake --install` put into its prefix: every file listed in
# installed-files.txt beside this script (the list and this script among
# them), then each folder of theirs that is left empty, up to the prefix.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
list=$here/installed-files.txt
[ -f "$list" ] || { echo "uninstall.sh: $list is missing: nothing removed" >&2; exit 1; }
prefix=$(cd "$here/../.." && pwd)
folders=$(while IFS= read -r file; do
  folder=$(dirname -- "$file")
  while [ "$folder" != "$prefix" ] && [ "${folder#"$prefix"/}" != "$folder" ]; do
    echo "$folder"
    folder=$(dirname -- "$folder")
  done
done < "$list" | sort -ru)
while IFS= read -r file; do rm -f -- "$file"; done < "$list"
echo "$folders" | while IFS= read -r folder; do
  [ -n "$folder" ] && rmdir -- "$folder" 2>/dev/null || true
done
echo "uninstall.sh: ZMP removed from $prefix"
