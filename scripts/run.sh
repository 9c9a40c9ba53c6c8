#!/usr/bin/env bash
# Builds surva.exe and shows it doing its job under Wine.
#
# With a display: starts the stand-in CAD (drawn; you pick, drag and pan in
# it) and the stand-in spreadsheet holding samples/survey.csv, both under
# the ProgIDs Surva drives by default (Gcad.Application.23,
# Excel.Application) inside this project's Wine prefix only, and Surva in
# build/run/ beside samples/survey.sim with settings that fit the sample.
#
# Without a display: runs the tour of the main job under Xvfb
# (scripts/tour.sh) and prints one line per step with its pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/packages.sh
ensure_packages cmake make "${WINDOWS_PACKAGES[@]}"

cmake --preset windows >/dev/null
cmake --build build/windows -j"$(nproc)"

if [ -z "${DISPLAY:-}" ]; then
  echo "No display: the tour of the main job runs under Xvfb."
  exec scripts/tour.sh
fi

source scripts/wine-env.sh

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wine_env_stop 2>/dev/null || true
}
trap cleanup EXIT

# Surva in a folder of its own, as a user installs it.
run="$root/build/run"
mkdir -p "$run"
cp build/windows/src/win32/surva.exe samples/survey.sim samples/survey.csv "$run/"
# Settings that fit the sample, and a target CAD list naming the stand-in;
# both stay as the user changes them on later runs.
[ -f "$run/surva.ini" ] || cp samples/surva.ini "$run/"
[ -f "$run/TargetCAD_APIVersion.txt" ] || cp samples/TargetCAD_APIVersion.txt "$run/"

# Each stand-in registers its ProgID while it runs and removes it at exit.
echo "starting the stand-in CAD as Gcad.Application.23 (drawing at 1:500: DIMSCALE 0.5)"
wine build/windows/tools/surva_cad_sim.exe --progid Gcad.Application.23 --register --interactive \
  --variable DIMSCALE=0.5 >/dev/null 2>&1 &
pids+=($!)
sheet=build/windows/tools/surva_sheet_sim.exe
if [ -f "$sheet" ]; then
  echo "starting the stand-in spreadsheet as Excel.Application with samples/survey.csv"
  wine "$sheet" --register --open "$(winepath -w "$run/survey.csv")" >/dev/null 2>&1 &
  pids+=($!)
fi
sleep 2

cat <<'TEXT'
Try: SIMA/R "読み込み" → survey.sim; "CADへ"; "XY 作表" then click in the CAD;
"CADから" then drag a window round the points in the CAD and press Enter;
"ID" then click points (Esc ends); "Exceｌから" / "Excelへ" with the spreadsheet.
In the CAD: wheel zooms, middle drag pans, Home shows everything.
TEXT
(cd "$run" && wine surva.exe) || true
