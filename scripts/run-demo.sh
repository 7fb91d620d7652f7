#!/usr/bin/env bash
# Builds the library and runs the example program on the built-in
# (United States English) settings. Missing Debian packages are installed.
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
cmake --build "$build" -j "$jobs" --target cvn_example

# The C locale selects the built-in regional settings.
unset CVN_TWO_DIGIT_YEAR_MAX
LC_ALL=C "$build/examples/cvn_example"
