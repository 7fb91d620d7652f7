#!/usr/bin/env bash
# Builds the library, its tests and tools, and runs the tests.
#
#   scripts/test.sh [extra CMake arguments]
#
# Environment: BUILD_DIR (default: build), CVN_WERROR (default 1: warnings
# are errors), CXX (the compiler). Missing Debian packages are installed.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
jobs="$(nproc 2>/dev/null || echo 2)"

packages=(cmake make g++ libgtest-dev pkg-config locales-all)
case "${CXX:-}" in *clang*) packages+=(clang) ;; esac
"$root/scripts/install-deps.sh" "${packages[@]}"
if [ -x "$root/scripts/install-odbc.sh" ]; then
  "$root/scripts/install-odbc.sh"
fi

args=(-DCVN_BUILD_TESTS=ON -DCVN_BUILD_TOOLS=ON)
if [ "${CVN_WERROR:-1}" = 1 ]; then
  args+=(-DCVN_WERROR=ON)
fi
if command -v ccache >/dev/null 2>&1; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S "$root" -B "$build" "${args[@]}" "$@"
cmake --build "$build" -j "$jobs"

# The tests fix their own settings; the C locale and no window variable keep
# what the library reads at load the same on every machine.
unset CVN_TWO_DIGIT_YEAR_MAX
export LC_ALL=C
cd "$build"
ctest --output-on-failure -j "$jobs"
