// Marks the stretches of a test process in which the module's own code runs:
// from the host's call into a gauge callback, element callback or mouse
// handler until it returns, less the time the module spends back in the host
// (its services) or in the platform stand-ins. Allocation checks count what
// happens while it is set.
#pragma once

namespace corvane::testhost {

inline int module_code_running = 0;
// Calls from the host into the module so far: a check over a run can tell
// that the module did run.
inline long module_code_entries = 0;

// Around every call from the host into the module.
class ModuleCodeScope {
 public:
  ModuleCodeScope() {
    ++module_code_running;
    ++module_code_entries;
  }
  ~ModuleCodeScope() { --module_code_running; }
  ModuleCodeScope(const ModuleCodeScope&) = delete;
  ModuleCodeScope& operator=(const ModuleCodeScope&) = delete;
};

// Around every call from the module out to the host or the platform.
class HostCodeScope {
 public:
  HostCodeScope() : saved_(module_code_running) { module_code_running = 0; }
  ~HostCodeScope() { module_code_running = saved_; }
  HostCodeScope(const HostCodeScope&) = delete;
  HostCodeScope& operator=(const HostCodeScope&) = delete;

 private:
  int saved_;
};

}  // namespace corvane::testhost
