#!/usr/bin/env bash
# Calls per cell and time per 1,000 rows of the spreadsheet link against the
# stand-in spreadsheet in another process, under Wine (Xvfb when there is no
# display): the literal steps and the link as the program runs it.
#   scripts/sheet-bench.sh [rows]     (default 1000)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build build/windows -j2 --target sheet_link_bench surva_sheet_sim >/dev/null
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine build/windows/tools/sheet_link_bench.exe "$@" >build/sheet-bench.log 2>&1 </dev/null || true
tr -d '\r' <build/sheet-bench.log
