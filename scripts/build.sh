#!/bin/sh
# Configures and builds the given presets (all four by default).
set -eu
cd "$(dirname "$0")/.."
presets="${*:-dev linux32 asan windows}"
for preset in $presets; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
