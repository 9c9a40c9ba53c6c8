#!/usr/bin/env bash
# Runs every benchmark of an optimised native build and prints its figures.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${NATIVE_PACKAGES[@]}"
cmake --preset native -DSURVA_TESTS=OFF >/dev/null
cmake --build build/native -j"$(nproc)"
for b in build/native/bench/*; do
  [ -x "$b" ] && [ -f "$b" ] || continue
  echo "== $b"
  "$b" "$@"
done
