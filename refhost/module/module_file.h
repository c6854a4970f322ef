// A module file loaded the way the simulator loads it: only its two exported
// records are seen. libcorvane.so is opened with dlopen; Corvane.gau, the
// Windows DLL itself, through our PE loader (32-bit builds only), with its
// Win32 and FSSound imports bound to the test host's platform stand-ins.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "corvane_testhost/test_host.h"

namespace corvane::refhost {

struct ModuleLoadOptions {
  // Windows 98 to XP run no TLS callbacks for a DLL loaded at run time.
  bool run_tls_callbacks = true;
  // Load away from the DLL's preferred base, so that its relocations are applied.
  bool force_relocation = false;
};

class ModuleFile {
 public:
  // Throws std::runtime_error naming the file and what went wrong.
  static std::unique_ptr<ModuleFile> open(const std::string& path, const ModuleLoadOptions& options = {});
  ~ModuleFile();
  ModuleFile(const ModuleFile&) = delete;
  ModuleFile& operator=(const ModuleFile&) = delete;

  const testhost::ModuleView& view() const { return view_; }
  const std::string& path() const { return path_; }
  // The gauges' names in the order Linkage lists them.
  std::vector<std::string> gauge_names() const;

 private:
  struct Handle;
  ModuleFile(std::string path, std::unique_ptr<Handle> handle, testhost::ModuleView view);
  std::string path_;
  std::unique_ptr<Handle> handle_;
  testhost::ModuleView view_;
};

// This build's own libcorvane.so.
std::string default_module_path();

// The decimal point a loaded Corvane.gau's C runtime reports, as another DLL
// in the simulator's process may set it (libcorvane.so follows the process
// locale itself).
void set_module_runtime_decimal_point(const char* point);

}  // namespace corvane::refhost
