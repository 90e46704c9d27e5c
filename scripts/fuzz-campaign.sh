#!/usr/bin/env bash
# A longer fuzz campaign: every libFuzzer target (or the ones named after
# SECONDS) for SECONDS seconds (1800 by default), JOBS targets at a time (1 by
# default: the machine is shared) at the priority NICE (0 by default), each
# starting from its seed corpus. Each run is kept short: inputs of at most
# MAX_LEN bytes (128 by default, a record or two), libFuzzer's plain input
# scheduling (-entropic=0) and no shrinking of corpus inputs (-reduce_inputs=0;
# both cost libFuzzer more bookkeeping a run than these targets take), and a
# build without comparison tracing, whose part the dictionaries in fuzz/dict/
# take over: they give the mutations the keys of each file.
# The campaign's build checks every run for undefined behaviour (trapping, so
# that its checks do not keep the compiler from inlining) and every index into
# a string, view, span, vector or array; AddressSanitizer would take about 60 %
# of a run, so it checks instead every input the campaign kept (each input that
# reached new code or new counts of code) afterwards, on the fuzz build, which
# also gives the whole report of any crash file. Prints one line of figures per
# target; a finding leaves its crash file in the work folder and makes the
# script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_PER_TARGET=${1:-1800}
shift || true
JOBS=${JOBS:-1}
NICE=${NICE:-0}
MAX_LEN=${MAX_LEN:-128}
work=${FUZZ_WORK:-$(mktemp -d /tmp/brennick-fuzz.XXXXXX)}
build=build/fuzz-campaign
replay=build/fuzz

for preset in fuzz-campaign fuzz; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >/dev/null
done

run_target() {
    local fuzzer=$1 name
    name=$(basename "$fuzzer")
    mkdir -p "$work/$name/corpus" "$work/$name/findings"
    if [[ -d fuzz/corpus/$name ]]; then
        cp -r fuzz/corpus/"$name"/. "$work/$name/corpus/"
    fi
    nice -n "$NICE" "$fuzzer" -max_total_time="$SECONDS_PER_TARGET" -max_len="$MAX_LEN" -entropic=0 \
        -reduce_inputs=0 -dict="fuzz/dict/$name.dict" -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$work/$name/findings/" "$work/$name/corpus" >"$work/$name/log" 2>&1 || true
    # -runs=0: each input of the corpus once.
    nice -n "$NICE" "$replay/bin/$name" -runs=0 -rss_limit_mb=4096 -artifact_prefix="$work/$name/findings/" \
        "$work/$name/corpus" >"$work/$name/replay.log" 2>&1 || true
}

if (($# > 0)); then
    fuzzers=("${@/#/$build/bin/}")
else
    fuzzers=("$build"/bin/fuzz_*)
fi
running=0
for fuzzer in "${fuzzers[@]}"; do
    run_target "$fuzzer" &
    running=$((running + 1))
    if ((running >= JOBS)); then
        wait -n
        running=$((running - 1))
    fi
done
wait

failed=0
printf "%-22s %12s %10s %8s %8s %9s %9s\n" target executions exec/s cov features replayed findings
for log in "$work"/*/log; do
    name=$(basename "$(dirname "$log")")
    executions=$(grep -oP 'stat::number_of_executed_units: \K\d+' "$log" || echo 0)
    speed=$(grep -oP 'stat::average_exec_per_sec:\s+\K\d+' "$log" || echo 0)
    last=$(grep -E '^#[0-9]+' "$log" | tail -1)
    coverage=$(grep -oP 'cov: \K\d+' <<<"$last" || echo 0)
    features=$(grep -oP 'ft: \K\d+' <<<"$last" || echo 0)
    replayed=$(grep -oP 'seed corpus: files: \K\d+' "$work/$name/replay.log" || echo 0)
    # A slow-unit file only marks an input that took long on a busy machine.
    findings=$(find "$work/$name/findings" -type f ! -name 'slow-unit-*' | wc -l)
    printf "%-22s %12s %10s %8s %8s %9s %9s\n" "$name" "$executions" "$speed" "$coverage" "$features" "$replayed" \
        "$findings"
    if ((findings > 0)) || ! grep -q INITED "$work/$name/replay.log"; then
        failed=1
    fi
done
echo "work folder: $work"
exit $failed
