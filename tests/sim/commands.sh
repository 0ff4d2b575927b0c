#!/usr/bin/env bash
# kirimaki-sim as a player or a script runs it, where no golden scenario goes:
# new and show, bouts without --write, refused careers, usage errors (the
# table in data/usage-errors.tsv, printf escapes allowed), files
# that cannot be read (failed saves: SaveFaultsSimTest).
#   usage: commands.sh PATH/TO/kirimaki-sim PATH/TO/career.r
set -u
. "$(dirname "$(readlink -f "$0")")/../support/check.sh"
sim=$(readlink -f "$1")
career=$(readlink -f "$2")
usages=$(dirname "$(readlink -f "$0")")/data/usage-errors.tsv
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cd "$work"
fresh() { cp "$career" rikishi.r; chmod u+w rikishi.r; rm -f out.tsv bad.tsv; }
# Column $3 (from 1) of record $2 of the save file $1, as show prints it.
field() { "$sim" show --file "$1" | awk -F'\t' -v r="$2" -v c="$3" 'NR == r + 2 { print $c }'; }
# Writes the bytes $3 (printf escapes) at byte $2 of file $1.
poke() { printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }

# new writes silently what the golden career holds: every record's numbers
# (its names are another game's) and the player's record entirely.
rm -f rikishi.r
"$sim" new --shikona Kiriyama --real-name "Kenji Morita" --height 184 --weight 126 \
  --stats 4,3,3,3,3,2,3,3,2,2,2,3 > out.txt 2>&1; rc=$?
check "new exits 0 silently" [ $rc -eq 0 -a ! -s out.txt ]
for r in $(seq 0 39); do
  check "record $r numbers" cmp -s <(tail -c +$((200 * r + 45)) rikishi.r | head -c 156) \
                                   <(tail -c +$((200 * r + 45)) "$career" | head -c 156)
done
check "the player's record" cmp -s <(tail -c 200 rikishi.r) <(tail -c 200 "$career")
first=$(cat rikishi.r | od -An -tx1)
"$sim" new --shikona Other
check "a new career keeps the old one as the backup" [ "$(od -An -tx1 rikishi.r.bak)" = "$first" ]
check "names in Latin-1, abilities in screen order" \
  [ "$("$sim" new --file j.r --shikona "J$(printf '\xc3\xbc')rgen" --stats 6,5,4,3,2,1,1,1,1,1,1,2 &&
       field j.r 39 3; field j.r 39 9; field j.r 39 20; field j.r 39 21)" = "$(printf 'J\xfcrgen\n6\n1\n2')" ]

# show: a header and 40 records of 43 columns, any file as it stands.
check "show header" [ "$("$sim" show | head -n 1 | cut -f 1,5,33,43)" = "$(printf 'isPlayer\tage\tcbw\tslot')" ]
check "41 lines of 43 columns" [ "$("$sim" show | awk -F'\t' 'NF == 43' | wc -l)" -eq 41 ]
cp "$career" odd.r; chmod u+w odd.r
poke odd.r 44 '\xcd\xcc\xcc\x3d'                                # age 0.1
poke odd.r $((200 + 23)) 'qqqqqqqqqqqqqqqqqqqqq'                # a real name without its end
check "float as stored" [ "$(field odd.r 0 5)" = 0.100000001 ]
check "text ends with its field" [ "$(field odd.r 1 4)" = qqqqqqqqqqqqqqqqqqqqq ]
head -c 250 "$career" > short.r
check "a short file shows zeros" [ "$("$sim" show --file short.r | tail -n 1 | cut -f 43)" = 0 ]

# A bout without --write writes nothing; the same seed fights the same bout.
fresh
"$sim" bout --seed 7 --player 39 --opponent 38 --transcript out.tsv; rc=$?
check "bout exits 0, file untouched" [ $rc -eq 0 -a -z "$(ls rikishi.r.?????? 2> /dev/null)" ] && check "file" cmp -s rikishi.r "$career"
"$sim" bout --seed 7 --player 39 --opponent 38 --transcript - > stdout.tsv
check "same seed, same bout, to standard output" cmp -s stdout.tsv out.tsv
check "a bout was fought" grep -q '^record' out.tsv
"$sim" bout --seed 0 --player 39 --opponent 38 > /dev/null; rc=$?
check "0 is a seed like any other" [ $rc -eq 0 ]

