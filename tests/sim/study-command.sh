#!/usr/bin/env bash
# kirimaki-sim study run as a process: each replayed career, played again from
# a file by the printed new and play lines, ends on the record the study
# printed; refused builds name their line; the table and the chart.
#   usage: study-command.sh PATH/TO/kirimaki-sim DATA_DIR
set -u
. "$(dirname "$(readlink -f "$0")")/../support/check.sh"
sim=$(readlink -f "$1")
data=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cat > builds.txt <<'BUILDS'
--height 190 --weight 120 --stats 6,6,2,1,1,1,6,1,3,1,1,1
# a strong pusher above, an all-rounder with a name of two words below

--shikona "Kiri Yama" --height 200 --weight 110 --stats 3,3,3,3,3,3,3,3,3,1,1,1
--height 175 --weight 100 --stats 3,3,4,2,3,3,1,3,2,6,4,3
BUILDS
study=(--builds builds.txt --careers 12 --basho 7 --seed 11 --tachiai 3 --moves 1,3,5)

# Career 1,1 meets a playoff of its own in its seventh basho: the player's
# bout set up between the yusho screen's announcement and its jun-yusho.
for career in 1,1 1,4 2,2; do
  "$sim" study "${study[@]}" --replay "$career" > replay.txt; rc=$?
  check "replay $career exit 0" [ $rc -eq 0 ]
  check "replay $career is three lines" [ "$(wc -l < replay.txt)" -eq 3 ]
  rm -rf empty; mkdir empty
  (
    cd empty || exit 1
    eval "$(sed -n 1p ../replay.txt | sed "s|^kirimaki-sim |\"\$sim\" |")" || exit 1
    eval "$(sed -n 2p ../replay.txt | sed "s|^kirimaki-sim |\"\$sim\" |") --transcript t.tsv" || exit 1
    "$sim" show > show.txt
  ) || { echo "FAIL: replay $career: the printed lines do not run"; fail=1; continue; }
  check "replay $career: show's player line is the study's" \
    [ "$(awk -F'\t' '$1 == 1' empty/show.txt)" = "$(sed -n 3p replay.txt)" ]
  if [ "$career" = 1,1 ]; then
    playoff=$(awk -F'\t' '$1 == "yusho" { y = 1 } $1 == "junyusho" || $1 == "day" { y = 0 }
                          y && $1 == "setup" { n++ } END { print n + 0 }' empty/t.tsv)
    check "career 1,1 holds a playoff bout of the player" [ "$playoff" -ge 1 ]
  fi
  [ "$career" = 2,2 ] && check "the name of two words reached the file" \
    [ "$(awk -F'\t' '$1 == 1 { print $3 }' empty/show.txt)" = "Kiri Yama" ]
done

# The table and the chart of a small study, byte for byte as they were
# looked at (the careers behind them are the ones the replays above prove).
"$sim" study --builds builds.txt --careers 6 --basho 20 --seed 11 --tachiai 1,3 --moves 1,3 --threads 2 \
  --chart chart.svg > table.tsv 2> err.txt; rc=$?
check "study exit 0" [ $rc -eq 0 ]
check "quiet when standard error is no terminal" [ ! -s err.txt ]
check "the table" cmp -s table.tsv "$data/study-table.tsv"
check "the chart" cmp -s chart.svg "$data/study-chart.svg"
# A shorter study draws a tick every basho.
"$sim" study --builds builds.txt --careers 2 --basho 11 --seed 11 --tachiai 1,3 --moves 1,3 --chart short.svg > /dev/null
check "the chart of eleven basho" cmp -s short.svg "$data/study-chart-11.svg"

# --search: builds sorted best first, each legal; the same table on one thread.
"$sim" study --search 6 --careers 3 --basho 3 --seed 5 --tachiai 3 --moves 1,3,5 --threads 2 > s2.tsv
"$sim" study --search 6 --careers 3 --basho 3 --seed 5 --tachiai 3 --moves 1,3,5 --threads 1 > s1.tsv
check "search: six rows" [ "$(wc -l < s2.tsv)" -eq 7 ]
check "search: one or two threads, one table" cmp -s s1.tsv s2.tsv
check "search: sorted best first" \
  awk -F'\t' 'NR > 2 && ($7 > y || ($7 == y && $6 > o)) { exit 1 } NR > 1 { y = $7; o = $6 }' s2.tsv

# Refusals: a usage error naming the line, nothing written (the study's
# other usage errors are in data/usage-errors.tsv).
refused() {   # refused LINE-CONTENT WANTED-TEXT
  printf -- '--height 180 --weight 130\n\n%s\n' "$1" > bad.txt
  "$sim" study --builds bad.txt --careers 1 --basho 1 --seed 1 --chart bad.svg > out.txt 2> err.txt; rc=$?
  check "refused '$1': exit 2" [ $rc -eq 2 ]
  check "refused '$1': names line 3" grep -q "bad.txt line 3: .*$2" err.txt
  check "refused '$1': nothing written" [ ! -s out.txt -a ! -e bad.svg ]
}
refused "--height 200 --weight 111" "refuses this build: height 200 and weight 111"
refused "--stats 6,6,6,6,6,2,1,1,1,1,1,1" "the abilities take 26 points"
refused "--height 169" "--height"
refused "--stats 1,2" "twelve values"
refused "--speed 3" "--speed"
refused "--shikona 'open" "quote"
printf -- '--height 200 --weight 110 --stats 6,6,6,6,6,1,1,1,1,1,1,1\n' > edge.txt
"$sim" study --builds edge.txt --careers 1 --basho 1 --seed 1 > /dev/null
check "a build that spends both pools exactly is taken" [ $? -eq 0 ]
"$sim" study --builds edge.txt --replay 1,2 --careers 1 --seed 1 2> err.txt
check "replay of a career not in the study: usage error" [ $? -eq 2 ]

# --race: the builds that ran every career have the full search's rows, the
# best first; the dropped ones come after with fewer careers.
race=(--search 8 --careers 8 --basho 10 --seed 5 --tachiai 1,3 --moves 1,3 --threads 2)
"$sim" study "${race[@]}" > full.tsv
"$sim" study "${race[@]}" --race > race.tsv; rc=$?
check "race: exit 0, every build a row" [ $rc -eq 0 -a "$(wc -l < race.tsv)" -eq 9 ]
check "race: the full search's best row first" [ "$(sed -n 2p race.tsv)" = "$(sed -n 2p full.tsv)" ]
check "race: fewer careers" [ "$(awk -F'\t' 'NR > 1 { n += $3 } END { print n }' race.tsv)" -lt 64 ]
"$sim" study "${race[@]}" --race --shard 1/2 --partial p.tsv 2> err.txt
check "race with a shard: usage error" [ $? -eq 2 -a ! -e p.tsv ]
"$sim" study "${race[@]}" --race 1 2> err.txt
check "--race takes no value" [ $? -eq 2 ]

exit $fail
