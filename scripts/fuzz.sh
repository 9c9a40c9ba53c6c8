#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz") and runs each for a bounded
# time, one after the other, starting from the corpus kept in fuzz/corpus.
#   scripts/fuzz.sh [seconds] [target ...]     default: 30 s, every target
# New inputs go to build/fuzz/corpus/<target>; a crash leaves its input in
# build/fuzz/artifacts/<target>/ and makes the script fail. With
# FUZZ_MERGE=1 the new inputs that add coverage are merged into fuzz/corpus.
# FUZZ_NICE sets the niceness (default 10; the machine may be shared).
# FUZZ_RUNS ends each target after that many executions instead (the
# seconds still bound it), e.g. FUZZ_RUNS=10000000 scripts/fuzz.sh 86400.
# FUZZ_JOBS runs that many targets at a time (default 1). Each target first
# runs every input of its corpus, however short the seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${FUZZ_PACKAGES[@]}"

seconds=${1:-30}
shift || true

cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j"$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in build/fuzz/fuzz/fuzz_*; do
    [ -x "$exe" ] && targets+=("${exe##*/fuzz_}")
  done
fi

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# One target; its lines are printed whole, so that parallel targets do not
# mix them. Fails on a finding.
fuzz_one() {
  local t=$1
  local work=build/fuzz/corpus/$t
  local artifacts=build/fuzz/artifacts/$t
  mkdir -p "$work" "$artifacts" "fuzz/corpus/$t"
  local log=build/fuzz/$t.log
  local rc=0 out
  if nice -n "${FUZZ_NICE:-10}" "build/fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -runs="${FUZZ_RUNS:--1}" -timeout=10 \
       -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$t" >"$log" 2>&1; then
    local runs cov
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1)
    out="fuzz_$t (${seconds} s): $runs runs, $cov"
  else
    out="FINDING in fuzz_$t (log: $log; input in $artifacts/):"$'\n'"$(grep -E 'ERROR|runtime error|invariant broken|SUMMARY' "$log" | head -5)"
    rc=1
  fi
  if [ "${FUZZ_MERGE:-0}" = 1 ]; then
    "build/fuzz/fuzz/fuzz_$t" -merge=1 "fuzz/corpus/$t" "$work" >/dev/null 2>&1 || true
  fi
  printf '%s\n' "$out"
  return $rc
}

# Each target leaves its status in a file: `wait -n` has reaped some already.
for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "${FUZZ_JOBS:-1}" ]; do wait -n || true; done
  rm -f "build/fuzz/$t.failed"
  { fuzz_one "$t" || touch "build/fuzz/$t.failed"; } &
done
wait
status=0
for t in "${targets[@]}"; do [ -e "build/fuzz/$t.failed" ] && status=1; done
exit $status
