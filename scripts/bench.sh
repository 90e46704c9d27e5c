#!/usr/bin/env bash
# Builds an optimised copy of the program in build/perf and prints the
# figures at a large server's size: each reader and writer beside its
# baseline (with the ratio), then the page operations timed in the real
# widgets, offscreen.
# Arguments are passed to the benchmark, e.g. --benchmark_min_time=1.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/perf -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/perf --target brennick_bench performance_widget_test >/dev/null

echo "== Readers and writers at a large server's size"
status=0
build/perf/bin/brennick_bench --benchmark_color=false "$@" || status=$?

echo
echo "== Page operations at a large server's size (median of 3 runs)"
QT_QPA_PLATFORM=offscreen build/perf/bin/performance_widget_test --gtest_brief=1 \
    --gtest_filter='PageTimingTest.*' 2>&1 | grep -v -e '^This plugin' -e '^QStandardPaths' -e '^\[' || status=$?
exit "$status"
