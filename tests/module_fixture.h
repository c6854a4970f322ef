// A test host over the linked module with the module's shared state put back
// to its load values, and a check that no string ever overran its buffer.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "corvane_testhost/platform_world.h"
#include "corvane_testhost/test_host.h"
#include "module/records.h"

namespace corvane::test {

// Puts every module-wide value the tests touch back to its value at load.
void reset_module_state();
// The EFIS panel's and flight director's texts and selections as at load.
void reset_link_state();
// Tests that call the module's internals directly run them as an entry point
// would (53-bit x87); calls through the records start with the host's control
// word, CORVANE_HOST_CONTROL_WORD (hex) when set, else the Windows default.
void set_test_control_words();

class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    set_test_control_words();
    testhost::reset_platform();
    reset_module_state();
    host_ = std::make_unique<testhost::TestHost>(testhost::linked_module());
  }
  void TearDown() override {
    for (const std::string& v : host_->violations()) {
      ADD_FAILURE() << v;
    }
    host_.reset();
  }
  testhost::TestHost& host() { return *host_; }
  GaugeHeader* gauge(const char* name) {
    GaugeHeader* g = host_->gauge(name);
    EXPECT_NE(g, nullptr) << name;
    return g;
  }
  testhost::PlatformWorld& world() { return testhost::platform(); }
  // Several simulator variables at once, in order.
  void set_vars(std::initializer_list<std::pair<uint32_t, double>> vars) {
    for (const auto& [token, value] : vars) {
      host_->set_var(token, value);
    }
  }

 private:
  std::unique_ptr<testhost::TestHost> host_;
};

}  // namespace corvane::test
