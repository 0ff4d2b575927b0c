#!/bin/bash
# Installs the game into a temporary prefix and checks it as a desktop, a
# package manager and a player would meet it: every file in its place, the
# launcher entry and the metadata valid, the manual pages matching --help,
# the Debian package and its dependencies, and both installed programs run.
#   usage: install-check.sh BUILD-DIR SOURCE-DIR VERSION RELEASE-DATE APP-ID
set -u
. "$(dirname "$(readlink -f "$0")")/../support/check.sh"
build=$1 source=$2 version=$3 date=$4 id=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
step() { echo "[$SECONDS s] $*"; }
cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; exit 1; }

step "checking the tree"
# Every file where it belongs, and nothing else.
expected=$(sed "s/@ID@/$id/" "$(dirname "$(readlink -f "$0")")/data/installed-files.txt")
installed=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
check "installed files" [ "$installed" = "$expected" ] || diff <(echo "$expected") <(echo "$installed")
check "programs executable" test -x "$prefix/bin/kirimaki" -a -x "$prefix/bin/kirimaki-sim"
for size in 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  check "icon $size is a $size pixel PNG with alpha" \
    grep -q "PNG image data, $size x $size, 8-bit/color RGBA" <(file -b "$png")
done
check "scalable icon is SVG" grep -q "SVG" <(file -b "$prefix/share/icons/hicolor/scalable/apps/$id.svg")

step "validators"
# The launcher entry and the metadata pass their validators without a word.
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" > "$work/dfv.txt" 2>&1; rc=$?
check "desktop-file-validate passes without a word" [ $rc -eq 0 -a ! -s "$work/dfv.txt" ] || cat "$work/dfv.txt"
appstreamcli validate --no-net "$metainfo" > "$work/as.txt" 2>&1; rc=$?
check "appstreamcli passes with no error or warning" [ $rc -eq 0 -a -z "$(grep -E '^ *[EW]:' "$work/as.txt")" ] ||
  cat "$work/as.txt"
check "launcher keeps careers in the data folder" grep -qx "Exec=kirimaki --user-data" "$desktop"
check "metainfo release" grep -q "<release version=\"$version\" date=\"$date\">" "$metainfo"
shots=$(grep -o '[a-z-]*\.png</image>' "$metainfo" | sed 's|</image>||' | LC_ALL=C sort)
readme_shots=$(grep -o 'docs/[a-z-]*\.png' "$source/README.md" | sed 's|docs/||' | LC_ALL=C sort -u)
check "metainfo shows the README's screenshots" [ -n "$shots" -a "$shots" = "$readme_shots" ]

step "programs"
# Both programs from the installed tree, on no display at all for what needs none.
sim=$prefix/bin/kirimaki-sim
game=$prefix/bin/kirimaki
mkdir -p "$work/run" && cd "$work/run" || exit 1
for prog in kirimaki kirimaki-sim; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$prog" --version 2> err.txt); rc=$?
  check "$prog --version" [ $rc -eq 0 -a "$out" = "$prog $version" -a ! -s err.txt ]
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$prog" --help > help.txt 2> err.txt; rc=$?
  check "$prog --help" [ $rc -eq 0 -a -s help.txt -a ! -s err.txt ]
  # The manual page says what --help says: every option, every command.
  zcat "$prefix/share/man/man6/$prog.6.gz" > page.6
  check "$prog manual page renders without warnings" test -z "$(groff -man -ww -z page.6 2>&1)"
  sed 's/\\-/-/g' page.6 > page.txt
  for word in $(grep -oE '^  +-?-?[a-z][a-z-]*' help.txt); do
    check "$prog manual page has $word" grep -q -- "$word" page.txt
  done
  for section in SYNOPSIS OPTIONS FILES "EXIT STATUS" EXAMPLES; do
    check "$prog manual page has $section" grep -qx "\.SH $section" page.6
  done
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$prog" --no-such-option > out.txt 2> err.txt; rc=$?
  check "$prog usage error exits 2" [ $rc -eq 2 ]
  check "$prog usage error: one line and the hint, on standard error" \
    [ "$(wc -l < err.txt)" -eq 2 -a ! -s out.txt -a "$(sed -n 2p err.txt)" = "Try '$prog --help' for more information." ]
