#!/bin/sh
# Lays out dist/Corvane (what a simmer copies into the simulator) from the
# windows build, and renders the shipped panel by day and by night into out/.
set -eu
cd "$(dirname "$0")/.."
[ -f build/windows/dist/Corvane/Gauges/Corvane.gau ] || { echo "package: build the windows preset first"; exit 1; }
rm -rf dist/Corvane
mkdir -p dist out
cp -r build/windows/dist/Corvane dist/Corvane
# A cockpit at cruise: 250 kt, 12000 ft, heading 090, engines running.
vars="0x3D=250 0x4A=12000 0x51=90 0x2D=90 0x25C=100 0x270=85 0x283=85 0x271=90 0x284=90 0x237=550 0x241=550"
build/dev/refhost/render/render_gauge --panel dist/Corvane/panel.cfg --cycles 5 -o out/panel_day.png $vars
build/dev/refhost/render/render_gauge --panel dist/Corvane/panel.cfg --cycles 5 --night -o out/panel_night.png $vars
echo "dist/Corvane laid out; out/panel_day.png and out/panel_night.png rendered"
