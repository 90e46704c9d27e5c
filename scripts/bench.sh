#!/usr/bin/env bash
# Builds an optimised copy of the program in build/perf and prints the
# figures at a large server's size: each reader and writer beside its
# baseline (with the ratio), the resident memory of the main window with
# every table loaded and edited, then the page operations timed in the real
# widgets, offscreen. Fails when a figure is over its bound.
# Arguments are passed to the benchmark, e.g. --benchmark_min_time=1.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset perf >/dev/null
cmake --build --preset perf --target brennick_bench brennick_memory_bench page_timing_test >/dev/null

echo "== Readers and writers at a large server's size"
status=0
build/perf/bin/brennick_bench --benchmark_color=false "$@" || status=$?

echo
echo "== Resident memory at a large server's size, 1,000 edits on each table"
build/perf/bin/brennick_memory_bench 2>&1 | grep -v -e '^This plugin' -e '^QStandardPaths' || status=$?

echo
echo "== Page operations at a large server's size (median of 3 runs)"
QT_QPA_PLATFORM=offscreen build/perf/bin/page_timing_test --gtest_brief=1 2>&1 | grep -v -e '^This plugin' -e '^QStandardPaths' -e '^\[' || status=$?
exit "$status"
