#!/bin/sh
# Every test: ctest in dev, linux32 and asan, and the Windows module's checks.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh dev linux32 asan windows
for preset in dev linux32 asan; do
  echo "== ctest $preset"
  ctest --preset "$preset" -j2
done
echo "== windows module"
scripts/check_windows_module.sh build/windows/Corvane.gau
