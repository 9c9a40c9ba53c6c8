#!/usr/bin/env bash
# Runs every end-to-end program build/windows/tests/wine/*.exe under Wine,
# each with a time limit.
#
#   scripts/wine-tests.sh [--build] [--lanes N] [name ...]
#
#   --build   configure and build the windows preset first
#   --lanes N run N programs at a time (default 1), each lane in a Wine of
#             its own: its own prefix (build/wineprefix, then
#             build/wineprefix-lane2, ...), wineserver and Xvfb, because
#             the programs register the same stand-in classes and ProgIDs,
#             hold the clipboard and take the keyboard focus
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
lanes=1
names=()
while [ $# -gt 0 ]; do
  case "$1" in
    --build|-b) build=1 ;;
    --lanes) lanes=${2:-1}; shift ;;
    -h|--help) sed -n '2,22p' "$0"; exit 0 ;;
    *) names+=("${1%.exe}") ;;
  esac
  shift
done

if [ $build = 1 ]; then
  cmake --preset windows >/dev/null || exit 1
  cmake --build build/windows -j2 || exit 1
fi

timeout_s=${WINE_TEST_TIMEOUT:-120}
logs="$root/build/wine-tests"
mkdir -p "$logs"
rm -f "$logs"/lane*.results

# The programs to run, the longest first so that lanes end together.
longest_first=(e2e_cad_faults e2e_sheet_faults)
programs=()
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
  programs+=("$name")
done
queue="$logs/queue"
{
  for n in "${longest_first[@]}"; do printf '%s\n' "${programs[@]}" | grep -qx "$n" && echo "$n"; done
  printf '%s\n' "${programs[@]}" | grep -vxF -f <(printf '%s\n' "${longest_first[@]}")
} >"$queue"

# The next program of the queue, taken under a lock; fails when it is empty.
next_program() {
  local name
  name=$(flock "$queue.lock" sh -c 'head -n 1 "$1"; sed -i 1d "$1"' - "$queue")
  [ -n "$name" ] && echo "$name"
}

# Prints a result block whole, so that the lanes' lines do not mix.
say() { flock "$logs/output.lock" printf '%s\n' "$1"; }

run_program() {
  local name=$1 results=$2
  local log="$logs/$name.log"
  local limit=$timeout_s
  # The fault sweeps start a fresh stand-in for every call they break.
  case $name in e2e_cad_faults|e2e_sheet_faults) limit=$((timeout_s * 6)) ;; esac
  local start rc secs
  start=$(date +%s%N)
  timeout -k 5 "$limit" wine "build/windows/tests/wine/$name.exe" >"$log" 2>&1
  rc=$?
  secs=$(awk -v a="$start" -v b="$(date +%s%N)" 'BEGIN { printf "%.1f", (b - a) / 1e9 }')
  if [ $rc -eq 0 ]; then
    echo "PASS $name" >>"$results"
    say "PASS    $name (${secs} s)"
  else
    echo "FAIL $name" >>"$results"
    local head
    if [ $rc -eq 124 ] || [ $rc -eq 137 ]; then
      head="TIMEOUT $name (after ${limit} s)"
      # What the hung program started would block the next ones.
      wine_env_reset
    else
      head="FAIL    $name (exit $rc, ${secs} s)"
    fi
    say "$head"$'\n'"$(sed 's/^/    /' "$log")"
  fi
}

# One lane: its own Wine, then programs from the queue until it is empty.
run_lane() {
  local lane=$1
  local results="$logs/lane$lane.results"
  : >"$results"
  if [ "$lane" -gt 1 ]; then
    export WINE_ENV_PREFIX="$root/build/wineprefix-lane$lane"
    unset DISPLAY  # a private Xvfb: clipboard, focus and input are per display
  fi
  # shellcheck source=wine-env.sh
  if ! source scripts/wine-env.sh; then
    echo "FAIL lane$lane-wine" >>"$results"
    say "FAIL    lane $lane: no Wine environment"
    return 1
  fi
  trap wine_env_stop EXIT
  local name
  while name=$(next_program); do run_program "$name" "$results"; done
}

[ "$lanes" -ge 1 ] 2>/dev/null || lanes=1
[ "$lanes" -le ${#programs[@]} ] || lanes=${#programs[@]}
[ "$lanes" -ge 1 ] || lanes=1
if [ "$lanes" = 1 ]; then
  run_lane 1
else
  for lane in $(seq 1 "$lanes"); do
    ( run_lane "$lane" ) &
  done
  wait
fi

passed=$(cat "$logs"/lane*.results | grep -c '^PASS')
failed=$(cat "$logs"/lane*.results | grep -c '^FAIL')
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
