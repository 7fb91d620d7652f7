#!/usr/bin/env bash
# Builds the library and the cvntime tool and runs a short demonstration on
# the built-in (United States English) settings: the sample column of mixed
# date texts in examples/column.txt is read into values and written back in
# another format. Missing Debian packages are installed.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build-demo}"
jobs="$(nproc 2>/dev/null || echo 2)"

"$root/scripts/install-deps.sh" cmake make g++

args=(-DCVN_BUILD_TESTS=OFF -DCVN_BUILD_TOOLS=ON)
if command -v ccache >/dev/null 2>&1; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" "${args[@]}" "$@"
cmake --build "$build" -j "$jobs" --target cvn_example cvntime

# The C locale selects the built-in regional settings.
unset CVN_TWO_DIGIT_YEAR_MAX
export LC_ALL=C
cvntime="$build/tools/cvntime"
column="$root/examples/column.txt"

echo '== The library from C++ (examples/example.cpp)'
"$build/examples/cvn_example"
echo
echo '== $ cvntime read --show-format < examples/column.txt'
# cvntime exits 1 when some text does not read; the demonstration goes on.
"$cvntime" read --show-format < "$column" || true
echo
echo '== $ cvntime convert --to "yyyy-mm-dd hh:mm" < examples/column.txt'
"$cvntime" convert --to "yyyy-mm-dd hh:mm" < "$column" || true
echo
echo '== $ cvntime write --format "mmmm d, yyyy h:mm am/pm" 36526.5 43905.75'
"$cvntime" write --format "mmmm d, yyyy h:mm am/pm" 36526.5 43905.75
echo
echo '== $ cvntime scale 1/1/2001 12/31/2010'
"$cvntime" scale 1/1/2001 12/31/2010
