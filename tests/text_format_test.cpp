// The module's own formatter and float reader against the C library in the
// "C" locale (awkward cases and seeded sweeps), and the panel's texts and
// parameters under a comma-decimal process locale.
#include "module/text_format.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "gauges/ecam/ewd.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
// Same text and same length as snprintf, whole and cut to a few sizes.
template <typename... Args>
void expect_same(const char* format, Args... args) {
  char want[2048];
  char got[2048];
  const int want_length = std::snprintf(want, sizeof want, format, args...);
  const int got_length = format_text(got, sizeof got, format, args...);
  ASSERT_EQ(std::string(got), std::string(want)) << format;
  ASSERT_EQ(got_length, want_length) << format;
  for (size_t size : {size_t{0}, size_t{1}, size_t{4}}) {
    std::memset(got, '#', 8);
    std::snprintf(want, size, format, args...);
    ASSERT_EQ(format_text(got, size, format, args...), want_length);
    if (size == 0) {
      ASSERT_EQ(got[0], '#') << "nothing written";
    } else {
      ASSERT_STREQ(got, want) << format << " in " << size;
    }
  }
}
#pragma GCC diagnostic pop

TEST(FormatText, MatchesTheCLibraryOnAwkwardCases) {
  using limits = std::numeric_limits<double>;
  const double awkward[] = {
      0.0,           -0.0,          0.125,    0.375,         2.5,         3.5,
      -2.5,          0.5,           1.5,      99.95,         99.94,       9.995,
      -9.95,         29.92,         0.05,     1e-300,        1e308,       0x1p53,
      0x1p64,        0.1,           1.25e-13, 123456789.125, 999.9999999, limits::denorm_min(),
      limits::min(), limits::max(), HUGE_VAL, -HUGE_VAL,     NAN,         std::copysign(NAN, -1.0)};
  for (double v : awkward) {
    for (const char* format : {"%f", "%.0f", "%.1f", "%.2f", "%.3f", "%.20f", "%.40f", "%4.1f", "%07.2f", "%-9.2f|",
                               "%+.1f", "% .2f", "%+010.3f", "%-+8.0f|", "%5.0f", "%.330f"}) {
      expect_same(format, v);
    }
    expect_same("%*.*f|%-*.*f", 12, 4, v, -9, 2, v);
    expect_same("%.*f", -3, v);
  }
  for (int v : {0, 7, -7, 255, -255, 2147483647, -2147483647 - 1}) {
    for (const char* format :
         {"%d",    "%i",    "%5d",   "%-5d|",    "%05d",   "%0+5d", "% 05d", "%+d", "%.0d", "%.3d",
          "%+.0d", "% .0d", "%8.3d", "%-08.3d|", "%03d%%", "%u",    "%x",    "%X",  "%04x", "Item=0x%02X"}) {
      expect_same(format, v);
    }
  }
  expect_same("%ld|%lu|%lld|%llx|%zu|%hd|%hhu|%jd|%td", -5L, 5UL, -1LL, ~0ULL, size_t{9}, 70000, 300, intmax_t{-3},
              ptrdiff_t{4});
  expect_same("[%c][%3c][%-3c][%05c]", 'a', 'b', 'c', 'd');
  expect_same("[%s][%.2s][%5.1s][%-6s][%05s]", "abc", "abc", "xyz", "ab", "ab");
  expect_same("100%% %5%|%y");
}

TEST(FormatText, MatchesTheCLibraryOverASeededSweep) {
  std::mt19937_64 random(20240611);
  const char* flags[] = {"", "-", "+", " ", "0", "+0", "- ", "-0+"};
  for (int i = 0; i < 25000; ++i) {
    double v = 0;
    const uint64_t bits = random();
    switch (i % 4) {
      case 0:  // any bit pattern: every exponent, subnormals, inf, nan
        std::memcpy(&v, &bits, sizeof v);
        break;
      case 1:  // decimals as typed, mostly not representable: near ties
        v = static_cast<double>(static_cast<int64_t>(bits % 2000001) - 1000000) / std::pow(10.0, bits >> 60);
        break;
      case 2:  // exact ties at some precision: k / 2^n
        v = std::ldexp(static_cast<double>(static_cast<int64_t>(bits % 20001) - 10000), -static_cast<int>(bits >> 59));
        break;
      default:  // large and tiny magnitudes with few significant bits
        v = std::ldexp(static_cast<double>(bits % 1025), static_cast<int>(bits >> 53) % 2100 - 1100);
        break;
    }
    const std::string format = std::string("%") + flags[(bits >> 20) % 8] + "*.*f";
    expect_same(format.c_str(), static_cast<int>((bits >> 24) % 30), static_cast<int>((bits >> 32) % 26), v);
    const std::string integer = std::string("%") + flags[(bits >> 40) % 8] + "*.*" + "diuxX"[(bits >> 44) % 5];
    expect_same(integer.c_str(), static_cast<int>((bits >> 48) % 14), static_cast<int>((bits >> 52) % 12) - 2,
                static_cast<int>(bits));
    if (HasFatalFailure()) {
      FAIL() << "case " << i;
    }
  }
}

