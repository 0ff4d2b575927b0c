#!/bin/bash
# A bounded run of the save-file fuzzer: every input of the corpus, then a
# fixed number of generated ones from a fixed seed. Any crash, sanitizer
# report or hang fails the test.
#   usage: fuzz-regression.sh KIRIMAKI-FUZZ CORPUS-DIR RUNS
set -u
fuzzer=$(readlink -f "$1")
corpus=$(readlink -f "$2")
runs=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/new"
cd "$work"
# New inputs go to a scratch directory: the committed corpus is read only.
status=0
"$fuzzer" -seed=1 -runs="$runs" -timeout=20 -rss_limit_mb=4096 -close_fd_mask=2 \
  -print_final_stats=1 "$work/new" "$corpus" > fuzz.log 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  cat fuzz.log
  echo "the fuzzer found a fault (exit status $status); the input is shown above"
  exit 1
fi
grep -E '^(INFO: seed corpus|stat::number_of_executed_units|Done)' fuzz.log
