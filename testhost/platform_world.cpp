#include "corvane_testhost/platform_world.h"

#include <cstring>

#include "corvane_testhost/module_scope.h"
#include "host/platform.h"

namespace corvane::testhost {

namespace {
std::unique_ptr<PlatformWorld> world = std::make_unique<PlatformWorld>();
int fsuipc_window_tag = 0;
}  // namespace

PlatformWorld& platform() { return *world; }
void reset_platform() { world = std::make_unique<PlatformWorld>(); }

int FsSoundStandIn::load(uint32_t* handle, const char* path) {
  const std::string p = path != nullptr ? path : "";
  int result = 1;
  if (failing_loads.count(p) != 0 || (file_exists && !file_exists(p))) {
    result = 0;
  } else {
    *handle = next_handle_++;
    live_[*handle] = p;
  }
  calls_.push_back({SoundCall::Kind::Load, p, result == 1 ? *handle : 0, 0, result, clock ? clock() : 0.0});
  return result;
}

int FsSoundStandIn::play(uint32_t handle, uint32_t flags) {
  int result = live_.count(handle) != 0 ? 1 : 0;
  if (result == 1 && failing_plays > 0) {
    --failing_plays;
    result = 0;
  }
  const auto it = live_.find(handle);
  calls_.push_back(
      {SoundCall::Kind::Play, it != live_.end() ? it->second : "", handle, flags, result, clock ? clock() : 0.0});
  return result;
}

void FsSoundStandIn::release(uint32_t* handle) {
  const uint32_t h = handle != nullptr ? *handle : 0;
  const auto it = live_.find(h);
  calls_.push_back({SoundCall::Kind::Release, it != live_.end() ? it->second : "", h, 0, 0, clock ? clock() : 0.0});
  if (it != live_.end()) {
    live_.erase(it);
  }
}

std::vector<std::string> FsSoundStandIn::played() const {
  std::vector<std::string> out;
  for (const SoundCall& call : calls_) {
    if (call.kind == SoundCall::Kind::Play && call.result != 0) {
      out.push_back(call.path);
    }
  }
  return out;
}

void FsuipcStandIn::poke(uint32_t offset, const void* data, uint32_t size) {
  for (uint32_t i = 0; i < size && offset + i < kSpaceSize; ++i) {
    space_[offset + i] = static_cast<const uint8_t*>(data)[i];
  }
}

void FsuipcStandIn::peek(uint32_t offset, void* data, uint32_t size) const {
  auto* out = static_cast<uint8_t*>(data);
  for (uint32_t i = 0; i < size; ++i) {
    const uint32_t at = offset + i;
    uint8_t byte = at < kSpaceSize ? space_[at] : 0;
    // The two version words are FSUIPC's own: a client's write never shows.
    if (at >= 0x3304 && at < 0x3308) {
      byte = static_cast<uint8_t>(fsuipc_version >> (8 * (at - 0x3304)));
    } else if (at >= 0x3308 && at < 0x330C) {
      byte = static_cast<uint8_t>(sim_version >> (8 * (at - 0x3308)));
    }
    out[i] = byte;
  }
}

intptr_t FsuipcStandIn::answer(uint32_t count, uint8_t* buffer) {
  ++messages_;
  last_request.assign(buffer, buffer + count + 4);
  if (failing) {
    return 0;
  }
  uint32_t at = 0;
  while (at + 4 <= count) {
    uint32_t kind = 0;
    uint32_t offset = 0;
    uint32_t size = 0;
    std::memcpy(&kind, buffer + at, 4);
    if (kind == 0 || at + 12 > count) {
      break;
    }
    std::memcpy(&offset, buffer + at + 4, 4);
    std::memcpy(&size, buffer + at + 8, 4);
    if (kind == 1) {
      if (at + 16 + size > count) {
        break;
      }
      peek(offset, buffer + at + 16, size);
      at += 16 + size;
    } else if (kind == 2) {
      if (at + 12 + size > count) {
        break;
      }
      poke(offset, buffer + at + 12, size);
      at += 12 + size;
    } else {
      break;
    }
  }
  if (tamper) {
    tamper(buffer, count);
  }
  return forced_answer.value_or(1);
}

void* SharedMemoryStandIn::create(const char* name, uint32_t size) {
  if (failing || name == nullptr) {
    return nullptr;
  }
  auto& slot = blocks_[name];
  if (!slot) {
    slot = std::make_unique<SharedBlockStandIn>();
    slot->name = name;
    slot->data.assign(size, 0);
  }
  ++slot->handles;
  return slot.get();
}

void* SharedMemoryStandIn::map(void* handle) {
  for (auto& [name, block] : blocks_) {
    if (block.get() == handle) {
      ++block->views;
      return block->data.data();
    }
  }
  return nullptr;
}

int SharedMemoryStandIn::unmap(const void* view) {
  for (auto& [name, block] : blocks_) {
    if (block->data.data() == view && block->views > 0) {
      --block->views;
      return 1;
    }
  }
  return 0;
}

int SharedMemoryStandIn::close(void* handle) {
  for (auto it = blocks_.begin(); it != blocks_.end(); ++it) {
    if (it->second.get() == handle) {
      if (--it->second->handles == 0 && it->second->views == 0) {
        blocks_.erase(it);
      }
      return 1;
    }
  }
  return 0;
}

uint8_t* SharedMemoryStandIn::block(const std::string& name) {
  const auto it = blocks_.find(name);
  return it != blocks_.end() ? it->second->data.data() : nullptr;
}

const SharedBlockStandIn* SharedMemoryStandIn::find(const std::string& name) const {
  const auto it = blocks_.find(name);
  return it != blocks_.end() ? it->second.get() : nullptr;
}

}  // namespace corvane::testhost

