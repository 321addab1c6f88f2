#!/bin/sh
# Runs every benchmark program of the build and prints the medians.
set -e
for b in "$1"/bench/bench_*; do
    [ -f "$b" ] && [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    QT_QPA_PLATFORM=offscreen "$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
        | grep -E 'median|Benchmark|---'
done
