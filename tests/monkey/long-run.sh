#!/usr/bin/env bash
# The long monkey run: the monkey test of an AddressSanitizer and UndefinedBehaviorSanitizer
# build, one process per seed, as many at once as there are cores, then the figures.
# Usage: long-run.sh TEST-PROGRAM EVENTS-PER-SEED SEED...
set -uo pipefail
program=$1
events=$2
shift 2
logs=$(mktemp -d)
start=$(date +%s)
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
for seed in "$@"; do
    while (($(jobs -rp | wc -l) >= $(nproc))); do wait -n; done
    BRINDLEMARK_MONKEY_SEEDS=$seed BRINDLEMARK_MONKEY_EVENTS=$events \
        "$program" --gtest_filter=MonkeyTest.* >"$logs/$seed" 2>&1 &
done
wait
total=0 findings=0 failed=0
for seed in "$@"; do
    line=$(grep -m1 "^monkey: seed" "$logs/$seed")
    if [[ -z "$line" ]]; then
        # No summary: the run died (a sanitizer report, a crash); that is a finding.
        echo "seed $seed: did not finish"
        tail -40 "$logs/$seed"
        failed=1
        findings=$((findings + 1))
        continue
    fi
    echo "$line"
    grep -A12 "^seed $seed, event" "$logs/$seed" | head -60
    total=$((total + $(sed -E 's/.*, ([0-9]+) events.*/\1/' <<<"$line")))
    findings=$((findings + $(sed -E 's/.*, ([0-9]+) findings.*/\1/' <<<"$line")))
done
echo "long monkey run: $total events over $# seeds, $findings findings, $(($(date +%s) - start)) s"
rm -rf "$logs"
[[ $findings -eq 0 && $failed -eq 0 ]]
