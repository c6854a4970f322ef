#include "host/fsuipc.h"

#include <cstring>

namespace corvane {

const char* const fsuipc_result_text[kFsuipcResultCount] = {
    "Okay",
    "Attempt to Open when already Open",
    "Cannot link to FSUIPC or WideClient",
    "Failed to Register common message with Windows",
    "Failed to create Atom for mapping filename",
    "Failed to create a file mapping object",
    "Failed to open a view to the file map",
    "Incorrect version of FSUIPC, or not FSUIPC",
    "Sim is not version requested",
    "Call cannot execute, link not Open",
    "Call cannot execute: no requests accumulated",
    "IPC timed out all retries",
    "IPC sendmessage failed all retries",
    "IPC request contains bad data",
    "Maybe running on WideClient, but FS not running on Server, or wrong FSUIPC",
    "Read or Write request cannot be added, memory for Process is full",
};

HWND ipc_window = nullptr;
uint8_t* ipc_buffer = nullptr;
uint8_t* ipc_next = nullptr;
uint32_t ipc_capacity = 0;
uint32_t ipc_fsuipc_version = 0;
uint32_t ipc_sim_version = 0;

namespace {

constexpr uint32_t kRecordRead = 1;
constexpr uint32_t kRecordWrite = 2;
constexpr uint32_t kReadHeader = 16;
constexpr uint32_t kWriteHeader = 12;

// The wire carries a 32-bit destination, which cannot hold an address on
// 64-bit builds, and an answer may rewrite any byte of the buffer. The reads
// as queued wait here, so answers land only where the caller asked and never
// beyond the size it gave.
struct PendingRead {
  void* destination;
  uint32_t size;
};
constexpr uint32_t kMaxReads = kFsuipcMaxSize / kReadHeader;
PendingRead pending_reads[kMaxReads] = {};
uint32_t pending_count = 0;

void put_u32(uint8_t* at, uint32_t value) { std::memcpy(at, &value, sizeof value); }
uint32_t get_u32(const uint8_t* at) {
  uint32_t value = 0;
  std::memcpy(&value, at, sizeof value);
  return value;
}

uint32_t queued_bytes() { return static_cast<uint32_t>(ipc_next - ipc_buffer); }

int fail(uint32_t* result, uint32_t code) {
  *result = code;
  return 0;
}

}  // namespace

int ipc_open(uint32_t requested_sim, uint32_t* result, uint8_t* buffer, uint32_t size) {
  if (ipc_buffer != nullptr) {
    return fail(result, FSUIPC_ERR_OPEN);
  }
  if (buffer == nullptr || size < 32) {
    return fail(result, FSUIPC_ERR_VIEW);
  }
  ipc_fsuipc_version = 0;
  ipc_sim_version = 0;
  ipc_window = FindWindowExA(nullptr, nullptr, "UIPCMAIN", nullptr);
  if (ipc_window == nullptr) {
    return fail(result, FSUIPC_ERR_NOFS);
  }
  ipc_capacity = size < kFsuipcMaxSize ? size : kFsuipcMaxSize;
  ipc_buffer = buffer;
  ipc_next = buffer;
  pending_count = 0;

  const uint16_t client_version = kFsuipcClientVersion;
  if (ipc_read(0x3304, 4, &ipc_fsuipc_version, result) == 0 || ipc_read(0x3308, 4, &ipc_sim_version, result) == 0 ||
      ipc_write(0x330A, 2, &client_version, result) == 0 || ipc_process(result) == 0) {
    ipc_close();
    return 0;
  }
  if (ipc_fsuipc_version < 0x19980005u || (ipc_sim_version & 0xFFFF0000u) != 0xFADE0000u) {
    ipc_close();
    return fail(result, FSUIPC_ERR_VERSION);
  }
  ipc_sim_version &= 0xFFFFu;
  if (requested_sim == 0 || requested_sim == ipc_sim_version) {
    *result = FSUIPC_OK;
    return 1;
  }
  ipc_close();
  return fail(result, FSUIPC_ERR_WRONGFS);
}

int ipc_read(uint32_t offset, uint32_t size, void* destination, uint32_t* result) {
  if (ipc_buffer == nullptr) {
    return fail(result, FSUIPC_ERR_NOTOPEN);
  }
  // 64-bit sums: a huge size must not wrap round and slip through the check.
  if (static_cast<uint64_t>(queued_bytes()) + size + kReadHeader + 4 > ipc_capacity) {
    return fail(result, FSUIPC_ERR_SIZE);
  }
  put_u32(ipc_next, kRecordRead);
  put_u32(ipc_next + 4, offset);
  put_u32(ipc_next + 8, size);
  put_u32(ipc_next + 12, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(destination)));
  std::memset(ipc_next + kReadHeader, 0, size);
  pending_reads[pending_count] = PendingRead{destination, size};
  ++pending_count;
  ipc_next += kReadHeader + size;
  *result = FSUIPC_OK;
  return 1;
}