# Usage errors: exit 2, one line and the hint to --help, nothing read or written.
usage() {   # usage COMMAND ARGS...: a transcript asked for first, so that a bad option may come last
  fresh
  local cmd=$1 out=(); shift; case $cmd in play | bout) out=(--transcript bad.tsv) ;; esac
  "$sim" "$cmd" "${out[@]}" "$@" > out.txt 2> err.txt; rc=$?
  check "'$cmd $*': exit 2, one line and the hint, nothing printed, read or written" \
    [ $rc -eq 2 -a "$(wc -l < err.txt)" -eq 2 -a ! -s out.txt -a ! -e bad.tsv -a \
      "$(sed -n 2p err.txt)" = "Try 'kirimaki-sim --help' for more information." ]
  check "'$*' leaves the file" cmp -s rikishi.r "$career"
}
while IFS=$'\t' read -r cmd args; do
  IFS=' ' read -ra words <<< "$(printf '%b' "$args")"
  usage "$cmd" "${words[@]}" < /dev/null
done < "$usages"
check "13 and 20 characters fit" "$sim" new --file fit.r --shikona Abcdefghijklm --real-name "Abcdefghij Klmnopqrs"

# Careers and files that cannot be played: exit 1, one line naming the
# problem or the file, nothing written.
refused() {   # refused WORD FILE COMMAND ARGS...: the message holds WORD
  local word=$1 file=$2; shift 2
  local out=(); case $1 in play | bout) out=(--transcript bad.tsv) ;; esac
  cp "$file" before.r 2> /dev/null
  "$sim" "$@" --file "$file" "${out[@]}" > out.txt 2> err.txt; rc=$?
  check "'$*' on $file: exit 1, one line saying $word, nothing written" \
    [ $rc -eq 1 -a "$(wc -l < err.txt)" -eq 1 -a ! -e bad.tsv ] && check "$file: says $word" grep -q -- "$word" err.txt
  [ -e "$file" ] && check "$file left as it was" cmp -s before.r "$file"
}
for c in day16 day0 twoplayers noplayer day17; do cp "$career" $c.r; chmod u+w $c.r; done
for r in $(seq 0 39); do poke day16.r $((200 * r + 4)) '\x10'; poke day0.r $((200 * r + 4)) '\x00'; done
poke twoplayers.r 0 '\x01'
poke noplayer.r $((200 * 39)) '\x00'
poke day17.r 4 '\x11'
for c in day0 twoplayers noplayer; do refused $c.r $c.r play --days 1 --seed 1; done
refused missing.r missing.r play --days 1
refused missing.r missing.r bout --player 39 --opponent 38
refused missing.r missing.r show
refused --day day17.r bout --player 39 --opponent 38 --write
check "day 17 with --day" "$sim" bout --player 39 --opponent 38 --day 3 --seed 1 --file day17.r
refused missing-folder/career.r missing-folder/career.r new
# A basho cut short at its end, but with no player to revise.
cp day16.r day16-noplayer.r; poke day16-noplayer.r $((200 * 39)) '\x00'
refused "Nothing was played" day16-noplayer.r play --days 1 --seed 1
# Genki in the billions on both sides and stamina that cancels fatigue: only
# each exchange's points drain it, a few dozen at a time, so the bout cannot end.
fresh; cp rikishi.r endless.r
for r in 38 39; do poke endless.r $((200 * r + 184)) '\x00\x94\x35\x77'; poke endless.r $((200 * r + 108)) '\x0a\0\0\0'; done
cp endless.r before.r
"$sim" bout --player 39 --opponent 38 --seed 1 --write --file endless.r 2> err.txt; rc=$?
check "an endless bout: exit 1, saying so, nothing written" \
  [ $rc -eq 1 -a "$(grep -c "has not ended" err.txt)" -eq 1 ] && check "endless.r left" cmp -s before.r endless.r

# The last day with a huge potential and abilities far below their ceilings:
# the chanko autopilot stops buying and the basho closes.
fresh
for r in $(seq 0 39); do poke rikishi.r $((200 * r + 4)) '\x0f'; done
poke rikishi.r $((200 * 39 + 116)) '\xeb\xff\xff\x7f'
poke rikishi.r $((200 * 39 + 60)) '\0\0\0\x80\0\0\0\x80'
"$sim" play --days 1 --seed 9 --train 1,2 --transcript out.tsv; rc=$?
check "a huge chanko pool ends" [ $rc -eq 0 -a "$(field rikishi.r 0 2)" = 1 ] &&
  check "the chanko and the revision ran" grep -q "^chanko	For your record of" out.tsv
# A file one byte short loads what it holds and is saved whole.
head -c 7999 "$career" > rikishi.r
check "a file one byte short plays" "$sim" play --days 2 --seed 1
check "and is saved whole" [ "$(stat -c %s rikishi.r)" -eq 8000 ]

exit $fail
