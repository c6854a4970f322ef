#!/bin/sh
# Every test: ctest in dev, linux32 and asan, the Windows module's checks, and
# a short run of each fuzzer (clang) over its seed corpus.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh dev linux32 asan windows fuzz
for preset in dev linux32 asan fuzz; do
  echo "== ctest $preset"
  ctest --preset "$preset" -j2
done
echo "== windows module"
scripts/check_windows_module.sh build/windows/Corvane.gau
