#!/usr/bin/env python3
"""Start-up to the first painted panel and peak memory of karvelostrum-demo, against a minimal
Qt dialog built from bench/. Both quit after their first paint; each is run several times and the
median is printed, then the ratios.

    python3 bench/measure_startup.py BUILD_DIR [RUNS]
"""
import json
import os
import statistics
import subprocess
import sys


def measure(program, env, runs):
    # ru_maxrss of children is a running maximum, so each program gets a fresh measuring process.
    code = (
        "import resource,subprocess,sys,json;"
        "o=subprocess.run([sys.argv[1]],capture_output=True,text=True,timeout=60,check=True).stdout;"
        "p=[float(l.split()[1]) for l in o.splitlines() if l.startswith('first-paint-ms')][0];"
        "print(json.dumps([p,resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss]))"
    )
    paints, peaks = [], []
    for _ in range(runs):
        out = subprocess.run([sys.executable, "-c", code, program], env=env, capture_output=True, text=True,
                             timeout=120, check=True).stdout
        paint, peak = json.loads(out)
        paints.append(paint)
        peaks.append(peak)
    return statistics.median(paints), statistics.median(peaks)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"),
               KARVELOSTRUM_DEMO_QUIT_AFTER_PAINT="1")
    demo = os.path.join(build, "app", "karvelostrum-demo")
    baseline = os.path.join(build, "bench", "bench_minimal_dialog")
    demo_paint, demo_peak = measure(demo, env, runs)
    base_paint, base_peak = measure(baseline, env, runs)
    print(f"{'program':<24}{'first paint (ms)':>18}{'peak RSS (MiB)':>16}")
    print(f"{'karvelostrum-demo':<24}{demo_paint:>18.1f}{demo_peak / 1024:>16.1f}")
    print(f"{'minimal Qt dialog':<24}{base_paint:>18.1f}{base_peak / 1024:>16.1f}")
    print(f"{'ratio':<24}{demo_paint / base_paint:>18.2f}{demo_peak / base_peak:>16.2f}")


if __name__ == "__main__":
    main()
