#!/usr/bin/env bash
# kirimaki-sim play run as a process: its day lines, its refusals and usage errors.
#   usage: play-command.sh PATH/TO/kirimaki-sim PATH/TO/career.r
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
# Writes the 32-bit little-endian value $2 at byte $3 of every record of file $1
# (one byte when $4 is 1).
patch_records() {
  local file=$1 value=$2 offset=$3 width=${4:-4} i bytes
  bytes=$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((value & 255)) $(((value >> 8) & 255)) \
          $(((value >> 16) & 255)) $(((value >> 24) & 255)))
  for ((i = 0; i < 40; i++)); do
    printf "$bytes" | dd of="$file" bs=1 seek=$((200 * i + offset)) count="$width" conv=notrunc status=none
  done
}
day_of() { "$sim" show --file "$1" | awk -F'\t' 'NR == 2 { print $2 }'; }

# Two days from a new career: the day lines in order, the bouts, the saves.
cp "$career" rikishi.r; chmod u+w rikishi.r
"$sim" play --days 2 --seed 3 --transcript out.tsv; rc=$?
check "two days exit 0" [ $rc -eq 0 ]
check "day lines" [ "$(grep -c '^day' out.tsv)" -eq 2 ]
check "first line is the day" [ "$(head -n 1 out.tsv)" = "$(printf 'day\t1')" ]
check "twenty result lines a day" [ "$(grep -c '^line' out.tsv)" -eq 40 ]
check "player's line 0 of day 1" [ "$(sed -n 2p out.tsv)" = "$(printf 'line\t0\tComp38\tVS.\tKiriyama')" ]
check "line 19 holds the top pair" grep -q "$(printf '^line\t19\tComp0[06]\t')" out.tsv
check "computer verbs" [ "$(grep '^line' out.tsv | cut -f4 | grep -cv -e '^defeats$' -e '^henkas$' -e '^upsets$' -e '^VS.$')" -eq 0 ]
check "two bouts recorded" [ "$(grep -c '^record' out.tsv)" -eq 2 ]
check "no leaderboard before day 8" [ "$(grep -c '^leaderboard' out.tsv)" -eq 0 ]
check "saved at day 3" [ "$(day_of rikishi.r)" = 3 ]
# Every wrestler has fought two bouts (cbw + cbl, columns 33 and 34 of show).
check "two bouts each" [ "$("$sim" show --file rikishi.r | awk -F'\t' 'NR > 1 && $33 + $34 != 2' | wc -l)" -eq 0 ]

# Usage errors: exit 2, nothing written.
cp "$career" start.r; chmod u+w start.r
for args in "--days 1 --basho 1" "" "--days 0" "--basho -1" "--days x" "--days 2 --moves 7"; do
  cp start.r rikishi.r
  # shellcheck disable=SC2086
  "$sim" play $args --transcript bad.tsv 2> err.txt; rc=$?
  check "usage '$args' exits 2" [ $rc -eq 2 ]
  check "usage '$args' one line and the hint" [ "$(wc -l < err.txt)" -eq 2 ]
  check "usage '$args' hint" [ "$(sed -n 2p err.txt)" = "Try 'kirimaki-sim --help' for more information." ]
  check "usage '$args' writes nothing" cmp -s start.r rikishi.r
  check "usage '$args' no transcript" [ ! -e bad.tsv ]
done

# Refused careers: exit 1, one line, the file untouched.
for case in day0 twoplayers noplayer; do
  cp "$career" "$case.r"; chmod u+w "$case.r"
  case $case in
    day0) patch_records "$case.r" 0 4 ;;
    twoplayers) printf '\x01' | dd of="$case.r" bs=1 seek=0 conv=notrunc status=none ;;
    noplayer) printf '\x00' | dd of="$case.r" bs=1 seek=$((200 * 39)) conv=notrunc status=none ;;
  esac
  cp "$case.r" before.r
  "$sim" play --days 1 --seed 1 --file "$case.r" --transcript refused.tsv 2> err.txt; rc=$?
  check "$case exits 1" [ $rc -eq 1 ]
  check "$case one line" [ "$(wc -l < err.txt)" -eq 1 ]
  check "$case file untouched" cmp -s before.r "$case.r"
  check "$case no transcript" [ ! -e refused.tsv ]
done

# A basho whose end was cut short (day 16) is finished first, as the game's
# Finish Basho does: the revision's lines, then the days of the next basho.
cp "$career" d16.r; chmod u+w d16.r; patch_records d16.r 16 4
"$sim" play --days 1 --seed 5 --file d16.r --transcript d16.tsv 2> err.txt; rc=$?
check "day 16 plays on" [ $rc -eq 0 ]
check "day 16 silent" [ ! -s err.txt ]
check "day 16 revision first" [ "$(head -n 1 d16.tsv | cut -f1)" = banzuke ]
check "day 16 then day 1" [ "$(grep -m1 -n '^day' d16.tsv)" = "2:day	1" ]
check "day 16 one revision" [ "$(grep -c '^banzuke' d16.tsv)" -eq 1 ]
check "day 16 now day 2" [ "$(day_of d16.r)" = 2 ]

# A missing file: exit 1.
"$sim" play --days 1 --file missing.r 2> err.txt; rc=$?
check "missing file exits 1" [ $rc -eq 1 ]
check "missing file named" grep -q missing.r err.txt

exit $fail
