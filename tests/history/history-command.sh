#!/bin/bash
# The career's history as kirimaki-sim and the game's screens write it, and
# as `kirimaki-sim history` prints it: the sums against the save file, the
# same history through both front-ends, damaged and failing histories,
# --no-history and the command's refusals.
#   usage: history-command.sh KIRIMAKI-SIM KIRIMAKI-PILOT|- GOLDEN-DATA
set -u
sim=$(readlink -f "$1")
pilot=$2
[ "$pilot" = - ] || pilot=$(readlink -f "$pilot")
data=$(readlink -f "$3")
here=$(dirname "$(readlink -f "$0")")
. "$here/history-checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# The player's tachiai, exchanges, mono-ii and tori-naoshi, bout by bout.
choices() {
  python3 -c 'import sqlite3
for row in sqlite3.connect("rikishi.history").execute("SELECT basho, day, seq, tachiai, strategies, monoii, "
    "tori_naoshi FROM bouts WHERE player = 1 ORDER BY basho, day, seq"): print(*row, sep="\t")'
}
fresh() { rm -rf "$work/$1" && mkdir "$work/$1" && cp "$data/$2" "$work/$1/rikishi.r" && chmod u+w "$work/$1/rikishi.r" && cd "$work/$1"; }

# A golden scenario through kirimaki-sim: the history adds up to the file.
for scenario in basho-3 playoff; do
  read -r start args < "$data/$scenario.args"
  eval "set -- $args"
  fresh "sim-$scenario" "$start"
  "$sim" "$@" > /dev/null 2> err || fail "$scenario: $(cat err)"
  [ ! -s err ] || fail "$scenario: kirimaki-sim said: $(cat err)"
  check_history "$sim" || fail "$scenario: the history does not match the file"
  [ "$(choices | awk -F'\t' '$4 == "" || $5 == ""' | wc -l)" -eq 0 ] || fail "$scenario: a bout of the player without his choices"
  [ "$(awk -F'\t' 'NR > 1 && $2 == 16' h.bouts | wc -l)" -gt 0 ] || [ "$scenario" != playoff ] ||
    fail "$scenario: no playoff bout"
  # ... and through the screens: the very same history, row for row.
  if [ "$pilot" != - ]; then
    fresh "pilot-$scenario" "$start"
    QT_QPA_PLATFORM=offscreen "$pilot" "$@" > /dev/null 2>&1 || fail "$scenario: the pilot fails"
    for listing in "" --all --bouts --champions --careers; do
      "$sim" history $listing > screens.txt
      (cd "$work/sim-$scenario" && "$sim" history $listing) > sim.txt
      cmp -s screens.txt sim.txt || fail "$scenario: history $listing differs between the front-ends"
    done
    # The player's choices too, which no listing prints.
    cmp -s <(choices) <(cd "$work/sim-$scenario" && choices) || fail "$scenario: the player's choices differ"
  fi
done

cd "$work/sim-basho-3"
# The player's table: one row per basho, the current one last.
[ "$("$sim" history | wc -l)" -eq 5 ] || fail "three basho and the current one are not 4 rows"
"$sim" history --chart rank.svg > /dev/null && grep -q "<polyline" rank.svg || fail "no rank chart"
name=$(awk -F'\t' 'NR == 2 { print $3 }' h.bouts)
"$sim" history --head-to-head "$name" | awk -F'\t' 'NR > 1 { w += $2; l += $3 } END { exit !(w + l > 0) }' ||
  fail "no head-to-head for $name"
# The head-to-head adds up to the player's bouts; the yusho of a basho
# without a playoff goes to its best record.
player=$("$sim" history --careers | awk -F'\t' 'END { print $2 }')
bouts=$(awk -F'\t' 'NR > 1 && $6 == 1' h.bouts | wc -l)
"$sim" history --head-to-head "$player" | awk -F'\t' -v n="$bouts" 'NR > 1 { t += $2 + $3 } END { exit t != n }' ||
  fail "the head-to-head of $player does not add up to his $bouts bouts"
"$sim" history --champions | awk -F'\t' 'FNR == 1 { next }
  FILENAME == ARGV[1] { if ($6 > best[$2]) { best[$2] = $6; who[$2] = $1 } else if ($6 == best[$2]) who[$2] = ""; next }
  $5 == 0 && $3 != who[$1] { print "basho " $1 ": yusho " $3 ", best record " who[$1]; bad = 1 }
  END { exit bad }' h.all - || fail "a yusho went past the best record"
"$sim" history --wrestler Nobody > /dev/null 2> err && fail "an unknown name is accepted"
"$sim" history --all --bouts > /dev/null 2>&1; [ $? -eq 2 ] || fail "two listings are not a usage error"
"$sim" history --career 2 > /dev/null 2>&1; [ $? -eq 2 ] || fail "a career that is not there is accepted"

# A bout written outside the schedule is recorded as one bout.
before=$("$sim" history --bouts | wc -l)
"$sim" bout --player 0 --opponent 1 --write --seed 1 > /dev/null || fail "bout --write"
[ "$("$sim" history --bouts | wc -l)" -eq $((before + 1)) ] || fail "bout --write recorded no bout"

# --no-history makes no file; a folder without one is an error for history.
fresh quiet career.r
"$sim" play --days 2 --no-history --seed 1 > /dev/null || fail "play --no-history"
[ ! -e rikishi.history ] || fail "--no-history made a history"
"$sim" history > /dev/null 2> err; [ $? -eq 1 ] && [ "$(wc -l < err)" -eq 1 ] || fail "no history, no error"

# Damaged or foreign histories are kept aside and a new one begins; the
# player is told once and the career goes on.
for damage in truncated random foreign; do
  fresh "$damage" career.r
  "$sim" play --days 3 --seed 1 > /dev/null || fail "$damage: first play"
  case $damage in
    truncated) truncate -s 3000 rikishi.history; rm -f rikishi.history-wal rikishi.history-shm ;;
    random) dd if=/dev/urandom of=rikishi.history bs=1024 seek=1 count=8 conv=notrunc 2> /dev/null ;;
    foreign) rm -f rikishi.history*
      python3 -c 'import sqlite3; c = sqlite3.connect("rikishi.history"); c.execute("create table t(x)"); c.commit()' ;;
  esac
  "$sim" play --days 2 --seed 2 > /dev/null 2> err || fail "$damage: the career stops: $(cat err)"
  [ "$(wc -l < err)" -eq 1 ] && grep -q "kept as" err || fail "$damage: the player is not told once: $(cat err)"
  ls rikishi.history.damaged-* > /dev/null 2>&1 || fail "$damage: the old history is not kept aside"
  "$sim" history > /dev/null || fail "$damage: no new history"
  "$sim" play --days 1 --seed 3 > /dev/null 2> err && [ ! -s err ] || fail "$damage: told again"
done

# A history that cannot be written: the career goes on, told once.
fresh unwritable career.r
mkdir rikishi.history
"$sim" play --days 3 --seed 1 > /dev/null 2> err || fail "an unwritable history stops the career"
[ "$(wc -l < err)" -eq 1 ] && grep -q "cannot be written" err || fail "unwritable: not told once: $(cat err)"
[ "$(awk -F'\t' 'NR == 2 { print $2 }' <("$sim" show))" -eq 4 ] || fail "unwritable: the days were not saved"
echo "history: ok"
