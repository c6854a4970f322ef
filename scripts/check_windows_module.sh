#!/bin/sh
# Corvane.gau exports its two records undecorated, imports FSSound.dll by
# ordinal 1, 7 and 14 and the six Win32 functions, and needs no DLL beyond
# the system's and FSSound.dll.
set -eu
gau="$1"
dump=$(i686-w64-mingw32-objdump -p "$gau")
fail() { echo "Corvane.gau: $*"; exit 1; }

file "$gau" | grep -q "PE32 executable (DLL).*Intel 80386" || fail "not a 32-bit DLL"
exports=$(echo "$dump" | sed -n '/^.Ordinal.Name Pointer. Table/,/^$/p' | grep -E '^\s+\[ *[0-9]+\]' | awk '{print $NF}' | sort | tr '\n' ' ')
[ "$exports" = "ImportTable Linkage " ] || fail "exports are '$exports'"

dlls=$(echo "$dump" | grep 'DLL Name:' | awk '{print $3}' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
[ "$dlls" = "FSSOUND.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL " ] || fail "imports DLLs '$dlls'"

fssound=$(echo "$dump" | sed -n '/DLL Name: FSSound.dll/,/^$/p' | grep '<none>' | awk '{print $2}' | tr '\n' ' ')
[ "$fssound" = "1 7 14 " ] || fail "FSSound.dll ordinals are '$fssound'"

for f in FindWindowExA SendMessageA; do
  echo "$dump" | sed -n '/DLL Name: USER32.dll/,/^$/p' | grep -qw "$f" || fail "$f not imported from user32"
done
for f in CreateFileMappingA MapViewOfFile UnmapViewOfFile CloseHandle; do
  echo "$dump" | sed -n '/DLL Name: KERNEL32.dll/,/^$/p' | grep -qw "$f" || fail "$f not imported from kernel32"
done

# Every bitmap under its id with its size and depth, read from the PE file by
# the native checker (built in dev) against the manifest drawn beside the gau.
checker="$(dirname "$0")/../build/dev/tools/pe_check/corvane_pe_check"
manifest="$(dirname "$gau")/bitmaps/bitmaps.txt"
if [ -x "$checker" ]; then
  "$checker" "$gau" "$manifest" || fail "bitmap resources differ from $manifest"
else
  echo "Corvane.gau: bitmap check skipped ($checker not built)"
fi
# Every processor the simulator runs on, Pentium II class up: not one SSE or
# SSE2 instruction (nor an SSE-only fence, prefetch or MXCSR access).
sse=$(i686-w64-mingw32-objdump -d --no-show-raw-insn "$gau" |
  grep -cE '%xmm|\b(ldmxcsr|stmxcsr|sfence|lfence|mfence|movnti|prefetch[a-z0-9]*|clflush|maskmovq|movntq|pshufw|pavg[bw]|pminub|pmaxub|pminsw|pmaxsw|pmulhuw|psadbw|pextrw|pinsrw|pmovmskb)\b' || true)
[ "$sse" -eq 0 ] || fail "$sse SSE instructions"

# Shipped stripped: no DWARF sections, no COFF symbol table.
i686-w64-mingw32-objdump -h "$gau" | grep -q '\.debug' && fail "carries debug sections"
i686-w64-mingw32-objdump -t "$gau" | grep -q '^no symbols' || fail "carries a symbol table"

echo "Corvane.gau: exports, FSSound ordinals and Win32 imports as expected; no SSE instruction; stripped;" \
  "$(stat -c %s "$gau") bytes"