done
for command in new show bout play; do
  check "kirimaki-sim --help lists $command" grep -qE "^  $command " <("$sim" --help)
done

step "play"
# A short play from the installed tree.
"$sim" new --shikona Kiriyama
check "installed new writes the career" [ "$(stat -c %s rikishi.r 2>/dev/null)" = 8000 ]
"$sim" play --days 2 --seed 7 --transcript play.tsv; rc=$?
check "installed play fights two days" [ $rc -eq 0 -a "$(grep -cE "^record	(win|lose)$" play.tsv)" -eq 2 ]
rm -f rikishi.r play.tsv

step "game"
# The game from the installed tree, as the launcher starts it: the career goes
# to the data folder and nowhere else, and a second start keeps it.
mkdir -p "$work/home" "$work/data"
start_game() {
  HOME=$work/home XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work \
    timeout 60 "$game" "$@" > game.txt 2>&1
}
# The earlier steps' kirimaki-sim left their careers' locks; only the game's count here.
find "$work" -name 'rikishi.r.lock' -delete
start_game --user-data --self-test; rc=$?
check "game starts and quits by itself" [ $rc -eq 0 ] || cat game.txt
saved=$work/data/kirimaki/rikishi.r
check "career in the data folder" [ "$(stat -c %s "$saved" 2>/dev/null)" = 8000 ]
# The career and its lock, side by side.
careerFiles() { find "$work" -name 'rikishi.r*' | LC_ALL=C sort | tr '\n' ' '; }
check "career nowhere else" [ "$(careerFiles)" = "$saved $saved.lock " ]
cp "$saved" before.r
"$sim" play --days 1 --seed 3 --file "$saved" || fail=1
cp "$saved" played.r
# Qt's own options pass, with one dash or two, before or after ours.
start_game -platform offscreen --user-data --self-test; rc=$?
check "a second start, with a Qt option" [ $rc -eq 0 ]
check "a second start keeps the career" cmp -s "$saved" played.r
check "a second start writes nowhere else" [ "$(careerFiles)" = "$saved $saved.lock " ]
check "the career was played on" [ "$(cmp -s before.r played.r; echo $?)" -eq 1 ]
rm -f before.r played.r
# A relative XDG_DATA_HOME is no data folder: the default one is used.
XDG_DATA_HOME=relative HOME=$work/home QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work \
  timeout 60 "$game" --user-data --self-test > game.txt 2>&1
check "relative XDG_DATA_HOME ignored" [ -f "$work/home/.local/share/kirimaki/rikishi.r" -a ! -e relative ]
rm -rf "$work/home/.local"
# Without the option, the current directory, as before.
start_game --platform offscreen --self-test; rc=$?
check "start without --user-data" [ $rc -eq 0 ]
check "career in the current directory without --user-data" [ -f rikishi.r ]
check "data folder untouched without --user-data" [ "$(find "$work/data" -name 'rikishi.r*' ! -name '*.lock')" = "$saved" ]
rm -f rikishi.r rikishi.r.lock

step "package"
# The Debian package: its name, version, computed dependencies and contents.
cd "$work" || exit 1
cpack --config "$build/CPackConfig.cmake" -B "$work/package" > cpack.log 2>&1 || { cat cpack.log; exit 1; }
deb=$work/package/kirimaki_${version}_$(dpkg --print-architecture).deb
check "package built as kirimaki_<version>_<arch>.deb" test -f "$deb"
if [ -f "$deb" ]; then
  echo "Package fields:"; dpkg-deb -f "$deb"
  echo "Package contents:"; dpkg-deb -c "$deb"
  check "package version" [ "$(dpkg-deb -f "$deb" Version)" = "$version" ]
  depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
  for lib in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
    check "computed dependency on $lib" grep -qxF "$lib" <(echo "$depends")
  done
  packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | LC_ALL=C sort)
  check "package holds the installed files under /usr" [ "$packaged" = "$expected" ]
fi

[ $fail -eq 0 ] && echo "install check: all passed"
exit $fail