// parse_float answers as a "%f" scan: the same acceptance and the same bits
// (NaN as NaN of the same sign).
void expect_read_alike(const std::string& text) {
  float want = -7.0F;
  float got = -7.0F;
  const bool accepted = std::sscanf(text.c_str(), "%f", &want) == 1;
  ASSERT_EQ(parse_float(text.c_str(), &got), accepted) << text;
  if (std::isnan(want)) {
    ASSERT_TRUE(std::isnan(got)) << text;
    ASSERT_EQ(std::signbit(got), std::signbit(want)) << text;
  } else {
    ASSERT_EQ(std::memcmp(&got, &want, sizeof got), 0) << text << ": " << got << " against " << want;
  }
}

TEST(ParseFloat, ReadsAsTheCLibraryOnAwkwardTexts) {
  for (const char* text : {"0",
                           "-0",
                           "12345.678",
                           " \t\n\v\f\r7",
                           "+.5e-1z",
                           "1e",
                           "1e+",
                           "1e+x",
                           "100ergs",
                           ".",
                           "-.",
                           ".e1",
                           "-",
                           "",
                           "e5",
                           "0x",
                           "0xg",
                           "0x.",
                           "0x1p",
                           "0x1.8p3",
                           "0X1P-1",
                           "0x1.000001p0",
                           "0x1.0000018p0",
                           "0x.00000000000001p-1000",
                           "0x123456789abcdef0123456789abcdef0123456789p-200",
                           "infin",
                           "infinity",
                           "INFINITYx",
                           "infinit",
                           "-inf",
                           "in",
                           "nan",
                           "-NaN(1)",
                           "na",
                           "1,5",
                           "3276.8",
                           "0.1",
                           "16777217",
                           "16777219",
                           "3.4028235e38",
                           "3.4028236e38",
                           "3.40282356779733661637539395458142568448e38",
                           "3.40282356779733661637539395458142568447e38",
                           "1.4012984643248170709e-45",
                           "7.0064923216240853546e-46",
                           "7.0064923216240853547e-46",
                           "1.1754942807573642917e-38",
                           "1.17549428e-38",
                           "1e-46",
                           "1e39",
                           "1e-99999999999",
                           "1e99999999999",
                           "0.000000000000000000000000000000000000000000000000001e51",
                           "1e-45",
                           "2e-45",
                           "9999999999999999999999999999999"}) {
    expect_read_alike(text);
  }
  expect_read_alike("0." + std::string(3000, '0') + "1e3000");
  expect_read_alike("1" + std::string(300, '0') + "e-300");
  expect_read_alike("16777217" + std::string(400, '0') + "1e-400");
}

TEST(ParseFloat, ReadsAsTheCLibraryOverASeededSweep) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 30000; ++i) {
    const uint64_t bits = random();
    std::string text;
    if (i % 2 == 0) {
      // Digits with a point somewhere and an exponent.
      const int count = 1 + static_cast<int>(bits % 40);
      for (int d = 0; d < count; ++d) {
        text += static_cast<char>('0' + random() % 10);
      }
      text.insert(static_cast<size_t>((bits >> 8) % static_cast<uint64_t>(count + 1)), ".");
      text += "e" + std::to_string(static_cast<int>((bits >> 16) % 100) - 60);
    } else {
      // Exactly halfway between two floats, or a hair either side of it.
      float f = 0;
      const auto pattern = static_cast<uint32_t>(bits) & 0x7F7FFFFFU;
      std::memcpy(&f, &pattern, sizeof f);
      const double midpoint = (static_cast<double>(f) + static_cast<double>(std::nextafter(f, HUGE_VALF))) / 2;
      char exact[200];
      std::snprintf(exact, sizeof exact, "%.120e", midpoint);
      text = exact;
      const size_t e = text.find('e');
      if (bits >> 62 == 1) {
        text.insert(e, "0001");
      } else if (bits >> 62 == 2) {
        const size_t last = text.find_last_not_of('0', e - 1);
        text.erase(last, e - last);  // drops the last non-zero digit and the zeros after it
      }
    }
    expect_read_alike(text);
    if (HasFatalFailure()) {
      FAIL() << "case " << i;
    }
  }
}

// Comma-decimal process locale: texts keep their point, parameters their
// decimals.
class CommaLocale : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    saved_ = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
      GTEST_SKIP() << "no de_DE.UTF-8 locale";
    }
    char probe[8];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    ASSERT_STREQ(probe, "0,5") << "the locale must use a decimal comma";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, saved_.c_str());
    ModuleTest::TearDown();
  }
  std::string saved_;
};

TEST_F(CommaLocale, TextsKeepTheirPointAndParametersTheirDecimals) {
  GaugeHeader* baro = gauge("Baro");
  host().install(baro);
  set_vars({{0x4B, 1013.0}, {0x4C, 29.92}});
  host().click(baro, 5, 30);  // inHg
  host().cycle(baro);
  EXPECT_EQ(host().text(host().element(baro, 1)), "29.92");

  host().install(gauge("Warnings"), "12345.678");
  EXPECT_EQ(stall_threshold, static_cast<double>(12345.678F));

  flap_table_parsed = 0;
  host().install(gauge("E/WD"), "0-3276.8-6553.6-9830.4-13107.2-16384");
  EXPECT_EQ(flap_thresholds[1], static_cast<double>(3276.8F) - 5.0);
}

}  // namespace
}  // namespace corvane::test
