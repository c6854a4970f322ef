// Marks the stretches of a test process in which the module's own code runs:
// from the host's call into a gauge callback, element callback or mouse
// handler until it returns, less the time the module spends back in the host
// (its services) or in the platform stand-ins. Allocation checks count what
// happens while it is set.
//
// The same marks play the simulator's FPU: every call in starts with the x87
// control word a host chose (a Direct3D process often runs at 24-bit
// precision), and a fault is noted when the module does not hand that word
// back, or calls out without having set its own.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "module/entry.h"

// On functions the module calls back into: the DLL keeps the stack only
// 4-byte aligned, where 32-bit Linux code may assume 16.
#if defined(__i386__)
#define CORVANE_HOST_CALLBACK __attribute__((force_align_arg_pointer))
#else
#define CORVANE_HOST_CALLBACK
#endif

namespace corvane::testhost {

inline int module_code_running = 0;
// Calls from the host into the module so far: a check over a run can tell
// that the module did run.
inline long module_code_entries = 0;

// The control word the host enters the module with (the Windows default).
inline uint16_t host_control_word = 0x027F;
// Control-word faults seen so far; a test host reports them as violations.
inline std::vector<std::string> fpu_faults;

inline std::string control_word_text(uint16_t word) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(word));
  return text;
}

// Around every call from the host into the module.
class ModuleCodeScope {
 public:
  ModuleCodeScope() : outermost_(module_code_running == 0) {
    ++module_code_running;
    ++module_code_entries;
#if defined(__i386__) || defined(__x86_64__)
    if (outermost_) {
      own_word_ = x87_control_word();
      set_x87_control_word(host_control_word);
    }
#endif
  }
  ~ModuleCodeScope() {
    --module_code_running;
#if defined(__i386__) || defined(__x86_64__)
    if (outermost_) {
      const uint16_t back = x87_control_word();
      if (back != host_control_word) {
        fpu_faults.push_back("the module returned with control word " + control_word_text(back) + " instead of " +
                             control_word_text(host_control_word));
      }
      set_x87_control_word(own_word_);
    }
#endif
  }
  ModuleCodeScope(const ModuleCodeScope&) = delete;
  ModuleCodeScope& operator=(const ModuleCodeScope&) = delete;

 private:
  bool outermost_;
  uint16_t own_word_ = 0;
};

// Around every call from the module out to the host or the platform.
class HostCodeScope {
 public:
  HostCodeScope() : saved_(module_code_running) {
#if CORVANE_X87_MATH
    if (saved_ > 0) {
      const uint16_t word = x87_control_word();
      if (word != kModuleControlWord) {
        fpu_faults.push_back("module code ran at control word " + control_word_text(word));
      }
    }
#endif
    module_code_running = 0;
  }
  ~HostCodeScope() { module_code_running = saved_; }
  HostCodeScope(const HostCodeScope&) = delete;
  HostCodeScope& operator=(const HostCodeScope&) = delete;

 private:
  int saved_;
};

}  // namespace corvane::testhost
