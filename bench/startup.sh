#!/bin/sh
# Start-up time and memory of tindle: builds the program when needed and measures it with
# the startup-bench tool, beside an empty Qt 6 window (the tool's -Q baseline), in two ways:
#   first  a program folder that has never run (no DATA/: the game chooser is shown);
#   again  a program folder that has run once (DATA/ holds the preferences).
# Each round of the tool starts with a third, uncounted tindle, the primer (a copy of again):
# whatever the tool runs first in a round starts about 25 ms later than the same program run
# second (measured: with first, again, baseline in that order, first's main window was painted
# 25-30 ms after again's, and the other way round with again put first), so the primer takes
# that place and the programs compared all start after another one.
# Every start gets its own fresh copy of the program folder (hard links, plus a copy of
# DATA/), so nothing an earlier start wrote changes the path. The copies are made before the
# tool runs: made by the start itself, their dozen processes added 10-15 ms to tindle's times
# and not to the baseline's. A start now only picks its copy (shell built-ins) and takes the
# time of the exec (one `date`), a millisecond or two.
#
# The tool times the first window that is mapped, which for tindle is the splash. The time
# from the exec of tindle until the main window's first picture is on the screen ("main
# window painted") comes from the program itself: each start writes the exec time and the
# program the paint time to a marks file: the measured program is tindle-marked, tindle with
# that mark (bench/MarkedProgram.cpp), so that tindle itself reads no environment. The
# summary below the tool's table gives it, and the targets as ratios to the Qt 6 baseline
# of the same run.
#
# Usage: bench/startup.sh [TOOL] [-- TOOL-OPTIONS...]
#   TOOL defaults to $TINDLE_STARTUP_BENCH, else ../shared/tools/startup-bench.sh beside the
#   repository. Without the tool the benchmark is skipped (exit 0). Options after -- go to
#   the tool (default: -n 9). BUILD_DIR (default build) is the program folder; the tool's raw
#   results go to TINDLE_STARTUP_RAW when it is set (the tool's own -o is taken by this
#   script).
#   EARLIER_DIR, when set, is the program folder of an earlier build (a copy of its tindle,
#   tindle-marked, GAMES.DAT and libraries, taken before a change): it is started too, as
#   "earlier" (again) and "earlier-first", in the same interleaved rounds, so that a change is
#   judged against the same run's baseline and load.
set -eu

# A fresh copy of a program folder: its files hard-linked (copied where links fail), DATA/
# copied. The running copy's lock file is left out: shared by link, every copy would be the
# same running program.
fresh_copy() { # template copy
    mkdir "$2"
    for f in "$1"/*; do
        [ -f "$f" ] || continue
        [ "${f##*/}" = tindle.lock ] && continue
        ln "$f" "$2/" 2>/dev/null || cp "$f" "$2/"
    done
    if [ -d "$1/DATA" ]; then cp -r "$1/DATA" "$2/DATA"; fi
}

# One start (called by the tool for every run): the next copy of the template made
# beforehand (one is made now when they have run out), then the program.
if [ "${1:-}" = "--start" ]; then
    template=$2
    next=0
    if [ -f "$template.next" ]; then read -r next <"$template.next"; fi
    echo $((next + 1)) >"$template.next"
    run=$template.run.$next
    [ -d "$run" ] || fresh_copy "$template" "$run"
    cd "$run"
    printf '%s ' "$(date +%s%N)" >>"$template.marks"
    exec ./tindle-marked "$template.marks"
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
cmake --build "$build" -j "$(nproc)" --target tindle tindle-cli tindle-marked

