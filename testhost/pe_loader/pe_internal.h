// What the loader, the thread block and the kernel32/msvcrt stand-ins share.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::pe::detail {

struct LoadError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline constexpr uint32_t kPageSize = 4096;

// Windows page protections, as VirtualQuery and VirtualProtect speak them.
inline constexpr uint32_t kPageNoAccess = 0x01;
inline constexpr uint32_t kPageReadOnly = 0x02;
inline constexpr uint32_t kPageReadWrite = 0x04;
inline constexpr uint32_t kPageExecute = 0x10;
inline constexpr uint32_t kPageExecuteRead = 0x20;
inline constexpr uint32_t kPageExecuteReadWrite = 0x40;

// A loaded image as kernel32's module and memory functions see it.
struct Module {
  std::string name;  // the file name, which GetModuleHandle matches
  uint8_t* base = nullptr;
  uint32_t size = 0;
  std::vector<uint32_t> page_protection;  // one Windows protection per page
};

std::vector<Module*>& loaded_modules();
Module* module_containing(uintptr_t address);
Module* module_named(std::string_view name);
// An export by name, or by ordinal when name is empty; null when absent.
void* export_address(const Module& module, std::string_view name, uint16_t ordinal);
// mprotect with Windows protections; false if the range leaves the image.
bool protect(Module& module, uintptr_t address, uint32_t bytes, uint32_t protection, uint32_t* old_protection);

// Stand-ins are looked up by DLL (any case) and function name.
void* find_stand_in(std::string_view dll, std::string_view name);
bool same_dll(std::string_view a, std::string_view b);

// The fake thread information block behind FS. enter_image() builds it once
// and loads FS on the calling thread; call it before running image code.
void enter_image();
int claim_tls_slot(void* block);  // -1 when all are taken
void release_tls_slot(int slot);
void set_last_error(uint32_t code);
uint32_t last_error();

}  // namespace corvane::pe::detail
