#!/usr/bin/env bash
# Builds surva.exe and runs it under Wine beside the stand-in CAD. Without a display it runs under
# Xvfb, saves a screenshot and prints where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/packages.sh
ensure_packages cmake make "${WINDOWS_PACKAGES[@]}"

headless=0
[ -z "${DISPLAY:-}" ] && headless=1

cmake --preset windows >/dev/null
cmake --build build/windows -j"$(nproc)"

source scripts/wine-env.sh

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wine_env_stop 2>/dev/null || true
}
trap cleanup EXIT

# The stand-in CAD answers to the program's default target ProgID inside
# this Wine prefix only; it removes the registration when it ends.
sim=build/windows/tools/surva_cad_sim.exe
echo "starting the stand-in CAD ($sim) as Gcad.Application.23"
wine "$sim" --progid Gcad.Application.23 --register >/dev/null 2>&1 &
pids+=($!)
sleep 2

exe=build/windows/src/win32/surva.exe
if [ $headless -eq 1 ]; then
  wine "$exe" >/dev/null 2>&1 &
  pids+=($!)
  sleep 6
  mkdir -p build/screenshots
  shot="$root/build/screenshots/surva.png"
  /usr/bin/import -window root "$shot"
  echo "No display: surva.exe ran under Xvfb. Screenshot: $shot"
else
  wine "$exe"
fi
