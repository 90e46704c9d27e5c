#!/usr/bin/env bash
# Installs what is missing, builds Brennick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found: starting Brennick in a virtual X server (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/release/bin/brennick
fi
exec build/release/bin/brennick
