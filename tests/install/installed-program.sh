#!/bin/sh
# The installed program: installs the build into a temporary prefix, validates the launcher
# entry and the AppStream metadata there, and starts the installed program (offscreen) with a
# home folder of its own. Its preferences must land under that home and nothing may change
# under the prefix. The program started is LOGGED_PROGRAM, the test build of tindle that writes
# its messages to a file instead of showing them, placed beside the installed tindle so that it
# finds its files as the installed one does.
#
#   installed-program.sh BUILD_DIR APP_ID MODULE_INSTALL_DIR LOGGED_PROGRAM
set -eu

build=$1
app_id=$2
module_dir=$3
logged=$4
work=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "installed-program: $*" >&2
    exit 1
}

prefix=$work/prefix
home=$work/home
data_home=$home/.local/share/tindle
mkdir -p "$home"
cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
for file in bin/tindle bin/tindle-cli "$module_dir/tindle-sound.so" \
    share/tindle/GAMES.DAT share/tindle/WINNABLE.DAT share/tindle/ZUV.RGF share/tindle/ZUV2X.RGF \
    share/tindle/bravell.hlp \
    share/icons/hicolor/scalable/apps/$app_id.svg \
    share/man/man6/tindle.6.gz share/man/man6/tindle-cli.6.gz; do
    [ -f "$prefix/$file" ] || fail "$file was not installed"
done
for side in 16 22 24 32 48 64 128 256; do
    icon=share/icons/hicolor/${side}x${side}/apps/$app_id.png
    [ -s "$prefix/$icon" ] || fail "$icon was not installed"
done

desktop-file-validate "$desktop" || fail "the launcher entry is not valid"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    fail "the AppStream metadata is not valid: $(cat "$work/appstream.log")"
# The launcher starts the installed executable, which finds the installed games.
grep -qx 'Exec=tindle' "$desktop" || fail "the launcher entry does not start tindle"
grep -q '<li>Freecell</li>' "$metainfo" || fail "the AppStream game list misses Freecell"
"$prefix/bin/tindle-cli" games | grep -q ' Freecell$' || fail "tindle-cli finds no games"

cp "$logged" "$prefix/bin/tindle-logged"

# Everything under the prefix, as it is before the start.
snapshot() { find "$prefix" -printf '%p %s %T@\n' | sort; }
snapshot >"$work/before"

env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/tindle-logged" "$work/messages.log" >"$work/output.log" 2>&1 &
pid=$!
# The players are written while the window is made, the version stamp after them.
tries=0
while [ ! -f "$data_home/SOLV0520.DAT" ] && [ $tries -lt 300 ]; do
    kill -0 "$pid" 2>/dev/null || fail "tindle ended at its start: $(cat "$work/output.log")"
    sleep 0.1
    tries=$((tries + 1))
done
kill -0 "$pid" 2>/dev/null || fail "tindle ended at its start"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

[ -f "$data_home/SOLV0520.DAT" ] || fail "no version stamp in $data_home"
grep -q '^UserDefault=Player 1' "$data_home/DATA/CFG.DAT" ||
    fail "no preferences in $data_home/DATA/CFG.DAT"
[ ! -e "$work/messages.log" ] || fail "tindle told the player: $(cat "$work/messages.log")"
snapshot >"$work/after"
cmp -s "$work/before" "$work/after" ||
    fail "the start changed the prefix: $(diff "$work/before" "$work/after")"
echo "installed-program: ok"
