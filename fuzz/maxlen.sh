# shellcheck shell=bash
# Inputs stay within libFuzzer's own limit, the largest seed (4096 bytes at
# least): the seeds are as large as a target needs (a whole image for the
# image readers, a whole table for the CSV import), and longer inputs only
# slow every execution down. The link needs room for the replies of a whole
# transfer, the .dat readers for a whole file and then some.
max_len() {
  case "$1" in
    fuzz-link) echo -max_len=40000 ;;
    fuzz-dat-file | fuzz-dat-reader) echo -max_len=131072 ;;
  esac
  return 0
}
