#!/usr/bin/env bash
# Seeds deliberate faults into the library one at a time and tells which of
# them the test suite catches.
#
#   scripts/seed-faults.sh [--only LIST] [faults file]
#
# The faults file defaults to scripts/faults.txt. --only takes fault numbers
# and ranges, e.g. "1-20,36-38": the faults are numbered from 1 in file order
# (comment lines not counted), and the report keeps those numbers.
#
# Each line of the faults file is "file|search|replace|comment": the search
# text (which must occur exactly once in the file; "\x7C" stands for '|')
# is replaced, the build is brought up to date, the tests run, and the file
# is restored. A fault is caught when a test fails; a fault that does not
# build is reported as such and not counted. The unmodified sources must
# build and pass first.
#
# Environment: BUILD_DIR (default: build-faults), JOBS (build jobs, 1),
# CTEST_ARGS (default: -LE slow), TEST_TIMEOUT (seconds per test, 120),
# ONLY (a grep pattern: only the faults whose line matches it), TARGETS
# (build only these targets, blank-separated; default: all). With TARGETS
# or a -R in CTEST_ARGS only part of the suite runs: a fault it catches is
# caught by the whole suite too, a miss may not be one.
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
numbers=""
if [ "${1:-}" = "--only" ]; then
  numbers="${2:?seed-faults: --only needs a list such as 1-20,36}"
  shift 2
fi
faults="${1:-$root/scripts/faults.txt}"
read -r -a targets <<<"${TARGETS:-}"
build="${BUILD_DIR:-$root/build-faults}"
jobs="${JOBS:-1}"
read -r -a ctest_args <<<"${CTEST_ARGS:--LE slow}"
timeout_s="${TEST_TIMEOUT:-120}"
log="$build/seed-faults.log"

launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -DCVN_BUILD_TESTS=ON -DCVN_BUILD_TOOLS=ON "${launcher[@]}" >/dev/null ||
  { echo "seed-faults: configure failed" >&2; exit 2; }
: >"$log"

# Whether fault number $1 is in the --only list (every fault without one).
selected() {
  [ -z "$numbers" ] && return 0
  local part
  for part in ${numbers//,/ }; do
    case "$part" in
      *-*) [ "$1" -ge "${part%-*}" ] && [ "$1" -le "${part#*-}" ] && return 0 ;;
      *) [ "$1" -eq "$part" ] && return 0 ;;
    esac
  done
  return 1
}

build_and_test() {
  cmake --build "$build" -j "$jobs" ${targets[@]:+--target "${targets[@]}"} >>"$log" 2>&1 || return 2
  (cd "$build" && LC_ALL=C ctest "${ctest_args[@]}" --timeout "$timeout_s" -j 2 >>"$log" 2>&1) || return 1
  return 0
}

# Applies (mode apply) a search/replace to one file, or checks that it applies.
edit() {
  python3 - "$@" <<'PY'
import sys
path, search, replace = sys.argv[1], sys.argv[2], sys.argv[3]
unescape = lambda s: s.replace("\\x7C", "|")
search, replace = unescape(search), unescape(replace)
text = open(path, encoding="utf-8").read()
count = text.count(search)
if count != 1:
    sys.stderr.write(f"seed-faults: {path}: search text found {count} times: {search}\n")
    sys.exit(3)
open(path, "w", encoding="utf-8").write(text.replace(search, replace))
PY
}

echo "seed-faults: building and testing the unmodified sources"
if ! build_and_test; then
  echo "seed-faults: the unmodified sources do not build or pass (see $log)" >&2
  exit 2
fi

declare -i number=0 total=0 caught=0 missed=0 broken=0
rows=()
while IFS='|' read -r file search replace comment; do
  case "$file" in '' | '#'*) continue ;; esac
  number+=1
  selected "$number" || continue
  if [ -n "${ONLY:-}" ] && ! printf '%s|%s|%s\n' "$file" "$search" "$comment" | grep -q -- "$ONLY"; then
    continue
  fi
  path="$root/$file"
  [ -f "$path" ] || { echo "seed-faults: no file $file" >&2; exit 3; }
  backup="$(mktemp)"
  cp -p "$path" "$backup"
  edit "$path" "$search" "$replace" || { rm -f "$backup"; exit 3; }
  total+=1
  echo "=== fault $number: $file: $comment" >>"$log"
  build_and_test
  case $? in
    0) result=missed; missed+=1 ;;
    1) result=caught; caught+=1 ;;
    *) result="does not build"; broken+=1 ;;
  esac
  cp -p "$backup" "$path"
  touch "$path"
  rm -f "$backup"
  rows+=("$(printf '%-3d %-8s %-34s %s' "$number" "$result" "$file" "$comment")")
  echo "${rows[-1]}"
done <"$faults"

# Leave the build matching the restored sources.
cmake --build "$build" -j "$jobs" ${targets[@]:+--target "${targets[@]}"} >>"$log" 2>&1 || true

echo
echo "#   result   file                               fault"
printf '%s\n' "${rows[@]}"
echo
echo "seed-faults: $caught of $total faults caught, $missed missed, $broken did not build"
[ "$broken" -eq 0 ]