work=$(mktemp -d "${TMPDIR:-/tmp}/tindle-startup.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
copy_program() { # from to
    mkdir "$2"
    for f in "$1"/tindle "$1"/tindle-marked "$1"/tindle-cli "$1"/GAMES.DAT "$1"/ZUV.RGF \
        "$1"/ZUV2X.RGF "$1"/*.hlp "$1"/*.so; do
        [ -f "$f" ] && cp "$f" "$2/"
    done
    return 0
}
# Started once, so that DATA/ holds what a first start leaves.
start_once() { # folder
    "$tool" -n 1 -w 0 -q 0 -s 2 "sh -c 'cd $1 && exec ./tindle'" >/dev/null
    if [ ! -d "$1/DATA" ]; then
        echo "startup benchmark: the first start in $1 left no DATA/ folder" >&2
        exit 1
    fi
}
# The most starts the tool makes of one program with these options (its defaults: -n 7 -w 1
# -r 3): every warm-up and measured round, each measured again as often as the noise guard may.
most_starts() { # tool options
    n=7 w=1 r=3
    while [ $# -gt 0 ]; do
        case $1 in
        -n) n=$2 && shift ;;
        -w) w=$2 && shift ;;
        -r) r=$2 && shift ;;
        esac
        shift
    done
    echo $(((n + w) * (r + 1)))
}
starts=$(most_starts "$@")
# The copies of a template for every start, made now.
make_copies() { # template
    i=0
    while [ "$i" -lt "$starts" ]; do
        fresh_copy "$1" "$1.run.$i"
        i=$((i + 1))
    done
}
copy_program "$build" "$work/first"
copy_program "$build" "$work/again"
start_once "$work/again"
cp -r "$work/again" "$work/primer"
self=$repo/bench/startup.sh
set -- "$@" "primer::sh $self --start $work/primer" "first::sh $self --start $work/first" \
    "again::sh $self --start $work/again"
if [ -n "${EARLIER_DIR:-}" ]; then
    if [ ! -x "$EARLIER_DIR/tindle-marked" ]; then
        echo "startup benchmark: no tindle-marked in EARLIER_DIR=$EARLIER_DIR" >&2
        exit 1
    fi
    copy_program "$EARLIER_DIR" "$work/earlier"
    start_once "$work/earlier"
    copy_program "$EARLIER_DIR" "$work/earlier-first"
    set -- "$@" "earlier::sh $self --start $work/earlier" \
        "earlier-first::sh $self --start $work/earlier-first"
fi
for template in "$work/primer" "$work/first" "$work/again" \
    ${EARLIER_DIR:+"$work/earlier"} ${EARLIER_DIR:+"$work/earlier-first"}; do
    make_copies "$template"
done

raw=${TINDLE_STARTUP_RAW:-$work/raw.tsv}
# The tool's progress lines (stderr) are kept too: they tell which starts were measured again.
{ "$tool" -o "$raw" -Q "$@" 2>&1 1>&3 | tee "$work/progress" >&2; } 3>&1
[ -s "$raw" ] || exit 1

# The main window painted, per start that the tool counted: the marks file has one line per
# start in the order of the progress lines; a start measured again (noise guard) and the
# warm-up are left out, as the tool leaves them out.
painted() { # label -> the counted times in ms, one a line
    awk -v L="$1" -v marks="$work/$1.marks" '
        $1 == "round" {
            label = ($3 == "(warm-up)") ? $4 : $3
            if (label != L ":") next
            n++; round[n] = $2 + 0
        }
        END {
            i = 0
            while ((getline line < marks) > 0) {
                i++
                k = split(line, f, " ")
                if (k == 2 && i <= n && round[i] >= 1 && (i == n || round[i + 1] != round[i]))
                    printf "%.1f\n", (f[2] - f[1]) / 1e6
            }
        }' "$work/progress"
}
median() { sort -n | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "-"; exit }
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.0f (%.0f-%.0f) %d\n", m, v[1], v[NR], NR }'; }
column_median() { # label column -> median over the ok runs of the raw results
    awk -F'\t' -v L="$1" -v C="$2" 'NR == 1 { for (i = 1; i <= NF; i++) if ($i == C) c = i; next }
        $2 == L && $3 == "ok" && $c + 0 >= 0 { print $c }' "$raw" | median | cut -d' ' -f1
}
first=$(painted first | median)
again=$(painted again | median)
base_paint=$(column_median qt6-baseline paintN_ms)
base_pss=$(column_median qt6-baseline pss_kb)
again_pss=$(column_median again pss_kb)
first_last=$(column_median first paintN_ms)
echo
echo "| tindle | main window painted ms (from the exec of tindle) | starts |"
echo "|---|---|---|"
echo "| first | ${first% *} | ${first##* } |"
echo "| again | ${again% *} | ${again##* } |"
earlier= earlier_pss= earlier_last=
if [ -n "${EARLIER_DIR:-}" ]; then
    earlier=$(painted earlier | median)
    earlier_first=$(painted earlier-first | median)
    echo "| earlier (started again) | ${earlier% *} | ${earlier##* } |"
    echo "| earlier-first | ${earlier_first% *} | ${earlier_first##* } |"
    earlier_pss=$(column_median earlier pss_kb)
    earlier_last=$(column_median earlier-first paintN_ms)
fi
echo
# The ratios to the baseline, of this build and (with EARLIER_DIR) of the earlier one.
awk -v bp="$base_paint" -v bm="$base_pss" -v ap="${again%% *}" -v am="$again_pss" \
    -v fl="$first_last" -v ep="${earlier%% *}" -v em="$earlier_pss" -v el="$earlier_last" \
    'function r(a, b) { return (a == "-" || b == "-" || b == 0) ? "-" : sprintf("%.2f", a / b) }
    BEGIN {
        if (ep != "") {
            printf "The earlier build, started again: %s x the baseline paint, PSS baseline + %.1f MiB\n",
                r(ep, bp), (em - bm) / 1024
            printf "The earlier build, first start, last paint: %s x the baseline paint\n\n", r(el, bp)
        }
        printf "Ratios to the qt6-baseline of this run (its paint %s ms, PSS %.1f MiB):\n", bp, bm / 1024
        printf "  started again, main window painted: %s x the baseline paint (target <= 1.6)\n", r(ap, bp)
        printf "  started again, PSS: baseline + %.1f MiB (target <= 12)\n", (am - bm) / 1024
        printf "  first start, last paint (the game chooser): %s x the baseline paint (target <= 2)\n", r(fl, bp)
    }'
