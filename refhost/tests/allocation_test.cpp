// The module never allocates: after load, a whole flight of the default
// scenario makes no heap allocation while the module's own code runs. The
// allocator's entry points are replaced in this executable to count calls
// made while the test host marks module code as running.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "corvane_testhost/module_scope.h"
#include "corvane_testhost/test_host.h"
#include "module/module_file.h"
#include "scenario/panel.h"
#include "scenario/scenario.h"

#if defined(__SANITIZE_ADDRESS__)
#define CORVANE_ALLOCATOR_OWNED_BY_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORVANE_ALLOCATOR_OWNED_BY_SANITIZER 1
#endif
#endif

namespace {
long module_allocations = 0;
}  // namespace

#ifndef CORVANE_ALLOCATOR_OWNED_BY_SANITIZER
namespace {
void count_allocation() {
  if (corvane::testhost::module_code_running > 0) {
    ++module_allocations;
  }
}
}  // namespace

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void __libc_free(void* pointer);

// Everything the C and C++ libraries allocate goes through these three.
void* malloc(size_t size) {
  count_allocation();
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  count_allocation();
  return __libc_calloc(count, size);
}
void* realloc(void* pointer, size_t size) {
  count_allocation();
  return __libc_realloc(pointer, size);
}
}
#endif

namespace corvane::refhost {
namespace {

class Allocations : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef CORVANE_ALLOCATOR_OWNED_BY_SANITIZER
    GTEST_SKIP() << "AddressSanitizer owns malloc in this build: the count runs in the dev build";
#endif
    module_allocations = 0;
  }
};

// The count sees allocations made in module code and only those: the host's
// own work, even when the module called it, is not the module's.
TEST_F(Allocations, CountsWhatModuleCodeAllocatesAndNothingElse) {
  void* (*volatile allocate)(size_t) = std::malloc;
  std::free(allocate(16));
  EXPECT_EQ(module_allocations, 0);
  {
    const testhost::ModuleCodeScope module_code;
    std::free(allocate(16));
    EXPECT_EQ(module_allocations, 1);
    auto* text = new std::string(100, 'x');
    delete text;
    EXPECT_GE(module_allocations, 2);
    const long before = module_allocations;
    {
      const testhost::HostCodeScope host_code;
      std::free(allocate(16));
    }
    EXPECT_EQ(module_allocations, before);
  }
}

TEST_F(Allocations, NoneInTheModuleDuringTheDefaultFlight) {
  const auto module = ModuleFile::open(default_module_path());
  const Scenario scenario = load_scenario(CORVANE_DEFAULT_SCENARIO, module->gauge_names());
  Panel panel(module->view(), "");
  panel.set_approach_identifier(scenario.approach_identifier);
  const long entries_before = testhost::module_code_entries;
  panel.install(scenario.gauges);
  const RunResult result = fly(panel, scenario, {});
  panel.kill_all();
  // Whether the panel shows what the scenario expects is the scenario
  // test's business; here the flight only has to be flown to its end.
  EXPECT_GT(result.simulated_seconds, 3000.0);
  // Every gauge's elements at every cycle went through the module.
  EXPECT_GT(testhost::module_code_entries - entries_before, result.cycles * 33);
  EXPECT_EQ(module_allocations, 0);
}

}  // namespace
}  // namespace corvane::refhost
