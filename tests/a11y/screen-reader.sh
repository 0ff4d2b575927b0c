#!/bin/sh
# What a screen reader finds in the real game: the game runs on a virtual
# 1280x1024 screen with a window manager, inside a D-Bus session of its own
# with the accessibility bus, and walk-screens.py reads it as a screen reader
# does and plays it by keys. Each run starts the game afresh on a prepared
# career, in a temporary folder; every fault of every run is reported.
#   usage: screen-reader.sh KIRIMAKI [RUN ...]
# A run is `tour` (a day-8 career: every screen the main menu opens, then a
# day, a bout with its bonus and the leaderboard by keys alone), `mono-ii` (a
# bout the judges look at), `basho-end` (a day-15 career that ends in a
# playoff the player fights, then the end of the basho) or `scale` (the
# tour's windows at twice the size). Without RUN, all four.
set -u
here=$(dirname "$(readlink -f "$0")")
game=$(readlink -f "$1")
shift
[ $# -gt 0 ] || set -- tour mono-ii basho-end scale

# Outside the session: start it, with this script inside it. The session's
# daemons' chatter is dropped; anything else they say is kept.
if [ -z "${KIRIMAKI_A11Y_SESSION:-}" ]; then
  said=$(mktemp)
  KIRIMAKI_A11Y_SESSION=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- "$0" "$game" "$@" 2> "$said"
  status=$?
  grep -v -e "Failed to set fd limit" -e "Activating service" -e "Successfully activated" \
    -e "SpiRegistry daemon is running" "$said" >&2
  rm -f "$said"
  exit $status
fi
exec 2>&1

work=$(mktemp -d)
trap 'kill $(jobs -p) 2> /dev/null; rm -rf "$work"' EXIT
# A runtime folder of its own, so that Qt has nothing to warn about.
mkdir -m 700 "$work/runtime" && export XDG_RUNTIME_DIR="$work/runtime"

# Polls CONDITION every 0.05 s for at most 20 s.
waitFor() {
  for _ in $(seq 1 400); do
    "$@" > /dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}
busAnswers() {
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress
}

openbox --sm-disable --startup "touch $work/wm-ready" > "$work/wm.log" 2>&1 &
/usr/libexec/at-spi-bus-launcher --launch-immediately > "$work/bus.log" 2>&1 &
waitFor test -e "$work/wm-ready" || { echo "the window manager did not start:"; cat "$work/wm.log"; exit 1; }
waitFor busAnswers || { echo "the accessibility bus did not start:"; cat "$work/bus.log"; exit 1; }

# run NAME CAREER SEED [SCALE]: the game on a copy of CAREER with the
# generator seeded by SEED and its windows scaled by SCALE, walked by
# walk-screens.py. The seeds are those on which the prepared careers reach
# what each run needs (data/README.md).
run() {
  name=$1 career=$2 seed=$3 scale=${4:-1}
  folder="$work/$name"
  mkdir "$folder" && cp "$here/data/$career" "$folder/rikishi.r" && chmod u+w "$folder/rikishi.r"
  (cd "$folder" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KIRIMAKI_SEED=$seed QT_SCALE_FACTOR=$scale \
    exec "$game" > "$folder/game.log" 2>&1) &
  pid=$!
  /usr/bin/python3 "$here/walk-screens.py" --run "$name" --pid "$pid" --scale "$scale"
  status=$?
  kill "$pid" 2> /dev/null
  wait "$pid" 2> /dev/null
  if [ -s "$folder/game.log" ]; then
    echo "$name: the game wrote:"
    sed 's/^/  /' "$folder/game.log"
  fi
  return $status
}

failed=0
for name in "$@"; do
  case $name in
    tour) run tour day8-unbeaten.r 17 || failed=1 ;;
    mono-ii) run mono-ii day2-mono-ii.r 100 || failed=1 ;;
    basho-end) run basho-end day15-tie.r 4 || failed=1 ;;
    scale) run scale day8-unbeaten.r 17 2 || failed=1 ;;
    *) echo "unknown run: $name" && failed=1 ;;
  esac
done
exit $failed
