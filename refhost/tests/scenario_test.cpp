// Scenario files: what a person gets back for a bad file, and what a flight
// reports when the panel does not show what the file expects.
#include "scenario/scenario.h"

#include <gtest/gtest.h>

#include "corvane_testhost/test_host.h"
#include "module/module_file.h"
#include "scenario/panel.h"

namespace corvane::refhost {
namespace {

const std::vector<std::string> kGauges = {"Baro", "Autopilot2", "PFD"};

std::string error_of(const std::string& text) {
  try {
    parse_scenario(text, "bad.toml", kGauges);
  } catch (const ScenarioError& e) {
    return e.what();
  }
  return "no error";
}

TEST(ScenarioFile, BadFilesNameTheFileLineAndProblem) {
  // Each text follows "[[step]]\nat = 1\n"; the error starts with the message given.
  const std::pair<const char*, const char*> bad[] = {
      {"set = { altitud = 3 }\n", "bad.toml:3: unknown token name \"altitud\""},
      {"\n[[step]]\nat = 0.5\n", "bad.toml:5: time goes backwards: 0.500000 s after 1.000000 s"},
      {"click = { gauge = \"Nope\", x = 1, y = 2 }\n", "bad.toml:3: unknown gauge \"Nope\""},
      {"expect = [{ gauge = \"Baro\", element = 1, txt = \"x\" }]\n", "bad.toml:3: unknown key \"txt\""},
      {"set = { altitude = }\n", "bad.toml:3: malformed TOML"},
      {"set = { \"0x4A\" = \"high\" }\n", "bad.toml:3: 0x4A must be a number"},
      {"ramp = { altitude = { to = 3, over = 0 } }\n", "bad.toml:3: over must be more"},
      {"expect = [{ page = \"APU\" }]\n", "bad.toml:3: unknown SD page \"APU\""},
      {"expect = [{ block = \"Other\", text = \"x\" }]\n", "bad.toml:3: unknown shared block"},
      {"render = { name = \"../x\" }\n", "bad.toml:3: a frame name must be a plain file name"},
      {"render = { name = \"x\", gauges = [\"Nope\"] }\n", "bad.toml:3: unknown gauge \"Nope\""}};
  for (const auto& [text, error] : bad) {
    const std::string got = error_of(std::string("[[step]]\nat = 1\n") + text);
    EXPECT_EQ(got.rfind(error, 0), 0U) << got;
  }
  EXPECT_EQ(error_of("[[step]]\nset = { altitude = 3 }\n"),
            "bad.toml:1: a step needs \"at\" (seconds of simulation time)");
  try {
    load_scenario("/nonexistent/flight.toml", kGauges);
    ADD_FAILURE() << "no error";
  } catch (const ScenarioError& e) {
    EXPECT_STREQ(e.what(), "/nonexistent/flight.toml:0: cannot open the file") << "an error, not a crash";
  }
  // Renders are the whole panel or a group of gauges.
  const Scenario scenario = parse_scenario(
      "[[step]]\nat = 0\nrender = [\"panel\", { name = \"glare\", gauges = [\"Autopilot2\", \"PFD\"], scale = 2 }]\n",
      "f.toml", kGauges);
  ASSERT_EQ(scenario.steps.at(0).renders.size(), 2U);
  EXPECT_TRUE(scenario.steps[0].renders[0].gauges.empty());
  EXPECT_EQ(scenario.steps[0].renders[1].gauges, (std::vector<std::string>{"Autopilot2", "PFD"}));
  EXPECT_EQ(scenario.steps[0].renders[1].scale, 2.0);
}

TEST(ScenarioRun, ReportsEachUnmetExpectationWithItsLineAndWhatWasSeen) {
  const auto module = ModuleFile::open(default_module_path());
  const Scenario scenario = parse_scenario(
      "[[gauge]]\nname = \"Baro\"\n"
      "[[step]]\nat = 0\nset = { baro_hpa = 1002 }\n"
      "expect = [{ gauge = \"Baro\", element = 1, text = \" 1002\" },\n"
      "          { gauge = \"Baro\", element = 1, text = \" 9999\" }]\n"
      "[[step]]\nat = 1\nclick = { gauge = \"Baro\", x = 50, y = 50 }\n"
      "expect = [{ event = \"0x1015B\" }, { event = \"0x1015C\" }, { var = \"baro_hpa\", eq = 1003 }]\n",
      "flight.toml", {"Baro"});
  Panel panel(module->view(), "");
  panel.install(scenario.gauges);
  const RunResult result = fly(panel, scenario, {});
  EXPECT_EQ(result.expectations, 5);
  EXPECT_EQ(result.met, 3);
  ASSERT_EQ(result.failures.size(), 2U);
  EXPECT_EQ(result.failures[0],
            "flight.toml:7: at 0.000000 s expected \"Baro\" element 1 reads \" 9999\", but reads \" 1002\"");
  EXPECT_EQ(result.failures[1], "flight.toml:11: at 1.000000 s expected event 0x1015c was sent, but it was not sent");
  EXPECT_EQ(result.cycles, 2 * kCyclesPerSecond);
}

TEST(ScenarioRun, BlockAndPageExpectationsReadWhatTheOtherModuleAndTheSdSee) {
  const auto module = ModuleFile::open(default_module_path());
  const Scenario scenario = parse_scenario(
      "[[gauge]]\nname = \"FCU\"\n[[gauge]]\nname = \"SD\"\n"
      "[[step]]\nat = 0\nwrite_block = { name = \"NDPassData\", offset = 30, text = \"Range=0400123456789\" }\n"
      "[[step]]\nat = 0.5\n"
      "expect = [{ block = \"NDPassData\", offset = 30, text = \"Range=0400\" },\n"
      "          { block = \"NDPassData\", offset = 0, text = \"NDMode=3\" },\n"
      "          { page = \"DOOR\" }, { page = \"ENG\" }]\n",
      "blocks.toml", {"FCU", "SD"});
  Panel panel(module->view(), "");
  panel.install(scenario.gauges);
  const RunResult result = fly(panel, scenario, {});
  // A field without its terminator is read to its ten bytes, never into the next one.
  ASSERT_EQ(result.failures.size(), 2U);
  EXPECT_NE(result.failures[0].find("reads \"NDMode=1\""), std::string::npos) << result.failures[0];
  EXPECT_NE(result.failures[1].find("it shows DOOR"), std::string::npos) << result.failures[1];
  EXPECT_NE(describe_blocks().find("PassData: \"(no block)\""), std::string::npos);
}

TEST(ScenarioRun, TheDefaultFlightMeetsEveryExpectation) {
  const auto module = ModuleFile::open(default_module_path());
  const Scenario scenario = load_scenario(CORVANE_DEFAULT_SCENARIO, module->gauge_names());
  Panel panel(module->view(), "");
  panel.set_approach_identifier(scenario.approach_identifier);
  panel.install(scenario.gauges);
  const RunResult result = fly(panel, scenario, {});
  for (const std::string& f : result.failures) {
    ADD_FAILURE() << f;
  }
  EXPECT_GT(result.expectations, 150);
  EXPECT_EQ(result.met, result.expectations);
  EXPECT_TRUE(panel.host().violations().empty());
  EXPECT_GT(result.simulated_seconds, 3000.0);
}

}  // namespace
}  // namespace corvane::refhost
