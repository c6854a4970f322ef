#!/bin/sh
# Every test: ctest in dev, linux32 and asan, the Windows module's checks (no
# SSE, stripped, reproducible), the shipped Corvane.gau flown under three x87
# control words, and a short run of each fuzzer (clang) over its seed corpus.
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
# Reproducible: the same sources built again elsewhere give the same bytes.
cmake --preset windows -B build/windows-again >/dev/null
cmake --build build/windows-again --target corvane >/dev/null
cmp build/windows/Corvane.gau build/windows-again/Corvane.gau
echo "Corvane.gau: a second build is byte for byte the same"
echo "== the shipped module, flown"
scripts/fly_shipped.sh
