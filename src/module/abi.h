// Conventions shared by every record and entry point the host sees.
#pragma once

#include <cstdint>

// The simulator calls every gauge entry point with the callee cleaning the
// stack. 32-bit Linux builds use the same convention, so that their tests run
// exactly the code that ships and a host there can call the shipped DLL;
// elsewhere the platform default is the only sensible choice.
#if defined(__i386__) || defined(_M_IX86)
#define CORVANE_CALL __attribute__((stdcall))
#else
#define CORVANE_CALL
#endif

#if defined(_WIN32)
#define CORVANE_EXPORT __declspec(dllexport)
#else
#define CORVANE_EXPORT __attribute__((visibility("default")))
#endif

// True when records have the exact byte layout the host reads (32-bit builds).
#if UINTPTR_MAX == 0xFFFFFFFFu
#define CORVANE_RECORDS_32 1
#else
#define CORVANE_RECORDS_32 0
#endif
