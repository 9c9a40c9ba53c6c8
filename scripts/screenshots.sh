#!/usr/bin/env bash
# Screenshots of surva.exe under Wine (Xvfb when there is no display): each
# of the six tabs and the version dialog, as PNGs in build/screenshots/.
#   scripts/screenshots.sh [--build]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
if [ "${1:-}" = "--build" ] || [ ! -f build/windows/tools/screenshot_driver.exe ]; then
  cmake --preset windows >/dev/null
  cmake --build build/windows -j2 --target surva screenshot_driver
fi
out="$root/build/screenshots"
run="$out/run"
mkdir -p "$run"
rm -f "$run"/*
cp build/windows/src/win32/surva.exe "$run/"

source scripts/wine-env.sh
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  wine_env_stop
}
trap cleanup EXIT

driver="build/windows/tools/screenshot_driver.exe"
wine "$run/surva.exe" >/dev/null 2>&1 &
app=$!

shoot() {  # name, then the driver's arguments
  local name=$1
  shift
  local rect
  rect=$(wine "$driver" "$@" | tr -d '\r' | tail -1)
  read -r x y w h <<<"$rect"
  sleep 0.3
  /usr/bin/import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png"
  echo "$out/$name.png"
}

wine "$driver" wait >/dev/null
for i in 0 1 2 3 4 5; do shoot "tab$((i + 1))" tab "$i"; done
shoot about about
wine "$driver" close-about >/dev/null
wine "$driver" close >/dev/null
wait "$app" 2>/dev/null || true
app=
