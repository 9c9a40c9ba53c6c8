#!/usr/bin/env bash
# Builds and runs every test: the native suites under AddressSanitizer and
# UndefinedBehaviorSanitizer (benchmarks built and smoke-run), every fuzz
# target on its corpus and for a few seconds more, the Windows cross build,
# the end-to-end tests of surva.exe under Wine and Xvfb, and the tour of
# the main job (scripts/tour.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

# Each phase's seconds, printed as it ends and again in a table at the end
# (also when a step stops the script), so that a slow run shows where: the
# wall-clock seconds, and the processor seconds of the commands it ran (on
# a shared machine the wall clock grows with the load; these barely do).
phase_names=()
phase_seconds=()
phase_cpu=()
phase_name=
# Processor seconds of the finished child processes so far (user + system),
# into cpu_now: `times` must run in this shell, not in a $(...) subshell.
times_file=$(mktemp)
cpu_now=0
cpu_seconds() {
  times >"$times_file"
  cpu_now=$(tail -n 1 "$times_file" | tr 'ms' '  ' | awk '{ printf "%d", $1 * 60 + $2 + $3 * 60 + $4 }')
}
phase_start=$(date +%s)
cpu_seconds
phase_start_cpu=$cpu_now
run_start=$phase_start
end_phase() {
  [ -n "$phase_name" ] || return 0
  cpu_seconds
  local s=$(($(date +%s) - phase_start)) c=$((cpu_now - phase_start_cpu))
  phase_names+=("$phase_name")
  phase_seconds+=("$s")
  phase_cpu+=("$c")
  echo "-- ${phase_name}: ${s} s (processor ${c} s)"
  phase_name=
}
phase() {
  end_phase
  phase_name=$1
  phase_start=$(date +%s)
  cpu_seconds
  phase_start_cpu=$cpu_now
  echo "== $1"
}
summary() {
  end_phase
  echo "== seconds per phase (wall clock, processor)"
  local i
  for i in "${!phase_names[@]}"; do
    printf '%6d %6d  %s\n' "${phase_seconds[$i]}" "${phase_cpu[$i]}" "${phase_names[$i]}"
  done
  cpu_seconds
  printf '%6d %6d  total\n' "$(($(date +%s) - run_start))" "$cpu_now"
  rm -f "$times_file"
}
trap summary EXIT

phase "packages"
source scripts/packages.sh
ensure_packages "${NATIVE_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

jobs=$(nproc)
status=0
# A compiler cache, where the machine has one, spares rebuilding what did not change.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

# The Wine end-to-end tests and the tour mostly wait on windows, so they run
# beside the native phases, which are niced to leave them the processor
# when they want it: first the Windows build they need.
phase "Windows cross build"
cmake --preset windows "${launcher[@]}" >/dev/null
cmake --build build/windows -j"$jobs"

wine_log=build/wine-and-tour.log
wine_pid=
wine_rc=0
# The two Wine lanes, then the tour: their seconds and their output.
(
  start=$(date +%s)
  rc=0
  scripts/wine-tests.sh --lanes 2 || rc=1
  middle=$(date +%s)
  echo "== the tour of the main job (pictures in build/tour/)"
  scripts/tour.sh || rc=1
  echo "-- Wine end-to-end tests, 2 lanes: $((middle - start)) s; the tour: $(($(date +%s) - middle)) s"
  exit $rc
) >"$wine_log" 2>&1 &
wine_pid=$!
echo "== Wine end-to-end tests (2 lanes) and the tour: started beside the native phases (output below)"

# Waits for the Wine tests and the tour and prints their output, also when
# a native step stopped the script.
finish_wine() {
  [ -n "$wine_pid" ] || return 0
  wait "$wine_pid" || wine_rc=1
  wine_pid=
  cat "$wine_log"
}
trap 'finish_wine; summary' EXIT

phase "native build (ASan + UBSan)"
cmake --preset native-asan "${launcher[@]}" >/dev/null
nice -n 10 cmake --build build/native-asan -j"$jobs"

phase "native tests"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
nice -n 10 ctest --test-dir build/native-asan --output-on-failure -j"$jobs" || status=1

phase "benchmarks start (figures come from the native preset: scripts/bench.sh)"
for b in build/native-asan/bench/*; do
  [ -x "$b" ] && [ -f "$b" ] || continue
  "$b" --benchmark_list_tests >/dev/null || { echo "benchmark does not start: $b"; status=1; }
done

phase "fuzz build (clang)"
cmake --preset fuzz >/dev/null
nice -n 10 cmake --build build/fuzz -j"$jobs"

# Every input of each corpus, then a few seconds of fuzzing per target, two
# at a time; the long runs are scripts/fuzz.sh SECONDS.
phase "fuzz targets: corpus, then ${FUZZ_SECONDS:-5} s each"
FUZZ_JOBS=$jobs scripts/fuzz.sh "${FUZZ_SECONDS:-5}" || status=1

phase "waiting for the Wine tests and the tour"
finish_wine

if [ $status -ne 0 ] || [ $wine_rc -ne 0 ]; then
  echo "SOME TESTS FAILED"
  exit 1
fi
exit 0
