#!/usr/bin/env bash
# Microseconds per cross-process property read from the stand-in CAD, with
# and without the DISPID cache, under Wine (Xvfb when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build build/windows -j2 --target com_call_bench surva_cad_sim >/dev/null
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine build/windows/tools/com_call_bench.exe | tr -d '\r'
