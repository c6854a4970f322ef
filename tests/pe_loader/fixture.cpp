// A DLL for the PE loader's tests, built with mingw-w64: an exported record
// and functions, a static object, a TLS callback and TLS data, and imports by
// name and by ordinal from a made-up ProbeHost.dll that the test binds. Its
// variable is imported without dllimport, so mingw's runtime patches the code
// that reads it at start-up (VirtualQuery and VirtualProtect on .text).
#define __USE_MINGW_ANSI_STDIO 1
#include <windows.h>

#include <cstdio>

extern "C" {
__declspec(dllimport) void __stdcall probe_note(int event);
__declspec(dllimport) int __stdcall probe_scale(int value);  // ordinal 5
extern int probe_value;
extern const IMAGE_TLS_DIRECTORY _tls_used;
extern ULONG _tls_index;
}

namespace {

struct Noted {
  Noted() { probe_note('C'); }
  ~Noted() { probe_note('D'); }
} noted;

void NTAPI on_tls(PVOID, DWORD reason, PVOID) { probe_note(reason == DLL_PROCESS_ATTACH ? 'T' : 't'); }

int scale_plus_one(int value) { return probe_scale(value) + 1; }

}  // namespace

extern "C" {
__attribute__((section(".CRT$XLF"), used)) PIMAGE_TLS_CALLBACK fixture_tls_callback = on_tls;
__attribute__((section(".tls$B"))) int fixture_tls_data = 0x5EED;

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH || reason == DLL_PROCESS_DETACH) probe_note(reason ? 'M' : 'm');
  return TRUE;
}

struct FixtureRecord {
  const char* text;
  int (*scale_plus_one)(int);
};
__declspec(dllexport) FixtureRecord fixture_record = {"pe fixture", scale_plus_one};

// This thread's copy of fixture_tls_data, found as compiled Windows code finds it.
__declspec(dllexport) int fixture_tls_value() {
  char** blocks;
  asm("movl %%fs:0x2C, %0" : "=r"(blocks));
  return *reinterpret_cast<int*>(blocks[_tls_index] +
                                 (reinterpret_cast<ULONG_PTR>(&fixture_tls_data) - _tls_used.StartAddressOfRawData));
}

__declspec(dllexport) int fixture_probe_value() { return probe_value; }

__declspec(dllexport) const char* fixture_format(double value) {
  static char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}
}
