#!/usr/bin/env bash
# How well the race does against the full search: for each seed, the share of
# the full search's careers the race plays, and whether both find the same
# best build. Figures to read, never a pass or a fail.
#   usage: race-measure.sh PATH/TO/kirimaki-sim [SEEDS [BUILDS [CAREERS [OPTION...]]]]
#   e.g.   race-measure.sh build/release/kirimaki-sim 10 64 200 --tachiai 1,3 --moves 1,3
set -u
sim=$(readlink -f "$1")
seeds=${2:-10}
builds=${3:-64}
careers=${4:-200}
shift $(($# < 4 ? $# : 4))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

same=0
played=0
full=$((builds * careers))
printf 'seed\tfull best\trace best\trace careers\tshare of full\n'
for seed in $(seq 1 "$seeds"); do
  study=(study --search "$builds" --careers "$careers" --basho 30 --seed "$seed" "$@")
  "$sim" "${study[@]}" > "$work/full.tsv" || exit 1
  "$sim" "${study[@]}" --race > "$work/race.tsv" || exit 1
  best=$(awk -F'\t' 'NR == 2 { print $1 }' "$work/full.tsv")
  raced=$(awk -F'\t' 'NR == 2 { print $1 }' "$work/race.tsv")
  careersPlayed=$(awk -F'\t' 'NR > 1 { n += $3 } END { print n }' "$work/race.tsv")
  [ "$best" = "$raced" ] && same=$((same + 1))
  played=$((played + careersPlayed))
  printf '%s\t%s\t%s\t%s\t%.3f\n' "$seed" "$best" "$raced" "$careersPlayed" \
    "$(awk "BEGIN { print $careersPlayed / $full }")"
done
printf 'same best in %d of %d seeds; the race played %.3f of the full search'"'"'s careers\n' \
  "$same" "$seeds" "$(awk "BEGIN { print $played / ($full * $seeds) }")"
