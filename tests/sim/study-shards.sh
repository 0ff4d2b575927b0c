#!/usr/bin/env bash
# A study split into shards and merged again: byte for byte the table and the
# chart of the whole study, for any number of shards, also when GNU parallel
# runs the shards as jobs; partials that do not make one whole study refused.
#   usage: study-shards.sh PATH/TO/kirimaki-sim
set -u
. "$(dirname "$(readlink -f "$0")")/../support/check.sh"
sim=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cat > builds.txt <<'BUILDS'
--height 190 --weight 120 --stats 6,6,2,1,1,1,6,1,3,1,1,1
--shikona "Kiri Yama" --height 175 --weight 100 --stats 3,3,4,2,3,3,1,3,2,6,4,3
BUILDS
searched=(--search 5 --careers 7 --basho 6 --seed 3 --tachiai 1,3 --moves 1,3 --threads 2)
given=(--builds builds.txt --careers 5 --basho 8 --seed 11 --tachiai 3 --moves 1,3,5 --train 3,1,2)

for form in searched given; do
  declare -n options=$form
  "$sim" study "${options[@]}" --chart whole.svg > whole.tsv
  # 7 shards of the given builds' 10 careers: three shards hold one career.
  for n in 1 2 3 7; do
    rm -f part-*.tsv
    for k in $(seq 1 "$n"); do "$sim" study "${options[@]}" --shard "$k/$n" --partial "part-$k.tsv"; done
    "$sim" study-merge --chart merged.svg part-*.tsv > merged.tsv
    check "$form, $n shards: the table" cmp -s merged.tsv whole.tsv
    check "$form, $n shards: the chart" cmp -s merged.svg whole.svg
  done
done

# The form of the README: the shards as jobs of GNU parallel, two at a time.
"$sim" study "${searched[@]}" > whole.tsv
rm -f part-*.tsv
parallel -j2 "$sim" study "${searched[@]}" --shard {}/6 --partial part-{}.tsv ::: 1 2 3 4 5 6
check "parallel: every job ran" [ $? -eq 0 ]
"$sim" study-merge part-*.tsv > merged.tsv
check "parallel: the table" cmp -s merged.tsv whole.tsv

# Refusals: exit 2, the file named, no table.
refused() {   # refused WANTED-TEXT FILE...
  local wanted=$1; shift
  "$sim" study-merge --chart refused.svg "$@" > out.txt 2> err.txt; rc=$?
  check "refused ($wanted): exit 2" [ $rc -eq 2 ]
  check "refused ($wanted): the message" grep -qF -- "$wanted" err.txt
  check "refused ($wanted): nothing written" [ ! -s out.txt -a ! -e refused.svg ]
}
refused "shard 4/6 is missing" part-[12356].tsv
cp part-2.tsv again.tsv
refused "again.tsv is shard 2/6 again: part-2.tsv holds it already" part-*.tsv again.tsv
"$sim" study --search 5 --careers 7 --basho 6 --seed 4 --tachiai 1,3 --moves 1,3 --shard 3/6 --partial seed4.tsv
refused "seed4.tsv is a partial of another study: seed 4, but part-1.tsv has seed 3" \
  part-1.tsv part-2.tsv seed4.tsv part-4.tsv part-5.tsv part-6.tsv
"$sim" study --search 5 --careers 7 --basho 5 --seed 3 --tachiai 1,3 --moves 1,3 --shard 3/6 --partial basho5.tsv
refused "basho5.tsv is a partial of another study: basho 5, but part-1.tsv has basho 6" \
  part-1.tsv part-2.tsv basho5.tsv part-4.tsv part-5.tsv part-6.tsv
"$sim" study "${searched[@]}" --shard 3/5 --partial five.tsv
refused "five.tsv is shard 3/5, but part-1.tsv is one of 6 shards" part-1.tsv five.tsv
head -n -2 part-3.tsv > short.tsv
refused "short.tsv is cut short: it holds 5 of the 6 careers of shard 3/6" \
  part-1.tsv part-2.tsv short.tsv part-4.tsv part-5.tsv part-6.tsv
sed '3s/^build\t2\t--height [0-9]*/build\t2\t--height 171/' part-3.tsv > other-build.tsv
refused "other-build.tsv is a partial of another study: its build 2 is not that of part-1.tsv" \
  part-1.tsv part-2.tsv other-build.tsv part-4.tsv part-5.tsv part-6.tsv
sed '$!s/\t[0-4]*$/\t9/' part-1.tsv > bad-rank.tsv
refused "bad-rank.tsv line 7: " bad-rank.tsv part-[23456].tsv
cp builds.txt not-a-partial.tsv
refused "not-a-partial.tsv is not a study partial" not-a-partial.tsv
refused "study-merge takes the partials of a study"
"$sim" study-merge missing.tsv > out.txt 2> err.txt
check "a partial that cannot be read: exit 1" [ $? -eq 1 ]
check "a partial that cannot be read: named" grep -q "missing.tsv" err.txt
"$sim" study "${searched[@]}" --shard 1/2 > out.txt 2> err.txt
check "--shard without --partial: exit 2" [ $? -eq 2 ]
"$sim" study --search 5 --careers 7 --shard 1/2 --partial p.tsv 2> err.txt
check "--partial without --seed: exit 2, nothing written" [ $? -eq 2 -a ! -e p.tsv ]
"$sim" study "${searched[@]}" --shard 3/2 --partial p.tsv 2> err.txt
check "shard 3 of 2: exit 2, nothing written" [ $? -eq 2 -a ! -e p.tsv ]
exit $fail
