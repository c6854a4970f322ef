// A small in-process client for FSUIPC's offset space: requests are packed
// into the caller's buffer, handed over with one window message, and answered
// in place.
#pragma once

#include <cstdint>

#include "host/platform.h"

namespace corvane {

enum FsuipcResult : uint32_t {
  FSUIPC_OK = 0,
  FSUIPC_ERR_OPEN = 1,
  FSUIPC_ERR_NOFS = 2,
  FSUIPC_ERR_REGMSG = 3,
  FSUIPC_ERR_ATOM = 4,
  FSUIPC_ERR_MAP = 5,
  FSUIPC_ERR_VIEW = 6,
  FSUIPC_ERR_VERSION = 7,
  FSUIPC_ERR_WRONGFS = 8,
  FSUIPC_ERR_NOTOPEN = 9,
  FSUIPC_ERR_NODATA = 10,
  FSUIPC_ERR_TIMEOUT = 11,
  FSUIPC_ERR_SENDMSG = 12,
  FSUIPC_ERR_DATA = 13,
  FSUIPC_ERR_RUNNING = 14,
  FSUIPC_ERR_SIZE = 15,
};

inline constexpr int kFsuipcResultCount = 16;
extern const char* const fsuipc_result_text[kFsuipcResultCount];

inline constexpr uint32_t kFsuipcMessage = 0x47F;
inline constexpr uint32_t kFsuipcMaxSize = 0x7F00;
inline constexpr uint32_t kFsuipcClientVersion = 1100;

extern HWND ipc_window;
extern uint8_t* ipc_buffer;
extern uint8_t* ipc_next;
extern uint32_t ipc_capacity;
extern uint32_t ipc_fsuipc_version;
extern uint32_t ipc_sim_version;

int ipc_open(uint32_t requested_sim, uint32_t* result, uint8_t* buffer, uint32_t size);
int ipc_read(uint32_t offset, uint32_t size, void* destination, uint32_t* result);
int ipc_write(uint32_t offset, uint32_t size, const void* source, uint32_t* result);
int ipc_process(uint32_t* result);
void ipc_close();

}  // namespace corvane
