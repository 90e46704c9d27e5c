#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
# the suite with warnings as errors, the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each libFuzzer target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-30}
scripts/install-deps.sh

echo "== Build and test (warnings are errors)"
cmake --preset ci
cmake --build --preset ci
ctest --preset ci

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

echo "== Fuzz each reader for ${FUZZ_SECONDS} s"
cmake --preset fuzz
cmake --build --preset fuzz
fuzz_work=$(mktemp -d)
trap 'rm -rf "$fuzz_work"' EXIT
fuzzers=0
for fuzzer in build/fuzz/bin/fuzz_*; do
    name=$(basename "$fuzzer")
    mkdir -p "$fuzz_work/$name"
    if [[ -d fuzz/corpus/$name ]]; then
        cp -r fuzz/corpus/"$name"/. "$fuzz_work/$name/"
    fi
    echo "-- $name"
    status=0
    "$fuzzer" -max_total_time="$FUZZ_SECONDS" -rss_limit_mb=4096 -print_final_stats=1 \
        "$fuzz_work/$name" >"$fuzz_work/$name.log" 2>&1 || status=$?
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done)" "$fuzz_work/$name.log" || true
    if [[ $status -ne 0 ]]; then
        tail -n 60 "$fuzz_work/$name.log"
        echo "$name found a failure"
        exit 1
    fi
    fuzzers=$((fuzzers + 1))
done
echo "fuzz: $fuzzers passed, 0 failed"
