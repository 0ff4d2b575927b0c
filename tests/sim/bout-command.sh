#!/usr/bin/env bash
# kirimaki-sim bout run as a process: with and without --write, a playoff bout,
# any two wrestlers, and every way of calling it wrongly.
#   usage: bout-command.sh PATH/TO/kirimaki-sim PATH/TO/career.r
set -u
sim=$(readlink -f "$1")
career=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail=0
check() {   # check DESCRIPTION CONDITION...
  local what=$1; shift
  if ! "$@"; then echo "FAIL: $what"; fail=1; fi
}
fresh() { cp "$career" rikishi.r; chmod u+w rikishi.r; rm -f out.tsv; }
# The records (0..39) in which two files differ.
changed_records() { cmp -l "$1" "$2" | awk '{ print int(($1 - 1) / 200) }' | sort -un | tr '\n' ' '; }
# Column $3 of record $2 in the save file $1, as show prints it.
field() { "$sim" show --file "$1" | awk -F'\t' -v r="$2" -v c="$3" 'NR == r + 2 { print $c }'; }

# Without --write nothing is written, not even the bout screen's own save.
fresh
"$sim" bout --seed 7 --player 39 --opponent 38 --transcript out.tsv; rc=$?
check "bout exits 0" [ $rc -eq 0 ]
check "file untouched" cmp -s rikishi.r "$career"
check "no temporary file left" [ ! -e rikishi.r.saving ]
check "starts with the set-up" [ "$(head -n 1 out.tsv | cut -f1)" = setup ]
check "one result" [ "$(grep -c '^record' out.tsv)" -eq 1 ]
check "labels after the result" [ "$(grep -A1 '^record' out.tsv | tail -n 1 | cut -f1)" = labels ]
check "no playoff line on day 1" [ "$(grep -c '^playoff' out.tsv)" -eq 0 ]
check "five captions after each play" \
  [ "$(grep -cE '^(tachiai|exchange)' out.tsv)" -eq "$(grep -c '^outcome' out.tsv)" ]
# The same seed and lists fight the same bout.
cp out.tsv first.tsv
"$sim" bout --seed 7 --player 39 --opponent 38 --transcript out.tsv
check "same seed, same bout" cmp -s out.tsv first.tsv
"$sim" bout --seed 7 --player 39 --opponent 38 --transcript - > stdout.tsv
check "transcript to standard output" cmp -s stdout.tsv first.tsv

# With --write only the two wrestlers' records change, each by one bout.
fresh
"$sim" bout --seed 7 --player 39 --opponent 38 --write; rc=$?
check "write exits 0" [ $rc -eq 0 ]
check "only records 38 and 39 change" [ "$(changed_records "$career" rikishi.r)" = "38 39 " ]
check "player fought one bout" [ $(( $(field rikishi.r 39 33) + $(field rikishi.r 39 34) )) -eq 1 ]
check "opponent fought one bout" [ $(( $(field rikishi.r 38 33) + $(field rikishi.r 38 34) )) -eq 1 ]

# Any two wrestlers, in either role, on any day.
fresh
"$sim" bout --seed 11 --player 0 --opponent 5 --day 9 --moves 1,3,5 --tachiai 4 --write --transcript out.tsv; rc=$?
check "two computer wrestlers exit 0" [ $rc -eq 0 ]
check "their records change" [ "$(changed_records "$career" rikishi.r)" = "0 5 " ]

# A playoff bout records only who won: the playoff line comes last.
fresh
"$sim" bout --seed 12 --player 39 --opponent 0 --day 16 --write --transcript out.tsv; rc=$?
check "playoff exits 0" [ $rc -eq 0 ]
check "playoff line last" grep -qxE "$(printf 'playoff\t(1\t0|0\t1)')" <(tail -n 1 out.tsv)
check "no labels in a playoff" [ "$(grep -c '^labels' out.tsv)" -eq 0 ]
check "no win or loss counted" [ "$(field rikishi.r 39 33)$(field rikishi.r 39 34)" = "00" ]

# Usage errors: exit 2, one line, nothing read or written.
for args in "--opponent 38" "--player 39" "--player 40 --opponent 38" "--player -1 --opponent 38" \
            "--player 5 --opponent 5" "--player 39 --opponent 38 --day 0" "--player 39 --opponent 38 --day 17" \
            "--player 39 --opponent 38 --day x" "--player 39 --opponent 38 --tachiai 5" \
            "--player 39 --opponent 38 --moves 0" "--player 39 --opponent 38 --train 13" \
            "--player 39 --opponent 38 --train 1,1" "--player 39 --opponent 38 --seed -1" \
            "--player 39 --opponent 38 --days 2" "--player 39 --opponent 38 --write=1" "--player" \
            "--player 39 --opponent 38 --file"; do
  fresh
  # shellcheck disable=SC2086
  "$sim" bout $args --transcript bad.tsv 2> err.txt; rc=$?
  check "usage '$args' exits 2" [ $rc -eq 2 ]
  check "usage '$args' one line and the hint" [ "$(wc -l < err.txt)" -eq 2 ]
  check "usage '$args' hint" [ "$(sed -n 2p err.txt)" = "Try 'kirimaki-sim --help' for more information." ]
  check "usage '$args' writes nothing" [ ! -e bad.tsv ]
  check "usage '$args' leaves the file" cmp -s rikishi.r "$career"
done

# No save file: exit 1, naming it.
"$sim" bout --player 39 --opponent 38 --file missing.r --transcript bad.tsv 2> err.txt; rc=$?
check "missing file exits 1" [ $rc -eq 1 ]
check "message names the file" grep -q missing.r err.txt
check "missing file writes nothing" [ ! -e bad.tsv ]

# A day outside 1 to 16 in record 0 needs --day.
fresh
printf '\x11\x00\x00\x00' | dd of=rikishi.r bs=1 seek=4 conv=notrunc status=none
cp rikishi.r day17.r
"$sim" bout --player 39 --opponent 38 --write --transcript bad.tsv 2> err.txt; rc=$?
check "day 17 exits 1" [ $rc -eq 1 ]
check "day 17 says so" [ "$(wc -l < err.txt)" -eq 1 ]
check "day 17 writes nothing" [ ! -e bad.tsv ]
check "day 17 leaves the file" cmp -s rikishi.r day17.r
"$sim" bout --player 39 --opponent 38 --day 3 --seed 1; rc=$?
check "day 17 with --day exits 0" [ $rc -eq 0 ]

# A save that fails is reported (exit 1) and the old file stays.
fresh
mkdir rikishi.r.saving
"$sim" bout --seed 7 --player 39 --opponent 38 --write 2> err.txt; rc=$?
check "failed save exits 1" [ $rc -eq 1 ]
check "failed save keeps the file" cmp -s rikishi.r "$career"
rmdir rikishi.r.saving

exit $fail
