#!/usr/bin/env bash
# Measures Brindlemark side by side with a minimal Qt 6 Widgets window and, where they are
# installed, GCompris (gcompris-qt) and KAnagram (kanagram), all on one private Xvfb display,
# and prints a Markdown table with every figure as a ratio to them and the goal it must meet.
#
#   bench/compare.sh            (make compare)
#
# Start-up is the time from starting a program to the first drawing in its window (the X
# server's DAMAGE report, bench/firstpaint.cpp), the median of RUNS starts. Peak memory is
# the largest resident set: Brindlemark's after walking through every screen
# (bench/visit_main.cpp), the others' once started and settled. Screens, ticks, drag moves
# and stroke segments are Google Benchmark figures (bench/bench_*.cpp) on the same display,
# set against the same actions in the minimal window (bench/minimal_window.cpp).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"
RUNS=${RUNS:-10}

# The benchmarks are built with the tests, which a release build leaves out unless asked.
cmake --preset release -DBUILD_TESTING=ON >/dev/null
cmake --build --preset release -j "$(nproc)" --target brindlemark brindlemark_bench \
    brindlemark_visit minimal_qt_window firstpaint runfolder >/dev/null

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [[ -s "$scratch/display" ]] && break; sleep 0.05; done
export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb PATH="$PATH:/usr/games"
# The same fresh home for every program: no settings of the user's, and nothing left behind.
export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b + 0 == 0 || a == "-" || b == "-") print "-"; else printf "%.2f", a / b}'; }

# start OUT SETTLE-MS DIR PROGRAM...: one start, its "first-paint-ms peak-kB" added to OUT.
start() {
    local out=$1 settle=$2 dir=$3
    shift 3
    (cd "$dir" && "$build/bench/firstpaint" "$settle" "$@" 2>/dev/null) >>"$out" || true
}

# medians OUT: sets startup_ms and peak_kb, the medians of the starts in OUT.
medians() {
    if [[ -s "$1" ]]; then
        startup_ms=$(cut -d' ' -f1 "$1" | median)
        peak_kb=$(cut -d' ' -f2 "$1" | median)
    else
        startup_ms=- peak_kb=-
    fi
}

# startup SETTLE-MS DIR PROGRAM...: RUNS starts of one program, then their medians.
startup() {
    : >"$scratch/startup"
    for _ in $(seq "$RUNS"); do start "$scratch/startup" "$@"; done
    medians "$scratch/startup"
}

# The program and the minimal window start in turn, so that a change in the machine's load
# weighs on both alike.
for _ in $(seq "$RUNS"); do
    start "$scratch/ours" 300 "$build/run" "$build/brindlemark"
    start "$scratch/qt" 300 "$build" "$build/bench/minimal_qt_window"
done
medians "$scratch/ours"
ours_start=$startup_ms
medians "$scratch/qt"
qt_start=$startup_ms qt_peak=$peak_kb
gc_start=- gc_peak=- ka_start=- ka_peak=-
if command -v gcompris-qt >/dev/null; then
    startup 4000 "$scratch" gcompris-qt
    gc_start=$startup_ms gc_peak=$peak_kb
fi
if command -v kanagram >/dev/null; then
    startup 4000 "$scratch" kanagram
    ka_start=$startup_ms ka_peak=$peak_kb
fi
ours_peak=$(cd "$build/run" && "$build/bench/brindlemark_visit" 2>/dev/null | tail -1)

# Google Benchmark figures, in microseconds, by benchmark name.
(cd "$build/run" && "$build/bench/brindlemark_bench" --benchmark_format=csv \
    --benchmark_filter='openAndFirstPaint|titleTick|scrambleFlightTick/painted:1|FlashTick|dragMove|strokeSegment/3/1' \
    2>/dev/null) | awk -F, 'NR > 1 && $1 != "" {
        gsub(/"/, "", $1); t = $3; u = $5
        if (u == "ns") t /= 1000; else if (u == "ms") t *= 1000; else if (u == "s") t *= 1e6
        printf "%s %.1f\n", $1, t }' >"$scratch/ours"
"$build/bench/minimal_qt_window" --measure >"$scratch/minimal" 2>/dev/null
fig() { awk -v n="$1" '$1 == n {print $2}' "$2"; }
qt_open=$(fig open "$scratch/minimal")
qt_tick=$(fig tick "$scratch/minimal")
qt_drag=$(fig drag "$scratch/minimal")
qt_stroke=$(fig stroke "$scratch/minimal")
ms() { awk -v v="$1" 'BEGIN {if (v == "-") print "-"; else printf (v < 1000 ? "%.3f" : "%.1f"), v / 1000}'; }
mb() { awk -v v="$1" 'BEGIN {if (v == "-") print "-"; else printf "%.1f", v / 1024}'; }

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')
echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores of $cpu, $(awk '/MemTotal/ {printf "%.0f GB", $2 / 1048576}' /proc/meminfo),"
echo "$(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), Xvfb 1280x1024x24, release build."
echo
echo "| Figure | Brindlemark | Minimal Qt window | ratio | GCompris | ratio | KAnagram | ratio | Goal |"
echo "|---|---|---|---|---|---|---|---|---|"
echo "| Start to first paint, median of $RUNS (ms) | $ours_start | $qt_start | $(ratio "$ours_start" "$qt_start") | $gc_start | $(ratio "$ours_start" "$gc_start") | $ka_start | $(ratio "$ours_start" "$ka_start") | ≤ 1.5 × minimal |"
echo "| Peak resident memory (MB) | $(mb "$ours_peak") | $(mb "$qt_peak") | $(ratio "$ours_peak" "$qt_peak") | $(mb "$gc_peak") | $(ratio "$ours_peak" "$gc_peak") | $(mb "$ka_peak") | $(ratio "$ours_peak" "$ka_peak") | ≤ 60 MB, ≤ ⅓ GCompris |"
while read -r name us; do
    case $name in
        openAndFirstPaint/*) label="Open and first paint: ${name#*/} (ms)" base=$qt_open ;;
        titleTick) label="Tick: title opening pictures (ms)" base=$qt_tick ;;
        scrambleFlightTick*) label="Tick: Scrambled Words flying letter (ms)" base=$qt_tick ;;
        circuitsFlashTick) label="Tick: circuits answer flashing (ms)" base=$qt_tick ;;
        reproFlashTick) label="Tick: plant answer flashing (ms)" base=$qt_tick ;;
        dragMove/*) label="Drag move: ${name#*/} (ms)" base=$qt_drag ;;
        strokeSegment*) label="Jotter stroke segment (ms)" base=$qt_stroke ;;
        *) continue ;;
    esac
    goal="≤ 2 ms"
    [[ $name == openAndFirstPaint/* ]] && goal="≤ 16 ms"
    echo "| $label | $(ms "$us") | $(ms "$base") | $(ratio "$us" "$base") | - | - | - | - | $goal |"
done <"$scratch/ours"