// The platform functions that the module leaves for its loader to supply, in
// the convention the module calls them with.
using corvane::testhost::HostCodeScope;
using corvane::testhost::platform;

extern "C" {

CORVANE_HOST_CALLBACK HWND CORVANE_WINAPI FindWindowExA(HWND /*parent*/, HWND /*after*/, const char* class_name,
                                                        const char* /*window_name*/) {
  const HostCodeScope host_code;
  if (class_name != nullptr && std::strcmp(class_name, "UIPCMAIN") == 0 && platform().fsuipc.present) {
    return &corvane::testhost::fsuipc_window_tag;
  }
  return nullptr;
}

CORVANE_HOST_CALLBACK LRESULT CORVANE_WINAPI SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const HostCodeScope host_code;
  if (window != &corvane::testhost::fsuipc_window_tag || message != 0x47F || !platform().fsuipc.present) {
    return 0;
  }
  return platform().fsuipc.answer(static_cast<uint32_t>(wparam), reinterpret_cast<uint8_t*>(lparam));
}

CORVANE_HOST_CALLBACK HANDLE CORVANE_WINAPI CreateFileMappingA(HANDLE /*file*/, void* /*security*/, DWORD /*protect*/,
                                                               DWORD /*size_high*/, DWORD size_low, const char* name) {
  const HostCodeScope host_code;
  return platform().shared_memory.create(name, size_low);
}

CORVANE_HOST_CALLBACK void* CORVANE_WINAPI MapViewOfFile(HANDLE mapping, DWORD /*access*/, DWORD /*offset_high*/,
                                                         DWORD /*offset_low*/, uintptr_t /*bytes*/) {
  const HostCodeScope host_code;
  return platform().shared_memory.map(mapping);
}

CORVANE_HOST_CALLBACK BOOL CORVANE_WINAPI UnmapViewOfFile(const void* view) {
  const HostCodeScope host_code;
  return platform().shared_memory.unmap(view);
}

CORVANE_HOST_CALLBACK BOOL CORVANE_WINAPI CloseHandle(HANDLE handle) {
  const HostCodeScope host_code;
  return platform().shared_memory.close(handle);
}

CORVANE_HOST_CALLBACK int FSSOUND_CALL fssound_load(uint32_t* sound, const char* path) {
  const HostCodeScope host_code;
  return platform().sound.load(sound, path);
}
CORVANE_HOST_CALLBACK int FSSOUND_CALL fssound_play(uint32_t sound, uint32_t flags) {
  const HostCodeScope host_code;
  return platform().sound.play(sound, flags);
}
CORVANE_HOST_CALLBACK void FSSOUND_CALL fssound_release(uint32_t* sound) {
  const HostCodeScope host_code;
  platform().sound.release(sound);
}
}
