#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Builds the bench preset, runs every bench_* program and prints one table (Markdown, ready for
# the README) with each figure beside its reference measured in the same run.
#
# How a benchmark fills its row: the figure is the counter "value" in the unit named by the
# label (state.SetLabel("MiB")), or else the measured time; the counter "reference" is the
# yardstick in the same unit. Goals, all optional: "goal_ratio" (value / reference at most),
# "goal_diff" (value - reference at most), "goal_max" (value at most). Any other counter is
# listed under "Also". With repetitions, the median row is shown.
#
# Arguments are passed to every benchmark (e.g. --benchmark_filter=Startup). BUILD_DIR chooses
# another tree configured like the preset. Exits non-zero if anything failed to build or run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" python3
cd "$root"

status=0
if [ -n "${BUILD_DIR:-}" ]; then
    build="$BUILD_DIR"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTUMPWELL_TESTS=OFF \
          -DSTUMPWELL_BENCH=ON >/dev/null
    cmake --build "$build" -j2 -- -k 0 >&2 || status=1
else
    build="$root/build/bench"
    cmake --preset bench >/dev/null
    cmake --build --preset bench -j2 -- -k 0 >&2 || status=1
fi
[ "$status" -eq 0 ] || echo "run.sh: some targets did not build; running the benchmarks that did" >&2

results="$build/bench/results"
rm -rf "$results"
mkdir -p "$results"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
found=0
for program in "$build"/bench/bench_*; do
    if [ ! -f "$program" ] || [ ! -x "$program" ]; then continue; fi
    found=1
    name="$(basename "$program")"
    echo "run.sh: running $name" >&2
    if ! "$program" --benchmark_out="$results/$name.json" --benchmark_out_format=json "$@" >&2; then
        echo "run.sh: $name failed" >&2
        status=1
    fi
done
[ "$found" -eq 1 ] || { echo "run.sh: no benchmark was built" >&2; exit 1; }

python3 - "$results" <<'EOF' || status=1
import json
import pathlib
import re
import sys

STANDARD = {"name", "family_index", "per_family_instance_index", "run_name", "run_type",
            "repetitions", "repetition_index", "threads", "iterations", "real_time",
            "cpu_time", "time_unit", "label", "aggregate_name", "aggregate_unit",
            "error_occurred", "error_message", "bytes_per_second", "items_per_second"}


def short(name):
    return re.sub(r"/(iterations:\d+|repeats:\d+|manual_time|real_time|process_time)", "", name)


def number(x):
    return f"{x:.3g}" if abs(x) < 100 else f"{x:.0f}"


rows = []
failed = False
for path in sorted(pathlib.Path(sys.argv[1]).glob("*.json")):
    if path.stat().st_size == 0:  # a program whose benchmarks the filter left out
        continue
    entries = json.loads(path.read_text()).get("benchmarks", [])
    medians = {e["run_name"] for e in entries if e.get("aggregate_name") == "median"}
    for e in entries:
        if e["run_name"] in medians and e.get("aggregate_name") != "median":
            continue
        name = short(e["run_name"])
        if e.get("error_occurred"):
            failed = True
            rows.append([name, "error: " + e.get("error_message", ""), "", "", "", "", "", ""])
            continue
        extra = {k: v for k, v in e.items() if k not in STANDARD}
        if "value" in extra:
            value, unit = extra.pop("value"), e.get("label", "")
        else:
            value, unit = e["real_time"], e.get("time_unit", "")
        reference = extra.pop("reference", None)
        ratio = diff = ""
        goals, met = [], []
        if reference is not None:
            ratio = f"{value / reference:.2f}" if reference else ""
            diff = f"{value - reference:+.3g} {unit}"
        if "goal_ratio" in extra:
            goal = extra.pop("goal_ratio")
            goals.append(f"ratio <= {goal:g}")
            met.append(reference is not None and reference > 0 and value / reference <= goal)
        if "goal_diff" in extra:
            goal = extra.pop("goal_diff")
            goals.append(f"<= {goal:g} {unit} above")
            met.append(reference is not None and value - reference <= goal)
        if "goal_max" in extra:
            goal = extra.pop("goal_max")
            goals.append(f"<= {goal:g} {unit}")
            met.append(value <= goal)
        also = ", ".join(f"{k}={number(v)}" for k, v in extra.items()
                         if isinstance(v, (int, float)))
        rows.append([name, f"{number(value)} {unit}",
                     "" if reference is None else f"{number(reference)} {unit}",
                     ratio, diff, "; ".join(goals),
                     "" if not met else ("met" if all(met) else "MISSED"), also])

header = ["Figure", "Value", "Reference", "Ratio", "Difference", "Goal", "", "Also"]
print("| " + " | ".join(header) + " |")
print("|" + "---|" * len(header))
for row in rows:
    print("| " + " | ".join(cell or "-" if i < 6 else cell for i, cell in enumerate(row)) + " |")
sys.exit(1 if failed else 0)
EOF
exit "$status"
