#!/usr/bin/env bash
# End to end: `cvntime import` of a one-million-line file (reading the file,
# writing the values to a file) against pandas.to_datetime of the same
# column already in memory, with the explicit format and without, for a
# column of ISO 8601 date-times and one of United States 12-hour
# date-times. Best of three runs each (the pandas call without a format on
# the 12-hour column: one run), wall-clock and CPU time. The values of both
# are compared first.
#
#   bench/import_vs_pandas.sh            the one-million-line comparison
#   TEN_MILLION=1 bench/import_vs_pandas.sh   also ten million lines, with
#                                        time and peak memory (/usr/bin/time -v)
#
# Environment: BUILD_DIR (default: build-bench), WORK_DIR (default: a
# temporary directory). Debian's python3-pandas is installed when missing.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"
work="${WORK_DIR:-$(mktemp -d)}"
mkdir -p "$work"

"$root/scripts/install-deps.sh" cmake make g++ python3-pandas time
args=(-DCMAKE_BUILD_TYPE=Release -DCVN_BUILD_TOOLS=ON -DCVN_BUILD_TESTS=OFF)
if command -v ccache >/dev/null 2>&1; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" "${args[@]}" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target cvntime >/dev/null
cvntime="$build/tools/cvntime"

echo "date: $(date -u '+%Y-%m-%d %H:%M UTC'), nproc: $(nproc), load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"

# Debian's Python, where python3-pandas lives (not a user's own Python).
LC_ALL=C CVNTIME="$cvntime" WORK="$work" TEN_MILLION="${TEN_MILLION:-0}" /usr/bin/python3 - <<'PY'
import os, random, subprocess, time
import numpy as np
import pandas as pd

cvntime, work = os.environ["CVNTIME"], os.environ["WORK"]
print(f"pandas {pd.__version__}, numpy {np.__version__}")
EPOCH = pd.Timestamp("1899-12-30")

def make_column(path, lines, twelve_hour, seed=20200315):
    rng = random.Random(seed)
    first = pd.Timestamp("1950-01-01").toordinal()
    last = pd.Timestamp("2049-12-31").toordinal()
    from datetime import date
    with open(path, "w") as f:
        out = []
        for i in range(lines):
            d = date.fromordinal(rng.randint(first, last))
            h, m, s = rng.randint(0, 23), rng.randint(0, 59), rng.randint(0, 59)
            if twelve_hour:
                out.append(f"{d.month}/{d.day}/{d.year} {h % 12 or 12}:{m:02d}:{s:02d} "
                           f"{'AM' if h < 12 else 'PM'}\n")
            else:
                out.append(f"{d.year:04d}-{d.month:02d}-{d.day:02d}T{h:02d}:{m:02d}:{s:02d}\n")
            if len(out) == 100000:
                f.write("".join(out)); out = []
        f.write("".join(out))

def best(fn, runs=3):
    """Best wall-clock and best CPU time (user + system, this process and its
    children) of runs calls: the machine may be shared, and CPU time is what
    load changes least."""
    walls, cpus = [], []
    for _ in range(runs):
        c0 = os.times(); t = time.perf_counter()
        fn()
        walls.append(time.perf_counter() - t); c1 = os.times()
        cpus.append(sum(c1[:4]) - sum(c0[:4]))
    return min(walls), min(cpus)

def import_file(path, out):
    with open(out, "w") as f:
        subprocess.run([cvntime, "import", path], stdout=f, check=True)

cases = [("ISO 8601 date-time", False, "%Y-%m-%dT%H:%M:%S"),
         ("US 12-hour date-time", True, "%m/%d/%Y %I:%M:%S %p")]
for name, twelve, fmt in cases:
    path = os.path.join(work, "twelve.txt" if twelve else "iso.txt")
    make_column(path, 1000000, twelve)
    out = path + ".values"
    series = pd.Series(open(path).read().splitlines())
    # The same values from both before anything is timed.
    import_file(path, out)
    ours = np.loadtxt(out)
    theirs = ((pd.to_datetime(series, format=fmt) - EPOCH) / pd.Timedelta(days=1)).to_numpy()
    assert np.allclose(ours, theirs, rtol=0, atol=1e-8), name
    t_cvn = best(lambda: import_file(path, out))
    t_fmt = best(lambda: pd.to_datetime(series, format=fmt))
    t_any = best(lambda: pd.to_datetime(series), runs=1 if twelve else 3)
    print(f"{name}, 1 000 000 lines (best wall-clock s, best CPU s, CPU ratio to cvntime):")
    for label, (wall, cpu) in [("cvntime import (file to file)", t_cvn),
                               (f"pandas.to_datetime(format='{fmt}')", t_fmt),
                               ("pandas.to_datetime (no format)", t_any)]:
        print(f"  {label:52} {wall:8.3f} {cpu:8.3f} {cpu / t_cvn[1]:7.1f}x")

if os.environ["TEN_MILLION"] == "1":
    for name, twelve, _ in cases:
        path = os.path.join(work, "ten_twelve.txt" if twelve else "ten_iso.txt")
        make_column(path, 10000000, twelve)
        with open(path + ".values", "w") as f:
            r = subprocess.run(["/usr/bin/time", "-v", cvntime, "import", path], stdout=f,
                               stderr=subprocess.PIPE, text=True, check=True)
        fields = dict(l.strip().split(": ", 1) for l in r.stderr.splitlines() if ": " in l)
        print(f"{name}, 10 000 000 lines: elapsed {fields['Elapsed (wall clock) time (h:mm:ss or m:ss)']}, "
              f"peak memory {int(fields['Maximum resident set size (kbytes)']) / 1024:.0f} MiB")
        os.remove(path); os.remove(path + ".values")
PY
