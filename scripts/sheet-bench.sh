#!/usr/bin/env bash
# Round trips per cell and time of the spreadsheet link against the stand-in
# spreadsheet in another process, under Wine (Xvfb when there is no
# display): the literal cell-by-cell steps and the link as the program runs
# it, with the stand-in giving type information and without.
#   scripts/sheet-bench.sh [rows]     (default 10000)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build build/windows -j2 --target sheet_link_bench surva_sheet_sim >/dev/null
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine build/windows/tools/sheet_link_bench.exe "$@" >build/sheet-bench.log 2>&1 </dev/null || true
tr -d '\r' <build/sheet-bench.log
