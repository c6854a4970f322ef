// Loads libcorvane.so the way a host loads the module: the library finds its
// platform functions in this process and hands over only its two records.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "corvane_testhost/platform_world.h"
#include "corvane_testhost/test_host.h"

namespace corvane::test {
namespace {

TEST(SharedLibrary, LoadsAndFliesTheBaroThroughItsExports) {
  void* library = dlopen(CORVANE_SO_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  auto* import_table = static_cast<ImportTableRecord*>(dlsym(library, "ImportTable"));
  auto* linkage = static_cast<LinkageRecord*>(dlsym(library, "Linkage"));
  ASSERT_TRUE(import_table != nullptr && linkage != nullptr);
  EXPECT_EQ(dlsym(library, "_ZN7corvane10gauge_baroE"), nullptr) << "only the two records are exported";

  testhost::reset_platform();
  {
    testhost::TestHost host({import_table, linkage});
    EXPECT_EQ(host.gauges().size(), 33U);
    GaugeHeader* autopilot = host.gauge("Autopilot2");
    GaugeHeader* baro = host.gauge("Baro");
    ASSERT_NE(baro, nullptr);
    host.install(autopilot);
    host.install(baro);
    host.set_var(0x4B, 1020.0);
    host.cycle(baro);
    EXPECT_EQ(host.text(host.element(baro, 1)), " 1020");
    EXPECT_TRUE(host.click(baro, 50, 50));
    EXPECT_EQ(host.events(), (std::vector<testhost::KeyEvent>{{0x1015B, 0}}));
    EXPECT_EQ(testhost::platform().sound.played(), std::vector<std::string>{"Sound\\Button_Press.wav"});
    host.kill(autopilot);
    EXPECT_TRUE(host.violations().empty());
  }
  dlclose(library);
}

}  // namespace
}  // namespace corvane::test
