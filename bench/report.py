#!/usr/bin/env python3
"""Prints the medians and spreads of a Google Benchmark JSON file and checks them against the targets.

Each ratio compares a hot path with a floor doing the same kind of work in the same run, so that a
machine that is slower or busier for the whole run moves both. The limits come from five separate
runs on the README's machine: the worst ratio seen, with the range beside each."""
import json
import sys

UNITS = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}

# (what, numerator, denominator or None, limit): a ratio of medians, or an absolute limit in us.
# The ratios' limits: the worst of five runs (2026-12-07) with about a fifth more as margin.
TARGETS = [
    ("whole-canvas fill / plain pass", "BM_FillWholeCanvas", "BM_ReadCompareWrite", 0.65),  # 0.52-0.53
    ("whole-canvas fill / OpenCV", "BM_FillWholeCanvas", "BM_OpenCvFloodFill", 0.25),  # 0.17-0.21
    ("circle fill / OpenCV", "BM_FillCircle", "BM_OpenCvFillCircle", 0.27),  # 0.19-0.22
    ("one flower (us)", "BM_PaintFlower", None, 100.0),
    ("ten flowers (us)", "BM_TenFlowers", None, 1000.0),
    ("press to screen (us)", "BM_PressToScreen", None, 2000.0),
    ("10^6 petals (us)", "BM_PetalLoop/1000000", None, 200000.0),
    ("10^7 petals (us)", "BM_PetalLoop/10000000", None, 200000.0),
    ("2^31 - 1 petals (us)", "BM_PetalLoop/2147483647", None, 2000000.0),
] + [
    (f"2^31 - 2 petals, pattern {p} (us)", f"BM_Pattern/{p}", None, 2000000.0)
    for p in ("77777", "1234567890", "99999999999", "123456789012", "1e12", "1234567890123", "1e16")
] + [
    ("printing a number (us)", "BM_PrintNumber", None, 100.0),
    ("saving / writing its bytes", "BM_SaveBitmap", "BM_SaveFloor", 1.8),  # 0.99-1.47: the disk is shared
]


def aggregates(path, name):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    result = {}
    for run in runs:
        if run.get("aggregate_name") == name:
            unit = 1.0 if name == "cv" else UNITS[run["time_unit"]]
            result[run["run_name"]] = run["real_time"] * unit
    return result


def main():
    median = aggregates(sys.argv[1], "median")
    spread = aggregates(sys.argv[1], "cv")
    print(f"{'case':32} {'median':>12} {'spread':>8}")
    for name, value in median.items():
        print(f"{name:32} {value:10.1f} us {100 * spread.get(name, 0):7.1f} %")
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
