#!/usr/bin/env bash
# One program writes a career at a time: two `play`s at once, the game and
# `play`, two games. The second writer is refused with one line (or the
# game's box) and touches nothing, neither the file nor its history; the
# first plays on exactly as alone, its history too.
#   usage: one-writer.sh KIRIMAKI-SIM KIRIMAKI START-FILE [ROUNDS]
set -u
. "$(dirname "$(readlink -f "$0")")/../support/check.sh"
. "$(dirname "$(readlink -f "$0")")/../history/history-checks.sh"
sim=$(readlink -f "$1")
game=$(readlink -f "$2")
start=$(readlink -f "$3")
rounds=${4:-30}
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2> /dev/null; rm -rf "$work"' EXIT
cd "$work"
export QT_QPA_PLATFORM=offscreen
# A runtime folder of its own, so that Qt has nothing to warn about on standard error.
mkdir -m 700 runtime && export XDG_RUNTIME_DIR=$work/runtime

# Waits until some program holds the career's lock. Read from the kernel's
# table of locks, since a probe that took the lock itself could refuse the
# very program it waits for.
locked() {
  for _ in $(seq 1 500); do
    ino=$(stat -c %i rikishi.r.lock 2> /dev/null) && grep -qE "^[0-9]+: FLOCK .*:$ino " /proc/locks && return 0
    sleep 0.01
  done
  return 1
}
fresh() { cp "$start" rikishi.r; chmod u+w rikishi.r; rm -f rikishi.history*; }
refusedOnce() { [ "$1" -eq 1 ] && [ "$(wc -l < "$2")" -eq 1 ] && grep -q "open in another program: $work/rikishi.r" "$2"; }

# The file a lone run leaves.
fresh
"$sim" play --basho 2 --seed 5 > /dev/null || exit 1
cp rikishi.r alone.r
"$sim" history --bouts > alone.bouts

# Two plays at once: the first is held still once it has the lock (so that
# it is surely running), the second is refused, the first finishes as alone.
refused=0
missed=0
for ((i = 1; i <= rounds; i++)); do
  fresh
  "$sim" play --basho 2 --seed 5 > /dev/null 2> first.err &
  first=$!
  if ! { locked && kill -STOP "$first" 2> /dev/null; }; then
    # Done before it could be held still: this round proves nothing.
    wait "$first"
    missed=$((missed + 1))
    check "the first play can be caught running" [ $missed -le "$rounds" ] || break
    i=$((i - 1))
    continue
  fi
  cp rikishi.r held.r
  held=$(cat rikishi.history* 2> /dev/null | md5sum)
  "$sim" play --days 2 --seed 9 > /dev/null 2> second.err; rc=$?
  check "round $i: the second play is refused with one line" refusedOnce $rc second.err || cat second.err
  check "round $i: the second play touched nothing" cmp -s rikishi.r held.r
  check "round $i: not even the history" [ "$(cat rikishi.history* 2> /dev/null | md5sum)" = "$held" ]
  kill -CONT "$first"
  wait "$first"; rc=$?
  check "round $i: the first play ends well" [ $rc -eq 0 ] || cat first.err
  check "round $i: the first play's file is the lone run's" cmp -s rikishi.r alone.r
  check "round $i: and so is its history" cmp -s <("$sim" history --bouts) alone.bouts
  check "round $i: which matches the file" check_history "$sim"
  refused=$((refused + 1))
done
check "every round refused the second play" [ $refused -eq "$rounds" ]

# The game holds its career from start-up to exit: play and bout --write are
# refused meanwhile, show and a bout that writes nothing are not.
fresh
"$game" > game.out 2>&1 &
running=$!
check "the game takes the lock" locked
"$sim" play --days 1 --seed 3 > /dev/null 2> play.err; rc=$?
check "play is refused while the game runs" refusedOnce $rc play.err
"$sim" bout --write --player 39 --opponent 38 --seed 3 > /dev/null 2> bout.err; rc=$?
check "bout --write is refused too" refusedOnce $rc bout.err
check "show reads on" "$sim" show > /dev/null
check "a bout that writes nothing is fought" "$sim" bout --player 39 --opponent 38 --seed 3 > /dev/null
check "nothing was written" cmp -s rikishi.r "$start"
# A second game says so (its self-test in one line, as a script sees it)
# and quits before it shows anything; it writes nothing.
"$game" --self-test > second.out 2> second.err; rc=$?
check "a second game is refused" refusedOnce $rc second.err || cat second.out second.err
check "and writes nothing" cmp -s rikishi.r "$start"
# Killed outright, the game blocks nobody: play gets the lock at once.
kill -9 $running; wait $running 2> /dev/null
check "play works once the game is gone" "$sim" play --days 1 --seed 3 > /dev/null
check "and plays the day" [ "$("$sim" show | awk -F'\t' 'NR == 2 { print $2 }')" = 2 ]
[ $fail -eq 0 ] && echo "$rounds rounds of two plays, the game beside play and a second game: one writer each time"
exit $fail
