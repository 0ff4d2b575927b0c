# Checks of a career's history against its save file, for the scripts that
# play careers (sourced). Run in the career's folder on a career begun with
# the history (from day 1 of a new career).
#   check_history KIRIMAKI-SIM: prints what is wrong and fails, or nothing.
check_history() {
  local sim=$1
  "$sim" show > h.show 2> h.err || { echo "show fails: $(cat h.err)"; return 1; }
  "$sim" history --all > h.all 2> h.err || { echo "no history: $(cat h.err)"; return 1; }
  "$sim" history --bouts > h.bouts 2> h.err || { echo "no bouts: $(cat h.err)"; return 1; }
  # Each wrestler's rows add up to his career wins and losses; his last two
  # finished basho are lbw and tbaw.
  awk -F'\t' '
    FNR == 1 { for (i = 1; i <= NF; i++) col[FILENAME, $i] = i; next }
    FILENAME == ARGV[1] {
      n = $(col[FILENAME, "shikona"]); b = $(col[FILENAME, "basho"])
      w[n] += $(col[FILENAME, "wins"]); l[n] += $(col[FILENAME, "losses"])
      at[n, b] = $(col[FILENAME, "wins"]); if (b > last) last = b; next
    }
    {
      n = $(col[FILENAME, "shikona"]); s = col[FILENAME, "gmw"]
      if (w[n] != $s || l[n] != $(col[FILENAME, "gml"]))
        { print n ": history " w[n] "-" l[n] ", file " $s "-" $(col[FILENAME, "gml"]); bad = 1 }
      if (last > 1 && at[n, last - 1] != $(col[FILENAME, "lbw"])) { print n ": lbw differs"; bad = 1 }
      if (last > 2 && at[n, last - 2] != $(col[FILENAME, "tbaw"])) { print n ": tbaw differs"; bad = 1 }
    }
    END { exit bad }' h.all h.show || return 1
  # Every day 20 bouts, one for each wrestler, up to the file's day: that day
  # at most its computer bouts, nothing later.
  local day current
  day=$(awk -F'\t' 'NR == 2 { print $2 }' h.show)
  current=$(awk -F'\t' 'NR > 1 && $2 > m { m = $2 } END { print m + 0 }' h.all)
  awk -F'\t' -v fileDay="$day" -v last="$current" '
    NR == 1 { next }
    $2 <= 15 {
      count[$1, $2]++
      if (seen[$1, $2, $3]++ || seen[$1, $2, $4]++) { print "basho " $1 " day " $2 ": " $3 " or " $4 " twice"; bad = 1 }
    }
    END {
      for (b = 1; b <= last; b++)
        for (d = 1; d <= 15; d++) {
          c = count[b, d] + 0
          if (b < last || d < fileDay) { if (c != 20) { print "basho " b " day " d ": " c " bouts"; bad = 1 } }
          else if (c > 19 || (d > fileDay && c > 0)) { print "basho " b " day " d ": " c " bouts beyond the file"; bad = 1 }
        }
      exit bad
    }' h.bouts || return 1
}
