#!/usr/bin/env bash
# Builds and runs every test: the native suites under AddressSanitizer and
# UndefinedBehaviorSanitizer (benchmarks built and smoke-run), a short run
# of every fuzz target, the Windows cross build, the end-to-end tests of
# surva.exe under Wine and Xvfb, and the tour of the main job
# (scripts/tour.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${NATIVE_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

jobs=$(nproc)
status=0
# A compiler cache, where the machine has one, spares rebuilding what did not change.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

echo "== native build (ASan + UBSan)"
cmake --preset native-asan "${launcher[@]}" >/dev/null
cmake --build build/native-asan -j"$jobs"

echo "== native tests"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/native-asan --output-on-failure -j"$jobs" || status=1

echo "== benchmarks start (figures come from the native preset: scripts/bench.sh)"
for b in build/native-asan/bench/*; do
  [ -x "$b" ] && [ -f "$b" ] || continue
  "$b" --benchmark_list_tests >/dev/null || { echo "benchmark does not start: $b"; status=1; }
done

echo "== fuzz targets, ${FUZZ_SECONDS:-30} s each (long runs: scripts/fuzz.sh SECONDS)"
scripts/fuzz.sh "${FUZZ_SECONDS:-30}" || status=1

echo "== Windows cross build"
cmake --preset windows "${launcher[@]}" >/dev/null
cmake --build build/windows -j"$jobs"

if [ -x scripts/wine-tests.sh ]; then
  echo "== Wine end-to-end tests"
  scripts/wine-tests.sh || status=1
fi

echo "== the tour of the main job (pictures in build/tour/)"
scripts/tour.sh || status=1

if [ $status -ne 0 ]; then
  echo "SOME TESTS FAILED"
fi
exit $status
