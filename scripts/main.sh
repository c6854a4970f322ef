#!/bin/sh
# The main job: build every preset and fly the default scenario.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh dev linux32 asan windows
scripts/package.sh
mkdir -p out
build/dev/tools/baro_scenario > out/baro_scenario.txt
build/dev/refhost/corvane fly scenarios/default.toml --out out --quiet
