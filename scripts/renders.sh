#!/bin/sh
# Redraws the pictures under docs/renders/ from the default flight: every
# frame it names that shows a group of gauges (the numbered frames are the
# whole panel and stay under out/). Run after building the dev preset.
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
echo "docs/renders/ redrawn from the default flight"
