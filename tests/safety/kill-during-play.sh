#!/bin/bash
# Kills `kirimaki-sim play` with SIGKILL at random moments, again and again,
# and checks each time that rikishi.r is a complete career that loads and
# plays on: a save is either wholly done or not done at all. Each kill drops
# the career's lock with the process: the next run never waits for it. The
# history beside the file, once the next run has opened it, holds nothing of
# a step the file does not hold and no day twice.
#   usage: kill-during-play.sh KIRIMAKI-SIM START-FILE [ROUNDS]
set -u
sim=$(readlink -f "$1")
start=$(readlink -f "$2")
rounds=${3:-200}
. "$(dirname "$(readlink -f "$0")")/../history/history-checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$start" rikishi.r
chmod u+w rikishi.r

killed=0
midBasho=0
for ((i = 1; i <= rounds; i++)); do
  # A long run, killed within 0.4 s; it crosses ends of basho, where five
  # screens save in turn.
  "$sim" play --basho 20 --seed "$i" --tachiai 2,1 --moves 2,1,6 > /dev/null 2>&1 &
  pid=$!
  sleep "0.$(printf '%03d' $((RANDOM % 400)))"
  if kill -KILL "$pid" 2> /dev/null; then killed=$((killed + 1)); fi
  wait "$pid" 2> /dev/null

  size=$(stat -c %s rikishi.r)
  if [ "$size" -ne 8000 ]; then
    echo "round $i: rikishi.r holds $size bytes"; exit 1
  fi
  if ! "$sim" show > show.txt 2> show.err || [ "$(wc -l < show.txt)" -ne 41 ]; then
    echo "round $i: the saved career does not load: $(cat show.err)"; exit 1
  fi
  day=$(awk -F'\t' 'NR == 2 { print $2 }' show.txt)
  if [ "$day" = 16 ]; then
    # Killed inside the end of a basho: a complete career whose basho the
    # game offers to finish. Start the next round from a fresh career.
    midBasho=$((midBasho + 1))
    cp "$start" rikishi.r
    continue
  fi
  # A killed writer may leave its own temporary file; a finished one leaves
  # none, and removes nobody else's.
  before=$(ls rikishi.r.?????? 2> /dev/null)
  if ! "$sim" play --days 1 --seed "$i" > /dev/null 2> play.err; then
    echo "round $i: the saved career (day $day) does not play on: $(cat play.err)"; exit 1
  fi
  if [ "$(ls rikishi.r.?????? 2> /dev/null)" != "$before" ]; then
    echo "round $i: a finished save left a temporary file behind or removed another's"; exit 1
  fi
  if ! check_history "$sim"; then
    echo "round $i: the history does not match the file (day $day)"; exit 1
  fi
done
echo "$rounds rounds, $killed killed mid-run, $midBasho inside the end of a basho: every file complete"
