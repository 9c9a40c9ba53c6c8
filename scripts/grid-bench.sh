#!/usr/bin/env bash
# Paint time of the string grid with 100,000 rows, under Wine (Xvfb when
# there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build build/windows -j2 --target grid_paint_bench >/dev/null
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine build/windows/tools/grid_paint_bench.exe | tr -d '\r'
