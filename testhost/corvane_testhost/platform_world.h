// Stand-ins for everything outside the simulator that the module calls:
// FSUIPC's window, named shared memory and FSSound. One world per process,
// reset between tests.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace corvane::testhost {

struct SoundCall {
  enum class Kind { Load, Play, Release };
  Kind kind;
  std::string path;     // loads
  uint32_t handle = 0;  // plays and releases
  uint32_t flags = 0;
  int result = 0;
  double time = 0.0;  // the stand-in's clock when the call came
};

class FsSoundStandIn {
 public:
  int load(uint32_t* handle, const char* path);
  int play(uint32_t handle, uint32_t flags);
  void release(uint32_t* handle);

  const std::vector<SoundCall>& calls() const { return calls_; }
  void clear_calls() { calls_.clear(); }
  // Paths of successful plays, in order.
  std::vector<std::string> played() const;
  std::set<std::string> failing_loads;  // these paths fail to load
  int failing_plays = 0;                // so many next plays fail
  // Called with each path to load; returning false fails the load (real files).
  std::function<bool(const std::string&)> file_exists;
  // Stamps each call (simulation time); none leaves 0.
  std::function<double()> clock;

 private:
  std::vector<SoundCall> calls_;
  std::map<uint32_t, std::string> live_;
  uint32_t next_handle_ = 100;
};

class FsuipcStandIn {
 public:
  static constexpr uint32_t kSpaceSize = 0x10000;
  bool present = true;   // a "UIPCMAIN" window exists
  bool failing = false;  // the message answers 0
  uint32_t fsuipc_version = 0x19980005 + 0x100;
  uint32_t sim_version = 0xFADE0006;
  // Inspect or rewrite the request buffer before it is answered (fuzzing).
  std::function<void(uint8_t* buffer, uint32_t count)> tamper;
  // The message's answer when set (1 is success; fuzzing tries any other).
  std::optional<intptr_t> forced_answer;

  intptr_t answer(uint32_t count, uint8_t* buffer);
  void poke(uint32_t offset, const void* data, uint32_t size);
  void peek(uint32_t offset, void* data, uint32_t size) const;
  int messages() const { return messages_; }
  std::vector<uint8_t> last_request;  // bytes as the client sent them, end marker included

 private:
  std::array<uint8_t, kSpaceSize> space_{};
  int messages_ = 0;
};

struct SharedBlockStandIn {
  std::string name;
  std::vector<uint8_t> data;
  int handles = 0;
  int views = 0;
};

class SharedMemoryStandIn {
 public:
  bool failing = false;
  void* create(const char* name, uint32_t size);
  void* map(void* handle);
  int unmap(const void* view);
  int close(void* handle);
  // The block as the other module sees it; nullptr when it does not exist.
  uint8_t* block(const std::string& name);
  const SharedBlockStandIn* find(const std::string& name) const;

 private:
  std::map<std::string, std::unique_ptr<SharedBlockStandIn>> blocks_;
};

struct PlatformWorld {
  FsSoundStandIn sound;
  FsuipcStandIn fsuipc;
  SharedMemoryStandIn shared_memory;
};

PlatformWorld& platform();
void reset_platform();

}  // namespace corvane::testhost
