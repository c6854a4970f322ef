// Loads a 32-bit Windows DLL into this (32-bit x86 Linux) process: maps its
// sections, relocates it, binds its imports to the caller's functions or to
// small kernel32/msvcrt stand-ins, gives it a thread information block
// through FS, and runs its TLS callbacks and entry point as Windows would.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace corvane::pe {

// One import the caller supplies; an empty name binds by ordinal. DLL names
// compare without regard to case, as Windows does.
struct ImportBinding {
  std::string dll;
  std::string name;
  uint16_t ordinal = 0;
  void* address = nullptr;
};

struct LoadOptions {
  // Windows 98 to XP do not run TLS callbacks for a DLL loaded at run time.
  bool run_tls_callbacks = true;
  // Places the image away from its preferred base even when that is free.
  bool force_relocation = false;
};

class LoadedImage {
 public:
  // Null on failure, with the reason in *error (every unresolved import named).
  static std::unique_ptr<LoadedImage> load(const std::string& path, std::span<const ImportBinding> bindings,
                                           const LoadOptions& options, std::string* error);
  // Runs DLL_PROCESS_DETACH (entry point, then TLS callbacks) and unmaps.
  ~LoadedImage();
  LoadedImage(const LoadedImage&) = delete;
  LoadedImage& operator=(const LoadedImage&) = delete;

  void* find_export(std::string_view name) const;
  uint32_t base() const;
  uint32_t preferred_base() const;
  uint32_t size() const;
  bool relocated() const;

  struct State;

 private:
  explicit LoadedImage(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};

// The decimal point the C runtime stand-in's localeconv reports ("." at start).
void set_crt_decimal_point(const char* point);

}  // namespace corvane::pe
