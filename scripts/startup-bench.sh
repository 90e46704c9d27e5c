#!/usr/bin/env bash
# Measures the time from start to the first painted window of the editor and
# of a bare Qt Widgets window with a menu and tabs (bench/BareWindow.cpp), both
# started the same way in one virtual X server, and prints the medians, the
# CPU time and memory of each and the ratio. Fails when the editor takes more
# than 1.3 times the bare window.
# Usage: scripts/startup-bench.sh [RUNS]   (default 15 runs of each)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}

cmake --preset perf >/dev/null
cmake --build --preset perf --target brennick brennick_bare_window brennick_first_paint_exit >/dev/null

exec python3 - "$runs" build/perf/bin/brennick build/perf/bin/brennick_bare_window \
    build/perf/bench/libbrennick_first_paint_exit.so <<'PYTHON'
import os
import statistics
import subprocess
import sys
import time

runs, editor, bare, preload = int(sys.argv[1]), *sys.argv[2:]
read_end, write_end = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
os.close(write_end)
with os.fdopen(read_end) as pipe:
    display = ":" + pipe.readline().strip()
env = dict(os.environ, DISPLAY=display, LD_PRELOAD=os.path.abspath(preload))
env.pop("QT_QPA_PLATFORM", None)


def start(program):
    began = time.perf_counter()
    child = subprocess.Popen([os.path.abspath(program)], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0:
        raise SystemExit(f"{program} ended with status {status}")
    return time.perf_counter() - began, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024


try:
    figures = {"bare": [], "editor": []}
    start(bare), start(editor)  # warm the file cache
    for _ in range(runs):
        figures["bare"].append(start(bare))
        figures["editor"].append(start(editor))
finally:
    xvfb.terminate()
    xvfb.wait()

medians = {name: [statistics.median(run[i] for run in values) for i in range(3)]
           for name, values in figures.items()}
print(f"Start to first painted window, median of {runs} runs each:")
print(f"{'':<14}{'wall (ms)':>10}{'CPU (ms)':>10}{'memory (MB)':>13}")
for name, label in (("bare", "bare window"), ("editor", "editor")):
    wall, cpu, memory = medians[name]
    print(f"{label:<14}{wall * 1000:>10.1f}{cpu * 1000:>10.1f}{memory:>13.1f}")
ratio = medians["editor"][0] / medians["bare"][0]
print(f"ratio (wall): {ratio:.2f}, CPU: {medians['editor'][1] / medians['bare'][1]:.2f}, "
      f"memory: {medians['editor'][2] / medians['bare'][2]:.2f}")
sys.exit(0 if ratio <= 1.3 else 1)
PYTHON
