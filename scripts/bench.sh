#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them: the library beside its
# peers in one run, three repetitions, medians, and the table of ratios at
# the end of the output.
#
#   scripts/bench.sh [extra benchmark arguments, e.g. --benchmark_filter=Read]
#
# Environment: BUILD_DIR (default: build-bench), BENCH_OUT (default:
# $BUILD_DIR/bench.txt; the JSON of the run goes beside it).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"
out="${BENCH_OUT:-$build/bench.txt}"
jobs="$(nproc 2>/dev/null || echo 2)"

"$root/scripts/install-deps.sh" cmake make g++ pkg-config libbenchmark-dev libicu-dev

args=(-DCMAKE_BUILD_TYPE=Release -DCVN_BUILD_BENCH=ON -DCVN_BUILD_TESTS=OFF -DCVN_BUILD_TOOLS=OFF)
if command -v ccache >/dev/null 2>&1; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" "${args[@]}"
cmake --build "$build" -j "$jobs" --target cvn_bench

# The machine and the tools, for the record.
{
  echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "nproc: $(nproc)"
  echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
  echo "compiler: $(${CXX:-c++} --version | head -1)"
  echo "command: $0 $*"
} | tee "$out"

# The library's settings come from the benchmark itself; the C locale keeps
# strptime and strftime on their English names.
export LC_ALL=C
"$build/bench/cvn_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
  --benchmark_out="${out%.txt}.json" --benchmark_out_format=json --benchmark_color=false \
  "$@" 2>&1 | tee -a "$out"
