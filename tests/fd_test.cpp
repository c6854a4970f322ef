// The "FD" switch: `fd_mode`, its lights and the "PassData" block in both
// directions, with the tests acting as the other module's display.
#include "gauges/guidance/fd.h"

#include <cstring>
#include <string>
#include <vector>

#include "module/records.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

class Fd : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    host().install(gauge("Autopilot2"));  // loads the sounds
    fd_ = gauge("FD");
  }
  void TearDown() override {
    host().kill(fd_);
    ModuleTest::TearDown();
  }
  uint8_t* open_other_side() {
    void* handle = world().shared_memory.create("PassData", 20);
    return static_cast<uint8_t*>(world().shared_memory.map(handle));
  }
  static std::string field(const uint8_t* block) { return std::string(reinterpret_cast<const char*>(block), 10); }
  static std::string padded(const char* text) {
    std::string out(text);
    out.resize(10, '\0');
    return out;
  }
  // FD light, LS light.
  std::string lights() {
    host().cycle(fd_);
    std::string out;
    for (size_t i = 1; i <= 2; ++i) {
      out += host().values(host().element(fd_, i)).value[0] != 0.0 ? '1' : '0';
    }
    return out;
  }
  void press_fd() { ASSERT_TRUE(host().click(fd_, 10, 8)); }
  void press_ls() { ASSERT_TRUE(host().click(fd_, 40, 8)); }

  GaugeHeader* fd_ = nullptr;
};

TEST_F(Fd, ButtonsExcludeEachOtherAndPublishTheMode) {
  uint8_t* block = open_other_side();
  std::memset(block + 10, 0x77, 10);
  host().install(fd_);
  EXPECT_EQ(field(block), padded("FDMode=0"));
  EXPECT_EQ(lights(), "00");
  world().sound.clear_calls();

  press_fd();
  EXPECT_EQ(fd_mode, 1);
  EXPECT_EQ(field(block), padded("FDMode=1"));
  EXPECT_EQ(lights(), "10");
  press_ls();
  EXPECT_EQ(fd_mode, 2);
  EXPECT_EQ(field(block), padded("FDMode=2"));
  EXPECT_EQ(lights(), "01");
  press_ls();
  EXPECT_EQ(fd_mode, 0);
  EXPECT_EQ(field(block), padded("FDMode=0"));
  EXPECT_EQ(lights(), "00");
  press_fd();
  press_fd();
  EXPECT_EQ(lights(), "00");
  EXPECT_EQ(world().sound.played(), std::vector<std::string>(5, "Sound\\Button_Press.wav"));
  for (size_t i = 10; i < 20; ++i) {
    ASSERT_EQ(block[i], 0x77) << "the second half is the other side's";
  }
}

TEST_F(Fd, TheOtherSidesValueBecomesFdModeAtTheNextUpdate) {
  uint8_t* block = open_other_side();
  host().install(fd_);
  std::memcpy(block, padded("FDMode=1").data(), 10);
  EXPECT_EQ(fd_mode, 0);
  EXPECT_EQ(lights(), "10");
  EXPECT_EQ(fd_mode, 1);

  // Outside 0..2: neither light, and the next press still gives its own mode.
  std::memcpy(block, padded("FDMode=7").data(), 10);
  EXPECT_EQ(lights(), "00");
  EXPECT_EQ(fd_mode, 7);
  press_fd();
  EXPECT_EQ(fd_mode, 1);
  std::memcpy(block, padded("FDMode=-3").data(), 10);
  EXPECT_EQ(lights(), "00");
  press_ls();
  EXPECT_EQ(fd_mode, 2);
  EXPECT_EQ(field(block), padded("FDMode=2"));

  // Unterminated or non-numeric texts stay within the field's ten bytes.
  std::memset(block, '9', 20);
  host().update(fd_);
  EXPECT_EQ(fd_mode, 999);
  EXPECT_EQ(std::strlen(fd_mode_text), 10U);
  std::memset(block, 'z', 20);
  host().update(fd_);
  EXPECT_EQ(fd_mode, 0);
  for (int b = 0; b < 256; ++b) {
    std::memset(block, b, 20);
    host().update(fd_);
  }
}

TEST_F(Fd, KillClosesTheBlockAndTheModeSurvivesANewInstall) {
  uint8_t* block = open_other_side();
  host().install(fd_);
  press_ls();
  host().kill(fd_);
  EXPECT_EQ(world().shared_memory.find("PassData")->views, 1);
  EXPECT_EQ(world().shared_memory.find("PassData")->handles, 1);
  std::memset(block, 0, 20);
  press_fd();
  EXPECT_EQ(field(block), std::string(10, '\0')) << "nothing written while closed";
  host().update(fd_);
  EXPECT_EQ(fd_mode, 1) << "nothing read while closed";
  host().install(fd_);
  EXPECT_EQ(field(block), padded("FDMode=1"));
}

TEST_F(Fd, WithoutABlockTheButtonsStillWork) {
  world().shared_memory.failing = true;
  host().install(fd_);
  press_ls();
  EXPECT_EQ(lights(), "01");
  EXPECT_EQ(std::string(fd_mode_text), "FDMode=2");
}

}  // namespace
}  // namespace corvane::test
