#!/bin/sh
# Start-up time and memory of tindle: builds the program when needed and measures it with
# the startup-bench tool, beside an empty Qt 6 window (the tool's -Q baseline), in two ways:
#   first  a program folder that has never run (no DATA/: the game chooser is shown);
#   again  a program folder that has run once (DATA/ holds the preferences).
# Every start gets its own fresh copy of the program folder (hard links, plus a copy of
# DATA/), so nothing an earlier start wrote changes the path; the copying adds a
# millisecond or two to tindle's times.
#
# Usage: bench/startup.sh [TOOL] [-- TOOL-OPTIONS...]
#   TOOL defaults to $TINDLE_STARTUP_BENCH, else ../shared/tools/startup-bench.sh beside the
#   repository. Without the tool the benchmark is skipped (exit 0). Options after -- go to
#   the tool (default: -n 9). BUILD_DIR (default build) is the program folder.
set -eu

# One start (called by the tool for every run): a fresh copy of the template, then the program.
if [ "${1:-}" = "--start" ]; then
    template=$2
    run=$(mktemp -d "$template.run.XXXXXX")
    for f in "$template"/*; do
        [ -f "$f" ] || continue
        ln "$f" "$run/" 2>/dev/null || cp "$f" "$run/"
    done
    if [ -d "$template/DATA" ]; then cp -r "$template/DATA" "$run/DATA"; fi
    cd "$run"
    exec ./tindle
fi

repo=$(cd "$(dirname "$0")/.." && pwd)
tool=${TINDLE_STARTUP_BENCH:-$repo/../shared/tools/startup-bench.sh}
if [ $# -gt 0 ] && [ "$1" != "--" ]; then
    tool=$1
    shift
fi
[ "${1:-}" = "--" ] && shift
if [ $# -eq 0 ]; then set -- -n 9; fi
if [ ! -x "$tool" ]; then
    echo "startup benchmark skipped: no startup-bench tool at $tool (set TINDLE_STARTUP_BENCH)"
    exit 0
fi

build=${BUILD_DIR:-build}
case $build in /*) ;; *) build=$repo/$build ;; esac
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$(nproc)" --target tindle tindle-cli

work=$(mktemp -d "${TMPDIR:-/tmp}/tindle-startup.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
for name in first again; do
    mkdir "$work/$name"
    for f in "$build"/tindle "$build"/tindle-cli "$build"/GAMES.DAT "$build"/ZUV.RGF \
        "$build"/*.hlp "$build"/*.so; do
        [ -f "$f" ] && cp "$f" "$work/$name/"
    done
done
# "again": started once, so that DATA/ holds what a first start leaves.
"$tool" -n 1 -w 0 -q 0 -s 2 "sh -c 'cd $work/again && exec ./tindle'" >/dev/null
if [ ! -d "$work/again/DATA" ]; then
    echo "startup benchmark: the first start left no DATA/ folder" >&2
    exit 1
fi

self=$repo/bench/startup.sh
"$tool" "$@" -Q "first::sh $self --start $work/first" "again::sh $self --start $work/again"
