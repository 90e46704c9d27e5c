#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test:
# the suite with warnings as errors, the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each libFuzzer target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-30}
export QT_QPA_PLATFORM=offscreen

scripts/install-deps.sh

echo "== Build and test (warnings are errors)"
cmake -S . -B build/ci -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRENNICK_WERROR=ON
cmake --build build/ci
ctest --test-dir build/ci --output-on-failure --timeout 600

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRENNICK_WERROR=ON -DBRENNICK_SANITIZE=ON
cmake --build build/sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build/sanitize --output-on-failure --timeout 900

echo "== Fuzz each reader for ${FUZZ_SECONDS} s"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENNICK_WERROR=ON -DBRENNICK_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz
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
