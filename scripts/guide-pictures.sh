#!/usr/bin/env bash
# Takes the pictures of the user guide (docs/pictures) from the real program
# and the shipped examples, under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset perf >/dev/null
cmake --build --preset perf --target brennick brennick_probe sample_pictures
BRENNICK_BINARY=$PWD/build/perf/bin/brennick \
    BRENNICK_PROBE=$(find "$PWD/build/perf" -name 'libbrennick_probe.so' | head -n 1) \
    python3 scripts/guide_pictures.py "$PWD/docs/pictures"
