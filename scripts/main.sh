#!/bin/sh
# The main job: build the native host and the Windows module, lay out the
# package and fly the default scenario. The other presets (32-bit, sanitizers,
# fuzzers) belong to the test command.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh dev windows
scripts/package.sh
mkdir -p out
build/dev/tools/baro_scenario > out/baro_scenario.txt
build/dev/refhost/corvane fly scenarios/default.toml --out out --quiet
