#!/usr/bin/env python3
"""Prints the medians of a Google Benchmark JSON file and checks them against the targets."""
import json
import sys

UNITS = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}

# (what, numerator, denominator or None, limit): a ratio of medians, or an absolute limit in us.
TARGETS = [
    ("whole-canvas fill / memset", "BM_FillWholeCanvas", "BM_MemsetCanvas", 5.0),
    ("whole-canvas fill / OpenCV", "BM_FillWholeCanvas", "BM_OpenCvFloodFill", 0.2),
    ("circle fill / OpenCV", "BM_FillCircle", "BM_OpenCvFillCircle", 0.2),
    ("one flower (us)", "BM_PaintFlower", None, 100.0),
    ("ten flowers (us)", "BM_TenFlowers", None, 1000.0),
    ("press to screen (us)", "BM_PressToScreen", None, 2000.0),
    ("10^6 petals (us)", "BM_PetalLoop/1000000", None, 200000.0),
    ("2^31 - 1 petals (us)", "BM_PetalLoop/2147483647", None, 2000000.0),
    ("printing a number (us)", "BM_PrintNumber", None, 100.0),
    ("saving / writing its bytes", "BM_SaveBitmap", "BM_SaveFloor", 1.5),
]


def medians(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    result = {}
    for run in runs:
        if run.get("aggregate_name") == "median":
            result[run["run_name"]] = run["real_time"] * UNITS[run["time_unit"]]
    return result


def main():
    median = medians(sys.argv[1])
    print(f"{'case':32} {'median':>12}")
    for name, value in median.items():
        print(f"{name:32} {value:10.1f} us")
    print()
    print(f"{'target':32} {'measured':>10} {'limit':>10}")
    failed = 0
    for what, top, bottom, limit in TARGETS:
        value = median[top] / median[bottom] if bottom else median[top]
        ok = value <= limit
        failed += not ok
        print(f"{what:32} {value:10.3f} {limit:10.3f}  {'met' if ok else 'NOT MET'}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
