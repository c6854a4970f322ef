#!/bin/sh
# libcorvane.so defines ImportTable and Linkage and leaves undefined exactly
# the platform functions (besides the C and C++ runtime's own).
set -eu
lib="$1"
defined=$(nm -D --defined-only "$lib" | awk '{print $3}' | sort | tr '\n' ' ')
if [ "$defined" != "ImportTable Linkage " ]; then
  echo "unexpected exports: $defined"; exit 1
fi
undefined=$(nm -D --undefined-only "$lib" | awk '{print $NF}' | grep -v '@' | grep -v '^_ITM\|^__gmon_start__\|^__cxa_finalize' | sort | tr '\n' ' ')
expected="CloseHandle CreateFileMappingA FindWindowExA MapViewOfFile SendMessageA UnmapViewOfFile fssound_load fssound_play fssound_release "
if [ "$undefined" != "$expected" ]; then
  echo "unexpected undefined symbols: $undefined"; exit 1
fi
echo "exports and platform imports as expected"
