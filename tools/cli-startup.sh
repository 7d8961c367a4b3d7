#!/usr/bin/env bash
# Start-up of sheetwright-cli: the median wall time of RUNS runs (21 by
# default) of `info` on the smallest drawing of ../shared/fixtures/jww (or
# examples/sample.jww), beside the floor: starting /bin/true the same way.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-21}
[[ -f build/build.ninja ]] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target sheetwright-cli >/dev/null
drawing=$(ls -S ../shared/fixtures/jww/*.jww 2>/dev/null | tail -n 1 || true)
[[ -n "$drawing" ]] || drawing=examples/sample.jww
python3 - "$runs" "$drawing" <<'PY'
import os, statistics, subprocess, sys, time
runs, drawing = int(sys.argv[1]), sys.argv[2]
def median_ms(argv):
    times = []
    for _ in range(runs):
        t = time.perf_counter()
        subprocess.run(argv, stdout=subprocess.DEVNULL, check=True)
        times.append(time.perf_counter() - t)
    return statistics.median(times) * 1000
floor = median_ms(["/bin/true"])
info = median_ms(["build/src/cli/sheetwright-cli", "info", drawing])
print(f"{drawing} ({os.path.getsize(drawing)} bytes), median of {runs} runs")
print(f"  /bin/true (floor)        {floor:6.1f} ms")
print(f"  sheetwright-cli info     {info:6.1f} ms   ({info / floor:.1f}x the floor; aim: under 10 ms)")
PY
