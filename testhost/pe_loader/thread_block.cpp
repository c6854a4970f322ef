// A Windows thread information block for image code. 32-bit Windows code
// reaches its TEB through FS; glibc on i386 keeps its own TLS in GS, so FS is
// free for an LDT descriptor whose base is the fake TEB.
#include <asm/ldt.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <memory>

#include "pe_internal.h"

namespace corvane::pe::detail {
namespace {

// NT_TIB and the TEB fields after it that image code reads, at their offsets.
struct Teb {
  uint32_t exception_list;  // 0x00: -1 ends the SEH chain
  uint32_t stack_base;      // 0x04: the stack's upper end
  uint32_t stack_limit;     // 0x08
  uint32_t sub_system_tib;
  uint32_t fiber_data;
  uint32_t arbitrary_user_pointer;
  uint32_t self;  // 0x18
  uint32_t environment_pointer;
  uint32_t unique_process;  // 0x20
  uint32_t unique_thread;   // 0x24
  uint32_t active_rpc_handle;
  uint32_t thread_local_storage_pointer;  // 0x2C
  uint32_t process_environment_block;     // 0x30
  uint32_t last_error_value;              // 0x34
  uint8_t rest[kPageSize - 0x38];
};
static_assert(offsetof(Teb, self) == 0x18);
static_assert(offsetof(Teb, thread_local_storage_pointer) == 0x2C);
static_assert(offsetof(Teb, process_environment_block) == 0x30);
static_assert(offsetof(Teb, last_error_value) == 0x34);
static_assert(sizeof(Teb) == kPageSize);

// The LDT slot holding the TEB's descriptor; nothing else in the process uses the LDT.
constexpr unsigned kLdtEntry = 0;
constexpr uint16_t kFsSelector = (kLdtEntry << 3) | 4 /* LDT */ | 3 /* ring 3 */;
constexpr size_t kTlsSlots = 64;

struct ThreadEnvironment {
  alignas(kPageSize) Teb teb{};
  alignas(16) std::array<uint8_t, kPageSize> peb{};  // zeroed: nothing in it is set
  std::array<void*, kTlsSlots> tls_blocks{};         // ThreadLocalStoragePointer's array
};

uint32_t address_of(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

// Built once and never freed: FS may still point here while the process exits.
ThreadEnvironment& environment() {
  static ThreadEnvironment* const env = [] {
    auto e = std::make_unique<ThreadEnvironment>();
    e->teb.exception_list = 0xFFFFFFFF;
    e->teb.self = address_of(&e->teb);
    e->teb.unique_process = static_cast<uint32_t>(getpid());
    e->teb.thread_local_storage_pointer = address_of(e->tls_blocks.data());
    e->teb.process_environment_block = address_of(e->peb.data());
    user_desc descriptor{};
    descriptor.entry_number = kLdtEntry;
    descriptor.base_addr = e->teb.self;
    descriptor.limit = sizeof(Teb) - 1;
    descriptor.seg_32bit = 1;
    descriptor.useable = 1;
    if (syscall(SYS_modify_ldt, 1, &descriptor, sizeof descriptor) != 0)
      throw LoadError(std::string("modify_ldt for the thread block failed: ") + std::strerror(errno));
    return e.release();
  }();
  return *env;
}

}  // namespace

void enter_image() {
  ThreadEnvironment& env = environment();
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
    void* low = nullptr;
    size_t size = 0;
    pthread_attr_getstack(&attributes, &low, &size);
    pthread_attr_destroy(&attributes);
    env.teb.stack_limit = address_of(low);
    env.teb.stack_base = address_of(static_cast<uint8_t*>(low) + size);
  }
  env.teb.unique_thread = static_cast<uint32_t>(gettid());
  asm volatile("movw %w0, %%fs" : : "r"(kFsSelector) : "memory");
}

int claim_tls_slot(void* block) {
  auto& blocks = environment().tls_blocks;
  for (size_t i = 0; i < blocks.size(); ++i) {
    if (blocks[i] == nullptr) {
      blocks[i] = block;
      return static_cast<int>(i);
    }
  }
  return -1;
}

void release_tls_slot(int slot) { environment().tls_blocks[static_cast<size_t>(slot)] = nullptr; }

void set_last_error(uint32_t code) { environment().teb.last_error_value = code; }
uint32_t last_error() { return environment().teb.last_error_value; }

}  // namespace corvane::pe::detail
