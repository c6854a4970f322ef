// The PE loader: a fixture DLL in every mapping and TLS mode, then the real module.
#include "pe_loader.h"

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <filesystem>
#include <string>
#include <vector>

#include "module/records.h"

namespace corvane::test {
namespace {

std::string events;  // what the fixture reported through probe_note, in order
__attribute__((stdcall)) void note(int event) { events += static_cast<char>(event); }
__attribute__((stdcall)) int triple(int value) { return value * 3; }
int probe_value = 0x600D;

template <typename F>
void* address(F f) {
  return reinterpret_cast<void*>(f);
}

const pe::ImportBinding kProbeHost[] = {{"PROBEHOST.DLL", "probe_note", 0, address(&note)},
                                        {"probehost.dll", "", 5, address(&triple)},
                                        {"ProbeHost.dll", "probe_value", 0, &probe_value}};

struct FixtureRecord {
  const char* text;
  int (*scale_plus_one)(int);
};

struct FixtureCase {
  const char* name;
  bool run_tls_callbacks;
  bool force_relocation;
  bool occupy_preferred_base;
  const char* attach_events;
  const char* detach_events;
};

class PeFixture : public testing::TestWithParam<FixtureCase> {};

TEST_P(PeFixture, LoadsBindsRunsAndUnloads) {
  const FixtureCase& c = GetParam();
  void* blocker = nullptr;
  if (c.occupy_preferred_base) {
    blocker = mmap(reinterpret_cast<void*>(CORVANE_PE_FIXTURE_BASE), 4096, PROT_NONE,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
    ASSERT_EQ(blocker, reinterpret_cast<void*>(CORVANE_PE_FIXTURE_BASE));
  }
  events.clear();
  std::string error;
  auto image = pe::LoadedImage::load(CORVANE_PE_FIXTURE, kProbeHost, {c.run_tls_callbacks, c.force_relocation}, &error);
  ASSERT_NE(image, nullptr) << error;
  EXPECT_EQ(events, c.attach_events);
  EXPECT_EQ(image->preferred_base(), CORVANE_PE_FIXTURE_BASE);
  EXPECT_EQ(image->relocated(), c.force_relocation || c.occupy_preferred_base);

  auto* record = static_cast<FixtureRecord*>(image->find_export("fixture_record"));
  ASSERT_NE(record, nullptr);
  auto text = reinterpret_cast<uintptr_t>(record->text);
  ASSERT_TRUE(text >= image->base() && text < image->base() + image->size()) << std::hex << text;
  EXPECT_STREQ(record->text, "pe fixture");
  EXPECT_EQ(record->scale_plus_one(4), 13);
  EXPECT_EQ(reinterpret_cast<int (*)()>(image->find_export("fixture_tls_value"))(), 0x5EED);
  EXPECT_EQ(reinterpret_cast<int (*)()>(image->find_export("fixture_probe_value"))(), probe_value);
  EXPECT_EQ(image->find_export("fixture_absent"), nullptr);

  auto format = reinterpret_cast<const char* (*)(double)>(image->find_export("fixture_format"));
  EXPECT_STREQ(format(3.25), "3.25");
  pe::set_crt_decimal_point(",");
  EXPECT_STREQ(format(3.25), "3,25");
  pe::set_crt_decimal_point(".");

  events.clear();
  image.reset();
  EXPECT_EQ(events, c.detach_events);
  if (blocker != nullptr) munmap(blocker, 4096);
}

// T/t: TLS callback attach/detach, C/D: static object, M/m: DllMain.
INSTANTIATE_TEST_SUITE_P(Modes, PeFixture,
                         testing::Values(FixtureCase{"TlsCallbacksAtHome", true, false, false, "TCM", "mDt"},
                                         FixtureCase{"NoTlsCallbacksAtHome", false, false, false, "CM", "mD"},
                                         FixtureCase{"TlsCallbacksForcedAway", true, true, false, "TCM", "mDt"},
                                         FixtureCase{"NoTlsCallbacksHomeTaken", false, false, true, "CM", "mD"}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(PeLoader, UnboundImportsFailTheLoadNamingEachOne) {
  std::string error;
  EXPECT_EQ(pe::LoadedImage::load(CORVANE_PE_FIXTURE, {}, {}, &error), nullptr);
  EXPECT_NE(error.find("ProbeHost.dll probe_note"), std::string::npos) << error;
  EXPECT_NE(error.find("ProbeHost.dll ordinal 5"), std::string::npos) << error;
  auto image = pe::LoadedImage::load(CORVANE_PE_FIXTURE, kProbeHost, {}, &error);
  ASSERT_NE(image, nullptr) << error;
  EXPECT_FALSE(image->relocated()) << "the failed load left its mapping behind";
}

// Platform functions the module must not call while it loads.
template <typename... Args>
__attribute__((stdcall)) uintptr_t unexpected(Args...) {
  ADD_FAILURE() << "the module called its platform while loading";
  return 0;
}

class RealModule : public testing::TestWithParam<pe::LoadOptions> {};

TEST_P(RealModule, LoadsAndListsItsGauges) {
  if (!std::filesystem::exists(CORVANE_GAU_PATH)) GTEST_SKIP() << CORVANE_GAU_PATH << " is not built";
  const pe::ImportBinding platform[] = {
      {"USER32.dll", "FindWindowExA", 0, address(&unexpected<void*, void*, const char*, const char*>)},
      {"USER32.dll", "SendMessageA", 0, address(&unexpected<void*, uint32_t, uintptr_t, intptr_t>)},
      {"KERNEL32.dll", "CreateFileMappingA", 0,
       address(&unexpected<void*, void*, uint32_t, uint32_t, uint32_t, const char*>)},
      {"KERNEL32.dll", "MapViewOfFile", 0, address(&unexpected<void*, uint32_t, uint32_t, uint32_t, uintptr_t>)},
      {"KERNEL32.dll", "UnmapViewOfFile", 0, address(&unexpected<const void*>)},
      {"KERNEL32.dll", "CloseHandle", 0, address(&unexpected<void*>)},
      {"FSSound.dll", "", 1, address(&unexpected<uint32_t*, const char*>)},
      {"FSSound.dll", "", 7, address(&unexpected<uint32_t, uint32_t>)},
      {"FSSound.dll", "", 14, address(&unexpected<uint32_t*>)},
  };
  std::string error;
  auto image = pe::LoadedImage::load(CORVANE_GAU_PATH, platform, GetParam(), &error);
  ASSERT_NE(image, nullptr) << error;
  EXPECT_EQ(image->relocated(), GetParam().force_relocation);
  EXPECT_NE(image->find_export("ImportTable"), nullptr);
  auto* linkage = static_cast<const LinkageRecord*>(image->find_export("Linkage"));
  ASSERT_NE(linkage, nullptr);
  std::vector<std::string> names;
  for (uint32_t i = 0; i < kGaugeCount && linkage->gauges[i] != nullptr; ++i) names.push_back(linkage->gauges[i]->name);
  ASSERT_EQ(names.size(), kGaugeCount);
  EXPECT_EQ(linkage->gauges[kGaugeCount], nullptr);
  EXPECT_EQ(names.front(), "Baro");
  EXPECT_EQ(names.back(), "PFD");
}

INSTANTIATE_TEST_SUITE_P(Modes, RealModule, testing::Values(pe::LoadOptions{true, false}, pe::LoadOptions{false, true}),
                         [](const auto& param) {
                           return std::string(param.param.run_tls_callbacks ? "TlsCallbacksAtHome"
                                                                            : "NoTlsCallbacksForcedAway");
                         });

}  // namespace
}  // namespace corvane::test