int ipc_write(uint32_t offset, uint32_t size, const void* source, uint32_t* result) {
  if (ipc_buffer == nullptr) {
    return fail(result, FSUIPC_ERR_NOTOPEN);
  }
  if (static_cast<uint64_t>(queued_bytes()) + size + kWriteHeader + 4 > ipc_capacity) {
    return fail(result, FSUIPC_ERR_SIZE);
  }
  put_u32(ipc_next, kRecordWrite);
  put_u32(ipc_next + 4, offset);
  put_u32(ipc_next + 8, size);
  if (size != 0) {
    std::memcpy(ipc_next + kWriteHeader, source, size);
  }
  ipc_next += kWriteHeader + size;
  *result = FSUIPC_OK;
  return 1;
}

int ipc_process(uint32_t* result) {
  if (ipc_buffer == nullptr) {
    return fail(result, FSUIPC_ERR_NOTOPEN);
  }
  if (ipc_next == ipc_buffer) {
    return fail(result, FSUIPC_ERR_NODATA);
  }
  put_u32(ipc_next, 0);
  const uint32_t count = queued_bytes();
  const LRESULT answer = SendMessageA(ipc_window, kFsuipcMessage, count, reinterpret_cast<LPARAM>(ipc_buffer));
  ipc_next = ipc_buffer;
  const uint32_t reads = pending_count;
  pending_count = 0;
  if (answer != 1) {
    return fail(result, FSUIPC_ERR_DATA);
  }
  // Walk only what was queued: the answer may have rewritten the records.
  uint32_t at = 0;
  uint32_t read_index = 0;
  while (at + 4 <= count + 4) {
    const uint32_t kind = get_u32(ipc_buffer + at);
    if (kind == 0) {
      break;
    }
    if (kind == kRecordRead && at + kReadHeader <= count) {
      const uint32_t size = get_u32(ipc_buffer + at + 8);
      if (size > count - at - kReadHeader) {
        break;
      }
      if (read_index >= reads || pending_reads[read_index].size != size) {
        break;
      }
      void* destination = pending_reads[read_index].destination;
      ++read_index;
      if (destination != nullptr && size != 0) {
        std::memcpy(destination, ipc_buffer + at + kReadHeader, size);
      }
      at += kReadHeader + size;
    } else if (kind == kRecordWrite && at + kWriteHeader <= count) {
      const uint32_t size = get_u32(ipc_buffer + at + 8);
      if (size > count - at - kWriteHeader) {
        break;
      }
      at += kWriteHeader + size;
    } else {
      put_u32(ipc_buffer + at, 0);
      break;
    }
  }
  ipc_next = ipc_buffer;
  *result = FSUIPC_OK;
  return 1;
}

void ipc_close() {
  ipc_window = nullptr;
  ipc_buffer = nullptr;
  ipc_next = nullptr;
  pending_count = 0;
}

}  // namespace corvane
