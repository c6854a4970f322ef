#!/bin/sh
# Redraws the pictures under docs/renders/: every frame of the default flight
# that shows a group of gauges (the numbered frames are the whole panel and
# stay under out/), every window of the package's panel by day and by night
# (battery and integral lighting on), and 2x close-ups of each group.
# Run after building the dev preset; the close-ups need ImageMagick.
set -eu
cd "$(dirname "$0")/.."
out=out/renders-flight
rm -rf "$out"
build/dev/refhost/corvane fly scenarios/default.toml --out "$out" --quiet >/dev/null
for frame in "$out"/frames/*.png; do
  name=$(basename "$frame")
  case "$name" in
    [0-9]*) ;;
    *) cp "$frame" docs/renders/"$name" ;;
  esac
done

render=build/dev/refhost/render/render_gauge
# A cockpit at cruise as scripts/package.sh draws it (250 kt, 12000 ft,
# heading 090, engines running), battery on, the PFD's self-test over.
state="--cycles 100 --step 0.2 0x3D=250 0x4A=12000 0x51=90 0x2D=90 0x25C=100 0x270=85 0x283=85 0x271=90 0x284=90 0x237=550 0x241=550 0x16C=1"
window=0
for name in main_panel overhead pedestal radios; do
  $render --panel packaging/panel.cfg --window $window $state -o docs/renders/window_${name}_day.png
  $render --panel packaging/panel.cfg --window $window $state --night --click "Page Keys:32,35" \
    -o docs/renders/window_${name}_night.png
  window=$((window + 1))
done
$render --panel packaging/panel.cfg $state -o docs/renders/panel_day.png
$render --panel packaging/panel.cfg $state --night --click "Page Keys:32,35" -o docs/renders/panel_night.png

# Close-ups at 2x: the gauges of a group side by side.
tmp=$(mktemp -d)
closeup() {
  group=$1
  shift
  files=""
  i=0
  for gauge in "$@"; do
    [ $i -eq 0 ] || files="$files -size 12x1 xc:#333b45"
    $render --gauge "$gauge" --scale 2 $state -o "$tmp/$i.png"
    files="$files $tmp/$i.png"
    i=$((i + 1))
  done
  # shellcheck disable=SC2086
  convert $files -background '#333b45' -gravity north +append docs/renders/closeup_$group.png
}
closeup glareshield Warnings FCU Autopilot2 FD
closeup overhead "AC Elec"
closeup overhead_lights Lights Heat
closeup pedestal "Page Keys" "Engine Starters" "Rudder Trim"
closeup levers Spoilers Flaps "Gear Lever" "Landing Gear" "Parking Brake"
closeup radios Radio XPNDR
closeup standby Airspeed "Stdby Altimeter" Baro DDRMI Clock
rm -rf "$tmp"
echo "docs/renders/ redrawn"
