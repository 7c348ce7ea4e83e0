#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once plainly and once
# under AddressSanitizer + UndefinedBehaviorSanitizer (any report fails the run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
for preset in default asan; do
  echo "== tests ($preset) =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
