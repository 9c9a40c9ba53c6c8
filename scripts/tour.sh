#!/usr/bin/env bash
# The tour of the main job under Wine (in a private Xvfb when there is no
# display): read the sample SIMA file, plot it into the stand-in CAD, draw
# the coordinate table, harvest the points back with their station names,
# write the list to the stand-in spreadsheet. Prints one line per step and
# saves pictures of Surva and of the CAD after each step in build/tour/.
# Exits non-zero when a step fails.
#
#   scripts/tour.sh [--build]     (--build: build the Windows programs first)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
if [ "${1:-}" = "--build" ]; then
  cmake --preset windows >/dev/null || exit 1
  cmake --build build/windows -j"$(nproc)" || exit 1
fi
driver=build/windows/tests/wine/tour_main_job.exe
[ -f "$driver" ] || { echo "tour: $driver is missing; build first (scripts/tour.sh --build)"; exit 1; }

out="$root/build/tour"
mkdir -p "$out"
rm -f "$out"/*.bmp "$out"/*.png "$out"/plot.dxf "$out"/plot-entities.txt

source scripts/wine-env.sh || exit 1
trap wine_env_stop EXIT

start=$(date +%s)
timeout -k 5 170 wine "$driver" "$(winepath -w "$out")" >"$out/tour.log" 2>&1
rc=$?
# Pictures as PNG; the step lines name them with their place.
for f in "$out"/*.bmp; do
  [ -f "$f" ] || continue
  convert "$f" "${f%.bmp}.png" && rm -f "$f"
done
tr -d '\r' <"$out/tour.log" | grep -v -e '^all checks passed$' -e '^wine: Read access denied' |
  sed -E "s#([0-9]{2}-[a-z-]+)\.bmp#build/tour/\1.png#g"
if [ $rc -eq 124 ] || [ $rc -eq 137 ]; then echo "tour: stopped after 170 s"; fi
# The plot as the stand-in holds it, against an independent reader of the
# same exchange file.
if [ -f "$out/plot.dxf" ] && [ -f "$out/plot-entities.txt" ]; then
  /usr/bin/python3 tests/tour/stand_in_matches_ezdxf.py "$out" || rc=1
else
  echo "FAIL the plot left no exchange file or entity list to compare with ezdxf"
  rc=1
fi
echo "tour: $(($(date +%s) - start)) s"
exit $rc
