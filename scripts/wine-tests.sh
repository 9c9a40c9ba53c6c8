#!/usr/bin/env bash
# Runs every end-to-end program build/windows/tests/wine/*.exe under Wine,
# one after another, each with a time limit.
#
#   scripts/wine-tests.sh [--build] [name ...]
#
#   --build   configure and build the windows preset first
#   name      run only the programs with these names (without .exe); the
#             tour (tour_main_job) runs only when named: scripts/tour.sh runs it
#   WINE_TEST_TIMEOUT   seconds per program (default 120; six times that for
#                       the fault sweeps)
#
# Prints one line per program (PASS/FAIL/TIMEOUT, seconds), the output of
# the programs that failed, and last, on its own line, "N passed, N failed".
# Exits non-zero when any program failed. The Xvfb and wineserver it
# started are stopped at the end.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

build=0
names=()
for a in "$@"; do
  case "$a" in
    --build|-b) build=1 ;;
    -h|--help) sed -n '2,15p' "$0"; exit 0 ;;
    *) names+=("${a%.exe}") ;;
  esac
done

if [ $build = 1 ]; then
  cmake --preset windows >/dev/null || exit 1
  cmake --build build/windows -j2 || exit 1
fi

timeout_s=${WINE_TEST_TIMEOUT:-120}
logs="$root/build/wine-tests"
mkdir -p "$logs"

source scripts/wine-env.sh || { echo "0 passed, 1 failed"; exit 1; }
trap wine_env_stop EXIT

passed=0
failed=0
shopt -s nullglob
for exe in build/windows/tests/wine/*.exe; do
  name=$(basename "$exe" .exe)
  if [ ${#names[@]} -gt 0 ]; then
    keep=0
    for n in "${names[@]}"; do [ "$n" = "$name" ] && keep=1; done
    [ $keep = 1 ] || continue
  elif [ "$name" = tour_main_job ]; then
    continue  # scripts/tour.sh runs the tour, with its pictures
  fi
  log="$logs/$name.log"
  limit=$timeout_s
  # The fault sweeps start a fresh stand-in for every call they break.
  case $name in e2e_cad_faults|e2e_sheet_faults) limit=$((timeout_s * 6)) ;; esac
  start=$(date +%s%N)
  timeout -k 5 "$limit" wine "$exe" >"$log" 2>&1
  rc=$?
  secs=$(awk -v a="$start" -v b="$(date +%s%N)" 'BEGIN { printf "%.1f", (b - a) / 1e9 }')
  if [ $rc -eq 0 ]; then
    passed=$((passed + 1))
    echo "PASS    $name (${secs} s)"
  else
    failed=$((failed + 1))
    if [ $rc -eq 124 ] || [ $rc -eq 137 ]; then
      echo "TIMEOUT $name (after ${limit} s)"
      # What the hung program started would block the next ones.
      wine_env_reset
    else
      echo "FAIL    $name (exit $rc, ${secs} s)"
    fi
    sed 's/^/    /' "$log"
  fi
done

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
