// Everything the module calls outside itself besides the host's service table.
// On Windows these come from user32, kernel32 and FSSound.dll (by ordinal); on
// Linux the process that loads libcorvane.so supplies them.
#pragma once

#include <cstdint>

#include "module/abi.h"

// Win32's and FSSound's convention is the callee-cleaned one on every 32-bit
// build, so a host on 32-bit Linux can bind the DLL's imports to the same
// stand-ins the Linux library uses.
#define CORVANE_WINAPI CORVANE_CALL
#if defined(_WIN32)
#define CORVANE_IMPORT __declspec(dllimport)
#else
#define CORVANE_IMPORT
#endif

// FSSound's own convention, in one place.
#define FSSOUND_CALL CORVANE_WINAPI

using HWND = void*;
using HANDLE = void*;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using BOOL = int;

extern "C" {
CORVANE_IMPORT HWND CORVANE_WINAPI FindWindowExA(HWND parent, HWND after, const char* class_name,
                                                 const char* window_name);
CORVANE_IMPORT LRESULT CORVANE_WINAPI SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
CORVANE_IMPORT HANDLE CORVANE_WINAPI CreateFileMappingA(HANDLE file, void* security, DWORD protect, DWORD size_high,
                                                        DWORD size_low, const char* name);
CORVANE_IMPORT void* CORVANE_WINAPI MapViewOfFile(HANDLE mapping, DWORD access, DWORD offset_high, DWORD offset_low,
                                                  uintptr_t bytes);
CORVANE_IMPORT BOOL CORVANE_WINAPI UnmapViewOfFile(const void* view);
CORVANE_IMPORT BOOL CORVANE_WINAPI CloseHandle(HANDLE handle);

int FSSOUND_CALL fssound_load(uint32_t* sound, const char* path);
int FSSOUND_CALL fssound_play(uint32_t sound, uint32_t flags);
void FSSOUND_CALL fssound_release(uint32_t* sound);
}

namespace corvane {
inline constexpr uint32_t kPageReadWrite = 0x04;
inline constexpr uint32_t kFileMapAllAccess = 0x000F001F;
// CreateFileMappingA's "no file, use the paging file" handle.
inline HANDLE invalid_handle_value() { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)); }
}  // namespace corvane
