#!/bin/sh
# Flies the default scenario with the shipped Corvane.gau itself, loaded by the
# 32-bit reference host through our PE loader, once for each x87 control word
# a simulator may enter the module with: the Windows default (0x027F),
# Direct3D's 24-bit precision (0x007F) and 64-bit extended precision (0x037F).
# Every flight must meet every expectation, and all of them must show exactly
# what the native build's libcorvane.so shows (the panel digest). The
# Direct3D flight also runs in a comma-decimal locale, as a German Windows
# would give the DLL's C runtime, and so does one native flight.
set -eu
cd "$(dirname "$0")/.."
gau=build/windows/Corvane.gau
host32=build/linux32/refhost/corvane
host64=build/dev/refhost/corvane
out=out/shipped
mkdir -p "$out"

digest() { sed -n 's/^panel digest: //p' "$1/summary.txt"; }

# A real x87 where the kernel runs 32-bit programs; qemu-i386 elsewhere.
if ! "$host32" --help > /dev/null 2>&1; then
  host32="qemu-i386 $host32"
fi

"$host64" fly scenarios/default.toml --out "$out/native" --quiet > /dev/null
reference=$(digest "$out/native")
echo "libcorvane.so (x86-64, SSE): digest $reference"
status=0
"$host64" fly scenarios/default.toml --locale de_DE.UTF-8 --out "$out/native-de" --quiet > /dev/null || status=1
echo "libcorvane.so in de_DE.UTF-8: digest $(digest "$out/native-de")"
[ "$(digest "$out/native-de")" = "$reference" ] || { echo "the locale changed what the panel showed"; status=1; }
for word in 0x027F 0x007F 0x037F; do
  locale=""
  [ "$word" = 0x007F ] && locale="--locale de_DE.UTF-8"
  # shellcheck disable=SC2086
  if $host32 fly scenarios/default.toml --module "$gau" --fpu "$word" $locale --out "$out/$word" --quiet > /dev/null; then
    result="met"
  else
    result="FAILED"
    status=1
  fi
  echo "Corvane.gau at control word $word${locale:+ in de_DE.UTF-8}: $(sed -n 's/^expectations met: //p' "$out/$word/summary.txt") expectations $result, digest $(digest "$out/$word")"
  grep -E '^(FAILED|VIOLATION)' "$out/$word/summary.txt" || true
  if [ "$(digest "$out/$word")" != "$reference" ]; then
    echo "Corvane.gau at control word $word showed something the native build did not"
    status=1
  fi
done
exit $status
