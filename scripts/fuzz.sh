#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each of them, failing on any crash,
# sanitizer report, mAssert report or broken invariant.
#
#   scripts/fuzz.sh            short smoke run (a few minutes in all, for CI)
#   scripts/fuzz.sh RUNS       RUNS executions per target (e.g. 10000000)
#
# Environment:
#   FUZZ_TARGETS     targets to run (default: all six)
#   FUZZ_SANITIZERS  "address,undefined" (default) or "undefined" (faster,
#                    for long campaigns); the build dir is build-fuzz or
#                    build-fuzz-fast
#   FUZZ_JOBS        libFuzzer -jobs/-workers per target (default 1)
#   FUZZ_CORPUS_DIR  where the growing corpora live (default: a temporary
#                    directory for the smoke run, <build>/corpus otherwise)
#
# A failing input is written to <build>/artifacts/; replay it with
#   <build>/fuzz/<target> <file>
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-}"
targets=(${FUZZ_TARGETS:-fuzz_format_strings fuzz_reader_texts fuzz_packed_words fuzz_writer fuzz_scales fuzz_calendar fuzz_column})
sanitizers="${FUZZ_SANITIZERS:-address,undefined}"
jobs="${FUZZ_JOBS:-1}"
if [ "$sanitizers" = "address,undefined" ]; then
  build="$root/build-fuzz"
else
  build="$root/build-fuzz-fast"
fi

# clang, and libFuzzer with FuzzedDataProvider.h from clang's runtime package.
"$root/scripts/install-deps.sh" clang cmake make
clang_major="$(clang++ --version | sed -n 's/.*clang version \([0-9][0-9]*\).*/\1/p' | head -n 1)"
fuzzer_lib="$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a)"
if [ ! -f "$fuzzer_lib" ] && [ -n "$clang_major" ]; then
  "$root/scripts/install-deps.sh" "libclang-rt-${clang_major}-dev"
fi

args=(-DCVN_FUZZ=ON "-DCVN_FUZZ_SANITIZERS=$sanitizers" -DCVN_BUILD_TESTS=OFF
      -DCVN_BUILD_TOOLS=OFF -DCVN_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if command -v ccache >/dev/null 2>&1; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" "${args[@]}" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"

# Runs per target of the smoke run: each takes well under a minute on one
# core of the CI machine (the format and scale targets are the slowest).
smoke_runs() {
  case "$1" in
    fuzz_format_strings) echo 20000 ;;
    fuzz_reader_texts) echo 40000 ;;
    fuzz_packed_words) echo 30000 ;;
    fuzz_writer) echo 40000 ;;
    fuzz_scales) echo 15000 ;;
    fuzz_calendar) echo 200000 ;;
    fuzz_column) echo 20000 ;;
    *) echo 20000 ;;
  esac
}

if [ -z "$runs" ]; then
  corpus_root="${FUZZ_CORPUS_DIR:-$(mktemp -d)}"
else
  corpus_root="${FUZZ_CORPUS_DIR:-$build/corpus}"
fi
artifacts="$build/artifacts"
mkdir -p "$artifacts"
export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=1:detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"

for target in "${targets[@]}"; do
  n="${runs:-$(smoke_runs "$target")}"
  corpus="$corpus_root/$target"
  mkdir -p "$corpus"
  log="$build/$target.log"
  echo "fuzz: $target, $n runs"
  fuzz_args=(-runs="$n" -max_len=2048 -timeout=30 -rss_limit_mb=3072 -print_final_stats=1
             -artifact_prefix="$artifacts/$target-")
  if [ "$jobs" -gt 1 ]; then
    # Each job does an equal share of the runs.
    fuzz_args=(-runs="$((n / jobs))" -jobs="$jobs" -workers="$jobs" "${fuzz_args[@]:1}")
  fi
  if ! "$build/fuzz/$target" "${fuzz_args[@]}" "$corpus" "$root/fuzz/corpus/$target" \
      >"$log" 2>&1; then
    echo "fuzz: $target FAILED; the end of $log:" >&2
    grep -v '^#' "$log" | tail -n 40 >&2
    exit 1
  fi
  executed="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | awk '{s += $1} END {print s + 0}')"
  echo "fuzz: $target clean after $executed executions"
done
echo "fuzz: all ${#targets[@]} targets clean"
